// The real Tolvane.gau under the Windows loader.
#include <gtest/gtest.h>

#include <windows.h>

#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "pe_image.h"

using namespace host;

namespace {

const char* const tolvane_path = "modules\\Tolvane.gau";

TEST(TolvaneDll, ExportsExactlyItsTwoRecordsAndImportsOnlySystemDlls)
{
    HMODULE m = LoadLibraryA(tolvane_path);
    ASSERT_NE(m, nullptr) << "LoadLibraryA failed with " << GetLastError();
    PeDirectories d = read_pe_directories(m);
    EXPECT_EQ(d.dll_name, "Tolvane.gau");
    EXPECT_EQ(d.export_count, 2u);
    ASSERT_EQ(d.exports.size(), 2u);
    EXPECT_EQ(d.exports[0].name, "ImportTable");
    EXPECT_EQ(d.exports[1].name, "Linkage");
    EXPECT_FALSE(d.exports[0].in_code);
    EXPECT_FALSE(d.exports[1].in_code);
    for (const std::string& dll : d.imported_dlls)
        EXPECT_TRUE(is_windows_system_dll(dll)) << dll;

    // The file image holds no services address.
    auto* imports = reinterpret_cast<ImportTableRecord*>(GetProcAddress(m, "ImportTable"));
    ASSERT_NE(imports, nullptr);
    EXPECT_EQ(imports->services_id, 0x0Fu);
    EXPECT_EQ(imports->services, nullptr);
    auto* linkage = reinterpret_cast<LinkageView*>(GetProcAddress(m, "Linkage"));
    ASSERT_NE(linkage, nullptr);
    EXPECT_EQ(linkage->module_id, 0x13u);
    EXPECT_EQ(linkage->module_version, 0u);
    EXPECT_EQ(linkage->gauges[0]->version, 610u);
    EXPECT_EQ(linkage->gauges[1], nullptr);
    EXPECT_TRUE(FreeLibrary(m));
}

TEST(TolvaneDll, BitmapsAreRealResources)
{
    HMODULE m = LoadLibraryA(tolvane_path);
    ASSERT_NE(m, nullptr);
    EXPECT_NE(FindResourceA(m, MAKEINTRESOURCEA(4096), MAKEINTRESOURCEA(2)), nullptr);
    EXPECT_NE(FindResourceA(m, MAKEINTRESOURCEA(8192), MAKEINTRESOURCEA(2)), nullptr);
    EXPECT_EQ(FindResourceA(m, MAKEINTRESOURCEA(4097), MAKEINTRESOURCEA(2)), nullptr);
    FreeLibrary(m);
}

TEST(TolvaneDll, HostDrivesTheLampThroughTheRealCallingConvention)
{
    SimulatedPanel host;
    Module&   m = host.load_module(tolvane_path);
    Gauge&    g = host.add_gauge(m, "Tolvane");
    g.connect();
    ElementHeader* lamp = g.elements().at(1).element;
    for (double v : {0.0, 1.0, 1.0, -0.5, 0.0, 0.0, 3.0}) {
        host.sim().set(0x43, v);
        host.frame(1.0 / 18);
        EXPECT_EQ(lamp->image_flags, v == 0.0 ? 0x40000007u : 0x7u) << "stall warning " << v;
        EXPECT_EQ(g.elements()[1].hidden, v == 0.0);
    }
    host.remove_gauge(g);
}

}  // namespace

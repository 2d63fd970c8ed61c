// The real Tolvane.gau under the Windows loader: its export directory and its bitmap resources.
// Its behaviour on the panel is among the cases both builds share.
#include <gtest/gtest.h>

#include <windows.h>

#include "frame/gauge_records.h"
#include "pe_image.h"
#include "tests/common/suite_hooks.h"

namespace {

const std::string tolvane_path = module_path("Tolvane");

TEST(TolvaneDll, ExportsExactlyItsTwoRecordsAndImportsOnlySystemDlls)
{
    HMODULE m = LoadLibraryA(tolvane_path.c_str());
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
    HMODULE m = LoadLibraryA(tolvane_path.c_str());
    ASSERT_NE(m, nullptr);
    EXPECT_NE(FindResourceA(m, MAKEINTRESOURCEA(4096), MAKEINTRESOURCEA(2)), nullptr);
    EXPECT_NE(FindResourceA(m, MAKEINTRESOURCEA(8192), MAKEINTRESOURCEA(2)), nullptr);
    EXPECT_EQ(FindResourceA(m, MAKEINTRESOURCEA(4097), MAKEINTRESOURCEA(2)), nullptr);
    FreeLibrary(m);
}

}  // namespace

// The real Norvak_Instr.gau and Stelvar_Instr.gau under the Windows loader: their export
// directories, their gauge tables and the shared gauges driven through the real calling convention.
#include <gtest/gtest.h>

#include <windows.h>

#include "../gauge_tables.h"
#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "pe_image.h"

using namespace host;

namespace {

struct AircraftDll {
    const char*       path;
    const char*       file;
    const GaugeTable* table;
    uint32_t          highest_face;
};

const AircraftDll aircraft[] = {
    {"modules\\Norvak_Instr.gau", "Norvak_Instr.gau", &norvak_table, 250},
    {"modules\\Stelvar_Instr.gau", "Stelvar_Instr.gau", &stelvar_table, 190},
};

TEST(AircraftDlls, ExportExactlyTheirTwoRecordsAndTheirTableInOrder)
{
    for (const AircraftDll& a : aircraft) {
        HMODULE m = LoadLibraryA(a.path);
        ASSERT_NE(m, nullptr) << a.path << ": LoadLibraryA failed with " << GetLastError();
        PeDirectories d = read_pe_directories(m);
        EXPECT_EQ(d.dll_name, a.file);
        ASSERT_EQ(d.exports.size(), 2u) << a.file;
        EXPECT_EQ(d.exports[0].name, "ImportTable");
        EXPECT_EQ(d.exports[1].name, "Linkage");
        EXPECT_FALSE(d.exports[0].in_code);
        EXPECT_FALSE(d.exports[1].in_code);
        for (const std::string& dll : d.imported_dlls)
            EXPECT_TRUE(is_windows_system_dll(dll)) << a.file << " imports " << dll;

        auto* imports = reinterpret_cast<ImportTableRecord*>(GetProcAddress(m, "ImportTable"));
        ASSERT_NE(imports, nullptr);
        EXPECT_EQ(imports->services, nullptr);
        auto* linkage = reinterpret_cast<LinkageView*>(GetProcAddress(m, "Linkage"));
        ASSERT_NE(linkage, nullptr);
        EXPECT_EQ(linkage->module_id, 0x13u);
        EXPECT_EQ(linkage->module_version, 0x900u);
        std::vector<std::string> missing = missing_gauges(linkage, *a.table);
        EXPECT_TRUE(missing.empty() || missing[0].rfind("error: ", 0) != 0) << a.file << ": " << missing[0];

        // Every face a button may be given is a bitmap resource.
        for (uint32_t id = 100; id <= a.highest_face; id += 10)
            EXPECT_NE(FindResourceA(m, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2)), nullptr) << a.file << " " << id;
        EXPECT_TRUE(FreeLibrary(m));
    }
}

TEST(AircraftDlls, ButtonsAndPlateThroughTheRealCallingConvention)
{
    SimulatedPanel host;
    Module&   norvak = host.load_module(aircraft[0].path);
    Gauge&    fuel   = host.add_gauge(norvak, "Fuel_Toggle", "oGPS_PANEL p-2 b130 hTOGGLE_GPS_WINDOW");
    fuel.connect();
    EXPECT_EQ(fuel.root()->bitmap_id, 130u);
    EXPECT_EQ(fuel.header()->mouse_rects[0].help_id, 0xAB87u);
    fuel.click_at(9, 9, MOUSE_LEFTSINGLE);
    std::vector<std::pair<uint32_t, uint32_t>> events;
    for (const KeyEvent& e : host.sim().events())
        events.emplace_back(e.id, e.value);
    EXPECT_EQ(events, (std::vector<std::pair<uint32_t, uint32_t>>{{0x103CB, 225}, {0x100C7, 0}, {0x100C7, 0}}));
    EXPECT_TRUE(host.sim().window_open(225));

    Module& stelvar = host.load_module(aircraft[1].path);
    host.sim().set_expression_text("(A:ATC ID,string)", "N_12345678");
    Gauge& plate = host.add_gauge(stelvar, "Registration", "r0 g128 f" + std::string(60, 'x'));
    plate.connect();
    host.frame(1.0 / 18);
    auto* text = reinterpret_cast<String*>(plate.elements().at(1).element);
    EXPECT_EQ(plate.elements()[1].text, "N 12345");
    EXPECT_EQ(text->text_colour, 0xFF8000u);
    EXPECT_EQ(std::string(text->font), std::string(31, 'x'));
    EXPECT_EQ(text->font_weight, 400u);
}

}  // namespace

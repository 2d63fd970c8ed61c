// The gauge tables of the two aircraft modules on both builds: every gauge present, in order, with
// its header version and width; every gauge installs with its bitmaps; every face a button may be
// given is a bitmap of the module.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "../gauge_tables.h"
#include "tests/common/panel_fixture.h"

namespace aircraft_tables_cases {

struct Aircraft {
    const char*       module;
    const GaugeTable* table;
    uint32_t          highest_face;   // the button faces are bitmaps 100, 110, ... up to this
};

const Aircraft aircraft[] = {
    {"Norvak_Instr", &norvak_table, 250},
    {"Stelvar_Instr", &stelvar_table, 190},
};

TEST(AircraftTables, EachModuleCarriesItsWholeTableInOrder)
{
    for (const Aircraft& a : aircraft) {
        SCOPED_TRACE(a.module);
        auto m = host::Module::load(module_path(a.module));
        EXPECT_EQ(m->linkage()->module_id, 0x13u);
        EXPECT_EQ(m->linkage()->module_version, 0x900u);
        EXPECT_EQ(m->linkage()->flags, 0u);
        EXPECT_EQ(m->import_table()->services_id, 0x0Fu);
        EXPECT_EQ(table_differences(m->linkage(), *a.table), std::vector<std::string>{});
        EXPECT_EQ(m->gauges().size(), a.table->size());
    }
}

// The comparison itself: a table with a gauge left out, or one out of its place, differs.
TEST(AircraftTables, AGaugeLeftOutOrMovedIsADifference)
{
    auto m = host::Module::load(module_path("Stelvar_Instr"));
    GaugeTable one_more = stelvar_table;
    one_more.insert(one_more.begin() + 3, {"Fuel_Toggle", 19});
    EXPECT_EQ(table_differences(m->linkage(), one_more), std::vector<std::string>{"Fuel_Toggle is missing"});
    GaugeTable swapped = stelvar_table;
    std::swap(swapped[0], swapped[1]);
    EXPECT_EQ(table_differences(m->linkage(), swapped),
              (std::vector<std::string>{"Shut_Down is missing", "Shut_Down is out of order or unknown"}));
    GaugeTable wider = stelvar_table;
    wider.back().second = 31;
    EXPECT_EQ(table_differences(m->linkage(), wider),
              std::vector<std::string>{"Generator_Switch has version 800 and size 30 x 0"});
}

TEST(AircraftTables, EveryGaugeInstallsWithItsBitmaps)
{
    for (const Aircraft& a : aircraft) {
        host::SimulatedPanel host;
        host::Module&        m = host.load_module(module_path(a.module));
        for (const host::GaugeEntry& e : m.gauges())
            EXPECT_NO_THROW(host.add_gauge(m, e.name())) << a.module << "!" << e.name();
    }
}

TEST(AircraftTables, EveryFaceAButtonMayBeGivenIsABitmap)
{
    for (const Aircraft& a : aircraft) {
        auto m = host::Module::load(module_path(a.module));
        for (uint32_t id = 100; id <= a.highest_face; id += 10)
            EXPECT_TRUE(m->has_bitmap(id)) << a.module << " " << id;
    }
}

}  // namespace aircraft_tables_cases

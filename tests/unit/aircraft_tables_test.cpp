// The gauge tables of the two aircraft modules: order, widths, and what is still to come.
#include <gtest/gtest.h>

#include "../gauge_tables.h"
#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "module_paths.h"

using namespace host;

namespace {

std::string joined(const std::vector<std::string>& names)
{
    std::string s;
    for (const std::string& n : names)
        s += (s.empty() ? "" : ", ") + n;
    return s.empty() ? "none" : s;
}

void check_table(const char* module_name, const GaugeTable& full)
{
    auto m = Module::load(module_path(module_name));
    EXPECT_EQ(m->linkage()->module_id, 0x13u);
    EXPECT_EQ(m->linkage()->module_version, 0x900u);
    EXPECT_EQ(m->linkage()->flags, 0u);
    EXPECT_EQ(m->import_table()->services_id, 0x0Fu);
    std::vector<std::string> missing = missing_gauges(m->linkage(), full);
    ASSERT_TRUE(missing.empty() || missing[0].rfind("error: ", 0) != 0) << missing[0];
    std::cout << module_name << ": " << full.size() - missing.size() << " of " << full.size()
              << " gauges; still missing: " << joined(missing) << "\n";
    ::testing::Test::RecordProperty(std::string(module_name) + "_missing", joined(missing));
    // The gauges both aircraft carry are all present.
    for (const char* shared : {"Shut_Down", "Registration", "Map_Toggle", "Close_Subpanel", "Compass_Toggle"})
        EXPECT_NE(m->find_gauge(shared), nullptr) << shared;
}

TEST(AircraftTables, WaterBomberFollowsItsTableOrder) { check_table("Norvak_Instr", norvak_table); }
TEST(AircraftTables, AttackAircraftFollowsItsTableOrder) { check_table("Stelvar_Instr", stelvar_table); }

TEST(AircraftTables, EveryGaugeInstallsWithItsBitmaps)
{
    for (const char* name : {"Norvak_Instr", "Stelvar_Instr"}) {
        SimulatedPanel host;
        Module&   m = host.load_module(module_path(name));
        for (const GaugeEntry& e : m.gauges())
            EXPECT_NO_THROW(host.add_gauge(m, e.name())) << name << "!" << e.name();
    }
}

}  // namespace

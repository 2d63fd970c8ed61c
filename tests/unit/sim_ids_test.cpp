// Simulator ids by name: the table's names and values are unambiguous within a kind, and scripts
// and command lines read a name exactly as the number it stands for.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "host/core/module.h"
#include "host/core/numbers.h"

using namespace host;

TEST(SimIds, NamesAndValuesAreUniqueWithinAKind)
{
    std::map<IdKind, std::set<std::string>> names;
    std::map<IdKind, std::set<uint32_t>>    values;
    for (const NamedId& id : named_ids) {
        EXPECT_TRUE(names[id.kind].insert(id.name).second) << "name twice: " << id.name;
        EXPECT_TRUE(values[id.kind].insert(id.value).second) << "value twice: " << id.name;
    }
    EXPECT_GT(names[IdKind::token].size(), 50u);
    EXPECT_GT(names[IdKind::event].size(), 50u);
}

TEST(SimIds, ScriptsReadNamesAsTheirNumbersAndPrintBoth)
{
    EXPECT_EQ(parse_id("battery_toggle", IdKind::event), event::battery_toggle);
    EXPECT_EQ(parse_id("0x102C1", IdKind::event), event::battery_toggle);
    EXPECT_EQ(parse_token("airspeed"), token::airspeed);
    EXPECT_EQ(parse_id("left_tank_offset", IdKind::ext_offset), ext::left_tank_offset);
    EXPECT_EQ(parse_id("radio_stack_panel", IdKind::panel_window), panel_window::radio_stack_panel);
    // A name is looked up among its own kind only.
    EXPECT_THROW(parse_token("battery_toggle"), HostError);
    try {
        parse_token("airsped");
        FAIL() << "a misspelt name was read";
    } catch (const HostError& e) {
        EXPECT_STREQ(e.what(), "no token named 'airsped' (did you mean airspeed?)");
    }
    EXPECT_EQ(id_text(IdKind::token, token::airspeed), "0x3D (airspeed)");
    EXPECT_EQ(id_text(IdKind::token, 0x7FFF), "0x7FFF");
    EXPECT_EQ(id_text(IdKind::panel_window, 50), "50 (radio_stack_panel)");
}

TEST(ModuleLocation, BareNamesAreFoundInTheModuleFolderAndPathsStayPaths)
{
    EXPECT_EQ(module_location("Tolvane", "/m"), "/m/" + module_file_name("Tolvane"));
    EXPECT_EQ(module_location("x/Tolvane.so", "/m"), "x/Tolvane.so");
    EXPECT_EQ(module_location("x/Tolvane.so", "/m", "/scn"), "/scn/x/Tolvane.so");
    EXPECT_EQ(module_location("/abs/T.so", "/m", "/scn"), "/abs/T.so");
    EXPECT_EQ(module_location("T.so", "/m", "/scn"), "/scn/T.so");
}

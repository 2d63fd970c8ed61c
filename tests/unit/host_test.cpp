// The host's mechanics: needle tables, mouse lists, tooltip texts, module loading and scenario
// scripts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/core/mouse.h"
#include "host/core/panel_host.h"
#include "host/script/scenario.h"
#include "host/world/world.h"
#include "tests/common/panel_fixture.h"

using namespace host;
using panel_fixture::host_error_of;

namespace {

// ---------------------------------------------------------------------------------------------
// Needle tables

double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

TEST(NeedleTable, InterpolatesAngleBetweenPointsAndTurnsOnBeyondTheEnds)
{
    // Pivot at 100,100; 0 points left, 50 up, 100 right.
    NonlinearityEntry t[] = {{20, 100, 0.0, 0}, {100, 20, 50.0, 0}, {180, 100, 100.0, 0}};
    EXPECT_NEAR(degrees(aim_needle(t, 3, 100, 100, 0.0).angle), 180.0, 1e-9);
    EXPECT_NEAR(degrees(aim_needle(t, 3, 100, 100, 50.0).angle), -90.0, 1e-9);
    EXPECT_NEAR(degrees(aim_needle(t, 3, 100, 100, 75.0).angle), -45.0, 1e-9);
    EXPECT_NEAR(degrees(aim_needle(t, 3, 100, 100, 25.0).angle), -135.0, 1e-9);
    // Beyond the ends at the end segments' rate: 90 degrees per 50.
    EXPECT_NEAR(degrees(aim_needle(t, 3, 100, 100, -20.0).angle), 144.0, 1e-9);
    EXPECT_NEAR(degrees(aim_needle(t, 3, 100, 100, 150.0).angle), 90.0, 1e-9);

    // A two-entry half turn per 500 makes a hand of many turns: 1250 is a quarter past the top.
    NonlinearityEntry hand[] = {{100, 50, 0.0, 0}, {100, 150, 500.0, 0}};
    EXPECT_NEAR(degrees(aim_needle(hand, 2, 100, 100, 1250.0).angle), 0.0, 1e-9);
    EXPECT_NEAR(degrees(aim_needle(hand, 2, 100, 100, 1000.0).angle), -90.0, 1e-9);
    EXPECT_NEAR(aim_needle(hand, 2, 100, 100, 1000.0).y, 50.0, 1e-9);
    NeedleAim mid = aim_needle(t, 3, 100, 100, 75.0);
    EXPECT_NEAR(std::hypot(mid.x - 100, mid.y - 100), 80.0, 1e-9);
}

TEST(NeedleTable, DecreasingTablesAndDeadBands)
{
    // Decreasing: 300 at the left, 0 at the right.
    NonlinearityEntry dec[] = {{20, 100, 300.0, 0}, {100, 20, 150.0, 0}, {180, 100, 0.0, 0}};
    EXPECT_NEAR(degrees(aim_needle(dec, 3, 100, 100, 300.0).angle), 180.0, 1e-9);
    EXPECT_NEAR(degrees(aim_needle(dec, 3, 100, 100, 75.0).angle), -45.0, 1e-9);
    EXPECT_NEAR(degrees(aim_needle(dec, 3, 100, 100, 400.0).angle), 120.0, 1e-9);   // 90 degrees per 150 on
    EXPECT_NEAR(degrees(aim_needle(dec, 3, 100, 100, -5.0).angle), 3.0, 1e-9);

    // Dead band: the needle rests on one point for every value from -1 to 0.
    NonlinearityEntry band[] = {{153, 32, -1.0, 0}, {153, 32, 0.0, 0}, {200, 100, 40.0, 0}};
    double rest = aim_needle(band, 3, 100, 100, -1.0).angle;
    EXPECT_DOUBLE_EQ(aim_needle(band, 3, 100, 100, -0.5).angle, rest);
    EXPECT_DOUBLE_EQ(aim_needle(band, 3, 100, 100, -50.0).angle, rest);   // a stop also holds beyond the end
    EXPECT_DOUBLE_EQ(aim_needle(band, 3, 100, 100, 0.0).angle, rest);
    EXPECT_NE(aim_needle(band, 3, 100, 100, 20.0).angle, rest);
}

TEST(NeedleTable, ShortestArcAcrossTheLeftEdge)
{
    // From just above the left edge to just below it, the needle passes through 180 degrees.
    NonlinearityEntry t[] = {{0, 90, 0.0, 0}, {0, 110, 10.0, 0}};
    EXPECT_NEAR(std::abs(degrees(aim_needle(t, 2, 100, 100, 5.0).angle)), 180.0, 1e-9);
}

// ---------------------------------------------------------------------------------------------
// Mouse lists

TEST(MouseList, NestedGroupsPlaceChildrenInTheirParentsBox)
{
    MouseRect list[] = {
        {.type = mouse_rect_parent},
        {.type = mouse_rect_child, .x = 0, .y = 0, .width = 50, .height = 50, .mouse_flags = MOUSE_LEFTSINGLE, .event_id = 1},
        {.type = mouse_rect_parent, .x = 100, .y = 100, .width = 80, .height = 80},
        {.type = mouse_rect_child, .x = 10, .y = 10, .width = 20, .height = 20, .mouse_flags = MOUSE_LEFTSINGLE, .event_id = 2},
        {.type = mouse_rect_parent, .x = 40, .y = 40, .width = 30, .height = 30, .event_id = 4},
        {.type = mouse_rect_child, .x = 0, .y = 0, .width = 10, .height = 10, .mouse_flags = MOUSE_LEFTSINGLE, .event_id = 3},
        {.type = mouse_rect_end_parent},
        {.type = mouse_rect_end_parent},
        {.type = mouse_rect_end_parent},
        {.type = mouse_rect_end},
    };
    MouseMap map = MouseMap::read(list, 200, 200);
    auto event_at = [&](int x, int y) -> int {
        const MouseArea* a = map.hit(x, y);
        return a ? static_cast<int>(a->rect->event_id) : 0;
    };
    EXPECT_EQ(event_at(5, 5), 1);
    EXPECT_EQ(event_at(115, 115), 2);    // child at 10,10 inside the box at 100,100
    EXPECT_EQ(event_at(15, 15), 1);      // not the relative child
    EXPECT_EQ(event_at(145, 145), 3);    // two levels deep: 100+40+0
    EXPECT_EQ(event_at(165, 165), 4);    // inside the inner group, outside its child: the group acts
    EXPECT_EQ(event_at(190, 190), 0);    // inside the outer box, nothing acts there
    EXPECT_EQ(map.at_index(5)->box.x, 140);
    EXPECT_EQ(map.at_index(5)->depth, 3);
}

TEST(MouseList, FirstChildInListOrderWinsWhenRectanglesOverlap)
{
    MouseRect list[] = {
        {.type = mouse_rect_parent},
        {.type = mouse_rect_child, .x = 0, .y = 0, .width = 50, .height = 50, .mouse_flags = MOUSE_LEFTSINGLE, .event_id = 7},
        {.type = mouse_rect_child, .x = 0, .y = 0, .width = 100, .height = 100, .mouse_flags = MOUSE_LEFTSINGLE, .event_id = 8},
        {.type = mouse_rect_end_parent},
        {.type = mouse_rect_end},
    };
    MouseMap map = MouseMap::read(list, 100, 100);
    EXPECT_EQ(map.hit(10, 10)->rect->event_id, 7u);
    EXPECT_EQ(map.hit(70, 70)->rect->event_id, 8u);
}

TEST(MouseList, UnbalancedGroupsAreReportedNotGuessed)
{
    MouseRect open[] = {{.type = mouse_rect_parent}, {.type = mouse_rect_end}};
    EXPECT_THROW(MouseMap::read(open, 10, 10), HostError);
    MouseRect closed[] = {{.type = mouse_rect_end_parent}, {.type = mouse_rect_end}};
    EXPECT_THROW(MouseMap::read(closed, 10, 10), HostError);
    MouseRect unknown[] = {{.type = static_cast<MouseRectType>(9)}, {.type = mouse_rect_end}};
    EXPECT_THROW(MouseMap::read(unknown, 10, 10), HostError);
    EXPECT_TRUE(MouseMap::read(nullptr, 10, 10).areas().empty());
}

// ---------------------------------------------------------------------------------------------
// Tooltip texts

TEST(TooltipText, InsertsTakeTheirConversionAndCodePageBytesBecomeUtf8)
{
    EXPECT_EQ(format_tooltip("Communications Radio COM1 - %1!07.3f! MHz", {123.45}),
              "Communications Radio COM1 - 123.450 MHz");
    EXPECT_EQ(format_tooltip("Propeller torque (%1!d! ft-lbs left - %2!d! ft-lbs right)", {1500.7, 1499.2}),
              "Propeller torque (1500 ft-lbs left - 1499 ft-lbs right)");
    EXPECT_EQ(format_tooltip("Heading Bug Adjust Knob (%1!d!\xB0)", {270}), "Heading Bug Adjust Knob (270\xC2\xB0)");
    EXPECT_EQ(format_tooltip("Second %2!d! first %1!d!", {1, 2}), "Second 2 first 1");
    EXPECT_EQ(format_tooltip("no inserts 100%", {}), "no inserts 100%");
    EXPECT_EQ(format_tooltip("missing %3!d!", {1}), "missing 0");
    // Length modifiers and positional tricks never reach the C formatter.
    EXPECT_EQ(format_tooltip("%1!lld!", {42}), "42");
    EXPECT_EQ(format_tooltip("%1!5$d!", {42}), "   42");
    EXPECT_EQ(format_tooltip("%1!n!", {42}), "42");
    EXPECT_EQ(format_tooltip("unclosed %1!d", {42}), "unclosed %1!d");
    // Values an int cannot hold are held at its ends rather than converted out of range.
    EXPECT_EQ(format_tooltip("%1!d! %2!d! %3!d!", {1e12, -1e12, std::nan("")}), "2147483647 -2147483648 0");
}

TEST(ModuleLoading, BadPathIsAOneLineError)
{
    const std::string error = host_error_of([] { Module::load("/nonexistent/Thing.so"); });
    EXPECT_NE(error.find("/nonexistent/Thing.so"), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
}

// ---------------------------------------------------------------------------------------------
// Scenario scripts

std::string parse_error(const std::string& text)
{
    return host_error_of([&] { parse_scenario(text, "s.scn"); });
}

TEST(ScenarioParsing, BadLinesAreNamedWithTheirLineNumber)
{
    EXPECT_EQ(parse_error("module Tolvane\nfly away\n"), "s.scn:2: unknown command 'fly'");
    EXPECT_EQ(parse_error("set 0x4G 1\n"), "s.scn:1: bad token '0x4G'");
    EXPECT_EQ(parse_error("set 0x43 lots\n"), "s.scn:1: bad value 'lots'");
    EXPECT_EQ(parse_error("# c\n\nframes 2 at -1\n"), "s.scn:3: 'frames' expects 'at HZ' with a positive rate");
    EXPECT_EQ(parse_error("frames 1.5\n"), "s.scn:1: 'frames' expects a whole number of frames");
    EXPECT_EQ(parse_error("click G 1 middle\n"), "s.scn:1: button must be left or right, not 'middle'");
    EXPECT_EQ(parse_error("expect element G 1 purple\n"),
              "s.scn:1: 'expect element' takes LABEL INDEX hidden|shown|frame N|value V|text T");
    EXPECT_EQ(parse_error("gauge X params \"unterminated\n"), "s.scn:1: unterminated quoted text");
    EXPECT_EQ(parse_error("expect window 3 ajar\n"), "s.scn:1: 'expect window' takes ID open|closed");
    EXPECT_EQ(parse_error("set 0x43 1 # comment\nexpect token 0x43 1\n"), "");
}

TEST(ScenarioRunning, FailedExpectationsAreCountedAndMissingThingsStopTheRun)
{
    ScenarioOptions o;
    o.module_dir = GAUGE_MODULE_DIR;
    std::ostringstream out;
    auto r = run_scenario(parse_scenario("module Tolvane\ngauge Tolvane\nset 0x43 1\nframes 1\n"
                                         "expect element Tolvane 1 hidden\nexpect token 0x43 1\n",
                                         "s.scn"),
                          out, o);
    EXPECT_EQ(r.failures, 1);
    EXPECT_NE(out.str().find("FAIL s.scn:5: element Tolvane[1] is shown, expected hidden"), std::string::npos)
        << out.str();

    std::ostringstream out2;
    EXPECT_THROW(run_scenario(parse_scenario("module Tolvane\ngauge Tolvanee\n", "s.scn"), out2, o), HostError);
    EXPECT_THROW(run_scenario(parse_scenario("module Nowhere\n", "s.scn"), out2, o), HostError);
    EXPECT_THROW(run_scenario(parse_scenario("click Tolvane 0\n", "s.scn"), out2, o), HostError);
}

}  // namespace

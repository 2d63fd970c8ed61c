// The water bomber's navigation instruments (DME, RMI, HSI) driven through the host, on both builds,
// with the host systems behind their knobs: the DME's window texts come from the C runtime's
// formatter of each build, and the knobs take the mouse flags through the host's calling convention.
#pragma once

#include <cmath>
#include <limits>

#include "tests/common/panel_fixture.h"

namespace norvak_nav_cases {

using namespace panel_fixture;
using host::Token;

struct Nav : NorvakPanel {
    // Engine_On switches every avionics head on when it connects.
    void   power_avionics() { gauge("Engine_On"); }
    void   set(Token t, double v) { host.sim().set(t, v); }
    const host::ElementState& element(host::Gauge& g, int i) { return g.elements().at(i); }
    double value(host::Gauge& g, int i, int axis = 0) { return g.elements().at(i).value[axis]; }
};

// ---------------------------------------------------------------------------------------------
// Collins_DME42A: 0 face, 1 time, 2 speed, 3 distance, 4 source knob, 5 mode knob, 6 test lamp.
// Rectangles: 7 mode down, 8 mode up, 9 source, 10 TEST.

struct Dme : Nav {
    host::Gauge& dme = gauge("Collins_DME42A");
    void SetUp() override { frame(); }   // the test lamp's first update clears the lamp that is set at load
    std::string text(int i) { return element(dme, i).text; }
    bool        hidden(int i) { return element(dme, i).hidden; }
};

TEST_F(Dme, WindowsFormatEachReadingToFitTheirCharacters)
{
    power_avionics();
    click(dme, 8);   // MIN
    struct Case { double v; const char* distance; const char* time; };
    for (Case c : {Case{123.4, " 123", "++ MIN"}, {12.34, "12.3", "12 MIN"}, {1.5, " 1.5", " 2 MIN"},
                   {-1, "----", "---MIN"}, {0, " 0.0", " 0 MIN"}, {99.4, "99.4", "99 MIN"},
                   {99.96, " 100", "++ MIN"}, {9.97, "10.0", "10 MIN"}, {999.4, " 999", "++ MIN"},
                   {1e7, "----", "++ MIN"}, {std::numeric_limits<double>::quiet_NaN(), "----", "---MIN"}}) {
        set(token::dme_distance, c.v);
        set(token::dme_time, c.v);
        frame();
        EXPECT_EQ(text(3), c.distance) << c.v;
        EXPECT_EQ(text(1), c.time) << c.v;
        EXPECT_FALSE(hidden(3));
        EXPECT_FALSE(hidden(1));
        EXPECT_TRUE(hidden(2));   // speed belongs to KTS
    }
    click(dme, 8);   // KTS
    struct Speed { double v; const char* text; };
    for (Speed c : {Speed{250, "250 KT"}, {12, " 12 KT"}, {9, " 9 KT"}, {-3, "----KT"}, {99.7, "100 KT"},
                    {9.6, " 10 KT"}, {999.4, "999 KT"}, {1200, "----KT"}}) {
        set(token::dme_speed, c.v);
        frame();
        EXPECT_EQ(text(2), c.text) << c.v;
        EXPECT_FALSE(hidden(2));
        EXPECT_TRUE(hidden(1));
    }
}

TEST_F(Dme, ModeKnobStepsBetweenItsEndsAndClicksOnlyWhenItMoves)
{
    auto mode = [&] { return element(dme, 5).frame; };
    EXPECT_EQ(click(dme, 7), Events{});
    EXPECT_TRUE(played(0));
    struct Step { int mode; size_t sounds; };
    for (Step s : {Step{1, 1}, {2, 1}, {2, 0}}) {   // the last press finds it at KTS already
        click(dme, 8);
        EXPECT_TRUE(played(s.sounds));
        frame();
        EXPECT_EQ(mode(), s.mode);
    }
    click(dme, 7);
    EXPECT_TRUE(played(1));
    click(dme, 7);
    frame();
    EXPECT_EQ(mode(), 0);
    for (int i : {1, 2, 3})
        EXPECT_TRUE(hidden(i)) << i;   // OFF darkens every window
}

TEST_F(Dme, TestShowsPatternsForEighteenLampUpdatesEvenWithTheReceiverOff)
{
    // Unpowered: source 1 with NAV1 off keeps the windows dark outside a test.
    click(dme, 10);   // at OFF nothing happens
    EXPECT_TRUE(played(0));
    frame();
    EXPECT_EQ(element(dme, 6).frame, -1);

    click(dme, 8);
    frame();
    EXPECT_TRUE(hidden(3));
    click(dme, 10);
    EXPECT_TRUE(played(1));
    int lit = 0, patterns = 0;
    for (int i = 0; i < 25; ++i) {
        frame();
        lit += element(dme, 6).frame == 0;
        if (!hidden(3) && text(3) == "TEST" && text(1) == "888888" && text(2) == "888888" && !hidden(1) && !hidden(2))
            ++patterns;
    }
    EXPECT_EQ(lit, 18);
    EXPECT_EQ(patterns, 18);   // one update behind the lamp, which counts after the windows
    EXPECT_TRUE(hidden(3));

    // A press during a test starts the count again.
    click(dme, 10);
    for (int i = 0; i < 10; ++i)
        frame();
    click(dme, 10);
    lit = 0;
    for (int i = 0; i < 25; ++i) {
        frame();
        lit += element(dme, 6).frame == 0;
    }
    EXPECT_EQ(lit, 18);
}

TEST_F(Dme, SourceKnobAsksTheHostForTheOtherReceiverWhateverTheMode)
{
    power_avionics();
    EXPECT_EQ(click(dme, 9), one(event::dme_source_toggle));
    EXPECT_TRUE(played(1));
    frame();
    EXPECT_EQ(element(dme, 4).frame, 1);
    click(dme, 9);
    frame();
    EXPECT_EQ(element(dme, 4).frame, 0);

    // A source the host does not know draws no knob and counts as powered.
    host.sim().set_integer(token::dme_source, 0);
    click(dme, 8);
    set(token::dme_distance, 5);
    frame();
    EXPECT_EQ(value(dme, 4), 4294967295.0);
    EXPECT_EQ(text(3), " 5.0");
    EXPECT_FALSE(hidden(3));
}

TEST_F(Dme, TheWindowsStayDarkUntilTheSelectedReceiverIsPowered)
{
    click(dme, 8);
    set(token::dme_distance, 42);
    frame();
    EXPECT_TRUE(hidden(3));
    power_avionics();
    frame();
    EXPECT_FALSE(hidden(3));
    EXPECT_EQ(text(3), "42.0");
}

// ---------------------------------------------------------------------------------------------
// Collins_RMI36: 1 card, 2 needle 460 (VOR2 / ADF), 3 needle 470 (VOR1 / ADF), 5 and 6 selectors.
// Rectangles: 1 left selector, 2 right selector.

struct Rmi : Nav {
    host::Gauge& rmi = gauge("Collins_RMI36");
    void         SetUp() override
    {
        set(token::vor1_bearing, 45);
        set(token::vor2_bearing, 200);
        set(token::adf_bearing, 310);
        set(token::heading, 123);
    }
    double left() { return value(rmi, 3); }
    double right() { return value(rmi, 2); }
};

TEST_F(Rmi, NeedlesParkWhileTheirReceiverIsOffOrTunedToALocalizer)
{
    frame();
    EXPECT_EQ(left(), 90.0);
    EXPECT_EQ(right(), 90.0);
    EXPECT_EQ(value(rmi, 1, 2), 123.0);   // the card turns whatever the receivers do

    power_avionics();
    frame();
    EXPECT_EQ(left(), 45.0);
    EXPECT_EQ(right(), 200.0);
    host.sim().set_integer(token::vor1_station_flags, station_flag::localizer);
    frame();
    EXPECT_EQ(left(), 90.0);
    EXPECT_EQ(right(), 200.0);   // each needle tests its own receiver
    host.sim().set_integer(token::vor1_station_flags, station_flag::localizer - 1);
    host.sim().set_integer(token::vor2_station_flags, station_flag::localizer + 1);
    frame();
    EXPECT_EQ(left(), 45.0);
    EXPECT_EQ(right(), 90.0);
}

TEST_F(Rmi, ASelectorSwitchesItsNeedleToTheAdfFromTheUpdateAfterNext)
{
    power_avionics();
    host.sim().set_integer(token::vor1_station_flags, station_flag::localizer);   // a localizer on VOR1 does not matter to the ADF
    frame();
    EXPECT_EQ(click(rmi, 1), Events{});
    EXPECT_TRUE(played(1));
    frame();
    EXPECT_EQ(left(), 45.0);    // the value fetched for the VOR1 token
    EXPECT_EQ(element(rmi, 5).frame, 1);
    frame();
    EXPECT_EQ(left(), 310.0);
    EXPECT_EQ(right(), 200.0);

    click(rmi, 2);
    EXPECT_TRUE(played(1));
    frame();
    frame();
    EXPECT_EQ(right(), 310.0);
    click(rmi, 1);
    frame();
    frame();
    EXPECT_EQ(left(), 90.0);    // back on VOR1, still a localizer
    EXPECT_EQ(element(rmi, 5).frame, 0);
}

TEST_F(Rmi, AnAdfNeedleParksWhileTheAdfIsOff)
{
    click(rmi, 2);
    frame();
    frame();
    EXPECT_EQ(right(), 90.0);
    power_avionics();
    frame();
    EXPECT_EQ(right(), 310.0);
}

// ---------------------------------------------------------------------------------------------
// Collins_HSI70: 1 card, 2 bug, 3 course, 4 TO/FROM, 5 deviation bar, 6 glideslope pointer,
// 7 GS flag, 8 HEADING flag. Rectangles: 9 bug down, 10 bug up, 11 course down, 12 course up.

struct Hsi : Nav {
    host::Gauge& hsi = gauge("Collins_HSI70");
    void         SetUp() override
    {
        set(token::nav_signal_strength, 50);   // a usable signal
        set(token::nav_gps, 0);
    }
    bool hidden(int i) { return element(hsi, i).hidden; }
    int  flag(int i) { return element(hsi, i).frame; }
};

TEST_F(Hsi, PointersTurnRelativeToTheHeadingAndTheArrowFollowsToFrom)
{
    power_avionics();
    set(token::heading, 350);
    set(token::heading_bug, 10);
    set(token::course, 90);
    frame();
    EXPECT_EQ(value(hsi, 2), -340.0);
    EXPECT_EQ(value(hsi, 3), -260.0);
    EXPECT_EQ(value(hsi, 5, 2), -260.0);   // the bar turns with the course too

    set(token::heading, 80);
    struct Case { double to_from, angle; bool hidden; };
    for (Case c : {Case{-1.0, 190.0, false}, {1.0, 10.0, false}, {0.0, 10.0, true}, {0.5, 10.0, false}}) {
        set(token::to_from, c.to_from);
        frame();
        EXPECT_EQ(value(hsi, 4), c.angle) << c.to_from;
        EXPECT_EQ(hidden(4), c.hidden) << c.to_from;
    }
    set(token::nav_signal_strength, 9.9);   // too weak: hidden, and no angle at all
    frame();
    EXPECT_EQ(value(hsi, 4), 0.0);
    EXPECT_TRUE(hidden(4));
    set(token::nav_signal_strength, 50);
    host.sim().set_integer(token::nav_signal_flagged, 1);
    frame();
    EXPECT_TRUE(hidden(4));
}

TEST_F(Hsi, WithoutNav1PowerTheBarCentresAndPointersHideButTheGsFlagKeepsItsRules)
{
    set(token::to_from, 1);
    set(token::lateral_deviation, 0.6);
    set(token::glideslope_valid, 1);
    set(token::glideslope_deviation, 0.4);
    frame();
    EXPECT_EQ(value(hsi, 5, 0), 0.0);
    EXPECT_TRUE(hidden(4));
    EXPECT_TRUE(hidden(6));
    EXPECT_EQ(flag(7), -1);   // valid glideslope: flag out of view even unpowered
    power_avionics();
    frame();
    EXPECT_EQ(value(hsi, 5, 0), 0.6);
    EXPECT_FALSE(hidden(4));
    EXPECT_FALSE(hidden(6));
    EXPECT_EQ(value(hsi, 6, 1), 0.4);
    set(token::glideslope_valid, 0);
    frame();
    EXPECT_TRUE(hidden(6));
    EXPECT_EQ(flag(7), 0);
}

TEST_F(Hsi, GsAndHeadingFlagsComeIntoViewOnTheHostsWarnings)
{
    set(token::glideslope_valid, 1);
    frame();
    EXPECT_EQ(flag(7), -1);
    EXPECT_EQ(flag(8), -1);
    set(token::nav_signal_strength, 9.9);   // weak signal counts only in NAV mode
    frame();
    EXPECT_EQ(flag(7), 0);
    set(token::nav_gps, 1);
    frame();
    EXPECT_EQ(flag(7), -1);
    host.sim().set_integer(token::heading_flag, 1);
    frame();
    EXPECT_EQ(flag(8), 0);
    EXPECT_EQ(flag(7), -1);
    host.sim().set_integer(token::heading_flag, 0);
    host.sim().set_integer(token::nav_receiver_failed, 1);   // both flags
    frame();
    EXPECT_EQ(flag(7), 0);
    EXPECT_EQ(flag(8), 0);
}

TEST_F(Hsi, KnobsSendTheNextBugAndCourseWrappingThroughNorth)
{
    struct Case { Token token; double start; int rect; uint32_t button; uint32_t event, sent; };
    for (Case c : {Case{token::heading_bug, 0, 9, left, event::heading_bug_set, 359},
                   {token::heading_bug, 5, 9, right, event::heading_bug_set, 355},
                   {token::heading_bug, 355, 10, right, event::heading_bug_set, 5},
                   {token::heading_bug, 359.7, 10, left, event::heading_bug_set, 0},
                   {token::heading_bug, 349, 10, right, event::heading_bug_set, 359},
                   {token::heading_bug, 10, 9, both_buttons, event::heading_bug_set, 9},
                   {token::course, 10, 11, right, event::course_set, 0},
                   {token::course_knob, 358.2, 12, left, event::course_set, 359}}) {
        set(c.token, c.start);
        EXPECT_EQ(click(hsi, c.rect, c.button), one(c.event, c.sent)) << c.token << " " << c.start;
    }
    // The host takes the new bug: the next step starts from it.
    set(token::heading_bug, 5);
    click(hsi, 9, right);
    EXPECT_EQ(click(hsi, 10, left), one(event::heading_bug_set, 356));
    // Course up starts from the knob picture's token, not from the course.
    set(token::course, 100);
    set(token::course_knob, 40);
    EXPECT_EQ(click(hsi, 12), one(event::course_set, 41));
    EXPECT_EQ(host.sim().number(token::course), 41.0);   // the host takes the new course
    EXPECT_EQ(host.sim().number(token::course_knob), 41.0);
    EXPECT_EQ(click(hsi, 9, MOUSE_REPEAT), Events{});   // a click with neither button does nothing
}

// The module stores the degree sign in code page 1252; the host shows it in UTF-8.
TEST_F(Hsi, HeadingBugTooltipShowsTheBugInWholeDegrees)
{
    set(token::heading_bug, 123.6);
    EXPECT_EQ(hsi.tooltip_at(30, 250), "Heading Bug Adjust Knob (123\xC2\xB0)");
    EXPECT_EQ(hsi.tooltip_at(150, 100), "host help topic 0x3094");
}

}  // namespace norvak_nav_cases

// The water bomber's navigation instruments: DME, RMI, HSI and ADI driven through the host, with
// the host systems behind their knobs.
#include <gtest/gtest.h>

#include <standin_control.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "module_paths.h"

using namespace host;

namespace {

using Events = std::vector<std::pair<uint32_t, uint32_t>>;

struct Nav : ::testing::Test {
    SimulatedPanel host;
    Module&   norvak = host.load_module(module_path("Norvak_Instr"));

    void SetUp() override { standin::reset_sound(); }
    void TearDown() override { standin::reset_sound(); }

    Gauge& gauge(const std::string& name)
    {
        Gauge& g = host.add_gauge(norvak, name);
        g.connect();
        return g;
    }
    // Engine_On switches every avionics head on when it connects.
    void power_avionics() { gauge("Engine_On"); }
    // Clicks a rectangle; returns the events it sent and counts the sounds it played.
    Events click(Gauge& g, int rect, uint32_t button = MOUSE_LEFTSINGLE, size_t* sounds = nullptr)
    {
        size_t      events_before = host.sim().events().size();
        size_t      sounds_before = standin::played_sounds().size();
        ClickResult r             = g.click_rect(rect, button);
        EXPECT_TRUE(r.accepted) << g.name() << " rect " << rect << ": " << r.action;
        if (sounds)
            *sounds = standin::played_sounds().size() - sounds_before;
        Events      out;
        const auto& all = host.sim().events();
        for (size_t i = events_before; i < all.size(); ++i)
            out.emplace_back(all[i].id, all[i].value);
        return out;
    }
    void   frame() { host.frame(0.05); }
    void   set(Token t, double v) { host.sim().set(t, v); }
    const ElementState& element(Gauge& g, int i) { return g.elements().at(i); }
    double value(Gauge& g, int i, int axis = 0) { return g.elements().at(i).value[axis]; }
};

// ---------------------------------------------------------------------------------------------
// Collins_DME42A: 0 face, 1 time, 2 speed, 3 distance, 4 source knob, 5 mode knob, 6 test lamp.
// Rectangles: 7 mode down, 8 mode up, 9 source, 10 TEST.

struct Dme : Nav {
    Gauge* dme = nullptr;
    void   SetUp() override
    {
        Nav::SetUp();
        dme = &gauge("Collins_DME42A");
        frame();   // the test lamp's first update clears the lamp that is set at load
    }
    std::string text(int i) { return element(*dme, i).text; }
    bool        hidden(int i) { return element(*dme, i).hidden; }
};

TEST_F(Dme, WindowsFormatEachReadingToFitTheirCharacters)
{
    power_avionics();
    click(*dme, 8);   // MIN
    struct Case { double v; const char* distance; const char* time; };
    for (Case c : {Case{123.4, " 123", "++ MIN"}, {12.34, "12.3", "12 MIN"}, {1.5, " 1.5", " 2 MIN"},
                   {-1, "----", "---MIN"}, {0, " 0.0", " 0 MIN"}, {99.4, "99.4", "99 MIN"},
                   {99.96, " 100", "++ MIN"}, {9.97, "10.0", "10 MIN"}, {999.4, " 999", "++ MIN"},
                   {1e7, "----", "++ MIN"}, {std::numeric_limits<double>::quiet_NaN(), "----", "---MIN"}}) {
        set(0x174, c.v);
        set(0x176, c.v);
        frame();
        EXPECT_EQ(text(3), c.distance) << c.v;
        EXPECT_EQ(text(1), c.time) << c.v;
        EXPECT_FALSE(hidden(3));
        EXPECT_FALSE(hidden(1));
        EXPECT_TRUE(hidden(2));   // speed belongs to KTS
    }
    click(*dme, 8);   // KTS
    struct Speed { double v; const char* text; };
    for (Speed c : {Speed{250, "250 KT"}, {12, " 12 KT"}, {9, " 9 KT"}, {-3, "----KT"}, {99.7, "100 KT"},
                    {9.6, " 10 KT"}, {999.4, "999 KT"}, {1200, "----KT"}}) {
        set(0x175, c.v);
        frame();
        EXPECT_EQ(text(2), c.text) << c.v;
        EXPECT_FALSE(hidden(2));
        EXPECT_TRUE(hidden(1));
    }
}

TEST_F(Dme, ModeKnobStepsBetweenItsEndsAndClicksOnlyWhenItMoves)
{
    size_t sounds = 0;
    auto   mode   = [&] { return element(*dme, 5).frame; };
    EXPECT_EQ(click(*dme, 7, MOUSE_LEFTSINGLE, &sounds), Events{});
    EXPECT_EQ(sounds, 0u);
    struct Step { int mode; size_t sounds; };
    for (Step s : {Step{1, 1}, {2, 1}, {2, 0}}) {   // the last press finds it at KTS already
        click(*dme, 8, MOUSE_LEFTSINGLE, &sounds);
        frame();
        EXPECT_EQ(mode(), s.mode);
        EXPECT_EQ(sounds, s.sounds);
    }
    click(*dme, 7, MOUSE_LEFTSINGLE, &sounds);
    EXPECT_EQ(sounds, 1u);
    click(*dme, 7);
    frame();
    EXPECT_EQ(mode(), 0);
    for (int i : {1, 2, 3})
        EXPECT_TRUE(hidden(i)) << i;   // OFF darkens every window
}

TEST_F(Dme, TestShowsPatternsForEighteenLampUpdatesEvenWithTheReceiverOff)
{
    // Unpowered: source 1 with NAV1 off keeps the windows dark outside a test.
    size_t sounds = 0;
    click(*dme, 10, MOUSE_LEFTSINGLE, &sounds);   // at OFF nothing happens
    EXPECT_EQ(sounds, 0u);
    frame();
    EXPECT_EQ(element(*dme, 6).frame, -1);

    click(*dme, 8);
    frame();
    EXPECT_TRUE(hidden(3));
    click(*dme, 10, MOUSE_LEFTSINGLE, &sounds);
    EXPECT_EQ(sounds, 1u);
    int lit = 0, patterns = 0;
    for (int i = 0; i < 25; ++i) {
        frame();
        lit += element(*dme, 6).frame == 0;
        if (!hidden(3) && text(3) == "TEST" && text(1) == "888888" && text(2) == "888888" && !hidden(1) && !hidden(2))
            ++patterns;
    }
    EXPECT_EQ(lit, 18);
    EXPECT_EQ(patterns, 18);   // one update behind the lamp, which counts after the windows
    EXPECT_TRUE(hidden(3));

    // A press during a test starts the count again.
    click(*dme, 10);
    for (int i = 0; i < 10; ++i)
        frame();
    click(*dme, 10);
    lit = 0;
    for (int i = 0; i < 25; ++i) {
        frame();
        lit += element(*dme, 6).frame == 0;
    }
    EXPECT_EQ(lit, 18);
}

TEST_F(Dme, SourceKnobAsksTheHostForTheOtherReceiverWhateverTheMode)
{
    power_avionics();
    size_t sounds = 0;
    EXPECT_EQ(click(*dme, 9, MOUSE_LEFTSINGLE, &sounds), (Events{{0x102EE, 0}}));
    EXPECT_EQ(sounds, 1u);
    frame();
    EXPECT_EQ(element(*dme, 4).frame, 1);
    click(*dme, 9);
    frame();
    EXPECT_EQ(element(*dme, 4).frame, 0);

    // A source the host does not know draws no knob and counts as powered.
    host.sim().set_integer(0x163, 0);
    click(*dme, 8);
    set(0x174, 5);
    frame();
    EXPECT_EQ(value(*dme, 4), 4294967295.0);
    EXPECT_EQ(text(3), " 5.0");
    EXPECT_FALSE(hidden(3));
}

TEST_F(Dme, TheWindowsStayDarkUntilTheSelectedReceiverIsPowered)
{
    click(*dme, 8);
    set(0x174, 42);
    frame();
    EXPECT_TRUE(hidden(3));
    power_avionics();
    frame();
    EXPECT_FALSE(hidden(3));
    EXPECT_EQ(text(3), "42.0");
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Collins_RMI36: 1 card, 2 needle 460 (VOR2 / ADF), 3 needle 470 (VOR1 / ADF), 5 and 6 selectors.
// Rectangles: 1 left selector, 2 right selector.

namespace {

struct Rmi : Nav {
    Gauge* rmi = nullptr;
    void   SetUp() override
    {
        Nav::SetUp();
        rmi = &gauge("Collins_RMI36");
        set(0x226, 45);    // VOR1
        set(0x3B, 200);    // VOR2
        set(0x27, 310);    // ADF
        set(0x54, 123);    // heading
    }
    double left() { return value(*rmi, 3); }
    double right() { return value(*rmi, 2); }
};

TEST_F(Rmi, NeedlesParkWhileTheirReceiverIsOffOrTunedToALocalizer)
{
    frame();
    EXPECT_EQ(left(), 90.0);
    EXPECT_EQ(right(), 90.0);
    EXPECT_EQ(value(*rmi, 1, 2), 123.0);   // the card turns whatever the receivers do

    power_avionics();
    frame();
    EXPECT_EQ(left(), 45.0);
    EXPECT_EQ(right(), 200.0);
    host.sim().set_integer(0x2E, 0x80);
    frame();
    EXPECT_EQ(left(), 90.0);
    EXPECT_EQ(right(), 200.0);   // each needle tests its own receiver
    host.sim().set_integer(0x2E, 0x7F);
    host.sim().set_integer(0x37, 0x81);
    frame();
    EXPECT_EQ(left(), 45.0);
    EXPECT_EQ(right(), 90.0);
}

TEST_F(Rmi, ASelectorSwitchesItsNeedleToTheAdfFromTheUpdateAfterNext)
{
    power_avionics();
    host.sim().set_integer(0x2E, 0x80);   // a localizer on VOR1 does not matter to the ADF
    frame();
    size_t sounds = 0;
    EXPECT_EQ(click(*rmi, 1, MOUSE_LEFTSINGLE, &sounds), Events{});
    EXPECT_EQ(sounds, 1u);
    frame();
    EXPECT_EQ(left(), 45.0);    // the value fetched for the VOR1 token
    EXPECT_EQ(element(*rmi, 5).frame, 1);
    frame();
    EXPECT_EQ(left(), 310.0);
    EXPECT_EQ(right(), 200.0);

    click(*rmi, 2, MOUSE_LEFTSINGLE, &sounds);
    EXPECT_EQ(sounds, 1u);
    frame();
    frame();
    EXPECT_EQ(right(), 310.0);
    click(*rmi, 1);
    frame();
    frame();
    EXPECT_EQ(left(), 90.0);    // back on VOR1, still a localizer
    EXPECT_EQ(element(*rmi, 5).frame, 0);
}

TEST_F(Rmi, AnAdfNeedleParksWhileTheAdfIsOff)
{
    click(*rmi, 2);
    frame();
    frame();
    EXPECT_EQ(right(), 90.0);
    power_avionics();
    frame();
    EXPECT_EQ(right(), 310.0);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Collins_HSI70: 1 card, 2 bug, 3 course, 4 TO/FROM, 5 deviation bar, 6 glideslope pointer,
// 7 GS flag, 8 HEADING flag. Rectangles: 9 bug down, 10 bug up, 11 course down, 12 course up.

namespace {

struct Hsi : Nav {
    Gauge* hsi = nullptr;
    void   SetUp() override
    {
        Nav::SetUp();
        hsi = &gauge("Collins_HSI70");
        set(0x2F3, 50);   // a usable signal
        set(0x350, 0);
    }
    bool hidden(int i) { return element(*hsi, i).hidden; }
    int  flag(int i) { return element(*hsi, i).frame; }
};

TEST_F(Hsi, PointersTurnRelativeToTheHeadingAndTheArrowFollowsToFrom)
{
    power_avionics();
    set(0x54, 350);
    set(0x357, 10);
    set(0x356, 90);
    frame();
    EXPECT_EQ(value(*hsi, 2), -340.0);
    EXPECT_EQ(value(*hsi, 3), -260.0);
    EXPECT_EQ(value(*hsi, 5, 2), -260.0);   // the bar turns with the course too

    set(0x54, 80);
    struct Case { double to_from, angle; bool hidden; };
    for (Case c : {Case{-1.0, 190.0, false}, {1.0, 10.0, false}, {0.0, 10.0, true}, {0.5, 10.0, false}}) {
        set(0x355, c.to_from);
        frame();
        EXPECT_EQ(value(*hsi, 4), c.angle) << c.to_from;
        EXPECT_EQ(hidden(4), c.hidden) << c.to_from;
    }
    set(0x2F3, 9.9);   // too weak: hidden, and no angle at all
    frame();
    EXPECT_EQ(value(*hsi, 4), 0.0);
    EXPECT_TRUE(hidden(4));
    set(0x2F3, 50);
    host.sim().set_integer(0x11D, 1);
    frame();
    EXPECT_TRUE(hidden(4));
}

TEST_F(Hsi, WithoutNav1PowerTheBarCentresAndPointersHideButTheGsFlagKeepsItsRules)
{
    set(0x355, 1);
    set(0x351, 0.6);
    set(0x354, 1);
    set(0x352, 0.4);
    frame();
    EXPECT_EQ(value(*hsi, 5, 0), 0.0);
    EXPECT_TRUE(hidden(4));
    EXPECT_TRUE(hidden(6));
    EXPECT_EQ(flag(7), -1);   // valid glideslope: flag out of view even unpowered
    power_avionics();
    frame();
    EXPECT_EQ(value(*hsi, 5, 0), 0.6);
    EXPECT_FALSE(hidden(4));
    EXPECT_FALSE(hidden(6));
    EXPECT_EQ(value(*hsi, 6, 1), 0.4);
    set(0x354, 0);
    frame();
    EXPECT_TRUE(hidden(6));
    EXPECT_EQ(flag(7), 0);
}

TEST_F(Hsi, GsAndHeadingFlagsComeIntoViewOnTheHostsWarnings)
{
    set(0x354, 1);
    frame();
    EXPECT_EQ(flag(7), -1);
    EXPECT_EQ(flag(8), -1);
    set(0x2F3, 9.9);   // weak signal counts only in NAV mode (0x350 = 0)
    frame();
    EXPECT_EQ(flag(7), 0);
    set(0x350, 1);
    frame();
    EXPECT_EQ(flag(7), -1);
    host.sim().set_integer(0x11A, 1);
    frame();
    EXPECT_EQ(flag(8), 0);
    EXPECT_EQ(flag(7), -1);
    host.sim().set_integer(0x11A, 0);
    host.sim().set_integer(0x117, 1);   // both flags
    frame();
    EXPECT_EQ(flag(7), 0);
    EXPECT_EQ(flag(8), 0);
}

TEST_F(Hsi, KnobsSendTheNextBugAndCourseWrappingThroughNorth)
{
    struct Case { Token token; double start; int rect; uint32_t button; uint32_t event, sent; };
    const uint32_t both = MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE;
    for (Case c : {Case{0x357, 0, 9, MOUSE_LEFTSINGLE, 0x101FA, 359}, {0x357, 5, 9, MOUSE_RIGHTSINGLE, 0x101FA, 355},
                   {0x357, 355, 10, MOUSE_RIGHTSINGLE, 0x101FA, 5}, {0x357, 359.7, 10, MOUSE_LEFTSINGLE, 0x101FA, 0},
                   {0x357, 349, 10, MOUSE_RIGHTSINGLE, 0x101FA, 359}, {0x357, 10, 9, both, 0x101FA, 9},
                   {0x356, 10, 11, MOUSE_RIGHTSINGLE, 0x100B4, 0}, {0x2D, 358.2, 12, MOUSE_LEFTSINGLE, 0x100B4, 359}}) {
        set(c.token, c.start);
        EXPECT_EQ(click(*hsi, c.rect, c.button), (Events{{c.event, c.sent}})) << c.token << " " << c.start;
    }
    // Course up starts from the knob picture's token, not from the course.
    set(0x356, 100);
    set(0x2D, 40);
    EXPECT_EQ(click(*hsi, 12), (Events{{0x100B4, 41}}));
    EXPECT_EQ(host.sim().number(0x356), 41.0);   // the host takes the new course
    EXPECT_EQ(host.sim().number(0x2D), 41.0);
    EXPECT_EQ(click(*hsi, 9, MOUSE_REPEAT), Events{});   // a click with neither button does nothing
}

// The module stores the degree sign in code page 1252; the host shows it in UTF-8.
TEST_F(Hsi, HeadingBugTooltipShowsTheBugInWholeDegrees)
{
    set(0x357, 123.6);
    EXPECT_EQ(hsi->tooltip_at(30, 250), "Heading Bug Adjust Knob (123\xC2\xB0)");
    EXPECT_EQ(hsi->tooltip_at(150, 100), "host help topic 0x3094");
}

}  // namespace

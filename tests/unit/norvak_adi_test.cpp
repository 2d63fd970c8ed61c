// Collins_ADI84A driven through the host: the sphere and command bars with their stops, the radio
// altitude tape and its tooltip, and the warning flags, the GS flag beside the HSI's.
#include <gtest/gtest.h>

#include <string>

#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "module_paths.h"

using namespace host;

namespace {

// Elements: 1 sphere, 2 bank pointer, 3 command bars, 4 tape, 6 localizer pointer, 7 glideslope
// pointer, 8 slip ball, 9 RAD ALT flag, 10 localizer cover, 11 GS flag, 12 GYRO flag, 15 DH lamp.
struct Adi : ::testing::Test {
    SimulatedPanel host;
    Module&   norvak = host.load_module(module_path("Norvak_Instr"));
    Gauge&    adi    = add("Collins_ADI84A");

    Gauge& add(const std::string& name)
    {
        Gauge& g = host.add_gauge(norvak, name);
        g.connect();
        return g;
    }
    void   power_avionics() { add("Engine_On"); }
    void   frame() { host.frame(0.05); }
    void   set(Token t, double v) { host.sim().set(t, v); }
    void   set_int(Token t, int32_t v) { host.sim().set_integer(t, v); }
    double value(int i, int axis) { return adi.elements().at(i).value[axis]; }
    int    shown(int i) { return adi.elements().at(i).frame; }   // icons: 0 in view, -1 not
    bool   hidden(int i) { return adi.elements().at(i).hidden; }
};

TEST_F(Adi, SphereAndCommandBarsFollowAttitudeUpToTheirStops)
{
    set(0x318, 1);
    struct Case { double pitch, command, sphere, bars; };
    for (Case c : {Case{55, 0, 40, 40}, {-55, 0, -40, -40}, {5, 8, 5, -3}, {-30, 20, -30, -40}, {12.5, 2, 12.5, 10.5}}) {
        set(0x4E, c.pitch);
        set(0x319, c.command);
        frame();
        EXPECT_EQ(value(1, 1), c.sphere) << c.pitch;
        EXPECT_EQ(value(3, 1), c.bars) << c.pitch << " " << c.command;
    }
    set(0x50, 30);
    set(0x31A, 10);
    frame();
    EXPECT_EQ(value(1, 2), 30.0);   // sphere and pointer turn by the bank itself
    EXPECT_EQ(value(2, 2), 30.0);
    EXPECT_EQ(value(3, 2), 20.0);   // bars: bank minus command
    EXPECT_EQ(value(3, 0), 1.0);    // the on flag, scaled to no motion
    EXPECT_FALSE(hidden(3));

    set(0x318, 0);
    frame();
    EXPECT_TRUE(hidden(3));
    EXPECT_EQ(value(3, 2), 0.0);
    set(0x318, 1);
    frame();
    EXPECT_FALSE(hidden(3));
}

TEST_F(Adi, TapeShowsFeetAboveTheGearWhileTheFlagsUseTheRawHeight)
{
    struct Case { double metres, tape; int rad_alt; const char* tooltip; };
    for (Case c : {Case{612.9, 612.9 * 3.28084 - 14, 0, "Height above ground level (1996 feet)"},
                   {612.5, 612.5 * 3.28084 - 14, -1, "Height above ground level (1995 feet)"},
                   {0, -14, -1, "Height above ground level (-14 feet)"},
                   {100, 314.084, -1, "Height above ground level (314 feet)"}}) {
        set(0x266, c.metres);
        frame();
        EXPECT_NEAR(value(4, 1), c.tape, 1e-9) << c.metres;
        EXPECT_EQ(shown(9), c.rad_alt) << c.metres;
        EXPECT_EQ(adi.tooltip_at(260, 150), c.tooltip);
    }
    EXPECT_EQ(adi.tooltip_at(20, 150), "Glideslope indicator");
    EXPECT_EQ(adi.tooltip_at(150, 100), "host help topic 0x3092");
    EXPECT_EQ(adi.tooltip_at(150, 260), "Sideslip indicator");
}

TEST_F(Adi, GlideslopeAndLocalizerShowOnlyForAUsableNav1Localizer)
{
    set(0x354, 1);
    set(0x2B, 1);
    set(0x2F3, 50);
    set_int(0x2E, 0x80);
    frame();
    // NAV1 off: GS flag in view, pointer hidden, scale covered.
    EXPECT_EQ(shown(11), 0);
    EXPECT_TRUE(hidden(7));
    EXPECT_EQ(shown(10), 0);

    power_avionics();
    frame();
    EXPECT_EQ(shown(11), -1);
    EXPECT_FALSE(hidden(7));
    EXPECT_EQ(shown(10), -1);

    set(0x354, 0.5);   // enough for the pointer, not for the flag
    frame();
    EXPECT_FALSE(hidden(7));
    EXPECT_EQ(shown(11), 0);
    set(0x354, 0.4);
    frame();
    EXPECT_TRUE(hidden(7));
    set(0x354, 1);

    set_int(0x2E, 0x7F);   // a VOR: the scale stays covered even with a signal
    frame();
    EXPECT_EQ(shown(10), 0);
    EXPECT_EQ(shown(11), -1);
    set_int(0x2E, 0x80);
    set(0x2B, 0);
    frame();
    EXPECT_EQ(shown(10), 0);
    set(0x2B, 1);

    // A weak signal in NAV mode: flag and cover, until the host leaves NAV mode.
    Gauge& hsi = add("Collins_HSI70");
    set(0x2F3, 15);
    frame();
    EXPECT_EQ(shown(11), 0);
    EXPECT_EQ(shown(10), 0);
    EXPECT_EQ(hsi.elements().at(7).frame, -1);   // the HSI accepts down to 10
    set(0x350, 1);
    frame();
    EXPECT_EQ(shown(11), -1);
    EXPECT_EQ(shown(10), -1);
    set_int(0x11D, 1);   // counts only in NAV mode too
    frame();
    EXPECT_EQ(shown(11), -1);
    set(0x350, 0);
    frame();
    EXPECT_EQ(shown(11), 0);
    set_int(0x11D, 0);
    set(0x2F3, 20);
    frame();
    EXPECT_EQ(shown(11), -1);

    set_int(0x117, 1);   // a failed receiver: every warning
    frame();
    EXPECT_EQ(shown(11), 0);
    EXPECT_EQ(shown(10), 0);
    EXPECT_EQ(shown(12), 0);
}

TEST_F(Adi, GyroFlagShowsOnAnyOfItsWarnings)
{
    frame();
    EXPECT_EQ(shown(12), -1);
    for (Token t : {Token{0x114}, Token{0x120}}) {
        set(t, 0.5);
        frame();
        EXPECT_EQ(shown(12), 0) << t;
        set(t, -1);
        frame();
        EXPECT_EQ(shown(12), -1) << t;
    }
}

TEST_F(Adi, DhLampLightsOnlyDescendingBelowTheDecisionHeight)
{
    set(0x266, 65.2);   // 213.9 feet
    set(0x41, -2);
    frame();
    EXPECT_EQ(shown(15), 0);
    struct Case { Token token; double value; };
    for (Case c : {Case{0x266, 65.3}, {0x41, 0}, {0x41, 3}, {0x188, 0.9}, {0x1AF, 1}, {0x3C, 1}, {0x3C, -0.1}}) {
        double before = host.sim().number(c.token);
        set(c.token, c.value);
        frame();
        EXPECT_EQ(shown(15), -1) << c.token << " " << c.value;
        set(c.token, before);
    }
    frame();
    EXPECT_EQ(shown(15), 0);
}

TEST_F(Adi, SlipBallRunsInACurvedTubeAndPointersTakeTheirSources)
{
    set(0x45, -12);
    set(0x28, 127);
    set(0x352, -0.5);
    frame();
    EXPECT_EQ(value(8, 0), -12.0);
    EXPECT_EQ(value(8, 1), 144.0);
    EXPECT_EQ(value(6, 0), 127.0);
    EXPECT_EQ(value(7, 1), -0.5);   // hidden while unpowered, but still placed
}

}  // namespace

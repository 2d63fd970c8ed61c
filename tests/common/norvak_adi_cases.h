// Collins_ADI84A driven through the host, on both builds: the sphere and command bars with their
// stops, the radio altitude tape and its tooltip (the height from the module's global), and the
// warning flags on the host's 32-bit integer tokens, the GS flag beside the HSI's.
#pragma once

#include "tests/common/panel_fixture.h"

namespace norvak_adi_cases {

using namespace panel_fixture;
using host::Token;

// Elements: 1 sphere, 2 bank pointer, 3 command bars, 4 tape, 6 localizer pointer, 7 glideslope
// pointer, 8 slip ball, 9 RAD ALT flag, 10 localizer cover, 11 GS flag, 12 GYRO flag, 15 DH lamp.
struct Adi : NorvakPanel {
    host::Gauge& adi = gauge("Collins_ADI84A");

    void   power_avionics() { gauge("Engine_On"); }
    void   set(Token t, double v) { host.sim().set(t, v); }
    void   set_int(Token t, int32_t v) { host.sim().set_integer(t, v); }
    double value(int i, int axis) { return adi.elements().at(i).value[axis]; }
    int    shown(int i) { return adi.elements().at(i).frame; }   // icons: 0 in view, -1 not
    bool   hidden(int i) { return adi.elements().at(i).hidden; }
};

TEST_F(Adi, SphereAndCommandBarsFollowAttitudeUpToTheirStops)
{
    set(token::flight_director, 1);
    struct Case { double pitch, command, sphere, bars; };
    for (Case c : {Case{55, 0, 40, 40}, {55, 8, 40, 40}, {-55, 0, -40, -40}, {5, 8, 5, -3}, {-30, 20, -30, -40},
                   {12.5, 2, 12.5, 10.5}}) {
        set(token::pitch, c.pitch);
        set(token::flight_director_pitch, c.command);
        frame();
        EXPECT_EQ(value(1, 1), c.sphere) << c.pitch;
        EXPECT_EQ(value(3, 1), c.bars) << c.pitch << " " << c.command;
    }
    struct Bank { double bank, command, bars; };
    for (Bank b : {Bank{30, 10, 20}, {-20, 5, -25}}) {
        set(token::bank, b.bank);
        set(token::flight_director_bank, b.command);
        frame();
        EXPECT_EQ(value(1, 2), b.bank);   // sphere and pointer turn by the bank itself
        EXPECT_EQ(value(2, 2), b.bank);
        EXPECT_EQ(value(3, 2), b.bars);   // bars: bank minus command
    }
    EXPECT_EQ(value(3, 0), 1.0);    // the on flag, scaled to no motion
    EXPECT_FALSE(hidden(3));

    set(token::flight_director, 0);
    frame();
    EXPECT_TRUE(hidden(3));
    EXPECT_EQ(value(3, 2), 0.0);
    set(token::flight_director, 1);
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
        set(token::radio_height, c.metres);
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
    set(token::glideslope_valid, 1);
    set(token::localizer_signal, 1);
    set(token::nav_signal_strength, 50);
    set_int(token::vor1_station_flags, station_flag::localizer);
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
    EXPECT_EQ(shown(12), -1);

    set(token::glideslope_valid, 0.5);   // enough for the pointer, not for the flag
    frame();
    EXPECT_FALSE(hidden(7));
    EXPECT_EQ(shown(11), 0);
    set(token::glideslope_valid, 0.4);
    frame();
    EXPECT_TRUE(hidden(7));
    set(token::glideslope_valid, 1);

    set_int(token::vor1_station_flags, station_flag::localizer - 1);   // a VOR: the scale stays covered even with a signal
    frame();
    EXPECT_EQ(shown(10), 0);
    EXPECT_EQ(shown(11), -1);
    set_int(token::vor1_station_flags, station_flag::localizer);
    set(token::localizer_signal, 0);
    frame();
    EXPECT_EQ(shown(10), 0);
    set(token::localizer_signal, 1);

    // A weak signal in NAV mode: flag and cover, until the host leaves NAV mode.
    host::Gauge& hsi = gauge("Collins_HSI70");
    set(token::nav_signal_strength, 15);
    frame();
    EXPECT_EQ(shown(11), 0);
    EXPECT_EQ(shown(10), 0);
    EXPECT_EQ(hsi.elements().at(7).frame, -1);   // the HSI accepts down to 10
    set(token::nav_gps, 1);
    frame();
    EXPECT_EQ(shown(11), -1);
    EXPECT_EQ(shown(10), -1);
    set_int(token::nav_signal_flagged, 1);   // counts only in NAV mode too
    frame();
    EXPECT_EQ(shown(11), -1);
    set(token::nav_gps, 0);
    frame();
    EXPECT_EQ(shown(11), 0);
    set_int(token::nav_signal_flagged, 0);
    set(token::nav_signal_strength, 20);
    frame();
    EXPECT_EQ(shown(11), -1);

    set_int(token::nav_receiver_failed, 1);   // a failed receiver: every warning
    frame();
    EXPECT_EQ(shown(11), 0);
    EXPECT_EQ(shown(10), 0);
    EXPECT_EQ(shown(12), 0);
}

TEST_F(Adi, GyroFlagShowsOnAnyOfItsWarnings)
{
    frame();
    EXPECT_EQ(shown(12), -1);
    for (Token t : {token::gyro_warning, token::computer_warning}) {
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
    set(token::radio_height, 65.2);   // 213.9 feet
    set(token::vertical_speed, -2);
    frame();
    EXPECT_EQ(shown(15), 0);
    struct Case { Token token; double value; };
    for (Case c : {Case{token::radio_height, 65.3}, {token::vertical_speed, 0}, {token::vertical_speed, 3},
                   {token::engine1_dh_condition, 0.9}, {token::engine2_dh_condition, 1},
                   {token::shut_down_condition, 1}, {token::shut_down_condition, -0.1}}) {
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
    set(token::slip_ball, -12);
    set(token::localizer_deviation, 127);
    set(token::glideslope_deviation, -0.5);
    frame();
    EXPECT_EQ(value(8, 0), -12.0);
    EXPECT_EQ(value(8, 1), 144.0);
    EXPECT_EQ(value(6, 0), 127.0);
    EXPECT_EQ(value(7, 1), -0.5);   // hidden while unpowered, but still placed
}

}  // namespace norvak_adi_cases

// The attack aircraft's radios on both builds: COM1's digit selectors and their limits, the NAV
// receivers' drums, knobs, power and VOL switches and the audio events they re-assert at every
// update, and the IFF transponder's drums and digit zones.
#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/common/panel_fixture.h"

namespace stelvar_radios_cases {

using namespace panel_fixture;
using host::Token;

struct AttackRadios : StelvarPanel {
    // Sets a packed frequency and runs one frame.
    void tune(Token token, int32_t bcd)
    {
        host.sim().set_integer(token, bcd);
        frame();
    }
    const host::ElementState& element(host::Gauge& g, int index) { return g.elements().at(index); }
};

// COM1 rectangles in list order.
enum ComRect { tens_down = 2, tens_up, units_down, units_up, tenths_down, tenths_up, hundredths_down, hundredths_up,
               com_power };

TEST_F(AttackRadios, Com1SelectorsSendTheirStepsOnlyInsideTheBand)
{
    host::Gauge& com = gauge("Radio_COM1");
    const Events ten_down(10, {event::com1_whole_down, 0}), ten_up(10, {event::com1_whole_up, 0});
    const Events four_up(4, {event::com1_fraction_up, 0}), four_down(4, {event::com1_fraction_down, 0});
    struct Case { int32_t bcd; int rect; Events sent; };
    const Case cases[] = {
        {0x2700, tens_down, {}},          {0x2700, units_down, one(event::com1_whole_down)},
        {0x2800, tens_down, ten_down},    {0x2600, tens_up, {}},
        {0x2500, tens_up, ten_up},        {0x1800, units_down, {}},
        {0x3500, units_up, {}},           {0x3500, tenths_up, four_up},
        {0x3500, hundredths_up, one(event::com1_fraction_up)},   {0x3400, units_up, one(event::com1_whole_up)},
        {0x1800, tenths_down, four_down}, {0x1800, hundredths_down, one(event::com1_fraction_down)},
        {0x3600, tenths_up, {}},          {0x3600, hundredths_up, {}},
    };
    for (const Case& c : cases) {
        host.sim().set_integer(token::com1_frequency, c.bcd);
        frame();
        // The host's answer must not move the frequency before the next case sets it again.
        EXPECT_EQ(click(com, c.rect), c.sent) << std::hex << c.bcd << " rect " << std::dec << c.rect;
    }
}

TEST_F(AttackRadios, Com1TunesWhileSwitchedOffAndItsPowerKnobOnlyDarkensTheIndicator)
{
    host::Gauge& com = gauge("Radio_COM1");
    tune(token::com1_frequency, 0x2300);
    EXPECT_EQ(click(com, com_power), Events{});
    EXPECT_TRUE(played(1));
    frame();
    EXPECT_EQ(element(com, 5).frame, 0);    // knob off
    EXPECT_EQ(element(com, 6).frame, -1);   // indicator dark
    for (int rect = units_down; rect <= hundredths_up; ++rect)
        EXPECT_FALSE(click(com, rect).empty()) << rect;
    click(com, com_power);
    frame();
    EXPECT_EQ(element(com, 6).frame, 0);
}

TEST_F(AttackRadios, Com1ShowsItsDigitsAndTheChannelTheBcdValueCutsShort)
{
    host::Gauge& com = gauge("Radio_COM1");
    struct Case { int32_t bcd; int tens, units, tenths, end; double tooltip; };
    for (Case c : {Case{0x2302, 2, 3, 0, 1, 123.025}, {0x2357, 2, 3, 5, 3, 123.575}, {0x2345, 2, 3, 4, 2, 123.45},
                   {0x3690, 3, 6, 9, 0, 136.9}, {0x1843, 1, 8, 4, 0, 118.43}, {0x2700, 2, 7, 0, 0, 127.0}}) {
        tune(token::com1_frequency, c.bcd);
        EXPECT_EQ(element(com, 3).frame, c.tens) << std::hex << c.bcd;
        EXPECT_EQ(element(com, 2).frame, c.units) << std::hex << c.bcd;
        EXPECT_EQ(element(com, 1).frame, c.tenths) << std::hex << c.bcd;
        EXPECT_EQ(element(com, 4).frame, c.end) << std::hex << c.bcd;
        char want[64];
        std::snprintf(want, sizeof want, "Communications Radio COM1 - %07.3f MHz", c.tooltip);
        EXPECT_EQ(com.tooltip_at(5, 100), want);
    }
}

// NAV rectangles in list order.
enum NavRect { whole_down = 3, whole_up = 4, fraction_down = 7, fraction_up = 8, nav_power = 10, vol_off, vol_on };

TEST_F(AttackRadios, NavDrumsShowTheFrequencyAndCarryTheDrawingOptionOnlyWhilePowered)
{
    host::Gauge& nav = gauge("Radio_NAV1");
    tune(token::nav1_frequency, 0x0800);
    // hundredths, tenths, units, tens, leading 1
    EXPECT_EQ(element(nav, 1).value[1], 0.0);
    EXPECT_EQ(element(nav, 2).value[1], 0.0);
    EXPECT_EQ(element(nav, 3).value[1], 8.0);
    EXPECT_EQ(element(nav, 4).value[1], 0.0);
    EXPECT_EQ(element(nav, 7).point_y, 11.0);   // the whole knob straight up at 108
    tune(token::nav1_frequency, 0x1695);
    EXPECT_EQ(element(nav, 1).value[1], 5.0);
    EXPECT_EQ(element(nav, 2).value[1], 9.0);
    EXPECT_EQ(element(nav, 3).value[1], 6.0);
    EXPECT_EQ(element(nav, 4).value[1], 1.0);
    EXPECT_EQ(element(nav, 6).value[0], 95.0);
    EXPECT_EQ(element(nav, 7).value[0], 116.0);
    EXPECT_EQ(nav.tooltip_at(150, 10), "Navigation Radio NAV1 - 116.950 MHz");

    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(element(nav, i).element->image_flags, image_flags::needle) << i;
        element(nav, i).element->image_flags |= image_flags::no_transparency;
    }
    click(nav, nav_power);
    frame();
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(element(nav, i).element->image_flags, image_flags::knob) << i;
    EXPECT_EQ(element(nav, 10).frame, -1);
    EXPECT_EQ(element(nav, 3).value[1], 6.0);   // still showing the frequency
}

TEST_F(AttackRadios, NavKnobsTuneWithinTheBandAndOnlyWhilePowered)
{
    host::Gauge& nav = gauge("Radio_NAV1");
    tune(token::nav1_frequency, 0x0800);
    EXPECT_EQ(click(nav, whole_down), Events{});
    EXPECT_EQ(click(nav, whole_up), one(event::nav1_whole_up));
    tune(token::nav1_frequency, 0x1700);
    EXPECT_EQ(click(nav, whole_up), Events{});
    EXPECT_EQ(click(nav, whole_down), one(event::nav1_whole_down));
    EXPECT_EQ(click(nav, fraction_up), one(event::nav1_fraction_up));
    EXPECT_EQ(click(nav, fraction_down), one(event::nav1_fraction_down));
    click(nav, nav_power);
    for (int rect : {whole_up, whole_down, fraction_up, fraction_down})
        EXPECT_EQ(click(nav, rect), Events{}) << rect;
}

TEST_F(AttackRadios, NavPowerAndVolumeDecideTheAudioEventsOfEveryUpdate)
{
    host::Gauge& nav      = gauge("Radio_NAV1");
    const Events on_twice = {{event::nav1_audio_on, 0}, {event::nav1_audio_on, 0}};
    EXPECT_EQ(frame(), on_twice);   // powered, VOL on from load

    EXPECT_EQ(click(nav, vol_on), Events{});
    EXPECT_TRUE(played(0));   // already on: no click
    EXPECT_EQ(click(nav, vol_off), Events{});
    EXPECT_TRUE(played(1));
    EXPECT_EQ(frame(), one(event::nav1_audio_off));   // only the VOL knob speaks
    EXPECT_EQ(element(nav, 8).frame, 0);

    click(nav, vol_on);
    EXPECT_EQ(click(nav, nav_power), one(event::nav1_audio_off));
    EXPECT_TRUE(played(1));
    EXPECT_EQ(frame(), one(event::nav1_audio_off));   // the switch speaks, the VOL knob is silent
    EXPECT_EQ(element(nav, 9).frame, 0);
    EXPECT_EQ(click(nav, nav_power), Events{});   // switching on sends nothing itself
    EXPECT_TRUE(played(1));
    EXPECT_EQ(frame(), on_twice);
}

TEST_F(AttackRadios, Nav2HasItsOwnFrequencyFlagsAndEvents)
{
    host::Gauge& nav1 = gauge("Radio_NAV1");
    host::Gauge& nav2 = gauge("Radio_NAV2");
    host.sim().set_integer(token::nav1_frequency, 0x0800);
    tune(token::nav2_frequency, 0x0800);
    EXPECT_EQ(element(nav2, 3).value[1], 8.0);
    EXPECT_EQ(click(nav2, whole_down), Events{});
    tune(token::nav2_frequency, 0x1250);
    EXPECT_EQ(element(nav2, 3).value[1], 2.0);
    EXPECT_EQ(click(nav2, whole_up), one(event::nav2_whole_up));
    EXPECT_EQ(click(nav2, fraction_down), one(event::nav2_fraction_down));
    EXPECT_EQ(click(nav2, nav_power), one(event::nav2_audio_off));
    // NAV1 stays powered and keeps its audio.
    Events e = frame();
    EXPECT_EQ(std::count(e.begin(), e.end(), std::pair<uint32_t, uint32_t>{event::nav1_audio_on, 0}), 2);
    EXPECT_EQ(std::count(e.begin(), e.end(), std::pair<uint32_t, uint32_t>{event::nav2_audio_off, 0}), 1);
    EXPECT_EQ(element(nav1, 10).frame, 0);
    EXPECT_EQ(element(nav2, 3).element->image_flags, image_flags::knob);
}

TEST_F(AttackRadios, TransponderDrumsFollowTheCodeAndItsDigitZonesActOnlyWhilePowered)
{
    host::Gauge& iff   = gauge("Radio_IFF_XPDR");
    auto         drums = [&] {   // left to right
        return std::vector<double>{element(iff, 4).value[1], element(iff, 3).value[1], element(iff, 2).value[1],
                                   element(iff, 1).value[1]};
    };
    tune(token::transponder_code, 0x7700);
    EXPECT_EQ(drums(), (std::vector<double>{7, 7, 0, 0}));
    tune(token::transponder_code, 0x1234);
    EXPECT_EQ(drums(), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(element(iff, 4).element->image_flags, image_flags::needle);

    // Up zones above each drum, down zones below; the host steps the digit without carry.
    const std::pair<int, uint32_t> zones[] = {
        {3, event::transponder_thousands_down}, {4, event::transponder_thousands_up},
        {5, event::transponder_hundreds_down},  {6, event::transponder_hundreds_up},
        {7, event::transponder_tens_down},      {8, event::transponder_tens_up},
        {9, event::transponder_units_down},     {10, event::transponder_units_up},
    };
    for (const auto& [rect, sent] : zones)
        EXPECT_EQ(click(iff, rect), one(sent)) << rect;
    frame();
    EXPECT_EQ(drums(), (std::vector<double>{1, 2, 3, 4}));

    EXPECT_EQ(click(iff, 11), Events{});   // IDENT: nothing at all
    EXPECT_TRUE(played(0));
    EXPECT_EQ(click(iff, 2), Events{});
    EXPECT_TRUE(played(1));
    for (const auto& [rect, sent] : zones)
        EXPECT_EQ(click(iff, rect), Events{}) << rect;
    tune(token::transponder_code, 0x0000);
    EXPECT_EQ(drums(), (std::vector<double>{0, 0, 0, 0}));
    EXPECT_EQ(element(iff, 4).element->image_flags, image_flags::knob);
    EXPECT_EQ(element(iff, 5).frame, 0);    // IDENT
    EXPECT_EQ(element(iff, 6).frame, -1);   // indicator dark
    EXPECT_EQ(element(iff, 7).frame, 0);    // lever down
    click(iff, 2);
    EXPECT_TRUE(played(1));
    frame();
    EXPECT_EQ(element(iff, 6).frame, 0);
    EXPECT_EQ(element(iff, 7).frame, 1);
}

TEST_F(AttackRadios, ShutDownSwitchesEveryRadioOffAtConnect)
{
    host::Gauge& com = gauge("Radio_COM1");
    host::Gauge& nav = gauge("Radio_NAV1");
    host::Gauge& iff = gauge("Radio_IFF_XPDR");
    host.sim().set(token::shut_down_condition, 1.0);
    gauge("Shut_Down");
    EXPECT_EQ(frame(), (Events{{event::nav1_audio_off, 0}, {event::nav1_audio_off, 0}}));
    EXPECT_EQ(element(com, 6).frame, -1);
    EXPECT_EQ(element(nav, 8).frame, 0);   // VOL off too
    EXPECT_EQ(element(iff, 6).frame, -1);
}

}  // namespace stelvar_radios_cases

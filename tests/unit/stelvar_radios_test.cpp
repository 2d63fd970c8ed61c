// The attack aircraft's radios: COM1's digit selectors and their limits, the NAV receivers' drums,
// knobs, power and VOL switches and the audio events they re-assert at every update, and the IFF
// transponder's drums and digit zones.
#include <gtest/gtest.h>

#include <standin_control.h>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "module_paths.h"

using namespace host;

namespace {

using Events = std::vector<std::pair<uint32_t, uint32_t>>;

struct AttackRadios : ::testing::Test {
    SimulatedPanel host;
    Module&   stelvar = host.load_module(module_path("Stelvar_Instr"));

    void SetUp() override { standin::reset_sound(); }

    Gauge& gauge(const std::string& name)
    {
        Gauge& g = host.add_gauge(stelvar, name);
        g.connect();
        return g;
    }
    // Sets a packed frequency and runs one frame.
    void tune(Token token, int32_t bcd)
    {
        host.sim().set_integer(token, bcd);
        host.frame(0.05);
    }
    Events since(size_t from)
    {
        Events out;
        const auto& all = host.sim().events();
        for (size_t i = from; i < all.size(); ++i)
            out.emplace_back(all[i].id, all[i].value);
        return out;
    }
    Events click(Gauge& g, int rect, size_t* sounds = nullptr)
    {
        size_t      events_before = host.sim().events().size();
        size_t      sounds_before = standin::played_sounds().size();
        ClickResult r             = g.click_rect(rect, MOUSE_LEFTSINGLE);
        EXPECT_TRUE(r.accepted) << r.action;
        if (sounds)
            *sounds = standin::played_sounds().size() - sounds_before;
        return since(events_before);
    }
    // The events one frame sends.
    Events frame_events()
    {
        size_t before = host.sim().events().size();
        host.frame(0.05);
        return since(before);
    }
    const ElementState& element(Gauge& g, int index) { return g.elements().at(index); }
};

// COM1 rectangles in list order.
enum ComRect { tens_down = 2, tens_up, units_down, units_up, tenths_down, tenths_up, hundredths_down, hundredths_up,
               com_power };

TEST_F(AttackRadios, Com1SelectorsSendTheirStepsOnlyInsideTheBand)
{
    Gauge& com = gauge("Radio_COM1");
    const Events ten_down(10, {0x10064, 0}), ten_up(10, {0x10065, 0});
    struct Case { int32_t bcd; int rect; Events sent; };
    const Case cases[] = {
        {0x2700, tens_down, {}},          {0x2700, units_down, {{0x10064, 0}}},  {0x2800, tens_down, ten_down},
        {0x2600, tens_up, {}},            {0x2500, tens_up, ten_up},             {0x1800, units_down, {}},
        {0x3500, units_up, {}},           {0x3500, tenths_up, Events(4, {0x10067, 0})},
        {0x3500, hundredths_up, {{0x10067, 0}}}, {0x3400, units_up, {{0x10065, 0}}},
        {0x1800, tenths_down, Events(4, {0x10066, 0})}, {0x1800, hundredths_down, {{0x10066, 0}}},
        {0x3600, tenths_up, {}},          {0x3600, hundredths_up, {}},
    };
    for (const Case& c : cases) {
        host.sim().set_integer(0x17, c.bcd);
        host.frame(0.05);
        // The host's answer must not move the frequency before the next case sets it again.
        EXPECT_EQ(click(com, c.rect), c.sent) << std::hex << c.bcd << " rect " << std::dec << c.rect;
    }
}

TEST_F(AttackRadios, Com1TunesWhileSwitchedOffAndItsPowerKnobOnlyDarkensTheIndicator)
{
    Gauge& com = gauge("Radio_COM1");
    tune(0x17, 0x2300);
    size_t sounds = 0;
    EXPECT_EQ(click(com, com_power, &sounds), Events{});
    EXPECT_EQ(sounds, 1u);
    host.frame(0.05);
    EXPECT_EQ(element(com, 5).frame, 0);    // knob off
    EXPECT_EQ(element(com, 6).frame, -1);   // indicator dark
    for (int rect = tens_down; rect <= hundredths_up; ++rect)
        if (rect != tens_down && rect != tens_up)
            EXPECT_FALSE(click(com, rect).empty()) << rect;
    click(com, com_power);
    host.frame(0.05);
    EXPECT_EQ(element(com, 6).frame, 0);
}

TEST_F(AttackRadios, Com1ShowsItsDigitsAndTheChannelTheBcdValueCutsShort)
{
    Gauge& com = gauge("Radio_COM1");
    struct Case { int32_t bcd; int tens, units, tenths, end; double tooltip; };
    for (Case c : {Case{0x2302, 2, 3, 0, 1, 123.025}, {0x2357, 2, 3, 5, 3, 123.575}, {0x2345, 2, 3, 4, 2, 123.45},
                   {0x3690, 3, 6, 9, 0, 136.9}, {0x1843, 1, 8, 4, 0, 118.43}}) {
        tune(0x17, c.bcd);
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
    Gauge& nav = gauge("Radio_NAV1");
    tune(0x18, 0x0800);
    // hundredths, tenths, units, tens, leading 1
    EXPECT_EQ(element(nav, 1).value[1], 0.0);
    EXPECT_EQ(element(nav, 2).value[1], 0.0);
    EXPECT_EQ(element(nav, 3).value[1], 8.0);
    EXPECT_EQ(element(nav, 4).value[1], 0.0);
    EXPECT_EQ(element(nav, 7).point_y, 11.0);   // the whole knob straight up at 108
    tune(0x18, 0x1695);
    EXPECT_EQ(element(nav, 1).value[1], 5.0);
    EXPECT_EQ(element(nav, 2).value[1], 9.0);
    EXPECT_EQ(element(nav, 3).value[1], 6.0);
    EXPECT_EQ(element(nav, 4).value[1], 1.0);
    EXPECT_EQ(element(nav, 6).value[0], 95.0);
    EXPECT_EQ(element(nav, 7).value[0], 116.0);
    EXPECT_EQ(nav.tooltip_at(150, 10), "Navigation Radio NAV1 - 116.950 MHz");

    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(element(nav, i).element->image_flags, 0x4083u) << i;
        element(nav, i).element->image_flags |= 0x80000000u;
    }
    click(nav, nav_power);
    host.frame(0.05);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(element(nav, i).element->image_flags, 0x83u) << i;
    EXPECT_EQ(element(nav, 10).frame, -1);
    EXPECT_EQ(element(nav, 3).value[1], 6.0);   // still showing the frequency
}

TEST_F(AttackRadios, NavKnobsTuneWithinTheBandAndOnlyWhilePowered)
{
    Gauge& nav = gauge("Radio_NAV1");
    tune(0x18, 0x0800);
    EXPECT_EQ(click(nav, whole_down), Events{});
    EXPECT_EQ(click(nav, whole_up), (Events{{0x10069, 0}}));
    tune(0x18, 0x1700);
    EXPECT_EQ(click(nav, whole_up), Events{});
    EXPECT_EQ(click(nav, whole_down), (Events{{0x10068, 0}}));
    EXPECT_EQ(click(nav, fraction_up), (Events{{0x1006B, 0}}));
    EXPECT_EQ(click(nav, fraction_down), (Events{{0x1006A, 0}}));
    click(nav, nav_power);
    for (int rect : {whole_up, whole_down, fraction_up, fraction_down})
        EXPECT_EQ(click(nav, rect), Events{}) << rect;
}

TEST_F(AttackRadios, NavPowerAndVolumeDecideTheAudioEventsOfEveryUpdate)
{
    Gauge& nav = gauge("Radio_NAV1");
    const Events on_twice = {{0x1012D, 0}, {0x1012D, 0}};
    EXPECT_EQ(frame_events(), on_twice);   // powered, VOL on from load

    size_t sounds = 0;
    EXPECT_EQ(click(nav, vol_on, &sounds), Events{});
    EXPECT_EQ(sounds, 0u);                 // already on: no click
    EXPECT_EQ(click(nav, vol_off, &sounds), Events{});
    EXPECT_EQ(sounds, 1u);
    EXPECT_EQ(frame_events(), (Events{{0x10128, 0}}));   // only the VOL knob speaks
    EXPECT_EQ(element(nav, 8).frame, 0);

    click(nav, vol_on);
    EXPECT_EQ(click(nav, nav_power, &sounds), (Events{{0x10128, 0}}));
    EXPECT_EQ(sounds, 1u);
    EXPECT_EQ(frame_events(), (Events{{0x10128, 0}}));   // the switch speaks, the VOL knob is silent
    EXPECT_EQ(element(nav, 9).frame, 0);
    EXPECT_EQ(click(nav, nav_power, &sounds), Events{});   // switching on sends nothing itself
    EXPECT_EQ(sounds, 1u);
    EXPECT_EQ(frame_events(), on_twice);
}

TEST_F(AttackRadios, Nav2HasItsOwnFrequencyFlagsAndEvents)
{
    Gauge& nav1 = gauge("Radio_NAV1");
    Gauge& nav2 = gauge("Radio_NAV2");
    host.sim().set_integer(0x18, 0x0800);
    tune(0x1B, 0x1250);
    EXPECT_EQ(element(nav2, 3).value[1], 2.0);
    EXPECT_EQ(click(nav2, whole_up), (Events{{0x1006D, 0}}));
    EXPECT_EQ(click(nav2, fraction_down), (Events{{0x1006E, 0}}));
    EXPECT_EQ(click(nav2, nav_power), (Events{{0x10129, 0}}));
    // NAV1 stays powered and keeps its audio.
    Events e = frame_events();
    EXPECT_EQ(std::count(e.begin(), e.end(), std::pair<uint32_t, uint32_t>{0x1012D, 0}), 2);
    EXPECT_EQ(std::count(e.begin(), e.end(), std::pair<uint32_t, uint32_t>{0x10129, 0}), 1);
    EXPECT_EQ(element(nav1, 10).frame, 0);
}

TEST_F(AttackRadios, TransponderDrumsFollowTheCodeAndItsDigitZonesActOnlyWhilePowered)
{
    Gauge& iff = gauge("Radio_IFF_XPDR");
    auto   drums = [&] {   // left to right
        return std::vector<double>{element(iff, 4).value[1], element(iff, 3).value[1], element(iff, 2).value[1],
                                   element(iff, 1).value[1]};
    };
    tune(0x26, 0x7700);
    EXPECT_EQ(drums(), (std::vector<double>{7, 7, 0, 0}));
    tune(0x26, 0x1234);
    EXPECT_EQ(drums(), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(element(iff, 4).element->image_flags, 0x4083u);

    // Up zones above each drum, down zones below; the host steps the digit without carry.
    const std::pair<int, Events> zones[] = {
        {3, {{0x10397, 0}}}, {4, {{0x10073, 0}}}, {5, {{0x10398, 0}}}, {6, {{0x10074, 0}}},
        {7, {{0x10399, 0}}}, {8, {{0x10075, 0}}}, {9, {{0x1039A, 0}}}, {10, {{0x10076, 0}}},
    };
    for (const auto& [rect, sent] : zones)
        EXPECT_EQ(click(iff, rect), sent) << rect;
    host.frame(0.05);
    EXPECT_EQ(drums(), (std::vector<double>{1, 2, 3, 4}));

    size_t sounds = 0;
    EXPECT_EQ(click(iff, 11, &sounds), Events{});   // IDENT: nothing at all
    EXPECT_EQ(sounds, 0u);
    EXPECT_EQ(click(iff, 2, &sounds), Events{});
    EXPECT_EQ(sounds, 1u);
    for (const auto& [rect, sent] : zones)
        EXPECT_EQ(click(iff, rect), Events{}) << rect;
    tune(0x26, 0x0000);
    EXPECT_EQ(drums(), (std::vector<double>{0, 0, 0, 0}));
    EXPECT_EQ(element(iff, 4).element->image_flags, 0x83u);
    EXPECT_EQ(element(iff, 5).frame, 0);    // IDENT
    EXPECT_EQ(element(iff, 6).frame, -1);   // indicator dark
    EXPECT_EQ(element(iff, 7).frame, 0);    // lever down
    click(iff, 2, &sounds);
    EXPECT_EQ(sounds, 1u);
    host.frame(0.05);
    EXPECT_EQ(element(iff, 6).frame, 0);
    EXPECT_EQ(element(iff, 7).frame, 1);
}

TEST_F(AttackRadios, ShutDownSwitchesEveryRadioOffAtConnect)
{
    Gauge& com = gauge("Radio_COM1");
    Gauge& nav = gauge("Radio_NAV1");
    Gauge& iff = gauge("Radio_IFF_XPDR");
    host.sim().set(0x3C, 1.0);
    gauge("Shut_Down");
    EXPECT_EQ(frame_events(), (Events{{0x10128, 0}, {0x10128, 0}}));
    EXPECT_EQ(element(com, 6).frame, -1);
    EXPECT_EQ(element(nav, 8).frame, 0);   // VOL off too
    EXPECT_EQ(element(iff, 6).frame, -1);
}

}  // namespace

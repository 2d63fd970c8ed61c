// The water bomber's radio heads (COM, NAV, ADF, transponder) driven through the host, on both
// builds, with the host's radio systems answering their events: BCD decoding, the window texts
// written through the host's buffer, the tooltip values, the tuning limits and the knob clicks.
#pragma once

#include "tests/common/panel_fixture.h"

namespace norvak_radios_cases {

using namespace panel_fixture;
using host::Token;

// Rectangles of the COM and NAV heads.
constexpr int whole_up = 3, whole_down = 4, fraction_up = 5, fraction_down = 6, switch_off = 12, switch_on = 13;

struct NorvakRadios : NorvakPanel {
    void set(Token t, int32_t bcd)
    {
        host.sim().set_integer(t, bcd);
        frame();
    }
    int32_t                   token(Token t) { return host.sim().get(t).whole; }
    const host::ElementState& element(host::Gauge& g, int i) { return g.elements().at(i); }
    std::string               tooltip(host::Gauge& g) { return g.tooltip_at(5, 150).value_or("none"); }
};

const Events none;

// ---------------------------------------------------------------------------------------------
// COM and NAV heads: 0 face, 1 window, 2 mode knob, 3 power indicator.

TEST_F(NorvakRadios, ComHeadIsOffAtLoadAndItsSwitchClicksOnlyWhenItChangesPower)
{
    host::Gauge& com1 = gauge("Collins_COM1");
    set(token::com1_frequency, 0x2345);
    EXPECT_TRUE(element(com1, 1).hidden);
    EXPECT_EQ(element(com1, 1).text, "123.45");   // formatted while dark
    EXPECT_EQ(element(com1, 2).frame, 1);
    EXPECT_EQ(element(com1, 3).frame, -1);
    for (int rect : {whole_up, whole_down, fraction_up, fraction_down, 8, 9, 10, 11})
        EXPECT_EQ(click(com1, rect), none) << rect;

    EXPECT_EQ(click(com1, switch_off), none);
    EXPECT_TRUE(played(0));
    click(com1, switch_on);
    EXPECT_TRUE(played(1));
    click(com1, switch_on);
    EXPECT_TRUE(played(0));
    frame();
    EXPECT_FALSE(element(com1, 1).hidden);
    EXPECT_EQ(element(com1, 2).frame, 2);
    EXPECT_EQ(element(com1, 3).frame, 0);
    click(com1, switch_off);
    EXPECT_TRUE(played(1));
    frame();
    EXPECT_EQ(element(com1, 2).frame, 1);
    EXPECT_TRUE(element(com1, 1).hidden);
}

TEST_F(NorvakRadios, EngineStartPowersEveryHeadWhileTheKnobsStillShowOff)
{
    host::Gauge& nav1 = gauge("Collins_NAV1");
    host::Gauge& atc  = gauge("Collins_ATC");
    gauge("Engine_On");
    frame();
    EXPECT_FALSE(element(nav1, 1).hidden);
    EXPECT_EQ(element(nav1, 2).frame, 1);
    EXPECT_EQ(element(atc, 2).frame, 0);
    EXPECT_EQ(element(atc, 3).frame, 0);
    click(nav1, switch_on);   // already on: the knob stays at OFF
    EXPECT_TRUE(played(0));
    frame();
    EXPECT_EQ(element(nav1, 2).frame, 1);
}

TEST_F(NorvakRadios, NavHeadsSwitchTheirAudioOffWhenInstalled)
{
    size_t before = mark();
    gauge("Collins_NAV1");
    gauge("Collins_COM2");
    gauge("Collins_NAV2");
    EXPECT_EQ(event_ids_since(before), (std::vector<uint32_t>{event::nav1_audio_off, event::nav2_audio_off}));
}

TEST_F(NorvakRadios, WholeMhzLimitsAreTestedAgainstTheFrequencyAtTheClick)
{
    host::Gauge& com1 = gauge("Collins_COM1");
    host::Gauge& nav2 = gauge("Collins_NAV2");
    gauge("Engine_On");
    set(token::com1_frequency, 0x1800);
    EXPECT_EQ(click(com1, whole_down), none);
    EXPECT_EQ(tooltip(com1), "Communications Radio COM1 - 118.000 MHz");
    // Between updates: the token moves, the click still sees it.
    host.sim().set_integer(token::com1_frequency, 0x3550);
    EXPECT_EQ(click(com1, whole_up), none);
    EXPECT_EQ(click(com1, 9), one(event::com1_whole_down));   // lower left quarter of the knob
    EXPECT_EQ(token(token::com1_frequency), 0x3450);          // the host stepped it
    EXPECT_EQ(click(com1, whole_up), one(event::com1_whole_up));

    set(token::com1_frequency, 0x3495);
    EXPECT_FALSE(element(com1, 1).hidden);
    EXPECT_EQ(element(com1, 1).text, "134.95");
    EXPECT_EQ(tooltip(com1), "Communications Radio COM1 - 134.950 MHz");
    EXPECT_EQ(click(com1, fraction_up), one(event::com1_fraction_up));
    EXPECT_EQ(token(token::com1_frequency), 0x3500);   // the fraction carries into the whole part
    EXPECT_EQ(click(com1, whole_up), none);

    set(token::nav2_frequency, 0x1795);
    EXPECT_EQ(element(nav2, 1).text, "117.95");
    EXPECT_EQ(click(nav2, whole_up), none);
    EXPECT_EQ(click(nav2, whole_down), one(event::nav2_whole_down));
    EXPECT_EQ(click(nav2, fraction_up), one(event::nav2_fraction_up));
    EXPECT_EQ(click(nav2, fraction_down), one(event::nav2_fraction_down));
    set(token::nav2_frequency, 0x0800);
    EXPECT_EQ(element(nav2, 1).text, "108.00");
    EXPECT_EQ(click(nav2, whole_down), none);
    set(token::nav2_frequency, 0x1205);
    EXPECT_EQ(tooltip(nav2), "Navigation Radio NAV2 - 112.050 MHz");
}

TEST_F(NorvakRadios, HostStepsTheFractionWithCarryAndWrapsAtTheBandEnds)
{
    host::Gauge& com2 = gauge("Collins_COM2");
    host::Gauge& nav1 = gauge("Collins_NAV1");
    gauge("Engine_On");
    set(token::com2_frequency, 0x2395);
    click(com2, fraction_up);
    EXPECT_EQ(token(token::com2_frequency), 0x2400);
    click(com2, fraction_down);
    click(com2, fraction_down);
    EXPECT_EQ(token(token::com2_frequency), 0x2390);
    set(token::com2_frequency, 0x3600);   // 136.00: the head's limit stops whole up, a fraction step down borrows
    EXPECT_EQ(click(com2, whole_up), none);
    click(com2, fraction_up);
    click(com2, fraction_up);
    EXPECT_EQ(token(token::com2_frequency), 0x3610);
    set(token::nav1_frequency, 0x1795);    // 117.95 up wraps to the bottom of the band
    click(nav1, fraction_up);
    EXPECT_EQ(token(token::nav1_frequency), 0x0800);
    click(nav1, fraction_down);
    EXPECT_EQ(token(token::nav1_frequency), 0x1795);
}

// A value wider than four digits must not run past the six-character window, and a COM value below
// 0x1000 decodes as 1xx MHz rather than wrapping around.
TEST_F(NorvakRadios, OutOfRangeValuesStayInsideTheWindowAndDecodeSanely)
{
    host::Gauge& com1 = gauge("Collins_COM1");
    host::Gauge& atc  = gauge("Collins_ATC");
    gauge("Engine_On");
    set(token::com1_frequency, 0x123456);
    EXPECT_EQ(element(com1, 1).text, "11234.");
    set(token::com1_frequency, 0x0800);
    EXPECT_EQ(tooltip(com1), "Communications Radio COM1 - 108.000 MHz");
    EXPECT_EQ(click(com1, whole_down), none);
    EXPECT_EQ(click(com1, whole_up), one(event::com1_whole_up));
    set(token::transponder_code, 0x10000);
    EXPECT_EQ(element(atc, 1).text, "1600");
}

// ---------------------------------------------------------------------------------------------
// Collins_ADF: 0 face, 1 window, 2 mode knob, 3 power indicator. Rectangles 3..10 the digits,
// 12..15 the concentric knob, 16 OFF, 17 ADF, 18 TONE.

TEST_F(NorvakRadios, AdfWindowShowsKilohertzWithOneDecimal)
{
    host::Gauge& adf = gauge("Collins_ADF");
    struct Case { int32_t whole, extended; const char* text; };
    for (Case c : {Case{0x345, 0x105, "1345.5"}, {0x345, 0x005, "0345.5"}, {0x099, 0, "099.0"}}) {
        host.sim().set_integer(token::adf_whole, c.whole);
        set(token::adf_extended, c.extended);
        EXPECT_EQ(element(adf, 1).text, c.text);
        EXPECT_TRUE(element(adf, 1).hidden);
    }
}

TEST_F(NorvakRadios, AdfTuningStaysBetween200And1600Kilohertz)
{
    host::Gauge& adf = gauge("Collins_ADF");
    auto         at  = [&](int32_t whole, int32_t extended) {
        host.sim().set_integer(token::adf_whole, whole);
        set(token::adf_extended, extended);
    };
    at(0x501, 0x100);   // 1501
    EXPECT_EQ(click(adf, 3), none);   // unpowered: nothing at all
    click(adf, 17);
    EXPECT_EQ(click(adf, 3), none);
    EXPECT_EQ(click(adf, 5), one(event::adf_tens_up));
    EXPECT_EQ(token(token::adf_whole), 0x511);    // the host turned the tens digit
    at(0x501, 0x100);
    EXPECT_EQ(click(adf, 7), one(event::adf_units_up));
    at(0x501, 0x100);
    EXPECT_EQ(click(adf, 12), one(event::adf_whole_up));
    at(0x600, 0x100);   // 1600: only the down zones
    for (int rect : {3, 5, 7, 9, 12, 14})
        EXPECT_EQ(click(adf, rect), none) << rect;
    EXPECT_EQ(click(adf, 4), one(event::adf_hundreds_down));
    at(0x200, 0);       // 200: tenths down still, units and outer knob down no more
    EXPECT_EQ(click(adf, 10), one(event::adf_tenths_down));
    EXPECT_EQ(token(token::adf_whole), 0x199);    // the host borrowed into the whole part
    EXPECT_EQ(token(token::adf_extended), 9);
    at(0x200, 0);
    EXPECT_EQ(click(adf, 8), none);
    EXPECT_EQ(click(adf, 13), none);
    EXPECT_EQ(click(adf, 15), one(event::adf_tenths_down));
}

TEST_F(NorvakRadios, AdfModeKnobClicksOnlyWhenPowerChanges)
{
    host::Gauge& adf = gauge("Collins_ADF");
    EXPECT_EQ(click(adf, 18), one(event::adf_audio_on));   // OFF -> TONE
    EXPECT_TRUE(played(1));
    EXPECT_EQ(host.sim().number(token::adf_audio), 1);
    EXPECT_EQ(click(adf, 18), none);
    EXPECT_EQ(click(adf, 17), one(event::adf_audio_off));   // TONE -> ADF, silent
    EXPECT_TRUE(played(0));
    EXPECT_EQ(click(adf, 17), none);
    EXPECT_TRUE(played(0));
    EXPECT_EQ(click(adf, 18), one(event::adf_audio_on));   // ADF -> TONE, silent
    EXPECT_TRUE(played(0));
    EXPECT_EQ(click(adf, 16), one(event::adf_audio_off));   // TONE -> OFF
    EXPECT_TRUE(played(1));
    frame();
    EXPECT_EQ(element(adf, 2).frame, 0);
    EXPECT_EQ(element(adf, 3).frame, -1);
    EXPECT_EQ(click(adf, 16), none);
    EXPECT_TRUE(played(0));
}

TEST_F(NorvakRadios, AdfInstallSwitchesAudioOffOnlyWhenItIsOn)
{
    host.sim().set(token::adf_audio, 1);
    size_t       before = mark();
    host::Gauge& first  = host.add_gauge(module, "Collins_ADF");
    EXPECT_EQ(event_ids_since(before), std::vector<uint32_t>{event::adf_audio_off});
    EXPECT_EQ(host.sim().number(token::adf_audio), 0);
    host.remove_gauge(first);   // the head's sound slots are module-wide: one installation at a time
    host.add_gauge(module, "Collins_ADF");
    EXPECT_EQ(event_ids_since(before), std::vector<uint32_t>{event::adf_audio_off});
}

// ---------------------------------------------------------------------------------------------
// Collins_ATC: 0 face, 1 window, 2 mode knob, 3 power indicator. Rectangles 3..10 the digits,
// 12 / 13 the upper pair, 14 / 15 the host's lower pair, 16 off, 17 on.

TEST_F(NorvakRadios, TransponderPairCarriesFromTheHundredsDigitReadAtTheClick)
{
    host::Gauge& atc = gauge("Collins_ATC");
    set(token::transponder_code, 0x0007);
    EXPECT_EQ(element(atc, 1).text, "0007");
    EXPECT_EQ(click(atc, 12), none);
    click(atc, 17);

    set(token::transponder_code, 0x1734);
    EXPECT_EQ(element(atc, 1).text, "1734");
    EXPECT_EQ(click(atc, 12), (Events{{event::transponder_hundreds_up, 0}, {event::transponder_thousands_up, 0}}));
    EXPECT_EQ(token(token::transponder_code), 0x2034);
    set(token::transponder_code, 0x1634);
    EXPECT_EQ(click(atc, 12), one(event::transponder_hundreds_up));
    set(token::transponder_code, 0x1034);
    EXPECT_EQ(click(atc, 13), (Events{{event::transponder_hundreds_down, 0}, {event::transponder_thousands_down, 0}}));
    EXPECT_EQ(token(token::transponder_code), 0x0734);
    set(token::transponder_code, 0x1134);
    EXPECT_EQ(click(atc, 13), one(event::transponder_hundreds_down));

    set(token::transponder_code, 0x1277);   // the host steps the lower pair as one octal number
    EXPECT_EQ(click(atc, 14), one(event::transponder_lower_pair_up));
    EXPECT_EQ(token(token::transponder_code), 0x1200);
    EXPECT_EQ(click(atc, 15), one(event::transponder_lower_pair_down));
    EXPECT_EQ(token(token::transponder_code), 0x1277);
    EXPECT_EQ(click(atc, 3), one(event::transponder_thousands_up));
    EXPECT_EQ(click(atc, 10), one(event::transponder_units_down));
    EXPECT_EQ(token(token::transponder_code), 0x2276);
}

}  // namespace norvak_radios_cases

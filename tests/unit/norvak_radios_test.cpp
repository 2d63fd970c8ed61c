// The water bomber's radio heads (COM, NAV, ADF, transponder) driven through the host, with the
// host's radio systems answering their events.
#include <gtest/gtest.h>

#include <standin_control.h>

#include <utility>
#include <vector>

#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "module_paths.h"

using namespace host;

namespace {

using Events = std::vector<std::pair<uint32_t, uint32_t>>;

// Rectangles of the COM and NAV heads.
constexpr int whole_up = 3, whole_down = 4, fraction_up = 5, fraction_down = 6, switch_off = 12, switch_on = 13;

struct NorvakRadios : ::testing::Test {
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
    // Clicks a rectangle; returns the events it sent and counts the sounds it played.
    Events click(Gauge& g, int rect, size_t* sounds = nullptr)
    {
        size_t      events_before = host.sim().events().size();
        size_t      sounds_before = standin::played_sounds().size();
        ClickResult r             = g.click_rect(rect, MOUSE_LEFTSINGLE);
        EXPECT_TRUE(r.accepted) << g.name() << " rect " << rect << ": " << r.action;
        if (sounds)
            *sounds = standin::played_sounds().size() - sounds_before;
        Events      out;
        const auto& all = host.sim().events();
        for (size_t i = events_before; i < all.size(); ++i)
            out.emplace_back(all[i].id, all[i].value);
        return out;
    }
    void set(Token t, int32_t bcd)
    {
        host.sim().set_integer(t, bcd);
        host.frame(0.05);
    }
    int32_t             token(Token t) { return host.sim().get(t).whole; }
    const ElementState& element(Gauge& g, int i) { return g.elements().at(i); }
    std::string         tooltip(Gauge& g) { return g.tooltip_at(5, 150).value_or("none"); }
};

const Events none;
Events one(uint32_t id) { return {{id, 0}}; }

// ---------------------------------------------------------------------------------------------
// COM and NAV heads: 0 face, 1 window, 2 mode knob, 3 power indicator.

TEST_F(NorvakRadios, ComHeadIsOffAtLoadAndItsSwitchClicksOnlyWhenItChangesPower)
{
    Gauge& com1 = gauge("Collins_COM1");
    set(0x17, 0x2345);
    EXPECT_TRUE(element(com1, 1).hidden);
    EXPECT_EQ(element(com1, 1).text, "123.45");   // formatted while dark
    EXPECT_EQ(element(com1, 2).frame, 1);
    EXPECT_EQ(element(com1, 3).frame, -1);
    for (int rect : {whole_up, whole_down, fraction_up, fraction_down, 8, 9, 10, 11})
        EXPECT_EQ(click(com1, rect), none) << rect;

    size_t sounds = 0;
    EXPECT_EQ(click(com1, switch_off, &sounds), none);
    EXPECT_EQ(sounds, 0u);
    click(com1, switch_on, &sounds);
    EXPECT_EQ(sounds, 1u);
    click(com1, switch_on, &sounds);
    EXPECT_EQ(sounds, 0u);
    host.frame(0.05);
    EXPECT_FALSE(element(com1, 1).hidden);
    EXPECT_EQ(element(com1, 2).frame, 2);
    EXPECT_EQ(element(com1, 3).frame, 0);
    click(com1, switch_off, &sounds);
    EXPECT_EQ(sounds, 1u);
    host.frame(0.05);
    EXPECT_EQ(element(com1, 2).frame, 1);
    EXPECT_TRUE(element(com1, 1).hidden);
}

TEST_F(NorvakRadios, EngineStartPowersEveryHeadWhileTheKnobsStillShowOff)
{
    Gauge& nav1 = gauge("Collins_NAV1");
    Gauge& atc  = gauge("Collins_ATC");
    gauge("Engine_On");
    host.frame(0.05);
    EXPECT_FALSE(element(nav1, 1).hidden);
    EXPECT_EQ(element(nav1, 2).frame, 1);
    EXPECT_EQ(element(atc, 2).frame, 0);
    EXPECT_EQ(element(atc, 3).frame, 0);
    size_t sounds = 0;
    click(nav1, switch_on, &sounds);   // already on: the knob stays at OFF
    EXPECT_EQ(sounds, 0u);
    host.frame(0.05);
    EXPECT_EQ(element(nav1, 2).frame, 1);
}

TEST_F(NorvakRadios, NavHeadsSwitchTheirAudioOffWhenInstalled)
{
    size_t before = host.sim().events().size();
    gauge("Collins_NAV1");
    gauge("Collins_COM2");
    gauge("Collins_NAV2");
    const auto& all = host.sim().events();
    ASSERT_EQ(all.size() - before, 2u);
    EXPECT_EQ(all[before].id, 0x10128u);
    EXPECT_EQ(all[before + 1].id, 0x10129u);
}

TEST_F(NorvakRadios, WholeMhzLimitsAreTestedAgainstTheFrequencyAtTheClick)
{
    Gauge& com1 = gauge("Collins_COM1");
    Gauge& nav2 = gauge("Collins_NAV2");
    gauge("Engine_On");
    set(0x17, 0x1800);
    EXPECT_EQ(click(com1, whole_down), none);
    EXPECT_EQ(tooltip(com1), "Communications Radio COM1 - 118.000 MHz");
    // Between updates: the token moves, the click still sees it.
    host.sim().set_integer(0x17, 0x3550);
    EXPECT_EQ(click(com1, whole_up), none);
    EXPECT_EQ(click(com1, 9), one(0x10064));   // lower left quarter of the knob
    EXPECT_EQ(token(0x17), 0x3450);            // the host stepped it
    EXPECT_EQ(click(com1, whole_up), one(0x10065));

    set(0x1b, 0x1795);
    EXPECT_EQ(element(nav2, 1).text, "117.95");
    EXPECT_EQ(click(nav2, whole_up), none);
    EXPECT_EQ(click(nav2, whole_down), one(0x1006C));
    EXPECT_EQ(click(nav2, fraction_up), one(0x1006F));
    EXPECT_EQ(click(nav2, fraction_down), one(0x1006E));
    set(0x1b, 0x0800);
    EXPECT_EQ(element(nav2, 1).text, "108.00");
    EXPECT_EQ(click(nav2, whole_down), none);
    set(0x1b, 0x1205);
    EXPECT_EQ(tooltip(nav2), "Navigation Radio NAV2 - 112.050 MHz");
}

TEST_F(NorvakRadios, HostStepsTheFractionWithCarryAndWrapsAtTheBandEnds)
{
    Gauge& com2 = gauge("Collins_COM2");
    Gauge& nav1 = gauge("Collins_NAV1");
    gauge("Engine_On");
    set(0x366, 0x2395);
    click(com2, fraction_up);
    EXPECT_EQ(token(0x366), 0x2400);
    click(com2, fraction_down);
    click(com2, fraction_down);
    EXPECT_EQ(token(0x366), 0x2390);
    set(0x366, 0x3600);   // 136.00: the head's limit stops whole up, a fraction step down borrows
    EXPECT_EQ(click(com2, whole_up), none);
    click(com2, fraction_up);
    click(com2, fraction_up);
    EXPECT_EQ(token(0x366), 0x3610);
    set(0x18, 0x1795);    // 117.95 up wraps to the bottom of the band
    click(nav1, fraction_up);
    EXPECT_EQ(token(0x18), 0x0800);
    click(nav1, fraction_down);
    EXPECT_EQ(token(0x18), 0x1795);
}

// A value wider than four digits must not run past the six-character window, and a COM value below
// 0x1000 decodes as 1xx MHz rather than wrapping around.
TEST_F(NorvakRadios, OutOfRangeValuesStayInsideTheWindowAndDecodeSanely)
{
    Gauge& com1 = gauge("Collins_COM1");
    Gauge& atc  = gauge("Collins_ATC");
    gauge("Engine_On");
    set(0x17, 0x123456);
    EXPECT_EQ(element(com1, 1).text, "11234.");
    set(0x17, 0x0800);
    EXPECT_EQ(tooltip(com1), "Communications Radio COM1 - 108.000 MHz");
    EXPECT_EQ(click(com1, whole_down), none);
    EXPECT_EQ(click(com1, whole_up), one(0x10065));
    set(0x26, 0x10000);
    EXPECT_EQ(element(atc, 1).text, "1600");
}

// ---------------------------------------------------------------------------------------------
// Collins_ADF: 0 face, 1 window, 2 mode knob, 3 power indicator. Rectangles 3..10 the digits,
// 12..15 the concentric knob, 16 OFF, 17 ADF, 18 TONE.

TEST_F(NorvakRadios, AdfWindowShowsKilohertzWithOneDecimal)
{
    Gauge& adf = gauge("Collins_ADF");
    struct Case { int32_t whole, extended; const char* text; };
    for (Case c : {Case{0x345, 0x105, "1345.5"}, {0x345, 0x005, "0345.5"}, {0x099, 0, "099.0"}}) {
        host.sim().set_integer(0x10, c.whole);
        set(0x12, c.extended);
        EXPECT_EQ(element(adf, 1).text, c.text);
        EXPECT_TRUE(element(adf, 1).hidden);
    }
}

TEST_F(NorvakRadios, AdfTuningStaysBetween200And1600Kilohertz)
{
    Gauge& adf = gauge("Collins_ADF");
    auto   at  = [&](int32_t whole, int32_t extended) {
        host.sim().set_integer(0x10, whole);
        set(0x12, extended);
    };
    at(0x501, 0x100);   // 1501
    EXPECT_EQ(click(adf, 3), none);   // unpowered: nothing at all
    click(adf, 17);
    EXPECT_EQ(click(adf, 3), none);
    EXPECT_EQ(click(adf, 5), one(0x10071));
    EXPECT_EQ(token(0x10), 0x511);    // the host turned the tens digit
    at(0x501, 0x100);
    EXPECT_EQ(click(adf, 7), one(0x10072));
    at(0x501, 0x100);
    EXPECT_EQ(click(adf, 12), one(0x103EE));
    at(0x600, 0x100);   // 1600: only the down zones
    for (int rect : {3, 5, 7, 9, 12, 14})
        EXPECT_EQ(click(adf, rect), none) << rect;
    EXPECT_EQ(click(adf, 4), one(0x10082));
    at(0x200, 0);       // 200: tenths down still, units and outer knob down no more
    EXPECT_EQ(click(adf, 10), one(0x1039D));
    EXPECT_EQ(token(0x10), 0x199);    // the host borrowed into the whole part
    EXPECT_EQ(token(0x12), 9);
    at(0x200, 0);
    EXPECT_EQ(click(adf, 8), none);
    EXPECT_EQ(click(adf, 13), none);
    EXPECT_EQ(click(adf, 15), one(0x1039D));
}

TEST_F(NorvakRadios, AdfModeKnobClicksOnlyWhenPowerChanges)
{
    Gauge& adf    = gauge("Collins_ADF");
    size_t sounds = 0;
    EXPECT_EQ(click(adf, 18, &sounds), one(0x10131));   // OFF -> TONE
    EXPECT_EQ(sounds, 1u);
    EXPECT_EQ(host.sim().number(0x14), 1);
    EXPECT_EQ(click(adf, 18, &sounds), none);
    EXPECT_EQ(click(adf, 17, &sounds), one(0x1012C));   // TONE -> ADF, silent
    EXPECT_EQ(sounds, 0u);
    EXPECT_EQ(click(adf, 17, &sounds), none);
    EXPECT_EQ(sounds, 0u);
    EXPECT_EQ(click(adf, 18, &sounds), one(0x10131));   // ADF -> TONE, silent
    EXPECT_EQ(sounds, 0u);
    EXPECT_EQ(click(adf, 16, &sounds), one(0x1012C));   // TONE -> OFF
    EXPECT_EQ(sounds, 1u);
    host.frame(0.05);
    EXPECT_EQ(element(adf, 2).frame, 0);
    EXPECT_EQ(element(adf, 3).frame, -1);
    EXPECT_EQ(click(adf, 16, &sounds), none);
    EXPECT_EQ(sounds, 0u);
}

TEST_F(NorvakRadios, AdfInstallSwitchesAudioOffOnlyWhenItIsOn)
{
    host.sim().set(0x14, 1);
    size_t before = host.sim().events().size();
    Gauge& first = host.add_gauge(norvak, "Collins_ADF");
    ASSERT_EQ(host.sim().events().size(), before + 1);
    EXPECT_EQ(host.sim().events().back().id, 0x1012Cu);
    EXPECT_EQ(host.sim().number(0x14), 0);
    host.remove_gauge(first);   // the head's sound slots are module-wide: one installation at a time
    host.add_gauge(norvak, "Collins_ADF");
    EXPECT_EQ(host.sim().events().size(), before + 1);
}

// ---------------------------------------------------------------------------------------------
// Collins_ATC: 0 face, 1 window, 2 mode knob, 3 power indicator. Rectangles 3..10 the digits,
// 12 / 13 the upper pair, 14 / 15 the host's lower pair, 16 off, 17 on.

TEST_F(NorvakRadios, TransponderPairCarriesFromTheHundredsDigitReadAtTheClick)
{
    Gauge& atc = gauge("Collins_ATC");
    set(0x26, 0x0007);
    EXPECT_EQ(element(atc, 1).text, "0007");
    EXPECT_EQ(click(atc, 12), none);
    click(atc, 17);

    set(0x26, 0x1734);
    EXPECT_EQ(click(atc, 12), (Events{{0x10074, 0}, {0x10073, 0}}));
    EXPECT_EQ(token(0x26), 0x2034);
    set(0x26, 0x1634);
    EXPECT_EQ(click(atc, 12), one(0x10074));
    set(0x26, 0x1034);
    EXPECT_EQ(click(atc, 13), (Events{{0x10398, 0}, {0x10397, 0}}));
    EXPECT_EQ(token(0x26), 0x0734);
    set(0x26, 0x1134);
    EXPECT_EQ(click(atc, 13), one(0x10398));

    set(0x26, 0x1277);   // the host steps the lower pair as one octal number
    EXPECT_EQ(click(atc, 14), one(0x1039C));
    EXPECT_EQ(token(0x26), 0x1200);
    EXPECT_EQ(click(atc, 15), one(0x1039B));
    EXPECT_EQ(token(0x26), 0x1277);
    EXPECT_EQ(click(atc, 3), one(0x10073));
    EXPECT_EQ(click(atc, 10), one(0x1039A));
    EXPECT_EQ(token(0x26), 0x2276);
}

}  // namespace

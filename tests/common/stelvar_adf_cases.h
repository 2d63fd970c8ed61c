// The attack aircraft's ADF radio on both builds: the band chosen at installation from the host's
// frequency, the band zones and the receiver settings they send (the band edges packed into BCD),
// the crank's limits per band and button, the power and volume switches with the audio events of
// every update, and the frequency window. Also the digit-base converter itself.
#pragma once

#include <climits>
#include <vector>

#include "common/numeric.h"
#include "tests/common/panel_fixture.h"

namespace stelvar_adf_cases {

using namespace panel_fixture;

// Element indices and rectangles of Radio_ADF.
enum AdfElement { pointer = 1, window = 3, crank = 4, band_knob = 5, drum = 6, volume_knob = 7, lamp = 8,
                  power_switch = 9 };
enum AdfRect { power_rect = 2, volume_rect, band_down, band_up, tune_down, tune_up };

TEST(RebaseDigits, RewritesDigitsBetweenBasesAndRejectsBasesWithoutDigits)
{
    EXPECT_EQ(rebase_digits(4100, 10, 16), 0x4100u);
    EXPECT_EQ(rebase_digits(8500, 10, 16), 0x8500u);
    EXPECT_EQ(rebase_digits(0, 10, 16), 0u);
    EXPECT_EQ(rebase_digits(0x4100, 16, 10), 4100u);
    EXPECT_EQ(rebase_digits(5, 2, 10), 101u);
    EXPECT_EQ(rebase_digits(255, 10, 8), 0255u);
    // Past the signed range: 80000000 and up pack into words above 0x7FFFFFFF.
    EXPECT_EQ(rebase_digits(99999999, 10, 16), 0x99999999u);
    EXPECT_GT(rebase_digits(80000000, 10, 16), static_cast<unsigned>(INT_MAX));
    // Base 0 would divide by zero, base 1 would never end; no output base below 2 holds a digit.
    for (unsigned b : {0u, 1u})
        EXPECT_EQ(rebase_digits(4100, b, 16), 0u) << b;
    for (int c : {1, 0, -16})
        EXPECT_EQ(rebase_digits(4100, 10, c), 0u) << c;
}

struct AttackAdf : StelvarPanel {
    host::Gauge* adf = nullptr;

    // Tunes the host to whole kHz (three BCD digits and the thousands) and tenths.
    void set_frequency(int khz, int tenths)
    {
        const int h = khz % 1000;
        host.sim().set_integer(token::adf_whole, (h / 100) << 8 | (h / 10 % 10) << 4 | h % 10);
        host.sim().set_integer(token::adf_extended, (khz >= 1000 ? 256 : 0) + tenths);
    }
    // Installs the radio on a frequency, switched on with the volume on.
    host::Gauge& install(int khz, int tenths)
    {
        if (adf)
            host.remove_gauge(*adf);
        set_frequency(khz, tenths);
        adf = &add("Radio_ADF");
        frame();
        if (element(lamp).frame < 0)
            adf->click_rect(power_rect, left);
        if (element(volume_knob).frame == 0)
            adf->click_rect(volume_rect, left);
        frame();
        return *adf;
    }
    // Tunes and runs a frame, so that the pointer has read the new frequency.
    void retune(int khz, int tenths)
    {
        set_frequency(khz, tenths);
        frame();
    }
    const host::ElementState& element(int index) { return adf->elements().at(index); }
    Events                    press(int rect, uint32_t button = left) { return click(*adf, rect, button); }
};

TEST_F(AttackAdf, ARadioOfAFreshModuleIsOnWithItsVolumeUp)
{
    set_frequency(1000, 0);
    adf = &add("Radio_ADF");
    EXPECT_EQ(frame(), (Events{{event::adf_audio_on, 0}, {event::adf_audio_on, 0}}));
    EXPECT_EQ(element(lamp).frame, 0);
    EXPECT_EQ(element(window).text, "1000.0");
}

TEST_F(AttackAdf, InstallationChoosesTheBandOfTheHostFrequency)
{
    struct Case { int khz, tenths; double band, dial, drum_angle; const char* text; };
    for (Case c : {Case{1000, 0, 3.0, 45.0, -180.0, "1000.0"}, {345, 5, 1.0, 72.75, 0.0, "0345.5"},
                   {410, 0, 1.0, 105.0, 0.0, "0410.0"}, {410, 5, 2.0, 0.2, -90.0, "0410.5"},
                   {850, 5, 3.0, 0.15, -180.0, "0850.5"}, {1749, 9, 3.0, 269.97, -180.0, "1749.9"}}) {
        install(c.khz, c.tenths);
        EXPECT_EQ(element(band_knob).value[0], c.band) << c.text;
        EXPECT_DOUBLE_EQ(element(pointer).value[0], c.dial) << c.text;
        EXPECT_EQ(element(drum).value[2], c.drum_angle) << c.text;
        EXPECT_EQ(element(window).text, c.text);
    }
}

TEST_F(AttackAdf, BandZonesRetuneToTheEdgeOfTheNewBandAndStopAtTheEnds)
{
    install(300, 0);
    EXPECT_EQ(press(band_down), Events{});
    EXPECT_TRUE(played(0));
    EXPECT_EQ(press(band_up), one(event::adf_set, 0x4100));
    EXPECT_TRUE(played(1));
    frame();
    EXPECT_EQ(element(window).text, "0410.0");
    EXPECT_EQ(element(band_knob).value[0], 2.0);
    EXPECT_EQ(element(pointer).value[0], 0.0);
    EXPECT_EQ(press(band_up), one(event::adf_set, 0x8500));
    frame();
    EXPECT_EQ(element(drum).value[2], -180.0);
    EXPECT_EQ(press(band_up), Events{});
    EXPECT_TRUE(played(0));

    EXPECT_EQ(press(band_down), one(event::adf_set, 0x8500));
    frame();
    EXPECT_EQ(element(window).text, "0850.0");
    EXPECT_EQ(element(pointer).value[0], 176.0);   // the top of band 2
    EXPECT_EQ(press(band_down), one(event::adf_set, 0x4100));
    frame();
    EXPECT_EQ(element(pointer).value[0], 105.0);   // the top of band 1
    EXPECT_EQ(element(band_knob).value[0], 1.0);
}

TEST_F(AttackAdf, TheCrankStepsFiveTimesAndNeverLeavesTheBand)
{
    const Events coarse_up(5, {event::adf_whole_up, 0}), coarse_down(5, {event::adf_whole_down, 0});
    const Events fine_up(5, {event::adf_tenths_up, 0}), fine_down(5, {event::adf_tenths_down, 0});
    struct Case { int khz, tenths, rect; uint32_t button; Events sent; double crank; };
    // Each band's cases start from the band the previous zone click left (1, then 2, then 3).
    const std::vector<std::vector<Case>> bands = {
        {{405, 0, tune_up, left, coarse_up, 5}, {405, 5, tune_up, left, {}, 0}, {405, 5, tune_up, right, fine_up, 1},
         {409, 5, tune_up, right, fine_up, 1}, {410, 0, tune_up, right, {}, 0},
         {405, 5, tune_up, both_buttons, {}, 0},   // the left button wins even when its limit fails
         {205, 0, tune_down, left, coarse_down, -5}, {204, 5, tune_down, left, {}, 0},
         {200, 5, tune_down, right, fine_down, -1}, {200, 0, tune_down, right, {}, 0}},
        {{845, 0, tune_up, left, coarse_up, 5}, {845, 5, tune_up, left, {}, 0}, {849, 5, tune_up, right, fine_up, 1},
         {850, 0, tune_up, right, {}, 0}, {415, 0, tune_down, left, coarse_down, -5},
         {414, 5, tune_down, left, {}, 0}, {410, 5, tune_down, right, fine_down, -1}, {410, 0, tune_down, right, {}, 0}},
        {{1745, 0, tune_up, left, coarse_up, 5}, {1745, 5, tune_up, left, {}, 0},
         {1749, 5, tune_up, right, fine_up, 1}, {1750, 0, tune_up, right, {}, 0},
         {855, 0, tune_down, left, coarse_down, -5}, {854, 5, tune_down, left, {}, 0},
         {850, 5, tune_down, right, fine_down, -1}, {850, 0, tune_down, right, {}, 0}},
    };
    install(300, 0);
    for (size_t b = 0; b < bands.size(); ++b) {
        if (b > 0)
            press(band_up);
        for (const Case& c : bands[b]) {
            retune(c.khz, c.tenths);
            double crank_before = element(crank).value[0];
            EXPECT_EQ(press(c.rect, c.button), c.sent) << "band " << b + 1 << " at " << c.khz << "." << c.tenths;
            frame();
            EXPECT_EQ(element(crank).value[0] - crank_before, c.crank) << c.khz << "." << c.tenths;
        }
    }
}

TEST_F(AttackAdf, PowerAndVolumeDecideTheAudioEventsAndPowerOffFreezesTheSet)
{
    install(345, 5);
    const Events on_twice = {{event::adf_audio_on, 0}, {event::adf_audio_on, 0}};
    EXPECT_EQ(frame(), on_twice);

    EXPECT_EQ(press(volume_rect), Events{});
    EXPECT_TRUE(played(1));
    EXPECT_EQ(frame(), one(event::adf_audio_off));   // volume off, power on
    EXPECT_EQ(element(volume_knob).frame, 0);

    EXPECT_EQ(press(power_rect), Events{});
    EXPECT_TRUE(played(1));
    EXPECT_EQ(frame(), (Events{{event::adf_audio_off, 0}, {event::adf_audio_off, 0}}));   // both off
    press(volume_rect);
    EXPECT_EQ(frame(), one(event::adf_audio_off));   // power off, volume on: the switch alone
    EXPECT_EQ(element(power_switch).frame, 0);
    EXPECT_EQ(element(lamp).frame, -1);
    EXPECT_EQ(element(window).text, "      ");

    // Off: the pointer stays, no zone tunes or changes band.
    const double frozen = element(pointer).value[0];
    retune(300, 0);
    EXPECT_EQ(element(pointer).value[0], frozen);
    for (int rect : {band_down, band_up, tune_down, tune_up})
        EXPECT_EQ(press(rect), Events{}) << rect;
    EXPECT_EQ(press(tune_up, right), Events{});
    EXPECT_EQ(press(tune_down, right), Events{});
    EXPECT_EQ(element(band_knob).value[0], 1.0);

    press(power_rect);
    EXPECT_EQ(frame(), on_twice);
    EXPECT_EQ(element(lamp).frame, 0);
    EXPECT_EQ(element(pointer).value[0], 50.0);   // follows the frequency again
    EXPECT_EQ(element(window).text, "0300.0");
}

// A tenths token far outside the BCD range makes a long number; the window keeps to its six
// characters and the host's buffer.
TEST_F(AttackAdf, TheWindowNeverWritesPastItsCharacters)
{
    install(345, 5);
    host.sim().set_integer(token::adf_extended, 0x7FFFFFFF);
    frame();
    EXPECT_EQ(element(window).text, "214749");   // 1000 + 345 + 214748339.1
}

}  // namespace stelvar_adf_cases

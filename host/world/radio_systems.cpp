// The radios' answers to the heads' key events. The heads only ask for a step; the host owns the
// steps, the carries between the fraction and the whole part, and the wrap-around at band ends.
#include "host/world/radio_systems.h"

namespace host {

int bcd_to_int(uint32_t bcd)
{
    int value = 0;
    for (int shift = 28; shift >= 0; shift -= 4)
        value = value * 10 + static_cast<int>((bcd >> shift) & 0xF);
    return value;
}

uint32_t int_to_bcd(int value)
{
    uint32_t bcd = 0;
    for (int shift = 0; value > 0 && shift < 32; shift += 4, value /= 10)   // eight digits fit
        bcd |= static_cast<uint32_t>(value % 10) << shift;
    return bcd;
}

namespace {

int wrap(int value, int low, int high) { return low + ((value - low) % (high - low + 1) + (high - low + 1)) % (high - low + 1); }

struct FrequencyRadio {
    Token    token;
    int      band_low, band_high;
    uint32_t whole_up, whole_down, fraction_up, fraction_down;
};

constexpr FrequencyRadio frequency_radios[] = {
    {token::com1_frequency, com_band_low, com_band_high, event::com1_whole_up, event::com1_whole_down, event::com1_fraction_up, event::com1_fraction_down},
    {token::com2_frequency, com_band_low, com_band_high, event::com2_whole_up, event::com2_whole_down, event::com2_fraction_up, event::com2_fraction_down},
    {token::nav1_frequency, nav_band_low, nav_band_high, event::nav1_whole_up, event::nav1_whole_down, event::nav1_fraction_up, event::nav1_fraction_down},
    {token::nav2_frequency, nav_band_low, nav_band_high, event::nav2_whole_up, event::nav2_whole_down, event::nav2_fraction_up, event::nav2_fraction_down},
};

// A COM or NAV frequency in hundredths of MHz, from and to its token (no leading 1 in the token).
int frequency_of(const SimState& sim, Token token)
{
    return 10000 + bcd_to_int(static_cast<uint32_t>(sim.get(token).whole) & 0xFFFF);
}

void set_frequency(SimState& sim, const FrequencyRadio& r, int whole, int hundredths)
{
    whole = wrap(whole, r.band_low, r.band_high);
    sim.set_integer(r.token, static_cast<int32_t>(int_to_bcd((whole - 100) * 100 + hundredths)));
}

void step_whole(SimState& sim, const FrequencyRadio& r, int step)
{
    int f = frequency_of(sim, r.token);
    set_frequency(sim, r, f / 100 + step, f % 100);
}

// The fraction carries into the whole part: 123.95 up is 124.00.
void step_fraction(SimState& sim, const FrequencyRadio& r, int step)
{
    int f = frequency_of(sim, r.token) + step;
    set_frequency(sim, r, f / 100, f % 100);
}

// Transponder digits run 0 to 7; digit 3 is the thousands, 0 the units.
int transponder_digit(const SimState& sim, int digit)
{
    return static_cast<int>((static_cast<uint32_t>(sim.get(token::transponder_code).whole) >> (4 * digit)) & 0xF);
}

void set_transponder_digit(SimState& sim, int digit, int value)
{
    auto code = static_cast<uint32_t>(sim.get(token::transponder_code).whole) & 0xFFFF;
    code      = (code & ~(0xFu << (4 * digit))) | (static_cast<uint32_t>(wrap(value, 0, 7)) << (4 * digit));
    sim.set_integer(token::transponder_code, static_cast<int32_t>(code));
}

// The lower pair (tens and units) steps as one number 00 to 77 in base 8.
void step_lower_pair(SimState& sim, int step)
{
    int pair = wrap(transponder_digit(sim, 1) * 8 + transponder_digit(sim, 0) + step, 0, 63);
    set_transponder_digit(sim, 1, pair / 8);
    set_transponder_digit(sim, 0, pair % 8);
}

// The ADF frequency in tenths of kHz.
int adf_frequency(const SimState& sim)
{
    auto whole    = static_cast<uint32_t>(sim.get(token::adf_whole).whole) & 0xFFF;
    auto extended = static_cast<uint32_t>(sim.get(token::adf_extended).whole);
    int  thousand = extended >= 256 ? 1 : 0;
    int  tenths   = static_cast<int>(extended >= 256 ? extended - 256 : extended) % 10;
    return (thousand * 1000 + bcd_to_int(whole)) * 10 + tenths;
}

// Whole-kHz and tenths steps carry and wrap within the band.
void step_adf(SimState& sim, int tenths_step)
{
    const int low = adf_band_low * 10, high = adf_band_high * 10 + 9;
    set_adf_frequency(sim, wrap(adf_frequency(sim) + tenths_step, low, high));
}

// The digit events turn one digit of the window, 9 to 0 and back, without carry.
void step_adf_digit(SimState& sim, int place, int step)
{
    int f     = adf_frequency(sim);
    int digit = f / (place * 10) % 10;
    set_adf_frequency(sim, f + (wrap(digit + step, 0, 9) - digit) * place * 10);
}

}  // namespace

void set_adf_frequency(SimState& sim, int tenths_of_khz)
{
    int khz = tenths_of_khz / 10;
    sim.set_integer(token::adf_whole, static_cast<int32_t>(int_to_bcd(khz % 1000)));
    sim.set_integer(token::adf_extended, (khz >= 1000 ? 256 : 0) + tenths_of_khz % 10);
}

void install_radio_systems(PanelHost& host)
{
    SimState& sim = host.sim();
    for (Token t : {token::com1_frequency, token::com2_frequency, token::nav1_frequency, token::nav2_frequency,
                    token::transponder_code, token::adf_whole, token::adf_extended, token::adf_active})
        sim.declare_integer(t);

    for (const FrequencyRadio& r : frequency_radios) {
        sim.on_event(r.whole_up, [r](SimState& s, const KeyEvent&) { step_whole(s, r, 1); });
        sim.on_event(r.whole_down, [r](SimState& s, const KeyEvent&) { step_whole(s, r, -1); });
        sim.on_event(r.fraction_up, [r](SimState& s, const KeyEvent&) { step_fraction(s, r, fraction_step); });
        sim.on_event(r.fraction_down, [r](SimState& s, const KeyEvent&) { step_fraction(s, r, -fraction_step); });
    }

    struct DigitEvents {
        int      digit;
        uint32_t up, down;
    };
    for (DigitEvents d : {DigitEvents{3, event::transponder_thousands_up, event::transponder_thousands_down}, DigitEvents{2, event::transponder_hundreds_up, event::transponder_hundreds_down},
                          DigitEvents{1, event::transponder_tens_up, event::transponder_tens_down}, DigitEvents{0, event::transponder_units_up, event::transponder_units_down}}) {
        sim.on_event(d.up, [d](SimState& s, const KeyEvent&) {
            set_transponder_digit(s, d.digit, transponder_digit(s, d.digit) + 1);
        });
        sim.on_event(d.down, [d](SimState& s, const KeyEvent&) {
            set_transponder_digit(s, d.digit, transponder_digit(s, d.digit) - 1);
        });
    }
    sim.on_event(event::transponder_lower_pair_up, [](SimState& s, const KeyEvent&) { step_lower_pair(s, 1); });
    sim.on_event(event::transponder_lower_pair_down, [](SimState& s, const KeyEvent&) { step_lower_pair(s, -1); });

    struct AdfStep {
        uint32_t event;
        int      place;   // kHz of the digit, 0 for the tenths
        int      step;
    };
    for (AdfStep a : {AdfStep{event::adf_hundreds_up, 100, 1}, AdfStep{event::adf_hundreds_down, 100, -1}, AdfStep{event::adf_tens_up, 10, 1},
                      AdfStep{event::adf_tens_down, 10, -1}, AdfStep{event::adf_units_up, 1, 1}, AdfStep{event::adf_units_down, 1, -1}})
        sim.on_event(a.event, [a](SimState& s, const KeyEvent&) { step_adf_digit(s, a.place, a.step); });
    sim.on_event(event::adf_whole_up, [](SimState& s, const KeyEvent&) { step_adf(s, 10); });
    sim.on_event(event::adf_whole_down, [](SimState& s, const KeyEvent&) { step_adf(s, -10); });
    sim.on_event(event::adf_tenths_up, [](SimState& s, const KeyEvent&) { step_adf(s, 1); });
    sim.on_event(event::adf_tenths_down, [](SimState& s, const KeyEvent&) { step_adf(s, -1); });
    sim.on_event(event::adf_audio_on, [](SimState& s, const KeyEvent&) { s.set(token::adf_audio, 1); });
    sim.on_event(event::adf_audio_off, [](SimState& s, const KeyEvent&) { s.set(token::adf_audio, 0); });
}

}  // namespace host

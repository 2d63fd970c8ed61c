// Radio_NAV1 and Radio_NAV2: the two navigation receivers, which are twins. Each is one row of the
// table below, from which nav_radio() writes its records; the callbacks they share find their radio
// from the gauge the host hands them.
#include <cmath>

#include "common/element_text.h"
#include "common/radio_decoders.h"
#include "nav_radio.h"
#include "radio_power.h"

constinit NavRadio radio_nav1 = nav_radio<radio_nav1>({
    .name = "Radio_NAV1", .face = 1000, .frequency_token = token::nav1_frequency,
    .power = &radio_nav1_power, .volume = &radio_nav1_volume,
    .whole_up = event::nav1_whole_up, .whole_down = event::nav1_whole_down,
    .fraction_up = event::nav1_fraction_up, .fraction_down = event::nav1_fraction_down,
    .audio_on = event::nav1_audio_on, .audio_off = event::nav1_audio_off,
    .failure_key = 14, .tooltip = "Navigation Radio NAV1 - %1!07.3f! MHz",
});
constinit NavRadio radio_nav2 = nav_radio<radio_nav2>({
    .name = "Radio_NAV2", .face = 1100, .frequency_token = token::nav2_frequency,
    .power = &radio_nav2_power, .volume = &radio_nav2_volume,
    .whole_up = event::nav2_whole_up, .whole_down = event::nav2_whole_down,
    .fraction_up = event::nav2_fraction_up, .fraction_down = event::nav2_fraction_down,
    .audio_on = event::nav2_audio_on, .audio_off = event::nav2_audio_off,
    .failure_key = 15, .tooltip = "Navigation Radio NAV2 - %1!07.3f! MHz",
});

static NavRadio* const nav_radios[] = {&radio_nav1, &radio_nav2};

// The radio whose records hold gauge, or null for a gauge that is not one of them.
static NavRadio* radio_of(const GaugeHeader* gauge)
{
    for (NavRadio* radio : nav_radios)
        if (&radio->header == gauge)
            return radio;
    return nullptr;
}
static NavRadio* radio_of(const ElementHeader* element) { return radio_of(element->gauge); }
static NavRadio* radio_of(const MouseClick* click) { return click ? radio_of(click->gauge) : nullptr; }

static bool powered(const NavRadio& r) { return *r.row.power != 0; }

void GAUGE_CALL nav_radio_callback(GaugeHeader* gauge, int32_t service_id, HostWord extra)
{
    NavRadio* r = radio_of(gauge);
    if (r == nullptr)
        return;
    click_sound_service(r->state.sound, service_id, extra, radio_click_wave);
    if (service_id == service_pre_update) {
        r->state.whole_mhz = decode_nav_whole_mhz(r->row.frequency_token);
        r->state.fraction  = decode_bcd_fraction(r->row.frequency_token);
    }
}

// Every drum and the leading 1 follow the power flag in their drawing option; each shows the digit
// of the frequency last decoded.
static double drum(ElementHeader* element, double (*digit)(const NavRadioState& s))
{
    const NavRadio* r = radio_of(element);
    if (r == nullptr)
        return 0.0;
    set_drum_powered(element, powered(*r));
    return digit(r->state);
}

double GAUGE_CALL nav_hundredths_drum(ElementHeader* element)
{
    return drum(element, [](const NavRadioState& s) { return s.fraction - 10.0 * std::floor(s.fraction / 10.0); });
}
double GAUGE_CALL nav_tenths_drum(ElementHeader* element)
{
    return drum(element, [](const NavRadioState& s) { return std::floor(s.fraction / 10.0); });
}
double GAUGE_CALL nav_units_drum(ElementHeader* element)
{
    return drum(element, [](const NavRadioState& s) { return s.whole_mhz - 10.0 * std::floor(s.whole_mhz / 10.0); });
}
double GAUGE_CALL nav_tens_drum(ElementHeader* element)
{
    return drum(element, [](const NavRadioState& s) { return std::floor(std::fmod(s.whole_mhz, 100.0) / 10.0); });
}
double GAUGE_CALL nav_leading_one(ElementHeader* element)
{
    return drum(element, [](const NavRadioState&) { return 0.0; });
}

double GAUGE_CALL nav_fraction_knob(ElementHeader* element)
{
    const NavRadio* r = radio_of(element);
    return r ? r->state.fraction : 0.0;
}
double GAUGE_CALL nav_whole_knob(ElementHeader* element)
{
    const NavRadio* r = radio_of(element);
    return r ? r->state.whole_mhz : 0.0;
}

// Between them the two switch pictures send audio-on exactly while powered with VOL on, and
// audio-off in every other state, at every update.
double GAUGE_CALL nav_power_switch(ElementHeader* element)
{
    const NavRadio* r = radio_of(element);
    if (r == nullptr)
        return 0.0;
    if (!powered(*r))
        trigger_key_event(r->row.audio_off, 0);
    else if (*r->row.volume != 0)
        trigger_key_event(r->row.audio_on, 0);
    return powered(*r) ? 1.0 : 0.0;
}

double GAUGE_CALL nav_volume_knob(ElementHeader* element)
{
    const NavRadio* r = radio_of(element);
    if (r == nullptr)
        return 0.0;
    if (*r->row.volume != 0) {
        if (powered(*r))
            trigger_key_event(r->row.audio_on, 0);
        return 1.0;
    }
    trigger_key_event(r->row.audio_off, 0);
    return 0.0;
}

double GAUGE_CALL nav_power_indicator(ElementHeader* element)
{
    const NavRadio* r = radio_of(element);
    return r && powered(*r) ? 0.0 : -1.0;
}

// The knobs refresh the part they tune before testing it.
int32_t GAUGE_CALL nav_whole_up(MouseClick* click, uint32_t)
{
    if (NavRadio* r = radio_of(click)) {
        r->state.whole_mhz = decode_nav_whole_mhz(r->row.frequency_token);
        if (r->state.whole_mhz < 117.0 && powered(*r))
            trigger_key_event(r->row.whole_up, 0);
    }
    return 0;
}

int32_t GAUGE_CALL nav_whole_down(MouseClick* click, uint32_t)
{
    if (NavRadio* r = radio_of(click)) {
        r->state.whole_mhz = decode_nav_whole_mhz(r->row.frequency_token);
        if (r->state.whole_mhz > 108.0 && powered(*r))
            trigger_key_event(r->row.whole_down, 0);
    }
    return 0;
}

static void step_fraction(MouseClick* click, bool up)
{
    if (NavRadio* r = radio_of(click)) {
        r->state.fraction = decode_bcd_fraction(r->row.frequency_token);
        if (powered(*r))
            trigger_key_event(up ? r->row.fraction_up : r->row.fraction_down, 0);
    }
}

int32_t GAUGE_CALL nav_fraction_up(MouseClick* click, uint32_t)
{
    step_fraction(click, true);
    return 0;
}

int32_t GAUGE_CALL nav_fraction_down(MouseClick* click, uint32_t)
{
    step_fraction(click, false);
    return 0;
}

// Switching off also tells the host to silence the receiver at once.
int32_t GAUGE_CALL nav_power_toggle(MouseClick* click, uint32_t)
{
    if (NavRadio* r = radio_of(click)) {
        flip_and_click(*r->row.power, r->state.sound);
        if (!powered(*r))
            trigger_key_event(r->row.audio_off, 0);
    }
    return 0;
}

// The VOL knob has an off half and an on half; each clicks only when it changes the knob.
static void set_volume(MouseClick* click, int32_t on)
{
    NavRadio* r = radio_of(click);
    if (r != nullptr && *r->row.volume != on) {
        *r->row.volume = on;
        play_click(r->state.sound);
    }
}

int32_t GAUGE_CALL nav_volume_off(MouseClick* click, uint32_t)
{
    set_volume(click, 0);
    return 0;
}

int32_t GAUGE_CALL nav_volume_on(MouseClick* click, uint32_t)
{
    set_volume(click, 1);
    return 0;
}

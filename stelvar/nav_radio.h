// What Radio_NAV1 and Radio_NAV2 share: the frequency cache, the digit drums whose drawing option
// 0x4000 is on only while the radio is powered, the knobs that tune only while powered, the power
// and VOL switches, and the audio events both switch pictures send at every update.
//
// Each gauge keeps one NavRadio with its token, flags and events, and passes it to these steps from
// its own callbacks.
#pragma once

#include <cmath>

#include "click_waves.h"
#include "common/radio_decoders.h"

struct NavRadio {
    uint32_t   frequency_token;   // packed BCD without the leading 1
    int32_t*   power;             // module-wide flags (radio_power.h)
    int32_t*   volume;
    uint32_t   whole_up, whole_down, fraction_up, fraction_down;
    uint32_t   audio_on, audio_off;
    double     whole_mhz;         // 108 .. 117, cached at every pre-update and by the knobs
    double     fraction;          // 0 .. 99
    ClickSound sound;
};

constexpr uint32_t nav_drum_powered_option = 0x4000;

inline void nav_service(NavRadio& r, int32_t service_id, HostWord extra)
{
    click_sound_service(r.sound, service_id, extra, radio_click_wave);
    if (service_id == service_pre_update) {
        r.whole_mhz = decode_nav_whole_mhz(r.frequency_token);
        r.fraction  = decode_bcd_fraction(r.frequency_token);
    }
}

// Every drum and the leading 1: the powered option follows the power flag, and bit 0x80000000 is
// cleared at each update. Returns the digit unchanged.
inline double nav_drum(const NavRadio& r, ElementHeader* element, double digit)
{
    if (*r.power != 0)
        element->image_flags |= nav_drum_powered_option;
    else
        element->image_flags &= ~nav_drum_powered_option;
    element->image_flags &= ~IMAGE_FLAGS_NO_TRANSPARENCY_BIT;
    return digit;
}

inline double nav_hundredths(const NavRadio& r) { return r.fraction - 10.0 * std::floor(r.fraction / 10.0); }
inline double nav_tenths(const NavRadio& r) { return std::floor(r.fraction / 10.0); }
inline double nav_units(const NavRadio& r) { return r.whole_mhz - 10.0 * std::floor(r.whole_mhz / 10.0); }
inline double nav_tens(const NavRadio& r) { return std::floor(std::fmod(r.whole_mhz, 100.0) / 10.0); }

inline double nav_tooltip(const NavRadio& r) { return r.whole_mhz + r.fraction / 100.0; }

// The click actions; each returns the mouse callback's 0. The knobs refresh the part they tune
// before testing it.
inline int32_t nav_whole_up(NavRadio& r)
{
    r.whole_mhz = decode_nav_whole_mhz(r.frequency_token);
    if (r.whole_mhz < 117.0 && *r.power != 0)
        trigger_key_event(r.whole_up, 0);
    return 0;
}

inline int32_t nav_whole_down(NavRadio& r)
{
    r.whole_mhz = decode_nav_whole_mhz(r.frequency_token);
    if (r.whole_mhz > 108.0 && *r.power != 0)
        trigger_key_event(r.whole_down, 0);
    return 0;
}

inline int32_t nav_fraction_step(NavRadio& r, uint32_t event_id)
{
    r.fraction = decode_bcd_fraction(r.frequency_token);
    if (*r.power != 0)
        trigger_key_event(event_id, 0);
    return 0;
}

// Switching off also tells the host to silence the receiver at once.
inline int32_t nav_power_toggle(NavRadio& r)
{
    *r.power = *r.power != 0 ? 0 : 1;
    play_click(r.sound);
    if (*r.power == 0)
        trigger_key_event(r.audio_off, 0);
    return 0;
}

// The VOL knob has an off half and an on half; each clicks only when it changes the knob.
inline int32_t nav_volume_set(NavRadio& r, int32_t on)
{
    if (*r.volume != on) {
        *r.volume = on;
        play_click(r.sound);
    }
    return 0;
}

// Between them the two switch pictures send audio-on exactly while powered with VOL on, and
// audio-off in every other state, at every update.
inline double nav_power_switch_icon(const NavRadio& r)
{
    if (*r.power == 0)
        trigger_key_event(r.audio_off, 0);
    else if (*r.volume != 0)
        trigger_key_event(r.audio_on, 0);
    return *r.power != 0 ? 1.0 : 0.0;
}

inline double nav_volume_icon(const NavRadio& r)
{
    if (*r.volume != 0) {
        if (*r.power != 0)
            trigger_key_event(r.audio_on, 0);
        return 1.0;
    }
    trigger_key_event(r.audio_off, 0);
    return 0.0;
}

inline double nav_power_indicator(const NavRadio& r) { return *r.power != 0 ? 0.0 : -1.0; }

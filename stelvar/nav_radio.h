// Radio_NAV1 and Radio_NAV2 are twins: one NavRadioRow says what differs, and one builder writes
// all the records of a radio from its row (radio_nav.cpp holds the builder, the two rows and the
// callbacks they share).
//
// A radio's frequency shows on scrolling drums that the host draws luminous only while the radio is
// powered; the whole-MHz and fraction knobs tune only while powered. The power toggle and the VOL
// knob decide the receiver's audio, which the switch pictures re-assert to the host at every update.
#pragma once

#include "click_waves.h"
#include "frame/module.h"

// What differs between the two radios.
struct NavRadioRow {
    const char* name;
    uint32_t    face;               // bitmap
    uint32_t    frequency_token;    // packed BCD without the leading 1
    int32_t*    power;              // module-wide flags (radio_power.h)
    int32_t*    volume;
    uint32_t    whole_up, whole_down, fraction_up, fraction_down;
    uint32_t    audio_on, audio_off;
    uint32_t    failure_key;        // the receiver's failure, on every drum, the VOL knob and the indicator
    const char* tooltip;
};

struct NavRadioState {
    double     whole_mhz;           // 108 .. 117, cached at every pre-update and by the knobs
    double     fraction;            // 0 .. 99
    ClickSound sound;
};

// A radio: its row, its records (in the order of the element chain) and its state.
struct NavRadio {
    NavRadioRow       row;
    GaugeHeader       header;
    StaticImage       face;
    MovingImage       hundredths, tenths, units, tens;
    Icon              leading;
    Needle            fraction, whole;
    Icon              volume, power, indicator;
    ElementHeader*    elements[2];
    ElementHeader*    face_next[2];
    ElementHeader*    hundredths_next[2];
    ElementHeader*    tenths_next[2];
    ElementHeader*    units_next[2];
    ElementHeader*    tens_next[2];
    ElementHeader*    leading_next[2];
    ElementHeader*    fraction_knob_next[2];
    ElementHeader*    whole_knob_next[2];
    ElementHeader*    volume_next[2];
    ElementHeader*    power_next[2];
    NonlinearityEntry fraction_table[2];
    NonlinearityEntry whole_table[2];
    // Each failure list is its element's own.
    FailureRecord     hundredths_failures[3], tenths_failures[3], units_failures[3], tens_failures[3];
    FailureRecord     leading_failures[3], volume_failures[3], indicator_failures[3];
    TooltipArg        tooltip_args[1];
    MouseRect         mouse[15];
    NavRadioState     state;
};

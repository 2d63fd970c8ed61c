// The four COM and NAV radio heads of Norvak_Instr are twins. Each head's file holds its records
// and one RadioHead row saying what differs (token, power flag, limits, events); its callbacks
// forward to the routines here.
//
// A head shows and tunes the host's single active frequency: four packed BCD digits without the
// leading 1 (0x2345 is 123.45 MHz). It only asks the host to step the frequency; the steps, carries
// and wrap-around are the host's. The only bounds a head applies are its whole-MHz limits.
#pragma once

#include "common/element_text.h"
#include "frame/module.h"
#include "sound/click_sound.h"

constexpr uint32_t click_wave_id = 30;

// Frames of the mode knob that the heads select.
constexpr int32_t knob_at_off = 1;
constexpr int32_t knob_at_on  = 2;

struct RadioHeadState {
    int32_t             switch_frame;   // knob_at_off at load
    double              whole_mhz;      // last decoded whole MHz (123 for 123.45)
    double              fraction;       // last decoded hundredths, 0 to 99 (45 for .45)
    ClickSound          sound;
};

struct RadioHead {
    uint32_t frequency_token;
    int32_t* power;                          // the head's module-wide power flag
    double (*decode_whole_mhz)(uint32_t token);
    double   whole_up_below;                 // whole up is sent only below this
    double   whole_down_above;               // whole down is sent only above this
    uint32_t whole_up_event, whole_down_event;
    uint32_t fraction_up_event, fraction_down_event;
    uint32_t audio_off_event;                // sent at pre-install; 0 for none
    RadioHeadState state;
};

void   radio_head_service(RadioHead& head, int32_t service_id, HostWord extra);
double radio_head_display(const RadioHead& head, ElementHeader* element);
double radio_head_indicator(const RadioHead& head);
double radio_head_tooltip(const RadioHead& head);

void radio_head_whole_up(RadioHead& head);
void radio_head_whole_down(RadioHead& head);
void radio_head_fraction_up(RadioHead& head);
void radio_head_fraction_down(RadioHead& head);
void radio_head_switch_off(RadioHead& head);
void radio_head_switch_on(RadioHead& head);

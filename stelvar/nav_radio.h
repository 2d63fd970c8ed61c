// Radio_NAV1 and Radio_NAV2 are twins: one NavRadioRow says what differs, and nav_radio() writes
// all the records of a radio from its row (radio_nav.cpp holds the two rows and the callbacks they
// share).
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

// The callbacks the radios share; each finds its radio from the gauge it is handed.
void    GAUGE_CALL nav_radio_callback(GaugeHeader* gauge, int32_t service_id, HostWord extra);
double  GAUGE_CALL nav_hundredths_drum(ElementHeader* element);
double  GAUGE_CALL nav_tenths_drum(ElementHeader* element);
double  GAUGE_CALL nav_units_drum(ElementHeader* element);
double  GAUGE_CALL nav_tens_drum(ElementHeader* element);
double  GAUGE_CALL nav_leading_one(ElementHeader* element);
double  GAUGE_CALL nav_fraction_knob(ElementHeader* element);
double  GAUGE_CALL nav_whole_knob(ElementHeader* element);
double  GAUGE_CALL nav_volume_knob(ElementHeader* element);
double  GAUGE_CALL nav_power_switch(ElementHeader* element);
double  GAUGE_CALL nav_power_indicator(ElementHeader* element);
int32_t GAUGE_CALL nav_whole_down(MouseClick* click, uint32_t mouse_flags);
int32_t GAUGE_CALL nav_whole_up(MouseClick* click, uint32_t mouse_flags);
int32_t GAUGE_CALL nav_fraction_down(MouseClick* click, uint32_t mouse_flags);
int32_t GAUGE_CALL nav_fraction_up(MouseClick* click, uint32_t mouse_flags);
int32_t GAUGE_CALL nav_power_toggle(MouseClick* click, uint32_t mouse_flags);
int32_t GAUGE_CALL nav_volume_off(MouseClick* click, uint32_t mouse_flags);
int32_t GAUGE_CALL nav_volume_on(MouseClick* click, uint32_t mouse_flags);

// A tooltip argument is handed no gauge, so each radio has its own: the frequency in MHz as last
// decoded.
template <NavRadio& radio>
double GAUGE_CALL nav_frequency_tooltip(TooltipHostArgs)
{
    return radio.state.whole_mhz + radio.state.fraction / 100.0;
}

// A digit drum: it scrolls on y only, from 0 to y_max.
constexpr MovingImage nav_drum(GaugeHeader* gauge, uint32_t bitmap, int32_t x, ElementHeader** next,
                               FailureRecord* failures, double y_max, element_update_callback digit)
{
    return {
        .head       = {.kind = ElementKind::moving_image, .bitmap_id = bitmap, .x = x, .y = 36, .gauge = gauge,
                       .next = next, .failures = failures, .image_flags = image_flags::knob},
        .y_max      = y_max,
        .y_callback = digit,
    };
}

// A tuning knob: a picture turned half a turn over its table, pivot 17,17 at x,45.
constexpr Needle nav_knob(GaugeHeader* gauge, int32_t x, ElementHeader** next, NonlinearityEntry (&table)[2],
                          element_update_callback value)
{
    return {
        .head     = {.kind = ElementKind::needle, .bitmap_id = 1010, .x = x, .y = 45, .offset_x = 17, .offset_y = 17,
                     .gauge = gauge, .next = next, .image_flags = image_flags::knob},
        .table    = table, .table_count = 2,
        .callback = value,
    };
}

// The records of radio self from its row.
template <NavRadio& self>
constexpr NavRadio nav_radio(const NavRadioRow& row)
{
    NavRadio r{};
    r.row    = row;
    r.header = {
        .version     = gauge_header_version_800,
        .name        = row.name,
        .elements    = self.elements,
        .size_x_mm   = 100,
        .mouse_rects = self.mouse,
        .callback    = nav_radio_callback,
    };
    GaugeHeader* g = &self.header;

    const FailureRecord failures[3] = {{.key = 21, .action = 3}, {.key = row.failure_key, .action = 0}, {.key = 0}};
    for (int i = 0; i < 3; ++i) {
        r.hundredths_failures[i] = r.tenths_failures[i] = r.units_failures[i] = r.tens_failures[i] = failures[i];
        r.leading_failures[i] = r.volume_failures[i] = r.indicator_failures[i] = failures[i];
    }
    // Half a turn over each table: straight up at its first value, straight down at its last.
    r.fraction_table[0] = {.x = 195, .y = 11, .value = 0.0};
    r.fraction_table[1] = {.x = 195, .y = 79, .value = 50.0};
    r.whole_table[0]    = {.x = 79, .y = 11, .value = 108.0};
    r.whole_table[1]    = {.x = 79, .y = 79, .value = 112.0};

    r.face = {.head = {.kind = ElementKind::static_image, .bitmap_id = row.face, .gauge = g, .next = self.face_next,
                       .image_flags = image_flags::plain}};
    // The drums: 0 to 10 for a digit, 0 to 1 for the tens of MHz (0 or 1).
    r.hundredths = nav_drum(g, 1020, 159, self.hundredths_next, self.hundredths_failures, 10.0, nav_hundredths_drum);
    r.tenths     = nav_drum(g, 1020, 146, self.tenths_next, self.tenths_failures, 10.0, nav_tenths_drum);
    r.units      = nav_drum(g, 1020, 128, self.units_next, self.units_failures, 10.0, nav_units_drum);
    r.tens       = nav_drum(g, 1030, 115, self.tens_next, self.tens_failures, 1.0, nav_tens_drum);
    r.leading    = {
        .head        = {.kind = ElementKind::icon, .bitmap_id = 1040, .x = 102, .y = 36, .gauge = g,
                        .next = self.leading_next, .failures = self.leading_failures, .image_flags = image_flags::knob},
        .scale       = 0.0,
        .frame_count = 1,
        .callback    = nav_leading_one,
    };
    r.fraction = nav_knob(g, 195, self.fraction_knob_next, self.fraction_table, nav_fraction_knob);
    r.whole    = nav_knob(g, 79, self.whole_knob_next, self.whole_table, nav_whole_knob);
    r.volume   = {
        .head        = {.kind = ElementKind::icon, .bitmap_id = 1060, .x = 225, .y = 47, .gauge = g,
                        .next = self.volume_next, .failures = self.volume_failures, .image_flags = image_flags::plain},
        .scale       = 1.0,
        .frame_count = 2,
        .callback    = nav_volume_knob,
    };
    r.power = {
        .head        = {.kind = ElementKind::icon, .bitmap_id = 1050, .x = 25, .y = 32, .gauge = g,
                        .next = self.power_next, .image_flags = image_flags::plain},
        .scale       = 1.0,
        .frame_count = 2,
        .callback    = nav_power_switch,
    };
    r.indicator = {
        .head        = {.kind = ElementKind::icon, .bitmap_id = 1070, .x = 272, .y = 44, .gauge = g,
                        .failures = self.indicator_failures, .image_flags = image_flags::lamp},
        .scale       = 1.0,
        .frame_count = 1,
        .callback    = nav_power_indicator,
    };

    r.elements[0]           = &self.face.head;
    r.face_next[0]          = &self.hundredths.head;
    r.hundredths_next[0]    = &self.tenths.head;
    r.tenths_next[0]        = &self.units.head;
    r.units_next[0]         = &self.tens.head;
    r.tens_next[0]          = &self.leading.head;
    r.leading_next[0]       = &self.fraction.head;
    r.fraction_knob_next[0] = &self.whole.head;
    r.whole_knob_next[0]    = &self.volume.head;
    r.volume_next[0]        = &self.power.head;
    r.power_next[0]         = &self.indicator.head;

    r.tooltip_args[0] = {.callback = nav_frequency_tooltip<self>};

    // The knobs' zones sit in parents that declare their box: left half down, right half up.
    constexpr uint32_t repeat = MOUSE_LEFTSINGLE | MOUSE_REPEAT;
    MouseRect* m = r.mouse;
    *m++ = {.type = mouse_rect_parent, .cursor = CURSOR_NONE};
    *m++ = {.type = mouse_rect_tooltip, .event_id = 1, .action = {.text = row.tooltip}, .args = self.tooltip_args};
    *m++ = {.type = mouse_rect_parent, .x = 62, .y = 28, .width = 34, .height = 34, .cursor = CURSOR_NONE};
    *m++ = click_zone(0, 0, 17, 34, CURSOR_DOWNARROW, repeat, nav_whole_down);
    *m++ = click_zone(17, 0, 17, 34, CURSOR_UPARROW, repeat, nav_whole_up);
    *m++ = {.type = mouse_rect_end_parent};
    *m++ = {.type = mouse_rect_parent, .x = 178, .y = 28, .width = 34, .height = 34, .cursor = CURSOR_NONE};
    *m++ = click_zone(0, 0, 17, 34, CURSOR_DOWNARROW, repeat, nav_fraction_down);
    *m++ = click_zone(17, 0, 17, 34, CURSOR_UPARROW, repeat, nav_fraction_up);
    *m++ = {.type = mouse_rect_end_parent};
    *m++ = click_zone(25, 32, 28, 53, CURSOR_HAND, MOUSE_LEFTSINGLE, nav_power_toggle);
    *m++ = click_zone(225, 47, 17, 34, CURSOR_HAND, MOUSE_LEFTSINGLE, nav_volume_off);
    *m++ = click_zone(242, 47, 17, 34, CURSOR_HAND, MOUSE_LEFTSINGLE, nav_volume_on);
    *m++ = {.type = mouse_rect_end_parent};
    *m   = {.type = mouse_rect_end};
    return r;
}

// Radio_COM1: the communication radio. Its frequency (COM1's, packed BCD without the leading 1)
// shows on three digit selectors and an end selector (00, 25, 50, 75), each stepped by its own
// down and up zone. The selectors tune whether the radio is powered or not; the power knob only
// switches the indicator and COM1's flag.
#include <cmath>

#include "click_waves.h"
#include "common/radio_decoders.h"
#include "radio_power.h"

extern GaugeHeader radio_com1_header;

static double     com1_whole_mhz = 0.0;   // 118 .. 136
static double     com1_fraction  = 0.0;   // 0 .. 99
static ClickSound com1_sound;

static void GAUGE_CALL radio_com1_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    click_sound_service(com1_sound, service_id, extra, radio_click_wave);
    if (service_id == service_pre_update) {
        com1_whole_mhz = decode_com_whole_mhz(token::com1_frequency);
        com1_fraction  = decode_bcd_fraction(token::com1_frequency);
    }
}

static double hundredths_digit() { return com1_fraction - 10.0 * std::floor(com1_fraction / 10.0); }

// The end selector shows 00, 25, 50 or 75; any other hundredths digit shows 00.
static double GAUGE_CALL end_selector(ElementHeader*)
{
    double d = hundredths_digit();
    if (d == 2.0)
        return 1.0;
    if (d == 5.0)
        return 2.0;
    if (d == 7.0)
        return 3.0;
    return 0.0;
}

static double GAUGE_CALL tenths_selector(ElementHeader*) { return std::floor(com1_fraction / 10.0); }

static double GAUGE_CALL units_selector(ElementHeader*)
{
    return com1_whole_mhz - 10.0 * std::floor(com1_whole_mhz / 10.0);
}

static double GAUGE_CALL tens_selector(ElementHeader*) { return std::floor(std::fmod(com1_whole_mhz, 100.0) / 10.0); }

static double GAUGE_CALL power_knob(ElementHeader*) { return radios.com1 != 0 ? 1.0 : 0.0; }

static double GAUGE_CALL power_indicator(ElementHeader*) { return radios.com1 != 0 ? 0.0 : -1.0; }

// The frequency in MHz; the 25 and 75 kHz channels show their last digit, which the BCD value drops.
double GAUGE_CALL com_tooltip_value(TooltipHostArgs)
{
    double v = com1_whole_mhz + com1_fraction / 100.0;
    double d = hundredths_digit();
    if (d == 2.0 || d == 7.0)
        v += 0.005;
    return v;
}

static void send_times(uint32_t event_id, int times)
{
    for (int i = 0; i < times; ++i)
        trigger_key_event(event_id, 0);
}

static void refresh_whole() { com1_whole_mhz = decode_com_whole_mhz(token::com1_frequency); }
static void refresh_fraction() { com1_fraction = decode_bcd_fraction(token::com1_frequency); }

// A tens step is ten whole-MHz events, a tenths step four 25 kHz events. The fraction zones test
// the whole part as last cached.
static int32_t GAUGE_CALL tens_down(MouseClick*, uint32_t)
{
    refresh_whole();
    if (com1_whole_mhz >= 128.0)
        send_times(event::com1_whole_down, 10);
    return 0;
}

static int32_t GAUGE_CALL tens_up(MouseClick*, uint32_t)
{
    refresh_whole();
    if (com1_whole_mhz <= 125.0)
        send_times(event::com1_whole_up, 10);
    return 0;
}

static int32_t GAUGE_CALL units_down(MouseClick*, uint32_t)
{
    refresh_whole();
    if (com1_whole_mhz > 118.0)
        send_times(event::com1_whole_down, 1);
    return 0;
}

static int32_t GAUGE_CALL units_up(MouseClick*, uint32_t)
{
    refresh_whole();
    if (com1_whole_mhz < 135.0)
        send_times(event::com1_whole_up, 1);
    return 0;
}

static int32_t GAUGE_CALL tenths_down(MouseClick*, uint32_t)
{
    refresh_fraction();
    if (com1_whole_mhz >= 118.0)
        send_times(event::com1_fraction_down, 4);
    return 0;
}

static int32_t GAUGE_CALL tenths_up(MouseClick*, uint32_t)
{
    refresh_fraction();
    if (com1_whole_mhz <= 135.0)
        send_times(event::com1_fraction_up, 4);
    return 0;
}

static int32_t GAUGE_CALL hundredths_down(MouseClick*, uint32_t)
{
    refresh_fraction();
    if (com1_whole_mhz >= 118.0)
        send_times(event::com1_fraction_down, 1);
    return 0;
}

static int32_t GAUGE_CALL hundredths_up(MouseClick*, uint32_t)
{
    refresh_fraction();
    if (com1_whole_mhz <= 135.0)
        send_times(event::com1_fraction_up, 1);
    return 0;
}

static int32_t GAUGE_CALL power_toggle(MouseClick*, uint32_t)
{
    flip_and_click(radios.com1, com1_sound);
    return 0;
}

static FailureRecord indicator_failures[] = {{.key = 21, .action = 3}, {.key = 9, .action = 0}, {.key = 0}};
static FailureRecord units_failures[]     = {{.key = 21, .action = 3}, {.key = 9, .action = 0}, {.key = 0}};

static Icon indicator = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 330, .x = 27, .y = 118, .gauge = &radio_com1_header,
                    .failures = indicator_failures, .image_flags = image_flags::lamp},
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = power_indicator,
};
static ElementHeader* knob_next[] = {&indicator.head, nullptr};

static Icon knob = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 340, .x = 23, .y = 143, .gauge = &radio_com1_header,
                    .next = knob_next, .image_flags = image_flags::plain},
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = power_knob,
};
static ElementHeader* end_next[] = {&knob.head, nullptr};

static Icon end_digits = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 360, .x = 194, .y = 8, .gauge = &radio_com1_header,
                    .next = end_next, .image_flags = image_flags::knob},
    .scale       = 0.0,
    .frame_count = 4,
    .callback    = end_selector,
};
static ElementHeader* tens_next[] = {&end_digits.head, nullptr};

static Icon tens = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 350, .x = 41, .y = 8, .gauge = &radio_com1_header,
                    .next = tens_next, .image_flags = image_flags::knob},
    .scale       = 0.0,
    .frame_count = 10,
    .callback    = tens_selector,
};
static ElementHeader* units_next[] = {&tens.head, nullptr};

static Icon units = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 350, .x = 94, .y = 8, .gauge = &radio_com1_header,
                    .next = units_next, .failures = units_failures, .image_flags = image_flags::knob},
    .scale       = 0.0,
    .frame_count = 10,
    .callback    = units_selector,
};
static ElementHeader* tenths_next[] = {&units.head, nullptr};

static Icon tenths = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 350, .x = 147, .y = 8, .gauge = &radio_com1_header,
                    .next = tenths_next, .image_flags = image_flags::knob},
    .scale       = 0.0,
    .frame_count = 10,
    .callback    = tenths_selector,
};
static ElementHeader* face_next[] = {&tenths.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 310, .gauge = &radio_com1_header, .next = face_next,
             .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static TooltipArg tooltip_args[] = {{.callback = com_tooltip_value}};

// Each selector's left half steps down, its right half up.
static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xA701},
    {.type = mouse_rect_tooltip, .arg_count = 1, .action = {.text = "Communications Radio COM1 - %1!07.3f! MHz"},
     .args = tooltip_args},
    {.type = mouse_rect_child, .x = 41, .y = 8, .width = 26, .height = 52, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = tens_down}},
    {.type = mouse_rect_child, .x = 67, .y = 8, .width = 26, .height = 52, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = tens_up}},
    {.type = mouse_rect_child, .x = 94, .y = 8, .width = 26, .height = 52, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = units_down}},
    {.type = mouse_rect_child, .x = 120, .y = 8, .width = 26, .height = 52, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = units_up}},
    {.type = mouse_rect_child, .x = 147, .y = 8, .width = 26, .height = 52, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = tenths_down}},
    {.type = mouse_rect_child, .x = 173, .y = 8, .width = 26, .height = 52, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = tenths_up}},
    {.type = mouse_rect_child, .x = 200, .y = 8, .width = 20, .height = 52, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = hundredths_down}},
    {.type = mouse_rect_child, .x = 214, .y = 8, .width = 20, .height = 52, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = hundredths_up}},
    {.type = mouse_rect_child, .x = 23, .y = 143, .width = 50, .height = 50, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = power_toggle}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader radio_com1_header = {
    .version = gauge_header_version_800, .name = "Radio_COM1", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse, .callback = radio_com1_callback,
};

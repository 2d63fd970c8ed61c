// Radio_IFF_XPDR: the IFF transponder. The host's transponder code (four BCD digits) shows on four
// drums that the host draws luminous only while the set is powered; each digit has its
// own up and down zone, active only while powered, and the host steps and wraps each digit itself.
// The IDENT switch is painted and drawn but does nothing.
#include <cmath>

#include "click_waves.h"
#include "common/element_text.h"
#include "common/radio_decoders.h"
#include "radio_power.h"

extern GaugeHeader radio_iff_xpdr_header;

static double     iff_code = 0.0;   // 0 .. 7777
static ClickSound iff_sound;

static void GAUGE_CALL radio_iff_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    click_sound_service(iff_sound, service_id, extra, radio_click_wave);
    if (service_id == service_pre_update)
        iff_code = decode_bcd_code(token::transponder_code);
}

// Every drum reads the code afresh and sets its drawing option from the power flag.
static void refresh_drum(ElementHeader* element)
{
    iff_code = decode_bcd_code(token::transponder_code);
    set_drum_powered(element, radios.iff != 0);
}

static double GAUGE_CALL units_drum(ElementHeader* e)
{
    refresh_drum(e);
    return iff_code - 10.0 * std::floor(iff_code / 10.0);
}

static double GAUGE_CALL tens_drum(ElementHeader* e)
{
    refresh_drum(e);
    return std::floor((iff_code - 100.0 * std::floor(iff_code / 100.0)) / 10.0);
}

static double GAUGE_CALL hundreds_drum(ElementHeader* e)
{
    refresh_drum(e);
    return std::floor((iff_code - 1000.0 * std::floor(iff_code / 1000.0)) / 100.0);
}

static double GAUGE_CALL thousands_drum(ElementHeader* e)
{
    refresh_drum(e);
    return std::floor(iff_code / 1000.0);
}

static double GAUGE_CALL power_indicator(ElementHeader*) { return radios.iff != 0 ? 0.0 : -1.0; }
static double GAUGE_CALL power_switch(ElementHeader*) { return radios.iff != 0 ? 1.0 : 0.0; }

static int32_t send_digit_event(uint32_t event_id)
{
    if (radios.iff != 0)
        trigger_key_event(event_id, 0);
    return 0;
}

static int32_t GAUGE_CALL thousands_down(MouseClick*, uint32_t) { return send_digit_event(event::transponder_thousands_down); }
static int32_t GAUGE_CALL thousands_up(MouseClick*, uint32_t) { return send_digit_event(event::transponder_thousands_up); }
static int32_t GAUGE_CALL hundreds_down(MouseClick*, uint32_t) { return send_digit_event(event::transponder_hundreds_down); }
static int32_t GAUGE_CALL hundreds_up(MouseClick*, uint32_t) { return send_digit_event(event::transponder_hundreds_up); }
static int32_t GAUGE_CALL tens_down(MouseClick*, uint32_t) { return send_digit_event(event::transponder_tens_down); }
static int32_t GAUGE_CALL tens_up(MouseClick*, uint32_t) { return send_digit_event(event::transponder_tens_up); }
static int32_t GAUGE_CALL units_down(MouseClick*, uint32_t) { return send_digit_event(event::transponder_units_down); }
static int32_t GAUGE_CALL units_up(MouseClick*, uint32_t) { return send_digit_event(event::transponder_units_up); }

static int32_t GAUGE_CALL power_toggle(MouseClick*, uint32_t)
{
    flip_and_click(radios.iff, iff_sound);
    return 0;
}

static int32_t GAUGE_CALL ident_switch(MouseClick*, uint32_t) { return 0; }

// Each failure list is its element's own.
static FailureRecord units_failures[] = {{.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 17}, {.key = 0}};
static FailureRecord tens_failures[] = {{.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 17}, {.key = 0}};
static FailureRecord hundreds_failures[] = {{.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 17}, {.key = 0}};
static FailureRecord thousands_failures[] = {{.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 17}, {.key = 0}};
static FailureRecord ident_failures[] = {{.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 17}, {.key = 0}};
static FailureRecord indicator_failures[] = {{.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 17}, {.key = 0}};

static Icon power = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 390, .x = 27, .y = 8, .gauge = &radio_iff_xpdr_header,
                    .image_flags = image_flags::plain},
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = power_switch,
};
static ElementHeader* indicator_next[] = {&power.head, nullptr};

static Icon indicator = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 400, .x = 53, .y = 79, .gauge = &radio_iff_xpdr_header,
                    .next = indicator_next, .failures = indicator_failures, .image_flags = image_flags::lamp},
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = power_indicator,
};
static ElementHeader* ident_next[] = {&indicator.head, nullptr};

// No source and no callback: it always shows its first frame.
static Icon ident = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 410, .x = 208, .y = 31, .gauge = &radio_iff_xpdr_header,
                    .next = ident_next, .failures = ident_failures, .image_flags = image_flags::plain},
    .scale       = 1.0,
    .frame_count = 2,
};
static ElementHeader* thousands_next[] = {&ident.head, nullptr};

// The drums scroll on y over 0 to 10; the tens drum alone declares no y variable.
static MovingImage thousands = {
    .head       = {.kind = ElementKind::moving_image, .bitmap_id = 380, .x = 115, .y = 57,
                   .gauge = &radio_iff_xpdr_header, .next = thousands_next, .failures = thousands_failures,
                   .image_flags = image_flags::knob},
    .y_source   = module_var(token::transponder_code),
    .y_max      = 10.0,
    .y_callback = thousands_drum,
};
static ElementHeader* hundreds_next[] = {&thousands.head, nullptr};

static MovingImage hundreds = {
    .head       = {.kind = ElementKind::moving_image, .bitmap_id = 380, .x = 138, .y = 57,
                   .gauge = &radio_iff_xpdr_header, .next = hundreds_next, .failures = hundreds_failures,
                   .image_flags = image_flags::knob},
    .y_source   = module_var(token::transponder_code),
    .y_max      = 10.0,
    .y_callback = hundreds_drum,
};
static ElementHeader* tens_next[] = {&hundreds.head, nullptr};

static MovingImage tens = {
    .head       = {.kind = ElementKind::moving_image, .bitmap_id = 380, .x = 161, .y = 57,
                   .gauge = &radio_iff_xpdr_header, .next = tens_next, .failures = tens_failures,
                   .image_flags = image_flags::knob},
    .y_max      = 10.0,
    .y_callback = tens_drum,
};
static ElementHeader* units_next[] = {&tens.head, nullptr};

static MovingImage units = {
    .head       = {.kind = ElementKind::moving_image, .bitmap_id = 380, .x = 184, .y = 57,
                   .gauge = &radio_iff_xpdr_header, .next = units_next, .failures = units_failures,
                   .image_flags = image_flags::knob},
    .y_source   = module_var(token::transponder_code),
    .y_max      = 10.0,
    .y_callback = units_drum,
};
static ElementHeader* face_next[] = {&units.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 370, .gauge = &radio_iff_xpdr_header, .next = face_next,
             .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&face.head, nullptr};

// Up zones above each drum, down zones below it.
constexpr uint32_t repeat = MOUSE_LEFTSINGLE | MOUSE_REPEAT;

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = help::transponder_tooltip},
    click_zone(29, 12, 24, 60, CURSOR_HAND, MOUSE_LEFTSINGLE, power_toggle),
    click_zone(111, 76, 23, 15, CURSOR_DOWNARROW, repeat, thousands_down),
    click_zone(111, 44, 23, 15, CURSOR_UPARROW, repeat, thousands_up),
    click_zone(134, 76, 23, 15, CURSOR_DOWNARROW, repeat, hundreds_down),
    click_zone(134, 44, 23, 15, CURSOR_UPARROW, repeat, hundreds_up),
    click_zone(157, 76, 23, 15, CURSOR_DOWNARROW, repeat, tens_down),
    click_zone(157, 44, 23, 15, CURSOR_UPARROW, repeat, tens_up),
    click_zone(180, 76, 23, 15, CURSOR_DOWNARROW, repeat, units_down),
    click_zone(180, 44, 23, 15, CURSOR_UPARROW, repeat, units_up),
    click_zone(208, 31, 24, 32, CURSOR_HAND, MOUSE_LEFTSINGLE, ident_switch),
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader radio_iff_xpdr_header = {
    .version = gauge_header_version_800, .name = "Radio_IFF_XPDR", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse, .callback = radio_iff_callback,
};

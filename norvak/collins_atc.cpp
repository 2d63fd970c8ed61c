// Collins_ATC: the transponder head. Shows the host's four-digit code (token 0x26, packed BCD,
// thousands first) and asks the host to step it digit by digit; the left half of the tuning knob
// steps the upper two digits as a pair, the right half sends the host's two further transponder
// events. Only the OFF and ON positions of the mode knob are used. Its power flag is atc_power.
#include <cstdint>

#include "avionics_power.h"
#include "common/radio_decoders.h"
#include "radio_head.h"

extern GaugeHeader collins_atc_header;

constexpr uint32_t code_token = 0x26;

constexpr uint32_t thousands_up_event   = 0x10073;
constexpr uint32_t thousands_down_event = 0x10397;
constexpr uint32_t hundreds_up_event    = 0x10074;
constexpr uint32_t hundreds_down_event  = 0x10398;

// Frames of the mode knob that the head selects.
constexpr int32_t atc_knob_at_off = 0;
constexpr int32_t atc_knob_at_on  = 2;

static int32_t atc_switch_frame = atc_knob_at_off;
static double  atc_code         = 0.0;

static ClickSound atc_sound;

static void GAUGE_CALL atc_head_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    if (service_id == service_pre_update)
        atc_code = decode_bcd_code(code_token);
    click_sound_service(atc_sound, service_id, extra, click_wave_id);
}

static double GAUGE_CALL atc_display_update(ElementHeader* element)
{
    atc_code = decode_bcd_code(code_token);
    set_hidden(element, atc_power == 0);
    write_element_text(element, "%0004.0f", atc_code);
    return 0.0;
}

static double GAUGE_CALL switch_frame(ElementHeader*) { return atc_switch_frame; }
static double GAUGE_CALL power_indicator(ElementHeader*) { return atc_power != 0 ? 0.0 : -1.0; }

static void send_if_powered(uint32_t event)
{
    if (atc_power != 0)
        trigger_key_event(event, 0);
}

static int32_t GAUGE_CALL thousands_up(MouseClick*, uint32_t) { send_if_powered(thousands_up_event); return 0; }
static int32_t GAUGE_CALL thousands_down(MouseClick*, uint32_t) { send_if_powered(thousands_down_event); return 0; }
static int32_t GAUGE_CALL hundreds_up(MouseClick*, uint32_t) { send_if_powered(hundreds_up_event); return 0; }
static int32_t GAUGE_CALL hundreds_down(MouseClick*, uint32_t) { send_if_powered(hundreds_down_event); return 0; }
static int32_t GAUGE_CALL tens_up(MouseClick*, uint32_t) { send_if_powered(0x10075); return 0; }
static int32_t GAUGE_CALL tens_down(MouseClick*, uint32_t) { send_if_powered(0x10399); return 0; }
static int32_t GAUGE_CALL units_up(MouseClick*, uint32_t) { send_if_powered(0x10076); return 0; }
static int32_t GAUGE_CALL units_down(MouseClick*, uint32_t) { send_if_powered(0x1039A); return 0; }

// The left half of the knob turns the upper pair: hundreds, carrying into the thousands when the
// hundreds digit read at the click is at its top (7) or bottom (0). Transponder digits run 0 to 7.
static int32_t hundreds_digit() { return static_cast<int32_t>(atc_code / 100) % 10; }

static int32_t GAUGE_CALL pair_up(MouseClick*, uint32_t)
{
    atc_code = decode_bcd_code(code_token);
    if (atc_power == 0)
        return 0;
    const int32_t hundreds = hundreds_digit();
    trigger_key_event(hundreds_up_event, 0);
    if (hundreds == 7)
        trigger_key_event(thousands_up_event, 0);
    return 0;
}

static int32_t GAUGE_CALL pair_down(MouseClick*, uint32_t)
{
    atc_code = decode_bcd_code(code_token);
    if (atc_power == 0)
        return 0;
    const int32_t hundreds = hundreds_digit();
    trigger_key_event(hundreds_down_event, 0);
    if (hundreds == 0)
        trigger_key_event(thousands_down_event, 0);
    return 0;
}

static int32_t GAUGE_CALL right_up(MouseClick*, uint32_t)
{
    atc_code = decode_bcd_code(code_token);
    send_if_powered(0x1039C);
    return 0;
}

static int32_t GAUGE_CALL right_down(MouseClick*, uint32_t)
{
    atc_code = decode_bcd_code(code_token);
    send_if_powered(0x1039B);
    return 0;
}

static int32_t GAUGE_CALL switch_off(MouseClick*, uint32_t)
{
    if (atc_power != 0) {
        atc_switch_frame = atc_knob_at_off;
        play_click(atc_sound);
        atc_power = 0;
    }
    return 0;
}

static int32_t GAUGE_CALL switch_on(MouseClick*, uint32_t)
{
    if (atc_power == 0) {
        atc_switch_frame = atc_knob_at_on;
        play_click(atc_sound);
        atc_power = 1;
    }
    return 0;
}

static FailureRecord window_failures[] = {
    {.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 17, .action = 0}, {.key = 0},
};
static FailureRecord indicator_failures[] = {
    {.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 17, .action = 0}, {.key = 0},
};

static Icon indicator = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 350, .x = 46, .y = 135, .gauge = &collins_atc_header,
                    .failures = indicator_failures, .image_flags = 0x7},
    .source      = module_var(0),
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = power_indicator,
};
static ElementHeader* knob_next[] = {&indicator.head, nullptr};

static Icon knob = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 340, .x = 17, .y = 93, .gauge = &collins_atc_header,
                    .next = knob_next, .image_flags = 0x3},
    .source      = module_var(0),
    .scale       = 1.0,
    .frame_count = 4,
    .callback    = switch_frame,
};
static ElementHeader* window_next[] = {&knob.head, nullptr};

static HighlightRange highlights[] = {
    {.selection = 10, .first = 0, .last = 0}, {.selection = 11, .first = 1, .last = 1},
    {.selection = 12, .first = 2, .last = 2}, {.selection = 13, .first = 3, .last = 3},
    {.selection = 0},
};

static String window = {
    .head       = {.kind = ElementKind::string, .bitmap_id = no_bitmap, .x = 34, .y = 24,
                   .gauge = &collins_atc_header, .next = window_next, .failures = window_failures,
                   .image_flags = 0x7},
    .sources    = {module_var(code_token)},
    .box_width = 72, .box_height = 28,
    .text_colour = 0x2805FE, .background_colour = 0x000000, .highlight_colour = 0xFFFFFF,
    .font = "Quartz", .font_weight = 700, .charset = 1, .format = 0x25, .char_count = 4,
    .highlights = highlights,
    .callback   = atc_display_update,
};
static ElementHeader* face_next[] = {&window.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 370, .gauge = &collins_atc_header, .next = face_next,
             .image_flags = 0x3},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xA70A},
    {.type = mouse_rect_tooltip, .help_id = 0x3180},
    // The code window, one column per digit, thousands on the left; upper halves step up.
    {.type = mouse_rect_parent, .x = 34, .y = 8, .width = 72, .height = 60, .cursor = CURSOR_NONE,
     .help_id = 0xAA56},
    {.type = mouse_rect_child, .x = 0, .y = 0, .width = 18, .height = 30, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = thousands_up}},
    {.type = mouse_rect_child, .x = 0, .y = 30, .width = 18, .height = 30, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = thousands_down}},
    {.type = mouse_rect_child, .x = 18, .y = 0, .width = 18, .height = 30, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = hundreds_up}},
    {.type = mouse_rect_child, .x = 18, .y = 30, .width = 18, .height = 30, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = hundreds_down}},
    {.type = mouse_rect_child, .x = 36, .y = 0, .width = 18, .height = 30, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = tens_up}},
    {.type = mouse_rect_child, .x = 36, .y = 30, .width = 18, .height = 30, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = tens_down}},
    {.type = mouse_rect_child, .x = 54, .y = 0, .width = 18, .height = 30, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = units_up}},
    {.type = mouse_rect_child, .x = 54, .y = 30, .width = 18, .height = 30, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = units_down}},
    {.type = mouse_rect_end_parent},
    // The tuning knob: left half the upper pair, right half the host's own pair of events.
    {.type = mouse_rect_child, .x = 83, .y = 88, .width = 22, .height = 22, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = pair_up}},
    {.type = mouse_rect_child, .x = 83, .y = 110, .width = 22, .height = 22, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = pair_down}},
    {.type = mouse_rect_child, .x = 105, .y = 88, .width = 22, .height = 22, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = right_up}},
    {.type = mouse_rect_child, .x = 105, .y = 110, .width = 22, .height = 22, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = right_down}},
    // The mode knob as a power switch: OFF and ON positions.
    {.type = mouse_rect_child, .x = 0, .y = 116, .width = 17, .height = 12, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = switch_off}},
    {.type = mouse_rect_child, .x = 22, .y = 81, .width = 17, .height = 12, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = switch_on}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader collins_atc_header = {
    .version = gauge_header_version_800, .name = "Collins_ATC", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse, .callback = atc_head_callback,
};

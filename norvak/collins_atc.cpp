// Collins_ATC: the transponder head. Shows the host's transponder code (four packed BCD digits,
// thousands first) and asks the host to step it digit by digit; the left half of the tuning knob
// steps the upper two digits as a pair, the right half sends the host's two further transponder
// events. Only the OFF and ON positions of the mode knob are used. Its power flag is avionics.atc.
#include <cstdint>

#include "avionics_power.h"
#include "common/radio_decoders.h"
#include "radio_head.h"

extern GaugeHeader collins_atc_header;

// Frames of the mode knob that the head selects.
constexpr int32_t atc_knob_at_off = 0;
constexpr int32_t atc_knob_at_on  = 2;

static int32_t atc_switch_frame = atc_knob_at_off;
static double  atc_code         = 0.0;

static ClickSound atc_sound;

static void GAUGE_CALL atc_head_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    if (service_id == service_pre_update)
        atc_code = decode_bcd_code(token::transponder_code);
    click_sound_service(atc_sound, service_id, extra, click_wave_id);
}

static double GAUGE_CALL atc_display_update(ElementHeader* element)
{
    atc_code = decode_bcd_code(token::transponder_code);
    set_hidden(element, avionics.atc == 0);
    write_element_text(element, "%0004.0f", atc_code);
    return 0.0;
}

static double GAUGE_CALL switch_frame(ElementHeader*) { return atc_switch_frame; }
static double GAUGE_CALL power_indicator(ElementHeader*) { return avionics.atc != 0 ? 0.0 : -1.0; }

static void send_if_powered(uint32_t event_id)
{
    if (avionics.atc != 0)
        trigger_key_event(event_id, 0);
}

static int32_t GAUGE_CALL thousands_up(MouseClick*, uint32_t) { send_if_powered(event::transponder_thousands_up); return 0; }
static int32_t GAUGE_CALL thousands_down(MouseClick*, uint32_t) { send_if_powered(event::transponder_thousands_down); return 0; }
static int32_t GAUGE_CALL hundreds_up(MouseClick*, uint32_t) { send_if_powered(event::transponder_hundreds_up); return 0; }
static int32_t GAUGE_CALL hundreds_down(MouseClick*, uint32_t) { send_if_powered(event::transponder_hundreds_down); return 0; }
static int32_t GAUGE_CALL tens_up(MouseClick*, uint32_t) { send_if_powered(event::transponder_tens_up); return 0; }
static int32_t GAUGE_CALL tens_down(MouseClick*, uint32_t) { send_if_powered(event::transponder_tens_down); return 0; }
static int32_t GAUGE_CALL units_up(MouseClick*, uint32_t) { send_if_powered(event::transponder_units_up); return 0; }
static int32_t GAUGE_CALL units_down(MouseClick*, uint32_t) { send_if_powered(event::transponder_units_down); return 0; }

// The left half of the knob turns the upper pair: hundreds, carrying into the thousands when the
// hundreds digit read at the click is at its top (7) or bottom (0). Transponder digits run 0 to 7.
static void step_upper_pair(uint32_t hundreds_event, uint32_t thousands_event, int32_t carry_digit)
{
    atc_code = decode_bcd_code(token::transponder_code);
    if (avionics.atc == 0)
        return;
    const int32_t hundreds = static_cast<int32_t>(atc_code / 100) % 10;
    trigger_key_event(hundreds_event, 0);
    if (hundreds == carry_digit)
        trigger_key_event(thousands_event, 0);
}

static int32_t GAUGE_CALL pair_up(MouseClick*, uint32_t)
{
    step_upper_pair(event::transponder_hundreds_up, event::transponder_thousands_up, 7);
    return 0;
}

static int32_t GAUGE_CALL pair_down(MouseClick*, uint32_t)
{
    step_upper_pair(event::transponder_hundreds_down, event::transponder_thousands_down, 0);
    return 0;
}

// The right half sends the host's events for the lower pair; it reads the code first, as the left half does.
static void step_lower_pair(uint32_t event_id)
{
    atc_code = decode_bcd_code(token::transponder_code);
    send_if_powered(event_id);
}

static int32_t GAUGE_CALL right_up(MouseClick*, uint32_t) { step_lower_pair(event::transponder_lower_pair_up); return 0; }
static int32_t GAUGE_CALL right_down(MouseClick*, uint32_t) { step_lower_pair(event::transponder_lower_pair_down); return 0; }

static int32_t GAUGE_CALL switch_off(MouseClick*, uint32_t)
{
    if (avionics.atc != 0) {
        atc_switch_frame = atc_knob_at_off;
        play_click(atc_sound);
        avionics.atc = 0;
    }
    return 0;
}

static int32_t GAUGE_CALL switch_on(MouseClick*, uint32_t)
{
    if (avionics.atc == 0) {
        atc_switch_frame = atc_knob_at_on;
        play_click(atc_sound);
        avionics.atc = 1;
    }
    return 0;
}

static FailureRecord window_failures[] = {
    {.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 17, .action = 0}, {.key = 0},
};
static FailureRecord indicator_failures[] = {
    {.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 17, .action = 0}, {.key = 0},
};

static Icon indicator = head_indicator(&collins_atc_header, indicator_failures, power_indicator);
static ElementHeader* knob_next[] = {&indicator.head, nullptr};

static Icon knob = head_knob(&collins_atc_header, knob_next, nullptr, switch_frame);
static ElementHeader* window_next[] = {&knob.head, nullptr};

static HighlightRange highlights[] = {
    {.selection = 10, .first = 0, .last = 0}, {.selection = 11, .first = 1, .last = 1},
    {.selection = 12, .first = 2, .last = 2}, {.selection = 13, .first = 3, .last = 3},
    {.selection = 0},
};

static String window = head_window(&collins_atc_header, window_next, window_failures, {
    .x = 34, .box_width = 72, .char_count = 4, .sources = {token::transponder_code},
    .highlights = highlights, .callback = atc_display_update,
});
static ElementHeader* face_next[] = {&window.head, nullptr};

static StaticImage face = head_face(&collins_atc_header, 370, face_next);
static ElementHeader* elements[] = {&face.head, nullptr};

constexpr uint32_t repeat = MOUSE_LEFTSINGLE | MOUSE_REPEAT;

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xA70A},
    {.type = mouse_rect_tooltip, .help_id = help::transponder_tooltip},
    // The code window, one column per digit, thousands on the left; upper halves step up.
    {.type = mouse_rect_parent, .x = 34, .y = 8, .width = 72, .height = 60, .cursor = CURSOR_NONE,
     .help_id = help::frequency_window},
    up_zone(0, 0, 18, 30, repeat, thousands_up),
    down_zone(0, 30, 18, 30, repeat, thousands_down),
    up_zone(18, 0, 18, 30, repeat, hundreds_up),
    down_zone(18, 30, 18, 30, repeat, hundreds_down),
    up_zone(36, 0, 18, 30, repeat, tens_up),
    down_zone(36, 30, 18, 30, repeat, tens_down),
    up_zone(54, 0, 18, 30, repeat, units_up),
    down_zone(54, 30, 18, 30, repeat, units_down),
    {.type = mouse_rect_end_parent},
    // The tuning knob: left half the upper pair, right half the host's own pair of events.
    up_zone(83, 88, 22, 22, MOUSE_LEFTSINGLE, pair_up),
    down_zone(83, 110, 22, 22, MOUSE_LEFTSINGLE, pair_down),
    up_zone(105, 88, 22, 22, MOUSE_LEFTSINGLE, right_up),
    down_zone(105, 110, 22, 22, MOUSE_LEFTSINGLE, right_down),
    // The mode knob as a power switch: OFF and ON positions.
    knob_zone(0, 116, switch_off),
    knob_zone(22, 81, switch_on),
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader collins_atc_header = {
    .version = gauge_header_version_800, .name = "Collins_ATC", .elements = elements, .size_x_mm = radio_head_size_mm,
    .mouse_rects = mouse, .callback = atc_head_callback,
};

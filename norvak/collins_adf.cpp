// Collins_ADF: the ADF receiver head. Shows the host's ADF frequency in kHz with one decimal, asks
// the host to step it digit by digit or by the concentric knob, and carries the OFF / ANT / ADF /
// TONE mode knob, of which OFF, ADF and TONE can be clicked. It owns adf_power and adf_tone.
//
// The host owns the receiver (steps, carries, wrap-around); the head keeps the whole part between
// 200 and 1600 kHz by refusing to ask for a step that would leave that range.
#include <cstdint>

#include "avionics_power.h"
#include "common/radio_decoders.h"
#include "radio_head.h"

extern GaugeHeader collins_adf_header;

constexpr uint32_t adf_audio_on_event  = 0x10131;
constexpr uint32_t adf_audio_off_event = 0x1012C;
constexpr uint32_t adf_audio_at_start  = 0x14;   // above 0: the host's ADF audio is on

// Frames of the mode knob; ANT (1) is painted but never selected.
constexpr int32_t mode_off  = 0;
constexpr int32_t mode_adf  = 2;
constexpr int32_t mode_tone = 3;

static int32_t adf_mode_frame = mode_off;
static double  adf_whole_khz  = 0.0;
static double  adf_tenths     = 0.0;

static ClickSound adf_sound;

static void GAUGE_CALL adf_head_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    switch (service_id) {
    case service_pre_install:
        if (read_token(adf_audio_at_start) > 0)
            trigger_key_event(adf_audio_off_event, 0);
        break;
    case service_pre_update:
        adf_whole_khz = decode_adf_whole_khz();
        adf_tenths    = decode_adf_tenths();
        break;
    default:
        break;
    }
    click_sound_service(adf_sound, service_id, extra, click_wave_id);
}

// Below 1000 kHz the window keeps a leading 0 (0345.5). Written even while dark.
static double GAUGE_CALL adf_display_update(ElementHeader* element)
{
    adf_whole_khz  = decode_adf_whole_khz();
    adf_tenths     = decode_adf_tenths();
    const double f = adf_whole_khz + adf_tenths / 10;
    set_hidden(element, adf_power == 0);
    write_element_text(element, f >= 1000 ? "%4.1f" : "0%4.1f", f);
    return 0.0;
}

static double GAUGE_CALL mode_knob_frame(ElementHeader*) { return adf_mode_frame; }
static double GAUGE_CALL power_indicator(ElementHeader*) { return adf_power != 0 ? 0.0 : -1.0; }

// Tuning. Each up limit is 1600 less the zone's step and each down limit 200 plus it, so no request
// takes the whole part out of 200..1600. The tenths zones refresh only the tenths and test the whole
// part as last decoded.
static void tune_whole(double limit, bool up, uint32_t event)
{
    adf_whole_khz = decode_adf_whole_khz();
    if (adf_power != 0 && (up ? adf_whole_khz <= limit : adf_whole_khz >= limit))
        trigger_key_event(event, 0);
}

static void tune_tenths(double limit, bool up, uint32_t event)
{
    adf_tenths = decode_adf_tenths();
    if (adf_power != 0 && (up ? adf_whole_khz <= limit : adf_whole_khz >= limit))
        trigger_key_event(event, 0);
}

static int32_t GAUGE_CALL hundreds_up(MouseClick*, uint32_t) { tune_whole(1500, true, 0x10070); return 0; }
static int32_t GAUGE_CALL hundreds_down(MouseClick*, uint32_t) { tune_whole(300, false, 0x10082); return 0; }
static int32_t GAUGE_CALL tens_up(MouseClick*, uint32_t) { tune_whole(1590, true, 0x10071); return 0; }
static int32_t GAUGE_CALL tens_down(MouseClick*, uint32_t) { tune_whole(210, false, 0x10083); return 0; }
static int32_t GAUGE_CALL units_up(MouseClick*, uint32_t) { tune_whole(1599, true, 0x10072); return 0; }
static int32_t GAUGE_CALL units_down(MouseClick*, uint32_t) { tune_whole(201, false, 0x10084); return 0; }
static int32_t GAUGE_CALL whole_up(MouseClick*, uint32_t) { tune_whole(1599, true, 0x103EE); return 0; }
static int32_t GAUGE_CALL whole_down(MouseClick*, uint32_t) { tune_whole(201, false, 0x103EF); return 0; }
static int32_t GAUGE_CALL tenths_up(MouseClick*, uint32_t) { tune_tenths(1599.9, true, 0x1039E); return 0; }
static int32_t GAUGE_CALL tenths_down(MouseClick*, uint32_t) { tune_tenths(200, false, 0x1039D); return 0; }

// Mode. A click is heard only when the ADF is switched on or off; moving between ADF and TONE is
// silent.
static int32_t GAUGE_CALL mode_off_click(MouseClick*, uint32_t)
{
    if (adf_power == 0)
        return 0;
    adf_mode_frame = mode_off;
    play_click(adf_sound);
    adf_power = 0;
    if (adf_tone != 0) {
        adf_tone = 0;
        trigger_key_event(adf_audio_off_event, 0);
    }
    return 0;
}

static int32_t GAUGE_CALL mode_adf_click(MouseClick*, uint32_t)
{
    if (adf_power == 0 && adf_tone == 0) {
        adf_mode_frame = mode_adf;
        play_click(adf_sound);
        adf_power = 1;
    }
    if (adf_power != 0 && adf_tone != 0) {
        adf_mode_frame = mode_adf;
        adf_tone       = 0;
        trigger_key_event(adf_audio_off_event, 0);
    }
    return 0;
}

static int32_t GAUGE_CALL mode_tone_click(MouseClick*, uint32_t)
{
    if (adf_power == 0 && adf_tone == 0) {
        adf_mode_frame = mode_tone;
        play_click(adf_sound);
        adf_power = 1;
        adf_tone  = 1;
        trigger_key_event(adf_audio_on_event, 0);
    } else if (adf_power != 0 && adf_tone == 0) {
        adf_mode_frame = mode_tone;
        adf_tone       = 1;
        trigger_key_event(adf_audio_on_event, 0);
    }
    return 0;
}

static FailureRecord window_failures[] = {
    {.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 5, .action = 0}, {.key = 0},
};
static FailureRecord indicator_failures[] = {
    {.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 5, .action = 0}, {.key = 0},
};

static Icon indicator = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 350, .x = 46, .y = 135, .gauge = &collins_adf_header,
                    .failures = indicator_failures, .image_flags = 0x7},
    .source      = module_var(0),
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = power_indicator,
};
static ElementHeader* knob_next[] = {&indicator.head, nullptr};

static Icon knob = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 340, .x = 17, .y = 93, .gauge = &collins_adf_header,
                    .next = knob_next, .image_flags = 0x3},
    .source      = module_var(0),
    .scale       = 1.0,
    .frame_count = 4,
    .callback    = mode_knob_frame,
};
static ElementHeader* window_next[] = {&knob.head, nullptr};

// One selection per digit of the window: hundreds, tens, units, tenths.
static HighlightRange highlights[] = {
    {.selection = 19, .first = 1, .last = 1}, {.selection = 20, .first = 2, .last = 2},
    {.selection = 21, .first = 3, .last = 3}, {.selection = 29, .first = 5, .last = 5},
    {.selection = 0},
};

static String window = {
    .head       = {.kind = ElementKind::string, .bitmap_id = no_bitmap, .x = 16, .y = 24,
                   .gauge = &collins_adf_header, .next = window_next, .failures = window_failures,
                   .image_flags = 0x7},
    .sources    = {module_var(0x10), module_var(0x12), module_var(0x11)},
    .box_width = 108, .box_height = 28,
    .text_colour = 0x2805FE, .background_colour = 0x000000, .highlight_colour = 0xFFFFFF,
    .font = "Quartz", .font_weight = 700, .charset = 1, .format = 0x25, .char_count = 6,
    .highlights = highlights,
    .callback   = adf_display_update,
};
static ElementHeader* face_next[] = {&window.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 330, .gauge = &collins_adf_header, .next = face_next,
             .image_flags = 0x3},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xA709},
    {.type = mouse_rect_tooltip, .help_id = 0x3170},
    // The window, 18 pixels a character: hundreds, tens, units and tenths; upper halves step up.
    {.type = mouse_rect_parent, .x = 16, .y = 8, .width = 108, .height = 60, .cursor = CURSOR_NONE,
     .help_id = 0xAA56},
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
    {.type = mouse_rect_child, .x = 90, .y = 0, .width = 18, .height = 30, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = tenths_up}},
    {.type = mouse_rect_child, .x = 90, .y = 30, .width = 18, .height = 30, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = tenths_down}},
    {.type = mouse_rect_end_parent},
    // The concentric knob: outer (left) whole kHz, inner (right) tenths.
    {.type = mouse_rect_child, .x = 83, .y = 88, .width = 22, .height = 22, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = whole_up}},
    {.type = mouse_rect_child, .x = 83, .y = 110, .width = 22, .height = 22, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = whole_down}},
    {.type = mouse_rect_child, .x = 105, .y = 88, .width = 22, .height = 22, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = tenths_up}},
    {.type = mouse_rect_child, .x = 105, .y = 110, .width = 22, .height = 22, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = tenths_down}},
    // Mode knob positions; ANT has no zone.
    {.type = mouse_rect_child, .x = 0, .y = 116, .width = 17, .height = 12, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = mode_off_click}},
    {.type = mouse_rect_child, .x = 22, .y = 81, .width = 17, .height = 12, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = mode_adf_click}},
    {.type = mouse_rect_child, .x = 44, .y = 81, .width = 17, .height = 12, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = mode_tone_click}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader collins_adf_header = {
    .version = gauge_header_version_800, .name = "Collins_ADF", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse, .callback = adf_head_callback,
};

// Collins_ADF: the ADF receiver head. Shows the host's ADF frequency in kHz with one decimal, asks
// the host to step it digit by digit or by the concentric knob, and carries the OFF / ANT / ADF /
// TONE mode knob, of which OFF, ADF and TONE can be clicked. It owns avionics.adf and avionics.adf_tone.
//
// The host owns the receiver (steps, carries, wrap-around); the head keeps the whole part between
// 200 and 1600 kHz by refusing to ask for a step that would leave that range.
#include <cstdint>

#include "avionics_power.h"
#include "common/radio_decoders.h"
#include "radio_head.h"

extern GaugeHeader collins_adf_header;

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
        if (read_token(token::adf_audio) > 0)
            trigger_key_event(event::adf_audio_off, 0);
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
    set_hidden(element, avionics.adf == 0);
    write_element_text(element, f >= 1000 ? "%4.1f" : "0%4.1f", f);
    return 0.0;
}

static double GAUGE_CALL mode_knob_frame(ElementHeader*) { return adf_mode_frame; }
static double GAUGE_CALL power_indicator(ElementHeader*) { return avionics.adf != 0 ? 0.0 : -1.0; }

// Tuning. Each up limit is 1600 less the zone's step and each down limit 200 plus it, so no request
// takes the whole part out of 200..1600. The tenths zones refresh only the tenths and test the whole
// part as last decoded.
static void tune_whole(double limit, bool up, uint32_t event_id)
{
    adf_whole_khz = decode_adf_whole_khz();
    if (avionics.adf != 0 && (up ? adf_whole_khz <= limit : adf_whole_khz >= limit))
        trigger_key_event(event_id, 0);
}

static void tune_tenths(double limit, bool up, uint32_t event_id)
{
    adf_tenths = decode_adf_tenths();
    if (avionics.adf != 0 && (up ? adf_whole_khz <= limit : adf_whole_khz >= limit))
        trigger_key_event(event_id, 0);
}

static int32_t GAUGE_CALL hundreds_up(MouseClick*, uint32_t) { tune_whole(1500, true, event::adf_hundreds_up); return 0; }
static int32_t GAUGE_CALL hundreds_down(MouseClick*, uint32_t) { tune_whole(300, false, event::adf_hundreds_down); return 0; }
static int32_t GAUGE_CALL tens_up(MouseClick*, uint32_t) { tune_whole(1590, true, event::adf_tens_up); return 0; }
static int32_t GAUGE_CALL tens_down(MouseClick*, uint32_t) { tune_whole(210, false, event::adf_tens_down); return 0; }
static int32_t GAUGE_CALL units_up(MouseClick*, uint32_t) { tune_whole(1599, true, event::adf_units_up); return 0; }
static int32_t GAUGE_CALL units_down(MouseClick*, uint32_t) { tune_whole(201, false, event::adf_units_down); return 0; }
static int32_t GAUGE_CALL whole_up(MouseClick*, uint32_t) { tune_whole(1599, true, event::adf_whole_up); return 0; }
static int32_t GAUGE_CALL whole_down(MouseClick*, uint32_t) { tune_whole(201, false, event::adf_whole_down); return 0; }
static int32_t GAUGE_CALL tenths_up(MouseClick*, uint32_t) { tune_tenths(1599.9, true, event::adf_tenths_up); return 0; }
static int32_t GAUGE_CALL tenths_down(MouseClick*, uint32_t) { tune_tenths(200, false, event::adf_tenths_down); return 0; }

// Mode. A click is heard only when the ADF is switched on or off; moving between ADF and TONE is
// silent.
static int32_t GAUGE_CALL mode_off_click(MouseClick*, uint32_t)
{
    if (avionics.adf == 0)
        return 0;
    adf_mode_frame = mode_off;
    play_click(adf_sound);
    avionics.adf = 0;
    if (avionics.adf_tone != 0) {
        avionics.adf_tone = 0;
        trigger_key_event(event::adf_audio_off, 0);
    }
    return 0;
}

// ADF and TONE: from OFF the head switches on with a click; between ADF and TONE it only moves the
// knob and tells the host whether the audio is on. Selecting the mode already set does nothing.
static void select_mode(int32_t frame, int32_t tone)
{
    if (avionics.adf == 0 && avionics.adf_tone == 0) {
        adf_mode_frame = frame;
        play_click(adf_sound);
        avionics.adf = 1;
        if (tone != 0) {
            avionics.adf_tone = 1;
            trigger_key_event(event::adf_audio_on, 0);
        }
    } else if (avionics.adf != 0 && (avionics.adf_tone != 0) != (tone != 0)) {
        adf_mode_frame = frame;
        avionics.adf_tone       = tone;
        trigger_key_event(tone != 0 ? event::adf_audio_on : event::adf_audio_off, 0);
    }
}

static int32_t GAUGE_CALL mode_adf_click(MouseClick*, uint32_t)
{
    select_mode(mode_adf, 0);
    return 0;
}

static int32_t GAUGE_CALL mode_tone_click(MouseClick*, uint32_t)
{
    select_mode(mode_tone, 1);
    return 0;
}

static FailureRecord window_failures[] = {
    {.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 5, .action = 0}, {.key = 0},
};
static FailureRecord indicator_failures[] = {
    {.key = 20, .action = 3}, {.key = 21, .action = 3}, {.key = 5, .action = 0}, {.key = 0},
};

static Icon indicator = head_indicator(&collins_adf_header, indicator_failures, power_indicator);
static ElementHeader* knob_next[] = {&indicator.head, nullptr};

static Icon knob = head_knob(&collins_adf_header, knob_next, nullptr, mode_knob_frame);
static ElementHeader* window_next[] = {&knob.head, nullptr};

// One selection per digit of the window: hundreds, tens, units, tenths.
static HighlightRange highlights[] = {
    {.selection = 19, .first = 1, .last = 1}, {.selection = 20, .first = 2, .last = 2},
    {.selection = 21, .first = 3, .last = 3}, {.selection = 29, .first = 5, .last = 5},
    {.selection = 0},
};

static String window = head_window(&collins_adf_header, window_next, window_failures, {
    .x = 16, .box_width = 108, .char_count = 6,
    .sources = {token::adf_whole, token::adf_extended, token::adf_active},
    .highlights = highlights, .callback = adf_display_update,
});
static ElementHeader* face_next[] = {&window.head, nullptr};

static StaticImage face = head_face(&collins_adf_header, 330, face_next);
static ElementHeader* elements[] = {&face.head, nullptr};

constexpr uint32_t repeat = MOUSE_LEFTSINGLE | MOUSE_REPEAT;

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = help::adf_radio},
    {.type = mouse_rect_tooltip, .help_id = help::adf_tooltip},
    // The window, 18 pixels a character: hundreds, tens, units and tenths; upper halves step up.
    {.type = mouse_rect_parent, .x = 16, .y = 8, .width = 108, .height = 60, .cursor = CURSOR_NONE,
     .help_id = help::frequency_window},
    up_zone(18, 0, 18, 30, repeat, hundreds_up),
    down_zone(18, 30, 18, 30, repeat, hundreds_down),
    up_zone(36, 0, 18, 30, repeat, tens_up),
    down_zone(36, 30, 18, 30, repeat, tens_down),
    up_zone(54, 0, 18, 30, repeat, units_up),
    down_zone(54, 30, 18, 30, repeat, units_down),
    up_zone(90, 0, 18, 30, repeat, tenths_up),
    down_zone(90, 30, 18, 30, repeat, tenths_down),
    {.type = mouse_rect_end_parent},
    // The concentric knob: outer (left) whole kHz, inner (right) tenths.
    up_zone(83, 88, 22, 22, repeat, whole_up),
    down_zone(83, 110, 22, 22, repeat, whole_down),
    up_zone(105, 88, 22, 22, repeat, tenths_up),
    down_zone(105, 110, 22, 22, repeat, tenths_down),
    // Mode knob positions; ANT has no zone.
    knob_zone(0, 116, mode_off_click),
    knob_zone(22, 81, mode_adf_click),
    knob_zone(44, 81, mode_tone_click),
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader collins_adf_header = {
    .version = gauge_header_version_800, .name = "Collins_ADF", .elements = elements, .size_x_mm = radio_head_size_mm,
    .mouse_rects = mouse, .callback = adf_head_callback,
};

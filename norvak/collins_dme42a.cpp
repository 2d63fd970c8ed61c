// Collins_DME42A: the DME indicator. The upper window shows the distance, the lower one the time to
// the station (MIN) or the ground speed (KTS), chosen with the mode knob. The source knob asks the
// host to feed the DME from the other NAV receiver (1 or 2); TEST lights the lamp and fills the
// windows with test patterns for 18 updates. The host computes every DME value.
#include <cmath>
#include <cstdio>

#include "avionics_power.h"
#include "click_wave.h"
#include "common/element_text.h"
#include "frame/module.h"

extern GaugeHeader collins_dme42a_header;

uint32_t dme_mode           = 0;   // 0 OFF, 1 MIN, 2 KTS
int32_t  dme_source         = 0;   // the DME source as the source knob last read it
int32_t  dme_test_countdown = 0;   // test-lamp updates left to run
int32_t  dme_test_lamp      = 1;   // the windows show test patterns while set

constexpr int32_t  test_updates            = 18;

static ClickSound dme_sound;

static void GAUGE_CALL dme_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    click_sound_service(dme_sound, service_id, extra, click_wave_id);
}

// Any source other than 1 or 2 counts as powered.
static bool selected_receiver_off()
{
    return (dme_source == 1 && avionics.nav1 == 0) || (dme_source == 2 && avionics.nav2 == 0);
}

// A reading whose text would not fit its window (far out of range) shows the window's dashes, as a
// negative reading does; so does one that is not a finite number.
static void show_reading(ElementHeader* element, const char* format, double v, const char* dashes)
{
    char text[48];
    int  length = std::isfinite(v) ? std::snprintf(text, sizeof text, format, v) : -1;
    if (length < 0 || static_cast<uint32_t>(length) > reinterpret_cast<String*>(element)->char_count)
        write_element_text(element, "%s", dashes);
    else
        write_element_text(element, "%s", text);
}

static void show_pattern(ElementHeader* element, const char* pattern)
{
    set_hidden(element, false);
    write_element_text(element, "%s", pattern);
}

// The bands below switch where the rounded text gains a digit (99.95 shows " 100", not "100.0"), so
// that every reading inside the instrument's range fits its window.
static double GAUGE_CALL distance_text(ElementHeader* element)
{
    double v = reinterpret_cast<String*>(element)->sources[0].value.f64;
    if (dme_mode == 0) {
        set_hidden(element, true);
    } else if (dme_test_lamp != 0) {
        show_pattern(element, "TEST");
    } else if (selected_receiver_off()) {
        set_hidden(element, true);
    } else {
        set_hidden(element, false);
        const char* format = v < 0.0 ? "----" : v >= 99.95 ? "% 3.0f" : v >= 9.95 ? "%4.1f" : "% 3.1f";
        show_reading(element, format, v, "----");
    }
    return v;
}

// Shared steps of the two lower strings; the format is chosen only when the window is shown.
static bool lower_window_shown(ElementHeader* element, uint32_t own_mode)
{
    if (dme_mode == 0) {
        set_hidden(element, true);
        return false;
    }
    if (dme_test_lamp != 0) {
        show_pattern(element, "888888");
        return false;
    }
    if (selected_receiver_off() || dme_mode != own_mode) {
        set_hidden(element, true);
        return false;
    }
    set_hidden(element, false);
    return true;
}

static double GAUGE_CALL speed_text(ElementHeader* element)
{
    double v = reinterpret_cast<String*>(element)->sources[0].value.f64;
    if (lower_window_shown(element, 2)) {
        const char* format = v < 0.0 ? "----KT" : v >= 99.5 ? "%3.0f KT" : v >= 9.5 ? "% 2.0f KT" : "%   1.0f KT";
        show_reading(element, format, v, "----KT");
    }
    return v;
}

static double GAUGE_CALL time_text(ElementHeader* element)
{
    double v = reinterpret_cast<String*>(element)->sources[0].value.f64;
    if (lower_window_shown(element, 1)) {
        const char* format = v < 0.0 ? "---MIN" : v >= 99.5 ? "++ MIN" : v >= 9.5 ? "%2.0f MIN" : "% 1.0f MIN";
        show_reading(element, format, v, "---MIN");
    }
    return v;
}

// Frame 0 for source 1, frame 1 for source 2; anything else is far past the last frame.
static double GAUGE_CALL source_knob_frame(ElementHeader* element)
{
    dme_source = reinterpret_cast<Icon*>(element)->source.value.i32;
    return static_cast<uint32_t>(dme_source) - 1u;
}

static double GAUGE_CALL mode_knob_frame(ElementHeader*) { return dme_mode; }

// Counts the test down: one update of this lamp is one pass of the test.
static double GAUGE_CALL test_lamp_frame(ElementHeader*)
{
    dme_test_lamp = 0;
    if (dme_test_countdown > 0) {
        dme_test_lamp = 1;
        --dme_test_countdown;
    }
    return dme_test_lamp != 0 ? 0.0 : -1.0;
}

static int32_t GAUGE_CALL mode_down_click(MouseClick*, uint32_t)
{
    if (dme_mode > 0) {
        --dme_mode;
        play_click(dme_sound);
    }
    return 0;
}

static int32_t GAUGE_CALL mode_up_click(MouseClick*, uint32_t)
{
    if (dme_mode < 2) {
        ++dme_mode;
        play_click(dme_sound);
    }
    return 0;
}

static int32_t GAUGE_CALL source_click(MouseClick*, uint32_t)
{
    play_click(dme_sound);
    trigger_key_event(event::dme_source_toggle, 0);
    return 0;
}

static int32_t GAUGE_CALL test_click(MouseClick*, uint32_t)
{
    if (dme_mode > 0) {
        dme_test_countdown = test_updates;
        play_click(dme_sound);
    }
    return 0;
}

static FailureRecord window_failures[] = {{.key = 21, .action = 3}, {.key = 0}};

static Icon test_lamp = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1320, .x = 173, .y = 32, .gauge = &collins_dme42a_header,
                    .image_flags = image_flags::lamp},
    .source      = module_var(0),
    .scale       = 0.0,
    .frame_count = 1,
    .callback    = test_lamp_frame,
};
static ElementHeader* mode_knob_next[] = {&test_lamp.head, nullptr};

static Icon mode_knob = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1330, .x = 147, .y = 154, .gauge = &collins_dme42a_header,
                    .next = mode_knob_next, .image_flags = image_flags::plain},
    .source      = module_var(0),
    .scale       = 0.0,
    .frame_count = 3,
    .callback    = mode_knob_frame,
};
static ElementHeader* source_knob_next[] = {&mode_knob.head, nullptr};

static Icon source_knob = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1340, .x = 35, .y = 154, .gauge = &collins_dme42a_header,
                    .next = source_knob_next, .image_flags = image_flags::plain},
    .source      = module_var(token::dme_source),
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = source_knob_frame,
};
static ElementHeader* distance_next[] = {&source_knob.head, nullptr};

static String distance = {
    .head              = {.kind = ElementKind::string, .bitmap_id = no_bitmap, .x = 66, .y = 46,
                          .gauge = &collins_dme42a_header, .next = distance_next, .failures = window_failures,
                          .image_flags = image_flags::lamp},
    .sources           = {module_var(token::dme_distance), module_var(token::dme_source), module_var(0)},
    .box_width         = 84, .box_height = 29,
    .text_colour       = 0x2805FE, .background_colour = 0x000000, .highlight_colour = 0xFFFFFF,
    .font              = "Quartz", .font_weight = 400, .charset = 1, .format = 0x25, .char_count = 4,
    .callback          = distance_text,
};
static ElementHeader* speed_next[] = {&distance.head, nullptr};

static String speed = {
    .head              = {.kind = ElementKind::string, .bitmap_id = no_bitmap, .x = 62, .y = 108,
                          .gauge = &collins_dme42a_header, .next = speed_next, .failures = window_failures,
                          .image_flags = image_flags::lamp},
    .sources           = {module_var(token::dme_speed), module_var(token::dme_distance), module_var(0)},
    .box_width         = 90, .box_height = 29,
    .text_colour       = 0x2805FE, .background_colour = 0x000000, .highlight_colour = 0xFFFFFF,
    .font              = "Quartz", .font_weight = 400, .charset = 1, .format = 0x25, .char_count = 6,
    .callback          = speed_text,
};
static ElementHeader* time_next[] = {&speed.head, nullptr};

static String time_to_station = {
    .head              = {.kind = ElementKind::string, .bitmap_id = no_bitmap, .x = 62, .y = 108,
                          .gauge = &collins_dme42a_header, .next = time_next, .failures = window_failures,
                          .image_flags = image_flags::lamp},
    .sources           = {module_var(token::dme_time), module_var(token::dme_distance), module_var(0)},
    .box_width         = 90, .box_height = 29,
    .text_colour       = 0x2805FE, .background_colour = 0x000000, .highlight_colour = 0xFFFFFF,
    .font              = "Quartz", .font_weight = 400, .charset = 1, .format = 0x25, .char_count = 6,
    .callback          = time_text,
};
static ElementHeader* face_next[] = {&time_to_station.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 1310, .gauge = &collins_dme42a_header, .next = face_next,
             .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_parent, .x = 0, .y = 0, .width = 212, .height = 150, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x317A},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_parent, .x = 35, .y = 154, .width = 31, .height = 31, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x317C},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_child, .x = 131, .y = 154, .width = 31, .height = 31, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = mode_down_click}},
    {.type = mouse_rect_child, .x = 162, .y = 154, .width = 31, .height = 31, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = mode_up_click}},
    {.type = mouse_rect_child, .x = 35, .y = 154, .width = 31, .height = 31, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = source_click}},
    {.type = mouse_rect_child, .x = 173, .y = 32, .width = 17, .height = 17, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = test_click}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader collins_dme42a_header = {
    .version = gauge_header_version_800, .name = "Collins_DME42A", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse, .callback = dme_callback,
};

// Collins_NAV1: the first navigation receiver head. Shows and tunes the host's NAV1 frequency
// (token 0x18); its power flag is nav1_power. At installation it switches the NAV1 audio off.
#include "avionics_power.h"
#include "common/radio_decoders.h"
#include "radio_head.h"

extern GaugeHeader collins_nav1_header;

static RadioHead nav1 = {
    .frequency_token     = 0x18,
    .power               = &nav1_power,
    .decode_whole_mhz    = decode_nav_whole_mhz,
    .whole_up_below      = 117,
    .whole_down_above    = 108,
    .whole_up_event      = 0x10069,
    .whole_down_event    = 0x10068,
    .fraction_up_event   = 0x1006B,
    .fraction_down_event = 0x1006A,
    .audio_off_event     = 0x10128,
    .state               = {.switch_frame = knob_at_off},
};

static void GAUGE_CALL radio_head_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    radio_head_service(nav1, service_id, extra);
}
static double GAUGE_CALL radio_display_update(ElementHeader* element) { return radio_head_display(nav1, element); }
static double GAUGE_CALL switch_frame(ElementHeader*) { return nav1.state.switch_frame; }
static double GAUGE_CALL power_indicator(ElementHeader*) { return radio_head_indicator(nav1); }
static double GAUGE_CALL frequency_tooltip_value(TooltipHostArgs) { return radio_head_tooltip(nav1); }

static int32_t GAUGE_CALL whole_up(MouseClick*, uint32_t) { radio_head_whole_up(nav1); return 0; }
static int32_t GAUGE_CALL whole_down(MouseClick*, uint32_t) { radio_head_whole_down(nav1); return 0; }
static int32_t GAUGE_CALL fraction_up(MouseClick*, uint32_t) { radio_head_fraction_up(nav1); return 0; }
static int32_t GAUGE_CALL fraction_down(MouseClick*, uint32_t) { radio_head_fraction_down(nav1); return 0; }
static int32_t GAUGE_CALL switch_off(MouseClick*, uint32_t) { radio_head_switch_off(nav1); return 0; }
static int32_t GAUGE_CALL switch_on(MouseClick*, uint32_t) { radio_head_switch_on(nav1); return 0; }

static FailureRecord window_failures[] = {{.key = 21, .action = 3}, {.key = 14, .action = 0}, {.key = 0}};
static FailureRecord indicator_failures[] = {{.key = 21, .action = 3}, {.key = 14, .action = 0}, {.key = 0}};

static Icon indicator = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 350, .x = 46, .y = 135, .gauge = &collins_nav1_header,
                    .failures = indicator_failures, .image_flags = 0x7},
    .source      = module_var(0),
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = power_indicator,
};
static ElementHeader* knob_next[] = {&indicator.head, nullptr};

static Icon knob = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 340, .x = 17, .y = 93, .gauge = &collins_nav1_header,
                    .next = knob_next, .image_flags = 0x3},
    .source      = module_var(0),
    .scale       = 1.0,
    .frame_count = 4,
    .callback    = switch_frame,
};
static ElementHeader* window_next[] = {&knob.head, nullptr};

static HighlightRange highlights[] = {
    {.selection = 6, .first = 0, .last = 2}, {.selection = 7, .first = 4, .last = 5}, {.selection = 0},
};

static String window = {
    .head       = {.kind = ElementKind::string, .bitmap_id = no_bitmap, .x = 16, .y = 24,
                   .gauge = &collins_nav1_header, .next = window_next, .failures = window_failures,
                   .image_flags = 0x7},
    .sources    = {module_var(0x18)},
    .box_width = 108, .box_height = 28,
    .text_colour = 0x2805FE, .background_colour = 0x000000, .highlight_colour = 0xFFFFFF,
    .font = "Quartz", .font_weight = 700, .charset = 1, .format = 0x25, .char_count = 6,
    .highlights = highlights,
    .callback   = radio_display_update,
};
static ElementHeader* face_next[] = {&window.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 400, .gauge = &collins_nav1_header, .next = face_next,
             .image_flags = 0x3},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static TooltipArg tooltip_args[] = {{.callback = frequency_tooltip_value}};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xA700},
    {.type = mouse_rect_tooltip, .event_id = 1, .action = {.text = "Navigation Radio NAV1 - %1!07.3f! MHz"},
     .args = tooltip_args},
    // The frequency window: left half whole MHz, right half the fraction; upper halves step up.
    {.type = mouse_rect_parent, .x = 34, .y = 8, .width = 90, .height = 60, .cursor = CURSOR_NONE, .help_id = 0xA715},
    {.type = mouse_rect_child, .x = 0, .y = 0, .width = 45, .height = 30, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = whole_up}},
    {.type = mouse_rect_child, .x = 0, .y = 30, .width = 45, .height = 30, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = whole_down}},
    {.type = mouse_rect_child, .x = 45, .y = 0, .width = 45, .height = 30, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = fraction_up}},
    {.type = mouse_rect_child, .x = 45, .y = 30, .width = 45, .height = 30, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = fraction_down}},
    {.type = mouse_rect_end_parent},
    // The tuning knob in quarters: left whole MHz, right fraction.
    {.type = mouse_rect_child, .x = 83, .y = 88, .width = 22, .height = 22, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = whole_up}},
    {.type = mouse_rect_child, .x = 83, .y = 110, .width = 22, .height = 22, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = whole_down}},
    {.type = mouse_rect_child, .x = 105, .y = 88, .width = 22, .height = 22, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = fraction_up}},
    {.type = mouse_rect_child, .x = 105, .y = 110, .width = 22, .height = 22, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = fraction_down}},
    // The mode knob as a power switch: OFF and ON positions.
    {.type = mouse_rect_child, .x = 0, .y = 87, .width = 17, .height = 12, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = switch_off}},
    {.type = mouse_rect_child, .x = 22, .y = 81, .width = 17, .height = 12, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = switch_on}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader collins_nav1_header = {
    .version = gauge_header_version_800, .name = "Collins_NAV1", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse, .callback = radio_head_callback,
};

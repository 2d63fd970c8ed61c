// Strobe_Lights_Switch: the strobe lights. The lever shows the host's state (token 0xB); a click sends the host
// its toggle event 0x10018 and clicks.
#include "toggle_switch.h"

extern GaugeHeader strobe_lights_switch_header;

static ClickSound strobe_lights_sound;

static void GAUGE_CALL strobe_lights_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    click_sound_service(strobe_lights_sound, service_id, extra, switch_click_wave);
}

static int32_t GAUGE_CALL strobe_lights_click(MouseClick*, uint32_t)
{
    trigger_key_event(0x10018, 0);
    play_click(strobe_lights_sound);
    return 0;
}

static Icon lever = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = switch_lever_bitmap, .gauge = &strobe_lights_switch_header,
                    .image_flags = 0x3},
    .source      = module_var(0xB),
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = switch_lever_frame,
};
static ElementHeader* plate_next[] = {&lever.head, nullptr};

static StaticImage plate = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = switch_plate_bitmap, .gauge = &strobe_lights_switch_header,
             .next = plate_next, .image_flags = 0x3},
};
static ElementHeader* elements[] = {&plate.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB42},
    {.type = mouse_rect_child, .x = 0, .y = 0, .width = 30, .height = 44, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = strobe_lights_click}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader strobe_lights_switch_header = {
    .version = gauge_header_version_800, .name = "Strobe_Lights_Switch", .elements = elements, .size_x_mm = 30,
    .mouse_rects = mouse, .callback = strobe_lights_callback,
};

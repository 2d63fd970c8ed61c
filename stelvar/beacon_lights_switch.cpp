// Beacon_Lights_Switch: the beacon. The lever shows the host's state (token 0x170); a click sends the host
// its toggle event 0x102BF and clicks.
#include "toggle_switch.h"

extern GaugeHeader beacon_lights_switch_header;

static ClickSound beacon_lights_sound;

static void GAUGE_CALL beacon_lights_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    click_sound_service(beacon_lights_sound, service_id, extra, switch_click_wave);
}

static int32_t GAUGE_CALL beacon_lights_click(MouseClick*, uint32_t)
{
    trigger_key_event(0x102BF, 0);
    play_click(beacon_lights_sound);
    return 0;
}

static Icon lever = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = switch_lever_bitmap, .gauge = &beacon_lights_switch_header,
                    .image_flags = 0x3},
    .source      = module_var(0x170),
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = switch_lever_frame,
};
static ElementHeader* plate_next[] = {&lever.head, nullptr};

static StaticImage plate = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = switch_plate_bitmap, .gauge = &beacon_lights_switch_header,
             .next = plate_next, .image_flags = 0x3},
};
static ElementHeader* elements[] = {&plate.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB3D},
    {.type = mouse_rect_child, .x = 0, .y = 0, .width = 30, .height = 44, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = beacon_lights_click}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader beacon_lights_switch_header = {
    .version = gauge_header_version_800, .name = "Beacon_Lights_Switch", .elements = elements, .size_x_mm = 30,
    .mouse_rects = mouse, .callback = beacon_lights_callback,
};

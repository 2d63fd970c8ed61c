// NAV_GPS_Switch: selects whether the navigation indicators follow NAV or GPS. The picture is the
// host's selector value; a click asks the host to change it and clicks audibly.
#include "click_wave.h"
#include "frame/module.h"

extern GaugeHeader nav_gps_switch_header;

static ClickSound nav_gps_sound;

static void GAUGE_CALL nav_gps_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    click_sound_service(nav_gps_sound, service_id, extra, click_wave_id);
}

static int32_t GAUGE_CALL nav_gps_click(MouseClick*, uint32_t)
{
    trigger_key_event(event::nav_gps_toggle, 0);
    play_click(nav_gps_sound);
    return 0;
}

static Icon selector = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1480, .gauge = &nav_gps_switch_header,
                    .image_flags = image_flags::plain},
    .source      = module_var(token::nav_gps),
    .scale       = 1.0,
    .frame_count = 2,
};
static ElementHeader* plate_next[] = {&selector.head, nullptr};

static StaticImage plate = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 1470, .gauge = &nav_gps_switch_header,
             .next = plate_next, .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&plate.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB4D},
    {.type = mouse_rect_child, .x = 0, .y = 0, .width = 57, .height = 30, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = nav_gps_click}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader nav_gps_switch_header = {
    .version = gauge_header_version_800, .name = "NAV_GPS_Switch", .elements = elements, .size_x_mm = 30,
    .mouse_rects = mouse, .callback = nav_gps_callback,
};

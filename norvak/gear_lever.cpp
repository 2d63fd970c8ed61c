// Gear_Lever: the lever picture follows the gear handle; a click makes the host send its gear event
// itself.
#include "frame/module.h"

extern GaugeHeader gear_lever_header;

static double GAUGE_CALL lever_frame(ElementHeader* element)
{
    return reinterpret_cast<Icon*>(element)->source.value.f64 >= 8000.0 ? 1.0 : 0.0;
}

static Icon lever = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 2330, .gauge = &gear_lever_header,
                    .image_flags = image_flags::plain},
    .source      = module_var(token::gear_handle),
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = lever_frame,
};
static ElementHeader* plate_next[] = {&lever.head, nullptr};

static StaticImage plate = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2320, .gauge = &gear_lever_header, .next = plate_next,
             .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&plate.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB30},
    {.type = mouse_rect_child, .x = 0, .y = 0, .width = 31, .height = 107, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .event_id = event::gear_toggle},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader gear_lever_header = {
    .version = gauge_header_version_800, .name = "Gear_Lever", .elements = elements, .size_x_mm = 31,
    .mouse_rects = mouse,
};

// Gear_Lamp_Front: the front gear's position lamp (token 0x14C): up, in transit or down.
#include "gear_lamp.h"

extern GaugeHeader gear_lamp_front_header;

static FailureRecord lamp_failures[] = {{.key = 20, .action = 3}, {.key = 0}};

static Icon lamp = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 490, .gauge = &gear_lamp_front_header,
                    .failures = lamp_failures, .image_flags = image_flags::plain},
    .source      = module_var(0x14C),
    .scale       = 1.0,
    .frame_count = 3,
    .callback    = gear_lamp_frame,
};
static ElementHeader* plate_next[] = {&lamp.head, nullptr};

static StaticImage plate = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 490, .gauge = &gear_lamp_front_header,
             .next = plate_next, .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&plate.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB31},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader gear_lamp_front_header = {
    .version = gauge_header_version_800, .name = "Gear_Lamp_Front", .elements = elements, .size_x_mm = 40,
    .mouse_rects = mouse,
};

// Inner_Marker_Light: lit while the inner marker beacon is received and NAV1 is powered.
#include "marker_lamp.h"

extern GaugeHeader inner_marker_light_header;

static double GAUGE_CALL inner_marker(ElementHeader* element) { return marker_lamp_frame(element, 3.0); }

static FailureRecord lamp_failures[] = {{.key = 20, .action = 3}, {.key = 0}};

static Icon lamp = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 2280, .gauge = &inner_marker_light_header,
                    .failures = lamp_failures, .image_flags = image_flags::lamp},
    .source      = module_var(0x162),
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = inner_marker,
};
static ElementHeader* plate_next[] = {&lamp.head, nullptr};

static StaticImage plate = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2270, .gauge = &inner_marker_light_header,
             .next = plate_next, .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&plate.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB49},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader inner_marker_light_header = {
    .version = gauge_header_version_800, .name = "Inner_Marker_Light", .elements = elements, .size_x_mm = 40,
    .mouse_rects = mouse,
};

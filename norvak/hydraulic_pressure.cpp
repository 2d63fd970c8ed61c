// Hydraulic_Pressure: one needle on the hydraulic pressure.
#include "frame/module.h"

extern GaugeHeader hydraulic_pressure_header;

static NonlinearityEntry table[] = {
    {.x = 170, .y = 126, .value = -1.0}, {.x = 170, .y = 126, .value = 0.0},
    {.x = 27, .y = 100, .value = 288000.0}, {.x = 168, .y = 76, .value = 576000.0},
    {.x = 168, .y = 76, .value = 720000.0},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2310, .gauge = &hydraulic_pressure_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* needle_next[] = {&glass.head, nullptr};

static FailureRecord needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2300, .x = 100, .y = 100, .offset_x = 30, .offset_y = 5,
                 .gauge = &hydraulic_pressure_header, .next = needle_next, .failures = needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::hydraulic_pressure),
    .table    = table, .table_count = count_of(table),
};
static ElementHeader* face_next[] = {&needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2290, .gauge = &hydraulic_pressure_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB8C},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader hydraulic_pressure_header = {
    .version = gauge_header_version_800, .name = "Hydraulic_Pressure", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

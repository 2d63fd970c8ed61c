// Fuel_Pressure: both engines' fuel pressure on one pivot.
#include "frame/module.h"

extern GaugeHeader fuel_pressure_header;

static NonlinearityEntry table[] = {
    {.x = 63, .y = 232, .value = 0.0}, {.x = 181, .y = 29, .value = 2880.0},
    {.x = 219, .y = 234, .value = 5040.0}, {.x = 219, .y = 234, .value = 7200.0},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2440, .gauge = &fuel_pressure_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* engine2_needle_next[] = {&glass.head, nullptr};

static FailureRecord engine2_needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle engine2_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2430, .x = 140, .y = 140, .offset_x = 53, .offset_y = 9,
                 .gauge = &fuel_pressure_header, .next = engine2_needle_next, .failures = engine2_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine2_fuel_pressure),
    .table    = table, .table_count = count_of(table),
};
static ElementHeader* engine1_needle_next[] = {&engine2_needle.head, nullptr};

static FailureRecord engine1_needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle engine1_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2420, .x = 140, .y = 140, .offset_x = 53, .offset_y = 9,
                 .gauge = &fuel_pressure_header, .next = engine1_needle_next, .failures = engine1_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine1_fuel_pressure),
    .table    = table, .table_count = count_of(table),
};
static ElementHeader* face_next[] = {&engine1_needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2410, .gauge = &fuel_pressure_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .action = {.text = "Fuel pressure left engines"}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader fuel_pressure_header = {
    .version = gauge_header_version_800, .name = "Fuel_Pressure", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

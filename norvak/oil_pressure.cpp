// Oil_Pressure: both engines' oil pressure on one pivot.
#include "frame/module.h"

extern GaugeHeader oil_pressure_header;

static NonlinearityEntry table[] = {
    {.x = 104, .y = 249, .value = 0.0}, {.x = 22, .y = 149, .value = 5760.0},
    {.x = 140, .y = 27, .value = 14400.0}, {.x = 254, .y = 152, .value = 23040.0},
    {.x = 185, .y = 251, .value = 28800.0}, {.x = 185, .y = 251, .value = 43200.0},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2370, .gauge = &oil_pressure_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* engine2_needle_next[] = {&glass.head, nullptr};

static FailureRecord engine2_needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle engine2_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2360, .x = 140, .y = 140, .offset_x = 53, .offset_y = 9,
                 .gauge = &oil_pressure_header, .next = engine2_needle_next, .failures = engine2_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine2_oil_pressure),
    .table    = table, .table_count = count_of(table),
};
static ElementHeader* engine1_needle_next[] = {&engine2_needle.head, nullptr};

static FailureRecord engine1_needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle engine1_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2350, .x = 140, .y = 140, .offset_x = 53, .offset_y = 9,
                 .gauge = &oil_pressure_header, .next = engine1_needle_next, .failures = engine1_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine1_oil_pressure),
    .table    = table, .table_count = count_of(table),
};
static ElementHeader* face_next[] = {&engine1_needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2340, .gauge = &oil_pressure_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

// One host tooltip over each half of the dial.
static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_parent, .x = 0, .y = 0, .width = 140, .height = 280, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x3101},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_parent, .x = 140, .y = 0, .width = 140, .height = 280, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x3102},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader oil_pressure_header = {
    .version = gauge_header_version_800, .name = "Oil_Pressure", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

// Manifold_Pressure: both engines' manifold pressure on one pivot.
#include "frame/module.h"

extern GaugeHeader manifold_pressure_header;

// 30, 50 and 53 1/3 inches of mercury in the host's unit (106.0992 per inch).
static NonlinearityEntry table[] = {
    {.x = 28, .y = 171, .value = 0.0}, {.x = 251, .y = 117, .value = 3182.976},
    {.x = 47, .y = 208, .value = 5304.96}, {.x = 47, .y = 208, .value = 5658.624},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2030, .gauge = &manifold_pressure_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* engine2_needle_next[] = {&glass.head, nullptr};

static FailureRecord engine2_needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle engine2_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2020, .x = 140, .y = 140, .offset_x = 53, .offset_y = 9,
                 .gauge = &manifold_pressure_header, .next = engine2_needle_next, .failures = engine2_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine2_manifold_pressure),
    .table    = table, .table_count = count_of(table),
};
static ElementHeader* engine1_needle_next[] = {&engine2_needle.head, nullptr};

static FailureRecord engine1_needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle engine1_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2010, .x = 140, .y = 140, .offset_x = 53, .offset_y = 9,
                 .gauge = &manifold_pressure_header, .next = engine1_needle_next, .failures = engine1_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine1_manifold_pressure),
    .table    = table, .table_count = count_of(table),
};
static ElementHeader* face_next[] = {&engine1_needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2000, .gauge = &manifold_pressure_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

// One host tooltip over each half of the dial.
static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_parent, .x = 0, .y = 0, .width = 140, .height = 280, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x30A1},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_parent, .x = 140, .y = 0, .width = 140, .height = 280, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x30A2},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader manifold_pressure_header = {
    .version = gauge_header_version_800, .name = "Manifold_Pressure", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

// Tachometer: both engines' rpm on one pivot, engine 2's needle on top.
#include "frame/module.h"

extern GaugeHeader tachometer_header;

static NonlinearityEntry table[] = {
    {.x = 105, .y = 254, .value = 0.0}, {.x = 105, .y = 31, .value = 2000.0},
    {.x = 179, .y = 257, .value = 4500.0}, {.x = 179, .y = 257, .value = 5000.0},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2070, .gauge = &tachometer_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* engine2_needle_next[] = {&glass.head, nullptr};

static FailureRecord engine2_needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle engine2_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2060, .x = 140, .y = 140, .offset_x = 53, .offset_y = 9,
                 .gauge = &tachometer_header, .next = engine2_needle_next, .failures = engine2_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine2_rpm),
    .table    = table, .table_count = count_of(table),
};
static ElementHeader* engine1_needle_next[] = {&engine2_needle.head, nullptr};

static FailureRecord engine1_needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle engine1_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2050, .x = 140, .y = 140, .offset_x = 53, .offset_y = 9,
                 .gauge = &tachometer_header, .next = engine1_needle_next, .failures = engine1_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine1_rpm),
    .table    = table, .table_count = count_of(table),
};
static ElementHeader* face_next[] = {&engine1_needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2040, .gauge = &tachometer_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

// One host tooltip over each half of the dial.
static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_parent, .x = 0, .y = 0, .width = 140, .height = 280, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x3211},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_parent, .x = 140, .y = 0, .width = 140, .height = 280, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x3212},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader tachometer_header = {
    .version = gauge_header_version_800, .name = "Tachometer", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

// Oil_Quantity: one engine's oil quantity in sixteenths of 16384. The engine digit of the parameter
// text moves its token to another engine.
#include "common/engine_selection.h"
#include "frame/module.h"

extern GaugeHeader oil_quantity_header;

// 0.16 to 1.28 of 16384.
static NonlinearityEntry table[] = {
    {.x = 58, .y = 165, .value = 0.0},       {.x = 22, .y = 103, .value = 2621.44},
    {.x = 40, .y = 48, .value = 5242.88},    {.x = 136, .y = 32, .value = 10485.76},
    {.x = 172, .y = 75, .value = 13107.2},   {.x = 158, .y = 143, .value = 15728.64},
    {.x = 144, .y = 160, .value = 16384.0},  {.x = 144, .y = 160, .value = 20971.52},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 3120, .gauge = &oil_quantity_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* needle_next[] = {&glass.head, nullptr};

static FailureRecord needle_failures[] = {{.key = 20, .action = 1}, {.key = 2, .action = 0}, {.key = 0}};

static Needle needle = {
    .head   = {.kind = ElementKind::needle, .bitmap_id = 3110, .x = 100, .y = 100, .offset_x = 30, .offset_y = 5,
               .gauge = &oil_quantity_header, .next = needle_next, .failures = needle_failures,
               .image_flags = image_flags::needle},
    .source = module_var(token::engine1_oil_quantity),
    .table  = table, .table_count = count_of(table),
};
static ElementHeader* face_next[] = {&needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 3100, .gauge = &oil_quantity_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .action = {.text = "Oil quantity"}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader oil_quantity_header = {
    .version = gauge_header_version_800, .name = "Oil_Quantity", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse, .callback = engine_gauge_callback,
};

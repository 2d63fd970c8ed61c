// Water_Qty_Left: the left water tank's level as the host reports it (token 0x127, 0x800000 full).
// Data only.
#include "frame/module.h"

extern GaugeHeader water_qty_left_header;

// Eight points from empty to just over full, in tank level units.
static NonlinearityEntry table[] = {
    {.x = 152, .y = 270, .value = 0.0},     {.x = 46, .y = 123, .value = 710899.0},
    {.x = 67, .y = 80, .value = 1421798.0},  {.x = 114, .y = 48, .value = 2843596.0},
    {.x = 171, .y = 42, .value = 4265394.0}, {.x = 222, .y = 67, .value = 5687193.0},
    {.x = 258, .y = 132, .value = 7108991.0}, {.x = 249, .y = 207, .value = 8530789.0},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 3220, .gauge = &water_qty_left_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* needle_next[] = {&glass.head, nullptr};

static FailureRecord needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle needle = {
    .head   = {.kind = ElementKind::needle, .bitmap_id = 3210, .x = 150, .y = 150, .offset_x = 49, .offset_y = 18,
               .gauge = &water_qty_left_header, .next = needle_next, .failures = needle_failures,
               .image_flags = image_flags::needle},
    .source = module_var(0x127),
    .table  = table, .table_count = count_of(table),
};
static ElementHeader* face_next[] = {&needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 3200, .gauge = &water_qty_left_header,
             .next = face_next, .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .action = {.text = "Water quantity left tank in lbs"}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader water_qty_left_header = {
    .version = gauge_header_version_800, .name = "Water_Qty_Left", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

// Cylinder_Head_Temp: head temperature of both engines in degrees Rankine, engine 2 on the right.
#include "frame/module.h"

extern GaugeHeader cylinder_head_temp_header;

// Rankine: 491.67 is 0 degrees Celsius, each 1.8 one degree.
static NonlinearityEntry right_table[] = {
    {.x = 196, .y = 228, .value = 489.87}, {.x = 196, .y = 228, .value = 491.67},
    {.x = 183, .y = 218, .value = 581.67}, {.x = 196, .y = 73, .value = 1031.67},
    {.x = 196, .y = 73, .value = 1211.67},
};

static NonlinearityEntry left_table[] = {
    {.x = 103, .y = 75, .value = 1211.67}, {.x = 103, .y = 75, .value = 1031.67},
    {.x = 116, .y = 216, .value = 581.67}, {.x = 103, .y = 226, .value = 491.67},
    {.x = 103, .y = 226, .value = 489.87},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2100, .gauge = &cylinder_head_temp_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* left_needle_next[] = {&glass.head, nullptr};

static FailureRecord left_needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle left_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2090, .x = 50, .y = 150, .offset_x = 0, .offset_y = 5,
                 .gauge = &cylinder_head_temp_header, .next = left_needle_next, .failures = left_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine1_cylinder_head_temp),
    .table    = left_table, .table_count = count_of(left_table),
};
static ElementHeader* right_needle_next[] = {&left_needle.head, nullptr};

static FailureRecord right_needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle right_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2090, .x = 250, .y = 150, .offset_x = 0, .offset_y = 5,
                 .gauge = &cylinder_head_temp_header, .next = right_needle_next, .failures = right_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine2_cylinder_head_temp),
    .table    = right_table, .table_count = count_of(right_table),
};
static ElementHeader* face_next[] = {&right_needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2080, .gauge = &cylinder_head_temp_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

// One host tooltip over each half of the dial.
static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_parent, .x = 0, .y = 0, .width = 150, .height = 300, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x30D1},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_parent, .x = 150, .y = 0, .width = 150, .height = 300, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x30D2},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader cylinder_head_temp_header = {
    .version = gauge_header_version_800, .name = "Cylinder_Head_Temp", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

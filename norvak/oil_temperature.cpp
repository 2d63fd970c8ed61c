// Oil_Temperature: oil temperature of both engines in degrees Rankine, engine 2 on the right.
#include "frame/module.h"

extern GaugeHeader oil_temperature_header;

static NonlinearityEntry right_table[] = {
    {.x = 188, .y = 226, .value = 311.67}, {.x = 188, .y = 226, .value = 365.67},
    {.x = 155, .y = 180, .value = 491.67}, {.x = 153, .y = 147, .value = 581.67},
    {.x = 161, .y = 110, .value = 671.67}, {.x = 187, .y = 83, .value = 761.67},
    {.x = 187, .y = 83, .value = 851.67},
};

static NonlinearityEntry left_table[] = {
    {.x = 102, .y = 85, .value = 851.67}, {.x = 102, .y = 85, .value = 761.67},
    {.x = 129, .y = 111, .value = 671.67}, {.x = 139, .y = 147, .value = 581.67},
    {.x = 137, .y = 180, .value = 491.67}, {.x = 105, .y = 226, .value = 365.67},
    {.x = 105, .y = 226, .value = 311.67},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 3020, .gauge = &oil_temperature_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* left_needle_next[] = {&glass.head, nullptr};

static FailureRecord left_needle_failures[] = {{.key = 20, .action = 2}, {.key = 2, .action = 0}, {.key = 0}};

static Needle left_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 3010, .x = 50, .y = 153, .offset_x = 0, .offset_y = 5,
                 .gauge = &oil_temperature_header, .next = left_needle_next, .failures = left_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine1_oil_temperature),
    .table    = left_table, .table_count = count_of(left_table),
};
static ElementHeader* right_needle_next[] = {&left_needle.head, nullptr};

static FailureRecord right_needle_failures[] = {{.key = 20, .action = 2}, {.key = 2, .action = 0}, {.key = 0}};

static Needle right_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 3010, .x = 243, .y = 153, .offset_x = 0, .offset_y = 5,
                 .gauge = &oil_temperature_header, .next = right_needle_next, .failures = right_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine2_oil_temperature),
    .table    = right_table, .table_count = count_of(right_table),
};
static ElementHeader* face_next[] = {&right_needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 3000, .gauge = &oil_temperature_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

// One host tooltip over each half of the dial.
static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_parent, .x = 0, .y = 0, .width = 150, .height = 300, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x30F1},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_parent, .x = 150, .y = 0, .width = 150, .height = 300, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x30F2},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader oil_temperature_header = {
    .version = gauge_header_version_800, .name = "Oil_Temperature", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

// Airspeed: one needle over a face in knots. Data only; the host supplies its tooltip.
#include "frame/module.h"

extern GaugeHeader airspeed_header;

// The table starts with a dead band from -1 to 0 so that the needle rests on its stop.
static NonlinearityEntry table[] = {
    {.x = 153, .y = 32, .value = -1.0},  {.x = 153, .y = 32, .value = 0.0},
    {.x = 198, .y = 43, .value = 40.0},  {.x = 263, .y = 131, .value = 80.0},
    {.x = 150, .y = 273, .value = 130.0}, {.x = 31, .y = 180, .value = 170.0},
    {.x = 31, .y = 150, .value = 180.0}, {.x = 113, .y = 39, .value = 260.0},
    {.x = 113, .y = 39, .value = 500.0},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 320, .gauge = &airspeed_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* needle_next[] = {&glass.head, nullptr};

static FailureRecord needle_failures[] = {{.key = 6, .action = 1}, {.key = 3, .action = 2}, {.key = 0}};

static Needle needle = {
    .head   = {.kind = ElementKind::needle, .bitmap_id = 310, .x = 150, .y = 150, .offset_x = 49, .offset_y = 18,
               .gauge = &airspeed_header, .next = needle_next, .failures = needle_failures,
               .image_flags = image_flags::needle},
    .source = module_var(token::airspeed),
    .table  = table, .table_count = count_of(table),
};
static ElementHeader* face_next[] = {&needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 300, .gauge = &airspeed_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB02},
    {.type = mouse_rect_tooltip, .help_id = 0x3002},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader airspeed_header = {
    .version = gauge_header_version_800, .name = "Airspeed", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

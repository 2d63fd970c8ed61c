// Vertical_Speed: one needle over a face in feet per minute. Data only.
#include "frame/module.h"

extern GaugeHeader vertical_speed_header;

// One entry per 1000 ft/min in the host's unit: 1000 / 60 / 3.28084 * 256 = 1300.4799583846413.
// The needle stops at 6000 ft/min both ways.
static NonlinearityEntry table[] = {
    {.x = 260, .y = 166, .value = -7 * 1300.4799583846413}, {.x = 260, .y = 166, .value = -6 * 1300.4799583846413},
    {.x = 253, .y = 182, .value = -5 * 1300.4799583846413}, {.x = 245, .y = 206, .value = -4 * 1300.4799583846413},
    {.x = 225, .y = 235, .value = -3 * 1300.4799583846413}, {.x = 176, .y = 261, .value = -2 * 1300.4799583846413},
    {.x = 91, .y = 251, .value = -1 * 1300.4799583846413},  {.x = 40, .y = 151, .value = 0.0},
    {.x = 91, .y = 52, .value = 1 * 1300.4799583846413},    {.x = 175, .y = 44, .value = 2 * 1300.4799583846413},
    {.x = 222, .y = 69, .value = 3 * 1300.4799583846413},   {.x = 248, .y = 93, .value = 4 * 1300.4799583846413},
    {.x = 256, .y = 118, .value = 5 * 1300.4799583846413}, {.x = 260, .y = 135, .value = 6 * 1300.4799583846413},
    {.x = 260, .y = 135, .value = 7 * 1300.4799583846413},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2170, .gauge = &vertical_speed_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* needle_next[] = {&glass.head, nullptr};

static FailureRecord needle_failures[] = {{.key = 19, .action = 1}, {.key = 3, .action = 2}, {.key = 0}};

static Needle needle = {
    .head   = {.kind = ElementKind::needle, .bitmap_id = 2160, .x = 151, .y = 150, .offset_x = 66, .offset_y = 10,
               .gauge = &vertical_speed_header, .next = needle_next, .failures = needle_failures,
               .image_flags = image_flags::needle},
    .source = module_var(token::vertical_speed),
    .table  = table, .table_count = count_of(table),
};
static ElementHeader* face_next[] = {&needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2150, .gauge = &vertical_speed_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB76},
    {.type = mouse_rect_tooltip, .help_id = 0x3099},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader vertical_speed_header = {
    .version = gauge_header_version_800, .name = "Vertical_Speed", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

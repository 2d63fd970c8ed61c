// Clock: hour, minute and second hands, all on the clock time in seconds. Its two zones make
// the host send the clock events itself.
#include "frame/module.h"

extern GaugeHeader clock_header;

// Half a turn per 21600, 1800 and 30 seconds.
static NonlinearityEntry hour_table[]   = {{.x = 140, .y = 120, .value = 0.0}, {.x = 140, .y = 160, .value = 21600.0}};
static NonlinearityEntry minute_table[] = {{.x = 140, .y = 120, .value = 0.0}, {.x = 140, .y = 160, .value = 1800.0}};
static NonlinearityEntry second_table[] = {{.x = 140, .y = 120, .value = 0.0}, {.x = 140, .y = 160, .value = 30.0}};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 1200, .gauge = &clock_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* second_next[] = {&glass.head, nullptr};

static Needle second_hand = {
    .head   = {.kind = ElementKind::needle, .bitmap_id = 1170, .x = 140, .y = 140, .offset_x = 46, .offset_y = 8,
               .gauge = &clock_header, .next = second_next, .image_flags = image_flags::needle},
    .source = module_var(token::clock_seconds),
    .table  = second_table, .table_count = count_of(second_table),
};
static ElementHeader* minute_next[] = {&second_hand.head, nullptr};

static Needle minute_hand = {
    .head   = {.kind = ElementKind::needle, .bitmap_id = 1180, .x = 140, .y = 140, .offset_x = 9, .offset_y = 9,
               .gauge = &clock_header, .next = minute_next, .image_flags = image_flags::needle},
    .source = module_var(token::clock_seconds),
    .table  = minute_table, .table_count = count_of(minute_table),
};
static ElementHeader* hour_next[] = {&minute_hand.head, nullptr};

static Needle hour_hand = {
    .head   = {.kind = ElementKind::needle, .bitmap_id = 1190, .x = 140, .y = 140, .offset_x = 11, .offset_y = 11,
               .gauge = &clock_header, .next = hour_next, .image_flags = image_flags::needle},
    .source = module_var(token::clock_seconds),
    .table  = hour_table, .table_count = count_of(hour_table),
};
static ElementHeader* face_next[] = {&hour_hand.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 1160, .gauge = &clock_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB16},
    {.type = mouse_rect_child, .x = 139, .y = 157, .width = 45, .height = 25, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE, .event_id = event::clock_forward},
    {.type = mouse_rect_child, .x = 94, .y = 157, .width = 45, .height = 25, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE, .event_id = event::clock_back},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader clock_header = {
    .version = gauge_header_version_800, .name = "Clock", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

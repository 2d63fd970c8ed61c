// Flaps_Position: the flaps needle follows the flaps position through a first-order lag.
#include "frame/module.h"

extern GaugeHeader flaps_position_header;

static double flaps_smoothed = 0.0;

// Each update moves an eighth of the way to the host's value.
static double GAUGE_CALL flaps_smoothing(ElementHeader* element)
{
    flaps_smoothed = 0.125 * reinterpret_cast<Needle*>(element)->source.value.f64 + 0.875 * flaps_smoothed;
    return flaps_smoothed;
}

static NonlinearityEntry table[] = {
    {.x = 99, .y = 30, .value = 0.0},      {.x = 147, .y = 42, .value = 4096.0},
    {.x = 171, .y = 82, .value = 8192.0},  {.x = 168, .y = 128, .value = 12288.0},
    {.x = 99, .y = 175, .value = 16382.0},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 1300, .gauge = &flaps_position_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* needle_next[] = {&glass.head, nullptr};

static FailureRecord needle_failures[] = {{.key = 20, .action = 0}, {.key = 0}};

static Needle needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 1290, .x = 99, .y = 101, .offset_x = 30, .offset_y = 5,
                 .gauge = &flaps_position_header, .next = needle_next, .failures = needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::flaps_position),
    .table    = table, .table_count = count_of(table),
    .callback = flaps_smoothing,
};
static ElementHeader* face_next[] = {&needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 1280, .gauge = &flaps_position_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB24},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader flaps_position_header = {
    .version = gauge_header_version_800, .name = "Flaps_Position", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

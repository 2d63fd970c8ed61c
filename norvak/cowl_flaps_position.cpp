// Cowl_Flaps_Position: one engine's cowl flaps (0 closed to 1 open) through a first-order lag. The
// engine digit of the parameter text moves its token to another engine.
#include "common/engine_selection.h"
#include "frame/module.h"

extern GaugeHeader cowl_flaps_position_header;

static double cowl_flaps_smoothed = 0.0;

// Each update moves an eighth of the way to the host's value.
static double GAUGE_CALL cowl_flaps_smoothing(ElementHeader* element)
{
    cowl_flaps_smoothed = 0.125 * reinterpret_cast<Needle*>(element)->source.value.f64 + 0.875 * cowl_flaps_smoothed;
    return cowl_flaps_smoothed;
}

static NonlinearityEntry table[] = {
    {.x = 111, .y = 177, .value = 0.0}, {.x = 25, .y = 100, .value = 0.5}, {.x = 116, .y = 30, .value = 1.0},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 3090, .gauge = &cowl_flaps_position_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* needle_next[] = {&glass.head, nullptr};

static FailureRecord needle_failures[] = {{.key = 20, .action = 0}, {.key = 0}};

static Needle needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 3080, .x = 102, .y = 100, .offset_x = 35, .offset_y = 10,
                 .gauge = &cowl_flaps_position_header, .next = needle_next, .failures = needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine1_cowl_flaps),
    .table    = table, .table_count = count_of(table),
    .callback = cowl_flaps_smoothing,
};
static ElementHeader* face_next[] = {&needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 3070, .gauge = &cowl_flaps_position_header,
             .next = face_next, .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB18},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader cowl_flaps_position_header = {
    .version = gauge_header_version_800, .name = "Cowl_Flaps_Position", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse, .callback = engine_gauge_callback,
};

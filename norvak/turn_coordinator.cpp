// Turn_Coordinator: the ball rides a parabola on the slip ball position, the aircraft symbol shows
// the turn rate (in 1/256 units).
#include "frame/module.h"

extern GaugeHeader turn_coordinator_header;

// With the y scale of -9/16384 the ball lifts by the square of its sideways value.
static double GAUGE_CALL ball_height(ElementHeader* element)
{
    double v = reinterpret_cast<Slider*>(element)->y_source.value.f64;
    return v * v;
}

static double GAUGE_CALL turn_rate(ElementHeader* element)
{
    return reinterpret_cast<Needle*>(element)->source.value.f64 * 0.00390625;
}

static NonlinearityEntry turn_table[] = {
    {.x = 66, .y = 128, .value = -5.0}, {.x = 66, .y = 128, .value = -4.5},
    {.x = 132, .y = 128, .value = 4.5}, {.x = 132, .y = 128, .value = 5.0},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2220, .gauge = &turn_coordinator_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* needle_next[] = {&glass.head, nullptr};

static FailureRecord needle_failures[] = {{.key = 18, .action = 1}, {.key = 20, .action = 2}, {.key = 0}};

static Needle aircraft = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2190, .x = 99, .y = 161, .offset_x = 22, .offset_y = 13,
                 .gauge = &turn_coordinator_header, .next = needle_next, .failures = needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::turn_rate),
    .table    = turn_table, .table_count = count_of(turn_table),
    .callback = turn_rate,
};
static ElementHeader* marks_next[] = {&aircraft.head, nullptr};

static Icon marks = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 2210, .x = 8, .y = 110, .gauge = &turn_coordinator_header,
                    .next = marks_next, .image_flags = image_flags::face},
    .source      = module_var(0),
    .scale       = 1.0,
    .frame_count = 1,
};
static ElementHeader* ball_next[] = {&marks.head, nullptr};

static Slider ball = {
    .head       = {.kind = ElementKind::slider, .bitmap_id = 2200, .x = 88, .y = 119, .gauge = &turn_coordinator_header,
                   .next = ball_next, .image_flags = image_flags::needle},
    .x_source   = module_var(token::slip_ball), .x_scale = 0.46875,
    .y_source   = module_var(token::slip_ball), .y_scale = -0.00054931640625,
    .y_callback = ball_height,
};
static ElementHeader* face_next[] = {&ball.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2180, .gauge = &turn_coordinator_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x3090},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader turn_coordinator_header = {
    .version = gauge_header_version_800, .name = "Turn_Coordinator", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

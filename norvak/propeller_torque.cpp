// Propeller_Torque: both propellers' torque on one pivot. The host's values are divided by 26 to
// fit the 0 to 400 scale; the last values shown are kept for the tooltip.
#include "frame/module.h"

extern GaugeHeader propeller_torque_header;

static double left_torque  = 0.0;
static double right_torque = 0.0;

static double GAUGE_CALL right_torque_value(ElementHeader* element)
{
    right_torque = reinterpret_cast<Needle*>(element)->source.value.f64 / 26.0;
    return right_torque;
}

static double GAUGE_CALL left_torque_value(ElementHeader* element)
{
    left_torque = reinterpret_cast<Needle*>(element)->source.value.f64 / 26.0;
    return left_torque;
}

static double GAUGE_CALL left_torque_arg(TooltipHostArgs) { return left_torque; }
static double GAUGE_CALL right_torque_arg(TooltipHostArgs) { return right_torque; }

static NonlinearityEntry table[] = {
    {.x = 142, .y = 275, .value = -1.0},  {.x = 142, .y = 275, .value = 0.0},
    {.x = 104, .y = 261, .value = 65.0},  {.x = 157, .y = 38, .value = 180.0},
    {.x = 195, .y = 259, .value = 290.0}, {.x = 195, .y = 259, .value = 400.0},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2140, .gauge = &propeller_torque_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* left_needle_next[] = {&glass.head, nullptr};

static FailureRecord left_needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle left_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2120, .x = 150, .y = 150, .offset_x = 66, .offset_y = 15,
                 .gauge = &propeller_torque_header, .next = left_needle_next, .failures = left_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine1_torque),
    .table    = table, .table_count = count_of(table),
    .callback = left_torque_value,
};
static ElementHeader* right_needle_next[] = {&left_needle.head, nullptr};

static FailureRecord right_needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle right_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2130, .x = 150, .y = 150, .offset_x = 66, .offset_y = 15,
                 .gauge = &propeller_torque_header, .next = right_needle_next, .failures = right_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::engine2_torque),
    .table    = table, .table_count = count_of(table),
    .callback = right_torque_value,
};
static ElementHeader* face_next[] = {&right_needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2110, .gauge = &propeller_torque_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static TooltipArg torque_args[] = {{.callback = left_torque_arg}, {.callback = right_torque_arg}};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .arg_count = 2,
     .action = {.text = "Propeller torque (%1!d! ft-lbs left - %2!d! ft-lbs right)"}, .args = torque_args},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader propeller_torque_header = {
    .version = gauge_header_version_800, .name = "Propeller_Torque", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

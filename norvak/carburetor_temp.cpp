// Carburetor_Temp: carburettor temperature of both engines in degrees Celsius, engine 2 on the right.
// The needles have no source token: their callbacks ask the host's expression evaluator.
#include "frame/module.h"

extern GaugeHeader carburetor_temp_header;

static double GAUGE_CALL engine2_temperature(ElementHeader*)
{
    double value = 0.0;
    execute_calculator_code("(A:RECIP CARBURETOR TEMPERATURE:2,celsius)", &value, nullptr, nullptr);
    return value;
}

static double GAUGE_CALL engine1_temperature(ElementHeader*)
{
    double value = 0.0;
    execute_calculator_code("(A:RECIP CARBURETOR TEMPERATURE:1,celsius)", &value, nullptr, nullptr);
    return value;
}

static NonlinearityEntry right_table[] = {
    {.x = 182, .y = 214, .value = -70.0}, {.x = 182, .y = 214, .value = -50.0},
    {.x = 173, .y = 206, .value = -40.0}, {.x = 158, .y = 182, .value = -20.0},
    {.x = 158, .y = 154, .value = 0.0},   {.x = 167, .y = 115, .value = 30.0},
    {.x = 172, .y = 102, .value = 40.0},  {.x = 181, .y = 94, .value = 50.0},
    {.x = 181, .y = 94, .value = 100.0},
};

static NonlinearityEntry left_table[] = {
    {.x = 125, .y = 93, .value = 100.0},  {.x = 125, .y = 93, .value = 50.0},
    {.x = 133, .y = 102, .value = 40.0},  {.x = 136, .y = 116, .value = 30.0},
    {.x = 144, .y = 154, .value = 0.0},   {.x = 141, .y = 180, .value = -20.0},
    {.x = 130, .y = 204, .value = -40.0}, {.x = 122, .y = 214, .value = -50.0},
    {.x = 122, .y = 214, .value = -70.0},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2470, .gauge = &carburetor_temp_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* left_needle_next[] = {&glass.head, nullptr};

static FailureRecord left_needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle left_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2460, .x = 55, .y = 153, .offset_x = 0, .offset_y = 5,
                 .gauge = &carburetor_temp_header, .next = left_needle_next, .failures = left_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(0),
    .table    = left_table, .table_count = count_of(left_table),
    .callback = engine1_temperature,
};
static ElementHeader* right_needle_next[] = {&left_needle.head, nullptr};

static FailureRecord right_needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle right_needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2460, .x = 246, .y = 153, .offset_x = 0, .offset_y = 5,
                 .gauge = &carburetor_temp_header, .next = right_needle_next, .failures = right_needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(0),
    .table    = right_table, .table_count = count_of(right_table),
    .callback = engine2_temperature,
};
static ElementHeader* face_next[] = {&right_needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2450, .gauge = &carburetor_temp_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

// One host tooltip over each half of the dial.
static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_parent, .x = 0, .y = 0, .width = 150, .height = 300, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x3228},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_parent, .x = 150, .y = 0, .width = 150, .height = 300, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x3229},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader carburetor_temp_header = {
    .version = gauge_header_version_800, .name = "Carburetor_Temp", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

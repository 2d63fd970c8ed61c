// Fuel_Qty_Right_Main: the right main tank's fuel (token 0x129, 0 to 0x800000 for a full tank) on a
// 0 to 8000 scale, scaled by the tank's capacity (token 0x12A) taken at each installation.
#include "frame/module.h"

extern GaugeHeader fuel_qty_right_main_header;

static double right_fuel_capacity = 0.0;

// A capacity of 0 or below keeps the one taken before.
static void GAUGE_CALL right_capacity(GaugeHeader*, int32_t service_id, HostWord)
{
    if (service_id != service_pre_install)
        return;
    double value = read_token(0x12A);
    if (value > 0.0)
        right_fuel_capacity = value * 6.0;
}

static double GAUGE_CALL right_quantity(ElementHeader* element)
{
    return right_fuel_capacity * reinterpret_cast<Needle*>(element)->source.value.f64 / 8388610.0;
}

static NonlinearityEntry table[] = {
    {.x = 34, .y = 147, .value = -1.0},   {.x = 34, .y = 147, .value = 0.0},
    {.x = 99, .y = 22, .value = 2000.0},  {.x = 164, .y = 145, .value = 4000.0},
    {.x = 149, .y = 165, .value = 4500.0}, {.x = 149, .y = 165, .value = 8000.0},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2400, .gauge = &fuel_qty_right_main_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* needle_next[] = {&glass.head, nullptr};

static FailureRecord needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle needle = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 2390, .x = 100, .y = 100, .offset_x = 30, .offset_y = 5,
                 .gauge = &fuel_qty_right_main_header, .next = needle_next, .failures = needle_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(0x129),
    .table    = table, .table_count = count_of(table),
    .callback = right_quantity,
};
static ElementHeader* face_next[] = {&needle.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 2380, .gauge = &fuel_qty_right_main_header,
             .next = face_next, .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .action = {.text = "Fuel quantity right tank"}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader fuel_qty_right_main_header = {
    .version = gauge_header_version_800, .name = "Fuel_Qty_Right_Main", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse, .callback = right_capacity,
};

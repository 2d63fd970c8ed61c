// Fuel_Flow: one engine's fuel flow; a click in the middle shows or hides an overlay picture. The
// engine digit of the parameter text moves its token and tooltip to another engine.
#include "common/engine_selection.h"
#include "frame/module.h"

extern GaugeHeader fuel_flow_header;

static int32_t overlay_hidden = 1;

static double GAUGE_CALL overlay_frame(ElementHeader*) { return overlay_hidden == 1 ? -1.0 : 0.0; }

static int32_t GAUGE_CALL overlay_click(MouseClick*, uint32_t)
{
    overlay_hidden = overlay_hidden == 0 ? 1 : 0;
    return 0;
}

static NonlinearityEntry table[] = {
    {.x = 34, .y = 150, .value = -6.0},    {.x = 34, .y = 150, .value = 0.0},
    {.x = 100, .y = 26, .value = 900.0},   {.x = 168, .y = 150, .value = 1800.0},
    {.x = 168, .y = 150, .value = 3000.0},
};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 3060, .gauge = &fuel_flow_header,
             .image_flags = image_flags::plain},
};
static ElementHeader* needle_next[] = {&glass.head, nullptr};

static FailureRecord needle_failures[] = {{.key = 2, .action = 0}, {.key = 20, .action = 2}, {.key = 0}};

static Needle needle = {
    .head   = {.kind = ElementKind::needle, .bitmap_id = 3040, .x = 100, .y = 100, .offset_x = 30, .offset_y = 5,
               .gauge = &fuel_flow_header, .next = needle_next, .failures = needle_failures,
               .image_flags = image_flags::needle},
    .source = module_var(token::engine1_fuel_flow),
    .table  = table, .table_count = count_of(table),
};
static ElementHeader* overlay_next[] = {&needle.head, nullptr};

static Icon overlay = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 3050, .gauge = &fuel_flow_header, .next = overlay_next,
                    .image_flags = image_flags::needle},
    .source      = module_var(0),
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = overlay_frame,
};
static ElementHeader* face_next[] = {&overlay.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 3030, .gauge = &fuel_flow_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x30C1},
    {.type = mouse_rect_child, .x = 50, .y = 50, .width = 100, .height = 100, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = overlay_click}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader fuel_flow_header = {
    .version = gauge_header_version_800, .name = "Fuel_Flow", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse, .callback = engine_gauge_callback,
};

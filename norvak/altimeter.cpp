// Altimeter: three hands on the altitude (ten-thousands, thousands, hundreds), a pressure-setting
// drum and a small setting needle on the altimeter setting. The knob zones send the host's setting events directly.
#include "frame/module.h"

extern GaugeHeader altimeter_header;

// The drum turns with the setting, clamped to 952 .. 1074 around the standard 1013.
static double GAUGE_CALL setting_drum(ElementHeader* element)
{
    double p = reinterpret_cast<Sprite*>(element)->angle_source.value.f64;
    if (!(p > 952.0))
        p = 952.0;
    if (!(p < 1074.0))
        p = 1074.0;
    return p - 1013.0;
}

static NonlinearityEntry setting_table[]     = {{.x = 61, .y = 246, .value = 1013.0}, {.x = 5, .y = 246, .value = 1070.0}};
static NonlinearityEntry hundreds_table[]    = {{.x = 141, .y = 89, .value = 0.0}, {.x = 141, .y = 189, .value = 500.0}};
static NonlinearityEntry thousands_table[]   = {{.x = 141, .y = 89, .value = 0.0}, {.x = 141, .y = 189, .value = 5000.0}};
static NonlinearityEntry ten_thousands_table[] = {{.x = 141, .y = 89, .value = 0.0}, {.x = 141, .y = 189, .value = 50000.0}};

static Needle setting_needle = {
    .head   = {.kind = ElementKind::needle, .bitmap_id = 1210, .x = 33, .y = 246, .offset_x = 28, .offset_y = 28,
               .gauge = &altimeter_header, .image_flags = image_flags::knob},
    .source = module_var(token::altimeter_setting),
    .table  = setting_table, .table_count = count_of(setting_table),
};
static ElementHeader* glass_next[] = {&setting_needle.head, nullptr};

static StaticImage glass = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 1270, .gauge = &altimeter_header, .next = glass_next,
             .image_flags = image_flags::plain},
};
static ElementHeader* hundreds_next[] = {&glass.head, nullptr};

static FailureRecord hundreds_failures[] = {{.key = 3, .action = 1}, {.key = 7, .action = 1}, {.key = 0}};

static Needle hundreds = {
    .head   = {.kind = ElementKind::needle, .bitmap_id = 1240, .x = 141, .y = 139, .offset_x = 35, .offset_y = 13,
               .gauge = &altimeter_header, .next = hundreds_next, .failures = hundreds_failures,
               .image_flags = image_flags::needle},
    .source = module_var(token::altitude),
    .table  = hundreds_table, .table_count = count_of(hundreds_table),
};
static ElementHeader* thousands_next[] = {&hundreds.head, nullptr};

static FailureRecord thousands_failures[] = {{.key = 3, .action = 1}, {.key = 7, .action = 1}, {.key = 0}};

static Needle thousands = {
    .head   = {.kind = ElementKind::needle, .bitmap_id = 1250, .x = 141, .y = 139, .offset_x = 33, .offset_y = 14,
               .gauge = &altimeter_header, .next = thousands_next, .failures = thousands_failures,
               .image_flags = image_flags::needle},
    .source = module_var(token::altitude),
    .table  = thousands_table, .table_count = count_of(thousands_table),
};
static ElementHeader* ten_thousands_next[] = {&thousands.head, nullptr};

static FailureRecord ten_thousands_failures[] = {{.key = 3, .action = 1}, {.key = 7, .action = 1}, {.key = 0}};

static Needle ten_thousands = {
    .head   = {.kind = ElementKind::needle, .bitmap_id = 1260, .x = 141, .y = 139, .offset_x = 50, .offset_y = 48,
               .gauge = &altimeter_header, .next = ten_thousands_next, .failures = ten_thousands_failures,
               .image_flags = image_flags::needle},
    .source = module_var(token::altitude),
    .table  = ten_thousands_table, .table_count = count_of(ten_thousands_table),
};
static ElementHeader* drum_next[] = {&ten_thousands.head, nullptr};

static Sprite drum = {
    .head            = {.kind = ElementKind::sprite, .bitmap_id = 1230, .x = 204, .y = 118, .offset_x = 138,
                        .offset_y = 139, .gauge = &altimeter_header, .next = drum_next,
                        .image_flags = image_flags::needle},
    .x_source        = module_var(0), .x_scale = 1.0,
    .y_source        = module_var(0), .y_scale = 1.0,
    .angle_source    = module_var(token::altimeter_setting), .angle_scale = 2.95,
    .texture_x_scale = 1.0f, .texture_y_scale = 1.0f,
    .angle_callback  = setting_drum,
};
static ElementHeader* face_next[] = {&drum.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 1220, .gauge = &altimeter_header, .next = face_next,
             .image_flags = image_flags::face},
};
static ElementHeader* elements[] = {&face.head, nullptr};

// The knob's left half lowers the setting, its right half raises it, repeating while held.
static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_parent, .x = 0, .y = 0, .width = 280, .height = 220, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x3051},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_parent, .x = 8, .y = 220, .width = 50, .height = 51, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x3054},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_child, .x = 8, .y = 220, .width = 25, .height = 51, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .event_id = event::altimeter_down},
    {.type = mouse_rect_child, .x = 33, .y = 220, .width = 25, .height = 51, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .event_id = event::altimeter_up},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader altimeter_header = {
    .version = gauge_header_version_800, .name = "Altimeter", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse,
};

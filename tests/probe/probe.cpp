// A module that exercises the host: every element kind, nested mouse groups, tooltips with
// inserts, and a gauge whose bitmap goes missing at installation. It reports what the host does
// to it by sending key events 0x9000 + service id from its gauge callbacks.
#include <cstdio>

#include "frame/module.h"

extern GaugeHeader probe_all_header;
extern GaugeHeader probe_missing_header;

constexpr uint32_t event_service_base = 0x9000;
constexpr uint32_t event_left_click   = 0x9100;
constexpr uint32_t event_right_click  = 0x9101;
constexpr uint32_t event_inner_click  = 0x9102;
constexpr uint32_t event_host_fired   = 0x9200;

static void GAUGE_CALL probe_callback(GaugeHeader*, int32_t service, HostWord)
{
    trigger_key_event(event_service_base + static_cast<uint32_t>(service), 0);
}

static double GAUGE_CALL string_update(ElementHeader* e)
{
    auto* s = reinterpret_cast<String*>(e);
    std::snprintf(s->text, s->char_count + 1, "%03d", static_cast<int>(s->sources[0].value.f64));
    return s->sources[0].value.f64;
}

static ModuleVar icon_var = module_var(0x102);
static double GAUGE_CALL icon_update(ElementHeader*) { return read_token(&icon_var); }
static double GAUGE_CALL sprite_angle(ElementHeader*) { return 0.5; }

static int32_t GAUGE_CALL outer_click(MouseClick* click, uint32_t flags)
{
    uint32_t gauge_ok = click->gauge == &probe_all_header ? 1 : 0;
    trigger_key_event((flags & MOUSE_RIGHTSINGLE) ? event_right_click : event_left_click, gauge_ok);
    return 0;
}

static int32_t GAUGE_CALL inner_click(MouseClick*, uint32_t) { trigger_key_event(event_inner_click, 0); return 0; }

static double GAUGE_CALL tooltip_first(TooltipHostArgs) { return 123.45; }
static double GAUGE_CALL tooltip_second(TooltipHostArgs) { return 7.9; }

static NonlinearityEntry needle_table[] = {
    {.x = 20, .y = 100, .value = 0.0}, {.x = 100, .y = 20, .value = 50.0}, {.x = 180, .y = 100, .value = 100.0},
};

static StaticImage glass = {.head = {.kind = ElementKind::static_image, .bitmap_id = 0x10A, .image_flags = 0x3}};
static ElementHeader* sprite_children[] = {&glass.head, nullptr};

static Sprite sprite = {
    .head = {.kind = ElementKind::sprite, .bitmap_id = 0x109, .x = 140, .y = 140, .offset_x = 150, .offset_y = 150,
             .next = sprite_children, .image_flags = 0x3},
    .x_source = module_var(0x105), .x_scale = 1.0,
    .y_source = module_var(0x106), .y_scale = 1.0,
    .angle_source = module_var(0), .angle_scale = 1.0,
    .texture_x_scale = 1.0f, .texture_y_scale = 0.75f,
    .angle_callback = sprite_angle,
};
static ElementHeader* moving_children[] = {&sprite.head, nullptr};

static MovingImage moving = {
    .head = {.kind = ElementKind::moving_image, .bitmap_id = 0x108, .x = 10, .y = 150, .next = moving_children,
             .image_flags = 0x3},
    .x_source = module_var(0x104), .x_min = 0.0, .x_max = 10.0,
    .y_source = module_var(0), .y_min = 0.0, .y_max = 1.0,
};
static ElementHeader* icon_children[] = {&moving.head, nullptr};

static Icon icon = {
    .head = {.kind = ElementKind::icon, .bitmap_id = 0x105, .x = 150, .y = 10, .next = icon_children,
             .image_flags = 0x7},
    .source = module_var(0), .scale = 1.0, .frame_count = 3, .callback = icon_update,
};
static ElementHeader* slider_children[] = {&icon.head, nullptr};

static Slider slider = {
    .head = {.kind = ElementKind::slider, .bitmap_id = 0x104, .x = 10, .y = 10, .next = slider_children,
             .image_flags = 0x3},
    .x_source = module_var(0x101), .x_scale = 2.0,
    .y_source = module_var(0), .y_scale = 0.0,
};
static ElementHeader* string_children[] = {&slider.head, nullptr};

static String text = {
    .head = {.kind = ElementKind::string, .bitmap_id = no_bitmap, .x = 60, .y = 120, .next = string_children,
             .image_flags = 0x3},
    .sources = {module_var(0x103)},
    .box_width = 80, .box_height = 20,
    .text_colour = 0x0000FF00, .background_colour = 0x00000000, .highlight_colour = 0x000000FF,
    .font = "Quartz", .font_weight = 400, .charset = 1, .format = 0x25, .char_count = 3,
    .callback = string_update,
};
static ElementHeader* needle_children[] = {&text.head, nullptr};

static Needle needle = {
    .head = {.kind = ElementKind::needle, .bitmap_id = 0x103, .x = 100, .y = 100, .offset_x = 6, .offset_y = 4,
             .next = needle_children, .image_flags = 0x3},
    .source = module_var(0x100),
    .table = needle_table, .table_count = count_of(needle_table),
};
static ElementHeader* background_children[] = {&needle.head, nullptr};

static StaticImage background = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 0x101, .next = background_children, .image_flags = 0x3},
};
static ElementHeader* probe_all_elements[] = {&background.head, nullptr};

static TooltipArg two_args[] = {{.callback = tooltip_first}, {.callback = tooltip_second}};

static MouseRect probe_all_mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB02},
    {.type = mouse_rect_tooltip, .action = {.text = "Probe gauge"}},
    {.type = mouse_rect_child, .x = 10, .y = 10, .width = 20, .height = 20, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE, .action = {.callback = outer_click}},
    {.type = mouse_rect_child, .x = 40, .y = 10, .width = 20, .height = 20, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .event_id = event_host_fired},
    {.type = mouse_rect_parent, .x = 100, .y = 100, .width = 60, .height = 60, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .arg_count = 2, .action = {.text = "Inner %1!07.3f! MHz, %2!d!\xB0"}, .args = two_args},
    {.type = mouse_rect_child, .x = 5, .y = 5, .width = 10, .height = 10, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = inner_click}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader probe_all_header = {
    .version = gauge_header_version_800, .name = "Probe_All", .elements = probe_all_elements,
    .size_x_mm = 100, .mouse_rects = probe_all_mouse, .callback = probe_callback,
};

// Probe_Missing: its gauge callback points the background at a bitmap the module does not carry.
static StaticImage missing_background = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 0x120, .image_flags = 0x3},
};
static ElementHeader* probe_missing_elements[] = {&missing_background.head, nullptr};

static void GAUGE_CALL missing_callback(GaugeHeader*, int32_t service, HostWord)
{
    if (service == service_pre_install)
        missing_background.head.bitmap_id = 0x7777;
}

GaugeHeader probe_missing_header = {
    .version = gauge_header_version_800, .name = "Probe_Missing", .elements = probe_missing_elements,
    .size_x_mm = 30, .callback = missing_callback,
};

extern "C" {
MODULE_EXPORT LinkageRecord<2> Linkage = {
    .module_id = linkage_module_id, .init = module_init, .deinit = module_deinit,
    .module_version = 0x900,
    .gauges = {&probe_all_header, &probe_missing_header, nullptr},
};
}

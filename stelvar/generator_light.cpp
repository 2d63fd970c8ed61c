// Generator_Light: the generator warning lamp, lit while the generator is off (at 0) and the
// battery is on (above 0). It reads both tokens itself at every update; the
// icon's declared source is not used.
#include "frame/module.h"

extern GaugeHeader generator_light_header;

static double GAUGE_CALL generator_lamp(ElementHeader*)
{
    ModuleVar generator = module_var(token::generator);
    ModuleVar battery   = module_var(token::battery);
    lookup_var(&generator);
    lookup_var(&battery);
    if (generator.value.f64 == 0.0 && battery.value.f64 > 0.0)
        return 0.0;
    return -1.0;
}

static FailureRecord lamp_failures[] = {{.key = 21, .action = 3}, {.key = 0}};

// Two frames declared; the callback only ever asks for the first.
static Icon lamp = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 450, .gauge = &generator_light_header,
                    .failures = lamp_failures, .image_flags = image_flags::plain},
    .source      = module_var(token::generator_light),
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = generator_lamp,
};
static ElementHeader* plate_next[] = {&lamp.head, nullptr};

static StaticImage plate = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 440, .gauge = &generator_light_header,
             .next = plate_next, .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&plate.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .help_id = 0x3032},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader generator_light_header = {
    .version = gauge_header_version_800, .name = "Generator_Light", .elements = elements, .size_x_mm = 30,
    .mouse_rects = mouse,
};

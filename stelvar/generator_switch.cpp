// Generator_Switch: the generator switch under a hinged guard. The lever shows the host's generator
// state. While the guard is down the lever cannot be moved: a left click on it does nothing. The
// guard lifts and drops with any click on its hinge, or with a right click on the lever.
#include "click_waves.h"

extern GaugeHeader generator_switch_header;

int32_t generator_guard_closed = 1;   // the guard starts down over the switch

static ClickSound generator_sound;

static void GAUGE_CALL generator_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    click_sound_service(generator_sound, service_id, extra, switch_click_wave);
}

static double GAUGE_CALL generator_lever(ElementHeader* element)
{
    return reinterpret_cast<Icon*>(element)->source.value.f64 == 0.0 ? 0.0 : 1.0;
}

static double GAUGE_CALL generator_guard(ElementHeader*) { return generator_guard_closed != 0 ? 0.0 : -1.0; }

static int32_t GAUGE_CALL guard_click(MouseClick*, uint32_t)
{
    flip_and_click(generator_guard_closed, generator_sound);
    return 0;
}

// Both halves of the lever act alike. A click carrying both button bits counts as a left click.
static int32_t GAUGE_CALL lever_click(MouseClick*, uint32_t mouse_flags)
{
    if (mouse_flags & MOUSE_LEFTSINGLE) {
        if (generator_guard_closed == 0) {
            trigger_key_event(event::generator_toggle, 0);
            play_click(generator_sound);
        }
    } else if (mouse_flags & MOUSE_RIGHTSINGLE) {
        flip_and_click(generator_guard_closed, generator_sound);
    }
    return 0;
}

static Icon guard = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 470, .gauge = &generator_switch_header,
                    .image_flags = image_flags::plain},
    .source      = module_var(0),
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = generator_guard,
};
static ElementHeader* lever_next[] = {&guard.head, nullptr};

static Icon lever = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 480, .gauge = &generator_switch_header,
                    .next = lever_next, .image_flags = image_flags::plain},
    .source      = module_var(token::generator),
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = generator_lever,
};
static ElementHeader* plate_next[] = {&lever.head, nullptr};

static StaticImage plate = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 460, .gauge = &generator_switch_header,
             .next = plate_next, .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&plate.head, nullptr};

constexpr uint32_t any_click = MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE;

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = 0xAB7F},
    {.type = mouse_rect_child, .x = 0, .y = 3, .width = 54, .height = 39, .cursor = CURSOR_HAND,
     .mouse_flags = any_click, .action = {.callback = guard_click}},
    {.type = mouse_rect_child, .x = 0, .y = 42, .width = 54, .height = 39, .cursor = CURSOR_UPARROW,
     .mouse_flags = any_click, .action = {.callback = lever_click}},
    {.type = mouse_rect_child, .x = 0, .y = 81, .width = 54, .height = 39, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = any_click, .action = {.callback = lever_click}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader generator_switch_header = {
    .version = gauge_header_version_800, .name = "Generator_Switch", .elements = elements, .size_x_mm = 30,
    .mouse_rects = mouse, .callback = generator_callback,
};

// Water_Doors_Switch: the water doors lever and the doors-open lamp. The lever picture flips at a
// click and then follows the direction in which the host moves the doors (their position), sampled on
// every 9th update.
#include "click_wave.h"
#include "frame/module.h"
#include "water_state.h"

extern GaugeHeader water_doors_switch_header;

static int32_t door_lever_frame      = 0;
static double  door_sample           = 0.0;
static double  door_trend            = 0.0;   // -1 closing, 0 still, +1 opening
static int32_t door_sample_countdown = 9;

static ClickSound doors_sound;

static void GAUGE_CALL water_doors_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    click_sound_service(doors_sound, service_id, extra, click_wave_id);
}

// Lit only while the doors are exactly fully open and the master is on; the drop relies on it.
static double GAUGE_CALL doors_open_lamp(ElementHeader* element)
{
    if (reinterpret_cast<Icon*>(element)->source.value.f64 == 1.0 && water_master != 0) {
        doors_open = 1;
        return 0.0;
    }
    doors_open = 0;
    return -1.0;
}

static double GAUGE_CALL doors_lever(ElementHeader* element)
{
    double v = reinterpret_cast<Icon*>(element)->source.value.f64;
    if (door_sample_countdown > 0)
        --door_sample_countdown;
    if (door_sample_countdown == 0) {
        door_sample_countdown = 9;
        if (v == door_sample) {
            door_trend = 0.0;
        } else if (v > door_sample) {
            door_lever_frame = 1;
            door_trend       = 1.0;
        } else {
            door_lever_frame = 0;
            door_trend       = -1.0;
        }
        door_sample = v;
    }
    if (door_sample >= 0.95 && door_trend > 0.0)
        door_lever_frame = 1;
    if (door_sample <= 0.05 && door_trend < 0.0)
        door_lever_frame = 0;
    return door_lever_frame;
}

static int32_t GAUGE_CALL doors_lever_click(MouseClick*, uint32_t)
{
    if (door_lever_frame == 0)
        door_lever_frame = 1;
    else if (door_lever_frame == 1)
        door_lever_frame = 0;
    trigger_key_event(event::water_doors, 0);
    play_click(doors_sound);
    return 0;
}

static Icon lever = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 3180, .x = 160, .y = 0, .gauge = &water_doors_switch_header,
                    .image_flags = image_flags::plain},
    .source      = module_var(token::doors_position),
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = doors_lever,
};
static ElementHeader* lamp_next[] = {&lever.head, nullptr};

static FailureRecord lamp_failures[] = {{.key = 20, .action = 3}, {.key = 0}};

static Icon lamp = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 3190, .x = 23, .y = 22, .gauge = &water_doors_switch_header,
                    .next = lamp_next, .failures = lamp_failures, .image_flags = image_flags::plain},
    .source      = module_var(token::doors_position),
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = doors_open_lamp,
};
static ElementHeader* plate_next[] = {&lamp.head, nullptr};

static StaticImage plate = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 3170, .gauge = &water_doors_switch_header,
             .next = plate_next, .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&plate.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_child, .x = 160, .y = 0, .width = 38, .height = 60, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = doors_lever_click}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader water_doors_switch_header = {
    .version = gauge_header_version_800, .name = "Water_Doors_Switch", .elements = elements, .size_x_mm = 30,
    .mouse_rects = mouse, .callback = water_doors_callback,
};

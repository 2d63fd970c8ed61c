// Gear_Lamp_Front, Gear_Lamp_Left and Gear_Lamp_Right: the position lamps of the three gear legs,
// which are twins, one row each: up, in transit or down.
#include "panel_lamp.h"

// Frame 1 while the gear is up (below 10), 2 while it is down (above 16300), 0 in transit.
static double GAUGE_CALL gear_lamp_frame(ElementHeader* element)
{
    double v = reinterpret_cast<Icon*>(element)->source.value.f64;
    if (v < 10.0)
        return 1.0;
    if (v > 16300.0)
        return 2.0;
    return 0.0;
}

constinit PanelLamp gear_lamp_front = panel_lamp(gear_lamp_front, {
    .name = "Gear_Lamp_Front", .plate = 490, .lamp = 490, .lamp_flags = image_flags::plain,
    .source_token = token::gear_front, .frame_count = 3, .frame = gear_lamp_frame, .help_id = help::gear_lamp});
constinit PanelLamp gear_lamp_left = panel_lamp(gear_lamp_left, {
    .name = "Gear_Lamp_Left", .plate = 490, .lamp = 490, .lamp_flags = image_flags::plain,
    .source_token = token::gear_left, .frame_count = 3, .frame = gear_lamp_frame, .help_id = help::gear_lamp});
constinit PanelLamp gear_lamp_right = panel_lamp(gear_lamp_right, {
    .name = "Gear_Lamp_Right", .plate = 490, .lamp = 490, .lamp_flags = image_flags::plain,
    .source_token = token::gear_right, .frame_count = 3, .frame = gear_lamp_frame, .help_id = help::gear_lamp});

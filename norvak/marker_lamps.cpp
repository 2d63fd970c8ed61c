// Outer_Marker_Light, Middle_Marker_Light and Inner_Marker_Light: the marker beacon lamps, which are
// twins, one row each. A lamp is lit (frame 0) only while NAV1 is powered and the beacon received
// is exactly its own: 1 outer, 2 middle, 3 inner. Otherwise it is not drawn.
#include "avionics_power.h"
#include "panel_lamp.h"

static double GAUGE_CALL marker_lamp_frame(ElementHeader* element);

constinit PanelLamp outer_marker_light = panel_lamp(outer_marker_light, {
    .name = "Outer_Marker_Light", .plate = 2230, .lamp = 2240, .lamp_flags = image_flags::lamp,
    .source_token = token::marker_beacon, .frame_count = 1, .frame = marker_lamp_frame, .help_id = 0xAB47});
constinit PanelLamp middle_marker_light = panel_lamp(middle_marker_light, {
    .name = "Middle_Marker_Light", .plate = 2250, .lamp = 2260, .lamp_flags = image_flags::lamp,
    .source_token = token::marker_beacon, .frame_count = 1, .frame = marker_lamp_frame, .help_id = 0xAB48});
constinit PanelLamp inner_marker_light = panel_lamp(inner_marker_light, {
    .name = "Inner_Marker_Light", .plate = 2270, .lamp = 2280, .lamp_flags = image_flags::lamp,
    .source_token = token::marker_beacon, .frame_count = 1, .frame = marker_lamp_frame, .help_id = 0xAB49});

// The beacon that lights each lamp.
static const struct {
    const PanelLamp* lamp;
    double           beacon;
} marker_beacons[] = {
    {&outer_marker_light, 1.0},
    {&middle_marker_light, 2.0},
    {&inner_marker_light, 3.0},
};

static double GAUGE_CALL marker_lamp_frame(ElementHeader* element)
{
    if (avionics.nav1 == 0)
        return -1.0;
    const double received = reinterpret_cast<Icon*>(element)->source.value.f64;
    for (const auto& m : marker_beacons)
        if (&m.lamp->header == element->gauge)
            return received == m.beacon ? 0.0 : -1.0;
    return -1.0;
}

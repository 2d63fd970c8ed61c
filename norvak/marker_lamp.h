// The rule shared by the three marker lamps (Outer_, Middle_ and Inner_Marker_Light).
#pragma once

#include "avionics_power.h"
#include "frame/module.h"

// Lit (frame 0) only while NAV1 is powered and the beacon received (token 0x162) is exactly this
// lamp's number: 1 outer, 2 middle, 3 inner. Otherwise not drawn.
inline double marker_lamp_frame(ElementHeader* element, double beacon)
{
    if (nav1_power == 0)
        return -1.0;
    return reinterpret_cast<Icon*>(element)->source.value.f64 == beacon ? 0.0 : -1.0;
}

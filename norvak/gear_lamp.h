// The frame rule shared by the three gear lamps (Gear_Lamp_Front, Gear_Lamp_Left, Gear_Lamp_Right).
#pragma once

#include "frame/module.h"

// Frame 1 while the gear is up (below 10), 2 while it is down (above 16300), 0 in transit.
inline double GAUGE_CALL gear_lamp_frame(ElementHeader* element)
{
    double v = reinterpret_cast<Icon*>(element)->source.value.f64;
    if (v < 10.0)
        return 1.0;
    if (v > 16300.0)
        return 2.0;
    return 0.0;
}

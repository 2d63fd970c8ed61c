// What the electrical and lighting toggle switches share: the lever picture follows the host's own
// state of the system (the icon's source token, 0 off, 1 on); the switch keeps no copy of it.
#pragma once

#include "click_waves.h"

// Bitmaps of the common 30 x 44 switch: the plate and the lever (frame 0 down, 1 up).
constexpr uint32_t switch_plate_bitmap = 420;
constexpr uint32_t switch_lever_bitmap = 430;

inline double GAUGE_CALL switch_lever_frame(ElementHeader* element)
{
    return reinterpret_cast<Icon*>(element)->source.value.f64;
}

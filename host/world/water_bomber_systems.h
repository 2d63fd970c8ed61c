// The water bomber's airframe as the host models it for the panel: drop command, water doors, scoop,
// surface type, gear, altimeter setting, clock and the simulation clock.
#pragma once

#include "frame/sim_ids.h"
#include "host/core/panel_host.h"

namespace host {

// What "(A:SURFACE TYPE,Enum)" answers is token::surface_type (2 is water); scripts set it.

constexpr double doors_travel_seconds = 2.0;
constexpr double gear_travel_seconds  = 6.0;
constexpr double gear_down_position   = 16383.0;
constexpr double clock_step_seconds   = 60.0;

inline constexpr const char* surface_type_expression = "(A:SURFACE TYPE,Enum)";

void install_water_bomber_systems(PanelHost& host);

}  // namespace host

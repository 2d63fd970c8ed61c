// The water bomber's airframe as the host models it for the panel: drop command, water doors, scoop,
// surface type, gear, altimeter setting, clock and the simulation clock.
#pragma once

#include "host/core/panel_host.h"

namespace host {

constexpr Token token_drop_command      = 0x0F;
constexpr Token token_altimeter_setting = 0x4B;    // millibars
constexpr Token token_gear_handle       = 0x14B;
constexpr Token token_gear_front        = 0x14C;
constexpr Token token_gear_left         = 0x14D;
constexpr Token token_gear_right        = 0x14E;
constexpr Token token_clock_seconds     = 0x22D;   // time of day on the panel clock
constexpr Token token_sim_time          = 0x25C;   // seconds since the host started
constexpr Token token_nav_gps           = 0x350;
constexpr Token token_doors_position    = 0x365;   // 0 closed .. 1 open
constexpr Token token_scoop_state       = 0x387;
constexpr Token token_left_water        = 0x127;
constexpr Token token_right_water       = 0x12D;
// Not a simulator variable: what "(A:SURFACE TYPE,Enum)" answers (2 is water). Scripts set it.
constexpr Token token_surface_type = 0x10000;

constexpr uint32_t event_drop_on          = 0x10201;
constexpr uint32_t event_drop_off         = 0x10202;
constexpr uint32_t event_water_doors      = 0x10357;
constexpr uint32_t event_scoop            = 0x103B2;
constexpr uint32_t event_gear_toggle      = 0x10022;
constexpr uint32_t event_altimeter_up     = 0x1015B;
constexpr uint32_t event_altimeter_down   = 0x1015C;
constexpr uint32_t event_clock_forward    = 0x100FD;
constexpr uint32_t event_clock_back       = 0x100FE;
constexpr uint32_t event_nav_gps_toggle   = 0x10347;

constexpr double doors_travel_seconds = 2.0;
constexpr double gear_travel_seconds  = 6.0;
constexpr double gear_down_position   = 16383.0;
constexpr double clock_step_seconds   = 60.0;

inline constexpr const char* surface_type_expression = "(A:SURFACE TYPE,Enum)";

void install_water_bomber_systems(PanelHost& host);

}  // namespace host

// The navigation receivers as the host models them for the panel: DME source selection, heading bug
// and course, and the tokens the navigation indicators read as integers.
#pragma once

#include "host/core/panel_host.h"

namespace host {

constexpr Token token_vor1_station_flags = 0x2E;    // bit 0x80: the station is a localizer
constexpr Token token_vor2_station_flags = 0x37;
constexpr Token token_course_knob        = 0x2D;    // turns the HSI's CRS knob picture
constexpr Token token_dme_source         = 0x163;   // 1 or 2
constexpr Token token_course             = 0x356;
constexpr Token token_heading_bug        = 0x357;

constexpr uint32_t event_dme_source_toggle = 0x102EE;
constexpr uint32_t event_heading_bug_set   = 0x101FA;
constexpr uint32_t event_course_set        = 0x100B4;

void install_nav_systems(PanelHost& host);

}  // namespace host

// The host's answer to the panel buttons: panel windows opened, closed and toggled by key event,
// the view stepped forward and back, and the kneeboard, ATC and map windows of the host.
#pragma once

#include "host/core/panel_host.h"

namespace host {

// Key events of the panel buttons.
constexpr uint32_t event_window_toggle = 0x103CA;
constexpr uint32_t event_window_open   = 0x103CB;
constexpr uint32_t event_window_close  = 0x103CC;
constexpr uint32_t event_view_forward  = 0x100C6;
constexpr uint32_t event_view_back     = 0x100C7;
constexpr uint32_t event_view_home     = 0x10153;
constexpr uint32_t event_kneeboard     = 0x10154;
constexpr uint32_t event_atc_window    = 0x1001C;
constexpr uint32_t event_map_window    = 0x10380;

// The host's views, stepped in a ring.
constexpr int view_count = 4;

void install_panel_events(PanelHost& host);

}  // namespace host

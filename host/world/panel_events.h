// The host's answer to the panel buttons: panel windows opened, closed and toggled by key event,
// the view stepped forward and back, and the kneeboard, ATC and map windows of the host.
#pragma once

#include "frame/sim_ids.h"
#include "host/core/panel_host.h"

namespace host {

// Key events of the panel buttons.

// The host's views, stepped in a ring.
constexpr int view_count = 4;

void install_panel_events(PanelHost& host);

}  // namespace host

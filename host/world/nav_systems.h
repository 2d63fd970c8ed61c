// The navigation receivers as the host models them for the panel: DME source selection, heading bug
// and course, and the tokens the navigation indicators read as integers.
#pragma once

#include "frame/sim_ids.h"
#include "host/core/panel_host.h"

namespace host {

void install_nav_systems(PanelHost& host);

}  // namespace host

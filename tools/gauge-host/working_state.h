// Each gauge at work, as a panel designer wants to see it beside its picture at rest: powered, tuned
// and at a typical value (120 knots, 3,250 feet, tanks half full, radios on).
#pragma once

#include <string>

#include "host/core/panel_host.h"

namespace working_state {

// Gives the simulator the gauge's working values, installs whatever powers it, installs and
// connects the gauge, clicks what switches it on and runs the frames it needs to settle. A gauge
// without a row of its own is installed as it is, after one frame.
host::Gauge& install(host::PanelHost& host, host::Module& module, const std::string& gauge);

}  // namespace working_state

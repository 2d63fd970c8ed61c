// Pictures of gauges, drawn from the module's own bitmaps as the last update left them.
#pragma once

#include <string>

#include "host/gauge.h"

namespace host {

// Draws the gauge at its background's size times scale and writes a PNG. Throws HostError.
void render_png(Gauge& gauge, const std::string& path, double scale = 1.0);

}  // namespace host

// Pictures of gauges, drawn from the module's own bitmaps as the last update left them.
#pragma once

#include <string>
#include <vector>

#include "host/core/bitmap.h"
#include "host/core/gauge.h"

namespace host {

// Draws the gauge at its background's size times scale and writes a PNG. Throws HostError.
void render_png(Gauge& gauge, const std::string& path, double scale = 1.0);

// A gauge placed on a panel window: its top-left corner and its size there, in panel pixels.
struct Placement {
    Gauge* gauge;
    int    x, y, width, height;
};

// Draws a panel window of the given size (0 fits the gauges) with its background bitmap stretched
// over the whole window, when there is one, and its gauges, and writes a PNG.
void render_panel_png(const std::vector<Placement>& gauges, int width, int height, const std::string& path,
                      double scale = 1.0, const Image* background = nullptr);

}  // namespace host

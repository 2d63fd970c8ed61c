// gauge-host check: every problem of a panel.cfg at once, each as FILE:LINE: error|warning: message,
// with what to write instead where that can be told: lines that cannot be read, keys given twice,
// modules and gauges that do not exist (with the nearest names), gauges outside their window or of
// impossible sizes, background bitmaps, and each gauge's parameter text against what it reads.
#pragma once

#include <string>
#include <vector>

#include "host/core/bitmap.h"
#include "host/formats/gauge_options.h"
#include "host/formats/panel_config.h"

namespace host {

// What a check knows of a module: its gauges and their sizes in pixels.
struct KnownGauge {
    std::string name;
    int         width = 0, height = 0;   // the background bitmap's, 0 when it cannot be read
};

struct KnownModule {
    std::string             name;
    std::string             path;
    std::string             load_error;   // why it cannot be loaded, or ""
    std::vector<KnownGauge> gauges;
    const KnownGauge*       find(const std::string& gauge) const;
};

// The modules of a folder, each loaded once to read its gauge table (no gauge code runs).
struct ModuleShelf {
    std::string              folder;
    std::vector<KnownModule> modules;

    const KnownModule*       find(const std::string& name) const;
    std::vector<std::string> names() const;   // the modules that load
};

ModuleShelf read_module_folder(const std::string& folder);
KnownModule read_module(const std::string& path);

// The size of a background bitmap file (a .bmp), or nothing with the reason.
struct BitmapFile {
    bool        found = false;
    int         width = 0, height = 0;
    std::string problem;   // "" when it can be drawn
    std::string path;      // where it was found
    Image       image;     // its pixels, when it can be drawn
};
BitmapFile read_bitmap_file(const std::string& directory, const std::string& name);

// The size a gauge takes on its window: the width and height written, else the gauge's own, the
// height in proportion when only the width is written.
struct GaugeSize {
    int width = 0, height = 0;
};
GaugeSize placed_size(const PanelGauge& g, const KnownGauge* known);

// The size of a window: size_mm, else the background bitmap's, else 0 (fit to the gauges).
GaugeSize window_size(const PanelWindow& w, const PanelConfig& cfg);

// Every problem of the panel: what the reader found, then what needs the modules. In line order.
std::vector<Diagnostic> check_panel(const PanelConfig& cfg, const ModuleShelf& shelf);

size_t error_count(const std::vector<Diagnostic>& diagnostics);
size_t warning_count(const std::vector<Diagnostic>& diagnostics);

}  // namespace host

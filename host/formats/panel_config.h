// panel.cfg: the panel windows of an aircraft and the gauges placed on them.
//
//   [Window Titles]
//   Window00=Main Panel
//   [Window00]
//   size_mm=640,480
//   gauge00=Norvak_Instr!Airspeed, 20, 20, 100, 100
//   gauge01=Norvak_Instr!Fuel_Toggle, 130, 20, 19, 19, o5
//
// A gauge line is Module!Gauge, x, y[, width[, height]][, parameter text]; a missing width keeps the
// gauge's own size, a missing height keeps its proportions.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host {

struct PanelGauge {
    std::string module;
    std::string gauge;
    int         x = 0, y = 0;
    int         width = 0, height = 0;   // 0: from the gauge
    std::string parameters;
    int         line = 0;
};

struct PanelWindow {
    std::string             section;   // "Window00"
    std::string             title;
    int                     width = 0, height = 0;   // size_mm, or 0 to fit the gauges
    std::vector<PanelGauge> gauges;
};

struct PanelConfig {
    std::vector<PanelWindow> windows;
    const PanelWindow*       find(const std::string& name_or_number) const;
};

// Throws HostError "FILE:LINE: message" for a line it cannot read.
PanelConfig parse_panel_config(const std::string& text, const std::string& name);
PanelConfig load_panel_config(const std::string& path);

}  // namespace host

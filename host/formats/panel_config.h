// panel.cfg: the panel windows of an aircraft and the gauges placed on them.
//
//   [Window Titles]
//   Window00=Main Panel
//   [Window00]
//   file=main_background.bmp
//   size_mm=640,480
//   gauge00=Norvak_Instr!Airspeed, 20, 20, 100, 100
//   gauge01=Norvak_Instr!Fuel_Toggle, 130, 20, 19, 19, o5
//   [VCockpit01]
//   size_mm=512,512
//   gauge00=Stelvar_Instr!Radio_COM1, 0, 0, 256, 128
//
// A gauge line is Module!Gauge, x, y[, width[, height]][, parameter text]; a missing width keeps the
// gauge's own size, a missing height keeps its proportions.
//
// The file is read as the simulator reads it: a key given twice in a section counts the first time,
// a section given twice is read the first time, and a window's gauges are read in the order of their
// numbers from gauge00 up to the first number missing. What the reader had to pass over is kept as
// a list of problems, each with its line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host {

enum class Severity { error, warning };

// One problem found in a file: "FILE:LINE: error: message" (no LINE for the file as a whole).
struct Diagnostic {
    std::string file;
    int         line = 0;
    Severity    severity = Severity::error;
    std::string message;

    std::string text() const;
};

// Line order, the problems of the file as a whole last.
bool diagnostic_order(const Diagnostic& a, const Diagnostic& b);

// Width and height of any window or gauge larger than this are no design: gauge-host draws nothing
// larger on a side.
inline constexpr int panel_size_limit = 8192;

struct PanelGauge {
    std::string key;        // "gauge00"
    int         number = 0; // 0 for gauge00
    std::string module;
    std::string gauge;
    int         x = 0, y = 0;
    int         width = 0, height = 0;   // 0: from the gauge
    std::string parameters;
    int         line = 0;
};

struct PanelWindow {
    std::string             section;   // "Window00", "VCockpit01"
    std::string             title;
    bool                    virtual_cockpit = false;
    int                     width = 0, height = 0;   // size_mm, or 0 to fit the background or the gauges
    std::string             background;             // file=, as written (relative to the panel folder)
    int                     line = 0;               // of the section header
    int                     size_line = 0, background_line = 0;
    std::vector<PanelGauge> gauges;                 // in the order the simulator reads them
    std::vector<int>        gauge_numbers;          // of every gaugeNN key, also of lines that cannot be read
};

struct PanelConfig {
    std::string              name;        // the file's name, for messages
    std::string              directory;   // where the background bitmaps are looked up
    std::vector<PanelWindow> windows;
    std::vector<Diagnostic>  problems;    // what the reader found, in line order

    const PanelWindow* find(const std::string& name_or_number) const;
    bool               has_errors() const;
};

// Reads what can be read and lists every problem; never throws for what the text holds.
PanelConfig read_panel_config(const std::string& text, const std::string& name, const std::string& directory = ".");
// The same from a file; a file that cannot be read is a problem of the file as a whole.
PanelConfig read_panel_config_file(const std::string& path);

// As above, but throw HostError "FILE:LINE: message" for the first error.
PanelConfig parse_panel_config(const std::string& text, const std::string& name);
PanelConfig load_panel_config(const std::string& path);

}  // namespace host

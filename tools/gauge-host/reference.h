// The gauge reference: for every gauge of a module its size, the parameter options it reads, the
// simulator variables it reads and the key events it sends. Sizes come from the module's bitmaps,
// options from the table in host/formats/gauge_options.h, variables and events from running the
// gauge's own code on a simulated panel, so the reference cannot drift from the modules.
//
// Used by gauge-host list, gauge-host reference (docs/parameters.md) and the catalogue's index.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/formats/gauge_options.h"

namespace gauge_host {

// A key event and when the gauge sends it: "installed", "connected", "each frame", "click",
// "right click", "disconnected" (one entry for each).
struct EventUse {
    uint32_t    id;
    std::string when;
};

struct GaugeReference {
    std::string                 module;
    std::string                 gauge;
    int                         number = 0;          // position in the module's gauge table, from 1
    uint32_t                    header_version = 0;
    uint32_t                    size_x_mm = 0;
    int                         width = 0, height = 0;   // pixels: the background bitmap's
    uint32_t                    background_bitmap = 0;
    size_t                      elements = 0, rectangles = 0;
    const host::ParameterGauge* parameters = nullptr;   // null: reads no parameter text
    std::vector<uint32_t>       tokens;                  // variables read, ascending
    std::vector<std::string>    expressions;             // expression texts evaluated
    std::vector<EventUse>       events;                  // ascending
    std::vector<uint32_t>       windows_toggled;         // through the host's window service
    // What the gauge reads and sends besides when given the option table's sample texts.
    std::vector<uint32_t>       tokens_with_text;
    std::vector<EventUse>       events_with_text;
    std::string                 problem;                 // why it could not be run, or ""
};

struct ModuleReference {
    std::string                 name;
    std::string                 path;
    uint32_t                    module_id = 0, module_version = 0;
    std::vector<GaugeReference> gauges;
};

// Runs every gauge of the module (or one) on a simulated panel: installed, connected, a few frames
// with every variable at 0, each mouse rectangle clicked with each button it takes, then again with
// every variable it read at 100, 1 and 2 so that what it does only when a value is set shows too;
// then with the sample texts of the options it reads.
ModuleReference probe_module(const std::string& module_path);
GaugeReference  probe_gauge(const std::string& module_path, const std::string& gauge);

// "airspeed (0x3D)", or the number alone when the ids header has no name for it.
std::string token_text(uint32_t token);
std::string event_text(uint32_t event);

// Words for the reference's cells, markdown-free: "o c t p a b h" or "none"; the variables read,
// comma separated, expressions in quotes; the events grouped by when they are sent.
std::string options_cell(const GaugeReference& g);
std::string reads_cell(const GaugeReference& g);
std::string sends_cell(const GaugeReference& g);

// A module's reference as a markdown table: | # | gauge | size | options | reads | sends |, with a
// picture column when picture_folder is given (pictures named GAUGE.png there, relative to the page:
// "./" for pictures beside the page, as in a catalogue).
std::string module_reference_markdown(const ModuleReference& m, const std::string& picture_folder = "");

// docs/parameters.md: the parameter texts for panel designers, then the reference of each module;
// with a picture of each gauge when picture_prefix is given (PREFIX<Module>/<Gauge>.png).
std::string parameters_markdown(const std::vector<ModuleReference>& modules, const std::string& picture_prefix = "");

}  // namespace gauge_host

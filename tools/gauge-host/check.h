// The panel.cfg check that gauge-host check prints and gauge-host panel runs before it draws.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "host/formats/panel_check.h"

namespace gauge_host {

struct CheckedPanel {
    host::PanelConfig             config;
    host::ModuleShelf             modules;
    std::vector<host::Diagnostic> diagnostics;
};

// Reads and checks a panel.cfg against the modules of module_dir.
CheckedPanel check_panel_file(const std::string& path, const std::string& module_dir);

// Prints the diagnostics, one a line, and a summary line; returns the number of errors.
size_t print_diagnostics(const CheckedPanel& checked, std::FILE* to);

}  // namespace gauge_host

// Scenarios: plain-text scripts that drive gauges on the panel host and print a deterministic
// trace. One command per line; '#' starts a comment; texts with spaces go in double quotes. The
// commands are listed in docs/gauge-host.md; check() in scenario.cpp is where each is accepted.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "host/core/numbers.h"
#include "host/core/panel_host.h"

namespace host {

struct ScenarioCommand {
    int                      line = 0;
    std::vector<std::string> words;
};

struct Scenario {
    std::string                  name;      // file name, for messages
    std::string                  directory; // where relative paths are resolved
    std::vector<ScenarioCommand> commands;
};

// Reads and checks a scenario; throws HostError "FILE:LINE: message" for the first bad line.
Scenario parse_scenario(const std::string& text, const std::string& name, const std::string& directory = ".");
Scenario load_scenario(const std::string& path);

struct ScenarioOptions {
    std::string module_dir;     // where bare module names are found
    std::string picture_dir;    // where relative picture paths go (default: the scenario's directory)
};

struct ScenarioResult {
    int failures = 0;
    int commands = 0;
};

// Runs the scenario, writing the trace to out. Throws HostError "FILE:LINE: message" when a command
// cannot be carried out (a missing module, gauge or rectangle); failed expectations are counted.
ScenarioResult run_scenario(const Scenario& scenario, std::ostream& out, const ScenarioOptions& options = {});

}  // namespace host

// Scenarios: plain-text scripts that drive gauges on the panel host and print a deterministic
// trace. One command per line; '#' starts a comment; texts with spaces go in double quotes.
//
//   module NAME|PATH                 load a module (a bare name is looked up in the module folder)
//   gauge NAME [as LABEL] [params "TEXT"]   install and connect a gauge of the last module
//   set TOKEN VALUE | set-int TOKEN VALUE   give a simulator variable a value
//   expr "CODE" VALUE                what an expression text evaluates to
//   frames N [at HZ]                 run N frames (default 18 Hz)
//   run SECONDS [at HZ]              run frames for that long
//   click LABEL RECT [left|right]    click the rectangle with that index in the gauge's mouse list
//   click-at LABEL X Y [left|right]  click a point of the gauge
//   tooltip LABEL X Y                print the tooltip there
//   show LABEL                       print every element's state
//   picture LABEL FILE [scale S]     write a PNG of the gauge
//   disconnect LABEL | remove LABEL  take a gauge through the rest of its life
//   expect token TOKEN VALUE
//   expect element LABEL INDEX hidden|shown|frame N|value V|text "T"
//   expect event ID [VALUE]          an event sent since the last expected one
//   expect window ID open|closed
//   expect tooltip LABEL X Y "TEXT"
//   ext present|silent|absent        the external interface window answers, replies 0, or is gone
//   ext version N | ext receiver V   the host version number it reports, its receiver version word
//   ext set OFFSET VALUE             a 32-bit word of its data space
//   ext refuse N                     the Nth message from now goes unanswered (1 the next)
//   expect ext OFFSET VALUE
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "host/panel_host.h"

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

// The file name of a module in this build ("Name.so" natively, "Name.gau" on Windows).
std::string module_file_name(const std::string& name);

// Numbers as scripts write them: decimal or 0x hexadecimal tokens, decimal values.
uint32_t parse_token(const std::string& word);
double   parse_value(const std::string& word);

}  // namespace host

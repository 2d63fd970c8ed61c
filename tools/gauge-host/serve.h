// gauge-host serve: the workbench, a local web page showing a panel running on the host.
#pragma once

#include <string>
#include <vector>

// Runs the workbench until Ctrl-C; returns the exit status (2 for a usage error).
int serve_command(const std::vector<std::string>& args, const std::string& module_dir);

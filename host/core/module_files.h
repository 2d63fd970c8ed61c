// Module files in a folder, and why a file cannot be loaded as a module: what a user is told when a
// module name is misspelt, a file is no module, or a module of the other build is given.
#pragma once

#include <string>
#include <vector>

namespace host {

// The names (file names without the extension) of the module files of this build in a folder,
// sorted; empty when the folder cannot be read.
std::vector<std::string> module_names_in(const std::string& folder);

// Why the file at path does not load as a module of this build, in words: no such file, a folder,
// an empty file, a module of the other build, the loader's own reason. Then the modules that the
// file's folder holds, and the nearest of them to the name given.
std::string load_failure_cause(const std::string& path);

}  // namespace host

// Where the tests find the modules of this build.
#pragma once
#include <string>

#include "host/scenario.h"

inline std::string module_path(const std::string& name)
{
    return std::string(GAUGE_MODULE_DIR) + "/" + host::module_file_name(name);
}

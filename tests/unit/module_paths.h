// Where the tests find the modules of this build.
#pragma once
#include <string>

#include "host/core/module.h"

inline std::string module_path(const std::string& name)
{
    return host::module_location(name, GAUGE_MODULE_DIR);
}

// Where the tests find the modules of this build: the hook the shared cases use.
#pragma once

#include "tests/common/suite_hooks.h"

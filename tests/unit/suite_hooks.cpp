// The native suite's hooks for the cases both builds share: modules in this build's module folder,
// sound on the stand-in, which counts what it plays.
#include <standin_control.h>

#include "host/core/module.h"
#include "tests/common/suite_hooks.h"

std::string module_path(const std::string& name) { return host::module_location(name, GAUGE_MODULE_DIR); }

std::string wave_fixtures_path() { return module_path("WaveFixtures"); }

void reset_sound_platform()
{
    standin::reset_sound();
    standin::set_host_executable("");
}

std::optional<std::size_t> sounds_played() { return standin::played_sounds().size(); }

// The Wine suite's hooks for the cases both builds share: it runs in the build folder, where the
// modules are found as modules\<Name>.gau, on real DirectSound, which does not say what it played.
#include "tests/common/suite_hooks.h"

std::string module_path(const std::string& name) { return "modules\\" + name + ".gau"; }

std::string wave_fixtures_path() { return "modules\\WaveFixtures.dll"; }

void reset_sound_platform() {}

std::optional<std::size_t> sounds_played() { return std::nullopt; }

// What each test program supplies to the cases that both builds share: the native suite runs them
// on the stand-in, the Wine suite on the real Windows API. Each hook is defined once per program.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The file of a module of this build, by name ("Norvak_Instr").
std::string module_path(const std::string& name);

// The module that holds the wave fixtures.
std::string wave_fixtures_path();

// Sound as a case expects to find it: nothing recorded, no failure switched on, a device present.
void reset_sound_platform();

// How many sounds have been played so far, where this build can tell: the stand-in counts them,
// real DirectSound does not say.
std::optional<std::size_t> sounds_played();

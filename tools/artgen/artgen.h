// The art generator: draws every bitmap a module names, from its gauge records and the hints of
// its art source (frame/art_hints.h), and writes the resource lists of both builds.
#pragma once

#include <filesystem>

#include "frame/art_hints.h"

namespace artgen {

// Writes <id>.bmp and wave_<id>.wav files, resources.rc (win32), resources_blobs.S and
// resources_table.cpp (native) and layout.txt (what each bitmap carries where, for the tests) into
// out_dir. Returns the number of resources written.
int generate(const ModuleArt& module, const std::filesystem::path& out_dir);

}  // namespace artgen

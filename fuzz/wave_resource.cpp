// A module with one WAVE resource (id 1) whose bytes the wave target replaces before each load.
#include <native_resources.h>

#include <cstddef>

static NativeResource wave_entry = {"WAVE", 0, 1, nullptr, nullptr};

extern "C" {

__attribute__((visibility("default"))) NativeResourceTable NativeResources = {1, &wave_entry};

__attribute__((visibility("default"))) void set_wave_bytes(const unsigned char* begin, size_t size)
{
    wave_entry.begin = begin;
    wave_entry.end   = begin + size;
}
}

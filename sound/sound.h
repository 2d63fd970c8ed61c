// The sound library of the aircraft modules: one DirectSound device and one buffer per
// sound-making gauge, a module-wide switch that silences the module after the first failure, and
// the host's main window that the devices are bound to.
//
// Every operation runs on the host's panel thread. Results: 1 (or a byte count) on success, 0 on
// failure; failures are silent and switch sound off for the whole module.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <cstdint>

// 1 while sound may be used; 0 from the first failing sound operation until the module is unloaded.
extern int32_t sound_enabled;

// Switches sound off for the module; returns 0, the failure result, for the failing operation.
int sound_off();

// The host simulator's variant (1 to 4), told from its executable's file name.
int host_variant();
// The host's main window ("FS98MAIN" or "MSCFSMAIN" by variant), or null.
HWND find_host_window();

int      sound_create_device(HWND host_window, LPDIRECTSOUND* device);
// Loads WAVE resource `id` of `module` into a new buffer of the device; returns the sample bytes.
// The window is the host's, as sound_create_device took it; the buffer does not need it, and the
// argument stays so that every sound routine takes the same leading arguments.
uint32_t sound_load_wave_resource(HWND host_window, LPDIRECTSOUND* device, LPDIRECTSOUNDBUFFER* buffer, uint32_t id,
                                  HMODULE module);
// Starts the buffer from its current position; flags 0 plays once, 1 loops.
int      sound_play(LPDIRECTSOUNDBUFFER* buffer, uint32_t flags);
void     sound_release_buffer(LPDIRECTSOUNDBUFFER* buffer);
void     sound_release_device(LPDIRECTSOUND* device);

// The click sound of one gauge: its own DirectSound device and buffer, made at pre-install and
// released at pre-kill. No two gauges share one.
#pragma once

#include "frame/module.h"
#include "sound/sound.h"

struct ClickSound {
    HMODULE             module;
    HWND                window;
    LPDIRECTSOUND       device;
    LPDIRECTSOUNDBUFFER buffer;
};

// The sound part of a gauge callback. Failures need no check: they have already silenced the module.
inline void click_sound_service(ClickSound& sound, int32_t service_id, HostWord extra, uint32_t wave_id)
{
    if (service_id == service_pre_install) {
        sound.module = reinterpret_cast<HMODULE>(extra);
        sound.window = find_host_window();
        sound_create_device(sound.window, &sound.device);
        sound_load_wave_resource(sound.window, &sound.device, &sound.buffer, wave_id, sound.module);
    } else if (service_id == service_pre_kill) {
        sound_release_buffer(&sound.buffer);
        sound_release_device(&sound.device);
    }
}

inline void play_click(ClickSound& sound) { sound_play(&sound.buffer, 0); }

// A two-position switch of the gauge's own: flips the flag between 0 and 1 and clicks.
inline void flip_and_click(int32_t& flag, ClickSound& sound)
{
    flag = flag == 0 ? 1 : 0;
    play_click(sound);
}

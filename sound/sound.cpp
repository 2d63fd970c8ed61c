// Devices, playback, release and the host's main window.
#include "sound/sound.h"

#include "frame/host_variant.h"

int32_t sound_enabled = 1;

int sound_off()
{
    sound_enabled = 0;
    return 0;
}

int host_variant()
{
    char  path[260];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    path[n < sizeof path ? n : sizeof path - 1] = '\0';
    return host_variant_of_path(path);
}

HWND find_host_window()
{
    return FindWindowA(host_main_window_class(host_variant()), nullptr);
}

// While sound is off no device is made (release would never let it go) and the slot keeps what it
// holds. A slot filled again lets go of the device it held first: a gauge placed twice shares it.
int sound_create_device(HWND host_window, LPDIRECTSOUND* device)
{
    if (!sound_enabled)
        return 0;
    sound_release_device(device);
    *device = nullptr;
    if (FAILED(DirectSoundCreate(nullptr, device, nullptr))) {
        *device = nullptr;
        return sound_off();
    }
    if (FAILED((*device)->SetCooperativeLevel(host_window, DSSCL_NORMAL))) {
        (*device)->Release();   // nobody else holds it
        *device = nullptr;
        return sound_off();
    }
    return 1;
}

int sound_play(LPDIRECTSOUNDBUFFER* buffer, uint32_t flags)
{
    if (!sound_enabled || *buffer == nullptr)
        return 0;
    if (FAILED((*buffer)->Play(0, 0, flags))) {
        (*buffer)->Release();
        *buffer = nullptr;
        return sound_off();
    }
    return 1;
}

// While sound is off nothing is released and the handles keep their values.
void sound_release_buffer(LPDIRECTSOUNDBUFFER* buffer)
{
    if (sound_enabled && *buffer != nullptr) {
        (*buffer)->Release();
        *buffer = nullptr;
    }
}

void sound_release_device(LPDIRECTSOUND* device)
{
    if (sound_enabled && *device != nullptr) {
        (*device)->Release();
        *device = nullptr;
    }
}

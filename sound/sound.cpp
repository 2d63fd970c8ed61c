// Devices, playback, release and the host's main window.
#include "sound/sound.h"

int32_t sound_enabled = 1;

int sound_off()
{
    sound_enabled = 0;
    return 0;
}

// The executable's file name without drive, directory and extension decides; comparisons are exact
// and a position past the end of the name never matches.
int host_variant()
{
    char  path[260];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    path[n < sizeof path ? n : sizeof path - 1] = '\0';

    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    const char* end = name;
    while (*end)
        ++end;
    for (const char* p = end; p > name;)
        if (*--p == '.') {
            end = p;
            break;
        }
    const long length = end - name;

    if (length >= 4 && name[3] == '2')
        return 4;
    if (length >= 1 && name[0] == 'C')
        return 2;
    if (length >= 3 && name[2] == '2')
        return 3;
    return 1;
}

HWND find_host_window()
{
    const int variant = host_variant();
    return FindWindowA(variant == 2 || variant == 4 ? "MSCFSMAIN" : "FS98MAIN", nullptr);
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

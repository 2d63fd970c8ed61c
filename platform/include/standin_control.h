// Controls of the stand-in for hosts and tests: DirectSound failures and its log, the host
// executable's name, in-process windows with a handler, live objects.
#pragma once

#include <windows.h>
#include <dsound.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace standin {

enum class SoundOp {
    create_device,       // DirectSoundCreate
    cooperative_level,   // IDirectSound::SetCooperativeLevel
    create_buffer,       // IDirectSound::CreateSoundBuffer
    lock,                // IDirectSoundBuffer::Lock
    unlock,              // IDirectSoundBuffer::Unlock
    set_position,        // IDirectSoundBuffer::SetCurrentPosition
    play,                // IDirectSoundBuffer::Play
    release,             // IUnknown::Release (never fails)
};

const char* sound_op_name(SoundOp op);

// Makes the next call of op fail once, after `skip` successful calls of it.
void fail_sound(SoundOp op, int skip = 0);
// Makes every DirectSoundCreate fail, as on a machine without an audio device.
void set_sound_device_present(bool present);

struct SoundCall {
    SoundOp     op;
    int         object;   // device or buffer number, from 1 in creation order; 0 when none was made
    HRESULT     result;
    std::string detail;
};
const std::vector<SoundCall>& sound_calls();

struct PlayedSound {
    int                  buffer;
    uint32_t             flags;
    uint32_t             position;   // play position when Play was called
    WAVEFORMATEX         format;
    std::vector<uint8_t> samples;    // the buffer's content
};
const std::vector<PlayedSound>& played_sounds();

int live_sound_devices();
int live_sound_buffers();
int live_global_blocks();

// Clears failures, logs and the device switch; live objects stay.
void reset_sound();

// The file name GetModuleFileNameA reports for the host executable; empty restores the real one.
void set_host_executable(const std::string& path);

// A top-level window of the given class whose messages go to handler.
using WindowHandler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
HWND add_window(const std::string& class_name, WindowHandler handler);
void remove_window(HWND window);

}  // namespace standin

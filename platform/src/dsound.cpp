// DirectSound of the stand-in: devices and secondary buffers that keep their samples, record every
// call and play nothing. Any one operation can be told to fail; formats other than PCM are refused,
// as a real device refuses them for a secondary buffer.
#include <dsound.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

#include "standin_control.h"

namespace {

constexpr size_t op_count = static_cast<size_t>(standin::SoundOp::release) + 1;
constexpr DWORD  min_buffer_bytes = 4;
constexpr DWORD  max_buffer_bytes = 0x0FFFFFFF;

std::recursive_mutex                 lock;
std::array<int, op_count>            fail_after{};   // -1: no failure planned
bool                                 device_present = true;
std::vector<standin::SoundCall>      calls;
std::vector<standin::PlayedSound>    played;
int                                  devices_made = 0, buffers_made = 0;
int                                  devices_alive = 0, buffers_alive = 0;

struct Init {
    Init() { fail_after.fill(-1); }
} init;

// Decides whether this call of op fails, and logs it.
HRESULT call(standin::SoundOp op, int object, std::string detail, HRESULT refusal = DS_OK)
{
    std::lock_guard guard(lock);
    int&    plan   = fail_after[static_cast<size_t>(op)];
    HRESULT result = refusal;
    if (result == DS_OK && plan >= 0) {
        if (plan == 0)
            result = DSERR_GENERIC;
        --plan;
    }
    calls.push_back({op, object, result, std::move(detail)});
    return result;
}

std::string format_text(const WAVEFORMATEX& f)
{
    char text[96];
    std::snprintf(text, sizeof text, "tag %u, %u ch, %u Hz, %u bit", f.wFormatTag, f.nChannels,
                  static_cast<unsigned>(f.nSamplesPerSec), f.wBitsPerSample);
    return text;
}

bool playable_pcm(const WAVEFORMATEX& f)
{
    return f.wFormatTag == WAVE_FORMAT_PCM && f.nChannels >= 1 && f.nChannels <= 8 &&
           (f.wBitsPerSample == 8 || f.wBitsPerSample == 16 || f.wBitsPerSample == 24 || f.wBitsPerSample == 32) &&
           f.nBlockAlign == f.nChannels * f.wBitsPerSample / 8 && f.nSamplesPerSec >= 100 &&
           f.nSamplesPerSec <= 200000;
}

class Buffer final : public IDirectSoundBuffer {
public:
    Buffer(const WAVEFORMATEX& format, DWORD bytes) : number_(++buffers_made), format_(format), samples_(bytes)
    {
        ++buffers_alive;
    }

    HRESULT QueryInterface(REFIID, void**) override { return DSERR_INVALIDPARAM; }
    ULONG   AddRef() override { return ++references_; }
    ULONG   Release() override
    {
        call(standin::SoundOp::release, number_, "buffer");
        ULONG left = --references_;
        if (left == 0) {
            std::lock_guard guard(lock);
            --buffers_alive;
            delete this;
        }
        return left;
    }

    HRESULT GetCurrentPosition(LPDWORD play, LPDWORD write) override
    {
        if (play)
            *play = position_;
        if (write)
            *write = position_;
        return DS_OK;
    }
    HRESULT GetStatus(LPDWORD status) override
    {
        if (status == nullptr)
            return DSERR_INVALIDPARAM;
        *status = playing_ ? DSBSTATUS_PLAYING : 0;
        return DS_OK;
    }

    HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* audio1, LPDWORD bytes1, LPVOID* audio2, LPDWORD bytes2,
                 DWORD flags) override
    {
        const DWORD size = static_cast<DWORD>(samples_.size());
        HRESULT     refusal = DS_OK;
        if (audio1 == nullptr || bytes1 == nullptr || offset >= size || bytes == 0 || bytes > size || locked_ ||
            flags != 0)
            refusal = DSERR_INVALIDPARAM;
        if (HRESULT r = call(standin::SoundOp::lock, number_, "offset " + std::to_string(offset) + " bytes " +
                                                                std::to_string(bytes), refusal);
            r != DS_OK)
            return r;
        // A region that runs past the end wraps to the start, as in a ring buffer.
        DWORD first = std::min(bytes, size - offset);
        *audio1     = samples_.data() + offset;
        *bytes1     = first;
        if (audio2)
            *audio2 = bytes > first ? samples_.data() : nullptr;
        if (bytes2)
            *bytes2 = bytes - first;
        locked_ = true;
        return DS_OK;
    }

    HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) override
    {
        HRESULT refusal = reserved != 0 || priority != 0 || locked_ ? DSERR_INVALIDPARAM : DS_OK;
        if (HRESULT r = call(standin::SoundOp::play, number_, "flags " + std::to_string(flags), refusal); r != DS_OK)
            return r;
        playing_ = true;
        std::lock_guard guard(lock);
        played.push_back({number_, flags, position_, format_, samples_});
        return DS_OK;
    }

    HRESULT SetCurrentPosition(DWORD position) override
    {
        HRESULT refusal = position >= samples_.size() ? DSERR_INVALIDPARAM : DS_OK;
        if (HRESULT r = call(standin::SoundOp::set_position, number_, std::to_string(position), refusal); r != DS_OK)
            return r;
        position_ = position;
        return DS_OK;
    }

    HRESULT Stop() override
    {
        playing_ = false;
        return DS_OK;
    }

    HRESULT Unlock(LPVOID audio1, DWORD bytes1, LPVOID audio2, DWORD bytes2) override
    {
        const DWORD size    = static_cast<DWORD>(samples_.size());
        auto*       begin   = samples_.data();
        auto*       a1      = static_cast<uint8_t*>(audio1);
        bool        inside1 = a1 >= begin && a1 < begin + size && bytes1 <= size - static_cast<DWORD>(a1 - begin);
        bool        inside2 = audio2 == nullptr ? bytes2 == 0 : audio2 == begin && bytes2 <= size;
        HRESULT     refusal = !locked_ || !inside1 || !inside2 ? DSERR_INVALIDPARAM : DS_OK;
        if (HRESULT r = call(standin::SoundOp::unlock, number_, std::to_string(bytes1) + "+" + std::to_string(bytes2),
                             refusal);
            r != DS_OK)
            return r;
        locked_ = false;
        return DS_OK;
    }

private:
    ~Buffer() = default;
    int                  number_;
    WAVEFORMATEX         format_;
    std::vector<uint8_t> samples_;
    ULONG                references_ = 1;
    DWORD                position_   = 0;
    bool                 locked_     = false;
    bool                 playing_    = false;
};

class Device final : public IDirectSound {
public:
    Device() : number_(++devices_made) { ++devices_alive; }

    HRESULT QueryInterface(REFIID, void**) override { return DSERR_INVALIDPARAM; }
    ULONG   AddRef() override { return ++references_; }
    ULONG   Release() override
    {
        call(standin::SoundOp::release, number_, "device");
        ULONG left = --references_;
        if (left == 0) {
            std::lock_guard guard(lock);
            --devices_alive;
            delete this;
        }
        return left;
    }

    HRESULT CreateSoundBuffer(LPCDSBUFFERDESC desc, LPDIRECTSOUNDBUFFER* buffer, LPUNKNOWN outer) override
    {
        HRESULT     refusal = DS_OK;
        std::string detail;
        if (desc == nullptr || buffer == nullptr || outer != nullptr || desc->lpwfxFormat == nullptr ||
            (desc->dwSize != sizeof(DSBUFFERDESC) && desc->dwSize != 20)) {
            refusal = DSERR_INVALIDPARAM;
            detail  = "bad description";
        } else {
            const WAVEFORMATEX& f = *desc->lpwfxFormat;
            char text[64];
            std::snprintf(text, sizeof text, "size %u flags 0x%X bytes %u, ", static_cast<unsigned>(desc->dwSize),
                          static_cast<unsigned>(desc->dwFlags), static_cast<unsigned>(desc->dwBufferBytes));
            detail = text + format_text(f) + ", extra " + std::to_string(f.cbSize);
            // A device takes the extra bytes that a format other than PCM announces after the record.
            if (f.wFormatTag != WAVE_FORMAT_PCM) {
                std::vector<uint8_t> record(sizeof f + f.cbSize);
                std::memcpy(record.data(), &f, record.size());
                unsigned sum = 0;
                for (uint8_t b : record)
                    sum += b;
                detail += ", record sum " + std::to_string(sum);
            }
            if (!playable_pcm(f))
                refusal = DSERR_BADFORMAT;
            else if (desc->dwBufferBytes < min_buffer_bytes || desc->dwBufferBytes > max_buffer_bytes)
                refusal = DSERR_INVALIDPARAM;
        }
        HRESULT r = call(standin::SoundOp::create_buffer, number_, detail, refusal);
        if (r != DS_OK) {
            if (buffer)
                *buffer = nullptr;
            return r;
        }
        // The buffer rounds its size up to whole sample frames.
        const DWORD align = desc->lpwfxFormat->nBlockAlign;
        const DWORD bytes = (desc->dwBufferBytes + align - 1) / align * align;
        std::lock_guard guard(lock);
        *buffer = new Buffer(*desc->lpwfxFormat, bytes);
        return DS_OK;
    }

    HRESULT SetCooperativeLevel(HWND window, DWORD level) override
    {
        HRESULT refusal = !IsWindow(window) || level < DSSCL_NORMAL || level > 4 ? DSERR_INVALIDPARAM : DS_OK;
        char    text[64];
        std::snprintf(text, sizeof text, "level %u%s", static_cast<unsigned>(level), IsWindow(window) ? "" : ", no window");
        return call(standin::SoundOp::cooperative_level, number_, text, refusal);
    }

private:
    ~Device() = default;
    int   number_;
    ULONG references_ = 1;
};

}  // namespace

namespace standin {

const char* sound_op_name(SoundOp op)
{
    static const char* const names[] = {"create device", "cooperative level", "create buffer", "lock",
                                        "unlock",        "set position",      "play",          "release"};
    return names[static_cast<size_t>(op)];
}

void fail_sound(SoundOp op, int skip)
{
    std::lock_guard guard(lock);
    fail_after[static_cast<size_t>(op)] = skip;
}

void set_sound_device_present(bool present)
{
    std::lock_guard guard(lock);
    device_present = present;
}

const std::vector<SoundCall>&   sound_calls() { return calls; }
const std::vector<PlayedSound>& played_sounds() { return played; }
int                             live_sound_devices() { return devices_alive; }
int                             live_sound_buffers() { return buffers_alive; }

void reset_sound()
{
    std::lock_guard guard(lock);
    fail_after.fill(-1);
    device_present = true;
    calls.clear();
    played.clear();
}

}  // namespace standin

extern "C" HRESULT WINAPI DirectSoundCreate(LPCGUID device, LPDIRECTSOUND* sound, LPUNKNOWN outer)
{
    if (sound == nullptr)
        return DSERR_INVALIDPARAM;
    *sound          = nullptr;
    HRESULT refusal = device != nullptr || outer != nullptr ? DSERR_INVALIDPARAM : DS_OK;
    std::lock_guard guard(lock);
    if (refusal == DS_OK && !device_present)
        refusal = DSERR_NODRIVER;
    HRESULT r = call(standin::SoundOp::create_device, 0, "default device", refusal);
    if (r != DS_OK)
        return r;
    *sound               = new Device();
    calls.back().object = devices_made;
    return DS_OK;
}

// WAVE resources as the sound library reads them: RIFF chunks through the multimedia memory file,
// the format record, the samples into a DirectSound buffer, then play and release. The bytes are the
// input, held in a block of exactly their size so that any read past them is caught.
#include <standin_control.h>

#include <memory>

#include "fuzz_common.h"
#include "sound/sound.h"

namespace {

using SetWaveBytes = void (*)(const unsigned char*, size_t);

struct WaveModule {
    HMODULE      module = LoadLibraryA(fuzz::module_file("FuzzWaveResource").c_str());
    SetWaveBytes set    = reinterpret_cast<SetWaveBytes>(GetProcAddress(module, "set_wave_bytes"));
    HWND         window = standin::add_window("FS98MAIN", [](HWND, UINT, WPARAM, LPARAM) { return LRESULT{0}; });
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static WaveModule w;
    if (w.set == nullptr)
        __builtin_trap();
    std::unique_ptr<unsigned char[]> bytes(new unsigned char[size]);
    std::memcpy(bytes.get(), data, size);
    w.set(bytes.get(), size);

    sound_enabled = 1;
    const fuzz::FreshRun fresh;
    LPDIRECTSOUND       device = nullptr;
    LPDIRECTSOUNDBUFFER buffer = nullptr;
    sound_create_device(find_host_window(), &device);
    const uint32_t n = sound_load_wave_resource(find_host_window(), &device, &buffer, 1, w.module);
    if (n != 0 && buffer == nullptr)
        __builtin_trap();   // a count is only reported with a buffer that holds it
    sound_play(&buffer, 0);
    sound_enabled = 1;
    sound_release_buffer(&buffer);
    sound_release_device(&device);
    if (standin::live_sound_buffers() != 0 || standin::live_sound_devices() != 0 || standin::live_global_blocks() != 0)
        __builtin_trap();   // every object made for the wave was let go
    w.set(nullptr, 0);
    return 0;
}

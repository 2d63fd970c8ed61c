// Wave resources into DirectSound buffers: a RIFF 'WAVE' resource is read as a memory file, its
// format record and samples go into a new secondary buffer positioned at its start.
#include <cstring>

#include "sound/sound.h"

namespace {

constexpr DWORD wave_buffer_flags = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN | DSBCAPS_CTRLFREQUENCY | DSBCAPS_GLOBALFOCUS;
constexpr LONG  wave_format_bytes = 18;

// Finds 'fmt ' and then, after it, 'data' in the RIFF 'WAVE' form; reads the format record and the
// samples into a new movable block, left locked. False if the file of file_bytes is not such a wave.
bool read_wave(HMMIO file, DWORD file_bytes, WAVEFORMATEX* format, HGLOBAL* samples, const void** sample_data,
               DWORD* sample_bytes)
{
    MMCKINFO riff = {};
    riff.fccType  = mmioFOURCC('W', 'A', 'V', 'E');
    if (mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF) != MMSYSERR_NOERROR)
        return false;

    MMCKINFO chunk = {};
    chunk.ckid     = mmioFOURCC('f', 'm', 't', ' ');
    if (mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR)
        return false;
    if (mmioRead(file, reinterpret_cast<HPSTR>(format), wave_format_bytes) != wave_format_bytes)
        return false;
    // Only 18 bytes were read: nothing follows the record, so it must not announce extra bytes
    // (a device reads them for formats other than PCM).
    format->cbSize = 0;
    if (mmioAscend(file, &chunk, 0) != MMSYSERR_NOERROR)
        return false;

    chunk.ckid = mmioFOURCC('d', 'a', 't', 'a');
    if (mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR)
        return false;
    const LONG bytes = static_cast<LONG>(chunk.cksize);
    if (bytes < 0)
        return false;
    // A chunk that claims more bytes than the file holds could not be read whole: no block for it.
    if (chunk.dwDataOffset > file_bytes || chunk.cksize > file_bytes - chunk.dwDataOffset)
        return false;

    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, chunk.cksize);
    if (memory == nullptr)
        return false;
    void* data = GlobalLock(memory);
    if (data == nullptr || mmioRead(file, static_cast<HPSTR>(data), bytes) != bytes) {
        if (data != nullptr)
            GlobalUnlock(memory);
        GlobalFree(memory);
        return false;
    }
    *samples      = memory;
    *sample_data  = data;
    *sample_bytes = chunk.cksize;
    return true;
}

void free_samples(HGLOBAL samples)
{
    GlobalUnlock(samples);
    GlobalFree(samples);
}

// A buffer that failed after its creation is released here: its handle is cleared and nobody else
// holds it.
int drop_buffer(LPDIRECTSOUNDBUFFER* buffer, HGLOBAL samples)
{
    (*buffer)->Release();
    *buffer = nullptr;
    free_samples(samples);
    return sound_off();
}

}  // namespace

uint32_t sound_load_wave_resource(HWND, LPDIRECTSOUND* device, LPDIRECTSOUNDBUFFER* buffer, uint32_t id,
                                  HMODULE module)
{
    if (!sound_enabled)
        return 0;
    sound_release_buffer(buffer);   // a slot filled again lets go of what it held
    *buffer = nullptr;

    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), "WAVE");
    if (resource == nullptr)
        return sound_off();
    HGLOBAL loaded = LoadResource(module, resource);
    if (loaded == nullptr)
        return sound_off();
    void* bytes = LockResource(loaded);
    if (bytes == nullptr) {
        FreeResource(loaded);
        return sound_off();
    }

    // Read-write with a buffer of the I/O system's own, as the memory procedure asks; nothing is written.
    MMIOINFO info  = {};
    info.fccIOProc = FOURCC_MEM;
    info.pchBuffer = static_cast<HPSTR>(bytes);
    const DWORD resource_bytes = SizeofResource(module, resource);
    info.cchBuffer             = static_cast<LONG>(resource_bytes);
    HMMIO file                 = mmioOpenA(nullptr, &info, MMIO_READWRITE | MMIO_ALLOCBUF);
    if (file == nullptr) {
        FreeResource(loaded);
        return sound_off();
    }
    WAVEFORMATEX format       = {};
    HGLOBAL      samples      = nullptr;
    const void*  sample_data  = nullptr;
    DWORD        sample_bytes = 0;
    const bool   read         = read_wave(file, resource_bytes, &format, &samples, &sample_data, &sample_bytes);
    mmioClose(file, 0);
    FreeResource(loaded);
    if (!read)
        return sound_off();

    DSBUFFERDESC desc  = {};
    desc.dwSize        = sizeof desc;
    desc.dwFlags       = wave_buffer_flags;
    desc.dwBufferBytes = sample_bytes;
    desc.lpwfxFormat   = &format;
    if (*device == nullptr || FAILED((*device)->CreateSoundBuffer(&desc, buffer, nullptr))) {
        *buffer = nullptr;
        free_samples(samples);
        return sound_off();
    }

    void* region1 = nullptr;
    void* region2 = nullptr;
    DWORD bytes1 = 0, bytes2 = 0;
    if (FAILED((*buffer)->Lock(0, sample_bytes, &region1, &bytes1, &region2, &bytes2, 0)))
        return drop_buffer(buffer, samples);
    std::memcpy(region1, sample_data, bytes1 < sample_bytes ? bytes1 : sample_bytes);
    if (FAILED((*buffer)->Unlock(region1, bytes1, region2, bytes2)))
        return drop_buffer(buffer, samples);
    if (FAILED((*buffer)->SetCurrentPosition(0)))
        return drop_buffer(buffer, samples);

    // The buffer holds the samples now; the copy is not kept.
    free_samples(samples);
    return sample_bytes;
}

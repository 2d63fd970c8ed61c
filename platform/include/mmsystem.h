// Stand-in multimedia declarations: buffered file I/O over memory (RIFF chunks) and the wave format
// record.
#pragma once

#include <windows.h>

using FOURCC   = DWORD;
using MMRESULT = UINT;
using HPSTR    = char*;

struct HMMIO__;
using HMMIO = HMMIO__*;

using LPMMIOPROC = LRESULT(CALLBACK*)(LPSTR info, UINT message, LPARAM param1, LPARAM param2);

#define mmioFOURCC(a, b, c, d)                                                                        \
    (static_cast<FOURCC>(static_cast<BYTE>(a)) | (static_cast<FOURCC>(static_cast<BYTE>(b)) << 8) |  \
     (static_cast<FOURCC>(static_cast<BYTE>(c)) << 16) | (static_cast<FOURCC>(static_cast<BYTE>(d)) << 24))

#define FOURCC_RIFF mmioFOURCC('R', 'I', 'F', 'F')
#define FOURCC_LIST mmioFOURCC('L', 'I', 'S', 'T')
#define FOURCC_MEM  mmioFOURCC('M', 'E', 'M', ' ')
#define FOURCC_DOS  mmioFOURCC('D', 'O', 'S', ' ')

#define MMSYSERR_NOERROR      0
#define MMIOERR_BASE          256
#define MMIOERR_FILENOTFOUND  (MMIOERR_BASE + 1)
#define MMIOERR_OUTOFMEMORY   (MMIOERR_BASE + 2)
#define MMIOERR_CANNOTOPEN    (MMIOERR_BASE + 3)
#define MMIOERR_CANNOTREAD    (MMIOERR_BASE + 5)
#define MMIOERR_CANNOTSEEK    (MMIOERR_BASE + 7)
#define MMIOERR_CHUNKNOTFOUND (MMIOERR_BASE + 9)

#define MMIO_READ      0x00000000
#define MMIO_WRITE     0x00000001
#define MMIO_READWRITE 0x00000002
#define MMIO_ALLOCBUF  0x00010000
#define MMIO_FINDCHUNK 0x0010
#define MMIO_FINDRIFF  0x0020
#define MMIO_FINDLIST  0x0040

#ifndef SEEK_SET
#define SEEK_SET 0
#define SEEK_CUR 1
#define SEEK_END 2
#endif

#define WAVE_FORMAT_PCM 1

struct MMIOINFO {
    DWORD      dwFlags;
    FOURCC     fccIOProc;
    LPMMIOPROC pIOProc;
    UINT       wErrorRet;
    HANDLE     htask;
    LONG       cchBuffer;
    HPSTR      pchBuffer;
    HPSTR      pchNext;
    HPSTR      pchEndRead;
    HPSTR      pchEndWrite;
    LONG       lBufOffset;
    LONG       lDiskOffset;
    DWORD      adwInfo[3];
    DWORD      dwReserved1;
    DWORD      dwReserved2;
    HMMIO      hmmio;
};
using LPMMIOINFO = MMIOINFO*;

struct MMCKINFO {
    FOURCC ckid;
    DWORD  cksize;
    FOURCC fccType;
    DWORD  dwDataOffset;
    DWORD  dwFlags;
};
using LPMMCKINFO = MMCKINFO*;

#pragma pack(push, 1)
struct WAVEFORMATEX {
    WORD  wFormatTag;
    WORD  nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD  nBlockAlign;
    WORD  wBitsPerSample;
    WORD  cbSize;
};
#pragma pack(pop)
using LPWAVEFORMATEX  = WAVEFORMATEX*;
using LPCWAVEFORMATEX = const WAVEFORMATEX*;
static_assert(sizeof(WAVEFORMATEX) == 18);

extern "C" {

HMMIO WINAPI    mmioOpenA(LPSTR file_name, LPMMIOINFO info, DWORD flags);
MMRESULT WINAPI mmioClose(HMMIO file, UINT flags);
LONG WINAPI     mmioRead(HMMIO file, HPSTR buffer, LONG bytes);
LONG WINAPI     mmioSeek(HMMIO file, LONG offset, int origin);
MMRESULT WINAPI mmioDescend(HMMIO file, LPMMCKINFO chunk, const MMCKINFO* parent, UINT flags);
MMRESULT WINAPI mmioAscend(HMMIO file, LPMMCKINFO chunk, UINT flags);

}  // extern "C"

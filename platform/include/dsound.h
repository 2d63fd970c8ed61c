// Stand-in DirectSound: a device and secondary buffers, called through their interfaces as on
// Windows. The objects record what they do (see standin_control.h).
#pragma once

#include <mmsystem.h>

struct GUID {
    DWORD Data1;
    WORD  Data2;
    WORD  Data3;
    BYTE  Data4[8];
};
using LPCGUID = const GUID*;
using REFIID  = const GUID&;
using ULONG   = unsigned long;

#ifndef SUCCEEDED
#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#define FAILED(hr)    (static_cast<HRESULT>(hr) < 0)
#endif

#define DS_OK               0
#define DSERR_GENERIC       static_cast<HRESULT>(0x80004005)
#define DSERR_INVALIDPARAM  static_cast<HRESULT>(0x80070057)
#define DSERR_OUTOFMEMORY   static_cast<HRESULT>(0x8007000E)
#define DSERR_INVALIDCALL   static_cast<HRESULT>(0x88780032)
#define DSERR_BADFORMAT     static_cast<HRESULT>(0x88780064)
#define DSERR_NODRIVER      static_cast<HRESULT>(0x88780078)

#define DSSCL_NORMAL       1
#define DSSCL_PRIORITY     2

#define DSBCAPS_CTRLFREQUENCY 0x00000020
#define DSBCAPS_CTRLPAN       0x00000040
#define DSBCAPS_CTRLVOLUME    0x00000080
#define DSBCAPS_GLOBALFOCUS   0x00008000

#define DSBPLAY_LOOPING    0x00000001
#define DSBSTATUS_PLAYING  0x00000001
#define DSBSTATUS_LOOPING  0x00000004

struct DSBUFFERDESC {
    DWORD          dwSize;
    DWORD          dwFlags;
    DWORD          dwBufferBytes;
    DWORD          dwReserved;
    LPWAVEFORMATEX lpwfxFormat;
    GUID           guid3DAlgorithm;
};
using LPCDSBUFFERDESC = const DSBUFFERDESC*;

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
    virtual ULONG   AddRef()                                  = 0;
    virtual ULONG   Release()                                 = 0;
};
using LPUNKNOWN = IUnknown*;

struct IDirectSoundBuffer : IUnknown {
    virtual HRESULT GetCurrentPosition(LPDWORD play, LPDWORD write)                          = 0;
    virtual HRESULT GetStatus(LPDWORD status)                                                = 0;
    virtual HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* audio1, LPDWORD bytes1, LPVOID* audio2,
                         LPDWORD bytes2, DWORD flags)                                        = 0;
    virtual HRESULT Play(DWORD reserved, DWORD priority, DWORD flags)                        = 0;
    virtual HRESULT SetCurrentPosition(DWORD position)                                       = 0;
    virtual HRESULT Stop()                                                                   = 0;
    virtual HRESULT Unlock(LPVOID audio1, DWORD bytes1, LPVOID audio2, DWORD bytes2)         = 0;
};
using LPDIRECTSOUNDBUFFER = IDirectSoundBuffer*;

struct IDirectSound : IUnknown {
    virtual HRESULT CreateSoundBuffer(LPCDSBUFFERDESC desc, LPDIRECTSOUNDBUFFER* buffer, LPUNKNOWN outer) = 0;
    virtual HRESULT SetCooperativeLevel(HWND window, DWORD level)                                        = 0;
};
using LPDIRECTSOUND = IDirectSound*;

extern "C" HRESULT WINAPI DirectSoundCreate(LPCGUID device, LPDIRECTSOUND* sound, LPUNKNOWN outer);

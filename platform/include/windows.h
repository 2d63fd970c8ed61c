// A small stand-in for the Windows API, for the native build.
//
// Module and host code call Windows by its real names; in the 32-bit build those are the real
// functions, here they are ours, with the same names and the same meaning as far as the gauge modules
// rely on them.
#pragma once

#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY

using BOOL    = int;
using BYTE    = uint8_t;
using WORD    = uint16_t;
using DWORD   = uint32_t;
using LONG    = int32_t;
using UINT    = unsigned int;
using INT     = int;
using HRESULT = int32_t;
using LPVOID  = void*;
using LPCVOID = const void*;
using LPSTR   = char*;
using LPCSTR  = const char*;
using WPARAM  = uintptr_t;
using LPARAM  = intptr_t;
using LRESULT = intptr_t;
using ULONG_PTR = uintptr_t;
using SIZE_T  = size_t;

#define TRUE  1
#define FALSE 0

using ATOM     = WORD;
using LPDWORD  = DWORD*;
using LONG_PTR = intptr_t;

// Handles: each kind a pointer to a type of its own, so that one kind is not passed for another.
struct HINSTANCE__;
struct HRSRC__;
struct HWND__;
struct HMENU__;
struct HICON__;
struct HBRUSH__;
using HANDLE    = void*;
using HINSTANCE = HINSTANCE__*;
using HMODULE   = HINSTANCE__*;
using HRSRC     = HRSRC__*;
using HGLOBAL   = void*;
using HWND      = HWND__*;
using HMENU     = HMENU__*;
using HICON     = HICON__*;
using HCURSOR   = HICON__*;
using HBRUSH    = HBRUSH__*;
using FARPROC   = void (*)();

#define MAKEINTRESOURCEA(i) (reinterpret_cast<LPCSTR>(static_cast<uintptr_t>(static_cast<WORD>(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#define IS_INTRESOURCE(p) ((reinterpret_cast<uintptr_t>(p) >> 16) == 0)
#define RT_BITMAP MAKEINTRESOURCEA(2)
#define RT_RCDATA MAKEINTRESOURCEA(10)

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1

extern "C" {

// Modules: a native module is a shared object; its resources are the table it exports.
HMODULE WINAPI LoadLibraryA(LPCSTR path);
FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name);
BOOL WINAPI    FreeLibrary(HMODULE module);
DWORD WINAPI   GetLastError();

// Resources
HRSRC WINAPI   FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
LPVOID WINAPI  LockResource(HGLOBAL data);
DWORD WINAPI   SizeofResource(HMODULE module, HRSRC resource);
BOOL WINAPI    FreeResource(HGLOBAL data);

}  // extern "C"

#include "windows_more.h"

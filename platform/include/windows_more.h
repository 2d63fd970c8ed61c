// Further stand-in declarations (memory, windows and messages, text formatting).
#pragma once

#include <cstdarg>

// Global memory
#define GMEM_FIXED    0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GHND          (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR          (GMEM_FIXED | GMEM_ZEROINIT)

// Windows and messages
using WNDPROC = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASSA {
    UINT      style;
    WNDPROC   lpfnWndProc;
    int       cbClsExtra;
    int       cbWndExtra;
    HINSTANCE hInstance;
    HICON     hIcon;
    HCURSOR   hCursor;
    HBRUSH    hbrBackground;
    LPCSTR    lpszMenuName;
    LPCSTR    lpszClassName;
};

#define WM_NULL    0x0000
#define WM_CREATE  0x0001
#define WM_DESTROY 0x0002
#define WM_CLOSE   0x0010
#define WM_USER    0x0400

#define WS_OVERLAPPED       0x00000000L
#define WS_OVERLAPPEDWINDOW 0x00CF0000L
#define CW_USEDEFAULT       (static_cast<int>(0x80000000))
#define GWLP_USERDATA       (-21)

#define ERROR_INVALID_HANDLE          6
#define ERROR_INSUFFICIENT_BUFFER     122
#define ERROR_MOD_NOT_FOUND           126
#define ERROR_PROC_NOT_FOUND          127
#define ERROR_CLASS_ALREADY_EXISTS    1410
#define ERROR_CLASS_DOES_NOT_EXIST    1411
#define ERROR_INVALID_WINDOW_HANDLE   1400
#define ERROR_RESOURCE_TYPE_NOT_FOUND 1813
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814

#define MAX_PATH 260

extern "C" {

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes);
LPVOID WINAPI  GlobalLock(HGLOBAL memory);
BOOL WINAPI    GlobalUnlock(HGLOBAL memory);
HGLOBAL WINAPI GlobalFree(HGLOBAL memory);
SIZE_T WINAPI  GlobalSize(HGLOBAL memory);

HMODULE WINAPI GetModuleHandleA(LPCSTR name);
// With a null module: the file name of the host executable.
DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR file_name, DWORD size);

ATOM WINAPI    RegisterClassA(const WNDCLASSA* window_class);
BOOL WINAPI    UnregisterClassA(LPCSTR class_name, HINSTANCE instance);
HWND WINAPI    CreateWindowExA(DWORD ex_style, LPCSTR class_name, LPCSTR window_name, DWORD style, int x, int y,
                               int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
BOOL WINAPI    DestroyWindow(HWND window);
BOOL WINAPI    IsWindow(HWND window);
LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LONG_PTR WINAPI SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
LONG_PTR WINAPI GetWindowLongPtrA(HWND window, int index);
int WINAPI     GetClassNameA(HWND window, LPSTR class_name, int size);
HWND WINAPI    FindWindowA(LPCSTR class_name, LPCSTR window_name);
HWND WINAPI    FindWindowExA(HWND parent, HWND child_after, LPCSTR class_name, LPCSTR window_name);
LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

int            wsprintfA(LPSTR out, LPCSTR format, ...);
int WINAPI     wvsprintfA(LPSTR out, LPCSTR format, va_list args);

}  // extern "C"

// Windows, messages, the host executable's name and text formatting of the stand-in.
//
// Windows are in-process records; a message goes straight to the window's procedure (or its
// handler) on the calling thread, which is what Windows does for a window of the same thread.
#include <windows.h>

#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform_internal.h"
#include "standin_control.h"

struct HWND__ {
    std::string              class_name;
    std::string              title;
    WNDPROC                  procedure = nullptr;
    standin::WindowHandler   handler;
    LONG_PTR                 user_data = 0;
};

namespace {

struct CaseLess {
    bool operator()(const std::string& a, const std::string& b) const { return strcasecmp(a.c_str(), b.c_str()) < 0; }
};

std::recursive_mutex                      lock;
std::map<std::string, WNDCLASSA, CaseLess> classes;
std::vector<HWND>                         windows;   // top-level windows, newest first (top of the Z order)
std::string                               host_executable;

bool alive(HWND window) { return std::find(windows.begin(), windows.end(), window) != windows.end(); }

HWND find_after(HWND after, LPCSTR class_name, LPCSTR title)
{
    std::lock_guard guard(lock);
    auto it = windows.begin();
    if (after != nullptr) {
        it = std::find(windows.begin(), windows.end(), after);
        if (it == windows.end())
            return nullptr;
        ++it;
    }
    for (; it != windows.end(); ++it) {
        HWND w = *it;
        if (class_name != nullptr && strcasecmp(w->class_name.c_str(), class_name) != 0)
            continue;
        if (title != nullptr && w->title != title)
            continue;
        return w;
    }
    return nullptr;
}

HWND add(HWND window)
{
    std::lock_guard guard(lock);
    windows.insert(windows.begin(), window);
    return window;
}

std::string real_executable()
{
    char    path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string("host");
}

}  // namespace

namespace standin {

void set_host_executable(const std::string& path)
{
    std::lock_guard guard(lock);
    host_executable = path;
}

HWND add_window(const std::string& class_name, WindowHandler handler)
{
    auto* w       = new HWND__;
    w->class_name = class_name;
    w->handler    = std::move(handler);
    return add(w);
}

void remove_window(HWND window) { DestroyWindow(window); }

}  // namespace standin

extern "C" {

HMODULE WINAPI GetModuleHandleA(LPCSTR name)
{
    if (name == nullptr)
        return platform_executable_module();
    platform_set_last_error(126);
    return nullptr;
}

DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR file_name, DWORD size)
{
    std::string path;
    if (module == nullptr || module == platform_executable_module()) {
        std::lock_guard guard(lock);
        path = host_executable.empty() ? real_executable() : host_executable;
    } else {
        const char* p = platform_module_path(module);
        if (p == nullptr) {
            platform_set_last_error(126);
            return 0;
        }
        path = p;
    }
    if (file_name == nullptr || size == 0) {
        platform_set_last_error(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    // As Windows does: a name that does not fit is cut, terminated, and the full size is returned.
    if (path.size() >= size) {
        std::memcpy(file_name, path.data(), size - 1);
        file_name[size - 1] = '\0';
        platform_set_last_error(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::memcpy(file_name, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}

ATOM WINAPI RegisterClassA(const WNDCLASSA* window_class)
{
    if (window_class == nullptr || window_class->lpszClassName == nullptr || window_class->lpfnWndProc == nullptr) {
        platform_set_last_error(87);
        return 0;
    }
    std::lock_guard guard(lock);
    if (!classes.emplace(window_class->lpszClassName, *window_class).second) {
        platform_set_last_error(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    return static_cast<ATOM>(0xC000 + classes.size());
}

BOOL WINAPI UnregisterClassA(LPCSTR class_name, HINSTANCE)
{
    std::lock_guard guard(lock);
    if (class_name == nullptr || classes.erase(class_name) == 0) {
        platform_set_last_error(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    return TRUE;
}

HWND WINAPI CreateWindowExA(DWORD, LPCSTR class_name, LPCSTR window_name, DWORD, int, int, int, int, HWND, HMENU,
                            HINSTANCE, LPVOID)
{
    WNDPROC procedure = nullptr;
    {
        std::lock_guard guard(lock);
        auto it = class_name != nullptr ? classes.find(class_name) : classes.end();
        if (it == classes.end()) {
            platform_set_last_error(ERROR_CLASS_DOES_NOT_EXIST);
            return nullptr;
        }
        procedure = it->second.lpfnWndProc;
    }
    auto* w       = new HWND__;
    w->class_name = class_name;
    w->title      = window_name != nullptr ? window_name : "";
    w->procedure  = procedure;
    return add(w);
}

BOOL WINAPI DestroyWindow(HWND window)
{
    {
        std::lock_guard guard(lock);
        if (!alive(window)) {
            platform_set_last_error(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
    }
    SendMessageA(window, WM_DESTROY, 0, 0);
    std::lock_guard guard(lock);
    std::erase(windows, window);
    delete window;
    return TRUE;
}

BOOL WINAPI IsWindow(HWND window)
{
    std::lock_guard guard(lock);
    return alive(window) ? TRUE : FALSE;
}

LRESULT WINAPI DefWindowProcA(HWND, UINT, WPARAM, LPARAM) { return 0; }

LONG_PTR WINAPI SetWindowLongPtrA(HWND window, int index, LONG_PTR value)
{
    std::lock_guard guard(lock);
    if (!alive(window) || index != GWLP_USERDATA) {
        platform_set_last_error(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return std::exchange(window->user_data, value);
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND window, int index)
{
    std::lock_guard guard(lock);
    if (!alive(window) || index != GWLP_USERDATA) {
        platform_set_last_error(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return window->user_data;
}

int WINAPI GetClassNameA(HWND window, LPSTR class_name, int size)
{
    std::lock_guard guard(lock);
    if (!alive(window) || class_name == nullptr || size <= 0)
        return 0;
    int n = std::min(static_cast<int>(window->class_name.size()), size - 1);
    std::memcpy(class_name, window->class_name.data(), static_cast<size_t>(n));
    class_name[n] = '\0';
    return n;
}

HWND WINAPI FindWindowA(LPCSTR class_name, LPCSTR window_name) { return find_after(nullptr, class_name, window_name); }

HWND WINAPI FindWindowExA(HWND parent, HWND child_after, LPCSTR class_name, LPCSTR window_name)
{
    if (parent != nullptr)   // no child windows here
        return nullptr;
    return find_after(child_after, class_name, window_name);
}

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    WNDPROC                procedure = nullptr;
    standin::WindowHandler handler;
    {
        std::lock_guard guard(lock);
        if (!alive(window)) {
            platform_set_last_error(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        procedure = window->procedure;
        handler   = window->handler;
    }
    if (handler)
        return handler(window, message, wparam, lparam);
    return procedure(window, message, wparam, lparam);
}

// wsprintf writes at most 1024 bytes with the terminator and knows no floating-point conversions.
int WINAPI wvsprintfA(LPSTR out, LPCSTR format, va_list args)
{
    int n = std::vsnprintf(out, 1024, format, args);
    return n < 0 ? 0 : std::min(n, 1023);
}

int wsprintfA(LPSTR out, LPCSTR format, ...)
{
    va_list args;
    va_start(args, format);
    int n = wvsprintfA(out, format, args);
    va_end(args);
    return n;
}

}  // extern "C"

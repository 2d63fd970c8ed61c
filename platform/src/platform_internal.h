#pragma once
#include <windows.h>

void platform_set_last_error(DWORD error);

// The handle that stands for the host executable, and the file of a loaded module (null if none).
HMODULE     platform_executable_module();
const char* platform_module_path(HMODULE module);

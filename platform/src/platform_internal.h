#pragma once
#include <windows.h>

void platform_set_last_error(DWORD error);

// The library entry point and the module routines: none of them does any work.
#include "module.h"

#if defined(_WIN32)
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
#endif

void GAUGE_CALL module_init() {}
void GAUGE_CALL module_deinit() {}

// The host stores its services address here before it calls any gauge code.
ImportTableRecord ImportTable = {
    .services_id   = import_panel_services_id,
    .services      = nullptr,
    .terminator_id = 0,
    .terminator    = nullptr,
};

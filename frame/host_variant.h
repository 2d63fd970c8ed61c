// Which host a module runs in, told from the file name of the host's executable, and the class of
// the host's main window in that variant. One rule for the modules (which look for the window) and
// for gauge-host (which makes it).
#pragma once

#include <cstddef>

// The name without drive, directory and extension decides, first match wins: '2' in 4th place is
// variant 4, 'C' in 1st is 2, '2' in 3rd is 3; anything else is 1. Comparisons are exact and a
// position past the end of the name never matches.
constexpr int host_variant_of_path(const char* path)
{
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    const char* end = name;
    while (*end)
        ++end;
    for (const char* p = end; p > name;)
        if (*--p == '.') {
            end = p;
            break;
        }
    const std::ptrdiff_t length = end - name;

    if (length >= 4 && name[3] == '2')
        return 4;
    if (length >= 1 && name[0] == 'C')
        return 2;
    if (length >= 3 && name[2] == '2')
        return 3;
    return 1;
}

constexpr const char* host_main_window_class(int variant)
{
    return variant == 2 || variant == 4 ? "MSCFSMAIN" : "FS98MAIN";
}

static_assert(host_variant_of_path("C:\\Games\\ab12.exe") == 4);
static_assert(host_variant_of_path("/opt/Cx.bin") == 2);
static_assert(host_variant_of_path("x\\ab2") == 3);
static_assert(host_variant_of_path("a.b/ab") == 1);

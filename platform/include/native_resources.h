// How a native module carries its resources: a table, exported under the name NativeResources,
// generated from the same resource list as the module's Windows resource script.
#pragma once

#include <cstdint>

struct NativeResource {
    const char*          type_name;   // named type ("WAVE"), or null for a numeric type
    uint32_t             type_id;     // numeric type (2 for bitmaps) when type_name is null
    uint32_t             id;
    const unsigned char* begin;
    const unsigned char* end;
};

struct NativeResourceTable {
    uint32_t              count;
    const NativeResource* entries;
};

#define NATIVE_RESOURCES_SYMBOL "NativeResources"

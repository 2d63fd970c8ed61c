// What every gauge module has: its two exported records and typed calls into the host.
//
// Every call reads the services address from ImportTable at the moment of the call, so nothing
// depends on when the host fills it in.
#pragma once

#include "gauge_records.h"
#include "sim_ids.h"

#if defined(_WIN32)
#define MODULE_EXPORT   // the module's .def file names the exports
#else
#define MODULE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" MODULE_EXPORT ImportTableRecord ImportTable;

// The empty module init and deinit routines that every Linkage names.
void GAUGE_CALL module_init();
void GAUGE_CALL module_deinit();

inline void lookup_var(ModuleVar* var) { ImportTable.services->lookup_var(var); }

inline void trigger_key_event(uint32_t event_id, uint32_t value)
{
    ImportTable.services->trigger_key_event(event_id, value);
}

inline void panel_window_toggle(uint32_t window_id) { ImportTable.services->panel_window_toggle(window_id); }

inline void execute_calculator_code(const char* code, double* number, int32_t* integer, const char** text)
{
    ImportTable.services->execute_calculator_code(code, number, integer, text);
}

inline uint32_t element_list_query(ElementHeader* first) { return ImportTable.services->element_list_query(first); }
inline uint32_t element_list_install(ElementHeader* first, HostWord arg)
{
    return ImportTable.services->element_list_install(first, arg);
}
inline uint32_t element_list_initialize(ElementHeader* first)
{
    return ImportTable.services->element_list_initialize(first);
}
inline uint32_t element_list_generate(ElementHeader* first, HostWord arg)
{
    return ImportTable.services->element_list_generate(first, arg);
}
inline uint32_t element_list_plot(ElementHeader* first) { return ImportTable.services->element_list_plot(first); }
inline uint32_t element_list_kill(ElementHeader* first) { return ImportTable.services->element_list_kill(first); }

// Reads a token into a scratch variable and returns its value as f64.
inline double read_token(ModuleVar* var)
{
    lookup_var(var);
    return var->value.f64;
}

// Reads a token into a fresh variable and returns its value as f64.
inline double read_token(uint32_t token)
{
    ModuleVar var = {.token = token};
    lookup_var(&var);
    return var.value.f64;
}

// The same for a token the host keeps as a 32-bit integer: the low word, unsigned.
inline uint32_t read_token_u32(uint32_t token)
{
    ModuleVar var = {.token = token};
    lookup_var(&var);
    return static_cast<uint32_t>(var.value.i32);
}

// Small helpers for the records of a gauge file. They only place values; they never compute one.
template <std::size_t N>
constexpr uint32_t count_of(const NonlinearityEntry (&)[N]) { return N; }

constexpr ModuleVar module_var(uint32_t token) { return ModuleVar{.token = token}; }

// The version-800 header of a gauge whose records a builder writes.
constexpr GaugeHeader gauge_header(const char* name, ElementHeader** elements, uint32_t size_x_mm,
                                   MouseRect* mouse_rects, gauge_callback callback)
{
    return {
        .version     = gauge_header_version_800,
        .name        = name,
        .elements    = elements,
        .size_x_mm   = size_x_mm,
        .mouse_rects = mouse_rects,
        .callback    = callback,
    };
}

// A child rectangle whose mouse callback acts on a click.
constexpr MouseRect click_zone(int32_t x, int32_t y, int32_t width, int32_t height, int32_t cursor,
                               uint32_t mouse_flags, mouse_callback callback)
{
    return {.type = mouse_rect_child, .x = x, .y = y, .width = width, .height = height, .cursor = cursor,
            .mouse_flags = mouse_flags, .action = {.callback = callback}};
}

// The module version of a module written to the host's current module interface.
constexpr uint32_t current_interface_version = 0x900;

// The Linkage record of a module: the frame's module id and routines, the module version and the
// gauge table in the host's order, ended by a null pointer.
template <std::size_t N, std::size_t M>
constexpr LinkageRecord<N> module_linkage(uint32_t module_version, GaugeHeader* const (&gauges)[M])
{
    static_assert(M <= N, "more gauges than the table holds");
    LinkageRecord<N> linkage = {
        .module_id      = linkage_module_id,
        .init           = module_init,
        .deinit         = module_deinit,
        .flags          = 0,
        .status         = 0,
        .module_version = module_version,
    };
    for (std::size_t i = 0; i < M; ++i)
        linkage.gauges[i] = gauges[i];
    linkage.gauges[M] = nullptr;
    return linkage;
}

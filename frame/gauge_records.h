// The records a gauge module shares with the panel host.
//
// Every record is little-endian. In the 32-bit build the records are packed to 4 bytes and the
// layout is byte-exact (checked below with static_assert); in the native 64-bit build pointers are
// simply wider, fields keep their natural alignment, and the host reads the records through these
// same declarations.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sim_ids.h"

#if defined(_WIN32)
#define GAUGE_CALL __stdcall
#else
#define GAUGE_CALL
#endif

// Address-sized word that the host hands to gauge code: the module's instance handle at service 2
// and the argument of the install routine. 32 bits in the real build.
using HostWord = std::uintptr_t;

struct GaugeHeader;
struct ElementHeader;
struct ModuleVar;

#if defined(_WIN32)
#pragma pack(push, 4)
#endif

// ---------------------------------------------------------------------------------------------
// Variables

union VarValue {
    double  f64;
    int32_t i32;   // integer tokens keep their value in the low word
    uint8_t raw[8];
};

struct ModuleVar {
    uint32_t token;        // the host's variable number; 0 means none
    void*    host_ptr;     // host's use
    uint32_t value_type;   // host's use
    VarValue value;        // current value
    VarValue previous;     // host's use
};

// ---------------------------------------------------------------------------------------------
// Callback kinds, in the host's calling convention

struct MouseClick {
    int32_t      x, y;     // click position (unused by the modules)
    GaugeHeader* gauge;    // the clicked gauge
};

struct TooltipHostArgs {
    uint32_t words[6];     // ignored by every callback here
};

using gauge_callback          = void(GAUGE_CALL*)(GaugeHeader* gauge, int32_t service_id, HostWord extra);
using element_update_callback = double(GAUGE_CALL*)(ElementHeader* element);
using mouse_callback          = int32_t(GAUGE_CALL*)(MouseClick* click, uint32_t mouse_flags);
using tooltip_arg_callback    = double(GAUGE_CALL*)(TooltipHostArgs args);

// Header version 610 routines: the gauge drives its own element list.
using gauge_query_routine    = uint32_t(GAUGE_CALL*)();
using gauge_install_routine  = uint32_t(GAUGE_CALL*)(HostWord arg);
using gauge_init_routine     = uint32_t(GAUGE_CALL*)();
using gauge_update_routine   = void(GAUGE_CALL*)();
using gauge_generate_routine = uint32_t(GAUGE_CALL*)(HostWord arg);
using gauge_draw_routine     = uint32_t(GAUGE_CALL*)();
using gauge_kill_routine     = uint32_t(GAUGE_CALL*)();

// Services ids passed to gauge_callback.
enum ServiceId : int32_t {
    service_pre_install  = 2,
    service_pre_update   = 6,
    service_pre_kill     = 12,
    service_connect      = 14,
    service_disconnect   = 15,
};

// ---------------------------------------------------------------------------------------------
// Gauge headers

constexpr uint32_t gauge_header_version_800 = 800;
constexpr uint32_t gauge_header_version_610 = 610;

struct GaugeHeader {                       // header version 800
    uint32_t                version;
    const char*             name;
    ElementHeader**         elements;
    gauge_query_routine     query;
    gauge_install_routine   install;
    gauge_init_routine      initialize;
    gauge_update_routine    update;
    gauge_generate_routine  generate;
    gauge_draw_routine      draw;
    gauge_kill_routine      kill;
    uint32_t                reserved;
    uint32_t                size_x_mm;
    uint32_t                size_y_mm;
    uint32_t                host_fields[7];
    struct MouseRect*       mouse_rects;
    gauge_callback          callback;
    uint32_t                user_data;
    const char*             parameters;
    uint32_t                host_tail[8];
};

struct GaugeHeader610 {                    // header version 610: no user data, no parameters
    uint32_t                version;
    const char*             name;
    ElementHeader**         elements;
    gauge_query_routine     query;
    gauge_install_routine   install;
    gauge_init_routine      initialize;
    gauge_update_routine    update;
    gauge_generate_routine  generate;
    gauge_draw_routine      draw;
    gauge_kill_routine      kill;
    uint32_t                reserved;
    uint32_t                size_x_mm;
    uint32_t                size_y_mm;
    uint32_t                host_fields[7];
    struct MouseRect*       mouse_rects;
    gauge_callback          callback;
};

// ---------------------------------------------------------------------------------------------
// Elements

enum class ElementKind : uint32_t {
    static_image = 0,
    needle       = 1,
    string       = 2,
    slider       = 3,
    icon         = 4,
    moving_image = 5,
    sprite       = 6,
};

constexpr uint32_t no_bitmap = 0xFFFFFFFFu;

// The host's name for the hidden bit (image_flags::hidden in sim_ids.h).
constexpr uint32_t IMAGE_FLAGS_HIDDEN = image_flags::hidden;

struct FailureRecord {
    uint32_t key;
    uint32_t action;
    uint32_t reserved;
};

struct ElementHeader {
    ElementKind     kind;
    uint32_t        bitmap_id;
    int32_t         x, y;
    int32_t         previous_x, previous_y;
    int32_t         offset_x, offset_y;
    GaugeHeader*    gauge;
    ElementHeader*  previous;
    ElementHeader** next;        // null-terminated list of children, or null
    FailureRecord*  failures;
    uint32_t        image_flags;
    uint32_t        aircraft_special;
    uint32_t        reserved;
};

struct NonlinearityEntry {
    int32_t x, y;
    double  value;
    double  degrees;
};

struct StaticImage {
    ElementHeader head;
    uint8_t       host[36];
};

struct StaticImage610 {
    ElementHeader head;
    uint8_t       host[20];
};

struct Needle {
    ElementHeader           head;
    ModuleVar               source;
    uint8_t                 host_a[24];
    NonlinearityEntry*      table;
    uint32_t                table_count;
    uint8_t                 host_b[104];
    element_update_callback callback;
    uint8_t                 host_c[8];
};

struct HighlightRange {
    int32_t selection;   // 0 ends the list
    int32_t first;
    int32_t last;
};

struct String {
    ElementHeader           head;
    ModuleVar               sources[3];
    uint8_t                 host_a[40];
    char*                   text;            // supplied by the host
    uint32_t                host_b;
    uint32_t                box_width, box_height;
    uint32_t                host_c[2];
    uint32_t                text_colour, background_colour, highlight_colour;
    uint8_t                 host_d[28];
    char                    font[32];
    uint32_t                font_weight;
    uint32_t                charset;
    uint32_t                format;
    uint32_t                char_count;
    uint32_t                host_e;
    HighlightRange*         highlights;
    uint32_t                host_f[2];
    element_update_callback callback;
    uint8_t                 host_g[8];
};

struct Slider {
    ElementHeader           head;
    ModuleVar               x_source;
    uint32_t                host_a;
    double                  x_scale;
    uint32_t                host_b;
    ModuleVar               y_source;
    uint32_t                host_c;
    double                  y_scale;
    uint8_t                 host_d[24];
    element_update_callback x_callback;
    element_update_callback y_callback;
    uint8_t                 host_e[16];
};

struct Icon {
    ElementHeader           head;
    ModuleVar               source;
    uint8_t                 host_a[12];
    double                  scale;
    uint32_t                host_b;
    uint32_t                frame_count;
    uint8_t                 host_c[16];
    element_update_callback callback;
    uint32_t                host_d;
};

struct Icon610 {
    ElementHeader head;
    ModuleVar     source;
    uint8_t       host_a[12];
    double        scale;
    uint32_t      host_b;
    uint32_t      frame_count;
    uint8_t       host_c[16];
};

struct MovingImage {
    ElementHeader           head;
    ModuleVar               x_source;
    uint32_t                host_a;
    double                  x_min, x_max;
    uint32_t                host_b;
    ModuleVar               y_source;
    uint32_t                host_c;
    double                  y_min, y_max;
    uint8_t                 host_d[84];
    element_update_callback x_callback;
    element_update_callback y_callback;
    uint8_t                 host_e[16];
};

struct Sprite {
    ElementHeader           head;
    ModuleVar               x_source;
    uint32_t                host_a;
    double                  x_scale;
    ModuleVar               y_source;
    uint32_t                host_b;
    double                  y_scale;
    ModuleVar               angle_source;
    uint32_t                host_c;
    double                  angle_scale;
    float                   texture_x_scale, texture_y_scale;
    uint8_t                 host_d[128];
    element_update_callback x_callback;
    element_update_callback y_callback;
    element_update_callback angle_callback;
    uint8_t                 host_e[24];
};

// ---------------------------------------------------------------------------------------------
// Mouse rectangles and tooltips

enum MouseRectType : uint32_t {
    mouse_rect_end        = 0,
    mouse_rect_parent     = 1,
    mouse_rect_child      = 2,
    mouse_rect_end_parent = 3,
    mouse_rect_tooltip    = 4,
};

constexpr uint32_t MOUSE_LEFTSINGLE  = 0x20000000u;
constexpr uint32_t MOUSE_RIGHTSINGLE = 0x80000000u;
constexpr uint32_t MOUSE_REPEAT      = 0x00200000u;

constexpr int32_t CURSOR_NONE      = -1;
constexpr int32_t CURSOR_UPARROW   = 1;
constexpr int32_t CURSOR_DOWNARROW = 2;
constexpr int32_t CURSOR_HAND      = 5;

struct TooltipArg {
    uint8_t              host_a[60];
    tooltip_arg_callback callback;
    uint8_t              host_b[8];
};

// The callback field holds the tooltip text for tooltip rectangles.
union MouseAction {
    mouse_callback callback;
    const char*    text;
};

struct MouseRect {
    MouseRectType type;
    int32_t       x, y, width, height;
    int32_t       cursor;
    uint32_t      help_id;
    uint32_t      mouse_flags;
    union {
        uint32_t  event_id;     // clickable rectangles: the key event the host sends on a click, or 0
        uint32_t  arg_count;    // tooltips with inserts: the number of TooltipArg records at args
    };
    MouseAction   action;
    TooltipArg*   args;
};

// ---------------------------------------------------------------------------------------------
// Module linkage

using module_routine = void(GAUGE_CALL*)();

template <std::size_t N>
struct LinkageRecord {
    uint32_t       module_id;
    module_routine init;
    module_routine deinit;
    uint32_t       flags;
    uint32_t       status;
    uint32_t       module_version;
    GaugeHeader*   gauges[N + 1];   // ended by a null pointer
};

// The fixed part of every LinkageRecord, as the host reads it.
using LinkageView = LinkageRecord<0>;

constexpr uint32_t linkage_module_id        = 0x13;
constexpr uint32_t import_panel_services_id = 0x0F;

struct PanelServices;

struct ImportTableRecord {
    uint32_t       services_id;
    PanelServices* services;
    uint32_t       terminator_id;
    void*          terminator;
};

// ---------------------------------------------------------------------------------------------
// Panel services (the host's table; only the slots that gauges call are named)

using element_list_query_fn      = uint32_t(GAUGE_CALL*)(ElementHeader* first);
using element_list_install_fn    = uint32_t(GAUGE_CALL*)(ElementHeader* first, HostWord arg);
using element_list_initialize_fn = uint32_t(GAUGE_CALL*)(ElementHeader* first);
using element_list_update_fn     = uint32_t(GAUGE_CALL*)(ElementHeader* first);
using element_list_generate_fn   = uint32_t(GAUGE_CALL*)(ElementHeader* first, HostWord arg);
using element_list_plot_fn       = uint32_t(GAUGE_CALL*)(ElementHeader* first);
using element_list_erase_fn      = uint32_t(GAUGE_CALL*)(ElementHeader* first);
using element_list_kill_fn       = uint32_t(GAUGE_CALL*)(ElementHeader* first);
using panel_window_toggle_fn     = uint32_t(GAUGE_CALL*)(uint32_t window_id);
using trigger_key_event_fn       = uint32_t(GAUGE_CALL*)(uint32_t event_id, uint32_t value);
using lookup_var_fn              = void(GAUGE_CALL*)(ModuleVar* var);
using execute_calculator_code_fn = uint32_t(GAUGE_CALL*)(const char* code, double* number, int32_t* integer,
                                                          const char** text);

struct PanelServices {
    void*                      slots_00[24];        // 0x00 .. 0x5c
    element_list_query_fn      element_list_query;  // 0x60
    element_list_install_fn    element_list_install;
    element_list_initialize_fn element_list_initialize;
    element_list_update_fn     element_list_update;
    element_list_generate_fn   element_list_generate;
    element_list_plot_fn       element_list_plot;
    element_list_erase_fn      element_list_erase;
    element_list_kill_fn       element_list_kill;   // 0x7c
    void*                      slots_80[3];
    panel_window_toggle_fn     panel_window_toggle; // 0x8c
    trigger_key_event_fn       trigger_key_event;   // 0x90
    void*                      slots_94[3];
    lookup_var_fn              lookup_var;          // 0xa0
    void*                      slots_a4[28];
    execute_calculator_code_fn execute_calculator_code;  // 0x114
    void*                      slots_118[8];
};

#if defined(_WIN32)
#pragma pack(pop)
#endif

// ---------------------------------------------------------------------------------------------
// Byte-exact layout of the 32-bit build

#if defined(_WIN32) && !defined(_WIN64)
#define FRAME_AT(type, field, off) static_assert(offsetof(type, field) == (off), #type "." #field)
FRAME_AT(ModuleVar, value, 12);
FRAME_AT(ModuleVar, previous, 20);
static_assert(sizeof(ModuleVar) == 28);
static_assert(sizeof(MouseClick) == 12);
static_assert(sizeof(TooltipHostArgs) == 24);

FRAME_AT(GaugeHeader, name, 4);
FRAME_AT(GaugeHeader, elements, 8);
FRAME_AT(GaugeHeader, query, 12);
FRAME_AT(GaugeHeader, kill, 36);
FRAME_AT(GaugeHeader, reserved, 40);
FRAME_AT(GaugeHeader, size_x_mm, 44);
FRAME_AT(GaugeHeader, size_y_mm, 48);
FRAME_AT(GaugeHeader, mouse_rects, 80);
FRAME_AT(GaugeHeader, callback, 84);
FRAME_AT(GaugeHeader, user_data, 88);
FRAME_AT(GaugeHeader, parameters, 92);
static_assert(sizeof(GaugeHeader610) == 88);
FRAME_AT(GaugeHeader610, callback, 84);

FRAME_AT(ElementHeader, bitmap_id, 4);
FRAME_AT(ElementHeader, x, 8);
FRAME_AT(ElementHeader, previous_x, 16);
FRAME_AT(ElementHeader, offset_x, 24);
FRAME_AT(ElementHeader, gauge, 32);
FRAME_AT(ElementHeader, previous, 36);
FRAME_AT(ElementHeader, next, 40);
FRAME_AT(ElementHeader, failures, 44);
FRAME_AT(ElementHeader, image_flags, 48);
FRAME_AT(ElementHeader, aircraft_special, 52);
FRAME_AT(ElementHeader, reserved, 56);
static_assert(sizeof(ElementHeader) == 60);
static_assert(sizeof(FailureRecord) == 12);
static_assert(sizeof(NonlinearityEntry) == 24);
FRAME_AT(NonlinearityEntry, value, 8);

static_assert(sizeof(StaticImage) == 96);
static_assert(sizeof(StaticImage610) == 80);

FRAME_AT(Needle, source, 60);
FRAME_AT(Needle, table, 112);
FRAME_AT(Needle, table_count, 116);
FRAME_AT(Needle, callback, 224);
static_assert(sizeof(Needle) == 236);

FRAME_AT(String, sources, 60);
FRAME_AT(String, text, 184);
FRAME_AT(String, box_width, 192);
FRAME_AT(String, box_height, 196);
FRAME_AT(String, text_colour, 208);
FRAME_AT(String, background_colour, 212);
FRAME_AT(String, highlight_colour, 216);
FRAME_AT(String, font, 248);
FRAME_AT(String, font_weight, 280);
FRAME_AT(String, charset, 284);
FRAME_AT(String, format, 288);
FRAME_AT(String, char_count, 292);
FRAME_AT(String, highlights, 300);
FRAME_AT(String, callback, 312);
static_assert(sizeof(String) == 324);
static_assert(sizeof(HighlightRange) == 12);

FRAME_AT(Slider, x_source, 60);
FRAME_AT(Slider, x_scale, 92);
FRAME_AT(Slider, y_source, 104);
FRAME_AT(Slider, y_scale, 136);
FRAME_AT(Slider, x_callback, 168);
FRAME_AT(Slider, y_callback, 172);
static_assert(sizeof(Slider) == 192);

FRAME_AT(Icon, source, 60);
FRAME_AT(Icon, scale, 100);
FRAME_AT(Icon, frame_count, 112);
FRAME_AT(Icon, callback, 132);
static_assert(sizeof(Icon) == 140);
FRAME_AT(Icon610, scale, 100);
FRAME_AT(Icon610, frame_count, 112);
static_assert(sizeof(Icon610) == 132);

FRAME_AT(MovingImage, x_source, 60);
FRAME_AT(MovingImage, x_min, 92);
FRAME_AT(MovingImage, x_max, 100);
FRAME_AT(MovingImage, y_source, 112);
FRAME_AT(MovingImage, y_min, 144);
FRAME_AT(MovingImage, y_max, 152);
FRAME_AT(MovingImage, x_callback, 244);
FRAME_AT(MovingImage, y_callback, 248);
static_assert(sizeof(MovingImage) == 268);

FRAME_AT(Sprite, x_source, 60);
FRAME_AT(Sprite, x_scale, 92);
FRAME_AT(Sprite, y_source, 100);
FRAME_AT(Sprite, y_scale, 132);
FRAME_AT(Sprite, angle_source, 140);
FRAME_AT(Sprite, angle_scale, 172);
FRAME_AT(Sprite, texture_x_scale, 180);
FRAME_AT(Sprite, texture_y_scale, 184);
FRAME_AT(Sprite, x_callback, 316);
FRAME_AT(Sprite, y_callback, 320);
FRAME_AT(Sprite, angle_callback, 324);
static_assert(sizeof(Sprite) == 352);

FRAME_AT(MouseRect, x, 4);
FRAME_AT(MouseRect, cursor, 20);
FRAME_AT(MouseRect, help_id, 24);
FRAME_AT(MouseRect, mouse_flags, 28);
FRAME_AT(MouseRect, event_id, 32);
FRAME_AT(MouseRect, action, 36);
FRAME_AT(MouseRect, args, 40);
static_assert(sizeof(MouseRect) == 44);
FRAME_AT(TooltipArg, callback, 60);
static_assert(sizeof(TooltipArg) == 72);

FRAME_AT(LinkageView, init, 4);
FRAME_AT(LinkageView, deinit, 8);
FRAME_AT(LinkageView, flags, 12);
FRAME_AT(LinkageView, status, 16);
FRAME_AT(LinkageView, module_version, 20);
FRAME_AT(LinkageView, gauges, 24);
static_assert(sizeof(ImportTableRecord) == 16);
FRAME_AT(ImportTableRecord, services, 4);

FRAME_AT(PanelServices, element_list_query, 0x60);
FRAME_AT(PanelServices, element_list_install, 0x64);
FRAME_AT(PanelServices, element_list_initialize, 0x68);
FRAME_AT(PanelServices, element_list_generate, 0x70);
FRAME_AT(PanelServices, element_list_plot, 0x74);
FRAME_AT(PanelServices, element_list_kill, 0x7c);
FRAME_AT(PanelServices, panel_window_toggle, 0x8c);
FRAME_AT(PanelServices, trigger_key_event, 0x90);
FRAME_AT(PanelServices, lookup_var, 0xa0);
FRAME_AT(PanelServices, execute_calculator_code, 0x114);
#undef FRAME_AT
#endif

// Water_System: the water panel (two master switches, drop-mode selector, scoop button and lamp)
// and the water simulation. At every pre-update it fills both tanks while the aircraft skims water
// and empties them while a drop is in progress. The tank levels belong to the host; they are read
// and written through the external interface, one 32-bit level per tank (0x800000 full).
#include <cstdlib>
#include <cstring>

#include "click_wave.h"
#include "extlink/extlink.h"
#include "frame/module.h"
#include "water_state.h"

extern GaugeHeader water_system_header;

int32_t water_master      = 0;
int32_t drop_mode         = 1;
int32_t doors_open        = 0;
int32_t drop_left_active  = 0;
int32_t drop_right_active = 0;

constexpr int32_t  full_tank             = 0x800000;
constexpr uint32_t required_host_version = 7;

// Settings from the parameter text, in feet, knots and full tanks per second.
struct WaterConfig {
    double min_scoop_altitude, max_scoop_altitude;
    double min_scoop_speed, max_scoop_speed;
    double scoop_rate, dump_rate;
};
static WaterConfig water_config;

struct WaterSetting {
    const char* key;
    double*     value;
    double      fallback;
};

// Keys in the order they are looked for.
static const WaterSetting water_settings[] = {
    {"MinSAlt", &water_config.min_scoop_altitude, 0.0},
    {"MaxSAlt", &water_config.max_scoop_altitude, 5.0},
    {"MaxSSpd", &water_config.max_scoop_speed, 90.0},
    {"MinSSpd", &water_config.min_scoop_speed, 60.0},
    {"ScoopSpd", &water_config.scoop_rate, 0.05},
    {"DumpSpd", &water_config.dump_rate, 0.5},
};

static int32_t  water_level_left  = 0;
static int32_t  water_level_right = 0;
static double   last_time         = 0.0;
static uint32_t ext_result        = 0;
static uint8_t  request_buffer[128];

static ClickSound water_system_sound;

static ModuleVar sim_time_var     = module_var(token::sim_time);
static ModuleVar drop_command_var = module_var(token::drop_command);
static ModuleVar scoop_ready_var  = module_var(token::scoop_ready);
static ModuleVar scoop_state_var  = module_var(token::scoop_state);
static ModuleVar radio_height_var = module_var(token::radio_height);
static ModuleVar velocity_x_var   = module_var(token::velocity_x);
static ModuleVar velocity_z_var   = module_var(token::velocity_z);

// Every setting back to its default, then the keys found in the parameter text, each read like
// atof from the character right after the key. A key at the very end of the text keeps its default.
static void read_water_config(GaugeHeader* gauge)
{
    for (const WaterSetting& s : water_settings)
        *s.value = s.fallback;
    if (gauge == nullptr || gauge->parameters == nullptr)
        return;
    for (const WaterSetting& s : water_settings) {
        const char* found = std::strstr(gauge->parameters, s.key);
        if (found == nullptr)
            continue;
        const char* number = found + std::strlen(s.key);
        if (*number != '\0')
            *s.value = std::atof(number);
    }
}

// 8388608 x dt x rate in level units, truncated toward zero. After a long pause the product no
// longer fits 32 bits; it saturates so that such a step fills or empties a tank at once.
static int32_t level_change(double dt, double rate)
{
    double units = 8388608.0 * dt * rate;
    if (units != units)
        return 0;
    if (units >= 2147483647.0)
        return 2147483647;
    if (units <= -2147483648.0)
        return -2147483647 - 1;
    return static_cast<int32_t>(units);
}

static bool exactly_one(double v) { return v == 1.0; }   // 1.0 has a single bit pattern

static bool scooping_conditions_hold(double dt)
{
    if (!(dt > 0.0) || water_master == 0)
        return false;
    if (!(read_token(&scoop_ready_var) >= 20.0))
        return false;
    if (exactly_one(read_token(&drop_command_var)))
        return false;
    if (read_token(&scoop_state_var) == 0.0)
        return false;
    double surface = 0.0;
    execute_calculator_code("(A:SURFACE TYPE,Enum)", &surface, nullptr, nullptr);
    if (surface != 2.0)
        return false;
    double h = read_token(&radio_height_var);
    if (!(water_config.min_scoop_altitude / 3.28084 <= h && h <= water_config.max_scoop_altitude / 3.28084))
        return false;
    double vx    = read_token(&velocity_x_var) / 3.28084;
    double vz    = read_token(&velocity_z_var) / 3.28084;
    double s2    = vx * vx + vz * vz;
    double lower = water_config.min_scoop_speed / 1.944;
    double upper = water_config.max_scoop_speed / 1.944;
    return lower * lower <= s2 && s2 <= upper * upper;
}

// Fetches a tank's level fresh from the host; false when the link failed.
static bool read_level(uint32_t offset, int32_t* level)
{
    ext_read(offset, 4, level, &ext_result);
    if (ext_result != ext::ok)
        return false;
    ext_process(&ext_result);
    return ext_result == ext::ok;
}

static void write_level(uint32_t offset, int32_t* level)
{
    ext_write(offset, 4, level, &ext_result);
    if (ext_result != ext::ok)
        return;
    ext_process(&ext_result);
}

// Adds the step to the level (full at most) and writes it back.
static void scoop_tank(double dt, uint32_t offset, int32_t* level)
{
    if (!scooping_conditions_hold(dt) || !read_level(offset, level))
        return;
    // Between empty and full whatever the rate: a negative one takes water out, down to empty.
    int64_t filled = static_cast<int64_t>(static_cast<uint32_t>(*level)) + level_change(dt, water_config.scoop_rate);
    if (filled > full_tank)
        filled = full_tank;
    if (filled < 0)
        filled = 0;
    *level = static_cast<int32_t>(filled);
    write_level(offset, level);
}

static void scoop_left(double dt) { scoop_tank(dt, ext::left_tank_offset, &water_level_left); }
static void scoop_right(double dt) { scoop_tank(dt, ext::right_tank_offset, &water_level_right); }

// Reads the level and takes the step off (empty at least); false when the link failed. The level
// is written back by write_level once the caller has acted on it.
static bool fetch_and_drain(double dt, uint32_t offset, int32_t* level)
{
    if (!read_level(offset, level))
        return false;
    // A negative rate puts water back, up to full.
    int64_t drained = static_cast<int64_t>(*level) - level_change(dt, water_config.dump_rate);
    *level = drained < 0 ? 0 : drained > full_tank ? full_tank : static_cast<int32_t>(drained);
    return true;
}

// The drop command as a drop step sees it: 0 while there is nothing to do, which includes a command
// given while the doors are not open (the host is then told to switch it off).
static double drop_command(double dt)
{
    if (!(dt > 0.0) || water_master == 0)
        return 0.0;
    double v = read_token(&drop_command_var);
    if (exactly_one(v) && doors_open == 0) {
        trigger_key_event(event::drop_off, 0);
        return 0.0;
    }
    return v;
}

static void drop_left(double dt)
{
    double v = drop_command(dt);
    if (v == 0.0)
        return;
    if (exactly_one(v) && drop_left_active == 0) {   // a drop starts; no water leaves yet
        drop_left_active = 1;
        trigger_key_event(event::drop_on, 0);
        drop_right_active = drop_mode == 1 ? 1 : 0;
        return;
    }
    if (drop_left_active == 0)
        return;
    trigger_key_event(event::drop_on, 0);
    if (!fetch_and_drain(dt, ext::left_tank_offset, &water_level_left))
        return;
    if (water_level_left == 0) {
        drop_left_active = 0;
        if (drop_mode == 0) {   // hand over to the right tank
            drop_right_active = 1;
            trigger_key_event(event::drop_on, 0);
        } else {
            trigger_key_event(event::drop_off, 0);
        }
    }
    write_level(ext::left_tank_offset, &water_level_left);
}

// Only drop_left starts a drop; this step follows the flag it set.
static void drop_right(double dt)
{
    if (drop_command(dt) == 0.0 || drop_right_active == 0)
        return;
    trigger_key_event(event::drop_on, 0);
    if (!fetch_and_drain(dt, ext::right_tank_offset, &water_level_right))
        return;
    if (water_level_right == 0) {
        trigger_key_event(event::drop_off, 0);
        drop_right_active = 0;
    }
    write_level(ext::right_tank_offset, &water_level_right);
}

// The link opens when the panel window connects; both tanks start empty there.
static void connect_water_link(double t)
{
    last_time = t;
    ext_open(required_host_version, &ext_result, request_buffer, sizeof request_buffer);
    if (ext_result == ext::wrong_host_version)
        ext_open(required_host_version, &ext_result, request_buffer, sizeof request_buffer);
    trigger_key_event(event::water_connect_1, 4);
    trigger_key_event(event::water_connect_2, 5);
    water_level_left = 0;
    ext_write(ext::left_tank_offset, 4, &water_level_left, &ext_result);
    if (ext_result != ext::ok)
        return;
    water_level_right = 0;
    ext_write(ext::right_tank_offset, 4, &water_level_right, &ext_result);
    if (ext_result != ext::ok)
        return;
    ext_process(&ext_result);
}

static void GAUGE_CALL water_system_callback(GaugeHeader* gauge, int32_t service_id, HostWord extra)
{
    double t = read_token(&sim_time_var);
    switch (service_id) {
    case service_pre_install:
        read_water_config(gauge);
        break;
    case service_pre_update: {
        double dt = t - last_time;
        scoop_left(dt);
        scoop_right(dt);
        drop_left(dt);
        drop_right(dt);
        last_time = t;
        break;
    }
    case service_connect:
        connect_water_link(t);
        break;
    case service_disconnect:
        ext_close();
        break;
    default:
        break;
    }
    click_sound_service(water_system_sound, service_id, extra, click_wave_id);
}

static double GAUGE_CALL master_switch_frame(ElementHeader*) { return water_master; }
static double GAUGE_CALL drop_mode_frame(ElementHeader*) { return drop_mode == 1 ? 0.0 : 1.0; }

static int32_t GAUGE_CALL master_click(MouseClick*, uint32_t)
{
    flip_and_click(water_master, water_system_sound);
    return 0;
}

static int32_t GAUGE_CALL scoop_click(MouseClick*, uint32_t)
{
    trigger_key_event(event::scoop, 0);
    play_click(water_system_sound);
    return 0;
}

static int32_t GAUGE_CALL drop_mode_click(MouseClick*, uint32_t)
{
    flip_and_click(drop_mode, water_system_sound);
    return 0;
}

static FailureRecord scoop_lamp_failures[] = {{.key = 20, .action = 2}, {.key = 0}};

static Icon scoop_lamp = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 3160, .x = 307, .y = 42, .gauge = &water_system_header,
                    .failures = scoop_lamp_failures, .image_flags = image_flags::plain},
    .source      = module_var(token::scoop_state),
    .scale       = 0.0,
    .frame_count = 2,
};
static ElementHeader* drop_mode_next[] = {&scoop_lamp.head, nullptr};

static Icon drop_mode_selector = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 3150, .x = 78, .y = 46, .gauge = &water_system_header,
                    .next = drop_mode_next, .image_flags = image_flags::plain},
    .source      = module_var(0),
    .scale       = 0.0,
    .frame_count = 2,
    .callback    = drop_mode_frame,
};
static ElementHeader* second_master_next[] = {&drop_mode_selector.head, nullptr};

static Icon second_master = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 3140, .x = 149, .y = 28, .gauge = &water_system_header,
                    .next = second_master_next, .image_flags = image_flags::plain},
    .source      = module_var(0),
    .scale       = 0.0,
    .frame_count = 2,
    .callback    = master_switch_frame,
};
static ElementHeader* master_next[] = {&second_master.head, nullptr};

static Icon master = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 3140, .x = 206, .y = 28, .gauge = &water_system_header,
                    .next = master_next, .image_flags = image_flags::plain},
    .source      = module_var(0),
    .scale       = 0.0,
    .frame_count = 2,
    .callback    = master_switch_frame,
};
static ElementHeader* face_next[] = {&master.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 3130, .gauge = &water_system_header, .next = face_next,
             .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_child, .x = 149, .y = 28, .width = 26, .height = 60, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = master_click}},
    {.type = mouse_rect_child, .x = 206, .y = 28, .width = 26, .height = 60, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = master_click}},
    {.type = mouse_rect_child, .x = 307, .y = 42, .width = 27, .height = 34, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = scoop_click}},
    {.type = mouse_rect_child, .x = 78, .y = 46, .width = 39, .height = 27, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = drop_mode_click}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader water_system_header = {
    .version = gauge_header_version_800, .name = "Water_System", .elements = elements, .size_x_mm = 40,
    .mouse_rects = mouse, .callback = water_system_callback,
};

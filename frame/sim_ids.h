// The simulator's numbers that the gauges, the host, the tests and gauge-host share: token ids
// (simulator variables), key events, panel windows, help ids, the external interface's offsets and
// result codes, and image flags. Each list is written once, as an X-macro of rows
// X(name, value, unit), and gives both the named constants (token::battery, event::battery_toggle,
// ext::left_tank_offset, ...) and the table named_ids, through which a tool finds a name for a
// number and a number for a name.
//
// Units: a token's unit or encoding as the gauges read it ("" where the gauges only pass the value on
// or only compare it); "u32" marks a token the host keeps as a 32-bit integer (read with
// read_token_u32). An event's unit says what its value carries ("" when it is sent with 0); an image
// flag combination's names its bits.
//
// Plain constants and one constant table: usable from gauge code (no heap, no exceptions, no RTTI).
#pragma once

#include <cstddef>
#include <cstdint>

// ---------------------------------------------------------------------------------------------
// Tokens, by value. Engine items are engine 1's (the left engine) unless named engine2_; the
// water bomber's right engine lies at engine 1's token plus 0x27.
#define SIM_TOKENS(X)                                                                                  \
    X(panel_lights,                   0x0A,    "bool")                                                 \
    X(strobe_lights,                  0x0B,    "bool")                                                 \
    X(pitot_heat,                     0x0D,    "bool")                                                 \
    X(landing_lights,                 0x0E,    "bool")                                                 \
    X(drop_command,                   0x0F,    "0 off, 1 on")                                          \
    X(adf_whole,                      0x10,    "BCD kHz: hundreds, tens, units")                       \
    X(adf_active,                     0x11,    "")                                                     \
    X(adf_extended,                   0x12,    "256 for a thousands digit of 1, plus the tenths")      \
    X(adf_audio,                      0x14,    "bool")                                                 \
    X(com1_frequency,                 0x17,    "BCD MHz without the leading 1")                        \
    X(nav1_frequency,                 0x18,    "BCD MHz without the leading 1")                        \
    X(nav2_frequency,                 0x1B,    "BCD MHz without the leading 1")                        \
    X(transponder_code,               0x26,    "BCD, four digits 0 to 7")                              \
    X(adf_bearing,                    0x27,    "degrees")                                              \
    X(localizer_deviation,            0x28,    "-127 to 127")                                          \
    X(localizer_signal,               0x2B,    "")                                                     \
    X(course_knob,                    0x2D,    "degrees")                                              \
    X(vor1_station_flags,             0x2E,    "u32, bit 0x80: localizer")                             \
    X(vor2_station_flags,             0x37,    "u32, bit 0x80: localizer")                             \
    X(vor2_bearing,                   0x3B,    "degrees")                                              \
    X(shut_down_condition,            0x3C,    "")                                                     \
    X(airspeed,                       0x3D,    "knots")                                                \
    X(vertical_speed,                 0x41,    "")                                                     \
    X(stall_warning,                  0x43,    "bool")                                                 \
    X(slip_ball,                      0x45,    "")                                                     \
    X(turn_rate,                      0x46,    "")                                                     \
    X(altitude,                       0x4A,    "feet")                                                 \
    X(altimeter_setting,              0x4B,    "millibars")                                            \
    X(pitch,                          0x4E,    "degrees")                                              \
    X(bank,                           0x50,    "degrees")                                              \
    X(heading,                        0x54,    "degrees")                                              \
    X(engine1_oil_quantity,           0x95,    "")                                                     \
    X(gyro_warning,                   0x114,   "")                                                     \
    X(nav_receiver_failed,            0x117,   "u32")                                                  \
    X(heading_flag,                   0x11A,   "u32")                                                  \
    X(nav_signal_flagged,             0x11D,   "u32")                                                  \
    X(computer_warning,               0x120,   "")                                                     \
    X(left_main_fuel,                 0x123,   "")                                                     \
    X(left_main_fuel_capacity,        0x124,   "")                                                     \
    X(left_water,                     0x127,   "tank level, 0x800000 full")                            \
    X(right_main_fuel,                0x129,   "")                                                     \
    X(right_main_fuel_capacity,       0x12A,   "")                                                     \
    X(right_water,                    0x12D,   "tank level, 0x800000 full")                            \
    X(update_repeat_condition,        0x146,   "")                                                     \
    X(flaps_position,                 0x14A,   "")                                                     \
    X(gear_handle,                    0x14B,   "0 up, 16383 down")                                     \
    X(gear_front,                     0x14C,   "0 up, 16383 down")                                     \
    X(gear_left,                      0x14D,   "0 up, 16383 down")                                     \
    X(gear_right,                     0x14E,   "0 up, 16383 down")                                     \
    X(marker_beacon,                  0x162,   "0 none, 1 outer, 2 middle, 3 inner")                   \
    X(dme_source,                     0x163,   "u32, NAV 1 or 2")                                      \
    X(battery,                        0x16C,   "bool")                                                 \
    X(beacon_lights,                  0x170,   "bool")                                                 \
    X(dme_distance,                   0x174,   "miles")                                                \
    X(dme_speed,                      0x175,   "knots")                                                \
    X(dme_time,                       0x176,   "minutes")                                              \
    X(engine1_rpm,                    0x186,   "")                                                     \
    X(engine1_manifold_pressure,      0x187,   "")                                                     \
    X(engine1_dh_condition,           0x188,   "")                                                     \
    X(engine1_cowl_flaps,             0x18B,   "")                                                     \
    X(engine1_torque,                 0x194,   "")                                                     \
    X(engine1_cylinder_head_temp,     0x19F,   "")                                                     \
    X(engine1_oil_temperature,        0x1A0,   "")                                                     \
    X(engine1_oil_pressure,           0x1A2,   "")                                                     \
    X(engine1_fuel_flow,              0x1A5,   "")                                                     \
    X(engine1_fuel_pressure,          0x1A9,   "")                                                     \
    X(engine2_rpm,                    0x1AD,   "")                                                     \
    X(engine2_manifold_pressure,      0x1AE,   "")                                                     \
    X(engine2_dh_condition,           0x1AF,   "")                                                     \
    X(engine2_torque,                 0x1BB,   "")                                                     \
    X(engine2_cylinder_head_temp,     0x1C6,   "")                                                     \
    X(engine2_oil_temperature,        0x1C7,   "")                                                     \
    X(engine2_oil_pressure,           0x1C9,   "")                                                     \
    X(engine2_fuel_flow,              0x1CC,   "")                                                     \
    X(engine2_fuel_pressure,          0x1D0,   "")                                                     \
    X(vor1_bearing,                   0x226,   "degrees")                                              \
    X(velocity_x,                     0x22A,   "feet per second")                                      \
    X(velocity_z,                     0x22B,   "feet per second")                                      \
    X(clock_seconds,                  0x22D,   "seconds of the day")                                   \
    X(engine1_shut_down_3_condition,  0x230,   "")                                                     \
    X(generator,                      0x235,   "bool")                                                 \
    X(generator_light,                0x236,   "")                                                     \
    X(engine2_shut_down_3_condition,  0x23A,   "")                                                     \
    X(sim_time,                       0x25C,   "seconds since the host started")                       \
    X(radio_height,                   0x266,   "metres")                                               \
    X(navigation_lights,              0x26B,   "bool")                                                 \
    X(hydraulic_pressure,             0x2DC,   "")                                                     \
    X(scoop_ready,                    0x2F1,   "")                                                     \
    X(nav_signal_strength,            0x2F3,   "")                                                     \
    X(flight_director,                0x318,   "")                                                     \
    X(flight_director_pitch,          0x319,   "degrees")                                              \
    X(flight_director_bank,           0x31A,   "degrees")                                              \
    X(nav_gps,                        0x350,   "0 NAV, else GPS")                                      \
    X(lateral_deviation,              0x351,   "")                                                     \
    X(glideslope_deviation,           0x352,   "")                                                     \
    X(glideslope_valid,               0x354,   "1 valid")                                              \
    X(to_from,                        0x355,   "0 none, -1 FROM, else TO")                             \
    X(course,                         0x356,   "degrees")                                              \
    X(heading_bug,                    0x357,   "degrees")                                              \
    X(doors_position,                 0x365,   "0 closed to 1 open")                                   \
    X(com2_frequency,                 0x366,   "BCD MHz without the leading 1")                        \
    X(adf_volume,                     0x370,   "")                                                     \
    X(engine1_shut_down_2_condition,  0x37F,   "")                                                     \
    X(engine2_shut_down_2_condition,  0x380,   "")                                                     \
    X(scoop_state,                    0x387,   "0 off")                                                \
    /* Not a simulator variable: the host's answer to "(A:SURFACE TYPE,Enum)", which scripts set. */   \
    X(surface_type,                   0x10000, "enumeration, 2 water")

// ---------------------------------------------------------------------------------------------
// Key events, by value.
#define SIM_EVENTS(X)                                                                                  \
    X(strobe_lights_toggle,           0x10018, "")                                                     \
    X(atc_window,                     0x1001C, "")                                                     \
    X(gear_toggle,                    0x10022, "")                                                     \
    X(com1_whole_down,                0x10064, "")                                                     \
    X(com1_whole_up,                  0x10065, "")                                                     \
    X(com1_fraction_down,             0x10066, "")                                                     \
    X(com1_fraction_up,               0x10067, "")                                                     \
    X(nav1_whole_down,                0x10068, "")                                                     \
    X(nav1_whole_up,                  0x10069, "")                                                     \
    X(nav1_fraction_down,             0x1006A, "")                                                     \
    X(nav1_fraction_up,               0x1006B, "")                                                     \
    X(nav2_whole_down,                0x1006C, "")                                                     \
    X(nav2_whole_up,                  0x1006D, "")                                                     \
    X(nav2_fraction_down,             0x1006E, "")                                                     \
    X(nav2_fraction_up,               0x1006F, "")                                                     \
    X(adf_hundreds_up,                0x10070, "")                                                     \
    X(adf_tens_up,                    0x10071, "")                                                     \
    X(adf_units_up,                   0x10072, "")                                                     \
    X(transponder_thousands_up,       0x10073, "")                                                     \
    X(transponder_hundreds_up,        0x10074, "")                                                     \
    X(transponder_tens_up,            0x10075, "")                                                     \
    X(transponder_units_up,           0x10076, "")                                                     \
    X(adf_hundreds_down,              0x10082, "")                                                     \
    X(adf_tens_down,                  0x10083, "")                                                     \
    X(adf_units_down,                 0x10084, "")                                                     \
    X(course_set,                     0x100B4, "degrees")                                              \
    X(view_forward,                   0x100C6, "")                                                     \
    X(view_back,                      0x100C7, "")                                                     \
    X(panel_lights_toggle,            0x100D6, "")                                                     \
    X(landing_lights_toggle,          0x100D7, "")                                                     \
    X(clock_forward,                  0x100FD, "")                                                     \
    X(clock_back,                     0x100FE, "")                                                     \
    X(engine1_shut_down_1,            0x1011C, "")                                                     \
    X(engine2_shut_down_1,            0x1011D, "")                                                     \
    X(nav1_audio_off,                 0x10128, "")                                                     \
    X(nav2_audio_off,                 0x10129, "")                                                     \
    X(adf_audio_off,                  0x1012C, "")                                                     \
    X(nav1_audio_on,                  0x1012D, "")                                                     \
    X(nav2_audio_on,                  0x1012E, "")                                                     \
    X(adf_audio_on,                   0x10131, "")                                                     \
    X(pitot_heat_toggle,              0x10142, "")                                                     \
    X(view_home,                      0x10153, "")                                                     \
    X(kneeboard,                      0x10154, "")                                                     \
    X(altimeter_up,                   0x1015B, "")                                                     \
    X(altimeter_down,                 0x1015C, "")                                                     \
    X(engine1_shut_down_3,            0x1017F, "")                                                     \
    X(engine2_shut_down_3,            0x10180, "")                                                     \
    X(engine1_shut_down_4,            0x10187, "")                                                     \
    X(engine2_shut_down_4,            0x1018D, "")                                                     \
    X(water_connect_1,                0x101AA, "always 4")                                             \
    X(heading_bug_set,                0x101FA, "degrees")                                              \
    X(drop_on,                        0x10201, "")                                                     \
    X(drop_off,                       0x10202, "")                                                     \
    X(update_repeat,                  0x10211, "")                                                     \
    X(adf_set,                        0x1024A, "BCD, tenths of kHz")                                   \
    X(beacon_lights_toggle,           0x102BF, "")                                                     \
    X(battery_toggle,                 0x102C1, "")                                                     \
    X(dme_source_toggle,              0x102EE, "")                                                     \
    X(generator_toggle,               0x1033B, "")                                                     \
    X(nav_gps_toggle,                 0x10347, "")                                                     \
    X(navigation_lights_toggle,       0x1034B, "")                                                     \
    X(water_doors,                    0x10357, "")                                                     \
    X(map_window,                     0x10380, "")                                                     \
    X(com2_whole_down,                0x10384, "")                                                     \
    X(com2_whole_up,                  0x10385, "")                                                     \
    X(com2_fraction_down,             0x10386, "")                                                     \
    X(com2_fraction_up,               0x10388, "")                                                     \
    X(transponder_thousands_down,     0x10397, "")                                                     \
    X(transponder_hundreds_down,      0x10398, "")                                                     \
    X(transponder_tens_down,          0x10399, "")                                                     \
    X(transponder_units_down,         0x1039A, "")                                                     \
    X(transponder_lower_pair_down,    0x1039B, "")                                                     \
    X(transponder_lower_pair_up,      0x1039C, "")                                                     \
    X(adf_tenths_down,                0x1039D, "")                                                     \
    X(adf_tenths_up,                  0x1039E, "")                                                     \
    X(scoop,                          0x103B2, "")                                                     \
    X(engine1_shut_down_2,            0x103BE, "")                                                     \
    X(engine2_shut_down_2,            0x103BF, "")                                                     \
    X(window_toggle,                  0x103CA, "panel window id")                                      \
    X(window_open,                    0x103CB, "panel window id")                                      \
    X(window_close,                   0x103CC, "panel window id")                                      \
    X(water_connect_2,                0x103DB, "always 5")                                             \
    X(adf_whole_up,                   0x103EE, "")                                                     \
    X(adf_whole_down,                 0x103EF, "")

// ---------------------------------------------------------------------------------------------
// Panel windows, in the order in which a parameter text's window name is looked up.
#define SIM_PANEL_WINDOWS(X)                                                                           \
    X(main_panel,                     0,       "")                                                     \
    X(radio_stack_panel,              50,      "")                                                     \
    X(compass_panel,                  75,      "")                                                     \
    X(annunciator_panel,              125,     "")                                                     \
    X(annunciator2_panel,             150,     "")                                                     \
    X(collective_panel,               200,     "")                                                     \
    X(throttle_panel,                 10,      "")                                                     \
    X(mini_controls_panel,            100,     "")                                                     \
    X(ifr_main_panel,                 175,     "")                                                     \
    X(gps_panel,                      225,     "")                                                     \
    X(overhead_panel,                 250,     "")

// ---------------------------------------------------------------------------------------------
// Help ids that more than one gauge or table uses, and the host tooltip ids that two gauges share
// (tooltip rectangles carry theirs in the help id field).
#define SIM_HELP_IDS(X)                                                                                \
    X(toggle_radio_window,            0xAB86,  "")                                                     \
    X(toggle_gps_window,              0xAB87,  "")                                                     \
    X(toggle_throttle_window,         0xAB88,  "")                                                     \
    X(toggle_compass_window,          0xAB89,  "")                                                     \
    X(toggle_fuel_window,             0xAB8A,  "")                                                     \
    X(toggle_collective_window,       0xAB8B,  "")                                                     \
    X(map_window,                     0xAB8F,  "")                                                     \
    X(kneeboard,                      0xAB93,  "")                                                     \
    X(atc_window,                     0xAB94,  "")                                                     \
    X(overhead_window,                0xAB95,  "")                                                     \
    X(clock_window,                   0xAB96,  "")                                                     \
    X(gear_lamp,                      0xAB31,  "")                                                     \
    X(adf_radio,                      0xA709,  "")                                                     \
    X(frequency_window,               0xAA56,  "")                                                     \
    X(adf_tooltip,                    0x3170,  "")                                                     \
    X(transponder_tooltip,            0x3180,  "")

// ---------------------------------------------------------------------------------------------
// The external interface: data space offsets and the result codes of the link operations.
#define SIM_EXT_OFFSETS(X)                                                                             \
    X(left_tank_offset,               0x0B8C,  "u32 tank level, 0x800000 full")                        \
    X(right_tank_offset,              0x0BA4,  "u32 tank level, 0x800000 full")                        \
    X(receiver_version_offset,        0x3304,  "u32")                                                  \
    X(host_version_offset,            0x3308,  "u32: 0xFADE in the high half, the version below")      \
    X(client_version_offset,          0x330A,  "u16, written by the client")

#define SIM_EXT_RESULTS(X)                                                                             \
    X(ok,                             0,       "")                                                     \
    X(already_open,                   1,       "")                                                     \
    X(no_window,                      2,       "")                                                     \
    /* null, or smaller than the protocol's minimum */                                                 \
    X(bad_buffer,                     6,       "")                                                     \
    /* receiver too old, or not a host version word */                                                 \
    X(bad_version,                    7,       "")                                                     \
    X(wrong_host_version,             8,       "")                                                     \
    X(closed,                         9,       "")                                                     \
    X(nothing_queued,                 10,      "")                                                     \
    /* the window's reply was not 1 */                                                                 \
    X(not_answered,                   13,      "")                                                     \
    X(no_room,                        15,      "")

// ---------------------------------------------------------------------------------------------
// Image flags: drawing options that the gauges hand to the host unchanged, the bits and then the
// combinations the records declare. At run time gauges set and clear only hidden, and the digit
// drums luminous (while powered) and no_transparency.
#define SIM_IMAGE_FLAGS(X)                                                                             \
    X(transparent,                    0x1,        "")                                                  \
    X(erase,                          0x2,        "")                                                  \
    X(bright,                         0x4,        "")                                                  \
    X(moving,                         0x80,       "")                                                  \
    X(luminous,                       0x4000,     "")                                                  \
    X(hidden,                         0x40000000, "")                                                  \
    X(no_transparency,                0x80000000, "")                                                  \
    /* backgrounds, plates, glass, knobs */                                                            \
    X(plain,                          0x3,        "transparent | erase")                               \
    /* lamps, digital windows, power indicators */                                                     \
    X(lamp,                           0x7,        "plain | bright")                                    \
    /* knob pictures and the drums of an unpowered radio */                                            \
    X(knob,                           0x83,       "plain | moving")                                    \
    /* dial faces and the flags on them */                                                             \
    X(face,                           0x4003,     "plain | luminous")                                  \
    /* needles, cards, sliders, drums */                                                               \
    X(needle,                         0x4083,     "plain | moving | luminous")

// ---------------------------------------------------------------------------------------------
// The named constants.

#define SIM_ID_CONSTANT(name, value, unit) inline constexpr uint32_t name = value;
namespace token        { SIM_TOKENS(SIM_ID_CONSTANT) }
namespace event        { SIM_EVENTS(SIM_ID_CONSTANT) }
namespace panel_window { SIM_PANEL_WINDOWS(SIM_ID_CONSTANT) }
namespace help         { SIM_HELP_IDS(SIM_ID_CONSTANT) }
namespace ext          { SIM_EXT_OFFSETS(SIM_ID_CONSTANT) SIM_EXT_RESULTS(SIM_ID_CONSTANT) }
namespace image_flags  { SIM_IMAGE_FLAGS(SIM_ID_CONSTANT) }
#undef SIM_ID_CONSTANT

// Bits of the station flags (token::vor1_station_flags, token::vor2_station_flags).
namespace station_flag {
inline constexpr uint32_t localizer = 0x80;   // the station tuned is a localizer, not a VOR
}

// The external interface's protocol, spoken by the client library and by the host's stand-in window.
namespace ext {
inline constexpr uint32_t message              = 0x482;        // the window message that carries a batch
inline constexpr uint32_t min_buffer           = 32;           // bytes of the smallest request buffer
inline constexpr uint32_t max_buffer           = 0x7F00;       // bytes of the largest
inline constexpr uint32_t read_id              = 1;            // record kinds inside a batch
inline constexpr uint32_t write_id             = 2;
inline constexpr uint32_t min_receiver_version = 0x19980005;
inline constexpr uint32_t host_version_mark    = 0xFADE;       // high half of the host version word
inline constexpr uint16_t client_version       = 1200;
}  // namespace ext

static_assert((image_flags::plain  == (image_flags::transparent | image_flags::erase)) &&
              (image_flags::lamp   == (image_flags::plain | image_flags::bright)) &&
              (image_flags::knob   == (image_flags::plain | image_flags::moving)) &&
              (image_flags::face   == (image_flags::plain | image_flags::luminous)) &&
              (image_flags::needle == (image_flags::plain | image_flags::moving | image_flags::luminous)),
              "image flag combinations are made of the named bits");

// ---------------------------------------------------------------------------------------------
// The table of every name.

enum class IdKind : uint8_t { token, event, panel_window, help, ext_offset, ext_result, image_flags };

struct NamedId {
    IdKind      kind;
    const char* name;    // without its namespace: "battery_toggle"
    uint32_t    value;
    const char* unit;    // "" for none
};

#define SIM_ID_ROW_TOKEN(name, value, unit)        {IdKind::token, #name, value, unit},
#define SIM_ID_ROW_EVENT(name, value, unit)        {IdKind::event, #name, value, unit},
#define SIM_ID_ROW_PANEL_WINDOW(name, value, unit) {IdKind::panel_window, #name, value, unit},
#define SIM_ID_ROW_HELP(name, value, unit)         {IdKind::help, #name, value, unit},
#define SIM_ID_ROW_EXT_OFFSET(name, value, unit)   {IdKind::ext_offset, #name, value, unit},
#define SIM_ID_ROW_EXT_RESULT(name, value, unit)   {IdKind::ext_result, #name, value, unit},
#define SIM_ID_ROW_IMAGE_FLAGS(name, value, unit)  {IdKind::image_flags, #name, value, unit},
inline constexpr NamedId named_ids[] = {
    SIM_TOKENS(SIM_ID_ROW_TOKEN)
    SIM_EVENTS(SIM_ID_ROW_EVENT)
    SIM_PANEL_WINDOWS(SIM_ID_ROW_PANEL_WINDOW)
    SIM_HELP_IDS(SIM_ID_ROW_HELP)
    SIM_EXT_OFFSETS(SIM_ID_ROW_EXT_OFFSET)
    SIM_EXT_RESULTS(SIM_ID_ROW_EXT_RESULT)
    SIM_IMAGE_FLAGS(SIM_ID_ROW_IMAGE_FLAGS)
};
#undef SIM_ID_ROW_TOKEN
#undef SIM_ID_ROW_EVENT
#undef SIM_ID_ROW_PANEL_WINDOW
#undef SIM_ID_ROW_HELP
#undef SIM_ID_ROW_EXT_OFFSET
#undef SIM_ID_ROW_EXT_RESULT
#undef SIM_ID_ROW_IMAGE_FLAGS

inline constexpr std::size_t named_id_count = sizeof named_ids / sizeof named_ids[0];

constexpr bool same_id_name(const char* a, const char* b)
{
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

// The row of a name of one kind, or null.
constexpr const NamedId* find_named_id(IdKind kind, const char* name)
{
    for (const NamedId& id : named_ids)
        if (id.kind == kind && same_id_name(id.name, name))
            return &id;
    return nullptr;
}

// The first row of a value of one kind, in list order, or null.
constexpr const NamedId* find_named_id(IdKind kind, uint32_t value)
{
    for (const NamedId& id : named_ids)
        if (id.kind == kind && id.value == value)
            return &id;
    return nullptr;
}

// Offsets and results share the namespace ext, so their names must differ across the two kinds too.
constexpr bool same_namespace(IdKind a, IdKind b)
{
    auto group = [](IdKind k) { return k == IdKind::ext_result ? IdKind::ext_offset : k; };
    return group(a) == group(b);
}

constexpr bool named_ids_unique()
{
    for (std::size_t i = 0; i < named_id_count; ++i)
        for (std::size_t j = i + 1; j < named_id_count; ++j)
            if (same_namespace(named_ids[i].kind, named_ids[j].kind) &&
                same_id_name(named_ids[i].name, named_ids[j].name))
                return false;
    return true;
}
static_assert(named_ids_unique(), "two ids of one kind share a name");

// And no number has two names of one kind, so that a number reads back as one name.
constexpr bool named_values_unique()
{
    for (std::size_t i = 0; i < named_id_count; ++i)
        for (std::size_t j = i + 1; j < named_id_count; ++j)
            if (named_ids[i].kind == named_ids[j].kind && named_ids[i].value == named_ids[j].value)
                return false;
    return true;
}
static_assert(named_values_unique(), "two ids of one kind share a value");

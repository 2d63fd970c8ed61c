// The attack aircraft's electrical and lighting systems as the host models them for the panel (each
// switch event toggles the host's own state, which the switches read back), the NAV receivers'
// audio, and the ADF frequency set in one event. Frequency steps are the radio systems'.
#pragma once

#include "host/core/panel_host.h"

namespace host {

constexpr Token token_panel_lights      = 0x0A;
constexpr Token token_strobe_lights     = 0x0B;
constexpr Token token_pitot_heat        = 0x0D;
constexpr Token token_landing_lights    = 0x0E;
constexpr Token token_battery           = 0x16C;
constexpr Token token_beacon_lights     = 0x170;
constexpr Token token_generator         = 0x235;
constexpr Token token_navigation_lights = 0x26B;

constexpr uint32_t event_panel_lights_toggle      = 0x100D6;
constexpr uint32_t event_landing_lights_toggle    = 0x100D7;
constexpr uint32_t event_strobe_lights_toggle     = 0x10018;
constexpr uint32_t event_pitot_heat_toggle        = 0x10142;
constexpr uint32_t event_beacon_lights_toggle     = 0x102BF;
constexpr uint32_t event_battery_toggle           = 0x102C1;
constexpr uint32_t event_generator_toggle         = 0x1033B;
constexpr uint32_t event_navigation_lights_toggle = 0x1034B;

// NAV audio on and off; the radios re-send them at every update, the trace shows changes only.
constexpr uint32_t event_nav1_audio_on  = 0x1012D;
constexpr uint32_t event_nav1_audio_off = 0x10128;
constexpr uint32_t event_nav2_audio_on  = 0x1012E;
constexpr uint32_t event_nav2_audio_off = 0x10129;
// Sets the ADF frequency: the value is four BCD digits in tenths of kHz (0x4100 is 410.0 kHz).
constexpr uint32_t event_adf_set = 0x1024A;

void install_attack_aircraft_systems(PanelHost& host);

}  // namespace host

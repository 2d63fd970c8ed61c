// The panel buttons of Stelvar_Instr, one row per button gauge. Toggle buttons may wear any face
// from 100 to 190.
#include "common/panel_buttons.h"

constexpr auto& stelvar_toggle = toggle_button<190>;

constinit PanelButton map_toggle_button = event_button(map_toggle_button, {
    .name = "Map_Toggle", .face = 80, .help_id = help::map_window, .event_id = event::map_window});
constinit PanelButton kneeboard_toggle_button = event_button(kneeboard_toggle_button, {
    .name = "Kneeboard_Toggle", .face = 70, .help_id = help::kneeboard, .event_id = event::kneeboard});
constinit PanelButton atc_toggle_button = event_button(atc_toggle_button, {
    .name = "ATC_Toggle", .face = 90, .help_id = help::atc_window, .event_id = event::atc_window});
constinit PanelButton invisible_toggle_button = stelvar_toggle(invisible_toggle_button, {
    .name = "Invisible_Toggle", .face = 100});
constinit PanelButton radios_toggle_button = stelvar_toggle(radios_toggle_button, {
    .name = "Radios_Toggle", .face = 110, .help_id = help::toggle_radio_window});
constinit PanelButton gps_toggle_button = stelvar_toggle(gps_toggle_button, {
    .name = "GPS_Toggle", .face = 120, .help_id = help::toggle_gps_window});
constinit PanelButton electricity_toggle_button = stelvar_toggle(electricity_toggle_button, {
    .name = "Electricity_Toggle", .face = 160});
constinit PanelButton throttle_toggle_button = stelvar_toggle(throttle_toggle_button, {
    .name = "Throttle_Toggle", .face = 130, .help_id = help::toggle_throttle_window});
constinit PanelButton close_subpanel_button = stelvar_toggle(close_subpanel_button, {
    .name = "Close_Subpanel", .face = 150});
constinit PanelButton landing_view_toggle_button = stelvar_toggle(landing_view_toggle_button, {
    .name = "Landing_View_Toggle", .face = 180, .tooltip = "Switches between Main panel and Landing panel"});
constinit PanelButton clock_toggle_button = stelvar_toggle(clock_toggle_button, {
    .name = "Clock_Toggle", .face = 190, .help_id = help::clock_window});
constinit PanelButton compass_toggle_button = stelvar_toggle(compass_toggle_button, {
    .name = "Compass_Toggle", .face = 140, .help_id = help::toggle_compass_window});
constinit PanelButton lights_toggle_button = stelvar_toggle(lights_toggle_button, {
    .name = "Lights_Toggle", .face = 170, .tooltip = "Display the lights switches board"});

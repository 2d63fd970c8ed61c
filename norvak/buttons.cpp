// The panel buttons of Norvak_Instr, one row per button gauge. Toggle buttons may wear any face
// from 100 to 250.
#include "common/panel_buttons.h"

constexpr auto& norvak_toggle = toggle_button<250>;

constinit PanelButton kneeboard_toggle_button = event_button(kneeboard_toggle_button, {
    .name = "Kneeboard_Toggle", .face = 60, .help_id = help::kneeboard, .event_id = event::kneeboard});
constinit PanelButton atc_toggle_button = event_button(atc_toggle_button, {
    .name = "ATC_Toggle", .face = 80, .help_id = help::atc_window, .event_id = event::atc_window});
constinit PanelButton map_toggle_button = event_button(map_toggle_button, {
    .name = "Map_Toggle", .face = 70, .help_id = help::map_window, .event_id = event::map_window});
constinit PanelButton invisible_toggle_button = norvak_toggle(invisible_toggle_button, {
    .name = "Invisible_Toggle", .face = 100});
constinit PanelButton fuel_toggle_button = norvak_toggle(fuel_toggle_button, {
    .name = "Fuel_Toggle", .face = 110, .help_id = help::toggle_fuel_window,
    .tooltip = "Display/Hide the fuel subpanel"});
constinit PanelButton close_subpanel_button = norvak_toggle(close_subpanel_button, {
    .name = "Close_Subpanel", .face = 120, .tooltip = "Close the subpanel"});
constinit PanelButton radios_toggle_button = norvak_toggle(radios_toggle_button, {
    .name = "Radios_Toggle", .face = 130, .help_id = help::toggle_radio_window});
constinit PanelButton show_yoke_button = norvak_toggle(show_yoke_button, {
    .name = "Show_Yoke", .face = 140, .tooltip = "Display/Hide the yoke"});
constinit PanelButton landing_view_toggle_button = norvak_toggle(landing_view_toggle_button, {
    .name = "Landing_View_Toggle", .face = 150, .tooltip = "Switch between Normal and Landing view"});
constinit PanelButton nav_instruments_toggle_button = norvak_toggle(nav_instruments_toggle_button, {
    .name = "Nav_Instruments_Toggle", .face = 160, .tooltip = "Display/Hide navigation instruments"});
constinit PanelButton gps_toggle_button = norvak_toggle(gps_toggle_button, {
    .name = "GPS_Toggle", .face = 170, .help_id = help::toggle_gps_window});
constinit PanelButton throttle_toggle_button = norvak_toggle(throttle_toggle_button, {
    .name = "Throttle_Toggle", .face = 180, .help_id = help::toggle_throttle_window});
constinit PanelButton overhead_toggle_button = norvak_toggle(overhead_toggle_button, {
    .name = "Overhead_Toggle", .face = 190, .help_id = help::overhead_window});
constinit PanelButton compass_toggle_button = norvak_toggle(compass_toggle_button, {
    .name = "Compass_Toggle", .face = 200, .help_id = help::toggle_compass_window});
constinit PanelButton electricity_toggle_button = norvak_toggle(electricity_toggle_button, {
    .name = "Electricity_Toggle", .face = 210, .tooltip = "Display/Hide the electricity switches"});
constinit PanelButton gear_toggle_button = norvak_toggle(gear_toggle_button, {
    .name = "Gear_Toggle", .face = 220, .tooltip = "Display/Hide the gear subpanel"});
constinit PanelButton starter_toggle_button = norvak_toggle(starter_toggle_button, {
    .name = "Starter_Toggle", .face = 230, .tooltip = "Display/Hide starter subpanel"});
constinit PanelButton bombardier_view_toggle_button = norvak_toggle(bombardier_view_toggle_button, {
    .name = "Bombardier_View_Toggle", .face = 240, .tooltip = "Switch between Normal and Bombardier view"});
constinit PanelButton drop_water_toggle_button = norvak_toggle(drop_water_toggle_button, {
    .name = "Drop_Water_Toggle", .face = 250, .tooltip = "Display/Hide the Water System subpanel"});

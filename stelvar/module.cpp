// The Stelvar_Instr module: its gauge table, in the order the host expects. Gauges not yet on this
// panel are left out; the table ends at the first null pointer.
#include "common/panel_buttons.h"
#include "frame/module.h"

// The gauges both aircraft carry.
extern GaugeHeader shut_down_header, registration_header;
extern PanelButton map_toggle_button, kneeboard_toggle_button, atc_toggle_button, invisible_toggle_button,
    radios_toggle_button, gps_toggle_button, electricity_toggle_button, throttle_toggle_button,
    close_subpanel_button, landing_view_toggle_button, clock_toggle_button, compass_toggle_button,
    lights_toggle_button;
// Radios.
extern GaugeHeader radio_adf_header, radio_com1_header, radio_nav1_header, radio_nav2_header, radio_iff_xpdr_header;
// Electrical and lighting switches.
extern GaugeHeader generator_light_header, battery_switch_header, panel_lights_switch_header,
    landing_lights_switch_header, navigation_lights_switch_header, beacon_lights_switch_header,
    strobe_lights_switch_header, pitot_heat_switch_header, generator_switch_header;

extern "C" {
MODULE_EXPORT LinkageRecord<29> Linkage = {
    .module_id      = linkage_module_id,
    .init           = module_init,
    .deinit         = module_deinit,
    .flags          = 0,
    .status         = 0,
    .module_version = 0x900,
    .gauges         = {
        &registration_header,
        &shut_down_header,
        &map_toggle_button.header,
        &kneeboard_toggle_button.header,
        &atc_toggle_button.header,
        &invisible_toggle_button.header,
        &radios_toggle_button.header,
        &gps_toggle_button.header,
        &electricity_toggle_button.header,
        &throttle_toggle_button.header,
        &close_subpanel_button.header,
        &landing_view_toggle_button.header,
        &clock_toggle_button.header,
        &compass_toggle_button.header,
        &lights_toggle_button.header,
        &radio_adf_header,
        &radio_com1_header,
        &radio_nav1_header,
        &radio_nav2_header,
        &radio_iff_xpdr_header,
        &generator_light_header,
        &battery_switch_header,
        &panel_lights_switch_header,
        &landing_lights_switch_header,
        &navigation_lights_switch_header,
        &beacon_lights_switch_header,
        &strobe_lights_switch_header,
        &pitot_heat_switch_header,
        &generator_switch_header,
        nullptr,
    },
};
}

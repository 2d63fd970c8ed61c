// The Stelvar_Instr module: its gauge table, in the order the host expects.
#include "common/panel_buttons.h"
#include "common/plate_gauge.h"
#include "frame/module.h"
#include "nav_radio.h"
#include "toggle_switch.h"

// The gauges both aircraft carry.
extern GaugeHeader registration_header;
extern PlateGauge shut_down;
extern PanelButton map_toggle_button, kneeboard_toggle_button, atc_toggle_button, invisible_toggle_button,
    radios_toggle_button, gps_toggle_button, electricity_toggle_button, throttle_toggle_button,
    close_subpanel_button, landing_view_toggle_button, clock_toggle_button, compass_toggle_button,
    lights_toggle_button;
// Radios.
extern GaugeHeader radio_adf_header, radio_com1_header, radio_iff_xpdr_header;
extern NavRadio radio_nav1, radio_nav2;
// Electrical and lighting switches.
extern GaugeHeader generator_light_header, generator_switch_header;
extern ToggleSwitch battery_switch, panel_lights_switch, landing_lights_switch, navigation_lights_switch,
    beacon_lights_switch, strobe_lights_switch, pitot_heat_switch;

extern "C" {
MODULE_EXPORT constinit LinkageRecord<29> Linkage = module_linkage<29>(current_interface_version, {
    &registration_header,
    &shut_down.header,
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
    &radio_nav1.header,
    &radio_nav2.header,
    &radio_iff_xpdr_header,
    &generator_light_header,
    &battery_switch.header,
    &panel_lights_switch.header,
    &landing_lights_switch.header,
    &navigation_lights_switch.header,
    &beacon_lights_switch.header,
    &strobe_lights_switch.header,
    &pitot_heat_switch.header,
    &generator_switch_header,
});
}

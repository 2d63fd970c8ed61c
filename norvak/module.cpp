// The Norvak_Instr module: its gauge table, in the order the host expects.
#include "common/panel_buttons.h"
#include "common/plate_gauge.h"
#include "frame/module.h"
#include "panel_lamp.h"
#include "quantity_dial.h"
#include "radio_head.h"

// The gauges both aircraft carry.
extern GaugeHeader registration_header;
extern PlateGauge shut_down;
extern PanelButton kneeboard_toggle_button, atc_toggle_button, map_toggle_button, invisible_toggle_button,
    fuel_toggle_button, close_subpanel_button, radios_toggle_button, show_yoke_button, landing_view_toggle_button,
    nav_instruments_toggle_button, gps_toggle_button, throttle_toggle_button, overhead_toggle_button,
    compass_toggle_button, electricity_toggle_button, gear_toggle_button, starter_toggle_button,
    bombardier_view_toggle_button, drop_water_toggle_button;

// The airframe and engine gauges.
extern PlateGauge engine_on;
extern GaugeHeader airspeed_header, vertical_speed_header, turn_coordinator_header,
    altimeter_header, manifold_pressure_header, tachometer_header, cylinder_head_temp_header,
    propeller_torque_header, oil_pressure_header, fuel_pressure_header, carburetor_temp_header,
    oil_temperature_header, clock_header, flaps_position_header, hydraulic_pressure_header, gear_lever_header,
    fuel_flow_header, oil_quantity_header, cowl_flaps_position_header, nav_gps_switch_header,
    water_doors_switch_header, water_system_header;
extern QuantityDial<6> fuel_qty_left_main, fuel_qty_right_main;
extern QuantityDial<8> water_qty_left, water_qty_right;
extern PanelLamp outer_marker_light, middle_marker_light, inner_marker_light, gear_lamp_front, gear_lamp_left,
    gear_lamp_right;

// The navigation instruments.
extern GaugeHeader collins_dme42a_header, collins_rmi36_header, collins_hsi70_header, collins_adi84a_header;

// The radio heads.
extern RadioHead collins_com1, collins_com2, collins_nav1, collins_nav2;
extern GaugeHeader collins_adf_header, collins_atc_header;

extern "C" {
MODULE_EXPORT constinit LinkageRecord<64> Linkage = module_linkage<64>(current_interface_version, {
    &shut_down.header,
    &registration_header,
    &engine_on.header,
    &kneeboard_toggle_button.header,
    &atc_toggle_button.header,
    &map_toggle_button.header,
    &invisible_toggle_button.header,
    &fuel_toggle_button.header,
    &close_subpanel_button.header,
    &radios_toggle_button.header,
    &show_yoke_button.header,
    &landing_view_toggle_button.header,
    &nav_instruments_toggle_button.header,
    &gps_toggle_button.header,
    &throttle_toggle_button.header,
    &overhead_toggle_button.header,
    &compass_toggle_button.header,
    &electricity_toggle_button.header,
    &gear_toggle_button.header,
    &starter_toggle_button.header,
    &bombardier_view_toggle_button.header,
    &drop_water_toggle_button.header,
    &collins_com1.header,
    &collins_com2.header,
    &collins_nav1.header,
    &collins_nav2.header,
    &collins_adf_header,
    &collins_atc_header,
    &airspeed_header,
    &collins_rmi36_header,
    &collins_adi84a_header,
    &vertical_speed_header,
    &turn_coordinator_header,
    &altimeter_header,
    &collins_dme42a_header,
    &collins_hsi70_header,
    &manifold_pressure_header,
    &tachometer_header,
    &cylinder_head_temp_header,
    &propeller_torque_header,
    &oil_pressure_header,
    &fuel_qty_left_main.header,
    &fuel_qty_right_main.header,
    &fuel_pressure_header,
    &carburetor_temp_header,
    &oil_temperature_header,
    &fuel_flow_header,
    &oil_quantity_header,
    &clock_header,
    &flaps_position_header,
    &hydraulic_pressure_header,
    &cowl_flaps_position_header,
    &nav_gps_switch_header,
    &gear_lever_header,
    &outer_marker_light.header,
    &middle_marker_light.header,
    &inner_marker_light.header,
    &gear_lamp_front.header,
    &gear_lamp_left.header,
    &gear_lamp_right.header,
    &water_qty_left.header,
    &water_qty_right.header,
    &water_doors_switch_header,
    &water_system_header,
});
}

// Battery_Switch, Panel_Lights_Switch, Landing_Lights_Switch, Navigation_Lights_Switch,
// Beacon_Lights_Switch, Strobe_Lights_Switch and Pitot_Heat_Switch: the electrical and lighting
// toggle switches, which are twins. Each is one row below, from which toggle_switch() writes its
// records; the callbacks they share find their switch from the gauge the host hands them.
#include "toggle_switch.h"

constinit ToggleSwitch battery_switch = toggle_switch(battery_switch, {
    .name = "Battery_Switch", .state_token = token::battery, .toggle_event = event::battery_toggle,
    .help_id = 0xAB13, .lever_frame = switch_lever_frame});
constinit ToggleSwitch panel_lights_switch = toggle_switch(panel_lights_switch, {
    .name = "Panel_Lights_Switch", .state_token = token::panel_lights, .toggle_event = event::panel_lights_toggle,
    .help_id = 0xAB40, .lever_frame = nullptr});
constinit ToggleSwitch landing_lights_switch = toggle_switch(landing_lights_switch, {
    .name = "Landing_Lights_Switch", .state_token = token::landing_lights, .toggle_event = event::landing_lights_toggle,
    .help_id = 0xAB3E, .lever_frame = nullptr});
constinit ToggleSwitch navigation_lights_switch = toggle_switch(navigation_lights_switch, {
    .name = "Navigation_Lights_Switch", .state_token = token::navigation_lights,
    .toggle_event = event::navigation_lights_toggle, .help_id = 0xAB3F, .lever_frame = switch_lever_frame});
constinit ToggleSwitch beacon_lights_switch = toggle_switch(beacon_lights_switch, {
    .name = "Beacon_Lights_Switch", .state_token = token::beacon_lights, .toggle_event = event::beacon_lights_toggle,
    .help_id = 0xAB3D, .lever_frame = switch_lever_frame});
constinit ToggleSwitch strobe_lights_switch = toggle_switch(strobe_lights_switch, {
    .name = "Strobe_Lights_Switch", .state_token = token::strobe_lights, .toggle_event = event::strobe_lights_toggle,
    .help_id = 0xAB42, .lever_frame = switch_lever_frame});
constinit ToggleSwitch pitot_heat_switch = toggle_switch(pitot_heat_switch, {
    .name = "Pitot_Heat_Switch", .state_token = token::pitot_heat, .toggle_event = event::pitot_heat_toggle,
    .help_id = 0xAB57, .lever_frame = switch_lever_frame});

static ToggleSwitch* const toggle_switches[] = {
    &battery_switch,       &panel_lights_switch,  &landing_lights_switch, &navigation_lights_switch,
    &beacon_lights_switch, &strobe_lights_switch, &pitot_heat_switch,
};

// The switch whose records hold gauge, or null for a gauge that is not one of them.
static ToggleSwitch* switch_of(const GaugeHeader* gauge)
{
    for (ToggleSwitch* s : toggle_switches)
        if (&s->header == gauge)
            return s;
    return nullptr;
}

double GAUGE_CALL switch_lever_frame(ElementHeader* element)
{
    return reinterpret_cast<Icon*>(element)->source.value.f64;
}

void GAUGE_CALL toggle_switch_callback(GaugeHeader* gauge, int32_t service_id, HostWord extra)
{
    if (ToggleSwitch* s = switch_of(gauge))
        click_sound_service(s->sound, service_id, extra, switch_click_wave);
}

int32_t GAUGE_CALL toggle_switch_click(MouseClick* click, uint32_t)
{
    if (ToggleSwitch* s = click ? switch_of(click->gauge) : nullptr) {
        trigger_key_event(s->row.toggle_event, 0);
        play_click(s->sound);
    }
    return 0;
}

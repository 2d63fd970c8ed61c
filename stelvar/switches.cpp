// Battery_Switch, Panel_Lights_Switch, Landing_Lights_Switch, Navigation_Lights_Switch,
// Beacon_Lights_Switch, Strobe_Lights_Switch and Pitot_Heat_Switch: the electrical and lighting
// toggle switches, which are twins. Each is one row below, from which toggle_switch() writes its
// records; the callbacks they share find their switch from the gauge the host hands them.
#include "toggle_switch.h"

// The lever frame as a callback: the source value.
static double GAUGE_CALL switch_lever_frame(ElementHeader* element);

// The callbacks the switches share (below the rows); each finds its switch from the gauge it is
// handed.
static void    GAUGE_CALL toggle_switch_callback(GaugeHeader* gauge, int32_t service_id, HostWord extra);
static int32_t GAUGE_CALL toggle_switch_click(MouseClick* click, uint32_t mouse_flags);

// The records of switch self from its row.
static constexpr ToggleSwitch toggle_switch(ToggleSwitch& self, const ToggleSwitchRow& row)
{
    ToggleSwitch s{};
    s.row    = row;
    s.header = gauge_header(row.name, self.elements, switch_size_mm, self.mouse, toggle_switch_callback);
    s.plate = {.head = {.kind = ElementKind::static_image, .bitmap_id = switch_plate_bitmap, .gauge = &self.header,
                        .next = self.plate_next, .image_flags = image_flags::plain}};
    s.lever = {
        .head        = {.kind = ElementKind::icon, .bitmap_id = switch_lever_bitmap, .gauge = &self.header,
                        .image_flags = image_flags::plain},
        .source      = module_var(row.state_token),
        .scale       = 1.0,
        .frame_count = 2,
        .callback    = row.lever_frame,
    };
    s.elements[0]   = &self.plate.head;
    s.plate_next[0] = &self.lever.head;
    s.mouse[0] = {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = row.help_id};
    s.mouse[1] = click_zone(0, 0, 30, 44, CURSOR_HAND, MOUSE_LEFTSINGLE, toggle_switch_click);
    s.mouse[2] = {.type = mouse_rect_end_parent};
    s.mouse[3] = {.type = mouse_rect_end};
    return s;
}

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

static double GAUGE_CALL switch_lever_frame(ElementHeader* element)
{
    return reinterpret_cast<Icon*>(element)->source.value.f64;
}

static void GAUGE_CALL toggle_switch_callback(GaugeHeader* gauge, int32_t service_id, HostWord extra)
{
    if (ToggleSwitch* s = switch_of(gauge))
        click_sound_service(s->sound, service_id, extra, switch_click_wave);
}

static int32_t GAUGE_CALL toggle_switch_click(MouseClick* click, uint32_t)
{
    if (ToggleSwitch* s = click ? switch_of(click->gauge) : nullptr) {
        trigger_key_event(s->row.toggle_event, 0);
        play_click(s->sound);
    }
    return 0;
}

// The attack aircraft's switches and radio audio for the panel host. A toggle event flips its system
// between 0 and 1 and says so in the trace; a script may also set the tokens directly.
#include "host/world/attack_aircraft_systems.h"

#include <memory>

#include "host/world/radio_systems.h"

namespace host {
namespace {

struct ToggledSystem {
    uint32_t    event;
    Token       token;
    const char* name;
};

constexpr ToggledSystem toggled_systems[] = {
    {event::battery_toggle, token::battery, "battery"},
    {event::generator_toggle, token::generator, "generator"},
    {event::panel_lights_toggle, token::panel_lights, "panel lights"},
    {event::landing_lights_toggle, token::landing_lights, "landing lights"},
    {event::navigation_lights_toggle, token::navigation_lights, "navigation lights"},
    {event::beacon_lights_toggle, token::beacon_lights, "beacon"},
    {event::strobe_lights_toggle, token::strobe_lights, "strobe lights"},
    {event::pitot_heat_toggle, token::pitot_heat, "pitot heat"},
};

struct NavAudio {
    bool on[2] = {false, false};
};

void set_nav_audio(PanelHost& host, NavAudio& audio, int receiver, bool on)
{
    if (audio.on[receiver] == on)
        return;
    audio.on[receiver] = on;
    if (host.tracing())
        host.trace("NAV" + std::to_string(receiver + 1) + " audio " + (on ? "on" : "off"));
}

// Four BCD digits of tenths of kHz into the ADF tokens; a value that is not BCD is ignored.
void set_adf(SimState& sim, uint32_t bcd)
{
    int tenths = bcd_to_int(bcd);
    if (bcd > 0xFFFF || int_to_bcd(tenths) != bcd)
        return;
    set_adf_frequency(sim, tenths);
}

}  // namespace

void install_attack_aircraft_systems(PanelHost& host)
{
    SimState& sim = host.sim();
    for (const ToggledSystem& system : toggled_systems)
        sim.on_event(system.event, [&host, system](SimState& s, const KeyEvent&) {
            bool on = s.number(system.token) == 0.0;
            s.set(system.token, on ? 1.0 : 0.0);
            if (host.tracing())
                host.trace(std::string(system.name) + (on ? " on" : " off"));
        });

    auto audio = std::make_shared<NavAudio>();
    struct AudioEvent {
        uint32_t event;
        int      receiver;
        bool     on;
    };
    for (AudioEvent a : {AudioEvent{event::nav1_audio_on, 0, true}, {event::nav1_audio_off, 0, false},
                         {event::nav2_audio_on, 1, true}, {event::nav2_audio_off, 1, false}})
        sim.on_event(a.event, [&host, audio, a](SimState&, const KeyEvent&) {
            set_nav_audio(host, *audio, a.receiver, a.on);
        });
    sim.on_event(event::adf_set, [](SimState& s, const KeyEvent& e) { set_adf(s, e.value); });
}

}  // namespace host

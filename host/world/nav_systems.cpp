// The navigation receivers for the panel host. The knobs of the navigation indicators send the new
// heading bug and course as event values; the DME source knob asks for the other receiver.
#include "host/world/nav_systems.h"

namespace host {

void install_nav_systems(PanelHost& host)
{
    SimState& sim = host.sim();

    // Read by the gauges as 32-bit integers: station flags, the DME source, and the flags with
    // which the host reports failed or unusable navigation signals.
    for (Token t : {token::vor1_station_flags, token::vor2_station_flags, token::dme_source, Token{0x117}, Token{0x11A},
                    Token{0x11D}})
        sim.declare_integer(t);
    sim.set_integer(token::dme_source, 1);

    sim.on_event(event::dme_source_toggle, [](SimState& s, const KeyEvent&) {
        s.set_integer(token::dme_source, s.get(token::dme_source).whole == 1 ? 2 : 1);
    });
    sim.on_event(event::heading_bug_set, [](SimState& s, const KeyEvent& e) {
        s.set(token::heading_bug, static_cast<double>(e.value % 360));
    });
    // The course knob's picture turns with the course it sets.
    sim.on_event(event::course_set, [](SimState& s, const KeyEvent& e) {
        s.set(token::course, static_cast<double>(e.value % 360));
        s.set(token::course_knob, static_cast<double>(e.value % 360));
    });
}

}  // namespace host

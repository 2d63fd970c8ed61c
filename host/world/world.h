// The simulated world around a panel: the host's environment (its main window and the external
// interface window) and the aircraft systems that answer the gauges' key events frame by frame.
// A host owns its world; the caller chooses which aircraft systems it holds.
#pragma once

#include <memory>

#include "host/core/panel_host.h"
#include "host/world/environment.h"

namespace host {

// The aircraft whose systems a world models. Panel windows and views, the radios and the
// navigation receivers are every aircraft's.
enum class Aircraft : unsigned {
    none            = 0,
    water_bomber    = 1u << 0,   // drop command, doors, scoop, gear, clock, altimeter setting
    attack_aircraft = 1u << 1,   // electrical and lighting switches, NAV audio, the ADF band
    all             = water_bomber | attack_aircraft,
};
constexpr Aircraft operator|(Aircraft a, Aircraft b) { return Aircraft(unsigned(a) | unsigned(b)); }
constexpr bool     has(Aircraft set, Aircraft one) { return (unsigned(set) & unsigned(one)) != 0; }

class World : public PanelHost::Attachment {
public:
    World(PanelHost& host, Aircraft aircraft);
    Environment& environment() { return *environment_; }
    Aircraft     aircraft() const { return aircraft_; }

private:
    std::unique_ptr<Environment> environment_;
    Aircraft                     aircraft_;
};

// Gives the host a world with the systems of the chosen aircraft; a host holds one world.
World& install_world(PanelHost& host, Aircraft aircraft = Aircraft::all);
// The host's world; throws HostError when it has none.
World&       world_of(PanelHost& host);
Environment& environment_of(PanelHost& host);

// A panel host with a world of every aircraft's systems: what gauge-host and the tests drive.
class SimulatedPanel : public PanelHost {
public:
    explicit SimulatedPanel(Aircraft aircraft = Aircraft::all) : world_(install_world(*this, aircraft)) {}
    World&       world() { return world_; }
    Environment& environment() { return world_.environment(); }

private:
    World& world_;
};

}  // namespace host

// The world's systems, each in its own file, installed in the order their frame hooks must run.
#include "host/world/world.h"

#include "host/world/attack_aircraft_systems.h"
#include "host/world/nav_systems.h"
#include "host/world/panel_events.h"
#include "host/world/radio_systems.h"
#include "host/world/water_bomber_systems.h"

namespace host {

World::World(PanelHost& host, Aircraft aircraft)
    : environment_(std::make_unique<Environment>(host)), aircraft_(aircraft)
{
    install_panel_events(host);
    host.add_frame_hook([env = environment_.get()](PanelHost&, double) { env->mirror_tanks(); });
    // After the environment: the water timeline sees fresh tank levels.
    if (has(aircraft, Aircraft::water_bomber))
        install_water_bomber_systems(host);
    install_radio_systems(host);
    install_nav_systems(host);
    if (has(aircraft, Aircraft::attack_aircraft))
        install_attack_aircraft_systems(host);
}

World& install_world(PanelHost& host, Aircraft aircraft)
{
    if (host.find_attachment<World>() != nullptr)
        throw HostError("the panel host has a world already");
    return host.attach(std::make_unique<World>(host, aircraft));
}

World& world_of(PanelHost& host)
{
    World* world = host.find_attachment<World>();
    if (world == nullptr)
        throw HostError("the panel host has no world");
    return *world;
}

Environment& environment_of(PanelHost& host) { return world_of(host).environment(); }

}  // namespace host

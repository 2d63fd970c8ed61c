// Installs the host's aircraft systems into a new panel host. Each system lives in its own file
// and adds its event handlers and frame hooks here.
#include "host/environment.h"
#include "host/panel_host.h"
#include "panel_events.h"
#include "radio_systems.h"
#include "nav_systems.h"
#include "water_bomber_systems.h"
#include "attack_aircraft_systems.h"

namespace host {

void install_host_systems(PanelHost& host)
{
    install_panel_events(host);
    install_environment(host);
    install_water_bomber_systems(host);   // after the environment: its timeline sees fresh tank levels
    install_radio_systems(host);
    install_nav_systems(host);
    install_attack_aircraft_systems(host);
}

}  // namespace host

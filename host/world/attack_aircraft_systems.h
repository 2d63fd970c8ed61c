// The attack aircraft's electrical and lighting systems as the host models them for the panel (each
// switch event toggles the host's own state, which the switches read back), the NAV receivers'
// audio, and the ADF frequency set in one event. Frequency steps are the radio systems'.
#pragma once

#include "frame/sim_ids.h"
#include "host/core/panel_host.h"

namespace host {

void install_attack_aircraft_systems(PanelHost& host);

}  // namespace host

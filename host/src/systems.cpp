// Installs the host's aircraft systems into a new panel host. Each system lives in its own file
// and adds its event handlers and frame hooks here.
#include "host/panel_host.h"

namespace host {

void install_host_systems(PanelHost& host)
{
    (void)host;
}

}  // namespace host

// The Tolvane module: one gauge.
#include "frame/module.h"

extern GaugeHeader610 tolvane_header;

extern "C" {
MODULE_EXPORT LinkageRecord<1> Linkage = {
    .module_id      = linkage_module_id,
    .init           = module_init,
    .deinit         = module_deinit,
    .flags          = 0,
    .status         = 0,
    .module_version = 0,
    .gauges         = {reinterpret_cast<GaugeHeader*>(&tolvane_header), nullptr},
};
}

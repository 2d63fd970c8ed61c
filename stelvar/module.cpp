// The Stelvar_Instr module: its gauge table, in the order the host expects. Gauges not yet on this
// panel are left out; the table ends at the first null pointer.
#include "frame/module.h"

extern "C" {
MODULE_EXPORT LinkageRecord<29> Linkage = {
    .module_id      = linkage_module_id,
    .init           = module_init,
    .deinit         = module_deinit,
    .flags          = 0,
    .status         = 0,
    .module_version = 0x900,
    .gauges         = {
        nullptr,
    },
};
}

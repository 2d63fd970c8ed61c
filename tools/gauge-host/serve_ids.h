// Names and units of simulator variables (tokens) and key events for the workbench's lists and log:
// those of the ids header, which the rest of the tool prints too.
#pragma once

#include <cstdint>

#include "frame/sim_ids.h"

namespace serve {

using ::IdKind;
using ::NamedId;

// The name of a token or event, or nullptr when the ids header does not know it.
const char* id_name(IdKind kind, uint32_t value);
// Its unit, or "" when unknown.
const char* id_unit(IdKind kind, uint32_t value);

}  // namespace serve

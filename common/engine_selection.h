// Engine selection: one engine gauge definition serves any of four engines. The records are
// declared for engine 1; a digit 1 to 4 in the parameter text moves every token, key event and
// tooltip id of the gauge to that engine before it is installed.
#pragma once

#include <cstddef>

#include "frame/module.h"

// Ids [first, last] of one block of per-engine items: engine n's item lies (n - 1) * stride on.
struct StrideRange {
    uint32_t first, last, stride;
};

struct StrideTable {
    const StrideRange* ranges;
    std::size_t        count;
};

extern const StrideTable token_strides;
extern const StrideTable event_strides;
extern const StrideTable tooltip_strides;

// The engine a gauge's parameter text names: 1 to 4, 1 when it names none.
int32_t engine_number(const GaugeHeader* gauge);

// The engine-1 id moved to the gauge's engine.
uint32_t engine_shift(uint32_t id, const GaugeHeader* gauge, const StrideTable& table);

// The gauge callback of the engine gauges: moves the gauge's ids at installation.
void GAUGE_CALL engine_gauge_callback(GaugeHeader* gauge, int32_t service_id, HostWord extra);

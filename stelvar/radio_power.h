// Radio flags of Stelvar_Instr, shared between the radios and Shut_Down. Each radio's own switches
// write them; Shut_Down clears them all when its panel window connects while the host asks for a
// shut-down. 0 = off, 1 = on: every radio is on when the module loads.
#pragma once

#include <cstdint>

struct RadioPower {
    int32_t adf         = 1;
    int32_t adf_audio   = 1;   // volume knob on: the host's ADF audio is wanted
    int32_t com1        = 1;
    int32_t nav1        = 1;
    int32_t nav1_volume = 1;
    int32_t nav2        = 1;
    int32_t nav2_volume = 1;
    int32_t iff         = 1;
};
inline RadioPower radios;

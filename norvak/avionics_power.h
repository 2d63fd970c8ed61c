// Avionics power flags of Norvak_Instr, shared between gauges. Each radio head's switch writes its
// own flag; Engine_On switches them all on when its panel window connects; the marker lamps and the
// navigation indicators read them to park or hide their indications. 0 = off, 1 = on: every head is
// off when the module loads.
#pragma once

#include <cstdint>

struct AvionicsPower {
    int32_t com1;
    int32_t com2;
    int32_t nav1;
    int32_t nav2;
    int32_t atc;
    int32_t adf;
    int32_t adf_tone;   // TONE selected and the host's ADF audio switched on
};
inline AvionicsPower avionics;   // all zero: every head off

// Avionics power flags of Norvak_Instr, shared between gauges. Each radio head's switch writes its
// own flag; Engine_On switches them all on when its panel window connects; the marker lamps and the
// navigation indicators read them to park or hide their indications. 0 = off, 1 = on: every head is
// off when the module loads.
#pragma once

#include <cstdint>

inline int32_t com1_power = 0;
inline int32_t com2_power = 0;
inline int32_t nav1_power = 0;
inline int32_t nav2_power = 0;
inline int32_t atc_power  = 0;
inline int32_t adf_power  = 0;
inline int32_t adf_tone   = 0;   // TONE selected and the host's ADF audio switched on

// Avionics power flags of Norvak_Instr, shared between gauges. Each radio head's switch writes its
// own flag; Engine_On switches them all on when its panel window connects; the marker lamps and the
// navigation indicators read them to park or hide their indications. 0 = off, 1 = on; all 0 at load.
#pragma once

#include <cstdint>

extern int32_t com1_power;
extern int32_t com2_power;
extern int32_t nav1_power;
extern int32_t nav2_power;
extern int32_t atc_power;
extern int32_t adf_power;
extern int32_t adf_tone;   // TONE selected and the host's ADF audio switched on

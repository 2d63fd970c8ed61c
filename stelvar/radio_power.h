// Radio flags of Stelvar_Instr, shared between the radio heads and Shut_Down. Each radio's own
// switches write them; Shut_Down clears them all when its panel window connects and the host's
// variable 0x3C says so. 0 = off, 1 = on; all 1 at load.
#pragma once

#include <cstdint>

extern int32_t radio_adf_power;
extern int32_t radio_adf_audio;    // volume knob on: the host's ADF audio is wanted
extern int32_t radio_com1_power;
extern int32_t radio_nav1_power;
extern int32_t radio_nav1_volume;
extern int32_t radio_nav2_power;
extern int32_t radio_nav2_volume;
extern int32_t iff_power;

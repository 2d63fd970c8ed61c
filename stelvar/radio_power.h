// Radio flags of Stelvar_Instr, shared between the radios and Shut_Down. Each radio's own switches
// write them; Shut_Down clears them all when its panel window connects while the host asks for a
// shut-down. 0 = off, 1 = on: every radio is on when the module loads.
#pragma once

#include <cstdint>

inline int32_t radio_adf_power   = 1;
inline int32_t radio_adf_audio   = 1;   // volume knob on: the host's ADF audio is wanted
inline int32_t radio_com1_power  = 1;
inline int32_t radio_nav1_power  = 1;
inline int32_t radio_nav1_volume = 1;
inline int32_t radio_nav2_power  = 1;
inline int32_t radio_nav2_volume = 1;
inline int32_t iff_power         = 1;

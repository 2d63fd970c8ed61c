// The click sounds of Stelvar_Instr's gauges.
#pragma once

#include "sound/click_sound.h"

// Wave resources of the module: the electrical switches click with 10, the radios with 40.
constexpr uint32_t switch_click_wave = 10;
constexpr uint32_t radio_click_wave  = 40;

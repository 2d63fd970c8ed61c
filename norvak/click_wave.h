// The click sound of Norvak_Instr's gauges: every gauge that clicks loads wave resource 30.
#pragma once

#include "sound/click_sound.h"

constexpr uint32_t click_wave_id = 30;

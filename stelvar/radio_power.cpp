// The radio flags of Stelvar_Instr: every radio is on when the module loads.
#include "radio_power.h"

int32_t radio_adf_power   = 1;
int32_t radio_adf_audio   = 1;
int32_t radio_com1_power  = 1;
int32_t radio_nav1_power  = 1;
int32_t radio_nav1_volume = 1;
int32_t radio_nav2_power  = 1;
int32_t radio_nav2_volume = 1;
int32_t iff_power         = 1;

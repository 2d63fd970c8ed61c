// The avionics power flags of Norvak_Instr: every head is off when the module loads.
#include "avionics_power.h"

int32_t com1_power = 0;
int32_t com2_power = 0;
int32_t nav1_power = 0;
int32_t nav2_power = 0;
int32_t atc_power  = 0;
int32_t adf_power  = 0;
int32_t adf_tone   = 0;

// The water bomber's gauges in the real Norvak_Instr.gau: the cases both builds share.
#include "tests/common/norvak_adi_cases.h"
#include "tests/common/norvak_airframe_cases.h"
#include "tests/common/norvak_nav_cases.h"
#include "tests/common/norvak_radios_cases.h"
#include "tests/common/water_system_cases.h"

// The attack aircraft's gauges in the real Stelvar_Instr.gau: the cases both builds share.
#include "tests/common/stelvar_adf_cases.h"
#include "tests/common/stelvar_radios_cases.h"
#include "tests/common/stelvar_switches_cases.h"

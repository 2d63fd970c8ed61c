// The gauge tables, the panel buttons, the registration plate and Shut_Down, engine selection,
// Tolvane and the probe module on the native modules: the cases both builds share.
#include "tests/common/aircraft_tables_cases.h"
#include "tests/common/engine_selection_cases.h"
#include "tests/common/panel_buttons_cases.h"
#include "tests/common/probe_cases.h"
#include "tests/common/registration_cases.h"
#include "tests/common/tolvane_cases.h"

// Water system flags shared by Water_System (which owns them and runs the simulation) and
// Water_Doors_Switch (whose doors-open lamp refreshes doors_open). They survive the removal and
// re-installation of both gauges.
#pragma once

#include <cstdint>

extern int32_t water_master;        // 0 stops all scooping and dropping
extern int32_t drop_mode;           // 1: both tanks drop together; 0: left first, then right
extern int32_t doors_open;          // 1 while the doors are fully open and the master is on
extern int32_t drop_left_active;    // the tank is dropping
extern int32_t drop_right_active;

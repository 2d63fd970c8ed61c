// The gauge tables of the two aircraft modules, in the order the host reads them, with each gauge's
// width in millimetres.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "frame/gauge_records.h"

using GaugeTable = std::vector<std::pair<std::string, uint32_t>>;

inline const GaugeTable norvak_table = {
    {"Shut_Down", 30}, {"Registration", 150}, {"Engine_On", 30}, {"Kneeboard_Toggle", 19}, {"ATC_Toggle", 19},
    {"Map_Toggle", 19}, {"Invisible_Toggle", 19}, {"Fuel_Toggle", 19}, {"Close_Subpanel", 19},
    {"Radios_Toggle", 19}, {"Show_Yoke", 19}, {"Landing_View_Toggle", 19}, {"Nav_Instruments_Toggle", 19},
    {"GPS_Toggle", 19}, {"Throttle_Toggle", 19}, {"Overhead_Toggle", 19}, {"Compass_Toggle", 19},
    {"Electricity_Toggle", 19}, {"Gear_Toggle", 19}, {"Starter_Toggle", 19}, {"Bombardier_View_Toggle", 19},
    {"Drop_Water_Toggle", 19}, {"Collins_COM1", 100}, {"Collins_COM2", 100}, {"Collins_NAV1", 100},
    {"Collins_NAV2", 100}, {"Collins_ADF", 100}, {"Collins_ATC", 100}, {"Airspeed", 100}, {"Collins_RMI36", 100},
    {"Collins_ADI84A", 100}, {"Vertical_Speed", 100}, {"Turn_Coordinator", 100}, {"Altimeter", 100},
    {"Collins_DME42A", 100}, {"Collins_HSI70", 90}, {"Manifold_Pressure", 100}, {"Tachometer", 100},
    {"Cylinder_Head_Temp", 100}, {"Propeller_Torque", 100}, {"Oil_Pressure", 100}, {"Fuel_Qty_Left_Main", 100},
    {"Fuel_Qty_Right_Main", 100}, {"Fuel_Pressure", 100}, {"Carburetor_Temp", 100}, {"Oil_Temperature", 100},
    {"Fuel_Flow", 100}, {"Oil_Quantity", 100}, {"Clock", 100}, {"Flaps_Position", 100},
    {"Hydraulic_Pressure", 100}, {"Cowl_Flaps_Position", 100}, {"NAV_GPS_Switch", 30}, {"Gear_Lever", 31},
    {"Outer_Marker_Light", 40}, {"Middle_Marker_Light", 40}, {"Inner_Marker_Light", 40},
    {"Gear_Lamp_Front", 40}, {"Gear_Lamp_Left", 40}, {"Gear_Lamp_Right", 40}, {"Water_Qty_Left", 100},
    {"Water_Qty_Right", 100}, {"Water_Doors_Switch", 30}, {"Water_System", 40},
};

inline const GaugeTable stelvar_table = {
    {"Registration", 150}, {"Shut_Down", 30}, {"Map_Toggle", 19}, {"Kneeboard_Toggle", 19}, {"ATC_Toggle", 19},
    {"Invisible_Toggle", 19}, {"Radios_Toggle", 19}, {"GPS_Toggle", 19}, {"Electricity_Toggle", 19},
    {"Throttle_Toggle", 19}, {"Close_Subpanel", 19}, {"Landing_View_Toggle", 19}, {"Clock_Toggle", 19},
    {"Compass_Toggle", 19}, {"Lights_Toggle", 19}, {"Radio_ADF", 150}, {"Radio_COM1", 100}, {"Radio_NAV1", 100},
    {"Radio_NAV2", 100}, {"Radio_IFF_XPDR", 100}, {"Generator_Light", 30}, {"Battery_Switch", 30},
    {"Panel_Lights_Switch", 30}, {"Landing_Lights_Switch", 30}, {"Navigation_Lights_Switch", 30},
    {"Beacon_Lights_Switch", 30}, {"Strobe_Lights_Switch", 30}, {"Pitot_Heat_Switch", 30},
    {"Generator_Switch", 30},
};

// How a module's gauge table differs from its full table, one line for each difference: a gauge
// missing, out of order or unknown, or with another header version or size. Empty when they agree.
inline std::vector<std::string> table_differences(const LinkageView* linkage, const GaugeTable& full)
{
    std::vector<std::string> differences;
    size_t                   at = 0;
    for (GaugeHeader* const* g = linkage->gauges; *g; ++g) {
        const std::string name = (*g)->name;
        size_t            found = at;
        while (found < full.size() && full[found].first != name)
            ++found;
        if (found == full.size()) {
            differences.push_back(name + " is out of order or unknown");
            continue;
        }
        for (; at < found; ++at)
            differences.push_back(full[at].first + " is missing");
        if ((*g)->version != 800 || (*g)->size_x_mm != full[at].second || (*g)->size_y_mm != 0)
            differences.push_back(name + " has version " + std::to_string((*g)->version) + " and size " +
                                  std::to_string((*g)->size_x_mm) + " x " + std::to_string((*g)->size_y_mm));
        ++at;
    }
    for (; at < full.size(); ++at)
        differences.push_back(full[at].first + " is missing");
    return differences;
}

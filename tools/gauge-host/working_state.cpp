#include "working_state.h"

#include <vector>

namespace working_state {
namespace {

struct TokenSet {
    host::Token token;
    double      value;
    bool        integer = false;   // read by the gauge as a 32-bit integer
};

struct Click {
    int x, y;
};

struct Row {
    const char*                           module;
    const char*                           gauge;
    std::vector<TokenSet>                 tokens     = {};
    std::vector<std::pair<const char*, double>>      numbers = {};   // expression answers
    std::vector<std::pair<const char*, const char*>> texts   = {};
    std::vector<const char*>              helpers    = {};   // gauges of the same module installed first
    std::vector<Click>                    clicks     = {};   // on the gauge, after it is connected
    int                                   frames     = 1;
    const char*                           parameters = "";
};

// Token units are the gauges' own: pounds per square foot for pressures, degrees Rankine for
// temperatures, binary-coded decimal for frequencies and codes.
const std::vector<Row>& rows()
{
    static const std::vector<Row> table = {
        // The water bomber.
        {"Norvak_Instr", "Airspeed", {{0x3D, 120}}},
        {"Norvak_Instr", "Altimeter", {{0x4A, 3250}, {0x4B, 1013}}},
        {"Norvak_Instr", "Vertical_Speed", {{0x41, 500 * 1.3004799583846413}}},
        {"Norvak_Instr", "Turn_Coordinator", {{0x46, 2 * 256}, {0x45, 8}}},
        {"Norvak_Instr", "Manifold_Pressure", {{0x187, 30 * 106.0992}, {0x1AE, 29 * 106.0992}}},
        {"Norvak_Instr", "Tachometer", {{0x186, 2250}, {0x1AD, 2200}}},
        {"Norvak_Instr", "Cylinder_Head_Temp", {{0x19F, 491.67 + 180 * 1.8}, {0x1C6, 491.67 + 170 * 1.8}}},
        {"Norvak_Instr", "Propeller_Torque", {{0x194, 150 * 26.0}, {0x1BB, 140 * 26.0}}},
        {"Norvak_Instr", "Oil_Pressure", {{0x1A2, 80 * 144.0}, {0x1C9, 75 * 144.0}}},
        {"Norvak_Instr", "Fuel_Qty_Left_Main", {{0x124, 700}, {0x123, 8388610 / 2.0}}},
        {"Norvak_Instr", "Fuel_Qty_Right_Main", {{0x12A, 700}, {0x129, 8388610 / 2.0}}},
        {"Norvak_Instr", "Fuel_Pressure", {{0x1A9, 17 * 144.0}, {0x1D0, 16 * 144.0}}},
        {"Norvak_Instr", "Carburetor_Temp", {},
         {{"(A:RECIP CARBURETOR TEMPERATURE:1,celsius)", 22}, {"(A:RECIP CARBURETOR TEMPERATURE:2,celsius)", 20}}},
        {"Norvak_Instr", "Oil_Temperature", {{0x1A0, 491.67 + 70 * 1.8}, {0x1C7, 491.67 + 65 * 1.8}}},
        {"Norvak_Instr", "Fuel_Flow", {{0x1A5, 800}}},
        {"Norvak_Instr", "Oil_Quantity", {{0x95, 0.75 * 16384}}},
        {"Norvak_Instr", "Clock", {{0x22D, 10 * 3600 + 9 * 60 + 30}}},
        {"Norvak_Instr", "Flaps_Position", {{0x14A, 0.25 * 16382}}, {}, {}, {}, {}, 60},
        {"Norvak_Instr", "Hydraulic_Pressure", {{0x2DC, 3000 * 144.0}}},
        {"Norvak_Instr", "Cowl_Flaps_Position", {{0x18B, 0.5}}, {}, {}, {}, {}, 60},
        {"Norvak_Instr", "Water_Qty_Left", {{0x127, 8388608 / 2.0}}},
        {"Norvak_Instr", "Water_Qty_Right", {{0x12D, 8388608 / 2.0}}},
        {"Norvak_Instr", "Gear_Lamp_Front", {{0x14C, 1}}},
        {"Norvak_Instr", "Gear_Lamp_Left", {{0x14D, 1}}},
        {"Norvak_Instr", "Gear_Lamp_Right", {{0x14E, 1}}},
        {"Norvak_Instr", "Gear_Lever", {{0x14B, 1}}},
        {"Norvak_Instr", "Outer_Marker_Light", {{0x162, 1}}},
        {"Norvak_Instr", "Middle_Marker_Light", {{0x162, 2}}},
        {"Norvak_Instr", "Inner_Marker_Light", {{0x162, 3}}},
        {"Norvak_Instr", "Registration", {}, {}, {{"(A:ATC ID,string)", "C-FNVK"}}},
        // Radio heads: the engine-start gauge powers them.
        {"Norvak_Instr", "Collins_COM1", {{0x17, 0x2395, true}}, {}, {}, {"Engine_On"}},
        {"Norvak_Instr", "Collins_COM2", {{0x366, 0x2190, true}}, {}, {}, {"Engine_On"}},
        {"Norvak_Instr", "Collins_NAV1", {{0x18, 0x1090, true}}, {}, {}, {"Engine_On"}},
        {"Norvak_Instr", "Collins_NAV2", {{0x1B, 0x1130, true}}, {}, {}, {"Engine_On"}},
        {"Norvak_Instr", "Collins_ADF", {{0x10, 0x345, true}, {0x12, 5, true}}, {}, {}, {"Engine_On"}},
        {"Norvak_Instr", "Collins_ATC", {{0x26, 0x1200, true}}, {}, {}, {"Engine_On"}},
        // The DME switched to minutes: distance, ground speed and time to the station.
        {"Norvak_Instr", "Collins_DME42A", {{0x163, 1, true}, {0x174, 12.4}, {0x175, 140}, {0x176, 5.3}}, {}, {},
         {"Engine_On"}, {{177, 169}}},
        {"Norvak_Instr", "Collins_HSI70", {{0x2B, 25}, {0x11A, 1}}},
        {"Norvak_Instr", "Collins_RMI36", {{0x2B, 25}, {0x3B, 1}, {0x54, 1}}},
        {"Norvak_Instr", "Collins_ADI84A", {{0x266, 450}}},
        {"Norvak_Instr", "Water_System", {{0x387, 1}, {0x2F1, 1}}},
        // The attack aircraft: its radios are on from load; they are tuned here.
        {"Stelvar_Instr", "Radio_COM1", {{0x17, 0x2395, true}}},
        {"Stelvar_Instr", "Radio_NAV1", {{0x18, 0x1090, true}}},
        {"Stelvar_Instr", "Radio_NAV2", {{0x1B, 0x1130, true}}},
        {"Stelvar_Instr", "Radio_ADF", {{0x10, 0x345, true}, {0x12, 9, true}}},
        {"Stelvar_Instr", "Radio_IFF_XPDR", {{0x26, 0x1200, true}}},
        {"Stelvar_Instr", "Generator_Light", {{0x236, 1}}},
        {"Stelvar_Instr", "Battery_Switch", {{0x16C, 1}}},
        {"Stelvar_Instr", "Beacon_Lights_Switch", {{0x170, 1}}},
        {"Stelvar_Instr", "Landing_Lights_Switch", {{0xE, 1}}},
        {"Stelvar_Instr", "Navigation_Lights_Switch", {{0x26B, 1}}},
        {"Stelvar_Instr", "Panel_Lights_Switch", {{0xA, 1}}},
        {"Stelvar_Instr", "Pitot_Heat_Switch", {{0xD, 1}}},
        {"Stelvar_Instr", "Strobe_Lights_Switch", {{0xB, 1}}},
        {"Stelvar_Instr", "Generator_Switch", {{0x235, 1}}},
        {"Stelvar_Instr", "Registration", {}, {}, {{"(A:ATC ID,string)", "N417SV"}}},
        {"Tolvane", "Tolvane", {{0x43, 1}}},
    };
    return table;
}

const Row* find(const std::string& module, const std::string& gauge)
{
    for (const Row& r : rows())
        if (module == r.module && gauge == r.gauge)
            return &r;
    return nullptr;
}

}  // namespace

host::Gauge& install(host::PanelHost& host, host::Module& module, const std::string& gauge)
{
    const Row* row = find(module.name(), gauge);
    if (row == nullptr) {
        host::Gauge& g = host.add_gauge(module, gauge);
        g.connect();
        host.frame(1.0 / 18);
        return g;
    }
    for (const TokenSet& t : row->tokens) {
        if (t.integer)
            host.sim().set_integer(t.token, static_cast<int32_t>(t.value));
        else
            host.sim().set(t.token, t.value);
    }
    for (auto [code, number] : row->numbers)
        host.sim().set_expression(code, number);
    for (auto [code, text] : row->texts)
        host.sim().set_expression_text(code, text);
    for (const char* helper : row->helpers)
        host.add_gauge(module, helper, {}, std::string("working.") + helper).connect();
    host::Gauge& g = host.add_gauge(module, gauge, row->parameters);
    g.connect();
    host.frame(1.0 / 18);
    for (const Click& c : row->clicks) {
        g.click_at(c.x, c.y, MOUSE_LEFTSINGLE);
        host.frame(1.0 / 18);
    }
    for (int i = 1; i < row->frames; ++i)
        host.frame(1.0 / 18);
    return g;
}

}  // namespace working_state

// Art hints of the Norvak_Instr module.
#include "frame/art_hints.h"

extern "C" LinkageRecord<64> Linkage;

constexpr uint32_t green = 0x30B040, yellow = 0xE8C020, red = 0xE02020, white = 0xF0F0F0;
static const artgen::Band airspeed_bands[]    = {{60, 110, white}, {75, 170, green}, {170, 220, yellow}, {220, 220, red}};
static const artgen::Band manifold_bands[]    = {{20, 40, green}, {45, 45, red}};
static const artgen::Band rpm_bands[]         = {{18, 26, green}, {27, 27, red}};
static const artgen::Band cht_bands[]         = {{150, 230, green}, {260, 260, red}};
static const artgen::Band torque_bands[]      = {{60, 220, green}, {250, 250, red}};
static const artgen::Band oil_pressure_bands[] = {{25, 25, red}, {60, 90, green}, {100, 100, red}};
static const artgen::Band fuel_pressure_bands[] = {{12, 12, red}, {15, 20, green}, {25, 25, red}};
static const artgen::Band carb_bands[]        = {{-10, 15, yellow}, {15, 40, green}, {40, 40, red}};
static const artgen::Band oil_temperature_bands[] = {{40, 85, green}, {100, 100, red}};
static const artgen::Band fuel_flow_bands[]   = {{400, 1200, green}, {1600, 1600, red}};
static const artgen::Band oil_quantity_bands[] = {{25, 25, red}};
static const artgen::Band hydraulic_bands[]   = {{2800, 3200, green}, {3500, 3500, red}};

using artgen::Decal;

// Water panel: the selector, master switches and scoop lamp named on the face.
static const artgen::FaceDecal water_system_decals[] = {
    {.kind = Decal::legend, .x = 97, .y = 38, .text = "DROP MODE", .size = 7},
    {.kind = Decal::legend, .x = 190, .y = 91, .text = "MASTER", .size = 7},
    {.kind = Decal::legend, .x = 320, .y = 86, .text = "SCOOP", .size = 8},
};

// DME: the source knob picks the NAV receiver; the mode knob steps down on its left, up on its right.
static const artgen::FaceDecal dme_decals[] = {
    {.kind = Decal::legend, .x = 50, .y = 148, .text = "NAV", .size = 7},
    {.kind = Decal::legend, .x = 162, .y = 148, .text = "MODE", .size = 7},
    {.kind = Decal::arrow_down, .x = 139, .y = 170, .size = 7},
    {.kind = Decal::arrow_up, .x = 186, .y = 170, .size = 7},
    {.kind = Decal::legend, .x = 181, .y = 57, .text = "TEST", .size = 6},
};

// Water doors: the lever's two positions, and the dark window of the doors-open lamp.
static const artgen::FaceDecal water_doors_decals[] = {
    {.kind = Decal::legend, .x = 53, .y = 12, .text = "WATER DOORS", .size = 9},
    {.kind = Decal::recess, .x = 23, .y = 22, .width = 60, .height = 24},
    {.kind = Decal::legend, .x = 141, .y = 10, .text = "OPEN", .size = 8},
    {.kind = Decal::legend, .x = 139, .y = 52, .text = "CLOSE", .size = 8},
};

static const artgen::GaugeHint gauges[] = {
    {.gauge = "Shut_Down", .width = 60, .height = 30},
    {.gauge = "Registration", .width = 150, .height = 25},
    // Panel buttons: a 19 x 19 face around the 13 x 13 push area.
    {.gauge = "Kneeboard_Toggle", .width = 19, .height = 19},
    {.gauge = "ATC_Toggle", .width = 19, .height = 19},
    {.gauge = "Map_Toggle", .width = 19, .height = 19},
    {.gauge = "Invisible_Toggle", .width = 19, .height = 19},
    {.gauge = "Fuel_Toggle", .width = 19, .height = 19},
    {.gauge = "Close_Subpanel", .width = 19, .height = 19},
    {.gauge = "Radios_Toggle", .width = 19, .height = 19},
    {.gauge = "Show_Yoke", .width = 19, .height = 19},
    {.gauge = "Landing_View_Toggle", .width = 19, .height = 19},
    {.gauge = "Nav_Instruments_Toggle", .width = 19, .height = 19},
    {.gauge = "GPS_Toggle", .width = 19, .height = 19},
    {.gauge = "Throttle_Toggle", .width = 19, .height = 19},
    {.gauge = "Overhead_Toggle", .width = 19, .height = 19},
    {.gauge = "Compass_Toggle", .width = 19, .height = 19},
    {.gauge = "Electricity_Toggle", .width = 19, .height = 19},
    {.gauge = "Gear_Toggle", .width = 19, .height = 19},
    {.gauge = "Starter_Toggle", .width = 19, .height = 19},
    {.gauge = "Bombardier_View_Toggle", .width = 19, .height = 19},
    {.gauge = "Drop_Water_Toggle", .width = 19, .height = 19},
    // Airframe and engine dials: numerals in the dial's unit, coloured bands where such dials carry
    // them (green: normal, yellow: caution, white: flaps extended, red lines: limits).
    {.gauge = "Airspeed", .title = "AIRSPEED", .unit = "KNOTS", .major = 20, .minor = 5, .bands = airspeed_bands},
    {.gauge = "Vertical_Speed", .title = "VERTICAL SPEED", .unit = "1000 FT/MIN", .label_scale = 1 / 1300.4799583846413,
     .major = 1, .minor = 0.5, .unsigned_numerals = true},
    {.gauge = "Altimeter", .title = "ALT", .unit = "FEET", .width = 282, .height = 282, .ring = 10, .ring_top = 0,
     .centre_x = 141, .centre_y = 139},
    {.gauge = "Turn_Coordinator", .title = "TURN COORDINATOR", .unit = "2 MIN", .label_scale = 0, .width = 200,
     .height = 200, .centre_x = 99, .centre_y = 100},
    {.gauge = "Manifold_Pressure", .title = "MANIFOLD", .unit = "INCHES OF MERCURY", .label_scale = 1 / 106.0992,
     .major = 5, .minor = 1, .numerals = 10, .bands = manifold_bands},
    {.gauge = "Tachometer", .title = "RPM", .unit = "X 100", .label_scale = 0.01, .major = 5, .minor = 1,
     .bands = rpm_bands},
    {.gauge = "Cylinder_Head_Temp", .title = "CYL HEAD", .unit = "DEGREES C", .label_scale = 1 / 1.8,
     .label_offset = -491.67, .major = 50, .minor = 10, .numerals = 100, .bands = cht_bands},
    {.gauge = "Propeller_Torque", .title = "TORQUE", .unit = "FT-LBS", .major = 50, .minor = 10, .numerals = 50,
     .bands = torque_bands},
    {.gauge = "Oil_Pressure", .title = "OIL PRESS", .unit = "PSI", .label_scale = 1 / 144.0, .major = 20, .minor = 5,
     .numerals = 40, .bands = oil_pressure_bands},
    // The two tanks' dials share their face, so it carries no side.
    {.gauge = "Fuel_Qty_Left_Main", .title = "FUEL", .unit = "POUNDS", .major = 1000, .minor = 250},
    {.gauge = "Fuel_Qty_Right_Main", .title = "FUEL", .unit = "POUNDS", .major = 1000, .minor = 250},
    {.gauge = "Fuel_Pressure", .title = "FUEL PRESS", .unit = "PSI", .label_scale = 1 / 144.0, .major = 5, .minor = 1,
     .numerals = 10, .bands = fuel_pressure_bands},
    {.gauge = "Carburetor_Temp", .title = "CARB", .unit = "DEGREES C", .major = 10, .minor = 5, .numerals = 20,
     .bands = carb_bands},
    {.gauge = "Oil_Temperature", .title = "OIL TEMP", .unit = "DEGREES C", .label_scale = 1 / 1.8,
     .label_offset = -491.67, .major = 25, .minor = 5, .numerals = 50, .bands = oil_temperature_bands},
    {.gauge = "Fuel_Flow", .title = "FUEL FLOW", .unit = "POUNDS PER HOUR", .major = 300, .minor = 100,
     .bands = fuel_flow_bands},
    {.gauge = "Oil_Quantity", .title = "OIL QTY", .unit = "PERCENT", .label_scale = 100 / 16384.0, .major = 25,
     .minor = 5, .bands = oil_quantity_bands},
    {.gauge = "Clock", .title = "CLOCK", .width = 280, .height = 280, .ring = 12, .ring_top = 12},
    {.gauge = "Flaps_Position", .title = "FLAPS", .unit = "DEGREES", .label_scale = 40 / 16382.0, .major = 10,
     .minor = 5},
    {.gauge = "Hydraulic_Pressure", .title = "HYD PRESS", .unit = "PSI", .label_scale = 1 / 144.0, .major = 1000,
     .minor = 250, .bands = hydraulic_bands},
    {.gauge = "Cowl_Flaps_Position", .title = "COWL FLAPS", .unit = "PERCENT OPEN", .label_scale = 100, .major = 25,
     .minor = 5},
    {.gauge = "NAV_GPS_Switch", .width = 57, .height = 30},
    {.gauge = "Gear_Lever", .width = 31, .height = 107},
    // A full tank (0x800000) holds 5900 pounds of water.
    {.gauge = "Water_Qty_Left", .title = "WATER", .unit = "POUNDS", .label_scale = 5900 / 8388608.0},
    {.gauge = "Water_Qty_Right", .title = "WATER", .unit = "POUNDS", .label_scale = 5900 / 8388608.0},
    {.gauge = "Water_Doors_Switch", .width = 200, .height = 64,
     .decals = water_doors_decals},
    {.gauge = "Water_System", .title = "WATER SYSTEM", .width = 350, .height = 96, .decals = water_system_decals},
    // Navigation instruments.
    {.gauge = "Collins_DME42A", .title = "DME   NM", .width = 212, .height = 192, .decals = dme_decals},
    {.gauge = "Collins_RMI36", .label_scale = 0, .width = 300, .height = 300, .centre_x = 150, .centre_y = 150},
    {.gauge = "Collins_HSI70", .width = 300, .height = 280, .centre_x = 149, .centre_y = 146},
    // The aircraft symbol at the sphere's centre.
    {.gauge = "Collins_ADI84A", .width = 300, .height = 280, .centre_x = 148, .centre_y = 128},
    // Radio heads: the tuning knob's centre is the face's centre.
    {.gauge = "Collins_COM1", .width = 144, .height = 160, .centre_x = 105, .centre_y = 110},
    {.gauge = "Collins_COM2", .width = 144, .height = 160, .centre_x = 105, .centre_y = 110},
    {.gauge = "Collins_NAV1", .width = 144, .height = 160, .centre_x = 105, .centre_y = 110},
    {.gauge = "Collins_NAV2", .width = 144, .height = 160, .centre_x = 105, .centre_y = 110},
    {.gauge = "Collins_ADF", .width = 144, .height = 160, .centre_x = 105, .centre_y = 110},
    {.gauge = "Collins_ATC", .width = 144, .height = 160, .centre_x = 105, .centre_y = 110},
    {.gauge = ""},
};

static const artgen::BitmapHint bitmaps[] = {
    {.id = 40, .art = artgen::Art::plate, .text = "SHUT DOWN"},
    {.id = 50, .art = artgen::Art::plate},
    // Panel button faces: every face a b option may choose is one of these.
    {.id = 60, .art = artgen::Art::button, .text = "KNEE", .width = 19, .height = 19},
    {.id = 70, .art = artgen::Art::button, .text = "MAP", .width = 19, .height = 19},
    {.id = 80, .art = artgen::Art::button, .text = "ATC", .width = 19, .height = 19},
    {.id = 100, .art = artgen::Art::button, .text = "INV", .width = 19, .height = 19},
    {.id = 110, .art = artgen::Art::button, .text = "FUEL", .width = 19, .height = 19},
    {.id = 120, .art = artgen::Art::button, .text = "CLOSE", .width = 19, .height = 19},
    {.id = 130, .art = artgen::Art::button, .text = "RADIO", .width = 19, .height = 19},
    {.id = 140, .art = artgen::Art::button, .text = "YOKE", .width = 19, .height = 19},
    {.id = 150, .art = artgen::Art::button, .text = "LAND", .width = 19, .height = 19},
    {.id = 160, .art = artgen::Art::button, .text = "NAV", .width = 19, .height = 19},
    {.id = 170, .art = artgen::Art::button, .text = "GPS", .width = 19, .height = 19},
    {.id = 180, .art = artgen::Art::button, .text = "THR", .width = 19, .height = 19},
    {.id = 190, .art = artgen::Art::button, .text = "OVHD", .width = 19, .height = 19},
    {.id = 200, .art = artgen::Art::button, .text = "COMP", .width = 19, .height = 19},
    {.id = 210, .art = artgen::Art::button, .text = "ELEC", .width = 19, .height = 19},
    {.id = 220, .art = artgen::Art::button, .text = "GEAR", .width = 19, .height = 19},
    {.id = 230, .art = artgen::Art::button, .text = "START", .width = 19, .height = 19},
    {.id = 240, .art = artgen::Art::button, .text = "BOMB", .width = 19, .height = 19},
    {.id = 250, .art = artgen::Art::button, .text = "WATER", .width = 19, .height = 19},
    // Altimeter: three hands of decreasing length, the setting disc and its small needle.
    // Altimeter: three hands of decreasing length (the ten-thousands hand thin, with a broad tip),
    // the setting disc turning under the bezel's window at 3 o'clock (2.95 degrees per hPa about
    // 1013), the bezel over the face's rim, the setting knob in the lower left corner.
    {.id = 1240, .width = 150, .height = 27, .blade = 4},
    {.id = 1250, .width = 110, .height = 29, .blade = 8},
    {.id = 1260, .width = 150, .height = 97, .blade = 2},
    {.id = 1230, .art = artgen::Art::setting_scale, .text = "952|1074|1013", .width = 277, .height = 279,
     .angle_step = 1, .window_x = 259, .window_y = 139, .blade = 34},
    {.id = 1270, .art = artgen::Art::bezel, .window_x = 259, .window_y = 139, .blade = 34},
    {.id = 1210, .art = artgen::Art::knob, .width = 56, .height = 57},
    // Clock hands: hour, minute, second.
    {.id = 1190, .width = 80, .height = 23},
    {.id = 1180, .width = 115, .height = 19},
    {.id = 1170, .width = 170, .height = 17},
    // Turn coordinator: the ball and the aircraft symbol.
    // Turn coordinator: the ball, the tube's centre marks (the ball's rest at x 100), the aircraft.
    {.id = 2200, .art = artgen::Art::ball, .width = 24, .height = 24},
    {.id = 2210, .art = artgen::Art::inclinometer, .width = 184, .height = 42, .window_x = 100, .blade = 12},
    {.id = 2190, .art = artgen::Art::aircraft, .width = 40, .height = 27},
    {.id = 3050, .art = artgen::Art::plate, .text = "LBS/HR", .width = 70, .height = 22},
    // Lamps and switches.
    {.id = 490, .art = artgen::Art::lamp, .text = "GEAR", .colour = 0x30D040},
    {.id = 491, .art = artgen::Art::lamp, .text = "UP", .colour = 0xFFB020},
    {.id = 492, .art = artgen::Art::lamp, .text = "DOWN", .colour = 0x30D040},
    {.id = 2320, .art = artgen::Art::panel, .text = "GEAR"},
    {.id = 2330, .art = artgen::Art::plate, .text = "UP"},
    {.id = 2331, .art = artgen::Art::plate, .text = "DOWN"},
    {.id = 2230, .art = artgen::Art::lamp, .text = "OM", .colour = 0x3060FF},
    {.id = 2240, .art = artgen::Art::lamp, .text = "OM", .colour = 0x3060FF},
    {.id = 2250, .art = artgen::Art::lamp, .text = "MM", .colour = 0xFFB020},
    {.id = 2260, .art = artgen::Art::lamp, .text = "MM", .colour = 0xFFB020},
    {.id = 2270, .art = artgen::Art::lamp, .text = "IM", .colour = 0xF0F0F0},
    {.id = 2280, .art = artgen::Art::lamp, .text = "IM", .colour = 0xF0F0F0},
    {.id = 1470, .art = artgen::Art::panel},
    {.id = 1480, .art = artgen::Art::button, .text = "NAV"},
    {.id = 1481, .art = artgen::Art::button, .text = "GPS", .colour = 0x2060A0},
    // Water panel: masters, drop-mode selector (frame 0: both tanks), scoop lamp, doors lever and lamp.
    {.id = 3140, .art = artgen::Art::switch_frames, .width = 26, .height = 60},
    {.id = 3150, .art = artgen::Art::button, .text = "BOTH", .width = 39, .height = 27},
    {.id = 3151, .art = artgen::Art::button, .text = "L>R", .colour = 0x804020, .width = 39, .height = 27},
    {.id = 3160, .art = artgen::Art::lamp, .colour = 0x30A0FF, .width = 27, .height = 34},
    {.id = 3180, .art = artgen::Art::switch_frames, .width = 38, .height = 60},
    {.id = 3190, .art = artgen::Art::lamp, .text = "OPEN", .colour = 0x30D040, .width = 60, .height = 24},
    // DME: test lamp (also the TEST button), mode knob OFF / MIN / KTS, source knob 1 / 2.
    {.id = 1320, .art = artgen::Art::lamp, .text = "T", .colour = 0xFFB020, .width = 17, .height = 17},
    {.id = 1330, .art = artgen::Art::button, .text = "OFF", .width = 31, .height = 31},
    {.id = 1331, .art = artgen::Art::button, .text = "MIN", .colour = 0x2060A0, .width = 31, .height = 31},
    {.id = 1332, .art = artgen::Art::button, .text = "KTS", .colour = 0x2060A0, .width = 31, .height = 31},
    {.id = 1340, .art = artgen::Art::button, .text = "1", .width = 31, .height = 31},
    {.id = 1341, .art = artgen::Art::button, .text = "2", .width = 31, .height = 31},
    // RMI: compass card, single needle 470 (VOR1 / ADF) and broad needle 460 (VOR2 / ADF), selectors.
    {.id = 420, .art = artgen::Art::dial},
    {.id = 430, .art = artgen::Art::compass_card},
    {.id = 460, .colour = 0x30D040, .width = 185, .height = 29},
    {.id = 470, .width = 187, .height = 19},
    // The selectors are round buttons in the face's lower corners, clear of the card.
    {.id = 440, .art = artgen::Art::button, .text = "VOR2", .width = 59, .height = 59, .window_x = 38, .window_y = 38,
     .blade = 15},
    {.id = 441, .art = artgen::Art::button, .text = "ADF", .colour = 0x2060A0, .width = 59, .height = 59,
     .window_x = 38, .window_y = 38, .blade = 15},
    {.id = 450, .art = artgen::Art::button, .text = "VOR1", .width = 59, .height = 59, .window_x = 21, .window_y = 38,
     .blade = 15},
    {.id = 451, .art = artgen::Art::button, .text = "ADF", .colour = 0x2060A0, .width = 59, .height = 59,
     .window_x = 21, .window_y = 38, .blade = 15},
    // HSI: card, bug, course pointer, TO/FROM arrow, deviation bar, glideslope pointer, flags, knobs.
    {.id = 1350, .art = artgen::Art::dial},
    {.id = 1360, .art = artgen::Art::compass_card},
    {.id = 1380, .art = artgen::Art::button, .colour = 0xE07020, .width = 17, .height = 12},
    {.id = 1390, .width = 121, .height = 17},
    {.id = 1370, .art = artgen::Art::button, .text = "TO", .width = 39, .height = 20},
    {.id = 1400, .art = artgen::Art::button, .colour = 0xE0E0E0, .width = 8, .height = 90},
    {.id = 1410, .art = artgen::Art::button, .colour = 0x30D040, .width = 14, .height = 10},
    // The flags show at the face's rim, on the side of their bitmaps toward the centre.
    {.id = 1420, .art = artgen::Art::button, .text = "GS", .colour = 0xC02018, .width = 24, .height = 30,
     .window_x = 16, .window_y = 20, .blade = 8},
    {.id = 1430, .art = artgen::Art::button, .text = "HDG", .colour = 0xC02018, .width = 24, .height = 30,
     .window_x = 8, .window_y = 20, .blade = 8},
    {.id = 1440, .art = artgen::Art::button, .text = "HDG", .width = 40, .height = 40},
    {.id = 1450, .art = artgen::Art::button, .text = "CRS", .width = 40, .height = 40},
    // ADI. The sphere turns about its centre and moves up to 80 pixels: after its 0.75 squeeze on x
    // it covers its 198 x 180 window at every bank (a circle of 197 pixels about the moved centre).
    {.id = 1020, .art = artgen::Art::attitude, .width = 528, .height = 396},
    {.id = 1010, .art = artgen::Art::upright_needle, .width = 16, .height = 240},
    {.id = 1030, .art = artgen::Art::command_bars, .width = 180, .height = 80, .window_x = 148, .window_y = 128},
    {.id = 1040, .art = artgen::Art::bank_scale, .width = 210, .height = 140, .window_x = 148, .window_y = 158},
    // The tape reads at its index (y 100); 1 pixel per 5 feet.
    {.id = 1060, .art = artgen::Art::glass, .window_y = 200},
    {.id = 1140, .art = artgen::Art::tape, .width = 38, .height = 596, .window_y = 100},
    {.id = 1150, .art = artgen::Art::button, .colour = 0xF0F0F0, .width = 9, .height = 8},
    {.id = 1110, .art = artgen::Art::button, .colour = 0x30D040, .width = 26, .height = 12},
    {.id = 1100, .art = artgen::Art::button, .colour = 0x30D040, .width = 14, .height = 10},
    {.id = 1080, .art = artgen::Art::lamp, .colour = 0xF0F0F0, .width = 18, .height = 18},
    {.id = 1130, .art = artgen::Art::button, .text = "RAD ALT", .colour = 0xC02018, .width = 44, .height = 20},
    {.id = 1120, .art = artgen::Art::button, .text = "LOC", .colour = 0x505458, .width = 122, .height = 26},
    {.id = 1090, .art = artgen::Art::button, .text = "GS", .colour = 0xC02018, .width = 24, .height = 30},
    {.id = 1050, .art = artgen::Art::button, .text = "GYRO", .colour = 0xC02018, .width = 40, .height = 22},
    {.id = 1070, .art = artgen::Art::lamp, .text = "DH", .colour = 0xFFB020, .width = 30, .height = 22},
    // Radio heads: faces name the mode knob's positions by frame; the knob and the power lamp are
    // shared by all six heads.
    {.id = 330, .art = artgen::Art::radio_face, .text = "ADF|OFF|ANT|ADF|TONE"},
    {.id = 340, .art = artgen::Art::rotary, .width = 24, .height = 24},
    {.id = 350, .art = artgen::Art::lamp, .colour = 0x30D040, .width = 10, .height = 10},
    {.id = 370, .art = artgen::Art::radio_face, .text = "ATC|OFF|STBY|ON|ALT"},
    {.id = 380, .art = artgen::Art::radio_face, .text = "COM 1||OFF|ON|SQ OFF"},
    {.id = 390, .art = artgen::Art::radio_face, .text = "COM 2||OFF|ON|SQ OFF"},
    {.id = 400, .art = artgen::Art::radio_face, .text = "NAV 1||OFF|ON|HLD"},
    {.id = 410, .art = artgen::Art::radio_face, .text = "NAV 2||OFF|ON|HLD"},
    {.id = 0},
};

static const artgen::WaveHint waves[] = {
    {.id = 10, .frequency = 1500, .seconds = 0.06},
    {.id = 20, .frequency = 1100, .seconds = 0.06},
    {.id = 30, .frequency = 2200, .seconds = 0.06},
};

const artgen::ModuleArt module_art = {
    .name    = "Norvak_Instr",
    .linkage = reinterpret_cast<const LinkageView*>(&Linkage),
    .gauges  = gauges,
    .bitmaps = bitmaps,
    .waves   = waves,
};

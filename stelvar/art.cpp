// Art hints of the Stelvar_Instr module.
#include "frame/art_hints.h"

extern "C" LinkageRecord<29> Linkage;

using artgen::Decal;

// COM1: the selectors read 1xx.xxx MHz across the top; the leading 1 is printed in a window of its
// own and the decimal point stands between the units and tenths selectors (whose windows span x 4
// to 46 of their 50 pixels, y 10 to 37 on the face).
static const artgen::FaceDecal com1_decals[] = {
    {.kind = Decal::recess, .x = 22, .y = 10, .width = 18, .height = 27},
    {.kind = Decal::digit, .x = 31, .y = 24, .text = "1", .size = 21.5},
    {.kind = Decal::point, .x = 145, .y = 31, .size = 4},
    {.kind = Decal::legend, .x = 128, .y = 67, .text = "MHz", .size = 9},
    {.kind = Decal::plate, .x = 128, .y = 86, .width = 98, .height = 22, .text = "COM 1", .size = 13},
    {.kind = Decal::grille, .x = 128, .y = 116, .width = 98, .height = 72},
    {.kind = Decal::legend, .x = 36, .y = 108, .text = "PWR", .size = 8},
    {.kind = Decal::legend, .x = 86, .y = 150, .text = "ON", .size = 8},
    {.kind = Decal::legend, .x = 86, .y = 186, .text = "OFF", .size = 8},
};

// NAV1 and NAV2: the leading 1 and four drums read 1xx.xx MHz in one recess, the decimal point in
// the gap between the second and third drums; the knobs and switches named where they sit.
static const artgen::FaceDecal nav_decals[] = {
    {.kind = Decal::recess, .x = 100, .y = 34, .width = 74, .height = 22},
    {.kind = Decal::point, .x = 143, .y = 50, .size = 3},
    {.kind = Decal::legend, .x = 79, .y = 72, .text = "MHz", .size = 7},
    {.kind = Decal::legend, .x = 195, .y = 72, .text = "kHz", .size = 7},
    {.kind = Decal::legend, .x = 39, .y = 24, .text = "ON", .size = 7},
    {.kind = Decal::legend, .x = 62, .y = 82, .text = "OFF", .size = 7},
    {.kind = Decal::legend, .x = 242, .y = 40, .text = "VOL", .size = 7},
    {.kind = Decal::legend, .x = 229, .y = 86, .text = "OFF", .size = 6},
    {.kind = Decal::legend, .x = 256, .y = 86, .text = "ON", .size = 6},
};

// IFF: the code drums under MODE 3/A with an arrow over and under each (its up and down zones),
// the two MODE 1 digits printed beside them, the power switch's and IDENT's names.
static const artgen::FaceDecal iff_decals[] = {
    {.kind = Decal::legend, .x = 88, .y = 16, .text = "IFF", .size = 13},
    {.kind = Decal::legend, .x = 62, .y = 14, .text = "ON", .size = 7},
    {.kind = Decal::legend, .x = 61, .y = 66, .text = "OFF", .size = 7},
    {.kind = Decal::legend, .x = 220, .y = 24, .text = "IDENT", .size = 7},
    {.kind = Decal::legend, .x = 90, .y = 40, .text = "MODE 1", .size = 7},
    {.kind = Decal::recess, .x = 72, .y = 57, .width = 36, .height = 16},
    {.kind = Decal::digit, .x = 81, .y = 65, .text = "0", .size = 12},
    {.kind = Decal::digit, .x = 99, .y = 65, .text = "0", .size = 12},
    {.kind = Decal::legend, .x = 160, .y = 40, .text = "MODE 3/A", .size = 7},
    {.kind = Decal::recess, .x = 113, .y = 57, .width = 93, .height = 16},
    {.kind = Decal::arrow_up, .x = 125, .y = 51, .size = 7},
    {.kind = Decal::arrow_up, .x = 148, .y = 51, .size = 7},
    {.kind = Decal::arrow_up, .x = 171, .y = 51, .size = 7},
    {.kind = Decal::arrow_up, .x = 194, .y = 51, .size = 7},
    {.kind = Decal::arrow_down, .x = 125, .y = 80, .size = 7},
    {.kind = Decal::arrow_down, .x = 148, .y = 80, .size = 7},
    {.kind = Decal::arrow_down, .x = 171, .y = 80, .size = 7},
    {.kind = Decal::arrow_down, .x = 194, .y = 80, .size = 7},
};

// ADF: the pointer's value is its angle clockwise from straight up; each band's scale starts
// there (band 1 at 5/10 degree per kHz, band 2 at 4/10, band 3 at 3/10), one ring per band in
// its own colour. The band disc's index points at the band's name: at 135 degrees for band 1,
// a quarter turn further clockwise for each band after it.
constexpr uint32_t band1 = 0xF0F0F0, band2 = 0xF0C040, band3 = 0x60D0F0;
static const artgen::ArcScale adf_arcs[] = {
    {.first = 200, .last = 410, .from = 0, .to = 105, .radius = 58, .major = 50, .minor = 10, .numerals = 100,
     .colour = band1},
    {.first = 410, .last = 850, .from = 0, .to = 176, .radius = 81, .major = 100, .minor = 25, .colour = band2},
    {.first = 850, .last = 1750, .from = 0, .to = 270, .radius = 104, .major = 100, .minor = 25, .colour = band3},
};
static const artgen::FaceDecal adf_decals[] = {
    {.kind = Decal::legend, .x = 42, .y = 30, .text = "ADF", .size = 15},
    {.kind = Decal::legend, .x = 271, .y = 40, .text = "kHz", .size = 7},
    {.kind = Decal::legend, .x = 199, .y = 181, .text = "200-410", .size = 7, .colour = band1},
    {.kind = Decal::legend, .x = 137, .y = 181, .text = "410-850", .size = 7, .colour = band2},
    {.kind = Decal::legend, .x = 137, .y = 119, .text = "850-1750", .size = 7, .colour = band3},
    {.kind = Decal::legend, .x = 62, .y = 176, .text = "VOL", .size = 8},
    {.kind = Decal::legend, .x = 276, .y = 207, .text = "PWR", .size = 8},
    {.kind = Decal::legend, .x = 210, .y = 285, .text = "TUNE", .size = 7},
};

static const artgen::GaugeHint gauges[] = {
    {.gauge = "Shut_Down", .width = 60, .height = 30},
    {.gauge = "Registration", .width = 150, .height = 25},
    // Panel buttons: a 19 x 19 face around the 13 x 13 push area.
    {.gauge = "Map_Toggle", .width = 19, .height = 19},
    {.gauge = "Kneeboard_Toggle", .width = 19, .height = 19},
    {.gauge = "ATC_Toggle", .width = 19, .height = 19},
    {.gauge = "Invisible_Toggle", .width = 19, .height = 19},
    {.gauge = "Radios_Toggle", .width = 19, .height = 19},
    {.gauge = "GPS_Toggle", .width = 19, .height = 19},
    {.gauge = "Electricity_Toggle", .width = 19, .height = 19},
    {.gauge = "Throttle_Toggle", .width = 19, .height = 19},
    {.gauge = "Close_Subpanel", .width = 19, .height = 19},
    {.gauge = "Landing_View_Toggle", .width = 19, .height = 19},
    {.gauge = "Clock_Toggle", .width = 19, .height = 19},
    {.gauge = "Compass_Toggle", .width = 19, .height = 19},
    {.gauge = "Lights_Toggle", .width = 19, .height = 19},
    // Radios. The ADF's dial is the pointer's: 0 straight up, each band's scale clockwise from it.
    {.gauge = "Radio_ADF", .label_scale = 0, .width = 320, .height = 300, .centre_x = 168, .centre_y = 150,
     .square = true, .decals = adf_decals, .arcs = adf_arcs},
    {.gauge = "Radio_COM1", .width = 240, .height = 200, .decals = com1_decals},
    {.gauge = "Radio_NAV1", .title = "NAV 1", .width = 300, .height = 90, .decals = nav_decals},
    {.gauge = "Radio_NAV2", .title = "NAV 2", .width = 300, .height = 90, .decals = nav_decals},
    {.gauge = "Radio_IFF_XPDR", .width = 250, .height = 100, .decals = iff_decals},
    // Electrical switches: a 30 x 44 plate per toggle, the guarded generator switch is 54 x 120.
    {.gauge = "Generator_Light", .width = 40, .height = 40},
    {.gauge = "Battery_Switch", .width = 30, .height = 44},
    {.gauge = "Panel_Lights_Switch", .width = 30, .height = 44},
    {.gauge = "Landing_Lights_Switch", .width = 30, .height = 44},
    {.gauge = "Navigation_Lights_Switch", .width = 30, .height = 44},
    {.gauge = "Beacon_Lights_Switch", .width = 30, .height = 44},
    {.gauge = "Strobe_Lights_Switch", .width = 30, .height = 44},
    {.gauge = "Pitot_Heat_Switch", .width = 30, .height = 44},
    {.gauge = "Generator_Switch", .width = 54, .height = 120},
    {.gauge = ""},
};

static const artgen::BitmapHint bitmaps[] = {
    {.id = 60, .art = artgen::Art::plate, .text = "SHUT DOWN"},
    {.id = 50, .art = artgen::Art::plate},
    // Panel button faces: every face a b option may choose is one of these.
    {.id = 70, .art = artgen::Art::button, .text = "KNEE", .width = 19, .height = 19},
    {.id = 80, .art = artgen::Art::button, .text = "MAP", .width = 19, .height = 19},
    {.id = 90, .art = artgen::Art::button, .text = "ATC", .width = 19, .height = 19},
    {.id = 100, .art = artgen::Art::button, .text = "INV", .width = 19, .height = 19},
    {.id = 110, .art = artgen::Art::button, .text = "RADIO", .width = 19, .height = 19},
    {.id = 120, .art = artgen::Art::button, .text = "GPS", .width = 19, .height = 19},
    {.id = 130, .art = artgen::Art::button, .text = "THR", .width = 19, .height = 19},
    {.id = 140, .art = artgen::Art::button, .text = "COMP", .width = 19, .height = 19},
    {.id = 150, .art = artgen::Art::button, .text = "CLOSE", .width = 19, .height = 19},
    {.id = 160, .art = artgen::Art::button, .text = "ELEC", .width = 19, .height = 19},
    {.id = 170, .art = artgen::Art::button, .text = "LIGHT", .width = 19, .height = 19},
    {.id = 180, .art = artgen::Art::button, .text = "LAND", .width = 19, .height = 19},
    {.id = 190, .art = artgen::Art::button, .text = "CLOCK", .width = 19, .height = 19},
    {.id = 310, .art = artgen::Art::panel},
    // ADF: a thin dial pointer across all three rings, the band knob and tuning crank, the band
    // disc's index, the volume knob, power switch and lamp.
    {.id = 290, .art = artgen::Art::needle, .width = 201, .blade = 3},
    {.id = 230, .art = artgen::Art::needle, .blade = 7},
    {.id = 240, .art = artgen::Art::needle, .blade = 5},
    {.id = 280, .art = artgen::Art::band_marker, .width = 336, .height = 300, .angle_step = -90.0,
     .window_x = 187, .window_y = 169},
    {.id = 270, .art = artgen::Art::switch_frames, .width = 74, .height = 74},
    {.id = 250, .art = artgen::Art::switch_frames, .width = 78, .height = 78},
    {.id = 260, .art = artgen::Art::lamp, .colour = 0x30E040, .width = 20, .height = 20},
    {.id = 1000, .art = artgen::Art::panel},
    {.id = 1100, .art = artgen::Art::panel},
    // COM1: three digit selectors with one frame per digit, the end selector, the power knob.
    {.id = 350, .art = artgen::Art::selector, .text = "0", .width = 50, .height = 50},
    {.id = 351, .art = artgen::Art::selector, .text = "1", .width = 50, .height = 50},
    {.id = 352, .art = artgen::Art::selector, .text = "2", .width = 50, .height = 50},
    {.id = 353, .art = artgen::Art::selector, .text = "3", .width = 50, .height = 50},
    {.id = 354, .art = artgen::Art::selector, .text = "4", .width = 50, .height = 50},
    {.id = 355, .art = artgen::Art::selector, .text = "5", .width = 50, .height = 50},
    {.id = 356, .art = artgen::Art::selector, .text = "6", .width = 50, .height = 50},
    {.id = 357, .art = artgen::Art::selector, .text = "7", .width = 50, .height = 50},
    {.id = 358, .art = artgen::Art::selector, .text = "8", .width = 50, .height = 50},
    {.id = 359, .art = artgen::Art::selector, .text = "9", .width = 50, .height = 50},
    {.id = 360, .art = artgen::Art::selector, .text = "00", .width = 38, .height = 50},
    {.id = 361, .art = artgen::Art::selector, .text = "25", .width = 38, .height = 50},
    {.id = 362, .art = artgen::Art::selector, .text = "50", .width = 38, .height = 50},
    {.id = 363, .art = artgen::Art::selector, .text = "75", .width = 38, .height = 50},
    {.id = 330, .art = artgen::Art::lamp, .colour = 0x30E040, .width = 18, .height = 18},
    {.id = 340, .art = artgen::Art::switch_frames, .width = 50, .height = 50},
    // NAV1 and NAV2: drums 13 wide with 18-pixel digit boxes, the leading 1, the knobs, VOL,
    // power toggle and indicator.
    {.id = 1020, .art = artgen::Art::drum, .width = 13, .height = 18},
    {.id = 1030, .art = artgen::Art::drum, .width = 13, .height = 18},
    {.id = 1040, .art = artgen::Art::button, .text = "1", .colour = 0x141414, .width = 13, .height = 18},
    {.id = 1010, .art = artgen::Art::needle, .width = 34, .height = 34},
    {.id = 1060, .art = artgen::Art::switch_frames, .width = 34, .height = 34},
    {.id = 1050, .art = artgen::Art::switch_frames, .width = 28, .height = 53},
    {.id = 1070, .art = artgen::Art::lamp, .colour = 0x30E040, .width = 16, .height = 16},
    // IFF: drums 20 wide with 16-pixel digit boxes, IDENT and power switches, indicator.
    {.id = 370, .art = artgen::Art::panel},
    {.id = 380, .art = artgen::Art::drum, .width = 20, .height = 16},
    {.id = 390, .art = artgen::Art::switch_frames, .width = 24, .height = 60},
    {.id = 400, .art = artgen::Art::lamp, .colour = 0x30E040, .width = 14, .height = 14},
    {.id = 410, .art = artgen::Art::switch_frames, .width = 24, .height = 32},
    // Electrical switches. The generator lamp's first frame is the lit one; the lever of the
    // generator switch sits in the lower part of its plate, under the guard.
    {.id = 420, .art = artgen::Art::panel},
    {.id = 430, .art = artgen::Art::switch_frames},
    {.id = 440, .art = artgen::Art::lamp, .text = "GEN", .colour = 0xFFB000},
    {.id = 450, .art = artgen::Art::lit_lamp, .text = "GEN", .colour = 0xFFB000},
    {.id = 460, .art = artgen::Art::panel, .text = "GEN"},
    {.id = 470, .art = artgen::Art::guard},
    {.id = 480, .art = artgen::Art::switch_frames, .window_y = 80},
    {.id = 0},
};

static const artgen::WaveHint waves[] = {
    {.id = 10, .frequency = 1500, .seconds = 0.06},
    {.id = 20, .frequency = 1100, .seconds = 0.06},
    {.id = 40, .frequency = 2800, .seconds = 0.06},
};

const artgen::ModuleArt module_art = {
    .name    = "Stelvar_Instr",
    .linkage = reinterpret_cast<const LinkageView*>(&Linkage),
    .gauges  = gauges,
    .bitmaps = bitmaps,
    .waves   = waves,
};

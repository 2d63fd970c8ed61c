// Art hints of the Stelvar_Instr module.
#include "artgen.h"

extern "C" LinkageRecord<29> Linkage;

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

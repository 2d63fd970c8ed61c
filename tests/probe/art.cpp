#include "frame/art_hints.h"

extern "C" LinkageRecord<2> Linkage;

static const artgen::GaugeHint gauges[] = {
    {.gauge = "Probe_All", .title = "PROBE", .width = 200, .height = 200},
    {.gauge = "Probe_Missing", .width = 40, .height = 40},
};
static const artgen::BitmapHint bitmaps[] = {
    {.id = 0x104, .art = artgen::Art::button, .text = "S", .width = 20, .height = 20},
    {.id = 0x105, .art = artgen::Art::lamp, .text = "L", .width = 40, .height = 30},
    {.id = 0x108, .art = artgen::Art::drum, .width = 20, .height = 100},
    {.id = 0x109, .art = artgen::Art::button, .text = "+", .width = 11, .height = 11},
};
const artgen::ModuleArt module_art = {
    .name = "Probe", .linkage = reinterpret_cast<const LinkageView*>(&Linkage),
    .gauges = gauges, .bitmaps = bitmaps, .waves = {},
};

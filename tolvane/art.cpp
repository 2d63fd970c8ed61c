// Art hints of the Tolvane module.
#include "frame/art_hints.h"

extern "C" LinkageRecord<1> Linkage;

static const artgen::GaugeHint gauges[] = {
    {.gauge = "Tolvane", .title = nullptr, .width = 120, .height = 120},
};

static const artgen::BitmapHint bitmaps[] = {
    {.id = 0x1000, .art = artgen::Art::lamp, .text = "STALL", .colour = 0xFF4A1C},
    {.id = 0x2000, .art = artgen::Art::lamp, .text = "STALL", .colour = 0xFF4A1C, .width = 120, .height = 120},
};

const artgen::ModuleArt module_art = {
    .name    = "Tolvane",
    .linkage = reinterpret_cast<const LinkageView*>(&Linkage),
    .gauges  = gauges,
    .bitmaps = bitmaps,
    .waves   = {},
};

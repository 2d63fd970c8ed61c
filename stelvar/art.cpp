// Art hints of the Stelvar_Instr module.
#include "artgen.h"

extern "C" LinkageRecord<29> Linkage;

static const artgen::GaugeHint gauges[] = {
    {.gauge = ""},
};

static const artgen::BitmapHint bitmaps[] = {
    {.id = 0},
};

static const artgen::WaveHint waves[] = {
    {.id = 0, .frequency = 0, .seconds = 0},
};

const artgen::ModuleArt module_art = {
    .name    = "Stelvar_Instr",
    .linkage = reinterpret_cast<const LinkageView*>(&Linkage),
    .gauges  = gauges,
    .bitmaps = bitmaps,
    .waves   = std::span(waves).first(0),
};

// Cairo drawings of the art kinds. Every function draws into a surface of the given size whose
// black pixels the host treats as transparent (except on a gauge background).
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "artgen.h"

namespace artgen {

struct DialTick {
    double x, y;          // point on the background the needle aims at
    std::string label;    // empty for an unlabelled tick
};

struct DrawSpec {
    Art         art = Art::panel;
    int         width = 0, height = 0;
    int         frame = 0, frames = 1;
    bool        background = false;   // drawn as a gauge's background (opaque)
    std::string text;                 // title, button or lamp text
    std::string unit;
    uint32_t    colour = 0;
    // dials
    double               pivot_x = 0, pivot_y = 0;
    std::vector<DialTick> ticks;
    int                   ring = 0, ring_top = 0;   // evenly numbered ring instead of table ticks
    // needles: pivot inside the needle bitmap
    int needle_pivot_x = 0, needle_pivot_y = 0;
};

cairo_surface_t* draw(const DrawSpec& spec);

}  // namespace artgen

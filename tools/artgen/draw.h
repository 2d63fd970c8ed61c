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

struct DialScale {
    double                pivot_x, pivot_y;
    std::vector<DialTick> ticks;
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
    std::vector<DialScale> scales;   // twin gauges: one scale per pivot instead of a round face
    int                   ring = 0, ring_top = 0;   // evenly numbered ring instead of table ticks
    // needles: pivot inside the needle bitmap
    int needle_pivot_x = 0, needle_pivot_y = 0;
    int needle_blade = 0;   // half the blade's width; 0: a fifth of the height
    // drums of moving images: cells of drum_cell pixels from the value drum_first, each with a
    // digit box drum_digit_height tall at its top (0: ten digits spread over the whole height)
    int drum_cell = 0, drum_first = 0, drum_digit_height = 0;
    // drums of sprites: label i is drawn where the host's turn by label_turn × i degrees about the
    // bitmap point (needle_pivot_x, needle_pivot_y) brings it to label_reach from that point
    double label_turn = 0, label_reach_x = 0, label_reach_y = 0;
    // tapes: value scale_first stands at row scale_top, scale_last at row scale_bottom
    double scale_first = 0, scale_last = 0, scale_top = 0, scale_bottom = 0;
    // backgrounds: the boxes of the gauge's text windows, drawn as dark recesses
    struct Box {
        double x, y, width, height;
    };
    std::vector<Box> windows;
    // radio faces: centre and radius of the gauge's rotary knob, whose positions are labelled
    double knob_x = 0, knob_y = 0, knob_radius = 0;
};

cairo_surface_t* draw(const DrawSpec& spec);

}  // namespace artgen

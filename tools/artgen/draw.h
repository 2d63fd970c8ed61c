// Cairo drawings of the art kinds. Every function draws into a surface of the given size whose
// black pixels the host treats as transparent (except on a gauge background).
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "frame/art_hints.h"
#include "scale.h"

namespace artgen {

// One needle's scale on a face: marks about its pivot, and where its needles rest.
struct DialScale {
    double                 pivot_x = 0, pivot_y = 0;
    double                 radius  = 0;       // twin scales: the arc through the needle's points
    std::vector<ScaleMark> marks;
    std::vector<ScaleBand> bands;
};

// A needle at rest, as a segment from its tail to its tip with its half width: titles keep clear.
struct RestingNeedle {
    double x0, y0, x1, y1, half;
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
    double                     pivot_x = 0, pivot_y = 0;   // the face's centre
    std::vector<DialScale>     scales;                     // one per pivot; two pivots make a twin face
    std::vector<RestingNeedle> resting;
    std::vector<RestingNeedle> working;                     // the needles in their normal range

    int                        ring = 0, ring_top = 0;     // evenly numbered ring instead of a scale
    bool                       square = false;
    // bezels and setting discs: the width of the cover ring over a round face's rim
    double                     rim = 0;
    // needles: pivot inside the needle bitmap
    int needle_pivot_x = 0, needle_pivot_y = 0;
    int needle_blade = 0;   // half the blade's width; 0: a fifth of the height
    double needle_length = 0;   // from the pivot to the tip; 0: to the bitmap's right edge
    // a ball's tube on a face: its centre, half its length, the ball's radius
    double tube_x = 0, tube_y = 0, tube_half = 0, tube_ball = 0;
    std::vector<double> turn_marks;   // screen angles of the right wing tip about (turn_x, turn_y)
    double turn_x = 0, turn_y = 0;
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
    // radio faces: the boxes of elements over the face (knobs, switches): labels keep clear of them
    std::vector<Box> covers;
    // backgrounds: what the gauge's hint paints on them last, and scales about (arc_x, arc_y)
    std::vector<FaceDecal> decals;
    std::vector<ArcScale>  arcs;
    double                 arc_x = 0, arc_y = 0;
};

// What a drawing put where, in bitmap pixels: the tests hold every bitmap to its frame and its
// numerals to one another.
struct Layout {
    struct Text {
        std::string kind;       // "numeral", "title", "label"
        double      x0, y0, x1, y1;
        std::string text;
    };
    std::vector<Text> texts;
    double round_x = 0, round_y = 0, round_r = 0;   // a round face: the bezel's outer circle
};

cairo_surface_t* draw(const DrawSpec& spec, Layout* layout = nullptr);

}  // namespace artgen

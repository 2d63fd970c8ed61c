// Dial scales: where a needle points for a value, and the marks, numerals and bands a face carries
// over a needle's whole scale. Pure geometry, shared by the art generator and its tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frame/art_hints.h"

namespace artgen {

// The screen angle (radians, y down) from the pivot toward which the host turns a needle with this
// table for a value: interpolated along the shorter arc between entries; past an end it keeps
// turning at the end segment's rate, except at a stop (two entries on one point). Mirrors the
// host's own rule, which a test holds it to.
double needle_angle(const NonlinearityEntry* table, uint32_t count, double pivot_x, double pivot_y, double value);

// A needle whose table turns back over angles it has already swept reads two numbers at one
// place: each sweep between turns of direction is a pass (0 for the first), drawn as a ring of its
// own. The pass of a value.
int scale_pass(const NonlinearityEntry* table, uint32_t count, double pivot_x, double pivot_y, double value);

// The live part of a table: from its first to its last value, a stop counted by its inner entry.
struct ScaleRange {
    double first = 0, last = 0;
};
ScaleRange live_range(const NonlinearityEntry* table, uint32_t count);

struct ScaleMark {
    double      angle;           // screen radians from the pivot
    int         level;           // 0 minor, 1 major
    double      number;          // as printed
    std::string numeral;         // empty: no numeral at this mark
    int         pass = 0;        // which sweep of the needle the mark belongs to (see scale_pass)
};

struct ScaleBand {
    double   from, to;           // screen radians, `to` unwrapped along the scale's direction
    uint32_t colour;
    bool     line;               // a radial line rather than an arc
    int      pass = 0;
};

struct NumberScale {
    double scale = 1, offset = 0;          // printed = (value + offset) × scale
    double major = 0, minor = 0, numerals = 0;
    bool   unsigned_numerals = false;
};

// Marks every minor step over the live range, majors and numerals at theirs.
std::vector<ScaleMark> scale_marks(const NonlinearityEntry* table, uint32_t count, double pivot_x, double pivot_y,
                                   const NumberScale& numbers);
std::vector<ScaleBand> scale_bands(const NonlinearityEntry* table, uint32_t count, double pivot_x, double pivot_y,
                                   const NumberScale& numbers, std::span<const Band> bands);

// A numeral as a face prints it: whole numbers from 100 up, one decimal below (dropped when it is 0).
std::string numeral_for(double v);

// The steps that suit a span of printed numbers: about five to ten numbered marks.
NumberScale pick_steps(double first, double last, NumberScale numbers);

}  // namespace artgen

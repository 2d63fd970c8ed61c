// Art hints: what a module tells the art generator beyond its records (titles, units, scales, how
// particular bitmaps are drawn, its click sounds). Plain data; the generator reads it.
#pragma once

#include <cstdint>
#include <span>

#include "gauge_records.h"

namespace artgen {

// How a bitmap is drawn. `automatic` picks from the element kind and its place in the gauge.
enum class Art {
    automatic,
    panel,        // a plain panel plate with the gauge's title
    dial,         // a round dial face: ticks and numerals over the needle's whole scale
    needle,       // a needle pointing right from its pivot
    upright_needle, // a needle without a table, pointing up from its pivot: a bug, an arrow or a knob
    glass,        // the cover glass: draws nothing the host shows (black is transparent)
    lamp,         // frame 0 dark, later frames lit (a one-frame icon is lit)
    switch_frames,// frame 0 down (off), frame 1 up (on); the lever pivots at row window_y (0: the middle)
    button,       // a push button face with the hint's text
    plate,        // an engraved plate with the hint's text
    drum,         // a digit drum strip
    compass_card, // a round compass card centred on the bitmap: N at the top, numbers every 30 degrees
    attitude,     // an attitude sphere: sky over ground, horizon and pitch ladder through the centre
    rotary,       // a rotary knob whose pointer turns 60 degrees a frame, frame 0 at lower left
    radio_face,   // a radio head: text "TITLE|label of frame 0|label of frame 1|..." names the
                  // positions of the gauge's rotary knob; a tuning knob sits at the gauge hint's centre
    lit_lamp,     // a lamp lit in every frame (for icons whose frame 0 is the lit one)
    guard,        // a hinged red guard over the lower two thirds of a switch plate
    bank_scale,   // bank marks (0 to 60 degrees each side) above the hint's window point, and an
                  // aircraft symbol at the gauge hint's centre
    command_bars, // flight-director V bars meeting at the hint's window point
    tape,         // a vertical scale of a moving image; the value under the hint's window point reads
                  // from the index there
    aircraft,     // a turn coordinator's aircraft seen from behind, wings level, about its pivot
    ball,         // an inclinometer's ball
    inclinometer, // an inclinometer's curved glass tube with its two centre marks
    setting_scale,// a pressure-setting disc: text "FIRST|LAST" values, each under the window at its turn
    knob,         // a plain round knob with a grip, whatever its frame
    bezel,        // a round bezel ring with a window cut at the hint's window point (a cover over a
                  // setting disc that turns under the face's rim)
    selector,     // a digit selector: the text in a window at the top, a thumbwheel under it whose
                  // left half steps down and right half up
    band_marker,  // a disc turned by a sprite: an index that points at the hint's window point when
                  // the angle value is 0 (the face names each position the index turns to)
};

// A coloured band of a dial's scale, in the numbers printed on the face; from == to: a radial line.
struct Band {
    double   from, to;
    uint32_t colour;             // 0x00RRGGBB
};

// Something painted on a panel face besides its title: a legend, a dark recess that digits show
// in, a digit printed on the face, a decimal point, an arrow beside a click zone, a speaker grille.
enum class Decal {
    legend,       // text centred on (x, y), `size` pixels (0: 9), in `colour` (0: light grey)
    recess,       // a dark window with a thin rim: top-left (x, y), width × height
    digit,        // a digit printed in a window like the ones the gauge turns: text centred on
                  // (x, y), `size` pixels (0: fitted to the box width × height about that centre)
    point,        // a decimal point centred on (x, y), `size` its diameter (0: 4)
    arrow_up,     // a small triangle centred on (x, y), `size` wide (0: 7)
    arrow_down,
    grille,       // a speaker grille of slots: top-left (x, y), width × height
    plate,        // an engraved plate: top-left (x, y), width × height, with `text`
};

struct FaceDecal {
    Decal       kind;
    int         x = 0, y = 0;
    int         width = 0, height = 0;
    const char* text = nullptr;
    double      size = 0;
    uint32_t    colour = 0;      // 0x00RRGGBB; 0 picks a default
};

// A scale painted about the gauge hint's centre for a needle the records give no scale of its own
// (one needle reading several bands): values `first` to `last` from `from` to `to` degrees
// clockwise from straight up, marks reaching out to `radius`, numerals inside them.
struct ArcScale {
    double      first, last;
    double      from, to;
    int         radius;
    double      major, minor;
    double      numerals;        // numbered every this much (0: at every major mark)
    uint32_t    colour = 0;      // 0x00RRGGBB; 0 picks white
    double      size = 0;        // numerals' size in pixels (0: 8)
};

struct BitmapHint {
    uint32_t    id;              // first bitmap id (an icon's frames follow)
    Art         art = Art::automatic;
    const char* text = nullptr;  // label drawn on buttons, plates and lamps
    uint32_t    colour = 0;      // 0x00RRGGBB; 0 picks a default
    int         width = 0, height = 0;   // 0 picks from the gauge
    // A drum turned by a sprite: text "A|B|C" names its positions; position i stands upright at
    // the background point (window_x, window_y) when the sprite's angle value is i × angle_step.
    double      angle_step = 0;
    int         window_x = 0, window_y = 0;
    int         blade = 0;       // needles: half the blade's width at the pivot; 0 picks from the height
};

struct GaugeHint {
    const char* gauge;           // gauge name
    const char* title = nullptr; // written on the face
    const char* unit = nullptr;  // written under the title on dials
    double      label_scale = 1; // dial numerals show (value + label_offset) × label_scale; 0: none
    double      label_offset = 0;
    int         width = 0, height = 0;   // background size; 0 fits every element and rectangle
    int         ring = 0;        // a clock-like face instead: ring divisions numbered clockwise from the top
    int         ring_top = 0;    // the number at the top of the ring (12 on a clock, 0 on an altimeter)
    int         centre_x = 0, centre_y = 0;   // the face's centre; 0 puts it at the first needle's pivot
    // Scale marks, in the numbers printed on the face; 0 picks steps that suit the scale.
    double      major = 0, minor = 0;
    double      numerals = 0;    // numbered every this much; 0: at every major mark
    std::span<const Band> bands = {};
    bool        square = false;  // a square face (engine gauges with two pivots, boxes of lamps)
    bool        unsigned_numerals = false;   // numerals without their sign (climb and descent alike)
    std::span<const FaceDecal> decals = {};  // painted on the background after everything else
    std::span<const ArcScale>  arcs = {};    // scales about the centre, on a face without its own
};

struct WaveHint {
    uint32_t id;
    double   frequency;          // Hz of the click's tone
    double   seconds;
};

struct ModuleArt {
    const char*                 name;
    const LinkageView*          linkage;
    std::span<const GaugeHint>  gauges;
    std::span<const BitmapHint> bitmaps;
    std::span<const WaveHint>   waves;
};

}  // namespace artgen

// Each module's art source defines this.
extern const artgen::ModuleArt module_art;

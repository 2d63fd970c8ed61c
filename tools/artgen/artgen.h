// The art generator: draws every bitmap a module names, from its gauge records and a short table of
// hints per module, and writes the resource lists of both builds.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "frame/gauge_records.h"

namespace artgen {

// How a bitmap is drawn. `automatic` picks from the element kind and its place in the gauge.
enum class Art {
    automatic,
    panel,        // a plain panel plate with the gauge's title
    dial,         // a round dial face: ticks and labels at the needle table points
    needle,       // a needle pointing right from its pivot
    upright_needle, // a needle without a table, pointing up from its pivot: a bug, an arrow or a knob
    glass,        // a reflection over the face
    lamp,         // frame 0 dark, later frames lit (a one-frame icon is lit)
    switch_frames,// frame 0 down (off), frame 1 up (on)
    button,       // a push button face with the hint's text
    plate,        // an engraved plate with the hint's text
    drum,         // a digit drum strip
    compass_card, // a round compass card centred on the bitmap: N at the top, numbers every 30 degrees
    attitude,     // an attitude sphere: sky over ground, horizon and pitch marks through the centre
    rotary,       // a rotary knob whose pointer turns 60 degrees a frame, frame 0 at lower left
    radio_face,   // a radio head: text "TITLE|label of frame 0|label of frame 1|..." names the
                  // positions of the gauge's rotary knob; a tuning knob sits at the gauge hint's centre
    lit_lamp,     // a lamp lit in every frame (for icons whose frame 0 is the lit one)
    guard,        // a hinged red guard over the lower two thirds of a switch plate
    bank_scale,   // bank marks (0 to 45 degrees each side) above the hint's window point, and an
                  // aircraft symbol at the gauge hint's centre
    command_bars, // flight-director V bars meeting at the hint's window point
    tape,         // a vertical scale of a moving image; the value under the hint's window point reads
                  // from the index there
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
    double      label_scale = 1; // dial labels show (value + label_offset) × label_scale; 0: no labels
    double      label_offset = 0;
    int         width = 0, height = 0;   // background size; 0 fits every element and rectangle
    int         ring = 0;        // a clock-like face instead: ring divisions numbered clockwise from the top
    int         ring_top = 0;    // the number at the top of the ring (12 on a clock, 0 on an altimeter)
    int         centre_x = 0, centre_y = 0;   // the face's centre; 0 puts it at the first needle's pivot
};

struct WaveHint {
    uint32_t id;
    double   frequency;          // Hz of the click's tone
    double   seconds;
};

struct ModuleArt {
    const char*                name;
    const LinkageView*         linkage;
    std::span<const GaugeHint> gauges;
    std::span<const BitmapHint> bitmaps;
    std::span<const WaveHint>  waves;
};

// Writes <id>.bmp and wave_<id>.wav files, resources.rc (win32), resources_blobs.S and
// resources_table.cpp (native) into out_dir. Returns the number of resources written.
int generate(const ModuleArt& module, const std::filesystem::path& out_dir);

}  // namespace artgen

// Each module's art source defines this.
extern const artgen::ModuleArt module_art;

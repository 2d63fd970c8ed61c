// Drawing helpers shared by the art kinds' files.
#pragma once

#include <cairo.h>

#include <numbers>
#include <string>
#include <vector>

#include "draw.h"

namespace artgen {

constexpr double pi = std::numbers::pi;

void rgb(cairo_t* cr, uint32_t c, double alpha = 1.0);
void rounded(cairo_t* cr, double x, double y, double w, double h, double r);

struct TextBox {
    double x0, y0, x1, y1;
    bool   overlaps(const TextBox& o, double gap) const
    {
        return x0 - gap < o.x1 && o.x0 - gap < x1 && y0 - gap < o.y1 && o.y0 - gap < y1;
    }
};

// The box text of this size would take, centred on (cx, cy), in the current font.
TextBox text_box(cairo_t* cr, const std::string& text, double cx, double cy, double size, bool bold = true);
// Draws text centred on (cx, cy) and notes it in the layout under kind.
void centred_text(cairo_t* cr, const std::string& text, double cx, double cy, double size, bool bold = true,
                  const char* kind = "label");
// The largest size up to `size` at which text fits a width.
double fitting_size(cairo_t* cr, const std::string& text, double width, double size, bool bold = true);
std::vector<std::string> split_fields(const std::string& text);

// The layout the current drawing notes its texts in (none outside draw()).
Layout*& current_layout();

void draw_panel(cairo_t* cr, const DrawSpec& s);
void draw_dial(cairo_t* cr, const DrawSpec& s);
void draw_needle(cairo_t* cr, const DrawSpec& s);
void draw_upright_needle(cairo_t* cr, const DrawSpec& s);
void draw_compass_card(cairo_t* cr, const DrawSpec& s);
void draw_attitude(cairo_t* cr, const DrawSpec& s);
void draw_bank_scale(cairo_t* cr, const DrawSpec& s);
void draw_command_bars(cairo_t* cr, const DrawSpec& s);
void draw_tape(cairo_t* cr, const DrawSpec& s);
void draw_aircraft(cairo_t* cr, const DrawSpec& s);
void draw_ball(cairo_t* cr, const DrawSpec& s);
void draw_inclinometer(cairo_t* cr, const DrawSpec& s);
void draw_setting_scale(cairo_t* cr, const DrawSpec& s);
void draw_bezel(cairo_t* cr, const DrawSpec& s);
void draw_radio_face(cairo_t* cr, const DrawSpec& s);
void draw_windows(cairo_t* cr, const DrawSpec& s);
void draw_decals(cairo_t* cr, const DrawSpec& s);
void draw_selector(cairo_t* cr, const DrawSpec& s);
void draw_band_marker(cairo_t* cr, const DrawSpec& s);
// Notes a box in the layout (windows and decimal points, which are not text).
void note_box(const char* kind, double x0, double y0, double x1, double y1, const std::string& text);
void cover_corners(cairo_t* cr, const DrawSpec::Box& window, uint32_t colour);

}  // namespace artgen

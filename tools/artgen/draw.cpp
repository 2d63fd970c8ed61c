#include "draw.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artgen {
namespace {

constexpr double pi = std::numbers::pi;

void rgb(cairo_t* cr, uint32_t c, double alpha = 1.0)
{
    cairo_set_source_rgba(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0, alpha);
}

void rounded(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, pi / 2, pi);
    cairo_arc(cr, x + r, y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr);
}

void centred_text(cairo_t* cr, const std::string& text, double cx, double cy, double size, bool bold = true)
{
    if (text.empty())
        return;
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    cairo_move_to(cr, cx - ext.width / 2 - ext.x_bearing, cy - ext.height / 2 - ext.y_bearing);
    cairo_show_text(cr, text.c_str());
}

// Fits text into a width by shrinking the font.
double fitting_size(cairo_t* cr, const std::string& text, double width, double size)
{
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    for (; size > 5; size -= 0.5) {
        cairo_set_font_size(cr, size);
        cairo_text_extents_t ext;
        cairo_text_extents(cr, text.c_str(), &ext);
        if (ext.width <= width)
            break;
    }
    return size;
}

void draw_panel(cairo_t* cr, const DrawSpec& s)
{
    double w = s.width, h = s.height;
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.30, 0.31, 0.33);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.17, 0.18, 0.19);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 2);
    rgb(cr, 0x5A5C60);
    cairo_rectangle(cr, 1, 1, w - 2, h - 2);
    cairo_stroke(cr);
    // screws in the corners
    if (w >= 60 && h >= 60) {
        for (auto [x, y] : {std::pair{6.0, 6.0}, {w - 6, 6.0}, {6.0, h - 6}, {w - 6, h - 6}}) {
            rgb(cr, 0x8A8C90);
            cairo_arc(cr, x, y, 3, 0, 2 * pi);
            cairo_fill(cr);
            rgb(cr, 0x303030);
            cairo_move_to(cr, x - 2, y);
            cairo_line_to(cr, x + 2, y);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
    }
    if (!s.text.empty()) {
        rgb(cr, 0xE8E8E0);
        double size = fitting_size(cr, s.text, w - 16, std::clamp(h / 8.0, 7.0, 14.0));
        centred_text(cr, s.text, w / 2, std::min(h / 2.0, size + 6), size);
    }
}

void draw_dial(cairo_t* cr, const DrawSpec& s)
{
    draw_panel(cr, DrawSpec{.art = Art::panel, .width = s.width, .height = s.height});
    double cx = s.pivot_x, cy = s.pivot_y;
    double r  = std::min({cx, cy, s.width - cx, s.height - cy}) - 3;
    for (const DialTick& t : s.ticks)
        r = std::max(r, std::hypot(t.x - cx, t.y - cy) + 4);
    r = std::min(r, std::min({cx, cy, s.width - cx, s.height - cy}) - 1);
    // bezel and face
    rgb(cr, 0x45474A);
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    cairo_fill(cr);
    rgb(cr, 0x111214);
    cairo_arc(cr, cx, cy, r - 3, 0, 2 * pi);
    cairo_fill(cr);
    // ticks: a short mark reaching out from each table point, a label inside it
    rgb(cr, 0xF0F0F0);
    cairo_set_line_width(cr, 2);
    for (const DialTick& t : s.ticks) {
        double a  = std::atan2(t.y - cy, t.x - cx);
        double d  = std::hypot(t.x - cx, t.y - cy);
        double r0 = std::min(d, r - 10), r1 = std::min(d + 8, r - 4);
        cairo_move_to(cr, cx + r0 * std::cos(a), cy + r0 * std::sin(a));
        cairo_line_to(cr, cx + r1 * std::cos(a), cy + r1 * std::sin(a));
        cairo_stroke(cr);
        if (!t.label.empty()) {
            double rl = std::max(r0 - 11, r * 0.35);
            centred_text(cr, t.label, cx + rl * std::cos(a), cy + rl * std::sin(a), std::clamp(r / 9, 7.0, 13.0));
        }
    }
    // A ring: numbered divisions clockwise from the top, with four minor marks between them.
    for (int i = 0; s.ring > 0 && i < s.ring * 5; ++i) {
        double a     = -pi / 2 + 2 * pi * i / (s.ring * 5);
        bool   major = i % 5 == 0;
        cairo_set_line_width(cr, major ? 2.5 : 1.2);
        cairo_move_to(cr, cx + (r - (major ? 14 : 9)) * std::cos(a), cy + (r - (major ? 14 : 9)) * std::sin(a));
        cairo_line_to(cr, cx + (r - 4) * std::cos(a), cy + (r - 4) * std::sin(a));
        cairo_stroke(cr);
        if (major) {
            int n = i / 5 == 0 ? s.ring_top : i / 5;
            centred_text(cr, std::to_string(n), cx + (r - 28) * std::cos(a), cy + (r - 28) * std::sin(a),
                         std::clamp(r / 7, 8.0, 18.0));
        }
    }
    rgb(cr, 0xD8D8D0);
    centred_text(cr, s.text, cx, cy - r * 0.3, std::clamp(r / 9, 7.0, 12.0));
    centred_text(cr, s.unit, cx, cy + r * 0.35, std::clamp(r / 11, 6.0, 10.0), false);
}

void draw_needle(cairo_t* cr, const DrawSpec& s)
{
    double px = s.needle_pivot_x, py = s.needle_pivot_y;
    double len = s.width - px - 1;
    double half = std::max(1.5, s.height / 5.0);
    rgb(cr, 0xF4F4F0);
    cairo_move_to(cr, px - std::min(px, 6.0), py - half * 0.8);
    cairo_line_to(cr, px + len * 0.85, py - half * 0.6);
    cairo_line_to(cr, px + len, py);
    cairo_line_to(cr, px + len * 0.85, py + half * 0.6);
    cairo_line_to(cr, px - std::min(px, 6.0), py + half * 0.8);
    cairo_close_path(cr);
    cairo_fill(cr);
    rgb(cr, 0x505458);
    cairo_arc(cr, px, py, std::min(half * 1.6, s.height / 2.0), 0, 2 * pi);
    cairo_fill(cr);
}

void draw_glass(cairo_t* cr, const DrawSpec& s)
{
    rgb(cr, 0x2A3038);
    cairo_set_line_width(cr, 3);
    cairo_arc(cr, s.width / 2.0, s.height / 2.0, std::min(s.width, s.height) * 0.42, pi * 1.1, pi * 1.45);
    cairo_stroke(cr);
}

void draw_lamp(cairo_t* cr, const DrawSpec& s)
{
    // On a background the lamp is drawn dark, set in a panel: a lit lamp is an element over it.
    bool     lit    = !s.background && (s.frames == 1 || s.frame > 0);
    if (s.background)
        draw_panel(cr, DrawSpec{.art = Art::panel, .width = s.width, .height = s.height});
    uint32_t colour = s.colour ? s.colour : 0xFF3020;
    double   w = s.width, h = s.height;
    double   inset = std::max(2.0, std::min(w, h) * 0.08);
    rgb(cr, 0x2E3033);
    rounded(cr, inset - 2, inset - 2, w - 2 * inset + 4, h - 2 * inset + 4, 6);
    cairo_fill(cr);
    if (lit) {
        cairo_pattern_t* g = cairo_pattern_create_radial(w / 2, h / 2, 1, w / 2, h / 2, std::max(w, h) / 1.6);
        cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 1.0, 0.85);
        cairo_pattern_add_color_stop_rgb(g, 0.35, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                                         (colour & 0xFF) / 255.0);
        cairo_pattern_add_color_stop_rgb(g, 1, ((colour >> 16) & 0xFF) / 400.0, ((colour >> 8) & 0xFF) / 400.0,
                                         (colour & 0xFF) / 400.0);
        cairo_set_source(cr, g);
        rounded(cr, inset, inset, w - 2 * inset, h - 2 * inset, 5);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        rgb(cr, 0x200800);
    } else {
        rgb(cr, ((colour >> 2) & 0x3F3F3F) + 0x101010);
        rounded(cr, inset, inset, w - 2 * inset, h - 2 * inset, 5);
        cairo_fill(cr);
        rgb(cr, 0x707070);
    }
    double size = fitting_size(cr, s.text, w - 2 * inset - 6, h / 4.0);
    centred_text(cr, s.text, w / 2, h / 2, size);
}

void draw_switch(cairo_t* cr, const DrawSpec& s)
{
    double w = s.width, h = s.height;
    bool   up = s.frame > 0;
    rgb(cr, 0x3A3C40);
    cairo_arc(cr, w / 2, h / 2, std::min(w, h) * 0.3, 0, 2 * pi);
    cairo_fill(cr);
    rgb(cr, 0xC8C8C8);
    cairo_set_line_width(cr, std::max(3.0, w / 6));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, w / 2, h / 2);
    cairo_line_to(cr, w / 2, up ? h * 0.12 : h * 0.88);
    cairo_stroke(cr);
}

void draw_button(cairo_t* cr, const DrawSpec& s)
{
    double w = s.width, h = s.height;
    rgb(cr, s.colour ? s.colour : 0x3C4048);
    rounded(cr, 1, 1, w - 2, h - 2, 4);
    cairo_fill(cr);
    rgb(cr, 0x9098A0);
    cairo_set_line_width(cr, 1);
    rounded(cr, 1.5, 1.5, w - 3, h - 3, 4);
    cairo_stroke(cr);
    rgb(cr, 0xF0F0E8);
    centred_text(cr, s.text, w / 2, h / 2, fitting_size(cr, s.text, w - 4, h * 0.6));
}

void draw_plate(cairo_t* cr, const DrawSpec& s)
{
    double w = s.width, h = s.height;
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, h);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.78, 0.78, 0.74);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.55, 0.55, 0.52);
    cairo_set_source(cr, g);
    rounded(cr, 1, 1, w - 2, h - 2, 3);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    rgb(cr, 0x202020);
    centred_text(cr, s.text, w / 2, h / 2, fitting_size(cr, s.text, w - 8, h * 0.55));
}

void draw_drum(cairo_t* cr, const DrawSpec& s)
{
    double w = s.width, h = s.height;
    rgb(cr, 0x141414);
    cairo_paint(cr);
    rgb(cr, 0xF0F0F0);
    double cell = h / 10.0;
    for (int d = 0; d < 10; ++d)
        centred_text(cr, std::to_string(d), w / 2, cell * (d + 0.5), std::min(cell * 0.8, w * 0.9));
}

}  // namespace

cairo_surface_t* draw(const DrawSpec& spec)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, spec.width, spec.height);
    cairo_t*         cr      = cairo_create(surface);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    switch (spec.art) {
    case Art::automatic:
    case Art::panel: draw_panel(cr, spec); break;
    case Art::dial: draw_dial(cr, spec); break;
    case Art::needle: draw_needle(cr, spec); break;
    case Art::glass: draw_glass(cr, spec); break;
    case Art::lamp: draw_lamp(cr, spec); break;
    case Art::switch_frames: draw_switch(cr, spec); break;
    case Art::button: draw_button(cr, spec); break;
    case Art::plate: draw_plate(cr, spec); break;
    case Art::drum: draw_drum(cr, spec); break;
    }
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    return surface;
}

}  // namespace artgen

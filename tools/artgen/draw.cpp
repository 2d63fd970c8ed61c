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

// A twin gauge: a dark face, and for each needle an arc through its table points with ticks
// outside it and labels inside it, toward the needle's own pivot, where the other scale is not.
void draw_twin_scales(cairo_t* cr, const DrawSpec& s)
{
    rgb(cr, 0x45474A);
    rounded(cr, 4, 4, s.width - 8, s.height - 8, 14);
    cairo_fill(cr);
    rgb(cr, 0x111214);
    rounded(cr, 7, 7, s.width - 14, s.height - 14, 12);
    cairo_fill(cr);
    for (const DialScale& sc : s.scales) {
        if (sc.ticks.empty())
            continue;
        double r = 0;
        for (const DialTick& t : sc.ticks)
            r += std::hypot(t.x - sc.pivot_x, t.y - sc.pivot_y);
        r /= sc.ticks.size();
        double a_first = std::atan2(sc.ticks.front().y - sc.pivot_y, sc.ticks.front().x - sc.pivot_x);
        double a_last  = std::atan2(sc.ticks.back().y - sc.pivot_y, sc.ticks.back().x - sc.pivot_x);
        double sweep   = std::remainder(a_last - a_first, 2 * pi);
        rgb(cr, 0xF0F0F0);
        cairo_set_line_width(cr, 1.5);
        cairo_new_path(cr);
        if (sweep >= 0)
            cairo_arc(cr, sc.pivot_x, sc.pivot_y, r, a_first, a_first + sweep);
        else
            cairo_arc_negative(cr, sc.pivot_x, sc.pivot_y, r, a_first, a_first + sweep);
        cairo_stroke(cr);
        cairo_set_line_width(cr, 2);
        for (const DialTick& t : sc.ticks) {
            double a = std::atan2(t.y - sc.pivot_y, t.x - sc.pivot_x);
            cairo_move_to(cr, sc.pivot_x + r * std::cos(a), sc.pivot_y + r * std::sin(a));
            cairo_line_to(cr, sc.pivot_x + (r + 7) * std::cos(a), sc.pivot_y + (r + 7) * std::sin(a));
            cairo_stroke(cr);
            if (!t.label.empty())
                centred_text(cr, t.label, sc.pivot_x + (r - 16) * std::cos(a), sc.pivot_y + (r - 16) * std::sin(a),
                             std::clamp(s.height / 18.0, 7.0, 12.0));
        }
        rgb(cr, 0x505458);
        cairo_arc(cr, sc.pivot_x, sc.pivot_y, 6, 0, 2 * pi);
        cairo_fill(cr);
    }
    rgb(cr, 0xD8D8D0);
    centred_text(cr, s.text, s.width / 2.0, s.height * 0.2, std::clamp(s.height / 14.0, 7.0, 13.0));
    centred_text(cr, s.unit, s.width / 2.0, s.height * 0.85, std::clamp(s.height / 18.0, 6.0, 11.0), false);
}

void draw_dial(cairo_t* cr, const DrawSpec& s)
{
    draw_panel(cr, DrawSpec{.art = Art::panel, .width = s.width, .height = s.height});
    if (s.scales.size() > 1) {
        draw_twin_scales(cr, s);
        return;
    }
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
    double half = s.needle_blade > 0 ? s.needle_blade : std::max(1.5, s.height / 5.0);
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

// A picture the host turns about its pivot by a value in degrees: a knob when the pivot is its
// middle, a bug at the top of a tall picture, otherwise an arrow through the pivot.
void draw_upright_needle(cairo_t* cr, const DrawSpec& s)
{
    double px = s.needle_pivot_x, py = s.needle_pivot_y;
    rgb(cr, s.colour ? s.colour : 0xF4F4F0);
    if (std::abs(px - py) <= 2 && std::abs(s.width - 2 * px) <= 2) {
        double r = std::min(px, py) - 1;
        rgb(cr, 0x3A3C40);
        cairo_arc(cr, px, py, r, 0, 2 * pi);
        cairo_fill(cr);
        rgb(cr, 0x8A8C90);
        cairo_set_line_width(cr, 1.5);
        cairo_arc(cr, px, py, r - 1, 0, 2 * pi);
        cairo_stroke(cr);
        rgb(cr, 0xF4F4F0);
        cairo_set_line_width(cr, 2.5);
        cairo_move_to(cr, px, py - r * 0.2);
        cairo_line_to(cr, px, py - r + 2);
        cairo_stroke(cr);
    } else if (py > 4 * px) {
        double w = s.width - 2;
        cairo_move_to(cr, 1, 1);
        cairo_line_to(cr, 1 + w * 0.35, 1);
        cairo_line_to(cr, px, 6);
        cairo_line_to(cr, 1 + w * 0.65, 1);
        cairo_line_to(cr, 1 + w, 1);
        cairo_line_to(cr, 1 + w, 12);
        cairo_line_to(cr, 1, 12);
        cairo_close_path(cr);
        cairo_fill(cr);
    } else {
        double head = std::min(px, 12.0);
        cairo_set_line_width(cr, std::max(2.0, px / 10));
        cairo_move_to(cr, px, s.height - 2);
        cairo_line_to(cr, px, head + 2);
        cairo_stroke(cr);
        cairo_move_to(cr, px, 1);
        cairo_line_to(cr, px - head, head * 1.6);
        cairo_line_to(cr, px + head, head * 1.6);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
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
    bool     lit    = !s.background && (s.frames == 1 || s.frame > 0 || s.art == Art::lit_lamp);
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

// The cover spans the lower two thirds of the bitmap, leaving the plate's title free above it.
void draw_guard(cairo_t* cr, const DrawSpec& s)
{
    double w = s.width, h = s.height;
    double hinge = std::max(3.0, h * 0.04);
    double top   = h / 3;
    rgb(cr, 0x707478);
    cairo_rectangle(cr, w * 0.1, top - hinge, w * 0.8, hinge);
    cairo_fill(cr);
    // Diagonal stripes so that it reads as a guard and not as a lamp.
    rgb(cr, s.colour ? s.colour : 0xC02018);
    rounded(cr, w * 0.08, top, w * 0.84, h - top - 2, 6);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    rgb(cr, 0xE8D020);
    cairo_set_line_width(cr, std::max(2.0, w / 12));
    for (double x = -h; x < w; x += w / 3)
        cairo_move_to(cr, x, h), cairo_line_to(cr, x + h, 0);
    cairo_stroke(cr);
    cairo_restore(cr);
    rgb(cr, 0x401010);
    cairo_set_line_width(cr, 1.5);
    rounded(cr, w * 0.08, top, w * 0.84, h - top - 2, 6);
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

// Each label is placed turned back by its own angle, so that the host's turn stands it upright
// under the window; the bitmap is otherwise black, which the host does not draw.
void draw_sprite_drum(cairo_t* cr, const DrawSpec& s)
{
    std::vector<std::string> labels;
    for (size_t start = 0;;) {
        size_t bar = s.text.find('|', start);
        labels.push_back(s.text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    for (size_t i = 0; i < labels.size(); ++i) {
        cairo_save(cr);
        cairo_translate(cr, s.needle_pivot_x, s.needle_pivot_y);
        // The host turns the drum counter-clockwise by the angle in degrees; label i is drawn turned
        // the other way so that it comes upright under the window at its angle.
        cairo_rotate(cr, s.label_turn * static_cast<double>(i) * pi / 180.0);
        cairo_translate(cr, s.label_reach_x, s.label_reach_y);
        double size = fitting_size(cr, labels[i], 48, 11);
        rgb(cr, 0x141414);
        rounded(cr, -27, -9, 54, 18, 3);
        cairo_fill(cr);
        rgb(cr, s.colour ? s.colour : 0xF0F0E0);
        centred_text(cr, labels[i], 0, 0, size);
        cairo_restore(cr);
    }
}

void draw_drum(cairo_t* cr, const DrawSpec& s)
{
    if (s.label_turn != 0) {
        draw_sprite_drum(cr, s);
        return;
    }
    double w = s.width, h = s.height;
    if (s.drum_cell > 0) {
        // Black between the digit boxes stays transparent over the face.
        for (int i = 0; i * s.drum_cell < s.height; ++i) {
            double top = i * s.drum_cell;
            rgb(cr, 0x141414);
            cairo_rectangle(cr, 0, top, w, s.drum_digit_height);
            cairo_fill(cr);
            rgb(cr, 0xF0F0F0);
            centred_text(cr, std::to_string((s.drum_first + i) % 10), w / 2, top + s.drum_digit_height / 2.0,
                         std::min(s.drum_digit_height * 0.75, w * 1.1));
        }
        return;
    }
    rgb(cr, 0x141414);
    cairo_paint(cr);
    rgb(cr, 0xF0F0F0);
    double cell = h / 10.0;
    for (int d = 0; d < 10; ++d)
        centred_text(cr, std::to_string(d), w / 2, cell * (d + 0.5), std::min(cell * 0.8, w * 0.9));
}

// Tick marks every 5 degrees, longer every 10; N, E, S, W and the tens of degrees every 30.
void draw_compass_card(cairo_t* cr, const DrawSpec& s)
{
    double cx = s.width / 2.0, cy = s.height / 2.0, r = std::min(cx, cy) - 2;
    rgb(cr, 0x202226);
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    cairo_fill(cr);
    rgb(cr, 0xF0F0F0);
    for (int deg = 0; deg < 360; deg += 5) {
        double a = deg * pi / 180 - pi / 2, len = deg % 10 == 0 ? r * 0.09 : r * 0.05;
        cairo_set_line_width(cr, deg % 30 == 0 ? 2.5 : 1.2);
        cairo_move_to(cr, cx + (r - 2) * std::cos(a), cy + (r - 2) * std::sin(a));
        cairo_line_to(cr, cx + (r - 2 - len) * std::cos(a), cy + (r - 2 - len) * std::sin(a));
        cairo_stroke(cr);
        if (deg % 30 != 0)
            continue;
        static const char* cardinal[] = {"N", "E", "S", "W"};
        std::string label = deg % 90 == 0 ? cardinal[deg / 90] : std::to_string(deg / 10);
        // Labels stand upright toward the centre, turning with the card.
        cairo_save(cr);
        cairo_translate(cr, cx + (r * 0.78) * std::cos(a), cy + (r * 0.78) * std::sin(a));
        cairo_rotate(cr, a + pi / 2);
        centred_text(cr, label, 0, 0, std::clamp(r / 8, 7.0, 18.0));
        cairo_restore(cr);
    }
}

// The sphere's centre is the bitmap's centre; pitch marks every 10 pixels, longer every 20.
void draw_attitude(cairo_t* cr, const DrawSpec& s)
{
    double w = s.width, h = s.height, cy = h / 2.0;
    rgb(cr, 0x2878C8);
    cairo_rectangle(cr, 0, 0, w, cy);
    cairo_fill(cr);
    rgb(cr, 0x7A4A22);
    cairo_rectangle(cr, 0, cy, w, h - cy);
    cairo_fill(cr);
    rgb(cr, 0xF8F8F8);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 0, cy);
    cairo_line_to(cr, w, cy);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.2);
    for (int step = 1; step * 10 < cy; ++step)
        for (int side : {-1, 1}) {
            double y = cy + side * step * 10, half = step % 2 == 0 ? w * 0.14 : w * 0.07;
            cairo_move_to(cr, w / 2 - half, y);
            cairo_line_to(cr, w / 2 + half, y);
            cairo_stroke(cr);
        }
}

// Marks every 10 degrees to 30, and at 45, on an arc about the turning point (pivot) of the bank
// pointer, their inner ends 37 pixels below the top; the aircraft symbol, wings and a centre dot, at
// needle_pivot.
void draw_bank_scale(cairo_t* cr, const DrawSpec& s)
{
    double r = s.pivot_y - 37;
    rgb(cr, 0xF0F0F0);
    for (int deg : {-45, -30, -20, -10, 0, 10, 20, 30, 45}) {
        double a = deg * pi / 180, len = deg % 30 == 0 ? 12.0 : 7.0;
        cairo_set_line_width(cr, deg % 30 == 0 ? 3.0 : 2.0);
        cairo_move_to(cr, s.pivot_x + r * std::sin(a), s.pivot_y - r * std::cos(a));
        cairo_line_to(cr, s.pivot_x + (r + len) * std::sin(a), s.pivot_y - (r + len) * std::cos(a));
        cairo_stroke(cr);
    }
    double x = s.needle_pivot_x, y = s.needle_pivot_y;
    rgb(cr, s.colour ? s.colour : 0xF0B020);
    cairo_set_line_width(cr, 4);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, x + side * 18, y);
        cairo_line_to(cr, x + side * 58, y);
        cairo_line_to(cr, x + side * 58, y + 7);
        cairo_stroke(cr);
    }
    cairo_arc(cr, x, y, 3.5, 0, 2 * pi);
    cairo_fill(cr);
}

void draw_command_bars(cairo_t* cr, const DrawSpec& s)
{
    rgb(cr, s.colour ? s.colour : 0xE040E0);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, s.pivot_x + side * 6, s.pivot_y + 2);
        cairo_line_to(cr, s.pivot_x + side * 75, s.pivot_y + 22);
        cairo_stroke(cr);
    }
}

// Ticks down the left edge with labels, numbers growing down the bitmap as the host slides it.
void draw_tape(cairo_t* cr, const DrawSpec& s)
{
    rgb(cr, 0x161618);
    cairo_rectangle(cr, 0, 0, s.width, s.height);
    cairo_fill(cr);
    double per_unit = (s.scale_bottom - s.scale_top) / (s.scale_last - s.scale_first);
    double step     = 10;
    for (double m : {20.0, 50.0, 100.0, 200.0, 500.0, 1000.0})
        if (step * per_unit < 18)
            step = m;
    rgb(cr, 0xF0F0F0);
    for (double v = s.scale_first; v <= s.scale_last + step / 4; v += step / 2) {
        double y     = s.scale_top + (v - s.scale_first) * per_unit;
        bool   major = std::fmod(v - s.scale_first, step) == 0;
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, major ? 8 : 5, y);
        cairo_stroke(cr);
        if (major)
            centred_text(cr, std::to_string(static_cast<int>(v)), (s.width + 8) / 2.0, y,
                         std::min(10.0, step * per_unit * 0.6), false);
    }
}

// A text window set into the face: a black recess with a thin light rim.
void draw_windows(cairo_t* cr, const DrawSpec& s)
{
    for (const DrawSpec::Box& b : s.windows) {
        rgb(cr, 0x707478);
        cairo_rectangle(cr, b.x - 2, b.y - 2, b.width + 4, b.height + 4);
        cairo_fill(cr);
        rgb(cr, 0x000000);
        cairo_rectangle(cr, b.x, b.y, b.width, b.height);
        cairo_fill(cr);
    }
}

// Frame k of a rotary knob points 60 degrees further clockwise than frame k - 1; frame 0 points to
// the lower left. Radio faces label the knob's positions at the same angles.
double rotary_angle(int frame) { return (-120.0 + 60.0 * frame) * pi / 180.0; }

void draw_rotary(cairo_t* cr, const DrawSpec& s)
{
    double w = s.width, h = s.height, r = std::min(w, h) / 2 - 1;
    double a = rotary_angle(s.frame);
    rgb(cr, 0x1C1C1E);
    cairo_arc(cr, w / 2, h / 2, r, 0, 2 * pi);
    cairo_fill(cr);
    rgb(cr, 0x4A4C50);
    cairo_arc(cr, w / 2, h / 2, r * 0.8, 0, 2 * pi);
    cairo_fill(cr);
    rgb(cr, 0xF0F0E8);
    cairo_set_line_width(cr, std::max(2.0, r / 4));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, w / 2 + std::sin(a) * r * 0.2, h / 2 - std::cos(a) * r * 0.2);
    cairo_line_to(cr, w / 2 + std::sin(a) * r * 0.95, h / 2 - std::cos(a) * r * 0.95);
    cairo_stroke(cr);
}

void draw_radio_face(cairo_t* cr, const DrawSpec& s)
{
    draw_panel(cr, DrawSpec{.art = Art::panel, .width = s.width, .height = s.height});
    std::vector<std::string> fields;
    for (size_t start = 0;;) {
        size_t bar = s.text.find('|', start);
        fields.push_back(s.text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    // The title under the window, on the right.
    rgb(cr, 0xE8E8E0);
    centred_text(cr, fields[0], s.width * 0.72, s.height - 12, 9);
    // Position labels around the rotary knob.
    if (s.knob_radius > 0)
        for (size_t f = 1; f < fields.size(); ++f) {
            double a = rotary_angle(static_cast<int>(f - 1)), r = s.knob_radius + 9;
            centred_text(cr, fields[f], s.knob_x + std::sin(a) * r, s.knob_y - std::cos(a) * r, 6);
        }
    // The concentric tuning knob.
    if (s.pivot_x > 0) {
        rgb(cr, 0x1C1C1E);
        cairo_arc(cr, s.pivot_x, s.pivot_y, 20, 0, 2 * pi);
        cairo_fill(cr);
        rgb(cr, 0x3A3C40);
        cairo_arc(cr, s.pivot_x, s.pivot_y, 11, 0, 2 * pi);
        cairo_fill(cr);
        rgb(cr, 0x8A8C90);
        cairo_set_line_width(cr, 1);
        for (double r : {20.0, 11.0}) {
            cairo_arc(cr, s.pivot_x, s.pivot_y, r, 0, 2 * pi);
            cairo_stroke(cr);
        }
    }
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
    case Art::upright_needle: draw_upright_needle(cr, spec); break;
    case Art::glass: draw_glass(cr, spec); break;
    case Art::lamp:
    case Art::lit_lamp: draw_lamp(cr, spec); break;
    case Art::guard: draw_guard(cr, spec); break;
    case Art::switch_frames: draw_switch(cr, spec); break;
    case Art::button: draw_button(cr, spec); break;
    case Art::plate: draw_plate(cr, spec); break;
    case Art::drum: draw_drum(cr, spec); break;
    case Art::compass_card: draw_compass_card(cr, spec); break;
    case Art::attitude: draw_attitude(cr, spec); break;
    case Art::bank_scale: draw_bank_scale(cr, spec); break;
    case Art::command_bars: draw_command_bars(cr, spec); break;
    case Art::tape: draw_tape(cr, spec); break;
    case Art::rotary: draw_rotary(cr, spec); break;
    case Art::radio_face: draw_radio_face(cr, spec); break;
    }
    if (spec.background)
        draw_windows(cr, spec);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    return surface;
}

}  // namespace artgen

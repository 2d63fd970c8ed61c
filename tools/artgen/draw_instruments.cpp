// Flight and navigation instruments: compass cards, the attitude sphere and its marks, tapes, the
// turn coordinator's aircraft and ball.
#include <algorithm>
#include <cmath>

#include "draw_common.h"

namespace artgen {

// A round card filling the largest circle about the bitmap's centre: a mark every 5 degrees,
// longer every 10, numbers every 30 with N, E, S and W, upright toward the centre.
void draw_compass_card(cairo_t* cr, const DrawSpec& s)
{
    double cx = s.width / 2.0, cy = s.height / 2.0, r = std::min(cx, cy) - 1;
    if (Layout* l = current_layout())
        l->round_x = cx, l->round_y = cy, l->round_r = r;
    rgb(cr, 0x1E2024);
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    cairo_fill(cr);
    rgb(cr, 0xF0F0F0);
    double size = std::clamp(r / 7.5, 7.0, 18.0);
    for (int deg = 0; deg < 360; deg += 5) {
        double a = deg * pi / 180 - pi / 2, len = deg % 10 == 0 ? r * 0.10 : r * 0.05;
        cairo_set_line_width(cr, deg % 30 == 0 ? 2.5 : 1.2);
        cairo_move_to(cr, cx + (r - 1) * std::cos(a), cy + (r - 1) * std::sin(a));
        cairo_line_to(cr, cx + (r - 1 - len) * std::cos(a), cy + (r - 1 - len) * std::sin(a));
        cairo_stroke(cr);
        if (deg % 30 != 0)
            continue;
        static const char* cardinal[] = {"N", "E", "S", "W"};
        std::string label = deg % 90 == 0 ? cardinal[deg / 90] : std::to_string(deg / 10);
        double      rl    = r - r * 0.10 - size * 0.9;
        cairo_save(cr);
        cairo_translate(cr, cx + rl * std::cos(a), cy + rl * std::sin(a));
        cairo_rotate(cr, a + pi / 2);
        centred_text(cr, label, 0, 0, deg % 90 == 0 ? size * 1.15 : size, true, "numeral");
        cairo_restore(cr);
    }
}

// The sphere's centre is the bitmap's centre; the host squeezes it on x by `label_reach_x` (the
// sprite's texture scale) and moves it `label_reach_y` pixels per degree of pitch. Sky shades
// darker upward, ground darker downward; the pitch ladder is marked every 5 degrees, numbered every 10.
void draw_attitude(cairo_t* cr, const DrawSpec& s)
{
    double w = s.width, h = s.height, cx = w / 2.0, cy = h / 2.0;
    double squeeze = s.label_reach_x > 0 ? s.label_reach_x : 1.0;
    double per_deg = s.label_reach_y > 0 ? s.label_reach_y : 2.0;
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, cy);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.05, 0.22, 0.45);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.33, 0.62, 0.88);
    cairo_set_source(cr, sky);
    cairo_rectangle(cr, 0, 0, w, cy);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    cairo_pattern_t* ground = cairo_pattern_create_linear(0, cy, 0, h);
    cairo_pattern_add_color_stop_rgb(ground, 0, 0.60, 0.40, 0.20);
    cairo_pattern_add_color_stop_rgb(ground, 1, 0.25, 0.15, 0.07);
    cairo_set_source(cr, ground);
    cairo_rectangle(cr, 0, cy, w, h - cy);
    cairo_fill(cr);
    cairo_pattern_destroy(ground);
    rgb(cr, 0xF8F8F8);
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, 0, cy);
    cairo_line_to(cr, w, cy);
    cairo_stroke(cr);
    // Widths on x are drawn wider by the squeeze so that they read true on the panel.
    double x_unit = 1.0 / squeeze;
    for (int deg = 5; deg * per_deg < cy - 6; deg += 5)
        for (int side : {-1, 1}) {
            double y    = cy - side * deg * per_deg;
            bool   ten  = deg % 10 == 0;
            double half = (ten ? 28.0 : 12.0) * x_unit;
            rgb(cr, 0xF8F8F8);
            cairo_set_line_width(cr, ten ? 2.0 : 1.4);
            cairo_move_to(cr, cx - half, y);
            cairo_line_to(cr, cx + half, y);
            cairo_stroke(cr);
            if (ten && deg <= 60) {
                for (int end : {-1, 1}) {
                    cairo_save(cr);
                    cairo_translate(cr, cx + end * (half + 11 * x_unit), y);
                    cairo_scale(cr, x_unit, 1.0);
                    centred_text(cr, std::to_string(deg), 0, 0, 9, true, "numeral");
                    cairo_restore(cr);
                }
            }
        }
}

// Fills a window's corners outside the largest circle about its centre, leaving the rest black.
void cover_corners(cairo_t* cr, const DrawSpec::Box& win, uint32_t colour)
{
    double ax = win.x + win.width / 2, ay = win.y + win.height / 2, ar = std::min(win.width, win.height) / 2 + 4;
    rgb(cr, colour);
    cairo_new_path(cr);
    cairo_rectangle(cr, win.x, win.y, win.width, win.height);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, ax, ay, ar, 2 * pi, 0);
    cairo_fill(cr);
    rgb(cr, 0x5A5C60);
    cairo_set_line_width(cr, 2);
    cairo_new_path(cr);
    cairo_arc(cr, ax, ay, ar, 0, 2 * pi);
    cairo_stroke(cr);
}

// Bank marks at 10, 20, 30, 45 and 60 degrees each side about the bank pointer's turning point
// (pivot), a triangle at 0, on an arc `rim` pixels from the top; the aircraft symbol, wings and a
// centre dot, at needle_pivot. With label_reach set, the corners of the sphere's window above the
// sphere (a circle of that radius about label_reach_x/y... see the caller) are covered.
void draw_bank_scale(cairo_t* cr, const DrawSpec& s)
{
    // Cover the sphere's window outside its round aperture (covers: the window, in bitmap pixels).
    if (!s.covers.empty())
        cover_corners(cr, s.covers.front(), 0x202226);
    double r = s.pivot_y - s.rim;
    rgb(cr, 0xF0F0F0);
    for (int deg : {-60, -45, -30, -20, -10, 10, 20, 30, 45, 60}) {
        double a = deg * pi / 180, len = (deg % 30 == 0) ? 12.0 : 7.0;
        cairo_set_line_width(cr, deg % 30 == 0 ? 3.0 : 2.0);
        cairo_move_to(cr, s.pivot_x + r * std::sin(a), s.pivot_y - r * std::cos(a));
        cairo_line_to(cr, s.pivot_x + (r + len) * std::sin(a), s.pivot_y - (r + len) * std::cos(a));
        cairo_stroke(cr);
    }
    cairo_move_to(cr, s.pivot_x, s.pivot_y - r);
    cairo_line_to(cr, s.pivot_x - 6, s.pivot_y - r - 10);
    cairo_line_to(cr, s.pivot_x + 6, s.pivot_y - r - 10);
    cairo_close_path(cr);
    cairo_fill(cr);
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

// Ticks down the left edge with numbers, growing down the bitmap as the host slides it; the numbers
// fit the tape's width.
void draw_tape(cairo_t* cr, const DrawSpec& s)
{
    rgb(cr, 0x161618);
    cairo_rectangle(cr, 0, 0, s.width, s.height);
    cairo_fill(cr);
    double per_unit = (s.scale_bottom - s.scale_top) / (s.scale_last - s.scale_first);
    double step     = 10;
    for (double m : {20.0, 50.0, 100.0, 200.0, 500.0, 1000.0})
        if (step * per_unit < 22)
            step = m;
    double size = std::min(fitting_size(cr, std::to_string(static_cast<int>(s.scale_last)), s.width - 12, 10, false),
                           step * per_unit * 0.6);
    rgb(cr, 0xF0F0F0);
    for (double v = s.scale_first; v <= s.scale_last + step / 4; v += step / 2) {
        double y     = s.scale_top + (v - s.scale_first) * per_unit;
        bool   major = std::fmod(v - s.scale_first, step) == 0;
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, major ? 7 : 4, y);
        cairo_stroke(cr);
        if (major)
            centred_text(cr, std::to_string(static_cast<int>(v)), (s.width + 8) / 2.0, y, size, false, "numeral");
    }
}

// The turn coordinator's aircraft seen from behind: drawn so that the host's turn toward straight
// up (the needle's rest) leaves the wings level. The bitmap's x axis is then the screen's upward
// direction and its y axis the screen's rightward one.
void draw_aircraft(cairo_t* cr, const DrawSpec& s)
{
    double px = s.needle_pivot_x, py = s.needle_pivot_y;
    // The wings reach as far as the bitmap allows on both sides of the pivot.
    double span = std::min(py, s.height - py) - 1;
    double body = std::max(2.5, span * 0.3);
    rgb(cr, s.colour ? s.colour : 0xF4F4F0);
    // wings: along the bitmap's y axis through the pivot, tapered toward the tips
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, px + 1.5, py + side * span);
        cairo_line_to(cr, px + 2.5, py + side * body);
        cairo_line_to(cr, px - 2.5, py + side * body);
        cairo_line_to(cr, px - 1, py + side * span);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    // fuselage seen from behind, and a short fin above it
    cairo_arc(cr, px, py, body, 0, 2 * pi);
    cairo_fill(cr);
    cairo_rectangle(cr, px, py - 1, body * 2.5, 2);
    cairo_fill(cr);
    rgb(cr, 0x2A2C30);
    cairo_arc(cr, px, py, body * 0.4, 0, 2 * pi);
    cairo_fill(cr);
}

void draw_ball(cairo_t* cr, const DrawSpec& s)
{
    double cx = s.width / 2.0, cy = s.height / 2.0, r = std::min(cx, cy) - 1;
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, 1, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.95, 0.95, 0.95);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.35, 0.35, 0.38);
    cairo_set_source(cr, g);
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// An inclinometer's index marks: two short white bars either side of the ball's rest, at the
// bitmap's middle; everything else black so that the ball and the aircraft show through.
void draw_inclinometer(cairo_t* cr, const DrawSpec& s)
{
    double cx = s.needle_pivot_x, half = s.rim;
    rgb(cr, 0xF0F0F0);
    cairo_set_line_width(cr, 2);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, cx + side * (half + 1.5), s.height * 0.15);
        cairo_line_to(cr, cx + side * (half + 1.5), s.height * 0.85);
        cairo_stroke(cr);
    }
    std::vector<std::string> letters = split_fields(s.text);
    if (letters.size() == 2) {
        double size = std::min(s.height * 0.8, 12.0);
        centred_text(cr, letters[0], size, s.height / 2.0, size, true, "label");
        centred_text(cr, letters[1], s.width - size, s.height / 2.0, size, true, "label");
    }
}

}  // namespace artgen

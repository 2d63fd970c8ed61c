// Dial faces and their needles.
#include <algorithm>
#include <cmath>

#include "draw_common.h"

namespace artgen {
namespace {

double distance_to_segment(double px, double py, const RestingNeedle& n)
{
    double dx = n.x1 - n.x0, dy = n.y1 - n.y0;
    double len2 = dx * dx + dy * dy;
    double t    = len2 > 0 ? std::clamp(((px - n.x0) * dx + (py - n.y0) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(px - (n.x0 + t * dx), py - (n.y0 + t * dy));
}

// Whether a resting needle passes through a box (sampled along the box's edges and inside).
bool needle_crosses(const TextBox& b, const RestingNeedle& n)
{
    for (int i = 0; i <= 8; ++i)
        for (int j = 0; j <= 4; ++j) {
            double x = b.x0 + (b.x1 - b.x0) * i / 8, y = b.y0 + (b.y1 - b.y0) * j / 4;
            if (distance_to_segment(x, y, n) < n.half + 3)
                return true;
        }
    return false;
}

// Numerals in order of importance (the scale's ends first, then the rest in order), each left out
// where it would touch one already placed.
void place_numerals(cairo_t* cr, const DialScale& sc, double radius, double size, std::vector<TextBox>& placed,
                    const std::vector<RestingNeedle>& resting = {})
{
    auto under_needle = [&](const TextBox& b) {
        for (const RestingNeedle& n : resting)
            if (needle_crosses(b, n))
                return true;
        return false;
    };
    std::vector<const ScaleMark*> order;
    for (const ScaleMark& m : sc.marks)
        if (!m.numeral.empty())
            order.push_back(&m);
    if (order.size() > 2)
        std::rotate(order.begin() + 1, order.end() - 1, order.end());
    for (size_t i = 0; i < order.size(); ++i) {
        const ScaleMark* m = order[i];
        double x = sc.pivot_x + radius * std::cos(m->angle), y = sc.pivot_y + radius * std::sin(m->angle);
        // The same numeral on two marks close together (the ends of a scale that meet) is printed once,
        // between them.
        for (size_t j = 0; j < order.size(); ++j) {
            if (j == i || order[j]->numeral != m->numeral)
                continue;
            double ox = sc.pivot_x + radius * std::cos(order[j]->angle), oy = sc.pivot_y + radius * std::sin(order[j]->angle);
            if (std::hypot(ox - x, oy - y) < size * 3.2)
                x = (x + ox) / 2, y = (y + oy) / 2;
        }
        TextBox b = text_box(cr, m->numeral, x, y, size);
        // A numeral a needle covers at rest stands beside it: an end numeral on the side away from
        // its neighbour, any other on whichever side clears first.
        if (under_needle(b)) {
            double tx = -std::sin(m->angle), ty = std::cos(m->angle);   // toward larger angles
            // An end numeral moves away from its neighbour; one inside the scale either way.
            double side = 1;
            if (sc.marks.size() > 1 && m == &sc.marks.front())
                side = std::remainder(sc.marks[1].angle - m->angle, 2 * pi) > 0 ? -1 : 1;
            else if (sc.marks.size() > 1 && m == &sc.marks.back())
                side = std::remainder(sc.marks[sc.marks.size() - 2].angle - m->angle, 2 * pi) > 0 ? -1 : 1;
            bool moved = false;
            for (double d = 2; d <= size * 2.5 && !moved; d += 1)
                for (double sd : {side, -side}) {
                    TextBox c = text_box(cr, m->numeral, x + sd * d * tx, y + sd * d * ty, size);
                    if (!under_needle(c)) {
                        x += sd * d * tx, y += sd * d * ty, b = c, moved = true;
                        break;
                    }
                }
        }
        bool free = true;
        for (const TextBox& o : placed)
            free = free && !b.overlaps(o, 2);
        if (!free)
            continue;
        placed.push_back(b);
        centred_text(cr, m->numeral, x, y, size, true, "numeral");
    }
}

void draw_bands(cairo_t* cr, const DialScale& sc, double r_out, double width)
{
    for (const ScaleBand& b : sc.bands) {
        rgb(cr, b.colour);
        cairo_new_path(cr);
        if (b.line) {
            cairo_set_line_width(cr, 3);
            cairo_move_to(cr, sc.pivot_x + (r_out - width * 2.6) * std::cos(b.from),
                          sc.pivot_y + (r_out - width * 2.6) * std::sin(b.from));
            cairo_line_to(cr, sc.pivot_x + r_out * std::cos(b.from), sc.pivot_y + r_out * std::sin(b.from));
            cairo_stroke(cr);
            continue;
        }
        cairo_set_line_width(cr, width);
        if (b.to >= b.from)
            cairo_arc(cr, sc.pivot_x, sc.pivot_y, r_out - width / 2, b.from, b.to);
        else
            cairo_arc_negative(cr, sc.pivot_x, sc.pivot_y, r_out - width / 2, b.from, b.to);
        cairo_stroke(cr);
    }
}

void draw_marks(cairo_t* cr, const DialScale& sc, double r_out, double major_len, double minor_len,
                uint32_t colour = 0xF0F0F0)
{
    rgb(cr, colour);
    for (const ScaleMark& m : sc.marks) {
        double len = m.level ? major_len : minor_len;
        cairo_set_line_width(cr, m.level ? 2.4 : 1.2);
        cairo_move_to(cr, sc.pivot_x + (r_out - len) * std::cos(m.angle), sc.pivot_y + (r_out - len) * std::sin(m.angle));
        cairo_line_to(cr, sc.pivot_x + r_out * std::cos(m.angle), sc.pivot_y + r_out * std::sin(m.angle));
        cairo_stroke(cr);
    }
}

// Title and unit where no needle rests and no numeral stands: the first free pair of places.
void place_title(cairo_t* cr, const DrawSpec& s, double cx, double cy, double r, const std::vector<TextBox>& taken)
{
    if (s.text.empty() && s.unit.empty())
        return;
    double tsize = fitting_size(cr, s.text, r * 1.1, std::clamp(r / 9, 7.0, 13.0));
    double usize = fitting_size(cr, s.unit, r * 1.2, std::clamp(r / 12, 6.0, 10.0), false);
    static const double places[][2] = {{-0.32, 0.34}, {0.24, 0.38}, {-0.42, -0.28}, {-0.26, 0.24},
                                       {0.30, 0.44},  {-0.48, -0.34}, {0.40, 0.54}, {-0.36, 0.46}};
    // Clear of the numerals and the needles at rest; better still, of the needles at work too.
    auto free = [&](const TextBox& b, bool at_work) {
        for (const TextBox& t : taken)
            if (b.overlaps(t, 2))
                return false;
        for (const RestingNeedle& n : s.resting)
            if (needle_crosses(b, n))
                return false;
        for (const RestingNeedle& n : s.working)
            if (at_work && needle_crosses(b, n))
                return false;
        return true;
    };
    const double* best = nullptr;
    double        dx   = 0;
    for (bool at_work : {true, false})
        for (double shift : {0.0, -0.2, 0.2})
            for (const auto& p : places) {
                TextBox t = text_box(cr, s.text, cx + shift * r, cy + p[0] * r, tsize);
                TextBox u = text_box(cr, s.unit, cx + shift * r, cy + p[1] * r, usize, false);
                if (best == nullptr && (s.text.empty() || free(t, at_work)) && (s.unit.empty() || free(u, at_work)))
                    best = p, dx = shift * r;
            }
    if (best == nullptr)
        best = places[0];
    rgb(cr, 0xD8D8D0);
    centred_text(cr, s.text, cx + dx, cy + best[0] * r, tsize, true, "title");
    centred_text(cr, s.unit, cx + dx, cy + best[1] * r, usize, false, "title");
}

// A twin face: a dark square face, and for each needle an arc through its points with marks
// toward the middle and numerals toward its own pivot.
void draw_twin_scales(cairo_t* cr, const DrawSpec& s)
{
    rgb(cr, 0x45474A);
    rounded(cr, 4, 4, s.width - 8, s.height - 8, 14);
    cairo_fill(cr);
    rgb(cr, 0x111214);
    rounded(cr, 7, 7, s.width - 14, s.height - 14, 12);
    cairo_fill(cr);
    std::vector<TextBox> placed;
    for (const DialScale& sc : s.scales) {
        if (sc.marks.empty())
            continue;
        double r = sc.radius;
        draw_bands(cr, sc, r + 7, 4);
        rgb(cr, 0xF0F0F0);
        cairo_set_line_width(cr, 1.5);
        cairo_new_path(cr);
        double a0 = sc.marks.front().angle, a1 = sc.marks.back().angle;
        double sweep = std::remainder(a1 - a0, 2 * pi);
        if (sweep >= 0)
            cairo_arc(cr, sc.pivot_x, sc.pivot_y, r, a0, a0 + sweep);
        else
            cairo_arc_negative(cr, sc.pivot_x, sc.pivot_y, r, a0, a0 + sweep);
        cairo_stroke(cr);
        draw_marks(cr, sc, r + 7, 7, 4);
        double size = std::clamp(s.height / 24.0, 7.0, 11.0);
        place_numerals(cr, sc, r - 13, size, placed);
        rgb(cr, 0x505458);
        cairo_new_path(cr);
        cairo_arc(cr, sc.pivot_x, sc.pivot_y, 6, 0, 2 * pi);
        cairo_fill(cr);
    }
    rgb(cr, 0xD8D8D0);
    double tsize = fitting_size(cr, s.text, s.width * 0.6, std::clamp(s.height / 16.0, 7.0, 13.0));
    centred_text(cr, s.text, s.width / 2.0, s.height * 0.1, tsize, true, "title");
    double usize = fitting_size(cr, s.unit, s.width * 0.7, std::clamp(s.height / 22.0, 6.0, 10.0), false);
    centred_text(cr, s.unit, s.width / 2.0, s.height * 0.91, usize, false, "title");
}

// A bezel ring of brushed dark metal from r_in to r_out.
void bezel_ring(cairo_t* cr, double cx, double cy, double r_out, double r_in)
{
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - r_out, cy - r_out, cx + r_out, cy + r_out);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.42, 0.43, 0.45);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.16, 0.17, 0.18);
    cairo_set_source(cr, g);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r_out, 0, 2 * pi);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy, r_in, 2 * pi, 0);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// A clock-like ring: numbered divisions clockwise from the top, four minor marks between them.
void draw_ring(cairo_t* cr, const DrawSpec& s, double cx, double cy, double r_out, std::vector<TextBox>& placed)
{
    const int per = s.ring == 12 ? 5 : 5;
    double    size = std::clamp(r_out / 6.0, 8.0, 22.0);
    rgb(cr, 0xF0F0F0);
    for (int i = 0; i < s.ring * per; ++i) {
        double a     = -pi / 2 + 2 * pi * i / (s.ring * per);
        bool   major = i % per == 0;
        double len   = major ? r_out * 0.11 : r_out * 0.06;
        cairo_set_line_width(cr, major ? 2.6 : 1.2);
        cairo_move_to(cr, cx + (r_out - len) * std::cos(a), cy + (r_out - len) * std::sin(a));
        cairo_line_to(cr, cx + r_out * std::cos(a), cy + r_out * std::sin(a));
        cairo_stroke(cr);
        if (major) {
            int         n     = i / per == 0 ? s.ring_top : i / per;
            double      rl    = r_out - r_out * 0.11 - size * 0.85;
            std::string label = std::to_string(n);
            placed.push_back(text_box(cr, label, cx + rl * std::cos(a), cy + rl * std::sin(a), size));
            // Noted apart from a scale's numerals: a ring's stay at their divisions (a clock's 12
            // at the top, whatever its hands cover).
            centred_text(cr, label, cx + rl * std::cos(a), cy + rl * std::sin(a), size, true, "ring");
        }
    }
}

// A turn coordinator's face: the inclinometer's tube under the ball's travel, and the wing-tip
// marks (level, and a standard-rate turn each way, marked L and R) about the aircraft's pivot.
void draw_turn_face(cairo_t* cr, const DrawSpec& s, double cx, double cy, double r_out)
{
    if (s.tube_half > 0) {
        double x = s.tube_x, y = s.tube_y, half = s.tube_half, r = s.tube_ball + 1.5;
        rgb(cr, 0x8A8C90);
        rounded(cr, x - half - 2, y - r - 2, 2 * half + 4, 2 * r + 4, r + 2);
        cairo_fill(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, y - r, 0, y + r);
        cairo_pattern_add_color_stop_rgb(g, 0, 0.30, 0.32, 0.30);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.12, 0.13, 0.12);
        cairo_set_source(cr, g);
        rounded(cr, x - half, y - r, 2 * half, 2 * r, r);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    if (s.turn_marks.size() != 3)
        return;
    // turn_marks: the screen angles of the right wing tip (level and either rate) about turn_x/y.
    rgb(cr, 0xF0F0F0);
    cairo_set_line_width(cr, 4);
    for (double a : s.turn_marks)
        for (double ang : {a, a + pi}) {
            double r0 = r_out * 0.68, r1 = r_out * 0.86;
            cairo_move_to(cr, s.turn_x + r0 * std::cos(ang), s.turn_y + r0 * std::sin(ang));
            cairo_line_to(cr, s.turn_x + r1 * std::cos(ang), s.turn_y + r1 * std::sin(ang));
            cairo_stroke(cr);
        }
    double size = std::clamp(r_out / 8, 8.0, 16.0);
    for (auto [a, letter] : {std::pair{s.turn_marks.front() + pi, "L"}, {s.turn_marks.back(), "R"}})
        centred_text(cr, letter, s.turn_x + r_out * 0.5 * std::cos(a), s.turn_y + r_out * 0.5 * std::sin(a),
                     size, true, "label");
    (void)cx, (void)cy;
}

// Scales the hint paints about the centre: marks out to the radius, numerals inside them; the
// numerals' boxes join `placed`.
void draw_arcs(cairo_t* cr, const DrawSpec& s, std::vector<TextBox>& placed)
{
    for (const ArcScale& a : s.arcs) {
        const double per = (a.to - a.from) / (a.last - a.first);   // degrees per unit
        auto angle = [&](double v) { return (a.from + (v - a.first) * per - 90.0) * pi / 180.0; };
        const double numerals = a.numerals > 0 ? a.numerals : a.major;
        const double size     = a.size > 0 ? a.size : 8;
        rgb(cr, a.colour ? a.colour : 0xF0F0F0);
        cairo_set_line_width(cr, 1.2);
        cairo_new_path(cr);
        cairo_arc(cr, s.arc_x, s.arc_y, a.radius - 0.5, angle(a.first), angle(a.last));
        cairo_stroke(cr);
        auto on = [](double v, double step) { return std::abs(v / step - std::round(v / step)) < 1e-6; };
        for (double k = std::ceil(a.first / a.minor - 1e-9); k * a.minor <= a.last + 1e-9; ++k) {
            double v = k * a.minor, t = angle(v);
            bool   major = on(v, a.major);
            double len   = major ? 7 : 4;
            cairo_set_line_width(cr, major ? 2 : 1);
            cairo_move_to(cr, s.arc_x + (a.radius - len) * std::cos(t), s.arc_y + (a.radius - len) * std::sin(t));
            cairo_line_to(cr, s.arc_x + a.radius * std::cos(t), s.arc_y + a.radius * std::sin(t));
            cairo_stroke(cr);
            if (!on(v, numerals))
                continue;
            std::string label = numeral_for(v);
            TextBox     box   = text_box(cr, label, 0, 0, size);
            // Far enough in that the box's nearest corner clears the marks.
            double      rl    = a.radius - 9 - std::abs(std::cos(t)) * (box.x1 - box.x0) / 2 -
                         std::abs(std::sin(t)) * (box.y1 - box.y0) / 2;
            double x = s.arc_x + rl * std::cos(t), y = s.arc_y + rl * std::sin(t);
            placed.push_back(text_box(cr, label, x, y, size));
            centred_text(cr, label, x, y, size, true, "numeral");
        }
        // Each end of the band is marked even off the steps.
        cairo_set_line_width(cr, 2);
        for (double v : {a.first, a.last}) {
            double t = angle(v);
            cairo_move_to(cr, s.arc_x + (a.radius - 7) * std::cos(t), s.arc_y + (a.radius - 7) * std::sin(t));
            cairo_line_to(cr, s.arc_x + a.radius * std::cos(t), s.arc_y + a.radius * std::sin(t));
        }
        cairo_stroke(cr);
    }
}

}  // namespace

// The face radius of a round dial: the largest circle about its centre inside the bitmap.
static double face_radius(const DrawSpec& s)
{
    return std::min({s.pivot_x, s.pivot_y, s.width - s.pivot_x, s.height - s.pivot_y}) - 1;
}

void draw_dial(cairo_t* cr, const DrawSpec& s)
{
    draw_panel(cr, DrawSpec{.art = Art::panel, .width = s.width, .height = s.height});
    if (s.scales.size() > 1 || s.square) {
        draw_twin_scales(cr, s);
        std::vector<TextBox> placed;
        draw_arcs(cr, s, placed);
        return;
    }
    double cx = s.pivot_x, cy = s.pivot_y;
    double R  = face_radius(s);
    double rim = std::max(4.0, R * 0.06);
    if (Layout* l = current_layout())
        l->round_x = cx, l->round_y = cy, l->round_r = R;
    bezel_ring(cr, cx, cy, R, R - rim);
    rgb(cr, 0x111214);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, R - rim, 0, 2 * pi);
    cairo_fill(cr);
    // A cover ring over the rim (a setting bezel) hides what lies under it.
    double r_out = R - std::max(rim, s.rim) - 3;
    std::vector<TextBox> placed;
    if (s.ring > 0) {
        draw_ring(cr, s, cx, cy, r_out, placed);
    } else if (!s.scales.empty()) {
        // Each pass of the needle on a ring of its own, the first outermost; a later pass is told
        // apart by its colour.
        int passes = 1;
        for (const ScaleMark& m : s.scales.front().marks)
            passes = std::max(passes, m.pass + 1);
        double size = std::clamp(r_out / (passes > 1 ? 10.0 : 8.5), 8.0, 17.0);
        double ring = r_out;
        for (int p = 0; p < passes; ++p) {
            DialScale sc = s.scales.front();
            std::erase_if(sc.marks, [p](const ScaleMark& m) { return m.pass != p; });
            std::erase_if(sc.bands, [p](const ScaleBand& b) { return b.pass != p; });
            if (p > 0) {
                rgb(cr, 0xF0C040);
                cairo_set_line_width(cr, 1.5);
                cairo_new_path(cr);
                double a0 = sc.marks.front().angle, sweep = std::remainder(sc.marks.back().angle - a0, 2 * pi);
                if (sweep >= 0)
                    cairo_arc(cr, cx, cy, ring, a0, a0 + sweep);
                else
                    cairo_arc_negative(cr, cx, cy, ring, a0, a0 + sweep);
                cairo_stroke(cr);
            }
            double band = std::max(4.0, r_out * 0.05);
            draw_bands(cr, sc, ring, band);
            draw_marks(cr, sc, ring, r_out * 0.12, r_out * 0.06, p > 0 ? 0xF0C040 : 0xF0F0F0);
            double numerals = ring - r_out * 0.12 - size * 0.95;
            if (p > 0)
                rgb(cr, 0xF0C040);
            place_numerals(cr, sc, numerals, size, placed, s.resting);
            ring = numerals - size * 1.4;
        }
    }
    draw_turn_face(cr, s, cx, cy, r_out);
    place_title(cr, s, cx, cy, R, placed);
}

// A needle drawn pointing right from its pivot: a tapered white blade, a short counterweight and a
// dark hub.
void draw_needle(cairo_t* cr, const DrawSpec& s)
{
    double px = s.needle_pivot_x, py = s.needle_pivot_y;
    double len  = s.needle_length > 0 ? std::min(s.needle_length, s.width - px - 1) : s.width - px - 1;
    double half = s.needle_blade > 0 ? s.needle_blade : std::clamp(s.height / 5.0, 1.5, 5.0);
    double tail = std::min(px, std::max(6.0, len * 0.18));
    rgb(cr, s.colour ? s.colour : 0xF4F4F0);
    cairo_move_to(cr, px - tail, py - half * 0.9);
    cairo_line_to(cr, px + len * 0.80, py - half * 0.55);
    cairo_line_to(cr, px + len, py);
    cairo_line_to(cr, px + len * 0.80, py + half * 0.55);
    cairo_line_to(cr, px - tail, py + half * 0.9);
    cairo_close_path(cr);
    cairo_fill(cr);
    double hub = std::min({half * 1.8, s.height / 2.0 - 0.5, px > 0 ? px : half * 1.8});
    rgb(cr, 0x2A2C30);
    cairo_arc(cr, px, py, hub, 0, 2 * pi);
    cairo_fill(cr);
    rgb(cr, 0x8A8C90);
    cairo_set_line_width(cr, 1);
    cairo_arc(cr, px, py, hub * 0.5, 0, 2 * pi);
    cairo_stroke(cr);
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
        // A pointer at the top of a tall picture (a bank pointer): a triangle pointing up.
        double w = s.width - 2;
        cairo_move_to(cr, px, 1);
        cairo_line_to(cr, 1 + w, 14);
        cairo_line_to(cr, 1, 14);
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

// A cover ring of width `rim` over the edge of a round face about `pivot`, with a window cut where
// the setting disc shows (label_reach: the window's centre from the pivot).
void draw_bezel(cairo_t* cr, const DrawSpec& s)
{
    double cx = s.pivot_x, cy = s.pivot_y;
    double R  = std::min({cx, cy, s.width - cx, s.height - cy}) - 1;
    bezel_ring(cr, cx, cy, R, R - s.rim);
    double wx = cx + s.label_reach_x, wy = cy + s.label_reach_y;
    double ww = s.rim - 6, wh = 30;
    rgb(cr, 0x8A8C90);
    cairo_rectangle(cr, wx - ww / 2 - 1.5, wy - wh / 2 - 1.5, ww + 3, wh + 3);
    cairo_fill(cr);
    rgb(cr, 0x000000);
    cairo_rectangle(cr, wx - ww / 2, wy - wh / 2, ww, wh);
    cairo_fill(cr);
    // The index the setting is read against.
    rgb(cr, 0xF05020);
    cairo_move_to(cr, wx - ww / 2 - 1.5, wy - 3);
    cairo_line_to(cr, wx - ww / 2 + 3, wy);
    cairo_line_to(cr, wx - ww / 2 - 1.5, wy + 3);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// A pressure-setting disc: fields "FIRST|LAST|ZERO". The host turns it counter-clockwise by
// (setting - ZERO) x label_turn degrees about its centre; each value is drawn turned back by its
// own angle so that it stands upright in the window at label_reach when set. A mark every unit,
// numbered as often as the numerals fit; all of it lies under the bezel's ring but for the window.
void draw_setting_scale(cairo_t* cr, const DrawSpec& s)
{
    std::vector<std::string> f = split_fields(s.text);
    int    first = std::stoi(f.at(0)), last = std::stoi(f.at(1)), zero = std::stoi(f.at(2));
    double reach = std::hypot(s.label_reach_x, s.label_reach_y);
    double base  = std::atan2(s.label_reach_y, s.label_reach_x);
    double ww    = s.rim - 6, step = s.label_turn * pi / 180.0 * reach;
    double size  = fitting_size(cr, "8888", ww - 7, 10, false);
    // Numbered every other unit (through ZERO) where the units stand closer than a numeral is
    // tall and a half: the window then always shows a whole numeral.
    const int every = step < size * 1.5 ? 2 : 1;
    for (int v = first; v <= last; ++v) {
        cairo_save(cr);
        cairo_translate(cr, s.needle_pivot_x, s.needle_pivot_y);
        cairo_rotate(cr, (v - zero) * s.label_turn * pi / 180.0 + base);
        rgb(cr, 0x181818);
        cairo_rectangle(cr, reach - ww / 2, -step / 2 - 0.5, ww, step + 1);
        cairo_fill(cr);
        rgb(cr, 0xF0F0F0);
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, reach - ww / 2, 0);
        const bool numbered = (v - zero) % every == 0;
        cairo_line_to(cr, reach - ww / 2 + (numbered ? 5 : 3), 0);
        cairo_stroke(cr);
        if (numbered) {
            cairo_translate(cr, reach + 3, 0);
            cairo_rotate(cr, -base);
            centred_text(cr, std::to_string(v), 0, 0, size, false, "label");
        }
        cairo_restore(cr);
    }
}

}  // namespace artgen

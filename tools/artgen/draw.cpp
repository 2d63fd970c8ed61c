#include "draw.h"

#include <algorithm>
#include <cmath>

#include "draw_common.h"

namespace artgen {

void rgb(cairo_t* cr, uint32_t c, double alpha)
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

Layout*& current_layout()
{
    static Layout* layout = nullptr;
    return layout;
}

bool& narrow_font()
{
    static bool narrow = false;
    return narrow;
}

static void select_font(cairo_t* cr, double size, bool bold)
{
    cairo_select_font_face(cr, narrow_font() ? "Liberation Sans Narrow" : "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
}

TextBox text_box(cairo_t* cr, const std::string& text, double cx, double cy, double size, bool bold)
{
    select_font(cr, size, bold);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    return {cx - ext.width / 2, cy - ext.height / 2, cx + ext.width / 2, cy + ext.height / 2};
}

void centred_text(cairo_t* cr, const std::string& text, double cx, double cy, double size, bool bold, const char* kind)
{
    if (text.empty())
        return;
    select_font(cr, size, bold);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    cairo_move_to(cr, cx - ext.width / 2 - ext.x_bearing, cy - ext.height / 2 - ext.y_bearing);
    cairo_show_text(cr, text.c_str());
    cairo_new_path(cr);
    if (Layout* l = current_layout()) {
        // The box as it lands in the bitmap, whatever the current transformation.
        double xs[4] = {cx - ext.width / 2, cx + ext.width / 2, cx - ext.width / 2, cx + ext.width / 2};
        double ys[4] = {cy - ext.height / 2, cy - ext.height / 2, cy + ext.height / 2, cy + ext.height / 2};
        Layout::Text t{kind, 1e9, 1e9, -1e9, -1e9, text};
        for (int i = 0; i < 4; ++i) {
            cairo_user_to_device(cr, &xs[i], &ys[i]);
            t.x0 = std::min(t.x0, xs[i]), t.x1 = std::max(t.x1, xs[i]);
            t.y0 = std::min(t.y0, ys[i]), t.y1 = std::max(t.y1, ys[i]);
        }
        l->texts.push_back(t);
    }
}

double fitting_size(cairo_t* cr, const std::string& text, double width, double size, bool bold)
{
    for (; size > 5; size -= 0.5) {
        select_font(cr, size, bold);
        cairo_text_extents_t ext;
        cairo_text_extents(cr, text.c_str(), &ext);
        if (ext.width <= width)
            break;
    }
    return size;
}

std::vector<std::string> split_fields(const std::string& text)
{
    std::vector<std::string> fields;
    for (size_t start = 0;;) {
        size_t bar = text.find('|', start);
        fields.push_back(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            return fields;
        start = bar + 1;
    }
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
    if (w >= 60 && h >= 60) {
        for (auto [x, y] : {std::pair{6.0, 6.0}, {w - 6, 6.0}, {6.0, h - 6}, {w - 6, h - 6}}) {
            rgb(cr, 0x8A8C90);
            cairo_new_path(cr);
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
        centred_text(cr, s.text, w / 2, std::min(h / 2.0, size + 6), size, true, "title");
    }
}

namespace {

// The cover glass: the host shows nothing of it. A reflection drawn here would be opaque over the
// face, since the host knows only black for transparency.
// Over a sphere it covers the window's corners below the bank scale (which covers those above) and
// the part of a tape below its window (windows), in the face's colour.
void draw_glass(cairo_t* cr, const DrawSpec& s)
{
    for (const DrawSpec::Box& c : s.covers) {
        cairo_save(cr);
        cairo_rectangle(cr, c.x, c.y + c.height / 2, c.width, c.height / 2 + 1);
        cairo_clip(cr);
        cover_corners(cr, c, 0x202226);
        cairo_restore(cr);
    }
    for (const DrawSpec::Box& b : s.windows) {
        rgb(cr, 0x202226);
        cairo_rectangle(cr, b.x, b.y, b.width, b.height);
        cairo_fill(cr);
    }
}

void draw_lamp(cairo_t* cr, const DrawSpec& s)
{
    // On a background the lamp is drawn dark, set in a panel: a lit lamp is an element over it.
    bool lit = !s.background && (s.frames == 1 || s.frame > 0 || s.art == Art::lit_lamp);
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
        rgb(cr, 0xA0A0A0);
    }
    double size = fitting_size(cr, s.text, w - 2 * inset - 4, std::max(h / 3.5, 7.0));
    centred_text(cr, s.text, w / 2, h / 2, size);
}

void draw_switch(cairo_t* cr, const DrawSpec& s)
{
    double w = s.width, h = s.height;
    bool   up = s.frame > 0;
    // The lever's pivot: the hint's row (a switch low on a plate, under its name), else the middle.
    double cy = s.pivot_y > 0 ? s.pivot_y : h / 2, reach = std::min(cy, h - cy) * 0.76;
    rgb(cr, 0x3A3C40);
    cairo_arc(cr, w / 2, cy, std::min(w, h) * 0.3, 0, 2 * pi);
    cairo_fill(cr);
    rgb(cr, 0x8A8C90);
    cairo_arc(cr, w / 2, cy, std::min(w, h) * 0.3, 0, 2 * pi);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    rgb(cr, 0xC8C8C8);
    cairo_set_line_width(cr, std::max(3.0, w / 6));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, w / 2, cy);
    cairo_line_to(cr, w / 2, up ? cy - reach : cy + reach);
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

// A push button face; with a rim, a round button of that radius about the pivot, the rest black.
void draw_button(cairo_t* cr, const DrawSpec& s)
{
    double w = s.width, h = s.height;
    if (s.rim > 0) {
        rgb(cr, s.colour ? s.colour : 0x3C4048);
        cairo_arc(cr, s.pivot_x, s.pivot_y, s.rim, 0, 2 * pi);
        cairo_fill(cr);
        rgb(cr, 0x9098A0);
        cairo_set_line_width(cr, 1.5);
        cairo_arc(cr, s.pivot_x, s.pivot_y, s.rim - 0.75, 0, 2 * pi);
        cairo_stroke(cr);
        rgb(cr, 0xF0F0E8);
        centred_text(cr, s.text, s.pivot_x, s.pivot_y, fitting_size(cr, s.text, s.rim * 1.7, 10));
        return;
    }
    // A near-black button is a digit printed in a window, like the drums beside it.
    if (s.colour != 0 && (s.colour & 0xE0E0E0) == 0) {
        rgb(cr, s.colour);
        cairo_rectangle(cr, 0, 0, w, h);
        cairo_fill(cr);
        rgb(cr, 0xF0F0F0);
        centred_text(cr, s.text, w / 2, h / 2, fitting_size(cr, s.text, w - 2, h * 0.75), true, "digit");
        return;
    }
    rgb(cr, s.colour ? s.colour : 0x3C4048);
    rounded(cr, 1, 1, w - 2, h - 2, 4);
    cairo_fill(cr);
    rgb(cr, 0x9098A0);
    cairo_set_line_width(cr, 1);
    rounded(cr, 1.5, 1.5, w - 3, h - 3, 4);
    cairo_stroke(cr);
    rgb(cr, 0xF0F0E8);
    // A label squeezed well below the size the face allows is set in the narrow face instead.
    const double want = std::min(h * 0.6, 16.0);
    double       size = fitting_size(cr, s.text, w - 4, want);
    if (size < want * 0.8) {
        narrow_font() = true;
        size          = fitting_size(cr, s.text, w - 4, want);
    }
    centred_text(cr, s.text, w / 2, h / 2, size);
    narrow_font() = false;
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

// A round knob with a knurled rim and a white index; frames are drawn alike.
void draw_knob(cairo_t* cr, const DrawSpec& s)
{
    double cx = s.needle_pivot_x ? s.needle_pivot_x : s.width / 2.0;
    double cy = s.needle_pivot_y ? s.needle_pivot_y : s.height / 2.0;
    double r  = std::min({cx, cy, s.width - cx, s.height - cy}) - 1;
    rgb(cr, 0x1C1C1E);
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    cairo_fill(cr);
    rgb(cr, 0x5A5C60);
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i < 24; ++i) {
        double a = 2 * pi * i / 24;
        cairo_move_to(cr, cx + r * 0.82 * std::cos(a), cy + r * 0.82 * std::sin(a));
        cairo_line_to(cr, cx + r * 0.98 * std::cos(a), cy + r * 0.98 * std::sin(a));
    }
    cairo_stroke(cr);
    rgb(cr, 0x3A3C40);
    cairo_arc(cr, cx, cy, r * 0.72, 0, 2 * pi);
    cairo_fill(cr);
    // The index points right: the host turns a needle's picture toward its aim.
    rgb(cr, 0xF4F4F0);
    cairo_set_line_width(cr, std::max(2.0, r / 8));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx + r * 0.2, cy);
    cairo_line_to(cr, cx + r * 0.68, cy);
    cairo_stroke(cr);
}

// Each label is placed turned back by its own angle, so that the host's turn stands it upright
// under the window; the bitmap is otherwise black, which the host does not draw.
void draw_sprite_drum(cairo_t* cr, const DrawSpec& s)
{
    std::vector<std::string> labels = split_fields(s.text);
    // The host turns the drum counter-clockwise by the angle in degrees; label i is drawn turned
    // the other way so that it comes upright under the window at its angle.
    for (size_t i = 0; i < labels.size(); ++i) {
        cairo_save(cr);
        cairo_translate(cr, s.needle_pivot_x, s.needle_pivot_y);
        cairo_rotate(cr, s.label_turn * static_cast<double>(i) * pi / 180.0);
        cairo_translate(cr, s.label_reach_x, s.label_reach_y);
        double size = fitting_size(cr, labels[i], 50, 11);
        rgb(cr, 0x141414);
        rounded(cr, -28, -9, 56, 18, 3);
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
            std::string digit = std::to_string((s.drum_first + i) % 10);
            centred_text(cr, digit, w / 2, top + s.drum_digit_height / 2.0,
                         fitting_size(cr, digit, w - 2, s.drum_digit_height * 0.75), true, "digit");
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

// Frame k of a rotary knob points 60 degrees further clockwise than frame k - 1; frame 0 points to
// the lower left. Radio faces label the knob's positions at the same angles.
void draw_rotary(cairo_t* cr, const DrawSpec& s)
{
    double w = s.width, h = s.height, r = std::min(w, h) / 2 - 1;
    double a = (-120.0 + 60.0 * s.frame) * pi / 180.0;
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

}  // namespace

void note_box(const char* kind, double x0, double y0, double x1, double y1, const std::string& text)
{
    if (Layout* l = current_layout()) {
        l->texts.push_back({kind, std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1), text});
    }
}

namespace {

// A dark recess with a thin light rim around a box.
void recess(cairo_t* cr, double x, double y, double w, double h)
{
    rgb(cr, 0x707478);
    cairo_rectangle(cr, x - 2, y - 2, w + 4, h + 4);
    cairo_fill(cr);
    rgb(cr, 0x000000);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    note_box("window", x, y, x + w, y + h, "window");
}

}  // namespace

// The text windows set into the face: the host fits a window's text to its whole width, so the
// recess leaves a margin on either side of the box; windows stacked in a column share one width.
void draw_windows(cairo_t* cr, const DrawSpec& s)
{
    std::vector<DrawSpec::Box> boxes;
    for (const DrawSpec::Box& b : s.windows) {
        bool twin = false;
        for (const DrawSpec::Box& o : boxes)
            twin = twin || (o.x == b.x && o.y == b.y && o.width == b.width && o.height == b.height);
        if (!twin)
            boxes.push_back(b);
    }
    for (DrawSpec::Box& b : boxes)
        for (const DrawSpec::Box& o : boxes) {
            double common = std::min(b.x + b.width, o.x + o.width) - std::max(b.x, o.x);
            bool   apart  = b.y + b.height <= o.y || o.y + o.height <= b.y;
            if (&b == &o || !apart || common < 0.7 * std::min(b.width, o.width))
                continue;
            double x0 = std::min(b.x, o.x), x1 = std::max(b.x + b.width, o.x + o.width);
            b.x = x0, b.width = x1 - x0;
        }
    for (const DrawSpec::Box& b : boxes) {
        double mx = std::clamp(b.height * 0.15, 2.0, 5.0), my = b.height >= 20 ? 1.0 : 0.0;
        double x0 = std::max(2.0, b.x - mx), x1 = std::min(s.width - 2.0, b.x + b.width + mx);
        recess(cr, x0, std::max(2.0, b.y - my), x1 - x0, std::min(s.height - 2.0, b.y + b.height + my) -
                                                               std::max(2.0, b.y - my));
    }
}

// A speaker grille: rounded slots across a dark plate.
static void grille(cairo_t* cr, double x, double y, double w, double h)
{
    rgb(cr, 0x1A1B1D);
    rounded(cr, x, y, w, h, 4);
    cairo_fill(cr);
    rgb(cr, 0x050505);
    for (double sy = y + 5; sy + 3 <= y + h - 3; sy += 6) {
        rounded(cr, x + 6, sy, w - 12, 3, 1.5);
        cairo_fill(cr);
    }
}

void draw_decals(cairo_t* cr, const DrawSpec& s)
{
    for (const FaceDecal& d : s.decals) {
        const std::string text = d.text ? d.text : "";
        switch (d.kind) {
        case Decal::legend: {
            rgb(cr, d.colour ? d.colour : 0xE0E0D8);
            centred_text(cr, text, d.x, d.y, d.size > 0 ? d.size : 9, true, "label");
            break;
        }
        case Decal::recess: recess(cr, d.x, d.y, d.width, d.height); break;
        case Decal::digit: {
            double size = d.size > 0 ? d.size : fitting_size(cr, text, d.width * 0.8, d.height * 0.75);
            rgb(cr, d.colour ? d.colour : 0xF0F0F0);
            centred_text(cr, text, d.x, d.y, size, true, "digit");
            break;
        }
        case Decal::point: {
            double r = (d.size > 0 ? d.size : 4) / 2;
            rgb(cr, d.colour ? d.colour : 0xF0F0F0);
            cairo_new_path(cr);
            cairo_arc(cr, d.x, d.y, r, 0, 2 * pi);
            cairo_fill(cr);
            note_box("point", d.x - r, d.y - r, d.x + r, d.y + r, ".");
            break;
        }
        case Decal::arrow_up:
        case Decal::arrow_down: {
            double w = d.size > 0 ? d.size : 7, h = w * 0.7, dir = d.kind == Decal::arrow_up ? -1 : 1;
            rgb(cr, d.colour ? d.colour : 0xC8C8C0);
            cairo_move_to(cr, d.x - w / 2, d.y - dir * h / 2);
            cairo_line_to(cr, d.x + w / 2, d.y - dir * h / 2);
            cairo_line_to(cr, d.x, d.y + dir * h / 2);
            cairo_close_path(cr);
            cairo_fill(cr);
            break;
        }
        case Decal::grille: grille(cr, d.x, d.y, d.width, d.height); break;
        case Decal::plate: {
            cairo_pattern_t* g = cairo_pattern_create_linear(d.x, d.y, d.x + d.width, d.y + d.height);
            cairo_pattern_add_color_stop_rgb(g, 0, 0.78, 0.78, 0.74);
            cairo_pattern_add_color_stop_rgb(g, 1, 0.55, 0.55, 0.52);
            cairo_set_source(cr, g);
            rounded(cr, d.x, d.y, d.width, d.height, 3);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
            rgb(cr, 0x202020);
            centred_text(cr, text, d.x + d.width / 2.0, d.y + d.height / 2.0,
                         fitting_size(cr, text, d.width - 8, d.size > 0 ? d.size : d.height * 0.55), true, "label");
            break;
        }
        }
    }
}

// A digit selector: the frame's digit in a black window across the top, a knurled thumbwheel under
// it with a down arrow on its left half and an up arrow on its right half (its click zones). The
// sides stay black (transparent) so that the face shows between neighbouring selectors.
void draw_selector(cairo_t* cr, const DrawSpec& s)
{
    double w = s.width, h = s.height;
    double side = std::max(3.0, w * 0.08);
    double win_h = std::round(h * 0.56);
    rgb(cr, 0x707478);
    rounded(cr, side - 1.5, 0.5, w - 2 * side + 3, win_h + 2, 3);
    cairo_fill(cr);
    rgb(cr, 0x0A0A0A);
    rounded(cr, side, 2, w - 2 * side, win_h - 1, 2);
    cairo_fill(cr);
    note_box("window", side, 2, w - side, win_h + 1, "window");
    rgb(cr, 0xF4F4F0);
    double size = fitting_size(cr, s.text, w - 2 * side - 6, win_h * 0.78);
    centred_text(cr, s.text, w / 2, 2 + (win_h - 1) / 2, size, true, "digit");
    // The thumbwheel.
    double top = win_h + 4, bottom = h - 2;
    cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.20, 0.21, 0.22);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.36, 0.37, 0.39);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.16, 0.17, 0.18);
    cairo_set_source(cr, g);
    rounded(cr, side, top, w - 2 * side, bottom - top, 3);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    rgb(cr, 0x18191B);
    cairo_set_line_width(cr, 1);
    for (double x = side + 3; x < w - side - 2; x += 3) {
        cairo_move_to(cr, x + 0.5, top + 2);
        cairo_line_to(cr, x + 0.5, bottom - 2);
    }
    cairo_stroke(cr);
    double ay = (top + bottom) / 2, aw = std::min(8.0, (bottom - top) * 0.7);
    for (auto [ax, dir] : {std::pair{w * 0.27, 1.0}, {w * 0.73, -1.0}}) {
        rgb(cr, 0x0A0A0A);
        cairo_arc(cr, ax, ay, aw * 0.85, 0, 2 * pi);
        cairo_fill(cr);
        rgb(cr, 0xE8E8E0);
        cairo_move_to(cr, ax - aw / 2, ay - dir * aw * 0.3);
        cairo_line_to(cr, ax + aw / 2, ay - dir * aw * 0.3);
        cairo_line_to(cr, ax, ay + dir * aw * 0.4);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

// A band selector's index disc: a bright triangle at the window point (turned back by nothing: the
// host's turn of 0 leaves it there) pointing away from the pivot, on a short arm from the hub.
void draw_band_marker(cairo_t* cr, const DrawSpec& s)
{
    double cx = s.needle_pivot_x, cy = s.needle_pivot_y;
    double reach = std::hypot(s.label_reach_x, s.label_reach_y);
    double a     = std::atan2(s.label_reach_y, s.label_reach_x);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, a);
    rgb(cr, s.colour ? s.colour : 0xF0A020);
    cairo_move_to(cr, reach, 0);
    cairo_line_to(cr, reach - 9, -5);
    cairo_line_to(cr, reach - 9, 5);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

cairo_surface_t* draw(const DrawSpec& spec, Layout* layout)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, spec.width, spec.height);
    cairo_t*         cr      = cairo_create(surface);
    current_layout()         = layout;
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    cairo_new_path(cr);
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
    case Art::aircraft: draw_aircraft(cr, spec); break;
    case Art::ball: draw_ball(cr, spec); break;
    case Art::inclinometer: draw_inclinometer(cr, spec); break;
    case Art::setting_scale: draw_setting_scale(cr, spec); break;
    case Art::knob: draw_knob(cr, spec); break;
    case Art::bezel: draw_bezel(cr, spec); break;
    case Art::selector: draw_selector(cr, spec); break;
    case Art::band_marker: draw_band_marker(cr, spec); break;
    }
    if (spec.background) {
        draw_windows(cr, spec);
        draw_decals(cr, spec);
    }
    current_layout() = nullptr;
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    return surface;
}

}  // namespace artgen

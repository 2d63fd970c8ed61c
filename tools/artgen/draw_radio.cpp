// Radio heads.
#include <algorithm>
#include <cmath>

#include "draw_common.h"

namespace artgen {

void draw_radio_face(cairo_t* cr, const DrawSpec& s)
{
    draw_panel(cr, DrawSpec{.art = Art::panel, .width = s.width, .height = s.height});
    std::vector<std::string> fields = split_fields(s.text);
    // The title in the lower right corner, clear of the knobs.
    rgb(cr, 0xE8E8E0);
    double size = fitting_size(cr, fields[0], s.width * 0.3, 9);
    centred_text(cr, fields[0], s.width - 14 - text_box(cr, fields[0], 0, 0, size).x1, s.height - 10, size, true, "title");
    // Position labels around the rotary knob, at its frames' angles (frame 0 at lower left).
    if (s.knob_radius > 0)
        for (size_t f = 1; f < fields.size(); ++f) {
            double a = (-120.0 + 60.0 * static_cast<double>(f - 1)) * pi / 180.0, r = s.knob_radius + 10;
            double size = fitting_size(cr, fields[f], 26, 6.5);
            double x = s.knob_x + std::sin(a) * r, y = s.knob_y - std::cos(a) * r;
            // Kept inside the face: a label at the edge moves in along its line.
            TextBox b = text_box(cr, fields[f], x, y, size);
            x += std::max(0.0, 3 - b.x0) - std::max(0.0, b.x1 - (s.width - 3));
            centred_text(cr, fields[f], x, y, size, true, "label");
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
            cairo_new_path(cr);
            cairo_arc(cr, s.pivot_x, s.pivot_y, r, 0, 2 * pi);
            cairo_stroke(cr);
        }
    }
}

}  // namespace artgen

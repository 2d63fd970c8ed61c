// A gauge that is only a plate: one background image and a mouse list of one empty parent. It
// exists for its gauge callback (Shut_Down of both aircraft, Engine_On).
#pragma once

#include "frame/module.h"

struct PlateGauge {
    GaugeHeader    header;
    StaticImage    plate;
    ElementHeader* elements[2];
    MouseRect      mouse[3];
};

constexpr PlateGauge plate_gauge(PlateGauge& self, const char* name, uint32_t plate, uint32_t size_x_mm,
                                 gauge_callback callback)
{
    PlateGauge g{};
    g.header = gauge_header(name, self.elements, size_x_mm, self.mouse, callback);
    g.plate = {.head = {.kind = ElementKind::static_image, .bitmap_id = plate, .gauge = &self.header,
                        .image_flags = image_flags::plain}};
    g.elements[0] = &self.plate.head;
    g.mouse[0]    = {.type = mouse_rect_parent, .cursor = CURSOR_NONE};
    g.mouse[1]    = {.type = mouse_rect_end_parent};
    g.mouse[2]    = {.type = mouse_rect_end};
    return g;
}

// The host's condition for Shut_Down to act when its panel window connects.
inline bool shut_down_wanted() { return read_token(token::shut_down_condition) > 0.0; }

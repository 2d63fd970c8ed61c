// A tank quantity dial of Norvak_Instr: a face, one needle over it through its own table, and the
// glass, with a text tooltip. The water and the main fuel tanks have one such dial per side, twins
// written from one QuantityDialRow each (water_qty.cpp, fuel_qty_main.cpp).
#pragma once

#include <cstddef>

#include "frame/module.h"

constexpr uint32_t quantity_dial_size_mm = 100;

struct QuantityDialRow {
    const char*             name;
    uint32_t                face, needle, glass;   // bitmaps
    int32_t                 pivot_x, pivot_y;      // the needle's pivot on the face
    int32_t                 offset_x, offset_y;    // and in its bitmap
    uint32_t                level_token;
    element_update_callback needle_value;          // null: the level itself
    gauge_callback          callback;
    const char*             tooltip;
};

// A dial's records, in the order of the element chain, with its needle table of N points.
template <std::size_t N>
struct QuantityDial {
    GaugeHeader       header;
    StaticImage       face;
    Needle            needle;
    StaticImage       glass;
    ElementHeader*    elements[2];
    ElementHeader*    face_next[2];
    ElementHeader*    needle_next[2];
    FailureRecord     needle_failures[3];
    NonlinearityEntry table[N];
    MouseRect         mouse[4];
};

template <std::size_t N>
constexpr QuantityDial<N> quantity_dial(QuantityDial<N>& self, const QuantityDialRow& row,
                                        const NonlinearityEntry (&table)[N])
{
    QuantityDial<N> d{};
    d.header = gauge_header(row.name, self.elements, quantity_dial_size_mm, self.mouse, row.callback);
    d.face   = {.head = {.kind = ElementKind::static_image, .bitmap_id = row.face, .gauge = &self.header,
                         .next = self.face_next, .image_flags = image_flags::face}};
    d.needle = {
        .head     = {.kind = ElementKind::needle, .bitmap_id = row.needle, .x = row.pivot_x, .y = row.pivot_y,
                     .offset_x = row.offset_x, .offset_y = row.offset_y, .gauge = &self.header,
                     .next = self.needle_next, .failures = self.needle_failures, .image_flags = image_flags::needle},
        .source   = module_var(row.level_token),
        .table    = self.table, .table_count = N,
        .callback = row.needle_value,
    };
    d.glass = {.head = {.kind = ElementKind::static_image, .bitmap_id = row.glass, .gauge = &self.header,
                        .image_flags = image_flags::plain}};
    d.elements[0]       = &self.face.head;
    d.face_next[0]      = &self.needle.head;
    d.needle_next[0]    = &self.glass.head;
    d.needle_failures[0] = {.key = 2, .action = 0};
    d.needle_failures[1] = {.key = 20, .action = 2};
    d.needle_failures[2] = {.key = 0};
    for (std::size_t i = 0; i < N; ++i)
        d.table[i] = table[i];
    d.mouse[0] = {.type = mouse_rect_parent, .cursor = CURSOR_NONE};
    d.mouse[1] = {.type = mouse_rect_tooltip, .action = {.text = row.tooltip}};
    d.mouse[2] = {.type = mouse_rect_end_parent};
    d.mouse[3] = {.type = mouse_rect_end};
    return d;
}

// A lamp gauge of Norvak_Instr: a plate with one lamp icon on it and a parent rectangle carrying
// the lamp's help id. The gear lamps and the marker lamps are written this way, one PanelLampRow
// each (gear_lamps.cpp, marker_lamps.cpp).
#pragma once

#include "frame/module.h"

constexpr uint32_t panel_lamp_size_mm = 40;

struct PanelLampRow {
    const char*             name;
    uint32_t                plate;          // bitmaps
    uint32_t                lamp;
    uint32_t                lamp_flags;     // image flags of the lamp
    uint32_t                source_token;
    uint32_t                frame_count;
    element_update_callback frame;
    uint32_t                help_id;
};

// A lamp's records, in the order of the element chain.
struct PanelLamp {
    GaugeHeader    header;
    StaticImage    plate;
    Icon           lamp;
    ElementHeader* elements[2];
    ElementHeader* plate_next[2];
    FailureRecord  lamp_failures[2];
    MouseRect      mouse[3];
};

constexpr PanelLamp panel_lamp(PanelLamp& self, const PanelLampRow& row)
{
    PanelLamp l{};
    l.header = gauge_header(row.name, self.elements, panel_lamp_size_mm, self.mouse, nullptr);
    l.plate = {.head = {.kind = ElementKind::static_image, .bitmap_id = row.plate, .gauge = &self.header,
                        .next = self.plate_next, .image_flags = image_flags::plain}};
    l.lamp  = {
        .head        = {.kind = ElementKind::icon, .bitmap_id = row.lamp, .gauge = &self.header,
                        .failures = self.lamp_failures, .image_flags = row.lamp_flags},
        .source      = module_var(row.source_token),
        .scale       = 1.0,
        .frame_count = row.frame_count,
        .callback    = row.frame,
    };
    l.elements[0]      = &self.plate.head;
    l.plate_next[0]    = &self.lamp.head;
    l.lamp_failures[0] = {.key = 20, .action = 3};
    l.lamp_failures[1] = {.key = 0};
    l.mouse[0] = {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = row.help_id};
    l.mouse[1] = {.type = mouse_rect_end_parent};
    l.mouse[2] = {.type = mouse_rect_end};
    return l;
}

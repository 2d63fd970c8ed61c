// The electrical and lighting toggle switches of Stelvar_Instr (battery, beacon, landing,
// navigation, panel, pitot heat, strobe) are twins: one ToggleSwitchRow says what differs, and
// toggle_switch() writes all the records of a switch from its row (switches.cpp holds the rows).
//
// The lever picture follows the host's own state of the system (the icon's source token, 0 off,
// 1 on); the switch keeps no copy of it. A click sends the host the system's toggle event and
// clicks.
#pragma once

#include "click_waves.h"

// Bitmaps of the common 30 x 44 switch: the plate and the lever (frame 0 down, 1 up).
constexpr uint32_t switch_plate_bitmap = 420;
constexpr uint32_t switch_lever_bitmap = 430;
constexpr uint32_t switch_size_mm      = 30;

// What differs between the switches.
struct ToggleSwitchRow {
    const char*             name;
    uint32_t                state_token;     // the host's state of the system, the lever's source
    uint32_t                toggle_event;
    uint32_t                help_id;
    element_update_callback lever_frame;     // null: the host shows the source value as the frame
};

// A switch: its row, its records (in the order of the element chain) and its click sound.
struct ToggleSwitch {
    ToggleSwitchRow row;
    GaugeHeader     header;
    StaticImage     plate;
    Icon            lever;
    ElementHeader*  elements[2];
    ElementHeader*  plate_next[2];
    MouseRect       mouse[4];
    ClickSound      sound;
};

// The lever frame as a callback: the source value.
double GAUGE_CALL switch_lever_frame(ElementHeader* element);

// The callbacks the switches share; each finds its switch from the gauge it is handed.
void    GAUGE_CALL toggle_switch_callback(GaugeHeader* gauge, int32_t service_id, HostWord extra);
int32_t GAUGE_CALL toggle_switch_click(MouseClick* click, uint32_t mouse_flags);

// The records of switch self from its row.
constexpr ToggleSwitch toggle_switch(ToggleSwitch& self, const ToggleSwitchRow& row)
{
    ToggleSwitch s{};
    s.row    = row;
    s.header = {
        .version     = gauge_header_version_800,
        .name        = row.name,
        .elements    = self.elements,
        .size_x_mm   = switch_size_mm,
        .mouse_rects = self.mouse,
        .callback    = toggle_switch_callback,
    };
    s.plate = {.head = {.kind = ElementKind::static_image, .bitmap_id = switch_plate_bitmap, .gauge = &self.header,
                        .next = self.plate_next, .image_flags = image_flags::plain}};
    s.lever = {
        .head        = {.kind = ElementKind::icon, .bitmap_id = switch_lever_bitmap, .gauge = &self.header,
                        .image_flags = image_flags::plain},
        .source      = module_var(row.state_token),
        .scale       = 1.0,
        .frame_count = 2,
        .callback    = row.lever_frame,
    };
    s.elements[0]   = &self.plate.head;
    s.plate_next[0] = &self.lever.head;
    s.mouse[0] = {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = row.help_id};
    s.mouse[1] = click_zone(0, 0, 30, 44, CURSOR_HAND, MOUSE_LEFTSINGLE, toggle_switch_click);
    s.mouse[2] = {.type = mouse_rect_end_parent};
    s.mouse[3] = {.type = mouse_rect_end};
    return s;
}

// Panel buttons: 19 mm push buttons that open, close and toggle panel windows and step the view.
//
// Every button has the same records: a face, a parent area carrying its help id, an optional text
// tooltip, a 13 x 13 push area at 3,3 and the end records. Most buttons share one gauge callback
// and one mouse callback and are set up entirely by their parameter text; three simply make the
// host fire a key event. A module lists its buttons as rows of PanelButton records.
#pragma once

#include "frame/module.h"

struct PanelButton {
    GaugeHeader    header;
    StaticImage    face;
    ElementHeader* elements[2];
    MouseRect      mouse[5];
};

struct PanelButtonRow {
    const char* name;
    uint32_t    face;              // bitmap id of the face
    uint32_t    help_id = 0;       // on the parent area
    const char* tooltip = nullptr; // text tooltip, or none
    uint32_t    event_id = 0;      // event buttons: the key event the host fires on a click; 0 on toggles
};

constexpr uint32_t panel_button_size_mm = 19;

// Records of a button. self is the record being initialised: the records point into themselves.
constexpr PanelButton panel_button(PanelButton& self, const PanelButtonRow& row, gauge_callback callback,
                                   mouse_callback click)
{
    PanelButton b{};
    b.header = gauge_header(row.name, self.elements, panel_button_size_mm, self.mouse, callback);
    b.face        = {.head = {.kind = ElementKind::static_image, .bitmap_id = row.face, .gauge = &self.header,
                              .image_flags = image_flags::plain}};
    b.elements[0] = &self.face.head;
    b.elements[1] = nullptr;

    MouseRect* r = b.mouse;
    *r++ = {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = row.help_id};
    if (row.tooltip)
        *r++ = {.type = mouse_rect_tooltip, .action = {.text = row.tooltip}};
    *r++ = {.type = mouse_rect_child, .x = 3, .y = 3, .width = 13, .height = 13, .cursor = CURSOR_HAND,
            .mouse_flags = MOUSE_LEFTSINGLE, .event_id = row.event_id, .action = {.callback = click}};
    *r++ = {.type = mouse_rect_end_parent};
    *r   = {.type = mouse_rect_end};
    return b;
}

// The shared mouse callback of the toggle buttons.
int32_t GAUGE_CALL panel_toggle_click(MouseClick* click, uint32_t mouse_flags);

// The body of a module's toggle gauge callback; faces run from 100 to highest_face in steps of 10.
void panel_toggle_service(GaugeHeader* gauge, int32_t service_id, uint32_t highest_face);

// The gauge callback of a module's toggle buttons.
template <uint32_t highest_face>
void GAUGE_CALL panel_toggle_callback(GaugeHeader* gauge, int32_t service_id, HostWord)
{
    panel_toggle_service(gauge, service_id, highest_face);
}

// Toggle button of a module whose faces go up to highest_face: its callbacks act on its parameter
// text.
template <uint32_t highest_face>
constexpr PanelButton toggle_button(PanelButton& self, const PanelButtonRow& row)
{
    return panel_button(self, row, panel_toggle_callback<highest_face>, panel_toggle_click);
}

// Event button: no callbacks; the host fires the row's event on a click.
constexpr PanelButton event_button(PanelButton& self, const PanelButtonRow& row)
{
    return panel_button(self, row, nullptr, nullptr);
}

// The radio heads of Norvak_Instr (COM, NAV, ADF and ATC) share one face layout: a red digital
// window over the face, the mode knob at the lower left and the power indicator beside it, chained
// face, window, knob, indicator. The helpers below write those records; each head names its own
// bitmaps, tokens, failures and callbacks.
//
// The four COM and NAV heads are twins beyond that: one RadioHeadRow says what differs, and
// radio_head() writes all the records of a head from its row (collins_com_nav.cpp).
#pragma once

#include "click_wave.h"
#include "common/element_text.h"
#include "frame/module.h"

constexpr uint32_t radio_head_size_mm = 100;

constexpr uint32_t head_knob_bitmap      = 340;   // four frames, 340 to 343
constexpr uint32_t head_indicator_bitmap = 350;

// The digital window: its place and size, what it shows and its callback.
struct HeadWindow {
    int32_t                 x;
    uint32_t                box_width;
    uint32_t                char_count;
    uint32_t                sources[3];   // tokens; 0 for none
    HighlightRange*         highlights;
    element_update_callback callback;
};

constexpr StaticImage head_face(GaugeHeader* gauge, uint32_t bitmap, ElementHeader** next)
{
    return {.head = {.kind = ElementKind::static_image, .bitmap_id = bitmap, .gauge = gauge, .next = next,
                     .image_flags = image_flags::plain}};
}

// Red bold "Quartz" on black, at y 24 and 28 pixels high.
constexpr String head_window(GaugeHeader* gauge, ElementHeader** next, FailureRecord* failures, const HeadWindow& w)
{
    return {
        .head       = {.kind = ElementKind::string, .bitmap_id = no_bitmap, .x = w.x, .y = 24, .gauge = gauge,
                       .next = next, .failures = failures, .image_flags = image_flags::lamp},
        .sources    = {module_var(w.sources[0]), module_var(w.sources[1]), module_var(w.sources[2])},
        .box_width = w.box_width, .box_height = 28,
        .text_colour = 0x2805FE, .background_colour = 0x000000, .highlight_colour = 0xFFFFFF,
        .font = "Quartz", .font_weight = 700, .charset = 1, .format = 0x25, .char_count = w.char_count,
        .highlights = w.highlights,
        .callback   = w.callback,
    };
}

// The mode knob: the callback returns the frame to show.
constexpr Icon head_knob(GaugeHeader* gauge, ElementHeader** next, FailureRecord* failures,
                         element_update_callback frame)
{
    return {
        .head        = {.kind = ElementKind::icon, .bitmap_id = head_knob_bitmap, .x = 17, .y = 93, .gauge = gauge,
                        .next = next, .failures = failures, .image_flags = image_flags::plain},
        .source      = module_var(0),
        .scale       = 1.0,
        .frame_count = 4,
        .callback    = frame,
    };
}

// The power indicator: the callback returns 0 to light it, -1 to leave it dark.
constexpr Icon head_indicator(GaugeHeader* gauge, FailureRecord* failures, element_update_callback lit)
{
    return {
        .head        = {.kind = ElementKind::icon, .bitmap_id = head_indicator_bitmap, .x = 46, .y = 135,
                        .gauge = gauge, .failures = failures, .image_flags = image_flags::lamp},
        .source      = module_var(0),
        .scale       = 1.0,
        .frame_count = 1,
        .callback    = lit,
    };
}

// Upper and lower half of a tuning zone.
constexpr MouseRect up_zone(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t mouse_flags,
                            mouse_callback callback)
{
    return click_zone(x, y, width, height, CURSOR_UPARROW, mouse_flags, callback);
}
constexpr MouseRect down_zone(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t mouse_flags,
                              mouse_callback callback)
{
    return click_zone(x, y, width, height, CURSOR_DOWNARROW, mouse_flags, callback);
}
// A position of the mode knob.
constexpr MouseRect knob_zone(int32_t x, int32_t y, mouse_callback callback)
{
    return click_zone(x, y, 17, 12, CURSOR_HAND, MOUSE_LEFTSINGLE, callback);
}

// ---------------------------------------------------------------------------------------------
// The COM and NAV heads

// Frames of the mode knob that these heads select.
constexpr int32_t knob_at_off = 1;
constexpr int32_t knob_at_on  = 2;

// What differs between the four heads.
struct RadioHeadRow {
    const char*           name;
    uint32_t              face;                 // bitmap
    uint32_t              frequency_token;      // packed BCD without the leading 1
    int32_t*              power;                // the head's module-wide power flag
    double (*decode_whole_mhz)(uint32_t token);
    double                whole_up_below;       // whole up is sent only below this
    double                whole_down_above;     // whole down is sent only above this
    uint32_t              whole_up_event, whole_down_event;
    uint32_t              fraction_up_event, fraction_down_event;
    uint32_t              audio_off_event;      // sent at pre-install; 0 for none
    uint32_t              failure_key;          // the receiver's failure, on the window and indicator
    bool                  knob_fails;           // the knob carries that failure too
    int32_t               whole_selection;      // highlight selections of the window's two parts
    int32_t               fraction_selection;
    uint32_t              help_id;              // of the whole head
    uint32_t              window_help_id;
    const char*           tooltip;
};

struct RadioHeadState {
    int32_t    switch_frame;   // knob_at_off at load
    double     whole_mhz;      // last decoded whole MHz (123 for 123.45)
    double     fraction;       // last decoded hundredths, 0 to 99 (45 for .45)
    ClickSound sound;
};

// A head: its row, its records (in the order of the element chain) and its state.
struct RadioHead {
    RadioHeadRow   row;
    GaugeHeader    header;
    StaticImage    face;
    String         window;
    Icon           knob;
    Icon           indicator;
    ElementHeader* elements[2];
    ElementHeader* face_next[2];
    ElementHeader* window_next[2];
    ElementHeader* knob_next[2];
    FailureRecord  window_failures[3];
    FailureRecord  knob_failures[3];
    FailureRecord  indicator_failures[3];
    HighlightRange highlights[3];
    TooltipArg     tooltip_args[1];
    MouseRect      mouse[16];
    RadioHeadState state;
};

// The callbacks the heads share; each finds its head from the gauge it is handed.
void   GAUGE_CALL radio_head_callback(GaugeHeader* gauge, int32_t service_id, HostWord extra);
double GAUGE_CALL radio_display_update(ElementHeader* element);
double GAUGE_CALL radio_switch_frame(ElementHeader* element);
double GAUGE_CALL radio_power_indicator(ElementHeader* element);
int32_t GAUGE_CALL radio_whole_up(MouseClick* click, uint32_t mouse_flags);
int32_t GAUGE_CALL radio_whole_down(MouseClick* click, uint32_t mouse_flags);
int32_t GAUGE_CALL radio_fraction_up(MouseClick* click, uint32_t mouse_flags);
int32_t GAUGE_CALL radio_fraction_down(MouseClick* click, uint32_t mouse_flags);
int32_t GAUGE_CALL radio_switch_off(MouseClick* click, uint32_t mouse_flags);
int32_t GAUGE_CALL radio_switch_on(MouseClick* click, uint32_t mouse_flags);

// A tooltip argument is handed no gauge, so each head has its own: the frequency in MHz as last
// decoded.
template <RadioHead& head>
double GAUGE_CALL radio_frequency_tooltip(TooltipHostArgs)
{
    return head.state.whole_mhz + head.state.fraction / 100;
}

// The records of head self from its row.
template <RadioHead& self>
constexpr RadioHead radio_head(const RadioHeadRow& row)
{
    RadioHead h{};
    h.row    = row;
    h.header = {
        .version     = gauge_header_version_800,
        .name        = row.name,
        .elements    = self.elements,
        .size_x_mm   = radio_head_size_mm,
        .mouse_rects = self.mouse,
        .callback    = radio_head_callback,
    };
    GaugeHeader* g = &self.header;
    h.face      = head_face(g, row.face, self.face_next);
    h.window    = head_window(g, self.window_next, self.window_failures,
                              {.x = 16, .box_width = 108, .char_count = 6, .sources = {row.frequency_token},
                               .highlights = self.highlights, .callback = radio_display_update});
    h.knob      = head_knob(g, self.knob_next, row.knob_fails ? self.knob_failures : nullptr, radio_switch_frame);
    h.indicator = head_indicator(g, self.indicator_failures, radio_power_indicator);

    h.elements[0]    = &self.face.head;
    h.face_next[0]   = &self.window.head;
    h.window_next[0] = &self.knob.head;
    h.knob_next[0]   = &self.indicator.head;

    const FailureRecord failures[3] = {{.key = 21, .action = 3}, {.key = row.failure_key, .action = 0}, {.key = 0}};
    for (int i = 0; i < 3; ++i) {
        h.window_failures[i]    = failures[i];
        h.knob_failures[i]      = row.knob_fails ? failures[i] : FailureRecord{};
        h.indicator_failures[i] = failures[i];
    }
    h.highlights[0]   = {.selection = row.whole_selection, .first = 0, .last = 2};
    h.highlights[1]   = {.selection = row.fraction_selection, .first = 4, .last = 5};
    h.highlights[2]   = {.selection = 0};
    h.tooltip_args[0] = {.callback = radio_frequency_tooltip<self>};

    constexpr uint32_t repeat = MOUSE_LEFTSINGLE | MOUSE_REPEAT;
    MouseRect* r = h.mouse;
    *r++ = {.type = mouse_rect_parent, .cursor = CURSOR_NONE, .help_id = row.help_id};
    *r++ = {.type = mouse_rect_tooltip, .event_id = 1, .action = {.text = row.tooltip}, .args = self.tooltip_args};
    // The frequency window: left half whole MHz, right half the fraction; upper halves step up.
    *r++ = {.type = mouse_rect_parent, .x = 34, .y = 8, .width = 90, .height = 60, .cursor = CURSOR_NONE,
            .help_id = row.window_help_id};
    *r++ = up_zone(0, 0, 45, 30, repeat, radio_whole_up);
    *r++ = down_zone(0, 30, 45, 30, repeat, radio_whole_down);
    *r++ = up_zone(45, 0, 45, 30, repeat, radio_fraction_up);
    *r++ = down_zone(45, 30, 45, 30, repeat, radio_fraction_down);
    *r++ = {.type = mouse_rect_end_parent};
    // The tuning knob in quarters: left whole MHz, right fraction.
    *r++ = up_zone(83, 88, 22, 22, MOUSE_LEFTSINGLE, radio_whole_up);
    *r++ = down_zone(83, 110, 22, 22, MOUSE_LEFTSINGLE, radio_whole_down);
    *r++ = up_zone(105, 88, 22, 22, MOUSE_LEFTSINGLE, radio_fraction_up);
    *r++ = down_zone(105, 110, 22, 22, MOUSE_LEFTSINGLE, radio_fraction_down);
    // The mode knob as a power switch: OFF and ON positions.
    *r++ = knob_zone(0, 87, radio_switch_off);
    *r++ = knob_zone(22, 81, radio_switch_on);
    *r++ = {.type = mouse_rect_end_parent};
    *r   = {.type = mouse_rect_end};

    h.state = {.switch_frame = knob_at_off};
    return h;
}

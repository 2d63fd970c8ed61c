// The radio heads of Norvak_Instr (COM, NAV, ADF and ATC) share one face layout: a red digital
// window over the face, the mode knob at the lower left and the power indicator beside it, chained
// face, window, knob, indicator. The helpers below write those records; each head names its own
// bitmaps, tokens, failures and callbacks.
//
// The four COM and NAV heads are twins beyond that: one RadioHeadRow says what differs, and one
// builder writes all the records of a head from its row (collins_com_nav.cpp).
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

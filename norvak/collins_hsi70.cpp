// Collins_HSI70: the horizontal situation indicator. A compass card turned by the heading; heading
// bug, course pointer, TO/FROM arrow and deviation bar drawn relative to the heading so that they
// turn with the card; a glideslope pointer with its GS flag, and a HEADING flag. The HDG and CRS knobs
// send the new heading bug and course to the host. Navigation comes from NAV1.
#include "avionics_power.h"
#include "common/element_text.h"
#include "frame/module.h"

extern GaugeHeader collins_hsi70_header;

double heading_bug_value = 0.0;   // the heading bug last shown in the knob's tooltip

// The host reports no usable signal: a flagged or a weak one (below 10).
static bool signal_unusable()
{
    return read_token(token::nav_signal_strength) < 10.0 || read_token_u32(token::nav_signal_flagged) != 0;
}

static double GAUGE_CALL bug_minus_heading(ElementHeader* element)
{
    return reinterpret_cast<Needle*>(element)->source.value.f64 - read_token(token::heading);
}

static double GAUGE_CALL course_minus_heading(ElementHeader* element)
{
    return reinterpret_cast<Needle*>(element)->source.value.f64 - read_token(token::heading);
}

// The TO/FROM source: 0 no arrow, -1 FROM (turned through 180 degrees), anything else TO.
static double GAUGE_CALL to_from_arrow(ElementHeader* element)
{
    double to_from = reinterpret_cast<Needle*>(element)->source.value.f64;
    double heading = read_token(token::heading);
    double course  = read_token(token::course);
    if (signal_unusable()) {
        set_hidden(element, true);
        return 0.0;
    }
    set_hidden(element, avionics.nav1 == 0 || to_from == 0.0);
    return to_from == -1.0 ? course - heading + 180.0 : course - heading;
}

// An unpowered receiver centres the bar.
static double GAUGE_CALL deviation_x(ElementHeader* element)
{
    return avionics.nav1 != 0 ? reinterpret_cast<Sprite*>(element)->x_source.value.f64 : 0.0;
}

static double GAUGE_CALL deviation_angle(ElementHeader* element)
{
    return reinterpret_cast<Sprite*>(element)->angle_source.value.f64 - read_token(token::heading);
}

static double GAUGE_CALL glideslope_pointer(ElementHeader* element)
{
    Slider* slider = reinterpret_cast<Slider*>(element);
    set_hidden(element, avionics.nav1 == 0 || slider->x_source.value.f64 == 0.0);
    return slider->y_source.value.f64;
}

// Frame 0 shows the flag. It does not depend on NAV1 power.
static double GAUGE_CALL gs_flag(ElementHeader* element)
{
    double v = reinterpret_cast<Icon*>(element)->source.value.f64;
    if (read_token_u32(token::nav_receiver_failed) != 0)
        v = 0.0;
    if (read_token(token::nav_gps) == 0.0 && signal_unusable())
        v = 0.0;
    return v > 0.0 ? -1.0 : v;
}

static double GAUGE_CALL heading_flag(ElementHeader* element)
{
    uint32_t flag = static_cast<uint32_t>(reinterpret_cast<Icon*>(element)->source.value.i32);
    if (read_token_u32(token::nav_receiver_failed) != 0)
        flag = 1;
    return flag != 0 ? 0.0 : -1.0;
}

static double GAUGE_CALL heading_bug_tooltip(TooltipHostArgs)
{
    heading_bug_value = read_token(token::heading_bug);
    return heading_bug_value;
}

// Whole degrees toward zero; a value outside the 32-bit range (never a heading) counts as 0.
static int32_t whole_degrees(uint32_t token)
{
    double v = read_token(token);
    return v > -2147483648.0 && v < 2147483648.0 ? static_cast<int32_t>(v) : 0;
}

// Left click one degree, right click ten, wrapping through 0/359; the left button wins.
static void step_down(uint32_t token, uint32_t event, uint32_t mouse_flags)
{
    int32_t h = whole_degrees(token);
    if (mouse_flags & MOUSE_LEFTSINGLE)
        trigger_key_event(event, static_cast<uint32_t>(h > 0 ? h - 1 : 359));
    else if (mouse_flags & MOUSE_RIGHTSINGLE)
        trigger_key_event(event, static_cast<uint32_t>(h >= 10 ? h - 10 : h + 350));
}

static void step_up(uint32_t token, uint32_t event, uint32_t mouse_flags)
{
    int32_t h = whole_degrees(token);
    if (mouse_flags & MOUSE_LEFTSINGLE)
        trigger_key_event(event, static_cast<uint32_t>(h < 359 ? h + 1 : 0));
    else if (mouse_flags & MOUSE_RIGHTSINGLE)
        trigger_key_event(event, static_cast<uint32_t>(h <= 349 ? h + 10 : h - 350));
}

static int32_t GAUGE_CALL bug_down_click(MouseClick*, uint32_t flags)
{
    step_down(token::heading_bug, event::heading_bug_set, flags);
    return 0;
}

static int32_t GAUGE_CALL bug_up_click(MouseClick*, uint32_t flags)
{
    step_up(token::heading_bug, event::heading_bug_set, flags);
    return 0;
}

static int32_t GAUGE_CALL course_down_click(MouseClick*, uint32_t flags)
{
    step_down(token::course, event::course_set, flags);
    return 0;
}

// Starts from the knob picture's token, where course down starts from the course itself.
static int32_t GAUGE_CALL course_up_click(MouseClick*, uint32_t flags)
{
    step_up(token::course_knob, event::course_set, flags);
    return 0;
}

static FailureRecord card_failures[]       = {{.key = 20, .action = 1}, {.key = 11, .action = 1}, {.key = 0}};
static FailureRecord nav_failures[]        = {{.key = 20, .action = 1}, {.key = 21, .action = 1},
                                              {.key = 11, .action = 1}, {.key = 14, .action = 2}, {.key = 0}};
static FailureRecord glideslope_failures[] = {{.key = 21, .action = 3}, {.key = 14, .action = 3}, {.key = 0}};

static Needle hdg_knob = {
    .head   = {.kind = ElementKind::needle, .bitmap_id = 1440, .x = 38, .y = 254, .offset_x = 20, .offset_y = 20,
               .gauge = &collins_hsi70_header, .image_flags = image_flags::knob, .aircraft_special = 2},
    .source = module_var(token::heading_bug),
};
static ElementHeader* crs_knob_next[] = {&hdg_knob.head, nullptr};

static Needle crs_knob = {
    .head   = {.kind = ElementKind::needle, .bitmap_id = 1450, .x = 261, .y = 253, .offset_x = 20, .offset_y = 20,
               .gauge = &collins_hsi70_header, .next = crs_knob_next, .image_flags = image_flags::knob},
    .source = module_var(token::course_knob),
};
static ElementHeader* bezel_next[] = {&crs_knob.head, nullptr};

static StaticImage bezel = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 1460, .gauge = &collins_hsi70_header, .next = bezel_next,
             .image_flags = image_flags::plain},
};
static ElementHeader* heading_flag_next[] = {&bezel.head, nullptr};

static Icon heading_flag_icon = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1430, .x = 259, .y = 89, .gauge = &collins_hsi70_header,
                    .next = heading_flag_next, .image_flags = image_flags::face},
    .source      = module_var(token::heading_flag),
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = heading_flag,
};
static ElementHeader* gs_flag_next[] = {&heading_flag_icon.head, nullptr};

static Icon gs_flag_icon = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1420, .x = 22, .y = 89, .gauge = &collins_hsi70_header,
                    .next = gs_flag_next, .image_flags = image_flags::face},
    .source      = module_var(token::glideslope_valid),
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = gs_flag,
};
static ElementHeader* glideslope_next[] = {&gs_flag_icon.head, nullptr};

static Slider glideslope = {
    .head       = {.kind = ElementKind::slider, .bitmap_id = 1410, .x = 22, .y = 139, .gauge = &collins_hsi70_header,
                   .next = glideslope_next, .failures = glideslope_failures, .image_flags = image_flags::needle},
    .x_source   = module_var(token::glideslope_valid), .x_scale = 1.0,
    .y_source   = module_var(token::glideslope_deviation), .y_scale = 49.0,
    .y_callback = glideslope_pointer,
};
static ElementHeader* deviation_next[] = {&glideslope.head, nullptr};

static Sprite deviation_bar = {
    .head            = {.kind = ElementKind::sprite, .bitmap_id = 1400, .x = 77, .y = 18, .offset_x = 149,
                        .offset_y = 146, .gauge = &collins_hsi70_header, .next = deviation_next,
                        .failures = nav_failures, .image_flags = image_flags::needle},
    .x_source        = module_var(token::lateral_deviation), .x_scale = -51.0,
    .y_source        = module_var(0), .y_scale = 1.0,
    .angle_source    = module_var(token::course), .angle_scale = -1.0,
    .texture_x_scale = 1.0f, .texture_y_scale = 1.0f,
    .x_callback      = deviation_x,
    .angle_callback  = deviation_angle,
};
static ElementHeader* arrow_next[] = {&deviation_bar.head, nullptr};

static Needle to_from = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 1370, .x = 149, .y = 146, .offset_x = 19, .offset_y = 32,
                 .gauge = &collins_hsi70_header, .next = arrow_next, .failures = nav_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::to_from),
    .callback = to_from_arrow,
};
static ElementHeader* course_next[] = {&to_from.head, nullptr};

static Needle course_pointer = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 1390, .x = 149, .y = 146, .offset_x = 60, .offset_y = 83,
                 .gauge = &collins_hsi70_header, .next = course_next, .failures = nav_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::course),
    .callback = course_minus_heading,
};
static ElementHeader* bug_next[] = {&course_pointer.head, nullptr};

static Needle heading_bug = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 1380, .x = 149, .y = 146, .offset_x = 8, .offset_y = 107,
                 .gauge = &collins_hsi70_header, .next = bug_next, .failures = card_failures,
                 .image_flags = image_flags::needle},
    .source   = module_var(token::heading_bug),
    .callback = bug_minus_heading,
};
static ElementHeader* card_next[] = {&heading_bug.head, nullptr};

static Sprite card = {
    .head            = {.kind = ElementKind::sprite, .bitmap_id = 1360, .x = 39, .y = 42, .offset_x = 149,
                        .offset_y = 146, .gauge = &collins_hsi70_header, .next = card_next, .failures = card_failures,
                        .image_flags = image_flags::needle},
    .x_source        = module_var(0), .x_scale = 1.0,
    .y_source        = module_var(0), .y_scale = 1.0,
    .angle_source    = module_var(token::heading), .angle_scale = 1.0,
    .texture_x_scale = 1.0f, .texture_y_scale = 1.0f,
};
static ElementHeader* face_next[] = {&card.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 1350, .gauge = &collins_hsi70_header, .next = face_next,
             .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static TooltipArg heading_bug_args[] = {{.callback = heading_bug_tooltip}};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_parent, .x = 0, .y = 0, .width = 299, .height = 230, .cursor = CURSOR_NONE, .help_id = 0xAB33},
    {.type = mouse_rect_tooltip, .help_id = 0x3094},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_parent, .x = 18, .y = 234, .width = 40, .height = 40, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .arg_count = 1, .action = {.text = "Heading Bug Adjust Knob (%1!d!\xB0)"},
     .args = heading_bug_args},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_parent, .x = 241, .y = 233, .width = 40, .height = 40, .cursor = CURSOR_NONE, .help_id = 0xAB38},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_child, .x = 18, .y = 234, .width = 20, .height = 40, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE | MOUSE_REPEAT, .action = {.callback = bug_down_click}},
    {.type = mouse_rect_child, .x = 38, .y = 234, .width = 20, .height = 40, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE | MOUSE_REPEAT, .action = {.callback = bug_up_click}},
    {.type = mouse_rect_child, .x = 241, .y = 233, .width = 20, .height = 40, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE | MOUSE_REPEAT, .action = {.callback = course_down_click}},
    {.type = mouse_rect_child, .x = 261, .y = 233, .width = 20, .height = 40, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE | MOUSE_REPEAT, .action = {.callback = course_up_click}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader collins_hsi70_header = {
    .version = gauge_header_version_800, .name = "Collins_HSI70", .elements = elements, .size_x_mm = 90,
    .mouse_rects = mouse,
};

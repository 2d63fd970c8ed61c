// Radio_NAV1: navigation receiver 1. Its frequency (token 0x18) shows on scrolling drums that
// the host draws with option 0x4000 only while the radio is powered; the whole-MHz and fraction
// knobs tune only while powered. The power toggle and the VOL knob decide the receiver's audio,
// which the switch pictures re-assert to the host at every update.
#include "nav_radio.h"
#include "radio_power.h"

extern GaugeHeader radio_nav1_header;

static NavRadio nav1 = {
    .frequency_token = 0x18,
    .power           = &radio_nav1_power,
    .volume          = &radio_nav1_volume,
    .whole_up        = 0x10069,
    .whole_down      = 0x10068,
    .fraction_up     = 0x1006B,
    .fraction_down   = 0x1006A,
    .audio_on        = 0x1012D,
    .audio_off       = 0x10128,
};

static void GAUGE_CALL radio_nav1_callback(GaugeHeader*, int32_t service_id, HostWord extra)
{
    nav_service(nav1, service_id, extra);
}

static double GAUGE_CALL hundredths_drum(ElementHeader* e) { return nav_drum(nav1, e, nav_hundredths(nav1)); }
static double GAUGE_CALL tenths_drum(ElementHeader* e) { return nav_drum(nav1, e, nav_tenths(nav1)); }
static double GAUGE_CALL units_drum(ElementHeader* e) { return nav_drum(nav1, e, nav_units(nav1)); }
static double GAUGE_CALL tens_drum(ElementHeader* e) { return nav_drum(nav1, e, nav_tens(nav1)); }
static double GAUGE_CALL leading_one(ElementHeader* e) { return nav_drum(nav1, e, 0.0); }
static double GAUGE_CALL fraction_knob(ElementHeader*) { return nav1.fraction; }
static double GAUGE_CALL whole_knob(ElementHeader*) { return nav1.whole_mhz; }
static double GAUGE_CALL volume_knob(ElementHeader*) { return nav_volume_icon(nav1); }
static double GAUGE_CALL power_switch(ElementHeader*) { return nav_power_switch_icon(nav1); }
static double GAUGE_CALL power_indicator(ElementHeader*) { return nav_power_indicator(nav1); }
static double GAUGE_CALL frequency_tooltip(TooltipHostArgs) { return nav_tooltip(nav1); }

static int32_t GAUGE_CALL whole_down(MouseClick*, uint32_t) { return nav_whole_down(nav1); }
static int32_t GAUGE_CALL whole_up(MouseClick*, uint32_t) { return nav_whole_up(nav1); }
static int32_t GAUGE_CALL fraction_down(MouseClick*, uint32_t) { return nav_fraction_step(nav1, nav1.fraction_down); }
static int32_t GAUGE_CALL fraction_up(MouseClick*, uint32_t) { return nav_fraction_step(nav1, nav1.fraction_up); }
static int32_t GAUGE_CALL power_toggle(MouseClick*, uint32_t) { return nav_power_toggle(nav1); }
static int32_t GAUGE_CALL volume_off(MouseClick*, uint32_t) { return nav_volume_set(nav1, 0); }
static int32_t GAUGE_CALL volume_on(MouseClick*, uint32_t) { return nav_volume_set(nav1, 1); }

// Each failure list is its element's own.
static FailureRecord indicator_failures[]  = {{.key = 21, .action = 3}, {.key = 14, .action = 0}, {.key = 0}};
static FailureRecord volume_failures[]     = {{.key = 21, .action = 3}, {.key = 14, .action = 0}, {.key = 0}};
static FailureRecord leading_failures[]    = {{.key = 21, .action = 3}, {.key = 14, .action = 0}, {.key = 0}};
static FailureRecord tens_failures[]       = {{.key = 21, .action = 3}, {.key = 14, .action = 0}, {.key = 0}};
static FailureRecord units_failures[]      = {{.key = 21, .action = 3}, {.key = 14, .action = 0}, {.key = 0}};
static FailureRecord tenths_failures[]     = {{.key = 21, .action = 3}, {.key = 14, .action = 0}, {.key = 0}};
static FailureRecord hundredths_failures[] = {{.key = 21, .action = 3}, {.key = 14, .action = 0}, {.key = 0}};

static Icon indicator = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1070, .x = 272, .y = 44, .gauge = &radio_nav1_header,
                    .failures = indicator_failures, .image_flags = 0x7},
    .scale       = 1.0,
    .frame_count = 1,
    .callback    = power_indicator,
};
static ElementHeader* power_next[] = {&indicator.head, nullptr};

static Icon power = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1050, .x = 25, .y = 32, .gauge = &radio_nav1_header,
                    .next = power_next, .image_flags = 0x3},
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = power_switch,
};
static ElementHeader* volume_next[] = {&power.head, nullptr};

static Icon volume = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1060, .x = 225, .y = 47, .gauge = &radio_nav1_header,
                    .next = volume_next, .failures = volume_failures, .image_flags = 0x3},
    .scale       = 1.0,
    .frame_count = 2,
    .callback    = volume_knob,
};
static ElementHeader* whole_knob_next[] = {&volume.head, nullptr};

// Half a turn over each table: straight up at its first value, straight down at its last.
static NonlinearityEntry whole_table[] = {
    {.x = 79, .y = 11, .value = 108.0}, {.x = 79, .y = 79, .value = 112.0},
};

static Needle whole = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 1010, .x = 79, .y = 45, .offset_x = 17, .offset_y = 17,
                 .gauge = &radio_nav1_header, .next = whole_knob_next, .image_flags = 0x83},
    .table    = whole_table, .table_count = count_of(whole_table),
    .callback = whole_knob,
};
static ElementHeader* fraction_knob_next[] = {&whole.head, nullptr};

static NonlinearityEntry fraction_table[] = {
    {.x = 195, .y = 11, .value = 0.0}, {.x = 195, .y = 79, .value = 50.0},
};

static Needle fraction = {
    .head     = {.kind = ElementKind::needle, .bitmap_id = 1010, .x = 195, .y = 45, .offset_x = 17, .offset_y = 17,
                 .gauge = &radio_nav1_header, .next = fraction_knob_next, .image_flags = 0x83},
    .table    = fraction_table, .table_count = count_of(fraction_table),
    .callback = fraction_knob,
};
static ElementHeader* leading_next[] = {&fraction.head, nullptr};

static Icon leading = {
    .head        = {.kind = ElementKind::icon, .bitmap_id = 1040, .x = 102, .y = 36, .gauge = &radio_nav1_header,
                    .next = leading_next, .failures = leading_failures, .image_flags = 0x83},
    .scale       = 0.0,
    .frame_count = 1,
    .callback    = leading_one,
};
static ElementHeader* tens_next[] = {&leading.head, nullptr};

// The drums scroll on y only: 0 to 10 for a digit, 0 to 1 for the tens of MHz (0 or 1).
static MovingImage tens = {
    .head       = {.kind = ElementKind::moving_image, .bitmap_id = 1030, .x = 115, .y = 36, .gauge = &radio_nav1_header,
                   .next = tens_next, .failures = tens_failures, .image_flags = 0x83},
    .y_max      = 1.0,
    .y_callback = tens_drum,
};
static ElementHeader* units_next[] = {&tens.head, nullptr};

static MovingImage units = {
    .head       = {.kind = ElementKind::moving_image, .bitmap_id = 1020, .x = 128, .y = 36, .gauge = &radio_nav1_header,
                   .next = units_next, .failures = units_failures, .image_flags = 0x83},
    .y_max      = 10.0,
    .y_callback = units_drum,
};
static ElementHeader* tenths_next[] = {&units.head, nullptr};

static MovingImage tenths = {
    .head       = {.kind = ElementKind::moving_image, .bitmap_id = 1020, .x = 146, .y = 36, .gauge = &radio_nav1_header,
                   .next = tenths_next, .failures = tenths_failures, .image_flags = 0x83},
    .y_max      = 10.0,
    .y_callback = tenths_drum,
};
static ElementHeader* hundredths_next[] = {&tenths.head, nullptr};

static MovingImage hundredths = {
    .head       = {.kind = ElementKind::moving_image, .bitmap_id = 1020, .x = 159, .y = 36, .gauge = &radio_nav1_header,
                   .next = hundredths_next, .failures = hundredths_failures, .image_flags = 0x83},
    .y_max      = 10.0,
    .y_callback = hundredths_drum,
};
static ElementHeader* face_next[] = {&hundredths.head, nullptr};

static StaticImage face = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 1000, .gauge = &radio_nav1_header, .next = face_next,
             .image_flags = 0x3},
};
static ElementHeader* elements[] = {&face.head, nullptr};

static TooltipArg tooltip_args[] = {{.callback = frequency_tooltip}};

// The knobs' zones sit in parents that declare their box: left half down, right half up.
static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_tooltip, .event_id = 1, .action = {.text = "Navigation Radio NAV1 - %1!07.3f! MHz"},
     .args = tooltip_args},
    {.type = mouse_rect_parent, .x = 62, .y = 28, .width = 34, .height = 34, .cursor = CURSOR_NONE},
    {.type = mouse_rect_child, .x = 0, .y = 0, .width = 17, .height = 34, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = whole_down}},
    {.type = mouse_rect_child, .x = 17, .y = 0, .width = 17, .height = 34, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = whole_up}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_parent, .x = 178, .y = 28, .width = 34, .height = 34, .cursor = CURSOR_NONE},
    {.type = mouse_rect_child, .x = 0, .y = 0, .width = 17, .height = 34, .cursor = CURSOR_DOWNARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = fraction_down}},
    {.type = mouse_rect_child, .x = 17, .y = 0, .width = 17, .height = 34, .cursor = CURSOR_UPARROW,
     .mouse_flags = MOUSE_LEFTSINGLE | MOUSE_REPEAT, .action = {.callback = fraction_up}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_child, .x = 25, .y = 32, .width = 28, .height = 53, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = power_toggle}},
    {.type = mouse_rect_child, .x = 225, .y = 47, .width = 17, .height = 34, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = volume_off}},
    {.type = mouse_rect_child, .x = 242, .y = 47, .width = 17, .height = 34, .cursor = CURSOR_HAND,
     .mouse_flags = MOUSE_LEFTSINGLE, .action = {.callback = volume_on}},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader radio_nav1_header = {
    .version = gauge_header_version_800, .name = "Radio_NAV1", .elements = elements, .size_x_mm = 100,
    .mouse_rects = mouse, .callback = radio_nav1_callback,
};

// Radio_NAV1 and Radio_NAV2: the two navigation receivers, which are twins. Each is one row of the
// table below, from which nav_radio() writes its records; the callbacks they share find their radio
// from the gauge the host hands them.
#include <cmath>

#include "common/element_text.h"
#include "common/radio_decoders.h"
#include "nav_radio.h"
#include "radio_power.h"

// The callbacks the radios share (below the rows); each finds its radio from the gauge it is handed.
static void    GAUGE_CALL nav_radio_callback(GaugeHeader* gauge, int32_t service_id, HostWord extra);
static double  GAUGE_CALL nav_hundredths_drum(ElementHeader* element);
static double  GAUGE_CALL nav_tenths_drum(ElementHeader* element);
static double  GAUGE_CALL nav_units_drum(ElementHeader* element);
static double  GAUGE_CALL nav_tens_drum(ElementHeader* element);
static double  GAUGE_CALL nav_leading_one(ElementHeader* element);
static double  GAUGE_CALL nav_fraction_knob(ElementHeader* element);
static double  GAUGE_CALL nav_whole_knob(ElementHeader* element);
static double  GAUGE_CALL nav_volume_knob(ElementHeader* element);
static double  GAUGE_CALL nav_power_switch(ElementHeader* element);
static double  GAUGE_CALL nav_power_indicator(ElementHeader* element);
static int32_t GAUGE_CALL nav_whole_down(MouseClick* click, uint32_t mouse_flags);
static int32_t GAUGE_CALL nav_whole_up(MouseClick* click, uint32_t mouse_flags);
static int32_t GAUGE_CALL nav_fraction_down(MouseClick* click, uint32_t mouse_flags);
static int32_t GAUGE_CALL nav_fraction_up(MouseClick* click, uint32_t mouse_flags);
static int32_t GAUGE_CALL nav_power_toggle(MouseClick* click, uint32_t mouse_flags);
static int32_t GAUGE_CALL nav_volume_off(MouseClick* click, uint32_t mouse_flags);
static int32_t GAUGE_CALL nav_volume_on(MouseClick* click, uint32_t mouse_flags);

// A tooltip argument is handed no gauge, so each radio has its own: the frequency in MHz as last
// decoded.
template <NavRadio& radio>
static double GAUGE_CALL nav_frequency_tooltip(TooltipHostArgs)
{
    return radio.state.whole_mhz + radio.state.fraction / 100.0;
}

// A digit drum: it scrolls on y only, from 0 to y_max.
static constexpr MovingImage nav_drum(GaugeHeader* gauge, uint32_t bitmap, int32_t x, ElementHeader** next,
                               FailureRecord* failures, double y_max, element_update_callback digit)
{
    return {
        .head       = {.kind = ElementKind::moving_image, .bitmap_id = bitmap, .x = x, .y = 36, .gauge = gauge,
                       .next = next, .failures = failures, .image_flags = image_flags::knob},
        .y_max      = y_max,
        .y_callback = digit,
    };
}

// A tuning knob: a picture turned half a turn over its table, pivot 17,17 at x,45.
static constexpr Needle nav_knob(GaugeHeader* gauge, int32_t x, ElementHeader** next, NonlinearityEntry (&table)[2],
                          element_update_callback value)
{
    return {
        .head     = {.kind = ElementKind::needle, .bitmap_id = 1010, .x = x, .y = 45, .offset_x = 17, .offset_y = 17,
                     .gauge = gauge, .next = next, .image_flags = image_flags::knob},
        .table    = table, .table_count = 2,
        .callback = value,
    };
}

// The records of radio self from its row.
template <NavRadio& self>
static constexpr NavRadio nav_radio(const NavRadioRow& row)
{
    NavRadio r{};
    r.row    = row;
    r.header = gauge_header(row.name, self.elements, 100, self.mouse, nav_radio_callback);
    GaugeHeader* g = &self.header;

    const FailureRecord failures[3] = {{.key = 21, .action = 3}, {.key = row.failure_key, .action = 0}, {.key = 0}};
    for (int i = 0; i < 3; ++i) {
        r.hundredths_failures[i] = r.tenths_failures[i] = r.units_failures[i] = r.tens_failures[i] = failures[i];
        r.leading_failures[i] = r.volume_failures[i] = r.indicator_failures[i] = failures[i];
    }
    // Half a turn over each table: straight up at its first value, straight down at its last.
    r.fraction_table[0] = {.x = 195, .y = 11, .value = 0.0};
    r.fraction_table[1] = {.x = 195, .y = 79, .value = 50.0};
    r.whole_table[0]    = {.x = 79, .y = 11, .value = 108.0};
    r.whole_table[1]    = {.x = 79, .y = 79, .value = 112.0};

    r.face = {.head = {.kind = ElementKind::static_image, .bitmap_id = row.face, .gauge = g, .next = self.face_next,
                       .image_flags = image_flags::plain}};
    // The drums: 0 to 10 for a digit, 0 to 1 for the tens of MHz (0 or 1).
    r.hundredths = nav_drum(g, 1020, 159, self.hundredths_next, self.hundredths_failures, 10.0, nav_hundredths_drum);
    r.tenths     = nav_drum(g, 1020, 146, self.tenths_next, self.tenths_failures, 10.0, nav_tenths_drum);
    r.units      = nav_drum(g, 1020, 128, self.units_next, self.units_failures, 10.0, nav_units_drum);
    r.tens       = nav_drum(g, 1030, 115, self.tens_next, self.tens_failures, 1.0, nav_tens_drum);
    r.leading    = {
        .head        = {.kind = ElementKind::icon, .bitmap_id = 1040, .x = 102, .y = 36, .gauge = g,
                        .next = self.leading_next, .failures = self.leading_failures, .image_flags = image_flags::knob},
        .scale       = 0.0,
        .frame_count = 1,
        .callback    = nav_leading_one,
    };
    r.fraction = nav_knob(g, 195, self.fraction_knob_next, self.fraction_table, nav_fraction_knob);
    r.whole    = nav_knob(g, 79, self.whole_knob_next, self.whole_table, nav_whole_knob);
    r.volume   = {
        .head        = {.kind = ElementKind::icon, .bitmap_id = 1060, .x = 225, .y = 47, .gauge = g,
                        .next = self.volume_next, .failures = self.volume_failures, .image_flags = image_flags::plain},
        .scale       = 1.0,
        .frame_count = 2,
        .callback    = nav_volume_knob,
    };
    r.power = {
        .head        = {.kind = ElementKind::icon, .bitmap_id = 1050, .x = 25, .y = 32, .gauge = g,
                        .next = self.power_next, .image_flags = image_flags::plain},
        .scale       = 1.0,
        .frame_count = 2,
        .callback    = nav_power_switch,
    };
    r.indicator = {
        .head        = {.kind = ElementKind::icon, .bitmap_id = 1070, .x = 272, .y = 44, .gauge = g,
                        .failures = self.indicator_failures, .image_flags = image_flags::lamp},
        .scale       = 1.0,
        .frame_count = 1,
        .callback    = nav_power_indicator,
    };

    r.elements[0]           = &self.face.head;
    r.face_next[0]          = &self.hundredths.head;
    r.hundredths_next[0]    = &self.tenths.head;
    r.tenths_next[0]        = &self.units.head;
    r.units_next[0]         = &self.tens.head;
    r.tens_next[0]          = &self.leading.head;
    r.leading_next[0]       = &self.fraction.head;
    r.fraction_knob_next[0] = &self.whole.head;
    r.whole_knob_next[0]    = &self.volume.head;
    r.volume_next[0]        = &self.power.head;
    r.power_next[0]         = &self.indicator.head;

    r.tooltip_args[0] = {.callback = nav_frequency_tooltip<self>};

    // The knobs' zones sit in parents that declare their box: left half down, right half up.
    constexpr uint32_t repeat = MOUSE_LEFTSINGLE | MOUSE_REPEAT;
    MouseRect* m = r.mouse;
    *m++ = {.type = mouse_rect_parent, .cursor = CURSOR_NONE};
    *m++ = {.type = mouse_rect_tooltip, .arg_count = 1, .action = {.text = row.tooltip}, .args = self.tooltip_args};
    *m++ = {.type = mouse_rect_parent, .x = 62, .y = 28, .width = 34, .height = 34, .cursor = CURSOR_NONE};
    *m++ = click_zone(0, 0, 17, 34, CURSOR_DOWNARROW, repeat, nav_whole_down);
    *m++ = click_zone(17, 0, 17, 34, CURSOR_UPARROW, repeat, nav_whole_up);
    *m++ = {.type = mouse_rect_end_parent};
    *m++ = {.type = mouse_rect_parent, .x = 178, .y = 28, .width = 34, .height = 34, .cursor = CURSOR_NONE};
    *m++ = click_zone(0, 0, 17, 34, CURSOR_DOWNARROW, repeat, nav_fraction_down);
    *m++ = click_zone(17, 0, 17, 34, CURSOR_UPARROW, repeat, nav_fraction_up);
    *m++ = {.type = mouse_rect_end_parent};
    *m++ = click_zone(25, 32, 28, 53, CURSOR_HAND, MOUSE_LEFTSINGLE, nav_power_toggle);
    *m++ = click_zone(225, 47, 17, 34, CURSOR_HAND, MOUSE_LEFTSINGLE, nav_volume_off);
    *m++ = click_zone(242, 47, 17, 34, CURSOR_HAND, MOUSE_LEFTSINGLE, nav_volume_on);
    *m++ = {.type = mouse_rect_end_parent};
    *m   = {.type = mouse_rect_end};
    return r;
}

constinit NavRadio radio_nav1 = nav_radio<radio_nav1>({
    .name = "Radio_NAV1", .face = 1000, .frequency_token = token::nav1_frequency,
    .power = &radios.nav1, .volume = &radios.nav1_volume,
    .whole_up = event::nav1_whole_up, .whole_down = event::nav1_whole_down,
    .fraction_up = event::nav1_fraction_up, .fraction_down = event::nav1_fraction_down,
    .audio_on = event::nav1_audio_on, .audio_off = event::nav1_audio_off,
    .failure_key = 14, .tooltip = "Navigation Radio NAV1 - %1!07.3f! MHz",
});
constinit NavRadio radio_nav2 = nav_radio<radio_nav2>({
    .name = "Radio_NAV2", .face = 1100, .frequency_token = token::nav2_frequency,
    .power = &radios.nav2, .volume = &radios.nav2_volume,
    .whole_up = event::nav2_whole_up, .whole_down = event::nav2_whole_down,
    .fraction_up = event::nav2_fraction_up, .fraction_down = event::nav2_fraction_down,
    .audio_on = event::nav2_audio_on, .audio_off = event::nav2_audio_off,
    .failure_key = 15, .tooltip = "Navigation Radio NAV2 - %1!07.3f! MHz",
});

static NavRadio* const nav_radios[] = {&radio_nav1, &radio_nav2};

// The radio whose records hold gauge, or null for a gauge that is not one of them.
static NavRadio* radio_of(const GaugeHeader* gauge)
{
    for (NavRadio* radio : nav_radios)
        if (&radio->header == gauge)
            return radio;
    return nullptr;
}
static NavRadio* radio_of(const ElementHeader* element) { return radio_of(element->gauge); }
static NavRadio* radio_of(const MouseClick* click) { return click ? radio_of(click->gauge) : nullptr; }

static bool powered(const NavRadio& r) { return *r.row.power != 0; }

static void GAUGE_CALL nav_radio_callback(GaugeHeader* gauge, int32_t service_id, HostWord extra)
{
    NavRadio* r = radio_of(gauge);
    if (r == nullptr)
        return;
    click_sound_service(r->state.sound, service_id, extra, radio_click_wave);
    if (service_id == service_pre_update) {
        r->state.whole_mhz = decode_nav_whole_mhz(r->row.frequency_token);
        r->state.fraction  = decode_bcd_fraction(r->row.frequency_token);
    }
}

// Every drum and the leading 1 follow the power flag in their drawing option; each shows the digit
// of the frequency last decoded.
static double drum(ElementHeader* element, double (*digit)(const NavRadioState& s))
{
    const NavRadio* r = radio_of(element);
    if (r == nullptr)
        return 0.0;
    set_drum_powered(element, powered(*r));
    return digit(r->state);
}

static double GAUGE_CALL nav_hundredths_drum(ElementHeader* element)
{
    return drum(element, [](const NavRadioState& s) { return s.fraction - 10.0 * std::floor(s.fraction / 10.0); });
}
static double GAUGE_CALL nav_tenths_drum(ElementHeader* element)
{
    return drum(element, [](const NavRadioState& s) { return std::floor(s.fraction / 10.0); });
}
static double GAUGE_CALL nav_units_drum(ElementHeader* element)
{
    return drum(element, [](const NavRadioState& s) { return s.whole_mhz - 10.0 * std::floor(s.whole_mhz / 10.0); });
}
static double GAUGE_CALL nav_tens_drum(ElementHeader* element)
{
    return drum(element, [](const NavRadioState& s) { return std::floor(std::fmod(s.whole_mhz, 100.0) / 10.0); });
}
static double GAUGE_CALL nav_leading_one(ElementHeader* element)
{
    return drum(element, [](const NavRadioState&) { return 0.0; });
}

static double GAUGE_CALL nav_fraction_knob(ElementHeader* element)
{
    const NavRadio* r = radio_of(element);
    return r ? r->state.fraction : 0.0;
}
static double GAUGE_CALL nav_whole_knob(ElementHeader* element)
{
    const NavRadio* r = radio_of(element);
    return r ? r->state.whole_mhz : 0.0;
}

// Between them the two switch pictures send audio-on exactly while powered with VOL on, and
// audio-off in every other state, at every update.
static double GAUGE_CALL nav_power_switch(ElementHeader* element)
{
    const NavRadio* r = radio_of(element);
    if (r == nullptr)
        return 0.0;
    if (!powered(*r))
        trigger_key_event(r->row.audio_off, 0);
    else if (*r->row.volume != 0)
        trigger_key_event(r->row.audio_on, 0);
    return powered(*r) ? 1.0 : 0.0;
}

static double GAUGE_CALL nav_volume_knob(ElementHeader* element)
{
    const NavRadio* r = radio_of(element);
    if (r == nullptr)
        return 0.0;
    if (*r->row.volume != 0) {
        if (powered(*r))
            trigger_key_event(r->row.audio_on, 0);
        return 1.0;
    }
    trigger_key_event(r->row.audio_off, 0);
    return 0.0;
}

static double GAUGE_CALL nav_power_indicator(ElementHeader* element)
{
    const NavRadio* r = radio_of(element);
    return r && powered(*r) ? 0.0 : -1.0;
}

// The knobs refresh the part they tune before testing it.
static int32_t GAUGE_CALL nav_whole_up(MouseClick* click, uint32_t)
{
    if (NavRadio* r = radio_of(click)) {
        r->state.whole_mhz = decode_nav_whole_mhz(r->row.frequency_token);
        if (r->state.whole_mhz < 117.0 && powered(*r))
            trigger_key_event(r->row.whole_up, 0);
    }
    return 0;
}

static int32_t GAUGE_CALL nav_whole_down(MouseClick* click, uint32_t)
{
    if (NavRadio* r = radio_of(click)) {
        r->state.whole_mhz = decode_nav_whole_mhz(r->row.frequency_token);
        if (r->state.whole_mhz > 108.0 && powered(*r))
            trigger_key_event(r->row.whole_down, 0);
    }
    return 0;
}

static void step_fraction(MouseClick* click, bool up)
{
    if (NavRadio* r = radio_of(click)) {
        r->state.fraction = decode_bcd_fraction(r->row.frequency_token);
        if (powered(*r))
            trigger_key_event(up ? r->row.fraction_up : r->row.fraction_down, 0);
    }
}

static int32_t GAUGE_CALL nav_fraction_up(MouseClick* click, uint32_t)
{
    step_fraction(click, true);
    return 0;
}

static int32_t GAUGE_CALL nav_fraction_down(MouseClick* click, uint32_t)
{
    step_fraction(click, false);
    return 0;
}

// Switching off also tells the host to silence the receiver at once.
static int32_t GAUGE_CALL nav_power_toggle(MouseClick* click, uint32_t)
{
    if (NavRadio* r = radio_of(click)) {
        flip_and_click(*r->row.power, r->state.sound);
        if (!powered(*r))
            trigger_key_event(r->row.audio_off, 0);
    }
    return 0;
}

// The VOL knob has an off half and an on half; each clicks only when it changes the knob.
static void set_volume(MouseClick* click, int32_t on)
{
    NavRadio* r = radio_of(click);
    if (r != nullptr && *r->row.volume != on) {
        *r->row.volume = on;
        play_click(r->state.sound);
    }
}

static int32_t GAUGE_CALL nav_volume_off(MouseClick* click, uint32_t)
{
    set_volume(click, 0);
    return 0;
}

static int32_t GAUGE_CALL nav_volume_on(MouseClick* click, uint32_t)
{
    set_volume(click, 1);
    return 0;
}

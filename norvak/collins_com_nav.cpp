// Collins_COM1, Collins_COM2, Collins_NAV1 and Collins_NAV2: the four COM and NAV radio heads, which
// are twins. Each is one row of the table below, from which radio_head() writes its records; the
// callbacks they share find their head from the gauge the host hands them.
//
// A head shows and tunes the host's single active frequency: four packed BCD digits without the
// leading 1 (0x2345 is 123.45 MHz). It only asks the host to step the frequency; the steps, carries
// and wrap-around are the host's. The only bounds a head applies are its whole-MHz limits. The NAV
// heads switch their receiver's audio off at installation.
#include "avionics_power.h"
#include "common/radio_decoders.h"
#include "radio_head.h"

// The callbacks the heads share (below the rows); each finds its head from the gauge it is handed.
static void    GAUGE_CALL radio_head_callback(GaugeHeader* gauge, int32_t service_id, HostWord extra);
static double  GAUGE_CALL radio_display_update(ElementHeader* element);
static double  GAUGE_CALL radio_switch_frame(ElementHeader* element);
static double  GAUGE_CALL radio_power_indicator(ElementHeader* element);
static int32_t GAUGE_CALL radio_whole_up(MouseClick* click, uint32_t mouse_flags);
static int32_t GAUGE_CALL radio_whole_down(MouseClick* click, uint32_t mouse_flags);
static int32_t GAUGE_CALL radio_fraction_up(MouseClick* click, uint32_t mouse_flags);
static int32_t GAUGE_CALL radio_fraction_down(MouseClick* click, uint32_t mouse_flags);
static int32_t GAUGE_CALL radio_switch_off(MouseClick* click, uint32_t mouse_flags);
static int32_t GAUGE_CALL radio_switch_on(MouseClick* click, uint32_t mouse_flags);

// A tooltip argument is handed no gauge, so each head has its own: the frequency in MHz as last
// decoded.
template <RadioHead& head>
static double GAUGE_CALL radio_frequency_tooltip(TooltipHostArgs)
{
    return head.state.whole_mhz + head.state.fraction / 100;
}

// The records of head self from its row.
template <RadioHead& self>
static constexpr RadioHead radio_head(const RadioHeadRow& row)
{
    RadioHead h{};
    h.row    = row;
    h.header = gauge_header(row.name, self.elements, radio_head_size_mm, self.mouse, radio_head_callback);
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
    *r++ = {.type = mouse_rect_tooltip, .arg_count = 1, .action = {.text = row.tooltip}, .args = self.tooltip_args};
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

constinit RadioHead collins_com1 = radio_head<collins_com1>({
    .name = "Collins_COM1", .face = 380, .frequency_token = token::com1_frequency, .power = &avionics.com1,
    .decode_whole_mhz = decode_com_whole_mhz, .whole_up_below = 135, .whole_down_above = 118,
    .whole_up_event = event::com1_whole_up, .whole_down_event = event::com1_whole_down,
    .fraction_up_event = event::com1_fraction_up, .fraction_down_event = event::com1_fraction_down,
    .audio_off_event = 0, .failure_key = 9, .knob_fails = true, .whole_selection = 4, .fraction_selection = 5,
    .help_id = 0, .window_help_id = 0, .tooltip = "Communications Radio COM1 - %1!07.3f! MHz",
});
constinit RadioHead collins_com2 = radio_head<collins_com2>({
    .name = "Collins_COM2", .face = 390, .frequency_token = token::com2_frequency, .power = &avionics.com2,
    .decode_whole_mhz = decode_com_whole_mhz, .whole_up_below = 135, .whole_down_above = 118,
    .whole_up_event = event::com2_whole_up, .whole_down_event = event::com2_whole_down,
    .fraction_up_event = event::com2_fraction_up, .fraction_down_event = event::com2_fraction_down,
    .audio_off_event = 0, .failure_key = 9, .knob_fails = false, .whole_selection = 27, .fraction_selection = 28,
    .help_id = 0, .window_help_id = 0, .tooltip = "Communications Radio COM2 - %1!07.3f! MHz",
});
constinit RadioHead collins_nav1 = radio_head<collins_nav1>({
    .name = "Collins_NAV1", .face = 400, .frequency_token = token::nav1_frequency, .power = &avionics.nav1,
    .decode_whole_mhz = decode_nav_whole_mhz, .whole_up_below = 117, .whole_down_above = 108,
    .whole_up_event = event::nav1_whole_up, .whole_down_event = event::nav1_whole_down,
    .fraction_up_event = event::nav1_fraction_up, .fraction_down_event = event::nav1_fraction_down,
    .audio_off_event = event::nav1_audio_off, .failure_key = 14, .knob_fails = false, .whole_selection = 6,
    .fraction_selection = 7, .help_id = 0xA700, .window_help_id = 0xA715,
    .tooltip = "Navigation Radio NAV1 - %1!07.3f! MHz",
});
constinit RadioHead collins_nav2 = radio_head<collins_nav2>({
    .name = "Collins_NAV2", .face = 410, .frequency_token = token::nav2_frequency, .power = &avionics.nav2,
    .decode_whole_mhz = decode_nav_whole_mhz, .whole_up_below = 117, .whole_down_above = 108,
    .whole_up_event = event::nav2_whole_up, .whole_down_event = event::nav2_whole_down,
    .fraction_up_event = event::nav2_fraction_up, .fraction_down_event = event::nav2_fraction_down,
    .audio_off_event = event::nav2_audio_off, .failure_key = 15, .knob_fails = false, .whole_selection = 8,
    .fraction_selection = 9, .help_id = 0xA702, .window_help_id = 0xA717,
    .tooltip = "Navigation Radio NAV2 - %1!07.3f! MHz",
});

static RadioHead* const radio_heads[] = {&collins_com1, &collins_com2, &collins_nav1, &collins_nav2};

// The head whose records hold gauge, or null for a gauge that is not a head.
static RadioHead* head_of(const GaugeHeader* gauge)
{
    for (RadioHead* head : radio_heads)
        if (&head->header == gauge)
            return head;
    return nullptr;
}
static RadioHead* head_of(const ElementHeader* element) { return head_of(element->gauge); }
static RadioHead* head_of(const MouseClick* click) { return click ? head_of(click->gauge) : nullptr; }

static bool powered(const RadioHead& head) { return *head.row.power != 0; }

static void refresh_whole(RadioHead& head)
{
    head.state.whole_mhz = head.row.decode_whole_mhz(head.row.frequency_token);
}
static void refresh_fraction(RadioHead& head) { head.state.fraction = decode_bcd_fraction(head.row.frequency_token); }

static void GAUGE_CALL radio_head_callback(GaugeHeader* gauge, int32_t service_id, HostWord extra)
{
    RadioHead* head = head_of(gauge);
    if (head == nullptr)
        return;
    switch (service_id) {
    case service_pre_install:
        if (head->row.audio_off_event != 0)
            trigger_key_event(head->row.audio_off_event, 0);
        break;
    case service_pre_update:
        refresh_whole(*head);
        refresh_fraction(*head);
        break;
    default:
        break;
    }
    click_sound_service(head->state.sound, service_id, extra, click_wave_id);
}

// The window is formatted even while dark, so it is current the moment power returns.
static double GAUGE_CALL radio_display_update(ElementHeader* element)
{
    const RadioHead* head = head_of(element);
    const auto v = static_cast<uint32_t>(reinterpret_cast<String*>(element)->sources[0].value.i32);
    set_hidden(element, head == nullptr || !powered(*head));
    write_element_text(element, "1%02x.%02x", v >> 8, v & 0xFF);
    return v;
}

static double GAUGE_CALL radio_switch_frame(ElementHeader* element)
{
    const RadioHead* head = head_of(element);
    return head ? head->state.switch_frame : knob_at_off;
}

static double GAUGE_CALL radio_power_indicator(ElementHeader* element)
{
    const RadioHead* head = head_of(element);
    return head && powered(*head) ? 0.0 : -1.0;
}

// Every tuning zone refreshes its cache first, so the limit is tested against the frequency current
// at the click even between updates.
static int32_t GAUGE_CALL radio_whole_up(MouseClick* click, uint32_t)
{
    if (RadioHead* head = head_of(click)) {
        refresh_whole(*head);
        if (head->state.whole_mhz < head->row.whole_up_below && powered(*head))
            trigger_key_event(head->row.whole_up_event, 0);
    }
    return 0;
}

static int32_t GAUGE_CALL radio_whole_down(MouseClick* click, uint32_t)
{
    if (RadioHead* head = head_of(click)) {
        refresh_whole(*head);
        if (head->state.whole_mhz > head->row.whole_down_above && powered(*head))
            trigger_key_event(head->row.whole_down_event, 0);
    }
    return 0;
}

static int32_t GAUGE_CALL radio_fraction_up(MouseClick* click, uint32_t)
{
    if (RadioHead* head = head_of(click)) {
        refresh_fraction(*head);
        if (powered(*head))
            trigger_key_event(head->row.fraction_up_event, 0);
    }
    return 0;
}

static int32_t GAUGE_CALL radio_fraction_down(MouseClick* click, uint32_t)
{
    if (RadioHead* head = head_of(click)) {
        refresh_fraction(*head);
        if (powered(*head))
            trigger_key_event(head->row.fraction_down_event, 0);
    }
    return 0;
}

// The switch zones: a click is heard only when the switch moves.
static void set_power(RadioHead& head, int32_t on)
{
    if ((*head.row.power != 0) == (on != 0))
        return;
    head.state.switch_frame = on ? knob_at_on : knob_at_off;
    play_click(head.state.sound);
    *head.row.power = on;
}

static int32_t GAUGE_CALL radio_switch_off(MouseClick* click, uint32_t)
{
    if (RadioHead* head = head_of(click))
        set_power(*head, 0);
    return 0;
}

static int32_t GAUGE_CALL radio_switch_on(MouseClick* click, uint32_t)
{
    if (RadioHead* head = head_of(click))
        set_power(*head, 1);
    return 0;
}

#include "radio_head.h"

#include "common/radio_decoders.h"

static void refresh_whole(RadioHead& head) { head.state.whole_mhz = head.decode_whole_mhz(head.frequency_token); }
static void refresh_fraction(RadioHead& head) { head.state.fraction = decode_bcd_fraction(head.frequency_token); }

void radio_head_service(RadioHead& head, int32_t service_id, HostWord extra)
{
    RadioHeadState& s = head.state;
    switch (service_id) {
    case service_pre_install:
        if (head.audio_off_event != 0)
            trigger_key_event(head.audio_off_event, 0);
        break;
    case service_pre_update:
        refresh_whole(head);
        refresh_fraction(head);
        break;
    default:
        break;
    }
    click_sound_service(s.sound, service_id, extra, click_wave_id);
}

// The window is formatted even while dark, so it is current the moment power returns.
double radio_head_display(const RadioHead& head, ElementHeader* element)
{
    const auto v = static_cast<uint32_t>(reinterpret_cast<String*>(element)->sources[0].value.i32);
    set_hidden(element, *head.power == 0);
    write_element_text(element, "1%02x.%02x", v >> 8, v & 0xFF);
    return v;
}

double radio_head_indicator(const RadioHead& head) { return *head.power != 0 ? 0.0 : -1.0; }

double radio_head_tooltip(const RadioHead& head) { return head.state.whole_mhz + head.state.fraction / 100; }

// Every tuning zone refreshes its cache first, so the limit is tested against the frequency current
// at the click even between updates.
void radio_head_whole_up(RadioHead& head)
{
    refresh_whole(head);
    if (head.state.whole_mhz < head.whole_up_below && *head.power != 0)
        trigger_key_event(head.whole_up_event, 0);
}

void radio_head_whole_down(RadioHead& head)
{
    refresh_whole(head);
    if (head.state.whole_mhz > head.whole_down_above && *head.power != 0)
        trigger_key_event(head.whole_down_event, 0);
}

void radio_head_fraction_up(RadioHead& head)
{
    refresh_fraction(head);
    if (*head.power != 0)
        trigger_key_event(head.fraction_up_event, 0);
}

void radio_head_fraction_down(RadioHead& head)
{
    refresh_fraction(head);
    if (*head.power != 0)
        trigger_key_event(head.fraction_down_event, 0);
}

void radio_head_switch_off(RadioHead& head)
{
    if (*head.power == 0)
        return;
    head.state.switch_frame = knob_at_off;
    play_click(head.state.sound);
    *head.power = 0;
}

void radio_head_switch_on(RadioHead& head)
{
    if (*head.power != 0)
        return;
    head.state.switch_frame = knob_at_on;
    play_click(head.state.sound);
    *head.power = 1;
}

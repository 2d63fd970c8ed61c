#include "radio_head.h"

#include <cstdarg>
#include <cstdio>

#include "common/radio_decoders.h"

void write_element_text(ElementHeader* element, const char* format, ...)
{
    auto* text = reinterpret_cast<String*>(element);
    if (text->text == nullptr)
        return;
    va_list args;
    va_start(args, format);
    // The host's buffer holds the element's characters and the terminating zero.
    std::vsnprintf(text->text, text->char_count + 1, format, args);
    va_end(args);
}

void show_element(ElementHeader* element, bool shown)
{
    if (shown)
        element->image_flags &= ~IMAGE_FLAGS_HIDDEN;
    else
        element->image_flags |= IMAGE_FLAGS_HIDDEN;
}

static void refresh_whole(RadioHead& head) { head.state.whole_mhz = head.decode_whole_mhz(head.frequency_token); }
static void refresh_fraction(RadioHead& head) { head.state.fraction = decode_bcd_fraction(head.frequency_token); }

void radio_head_service(RadioHead& head, int32_t service_id, HostWord extra)
{
    RadioHeadState& s = head.state;
    switch (service_id) {
    case service_pre_install:
        if (head.audio_off_event != 0)
            trigger_key_event(head.audio_off_event, 0);
        s.module      = reinterpret_cast<HMODULE>(extra);
        s.host_window = find_host_window();
        sound_create_device(s.host_window, &s.sound_device);
        sound_load_wave_resource(s.host_window, &s.sound_device, &s.sound_buffer, click_wave_id, s.module);
        break;
    case service_pre_update:
        refresh_whole(head);
        refresh_fraction(head);
        break;
    case service_pre_kill:
        sound_release_buffer(&s.sound_buffer);
        sound_release_device(&s.sound_device);
        break;
    default:
        break;
    }
}

// The window is formatted even while dark, so it is current the moment power returns.
double radio_head_display(const RadioHead& head, ElementHeader* element)
{
    const auto v = static_cast<uint32_t>(reinterpret_cast<String*>(element)->sources[0].value.i32);
    show_element(element, *head.power != 0);
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
    sound_play(&head.state.sound_buffer, 0);
    *head.power = 0;
}

void radio_head_switch_on(RadioHead& head)
{
    if (*head.power != 0)
        return;
    head.state.switch_frame = knob_at_on;
    sound_play(&head.state.sound_buffer, 0);
    *head.power = 1;
}

// Shut_Down: a plain plate. When its panel window connects while the host's variable 0x3C is above
// zero it switches every radio off; at every update it sends 0x10211 while variable 0x14C is above
// 10 and variable 0x146 above 2.
#include "frame/module.h"
#include "radio_power.h"

extern GaugeHeader shut_down_header;

static void GAUGE_CALL shut_down_callback(GaugeHeader* gauge, int32_t service_id, HostWord);

static StaticImage plate = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 60, .gauge = &shut_down_header, .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&plate.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader shut_down_header = {
    .version = gauge_header_version_800, .name = "Shut_Down", .elements = elements, .size_x_mm = 30,
    .mouse_rects = mouse, .callback = shut_down_callback,
};

constexpr uint32_t shut_down_condition = 0x3C;
constexpr uint32_t update_first_token  = 0x14C;
constexpr uint32_t update_second_token = 0x146;

constexpr uint32_t event_adf_audio_off  = 0x1012C;
constexpr uint32_t event_nav1_audio_off = 0x10128;
constexpr uint32_t event_nav2_audio_off = 0x10129;
constexpr uint32_t event_update_repeat  = 0x10211;

static void switch_radios_off()
{
    radio_adf_power = 0;
    radio_adf_audio = 0;
    trigger_key_event(event_adf_audio_off, 0);
    radio_com1_power  = 0;
    radio_nav1_power  = 0;
    radio_nav1_volume = 0;
    trigger_key_event(event_nav1_audio_off, 0);
    radio_nav2_power  = 0;
    radio_nav2_volume = 0;
    trigger_key_event(event_nav2_audio_off, 0);
    iff_power = 0;
}

static void GAUGE_CALL shut_down_callback(GaugeHeader*, int32_t service_id, HostWord)
{
    if (service_id == service_connect) {
        if (read_token(shut_down_condition) > 0.0)
            switch_radios_off();
    } else if (service_id == service_pre_update) {
        if (read_token(update_first_token) > 10.0 && read_token(update_second_token) > 2.0)
            trigger_key_event(event_update_repeat, 0);
    }
}

// Shut_Down: a plain plate. When its panel window connects while the host asks for a shut-down it
// switches every radio off; at every update it sends update_repeat while the front gear is above 10
// and update_repeat_condition above 2.
#include "common/plate_gauge.h"
#include "radio_power.h"

static void GAUGE_CALL shut_down_callback(GaugeHeader* gauge, int32_t service_id, HostWord);

constinit PlateGauge shut_down = plate_gauge(shut_down, "Shut_Down", 60, 30, shut_down_callback);

static void switch_radios_off()
{
    radios = {.adf = 0, .adf_audio = 0, .com1 = 0, .nav1 = 0, .nav1_volume = 0, .nav2 = 0, .nav2_volume = 0, .iff = 0};
    trigger_key_event(event::adf_audio_off, 0);
    trigger_key_event(event::nav1_audio_off, 0);
    trigger_key_event(event::nav2_audio_off, 0);
}

static void GAUGE_CALL shut_down_callback(GaugeHeader*, int32_t service_id, HostWord)
{
    if (service_id == service_connect) {
        if (shut_down_wanted())
            switch_radios_off();
    } else if (service_id == service_pre_update) {
        if (read_token(token::gear_front) > 10.0 && read_token(token::update_repeat_condition) > 2.0)
            trigger_key_event(event::update_repeat, 0);
    }
}

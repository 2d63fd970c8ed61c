// Shut_Down: a plain plate that, when its panel window connects while the host asks for a shut-down,
// sends the series of key events that puts both engines into their switched-off state.
#include "common/plate_gauge.h"

static void GAUGE_CALL shut_down_callback(GaugeHeader* gauge, int32_t service_id, HostWord);

constinit PlateGauge shut_down = plate_gauge(shut_down, "Shut_Down", 40, 30, shut_down_callback);

// The series, in order: an event sent always, or only while its token is above zero.
struct ShutDownStep {
    uint32_t event_id;
    uint32_t token;   // 0: always
};

static const ShutDownStep shut_down_steps[] = {
    {.event_id = event::engine1_shut_down_1},
    {.event_id = event::engine1_shut_down_2, .token = token::engine1_shut_down_2_condition},
    {.event_id = event::engine1_shut_down_3, .token = token::engine1_shut_down_3_condition},
    {.event_id = event::engine2_shut_down_1},
    {.event_id = event::engine2_shut_down_2, .token = token::engine2_shut_down_2_condition},
    {.event_id = event::engine2_shut_down_3, .token = token::engine2_shut_down_3_condition},
    {.event_id = event::engine1_shut_down_4},
    {.event_id = event::engine2_shut_down_4},
};

static void GAUGE_CALL shut_down_callback(GaugeHeader*, int32_t service_id, HostWord)
{
    if (service_id != service_connect || !shut_down_wanted())
        return;
    for (const ShutDownStep& step : shut_down_steps)
        if (step.token == 0 || read_token(step.token) > 0.0)
            trigger_key_event(step.event_id, 0);
}

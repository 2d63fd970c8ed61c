// Shut_Down: a plain plate that, when its panel window connects while the host's variable 0x3C is
// above zero, sends the series of key events that puts the aircraft into its switched-off state.
#include "frame/module.h"

extern GaugeHeader shut_down_header;

static void GAUGE_CALL shut_down_callback(GaugeHeader* gauge, int32_t service_id, HostWord);

static StaticImage plate = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 40, .gauge = &shut_down_header, .image_flags = image_flags::plain},
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

// The series, in order: an event sent always, or only while its token is above zero.
struct ShutDownStep {
    uint32_t event_id;
    uint32_t token;   // 0: always
};

static const ShutDownStep shut_down_steps[] = {
    {.event_id = 0x1011C},
    {.event_id = 0x103BE, .token = 0x37F},
    {.event_id = 0x1017F, .token = 0x230},
    {.event_id = 0x1011D},
    {.event_id = 0x103BF, .token = 0x380},
    {.event_id = 0x10180, .token = 0x23A},
    {.event_id = 0x10187},
    {.event_id = 0x1018D},
};

static void GAUGE_CALL shut_down_callback(GaugeHeader*, int32_t service_id, HostWord)
{
    if (service_id != service_connect || !(read_token(shut_down_condition) > 0.0))
        return;
    for (const ShutDownStep& step : shut_down_steps)
        if (step.token == 0 || read_token(step.token) > 0.0)
            trigger_key_event(step.event_id, 0);
}

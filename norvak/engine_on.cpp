// Engine_On: an invisible gauge that powers the avionics whenever its panel window connects. It sets
// the flags only; the heads' switch pictures are left as they are.
#include "avionics_power.h"
#include "frame/module.h"

extern GaugeHeader engine_on_header;

static void GAUGE_CALL engine_on_callback(GaugeHeader*, int32_t service_id, HostWord)
{
    if (service_id != service_connect)
        return;
    adf_power = 1;
    adf_tone  = 0;
    trigger_key_event(0x1012C, 0);   // ADF audio off
    com1_power = 1;
    com2_power = 1;
    nav1_power = 1;
    trigger_key_event(0x10128, 0);   // NAV1 audio off
    nav2_power = 1;
    trigger_key_event(0x10129, 0);   // NAV2 audio off
    atc_power = 1;
}

static StaticImage plate = {
    .head = {.kind = ElementKind::static_image, .bitmap_id = 40, .gauge = &engine_on_header, .image_flags = image_flags::plain},
};
static ElementHeader* elements[] = {&plate.head, nullptr};

static MouseRect mouse[] = {
    {.type = mouse_rect_parent, .cursor = CURSOR_NONE},
    {.type = mouse_rect_end_parent},
    {.type = mouse_rect_end},
};

GaugeHeader engine_on_header = {
    .version = gauge_header_version_800, .name = "Engine_On", .elements = elements, .size_x_mm = 30,
    .mouse_rects = mouse, .callback = engine_on_callback,
};

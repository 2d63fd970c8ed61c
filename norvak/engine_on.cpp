// Engine_On: an invisible gauge that powers the avionics whenever its panel window connects. It sets
// the flags only; the heads' switch pictures are left as they are.
#include "avionics_power.h"
#include "common/plate_gauge.h"

static void GAUGE_CALL engine_on_callback(GaugeHeader*, int32_t service_id, HostWord)
{
    if (service_id != service_connect)
        return;
    // Every head on; the ADF in ADF mode, so its audio is off like both NAV radios' idents.
    avionics = {.com1 = 1, .com2 = 1, .nav1 = 1, .nav2 = 1, .atc = 1, .adf = 1, .adf_tone = 0};
    trigger_key_event(event::adf_audio_off, 0);
    trigger_key_event(event::nav1_audio_off, 0);
    trigger_key_event(event::nav2_audio_off, 0);
}

constinit PlateGauge engine_on = plate_gauge(engine_on, "Engine_On", 40, 30, engine_on_callback);

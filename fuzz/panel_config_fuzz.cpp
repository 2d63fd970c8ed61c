// panel.cfg as read by gauge-host panel: every line, and every way of naming a window afterwards.
#include "fuzz_common.h"
#include "host/formats/panel_config.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        host::PanelConfig cfg = host::parse_panel_config(text, "fuzz.cfg");
        for (const host::PanelWindow& w : cfg.windows) {
            if (cfg.find(w.section) == nullptr)
                __builtin_trap();   // a window is always found by its own section name
            cfg.find(w.title);
            cfg.find(w.section.size() > 6 ? w.section.substr(6) : w.section);
            for (const host::PanelGauge& g : w.gauges)
                if (g.module.empty() || g.gauge.empty() || g.line < 1)
                    __builtin_trap();
        }
        cfg.find("0");
        cfg.find("99999999999999999999999");
        cfg.find(text.substr(0, 24));
    } catch (const host::HostError&) {
    }
    return 0;
}

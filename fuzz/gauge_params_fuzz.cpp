// Parameter texts as every gauge of every module reads them: button options and window names,
// registration font and colours, engine digits, water settings. The gauge is placed with the text,
// flown for a few frames, clicked on every rectangle, asked for tooltips and removed. The option
// readers that the modules share are also called on the text directly.
#include "common/engine_selection.h"
#include "common/options.h"
#include "fuzz_common.h"
#include "host/core/panel_host.h"
#include "host/world/world.h"

namespace {

const char* const module_names[] = {"Norvak_Instr", "Stelvar_Instr", "Tolvane"};

void read_options_directly(const std::string& text)
{
    const char* t = text.c_str();
    for (const char* key : {"o", "c", "t", "a", "p", "b", "h", "f", "r", "g"}) {
        std::ptrdiff_t at = find_option(t, key);
        if (at != option_not_found) {
            if (at < 0 || static_cast<size_t>(at) >= text.size())
                __builtin_trap();
            option_number(t + at + 1);
            panel_window_id(t + at + 1);
            help_id_from_text(t + at + 1);
        }
        find_option(t, text.size() / 2, key);
    }
    GaugeHeader header{};
    header.parameters = t;
    const int32_t engine = engine_number(&header);
    if (engine < 1 || engine > 4)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const char* m : module_names)
        fuzz::keep_loaded(m);
    const fuzz::FreshRun fresh;
    fuzz::Input       in(data, size);
    const char*       module_name = module_names[in.byte() % 3];
    const uint8_t     pick        = in.byte();
    const uint8_t     frames      = in.byte() % 8;
    const std::string params      = in.text();
    read_options_directly(params);

    host::SimulatedPanel host;   // a host of its own: every run starts from a host just made
    try {
        host::Module& m = host.load_module(fuzz::module_file(module_name));
        const std::string name = m.gauges()[pick % m.gauges().size()].name();
        host::Gauge&      g    = host.add_gauge(m, name, params);
        g.connect();
        for (int i = 0; i < frames; ++i)
            host.frame(1.0 / 18);
        for (const host::MouseArea& a : g.mouse().areas()) {
            g.click_rect(a.index, MOUSE_LEFTSINGLE);
            g.click_rect(a.index, MOUSE_RIGHTSINGLE);
            g.tooltip_at(a.box.x + a.box.width / 2, a.box.y + a.box.height / 2);
        }
        host.frame(1.0 / 18);
    } catch (const host::HostError&) {
    }
    return 0;
}

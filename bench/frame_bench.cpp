// What a frame of a whole panel costs the host: every gauge of a module installed, connected and
// updated, with the modules' own callbacks, sounds and external link at work.
#include <benchmark/benchmark.h>

#include <string>

#include "host/core/panel_host.h"
#include "host/script/scenario.h"

#if defined(GAUGE_HOST_RENDER)
#include "host/render/render.h"
#include "host/world/world.h"
#endif

using namespace host;

namespace {

std::string module_path(const std::string& name)
{
    return std::string(GAUGE_MODULE_DIR) + "/" + module_file_name(name);
}

void whole_panel_frame(benchmark::State& state, const char* module_name)
{
    SimulatedPanel host;
    Module&   m = host.load_module(module_path(module_name));
    for (const GaugeEntry& g : m.gauges())
        host.add_gauge(m, g.name()).connect();
    host.sim().set(0x3D, 120.0);   // some motion for the needles
    for (auto _ : state)
        host.frame(1.0 / 18);
    state.counters["gauges"] = static_cast<double>(m.gauges().size());
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_NorvakPanelFrame(benchmark::State& state) { whole_panel_frame(state, "Norvak_Instr"); }
void BM_StelvarPanelFrame(benchmark::State& state) { whole_panel_frame(state, "Stelvar_Instr"); }
BENCHMARK(BM_NorvakPanelFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StelvarPanelFrame)->Unit(benchmark::kMicrosecond);

#if defined(GAUGE_HOST_RENDER)
void BM_RenderAltimeter(benchmark::State& state)
{
    SimulatedPanel host;
    Module&   m = host.load_module(module_path("Norvak_Instr"));
    Gauge&    g = host.add_gauge(m, "Altimeter");
    g.connect();
    host.frame(1.0 / 18);
    for (auto _ : state)
        render_png(g, "/tmp/gauge_bench_altimeter.png", 1.0);
}
BENCHMARK(BM_RenderAltimeter)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();

// What a picture of the workbench costs on the server: the example panel drawn 1024 pixels wide as
// PNG tiles, every gauge (the first picture a browser gets, or a full redraw), or only the gauges
// that changed in a frame while scooping. The browser's side is measured by workbench_bench.mjs.
#include <benchmark/benchmark.h>

#include <string>

#include "serve_picture.h"
#include "serve_session.h"

using namespace serve;

namespace {

struct Bench {
    Session      session;
    PictureMaker picture;

    Bench() : session(panel_layout(std::string(GAUGE_SOURCE_DIR) + "/examples/water_bomber_panel.cfg"), {GAUGE_MODULE_DIR, 18.0})
    {
        session.start();
        session.apply_preset("lake");
        for (int rect : {2, 3}) {   // the water master switch and the scoop button
            for (const PlacedRect& r : session.rectangles(0))
                if (r.gauge == "Window00.6" && r.index == rect)
                    session.click(0, r.x + r.width / 2, r.y + r.height / 2, false);
        }
        session.frame();
    }
    double scale() const { return 1024.0 / session.layout().windows[0].width; }
};

void BM_PanelPictureEveryGauge(benchmark::State& state)
{
    Bench b;
    b.picture.update(b.session.layout().windows[0], 0, b.scale(), true);
    size_t bytes = 0;
    for (auto _ : state) {
        b.picture.update(b.session.layout().windows[0], 0, b.scale(), true);
        bytes = 0;
        for (const Tile& t : b.picture.tiles())
            bytes += t.png_base64 ? t.png_base64->size() : 0;
    }
    state.counters["pictures/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["base64 bytes"] = static_cast<double>(bytes);
}

void BM_PanelFrameAndChangedGauges(benchmark::State& state)
{
    Bench b;
    b.picture.update(b.session.layout().windows[0], 0, b.scale(), true);
    int drawn = 0;
    for (auto _ : state) {
        b.session.frame();
        drawn += b.picture.update(b.session.layout().windows[0], 0, b.scale(), false);
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["tiles/frame"] = static_cast<double>(drawn) / static_cast<double>(state.iterations());
}

BENCHMARK(BM_PanelPictureEveryGauge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanelFrameAndChangedGauges)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

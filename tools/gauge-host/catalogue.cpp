// gauge-host catalogue: every gauge of a module drawn, with an index page.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#if !defined(_WIN32)
#include <unistd.h>
#endif

#include "commands.h"
#include "working_state.h"
#include "host/core/panel_host.h"
#include "host/world/world.h"
#if defined(GAUGE_HOST_RENDER)
#include "host/render/render.h"
#endif

namespace fs = std::filesystem;

namespace gauge_host {

using namespace host;

// Draws every gauge of a module as it looks after one frame with no parameter text, and writes an
// index.md that shows them in the module's table order.
int catalogue_command(const Invocation& call)
{
#if defined(GAUGE_HOST_RENDER)
    if (call.args.size() != 1)
        throw UsageError("catalogue takes one MODULE");
    const std::string path    = module_location(call.args[0], call.module_dir);
    const std::string out_dir = call.out_dir;
    if (out_dir.empty())
        throw HostError("catalogue needs --out DIR");
    fs::create_directories(out_dir);
    auto        probe = Module::load(path);
    std::string name  = probe->name();
    std::vector<std::string> gauges;
    for (const GaugeEntry& g : probe->gauges())
        gauges.push_back(g.name());
    probe.reset();

    std::string index = "# " + name + "\n\n" + std::to_string(gauges.size()) +
                        " gauges, in the order of the module's gauge table, as drawn by gauge-host after one "
                        "frame with no parameter text and every simulator variable at 0 (at rest), and at work: "
                        "powered and at a typical value.\n\n"
                        "| # | gauge | size (px) | size_x_mm | elements | at rest | at work |\n|---|---|---|---|---|---|---|\n";
    int failures = 0;
    for (size_t i = 0; i < gauges.size(); ++i) {
        std::string row = "| " + std::to_string(i + 1) + " | `" + gauges[i] + "` | ";
        try {
            PanelHost host;
            Module&   m = host.load_module(path);
            Gauge&    g = host.add_gauge(m, gauges[i]);
            g.connect();
            host.frame(1.0 / 18);
            std::string file = gauges[i] + ".png";
            render_png(g, out_dir + "/" + file, 1.0);
            SimulatedPanel working;
            Gauge&         w    = working_state::install(working, working.load_module(path), gauges[i]);
            std::string    busy = gauges[i] + "_working.png";
            render_png(w, out_dir + "/" + busy, 1.0);
            row += std::to_string(g.width()) + " x " + std::to_string(g.height()) + " | " +
                   std::to_string(g.header()->size_x_mm) + " | " + std::to_string(g.elements().size()) + " | ![" +
                   gauges[i] + "](" + file + ") | ![" + gauges[i] + " at work](" + busy + ") |";
        } catch (const HostError& e) {
            ++failures;
            row += " | | | cannot be drawn: " + std::string(e.what()) + " | |";
        }
        index += row + "\n";
        if (isatty(2))
            std::fprintf(stderr, "\r%s: %zu of %zu gauges drawn", name.c_str(), i + 1, gauges.size());
    }
    if (isatty(2))
        std::fprintf(stderr, "\n");
    std::ofstream(out_dir + "/index.md") << index;
    std::printf("%s: %zu gauge(s) -> %s/index.md\n", name.c_str(), gauges.size(), out_dir.c_str());
    return failures == 0 ? 0 : 1;
#else
    (void)call;
    throw HostError("pictures are drawn by the native build only");
#endif
}

}  // namespace gauge_host

// gauge-host render and panel: pictures of one gauge, or of a panel window with its gauges.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "commands.h"
#include "host/core/limits.h"
#include "host/core/panel_host.h"
#include "host/formats/panel_config.h"
#include "host/world/world.h"
#if defined(GAUGE_HOST_RENDER)
#include "host/render/render.h"
#endif

namespace gauge_host {

using namespace host;

namespace {

// The options that the drawing commands share; words that are no option are left in `rest`.
struct DrawOptions {
    std::string                              out, params;
    std::vector<std::pair<uint32_t, double>> sets;
    int                                      frames = 1;
    double                                   scale  = 1.0;
    std::vector<std::string>                 rest;

    DrawOptions(const std::vector<std::string>& args, const char* command, bool takes_param)
    {
        for (size_t i = 0; i < args.size(); ++i) {
            const std::string& a    = args[i];
            auto               next = [&]() -> const std::string& {
                if (i + 1 >= args.size())
                    throw UsageError("option " + a + " needs a value");
                return args[++i];
            };
            if (a == "-o")
                out = next();
            else if (a == "--param" && takes_param)
                params = next();
            else if (a == "--frames") {
                auto n = whole_within(parse_value(next()), 0, frame_limit);
                if (!n || *n != parse_value(args[i]))
                    throw UsageError("--frames must lie in 0.." + std::to_string(frame_limit));
                frames = static_cast<int>(*n);
            } else if (a == "--scale") {
                scale = parse_value(next());
                if (!(scale > 0 && scale <= scale_limit))
                    throw UsageError("--scale must lie in (0, " + format_number(scale_limit) + "]");
            }
            else if (a == "--set") {
                const std::string& kv = next();
                auto               eq = kv.find('=');
                if (eq == std::string::npos)
                    throw HostError("--set expects TOKEN=VALUE, not '" + kv + "'");
                sets.emplace_back(parse_token(kv.substr(0, eq)), parse_value(kv.substr(eq + 1)));
            } else if (a.rfind("-", 0) != 0)
                rest.push_back(a);
            else
                throw UsageError("unknown option '" + a + "'");
        }
        if (out.empty())
            throw UsageError(std::string(command) + " needs -o FILE.png");
    }

    // Gives the variables their values: before the gauges are installed, so that whatever a gauge
    // decides at installation sees them too.
    void apply(PanelHost& host) const
    {
        for (auto [t, v] : sets)
            host.sim().set(t, v);
    }

    void run(PanelHost& host) const
    {
        for (int i = 0; i < frames; ++i)
            host.frame(1.0 / 18);
    }
};

}  // namespace

int render_command(const Invocation& call)
{
#if defined(GAUGE_HOST_RENDER)
    DrawOptions o(call.args, "render", true);
    if (o.rest.size() != 2)
        throw UsageError("render takes MODULE GAUGE");
    PanelHost host;
    o.apply(host);
    Module&   m = host.load_module(module_location(o.rest[0], call.module_dir));
    Gauge&    g = host.add_gauge(m, o.rest[1], o.params);
    g.connect();
    o.run(host);
    const std::string& out   = o.out;
    const double       scale = o.scale;
    render_png(g, out, scale);
    std::printf("%s!%s -> %s (%dx%d px)\n", m.name().c_str(), g.name().c_str(), out.c_str(),
                static_cast<int>(g.width() * scale), static_cast<int>(g.height() * scale));
    return 0;
#else
    (void)call;
    throw HostError("pictures are drawn by the native build only");
#endif
}

// Draws one panel window, or every window (FILE_<Window>.png) when none is named.
int panel_command(const Invocation& call)
{
#if defined(GAUGE_HOST_RENDER)
    DrawOptions o(call.args, "panel", false);
    if (o.rest.empty() || o.rest.size() > 2)
        throw UsageError("panel takes PANEL.CFG [WINDOW]");
    const std::string cfg_path = o.rest[0];
    const std::string window   = o.rest.size() > 1 ? o.rest[1] : "";
    const std::string& out     = o.out;
    PanelConfig cfg = load_panel_config(cfg_path);
    std::vector<const PanelWindow*> windows;
    if (!window.empty()) {
        const PanelWindow* w = cfg.find(window);
        if (w == nullptr)
            throw HostError("'" + cfg_path + "' has no panel window '" + window + "'");
        windows.push_back(w);
    } else {
        for (const PanelWindow& w : cfg.windows)
            windows.push_back(&w);
    }
    std::string cfg_name = cfg_path.substr(cfg_path.find_last_of("/\\") + 1);
    for (const PanelWindow* w : windows) {
        PanelHost              host;
        std::vector<Placement> placed;
        o.apply(host);
        for (size_t i = 0; i < w->gauges.size(); ++i) {
            const PanelGauge& pg = w->gauges[i];
            try {
                Module& m = host.load_module(module_location(pg.module, call.module_dir));
                Gauge&  g = host.add_gauge(m, pg.gauge, pg.parameters, w->section + "." + std::to_string(i));
                g.connect();
                int gw = pg.width > 0 ? pg.width : g.width();
                int gh = pg.height > 0 ? pg.height : (g.width() > 0 ? gw * g.height() / g.width() : g.height());
                placed.push_back(Placement{&g, pg.x, pg.y, gw, gh});
            } catch (const HostError& e) {
                throw HostError(cfg_name + ":" + std::to_string(pg.line) + ": " + e.what());
            }
        }
        o.run(host);
        std::string file = out;
        if (window.empty() && windows.size() > 1) {
            auto dot = out.rfind(".png");
            file     = (dot == std::string::npos ? out : out.substr(0, dot)) + "_" + w->section + ".png";
        }
        render_panel_png(placed, w->width, w->height, file, o.scale);
        std::printf("%s \"%s\": %zu gauge(s) -> %s\n", w->section.c_str(), w->title.c_str(), placed.size(),
                    file.c_str());
    }
    return 0;
#else
    (void)call;
    throw HostError("pictures are drawn by the native build only");
#endif
}

}  // namespace gauge_host

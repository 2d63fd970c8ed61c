// gauge-host render and panel: pictures of one gauge, or of a panel window with its gauges.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "commands.h"
#include "check.h"
#include "host/core/limits.h"
#include "host/core/text_tools.h"
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
                const std::string limit = "--frames must lie in 0.." + std::to_string(frame_limit);
                const std::string word  = next();
                double            n     = 0;
                try {
                    n = parse_value(word);
                } catch (const HostError&) {
                    throw UsageError(limit + ", not " + in_quotes(word));
                }
                auto whole = whole_within(n, 0, frame_limit);
                if (!whole || static_cast<double>(*whole) != n)
                    throw UsageError(limit);
                frames = static_cast<int>(*whole);
            } else if (a == "--scale") {
                const std::string limit = "--scale must lie in (0, " + format_number(scale_limit) + "]";
                const std::string word  = next();
                try {
                    scale = parse_value(word);
                } catch (const HostError&) {
                    throw UsageError(limit + ", not " + in_quotes(word));
                }
                if (!(scale > 0 && scale <= scale_limit))
                    throw UsageError(limit);
            }
            else if (a == "--set") {
                const std::string& kv = next();
                auto               eq = kv.find('=');
                if (eq == std::string::npos)
                    throw UsageError("--set expects TOKEN=VALUE, not " + in_quotes(kv));
                uint32_t token = 0;
                double   value = 0;
                try {
                    token = parse_token(kv.substr(0, eq));
                    value = parse_value(kv.substr(eq + 1));
                } catch (const HostError& e) {
                    throw UsageError("--set: " + std::string(e.what()));
                }
                sets.emplace_back(token, value);
            } else if (a.rfind("-", 0) != 0 || a == "-")
                rest.push_back(a);
            else {
                std::vector<std::string> known = {"-o", "--set", "--frames", "--scale"};
                if (takes_param)
                    known.push_back("--param");
                std::string hint = did_you_mean(nearest_names(a, known));
                throw UsageError("unknown option " + in_quotes(a) + (hint.empty() ? "" : "; " + hint));
            }
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

// The largest picture drawn: 16384 px on a side, and as many pixels as a window of the largest
// size has (256 MB of picture).
constexpr int    picture_side_limit   = 2 * panel_size_limit;
constexpr double picture_pixel_limit = double(panel_size_limit) * panel_size_limit;

// The size of a window's picture, or a usage error naming the largest scale that fits.
void check_picture_size(const std::string& section, int width, int height, double scale)
{
    const double w = width * scale, h = height * scale;
    if (w <= picture_side_limit && h <= picture_side_limit && w * h <= picture_pixel_limit)
        return;
    double fits = std::min(picture_side_limit / double(std::max(width, height)),
                           std::sqrt(picture_pixel_limit / (double(width) * height)));
    throw UsageError("[" + section + "] is " + std::to_string(width) + "x" + std::to_string(height) + " px, which at --scale " +
                     format_number(scale) + " makes a picture larger than gauge-host draws (" +
                     std::to_string(picture_side_limit) + " px on a side, " +
                     format_number(std::round(picture_pixel_limit / 1e6)) + " million pixels): use --scale " +
                     format_number(std::floor(fits * 100) / 100) + " or less");
}

// Checks the panel.cfg, then draws one panel window, or every window (FILE_<Window>.png) when none
// is named.
int panel_command(const Invocation& call)
{
#if defined(GAUGE_HOST_RENDER)
    DrawOptions o(call.args, "panel", false);
    if (o.rest.empty() || o.rest.size() > 2)
        throw UsageError("panel takes PANEL.CFG [WINDOW]");
    const std::string cfg_path = o.rest[0];
    const std::string window   = o.rest.size() > 1 ? o.rest[1] : "";
    const std::string& out     = o.out;
    CheckedPanel checked = check_panel_file(cfg_path, call.module_dir);
    const PanelConfig& cfg = checked.config;
    if (!checked.diagnostics.empty() && print_diagnostics(checked, stderr) > 0)
        throw HostError(cfg.name + " has errors (listed above): nothing is drawn until they are fixed");
    std::vector<const PanelWindow*> windows;
    if (!window.empty()) {
        const PanelWindow* w = cfg.find(window);
        if (w == nullptr) {
            std::vector<std::string> names;
            for (const PanelWindow& pw : cfg.windows)
                names.push_back(pw.section + (pw.title != pw.section ? " (\"" + pw.title + "\")" : ""));
            throw HostError(in_quotes(cfg_path) + " has no panel window " + in_quotes(window) +
                            (names.empty() ? "" : "; its windows are " + joined(names)));
        }
        windows.push_back(w);
    } else {
        for (const PanelWindow& w : cfg.windows)
            windows.push_back(&w);
    }
    // Every window's size first, so that a picture too large is refused before any is written.
    struct Planned {
        const PanelWindow* window;
        BitmapFile         background;
        int                width = 0, height = 0;
    };
    std::vector<Planned> plan;
    for (const PanelWindow* w : windows) {
        Planned p{w, {}, 0, 0};
        if (!w->background.empty())
            p.background = read_bitmap_file(cfg.directory, w->background);
        if (w->gauges.empty() && p.background.image.width == 0) {
            std::fprintf(stderr, "gauge-host panel: [%s] has no gauges and no background to draw: no picture\n",
                         w->section.c_str());
            continue;
        }
        GaugeSize size = window_size(*w, cfg);
        p.width        = size.width;
        p.height       = size.height;
        if (p.width <= 0 || p.height <= 0)
            for (const PanelGauge& pg : w->gauges) {
                const KnownModule* m = checked.modules.find(pg.module);
                GaugeSize          g = placed_size(pg, m ? m->find(pg.gauge) : nullptr);
                p.width              = std::max(p.width, pg.x + g.width);
                p.height             = std::max(p.height, pg.y + g.height);
            }
        p.width  = std::clamp(p.width, 1, panel_size_limit);
        p.height = std::clamp(p.height, 1, panel_size_limit);
        check_picture_size(w->section, p.width, p.height, o.scale);
        plan.push_back(std::move(p));
    }
    size_t drawn = 0;
    for (const Planned& p : plan) {
        const PanelWindow*     w = p.window;
        PanelHost              host;
        std::vector<Placement> placed;
        o.apply(host);
        for (const PanelGauge& pg : w->gauges) {
            const KnownModule* known = checked.modules.find(pg.module);
            if (known == nullptr)
                continue;   // a module gauge-host does not know: the check said so
            try {
                Module& m = host.load_module(known->path);
                Gauge&  g = host.add_gauge(m, pg.gauge, pg.parameters, w->section + "." + pg.key);
                g.connect();
                int gw = pg.width > 0 ? pg.width : g.width();
                int gh = pg.height > 0 ? pg.height : (g.width() > 0 ? gw * g.height() / g.width() : g.height());
                placed.push_back(Placement{&g, pg.x, pg.y, gw, gh});
            } catch (const HostError& e) {
                throw HostError(cfg.name + ":" + std::to_string(pg.line) + ": " + e.what());
            }
        }
        o.run(host);
        std::string file = out;
        if (window.empty() && windows.size() > 1) {
            auto dot = out.rfind(".png");
            file     = (dot == std::string::npos ? out : out.substr(0, dot)) + "_" + w->section + ".png";
        }
        const Image* background = p.background.image.width > 0 ? &p.background.image : nullptr;
        render_panel_png(placed, p.width, p.height, file, o.scale, background);
        ++drawn;
        std::printf("%s \"%s\": %zu gauge(s)%s -> %s (%dx%d px)\n", w->section.c_str(), w->title.c_str(), placed.size(),
                    background ? " on its background" : "", file.c_str(), static_cast<int>(p.width * o.scale),
                    static_cast<int>(p.height * o.scale));
    }
    if (drawn == 0)
        throw HostError(cfg.name + ": no window has anything to draw, so no picture was written");
    return 0;
#else
    (void)call;
    throw HostError("pictures are drawn by the native build only");
#endif
}

}  // namespace gauge_host

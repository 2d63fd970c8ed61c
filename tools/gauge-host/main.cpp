// gauge-host: load gauge modules, drive their gauges, click them, and draw them.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#if !defined(_WIN32)
#include <unistd.h>
#endif
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "demo_scenario.h"
#include "host/panel_config.h"
#include "host/panel_host.h"
#include "host/scenario.h"
#if defined(GAUGE_HOST_RENDER)
#include "host/render.h"
#endif
#if defined(GAUGE_HOST_SERVE)
#include "serve.h"
#endif

namespace fs = std::filesystem;
using namespace host;

namespace {


int usage()
{
    std::fputs(
        "usage:\n"
        "  gauge-host list MODULE\n"
        "  gauge-host render MODULE GAUGE [--set TOKEN=VALUE]... [--param TEXT] [--frames N] [--scale S] -o FILE.png\n"
        "  gauge-host panel PANEL.CFG [WINDOW] [--set TOKEN=VALUE]... [--frames N] [--scale S] -o FILE.png\n"
        "  gauge-host catalogue MODULE --out DIR   (a picture of every gauge and an index.md)\n"
        "  gauge-host run SCENARIO [--out DIR]\n"
        "  gauge-host demo [--out DIR]   (the default; pictures go to gauge-host-demo/ unless --out says)\n"
        "  gauge-host serve PANEL.CFG [WINDOW] | MODULE GAUGE...   (the workbench in a browser; serve --help)\n"
        "options:\n"
        "  --modules DIR   where bare module names are looked up (default: the modules folder of this build)\n"
        "MODULE is a path to a module file or a bare module name such as Tolvane.\n",
        stderr);
    return 2;
}

std::string default_module_dir(const char* argv0)
{
    if (const char* env = std::getenv("GAUGE_MODULE_PATH"))
        return env;
    std::error_code ec;
    fs::path exe = fs::canonical("/proc/self/exe", ec);
    if (ec)
        exe = fs::absolute(argv0);
    return (exe.parent_path().parent_path() / "modules").string();
}

std::string module_path(const std::string& arg, const std::string& module_dir)
{
    if (arg.find('/') != std::string::npos || arg.find('\\') != std::string::npos || arg.find('.') != std::string::npos)
        return arg;
    return module_dir + "/" + module_file_name(arg);
}

size_t count_elements(ElementHeader* e)
{
    if (e == nullptr)
        return 0;
    size_t n = 1;
    if (e->next)
        for (ElementHeader** c = e->next; *c; ++c)
            n += count_elements(*c);
    return n;
}

int list(const std::string& path)
{
    auto m = Module::load(path);
    const LinkageView* l = m->linkage();
    std::printf("module %s: id 0x%X, version 0x%X, %zu gauge(s)\n", m->name().c_str(), l->module_id,
                l->module_version, m->gauges().size());
    std::printf("%3s  %-28s %7s %9s %8s %10s\n", "#", "gauge", "header", "size_x_mm", "elements", "rectangles");
    int i = 0;
    for (const GaugeEntry& g : m->gauges()) {
        size_t rects = 0;
        for (const MouseRect* r = g.header->mouse_rects; r && r->type != mouse_rect_end; ++r)
            ++rects;
        std::printf("%3d  %-28s %7u %9u %8zu %10zu\n", ++i, g.name().c_str(), g.version(), g.header->size_x_mm,
                    count_elements(g.header->elements ? g.header->elements[0] : nullptr), rects);
    }
    return 0;
}

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
                    throw HostError("option " + a + " needs a value");
                return args[++i];
            };
            if (a == "-o")
                out = next();
            else if (a == "--param" && takes_param)
                params = next();
            else if (a == "--frames")
                frames = static_cast<int>(parse_value(next()));
            else if (a == "--scale")
                scale = parse_value(next());
            else if (a == "--set") {
                const std::string& kv = next();
                auto               eq = kv.find('=');
                if (eq == std::string::npos)
                    throw HostError("--set expects TOKEN=VALUE, not '" + kv + "'");
                sets.emplace_back(parse_token(kv.substr(0, eq)), parse_value(kv.substr(eq + 1)));
            } else if (a.rfind("-", 0) != 0)
                rest.push_back(a);
            else
                throw HostError("unknown option '" + a + "'");
        }
        if (out.empty())
            throw HostError(std::string(command) + " needs -o FILE.png");
        if (frames < 0 || scale <= 0 || scale > 16)
            throw HostError("--frames must not be negative and --scale must lie in (0, 16]");
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

int render(const std::vector<std::string>& args, const std::string& module_dir)
{
#if defined(GAUGE_HOST_RENDER)
    DrawOptions o(args, "render", true);
    if (o.rest.size() != 2)
        return usage();
    PanelHost host;
    o.apply(host);
    Module&   m = host.load_module(module_path(o.rest[0], module_dir));
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
    (void)args;
    (void)module_dir;
    throw HostError("pictures are drawn by the native build only");
#endif
}

// Draws one panel window, or every window (FILE_<Window>.png) when none is named.
int panel(const std::vector<std::string>& args, const std::string& module_dir)
{
#if defined(GAUGE_HOST_RENDER)
    DrawOptions o(args, "panel", false);
    if (o.rest.empty() || o.rest.size() > 2)
        return usage();
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
                Module& m = host.load_module(module_path(pg.module, module_dir));
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
    (void)args;
    (void)module_dir;
    throw HostError("pictures are drawn by the native build only");
#endif
}

// Draws every gauge of a module as it looks after one frame with no parameter text, and writes an
// index.md that shows them in the module's table order.
int catalogue(const std::string& path, const std::string& out_dir)
{
#if defined(GAUGE_HOST_RENDER)
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
                        "frame with no parameter text and every simulator variable at 0.\n\n"
                        "| # | gauge | size_x_mm | elements | picture |\n|---|---|---|---|---|\n";
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
            row += std::to_string(g.header()->size_x_mm) + " | " + std::to_string(g.elements().size()) + " | ![" +
                   gauges[i] + "](" + file + ") |";
        } catch (const HostError& e) {
            ++failures;
            row += " | | cannot be drawn: " + std::string(e.what()) + " |";
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
    (void)path;
    (void)out_dir;
    throw HostError("pictures are drawn by the native build only");
#endif
}

int run(const Scenario& s, const std::string& module_dir, const std::string& out_dir)
{
    ScenarioOptions o;
    o.module_dir  = module_dir;
    o.picture_dir = out_dir;
    if (!out_dir.empty())
        fs::create_directories(out_dir);
    ScenarioResult r = run_scenario(s, std::cout, o);
    return r.failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string              module_dir = default_module_dir(argv[0]);
    std::string              out_dir;
    for (size_t i = 0; i < args.size();) {
        if ((args[i] == "--modules" || args[i] == "--out") && i + 1 < args.size()) {
            (args[i] == "--modules" ? module_dir : out_dir) = args[i + 1];
            args.erase(args.begin() + i, args.begin() + i + 2);
        } else {
            ++i;
        }
    }
    if (args.empty())
        args.push_back("demo");
    try {
        const std::string cmd = args[0];
        if (cmd == "list" && args.size() == 2)
            return list(module_path(args[1], module_dir));
        if (cmd == "render")
            return render({args.begin() + 1, args.end()}, module_dir);
        if (cmd == "catalogue" && args.size() == 2)
            return catalogue(module_path(args[1], module_dir), out_dir);
        if (cmd == "panel")
            return panel({args.begin() + 1, args.end()}, module_dir);
        if (cmd == "run" && args.size() == 2)
            return run(load_scenario(args[1]), module_dir, out_dir);
#if defined(GAUGE_HOST_SERVE)
        if (cmd == "serve")
            return serve_command({args.begin() + 1, args.end()}, module_dir);
#endif
        if (cmd == "demo" && args.size() == 1)
            return run(parse_scenario(demo_scenario, demo_scenario_name, "."), module_dir,
                       out_dir.empty() ? "gauge-host-demo" : out_dir);
        return usage();
    } catch (const HostError& e) {
        std::fprintf(stderr, "gauge-host: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gauge-host: %s\n", e.what());
        return 1;
    }
}

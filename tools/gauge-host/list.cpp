// gauge-host list: the gauges of a module, with what each reads and sends.
#include <cstdio>

#include "commands.h"
#include "frame/element_tree.h"
#include "host/core/module.h"
#include "host/core/module_files.h"
#include "host/core/mouse.h"
#include "host/core/numbers.h"
#include "reference.h"

namespace gauge_host {

namespace {

const char* rect_type(uint32_t type)
{
    switch (type) {
    case mouse_rect_parent: return "parent";
    case mouse_rect_child: return "child";
    case mouse_rect_end_parent: return "end parent";
    case mouse_rect_tooltip: return "tooltip";
    default: return "?";
    }
}

void print_gauge(const GaugeReference& g)
{
    std::printf("%3d  %-26s %9s %9u %6u %8zu %6zu  %s\n", g.number, g.gauge.c_str(),
                (std::to_string(g.width) + "x" + std::to_string(g.height)).c_str(), g.size_x_mm, g.header_version,
                g.elements, g.rectangles, options_cell(g).c_str());
    if (!g.problem.empty()) {
        std::printf("       cannot be run: %s\n", g.problem.c_str());
        return;
    }
    std::printf("       reads: %s\n       sends: %s\n", reads_cell(g).c_str(), sends_cell(g).c_str());
}

// The records of one gauge: its elements in drawing order and its mouse rectangles.
void print_records(const std::string& path, const std::string& gauge)
{
    auto              m = host::Module::load(path);
    host::GaugeEntry  e = m->gauge(gauge);
    std::printf("\nelements (drawing order):\n");
    int index = 0;
    walk_elements(e.header->elements ? e.header->elements[0] : nullptr, [&](ElementHeader* el, ElementHeader*, int depth) {
        std::printf("  %2d  %*s%-12s bitmap %-6s at %d,%d\n", index++, depth * 2, "", element_kind_name(el->kind),
                    el->bitmap_id == no_bitmap ? "none" : std::to_string(el->bitmap_id).c_str(), el->x, el->y);
    });
    if (e.version() != gauge_header_version_800)
        return;
    std::printf("mouse rectangles (the index a scenario's click takes):\n");
    int i = 0;
    for (const MouseRect* r = e.header->mouse_rects; r && r->type != mouse_rect_end; ++r, ++i) {
        std::printf("  %2d  %-10s box %d,%d %dx%d", i, rect_type(r->type), r->x, r->y, r->width, r->height);
        if (r->type == mouse_rect_child)
            std::printf("  %s%s", (r->mouse_flags & MOUSE_RIGHTSINGLE) ? "left and right clicks" : "left clicks",
                        r->event_id ? (", sends " + event_text(r->event_id)).c_str() : "");
        std::printf("\n");
    }
}

}  // namespace

int list_command(const Invocation& call)
{
    if (call.args.empty() || call.args.size() > 2)
        throw UsageError("list takes MODULE [GAUGE]");
    for (const std::string& a : call.args)
        if (a.size() > 1 && a[0] == '-')
            throw UsageError("unknown option '" + a + "'");
    const std::string path = host::module_location(call.args[0], call.module_dir);
    // A module that cannot be loaded, or a gauge it does not have, is told before anything is printed.
    if (call.args.size() == 2)
        host::Module::load(path)->gauge(call.args[1]);
    else
        host::Module::load(path);
    std::printf("%3s  %-26s %9s %9s %6s %8s %6s  %s\n", "#", "gauge", "size px", "size_x_mm", "header", "elements",
                "rects", "options");
    if (call.args.size() == 2) {
        print_gauge(probe_gauge(path, call.args[1]));
        print_records(path, call.args[1]);
        return 0;
    }
    ModuleReference m = probe_module(path);
    for (const GaugeReference& g : m.gauges)
        print_gauge(g);
    std::printf("module %s: id 0x%X, version 0x%X, %zu gauge(s)\n", m.name.c_str(), m.module_id, m.module_version,
                m.gauges.size());
    return 0;
}

int reference_command(const Invocation& call)
{
    std::string              out, pictures;
    std::vector<std::string> modules;
    for (size_t i = 0; i < call.args.size(); ++i) {
        if (call.args[i] == "-o" || call.args[i] == "--pictures") {
            if (i + 1 >= call.args.size())
                throw UsageError(call.args[i] + " needs a value");
            (call.args[i] == "-o" ? out : pictures) = call.args[i + 1];
            ++i;
        } else if (call.args[i].size() > 1 && call.args[i][0] == '-') {
            throw UsageError("unknown option '" + call.args[i] + "'");
        } else {
            modules.push_back(call.args[i]);
        }
    }
    if (modules.empty())
        for (const std::string& name : host::module_names_in(call.module_dir))
            modules.push_back(name);
    std::vector<ModuleReference> refs;
    for (const std::string& m : modules)
        refs.push_back(probe_module(host::module_location(m, call.module_dir)));
    if (!pictures.empty() && pictures.back() != '/')
        pictures += '/';
    std::string text = parameters_markdown(refs, pictures);
    if (out.empty()) {
        std::fputs(text.c_str(), stdout);
        return 0;
    }
    write_text_file(out, text);
    std::printf("%zu module(s) -> %s\n", refs.size(), out.c_str());
    return 0;
}

}  // namespace gauge_host

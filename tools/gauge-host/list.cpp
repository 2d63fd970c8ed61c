// gauge-host list: the gauges of a module.
#include <cstdio>

#include "commands.h"
#include "frame/element_tree.h"
#include "host/core/module.h"

namespace gauge_host {

int list_command(const Invocation& call)
{
    if (call.args.size() != 1)
        throw UsageError("list takes one MODULE");
    auto               m = host::Module::load(host::module_location(call.args[0], call.module_dir));
    const LinkageView* l = m->linkage();
    std::printf("module %s: id 0x%X, version 0x%X, %zu gauge(s)\n", m->name().c_str(), l->module_id,
                l->module_version, m->gauges().size());
    std::printf("%3s  %-28s %7s %9s %8s %10s\n", "#", "gauge", "header", "size_x_mm", "elements", "rectangles");
    int i = 0;
    for (const host::GaugeEntry& g : m->gauges()) {
        size_t rects = 0;
        for (const MouseRect* r = g.header->mouse_rects; r && r->type != mouse_rect_end; ++r)
            ++rects;
        size_t elements = 0;
        walk_elements(g.header->elements ? g.header->elements[0] : nullptr,
                      [&](ElementHeader*, ElementHeader*, int) { ++elements; });
        std::printf("%3d  %-28s %7u %9u %8zu %10zu\n", ++i, g.name().c_str(), g.version(), g.header->size_x_mm,
                    elements, rects);
    }
    return 0;
}

}  // namespace gauge_host

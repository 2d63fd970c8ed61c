#include "host/core/panel_host.h"

#include <algorithm>

namespace host {

PanelServices make_panel_services();

namespace {
PanelHost*    current_host = nullptr;
PanelServices services_table = make_panel_services();
}  // namespace

PanelHost::PanelHost() : previous_(current_host)
{
    current_host = this;
}

PanelHost::~PanelHost()
{
    for (auto it = gauges_.rbegin(); it != gauges_.rend(); ++it) {
        Gauge& g = **it;
        if (g.connected())
            g.disconnect();
        if (g.installed())
            g.remove();
    }
    gauges_.clear();
    modules_.clear();
    current_host = previous_;
}

PanelHost* PanelHost::current() { return current_host; }

PanelServices* PanelHost::services() { return &services_table; }

Module& PanelHost::load_module(const std::string& path)
{
    if (path.find('\0') != std::string::npos)
        throw HostError("module path holds a NUL byte");
    for (auto& m : modules_)
        if (m->path() == path)
            return *m;
    modules_.push_back(Module::load(path));
    modules_.back()->bind(services());
    return *modules_.back();
}

Gauge& PanelHost::add_gauge(Module& module, const std::string& gauge_name, const std::string& parameters,
                            std::string label)
{
    GaugeEntry entry = module.gauge(gauge_name);
    if (label.empty())
        label = gauge_name;
    if (find_gauge(label) != nullptr)
        throw HostError("a gauge labelled '" + label + "' is already on the panel");
    // The gauge reads its text up to the first NUL: a text holding one would reach it cut short.
    if (parameters.find('\0') != std::string::npos)
        throw HostError("the parameter text of '" + label + "' holds a NUL byte");
    // A module's records serve every appearance of a gauge: a second appearance takes over the
    // first one's parameter text, engine selection and sound slots. Say so rather than hide it.
    // One note per appearance, naming the first.
    for (auto& other : gauges_)
        if (other->header() == entry.header) {
            trace("note: " + gauge_name + " is already on the panel as " + other->label() +
                  "; both appearances share one set of records (parameter text, sound slots)");
            break;
        }
    gauges_.push_back(std::make_unique<Gauge>(*this, module, entry, parameters, label));
    Gauge& g = *gauges_.back();
    try {
        g.install();
    } catch (...) {
        gauges_.pop_back();
        throw;
    }
    return g;
}

Gauge* PanelHost::find_gauge(const std::string& label)
{
    for (auto& g : gauges_)
        if (g->label() == label)
            return g.get();
    return nullptr;
}

void PanelHost::remove_gauge(Gauge& gauge)
{
    if (gauge.connected())
        gauge.disconnect();
    if (gauge.installed())
        gauge.remove();
    std::erase_if(gauges_, [&](const auto& g) { return g.get() == &gauge; });
}

Gauge* PanelHost::gauge_with_root(const ElementHeader* root)
{
    for (auto& g : gauges_)
        if (g->root() == root)
            return g.get();
    return nullptr;
}

void PanelHost::frame(double dt)
{
    sim_.advance(dt);
    for (auto& hook : frame_hooks_)
        hook(*this, dt);
    for (auto& g : gauges_)
        if (g->connected())
            g->update();
}

void PanelHost::defer_error(std::string message)
{
    if (deferred_error_.empty())
        deferred_error_ = std::move(message);
}

void PanelHost::raise_deferred()
{
    if (deferred_error_.empty())
        return;
    std::string message = std::move(deferred_error_);
    deferred_error_.clear();
    throw HostError(message);
}

}  // namespace host

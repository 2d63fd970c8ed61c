// The panel host: binds modules to its services table, keeps the simulator state and drives the
// installed gauges frame by frame.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/gauge.h"
#include "host/module.h"
#include "host/sim.h"

namespace host {

class PanelHost {
public:
    PanelHost();
    ~PanelHost();
    PanelHost(const PanelHost&)            = delete;
    PanelHost& operator=(const PanelHost&) = delete;

    // The host whose services the modules reach. One host is current at a time: the last constructed.
    static PanelHost* current();

    SimState&       sim() { return sim_; }
    PanelServices*  services();

    // Loads (once per path) and binds a module.
    Module& load_module(const std::string& path);
    // Adds and installs a gauge; label names it in traces and scripts (defaults to the gauge name).
    Gauge& add_gauge(Module& module, const std::string& gauge_name, const std::string& parameters = {},
                     std::string label = {});
    Gauge* find_gauge(const std::string& label);
    const std::vector<std::unique_ptr<Gauge>>& gauges() const { return gauges_; }
    void remove_gauge(Gauge& gauge);

    // One frame of every connected gauge; the simulator clock moves on by dt first, then the
    // host's own systems (frame hooks) run, then the gauges.
    void frame(double dt);
    using FrameHook = std::function<void(PanelHost&, double dt)>;
    void add_frame_hook(FrameHook hook) { frame_hooks_.push_back(std::move(hook)); }

    // A line of the host's trace: events, window changes, life-cycle steps.
    using TraceSink = std::function<void(const std::string&)>;
    void set_trace(TraceSink sink) { trace_ = std::move(sink); }
    void trace(const std::string& line) const
    {
        if (trace_)
            trace_(line);
    }

    // The gauge whose code is running now (for naming the source of events).
    Gauge* active_gauge() const { return active_; }
    void   set_active(Gauge* gauge) { active_ = gauge; }
    Gauge* gauge_with_root(const ElementHeader* root);

    // A failure inside a service called from module code is kept here and raised once the module
    // has returned, so that no exception crosses module code.
    void        defer_error(std::string message);
    void        raise_deferred();

    // Observers of what gauge code asks of the host: the tokens it reads and the expression texts
    // it evaluates (a tool lists them). Unset by default; they must not throw.
    struct Watch {
        std::function<void(Token)>              token_read;
        std::function<void(const std::string&)> expression_asked;
    };
    void         set_watch(Watch watch) { watch_ = std::move(watch); }
    const Watch& watch() const { return watch_; }

private:
    SimState                             sim_;
    std::vector<std::unique_ptr<Module>> modules_;
    std::vector<std::unique_ptr<Gauge>>  gauges_;
    TraceSink                            trace_;
    Gauge*                               active_ = nullptr;
    std::string                          deferred_error_;
    PanelHost*                           previous_ = nullptr;
    std::vector<FrameHook>               frame_hooks_;
    Watch                                watch_;
};

// The host's aircraft systems: reactions to key events and per-frame behaviour, installed into
// every new host.
void install_host_systems(PanelHost& host);

// Formats numbers the same way in every build (shortest round-trip form).
std::string format_number(double value);
std::string hex(uint32_t value);

}  // namespace host

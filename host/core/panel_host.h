// The panel host: binds modules to its services table, keeps the simulator state and drives the
// installed gauges frame by frame.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/core/gauge.h"
#include "host/core/module.h"
#include "host/core/numbers.h"
#include "host/core/sim.h"

namespace host {

class PanelHost {
public:
    // What the host owns beside its modules and gauges (the simulated world), released after them.
    struct Attachment {
        virtual ~Attachment() = default;
    };

    PanelHost();
    virtual ~PanelHost();
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
    // Whether anyone reads the trace: lines are only made for a reader.
    bool tracing() const { return static_cast<bool>(trace_); }

    // The gauge whose code is running now (for naming the source of events).
    Gauge* active_gauge() const { return active_; }
    void   set_active(Gauge* gauge) { active_ = gauge; }
    Gauge* gauge_with_root(const ElementHeader* root);

    template <class T>
    T& attach(std::unique_ptr<T> attachment)
    {
        T& held = *attachment;
        attachments_.push_back(std::move(attachment));
        return held;
    }
    template <class T>
    T* find_attachment() const
    {
        for (const auto& a : attachments_)
            if (auto* found = dynamic_cast<T*>(a.get()))
                return found;
        return nullptr;
    }

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
    // First, so that it is released last: the gauges and modules go before the world they ran in.
    std::vector<std::unique_ptr<Attachment>> attachments_;
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

}  // namespace host

// What the fuzz targets share: the modules of this build, kept loaded, and a reader of the input.
#pragma once

#include <windows.h>
#include <standin_control.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>

#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "host/script/scenario.h"

namespace fuzz {

inline std::string module_file(const std::string& name)
{
    return std::string(GAUGE_MODULE_DIR) + "/" + host::module_file_name(name);
}

// libFuzzer cannot follow an instrumented library that is unloaded and loaded again, so each module a
// target uses stays loaded for the whole process: the hosts of the runs only add references to it.
// Module state therefore carries from one input to the next, as it does from one flight to the next.
inline void keep_loaded(const std::string& name)
{
    static auto* kept = new std::map<std::string, HMODULE>;   // never destroyed: held to the end
    if (kept->count(name) == 0)
        (*kept)[name] = LoadLibraryA(module_file(name).c_str());
}

// The stand-in logs every sound call and every sound played. A run clears the log when it ends, so
// that it leaves no more memory behind than it found (libFuzzer looks for leaks where it does not).
// Declared before the run's host, so that it ends after the host has released its sounds.
struct FreshRun {
    FreshRun() { standin::reset_sound(); }
    ~FreshRun() { standin::reset_sound(); }
    FreshRun(const FreshRun&)            = delete;
    FreshRun& operator=(const FreshRun&) = delete;
};

// One panel host for all the runs of a target (making one per run would cost more than the run):
// each run takes its gauges off again before it ends. The simulator's state carries over.
class SharedHost {
public:
    SharedHost() : host_(instance()) {}
    ~SharedHost()
    {
        while (!host_.gauges().empty())
            host_.remove_gauge(*host_.gauges().back());
    }
    SharedHost(const SharedHost&)            = delete;
    SharedHost& operator=(const SharedHost&) = delete;
    host::PanelHost* operator->() const { return &host_; }
    host::PanelHost& operator*() const { return host_; }

private:
    static host::PanelHost& instance()
    {
        static auto* shared = new host::SimulatedPanel;   // never destroyed: its modules stay loaded
        return *shared;
    }
    host::PanelHost& host_;
};

// Takes the input from the front: fixed-size values, then the rest as text.
class Input {
public:
    Input(const uint8_t* data, size_t size) : p_(data), end_(data + size) {}

    template <typename T>
    T take()
    {
        T v{};
        size_t n = std::min(sizeof v, static_cast<size_t>(end_ - p_));
        std::memcpy(&v, p_, n);
        p_ += n;
        return v;
    }
    uint8_t byte() { return take<uint8_t>(); }
    bool    empty() const { return p_ == end_; }
    // The rest, up to its first NUL (a C text as a module sees it).
    std::string text()
    {
        const uint8_t* nul = static_cast<const uint8_t*>(std::memchr(p_, 0, end_ - p_));
        std::string    s(reinterpret_cast<const char*>(p_), (nul ? nul : end_) - p_);
        p_ = end_;
        return s;
    }
    std::string rest()
    {
        std::string s(reinterpret_cast<const char*>(p_), end_ - p_);
        p_ = end_;
        return s;
    }

private:
    const uint8_t* p_;
    const uint8_t* end_;
};

}  // namespace fuzz

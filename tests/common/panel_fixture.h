// A simulated panel for the cases of both builds: the host with its aircraft systems and a module
// loaded, gauges found by label, the key events sent since a mark, and clicks and frames that
// return the events they sent.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "frame/sim_ids.h"
#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "tests/common/suite_hooks.h"

namespace panel_fixture {

// Key events as (id, value), in the order they were sent.
using Events = std::vector<std::pair<uint32_t, uint32_t>>;

// An event sent once, with 0 unless a value is given.
inline Events one(uint32_t event, uint32_t value = 0) { return {{event, value}}; }

constexpr uint32_t left = MOUSE_LEFTSINGLE, right = MOUSE_RIGHTSINGLE, both_buttons = left | right;

class Panel {
public:
    explicit Panel(const std::string& module_name) : module(load_first(module_name)) {}

    host::SimulatedPanel host;
    host::Module&        module;   // the module the panel was made with

    host::Module& load(const std::string& module_name) { return host.load_module(module_path(module_name)); }

    // The gauge with this label; the first time, the module's gauge of that name, added and connected.
    host::Gauge& gauge(const std::string& label)
    {
        host::Gauge* g = host.find_gauge(label);
        return g ? *g : add(label);
    }
    // Adds and connects a gauge (of the panel's module unless another is given).
    host::Gauge& add(const std::string& name, const std::string& params = {}, const std::string& label = {},
                     host::Module* from = nullptr)
    {
        host::Gauge& g = host.add_gauge(from ? *from : module, name, params, label);
        g.connect();
        return g;
    }

    // Marks the events sent so far.
    size_t mark() { return host_events().size(); }
    Events events_since(size_t mark)
    {
        Events out;
        for (size_t i = mark; i < host_events().size(); ++i)
            out.emplace_back(host_events()[i].id, host_events()[i].value);
        return out;
    }
    std::vector<uint32_t> event_ids_since(size_t mark)
    {
        std::vector<uint32_t> ids;
        for (size_t i = mark; i < host_events().size(); ++i)
            ids.push_back(host_events()[i].id);
        return ids;
    }

    // Clicks a rectangle, which must take the button; returns the events the click sent.
    Events click(host::Gauge& g, int rect, uint32_t button = left)
    {
        return clicked(g, [&] { return g.click_rect(rect, button); }, "rect " + std::to_string(rect));
    }
    Events click_at(host::Gauge& g, int x, int y, uint32_t button = left)
    {
        return clicked(g, [&] { return g.click_at(x, y, button); },
                       "point " + std::to_string(x) + "," + std::to_string(y));
    }
    // Whether the last click played n sounds. Where the build cannot count sounds, this holds
    // whatever n is: the native suite checks the sounds, both suites check the rest.
    ::testing::AssertionResult played(size_t n) const
    {
        if (!last_click_sounds_ || *last_click_sounds_ == n)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the last click played " << *last_click_sounds_ << " sounds, not " << n;
    }

    // Runs one frame; returns the events it sent.
    Events frame(double dt = 0.05)
    {
        size_t before = mark();
        host.frame(dt);
        return events_since(before);
    }

private:
    const std::vector<host::KeyEvent>& host_events() { return host.sim().events(); }

    host::Module& load_first(const std::string& module_name)
    {
        reset_sound_platform();
        return load(module_name);
    }
    template <class Click>
    Events clicked(host::Gauge& g, Click click_it, const std::string& where)
    {
        const size_t                     before = mark();
        const std::optional<std::size_t> sounds = sounds_played();
        host::ClickResult                r      = click_it();
        EXPECT_TRUE(r.accepted) << g.label() << " " << where << ": " << r.action;
        const std::optional<std::size_t> after = sounds_played();
        last_click_sounds_ = sounds && after ? std::optional<std::size_t>(*after - *sounds) : std::nullopt;
        return events_since(before);
    }

    std::optional<std::size_t> last_click_sounds_;
};

// The message of the host error that f raises, or "" when it raises none.
template <class F>
std::string host_error_of(F f)
{
    try {
        f();
    } catch (const host::HostError& e) {
        return e.what();
    }
    return "";
}

// The fixture of the cases on one module's panel.
template <const char* ModuleName>
struct OnPanel : ::testing::Test, Panel {
    OnPanel() : Panel(ModuleName) {}
};
inline constexpr char norvak_module[]  = "Norvak_Instr";
inline constexpr char stelvar_module[] = "Stelvar_Instr";
inline constexpr char tolvane_module[] = "Tolvane";
using NorvakPanel  = OnPanel<norvak_module>;
using StelvarPanel = OnPanel<stelvar_module>;
using TolvanePanel = OnPanel<tolvane_module>;

}  // namespace panel_fixture

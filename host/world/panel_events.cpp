// Panel windows and views as the panel buttons change them. The main panel is open when the panel
// comes up; every other window starts closed. Each change is written to the trace.
#include "host/world/panel_events.h"

#include <memory>

namespace host {
namespace {

struct PanelView {
    int  view = 0;   // 0 is the home view
    bool kneeboard = false, atc = false, map = false;
};

void window_event(PanelHost& host, const KeyEvent& e)
{
    SimState&   sim = host.sim();
    bool        was = sim.window_open(e.value);
    std::string w   = "window " + id_text(IdKind::panel_window, e.value);
    if (e.id == event::window_toggle)
        sim.toggle_window(e.value);
    else
        sim.set_window(e.value, e.id == event::window_open);
    bool now = sim.window_open(e.value);
    host.trace(now == was ? w + " stays " + (now ? "open" : "closed") : w + (now ? " opened" : " closed"));
}

void step_view(PanelHost& host, PanelView& v, int step)
{
    v.view = step == 0 ? 0 : ((v.view + step) % view_count + view_count) % view_count;
    host.trace("view " + std::to_string(v.view));
}

void toggle_host_window(PanelHost& host, bool& shown, const char* what)
{
    shown = !shown;
    host.trace(std::string(what) + (shown ? " shown" : " hidden"));
}

}  // namespace

void install_panel_events(PanelHost& host)
{
    SimState& sim = host.sim();
    sim.set_window(0, true);
    auto view = std::make_shared<PanelView>();
    for (uint32_t id : {event::window_toggle, event::window_open, event::window_close})
        sim.on_event(id, [&host](SimState&, const KeyEvent& e) { window_event(host, e); });
    sim.on_event(event::view_forward, [&host, view](SimState&, const KeyEvent&) { step_view(host, *view, 1); });
    sim.on_event(event::view_back, [&host, view](SimState&, const KeyEvent&) { step_view(host, *view, -1); });
    sim.on_event(event::view_home, [&host, view](SimState&, const KeyEvent&) { step_view(host, *view, 0); });
    sim.on_event(event::kneeboard,
                 [&host, view](SimState&, const KeyEvent&) { toggle_host_window(host, view->kneeboard, "kneeboard"); });
    sim.on_event(event::atc_window,
                 [&host, view](SimState&, const KeyEvent&) { toggle_host_window(host, view->atc, "ATC window"); });
    sim.on_event(event::map_window,
                 [&host, view](SimState&, const KeyEvent&) { toggle_host_window(host, view->map, "map"); });
}

}  // namespace host

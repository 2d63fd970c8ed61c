// The services table that modules call into, dispatching to the current panel host.
#include <cstring>

#include "host/core/limits.h"
#include "host/core/panel_host.h"

namespace host {
namespace {

Gauge* gauge_of(ElementHeader* first)
{
    PanelHost* h = PanelHost::current();
    Gauge*     g = h ? h->gauge_with_root(first) : nullptr;
    if (g == nullptr && h != nullptr)
        h->defer_error("element-list service called with an element that is no installed gauge's first element");
    return g;
}

std::string source_name()
{
    Gauge* g = PanelHost::current()->active_gauge();
    return g ? g->label() : "host";
}

uint32_t GAUGE_CALL svc_query(ElementHeader* first) { return gauge_of(first) ? 1 : 0; }

uint32_t GAUGE_CALL svc_install(ElementHeader* first, HostWord)
{
    Gauge* g = gauge_of(first);
    if (g == nullptr)
        return 0;
    try {
        g->install_elements();
        return 1;
    } catch (const std::exception& e) {
        PanelHost::current()->defer_error(e.what());
        return 0;
    }
}

uint32_t GAUGE_CALL svc_initialize(ElementHeader* first) { return gauge_of(first) ? 1 : 0; }

// Brings the elements of the gauge whose list starts at `first` up to date; the update service reads
// their sources afresh, plotting does not.
uint32_t refresh_elements(ElementHeader* first, bool refresh_sources)
{
    Gauge* g = gauge_of(first);
    if (g == nullptr)
        return 0;
    g->update_elements(refresh_sources);
    return 1;
}

uint32_t GAUGE_CALL svc_update(ElementHeader* first) { return refresh_elements(first, true); }

uint32_t GAUGE_CALL svc_generate(ElementHeader* first, HostWord) { return gauge_of(first) ? 1 : 0; }

uint32_t GAUGE_CALL svc_plot(ElementHeader* first) { return refresh_elements(first, false); }

uint32_t GAUGE_CALL svc_erase(ElementHeader* first) { return gauge_of(first) ? 1 : 0; }
uint32_t GAUGE_CALL svc_kill(ElementHeader* first) { return gauge_of(first) ? 1 : 0; }

uint32_t GAUGE_CALL svc_panel_window_toggle(uint32_t window_id)
{
    PanelHost* h = PanelHost::current();
    h->sim().toggle_window(window_id);
    if (h->tracing())
        h->trace("window " + id_text(IdKind::panel_window, window_id) + (h->sim().window_open(window_id) ? " opened" : " closed") +
             " by " + source_name());
    return 1;
}

uint32_t GAUGE_CALL svc_trigger_key_event(uint32_t event_id, uint32_t value)
{
    PanelHost* h = PanelHost::current();
    if (h->tracing()) {
        // Gauges send events at every frame: the line is made in one buffer kept for the next.
        static thread_local std::string line;
        line.assign("event ").append(id_text(IdKind::event, event_id)).append(" value ").append(std::to_string(value));
        line.append(" from ").append(source_name());
        h->trace(line);
    }
    h->sim().record_event(event_id, value, source_name());
    return 1;
}

void GAUGE_CALL svc_lookup_var(ModuleVar* var)
{
    if (var == nullptr)
        return;
    PanelHost* h = PanelHost::current();
    if (h->watch().token_read)
        h->watch().token_read(var->token);
    TokenValue v = h->sim().get(var->token);
    var->previous = var->value;
    std::memset(&var->value, 0, sizeof var->value);
    if (v.integer)
        var->value.i32 = v.whole;
    else
        var->value.f64 = v.number;
}

uint32_t GAUGE_CALL svc_execute_calculator_code(const char* code, double* number, int32_t* integer,
                                                const char** text)
{
    if (code == nullptr)
        return 0;
    SimState&              sim = PanelHost::current()->sim();
    const std::string_view expr(code);
    if (PanelHost::current()->watch().expression_asked)
        PanelHost::current()->watch().expression_asked(std::string(expr));
    double                 n = sim.expression_number(expr).value_or(0.0);
    if (number)
        *number = n;
    if (integer)
        *integer = saturate_int32(n);
    if (text) {
        // The text stays owned by the host until the next call.
        static thread_local std::string last_text;
        const std::string*              found = sim.find_expression_text(expr);
        last_text.assign(found ? *found : std::string_view());
        *text     = last_text.c_str();
    }
    return 1;
}

}  // namespace

PanelServices make_panel_services()
{
    PanelServices s{};
    s.element_list_query      = svc_query;
    s.element_list_install    = svc_install;
    s.element_list_initialize = svc_initialize;
    s.element_list_update     = svc_update;
    s.element_list_generate   = svc_generate;
    s.element_list_plot       = svc_plot;
    s.element_list_erase      = svc_erase;
    s.element_list_kill       = svc_kill;
    s.panel_window_toggle     = svc_panel_window_toggle;
    s.trigger_key_event       = svc_trigger_key_event;
    s.lookup_var              = svc_lookup_var;
    s.execute_calculator_code = svc_execute_calculator_code;
    return s;
}

}  // namespace host

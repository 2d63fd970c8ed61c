// The gauge reference, found by running each gauge's own code.
#include "reference.h"

#include <algorithm>
#include <map>
#include <set>

#include "frame/element_tree.h"
#include "frame/sim_ids.h"
#include "host/core/bitmap.h"
#include "host/core/mouse.h"
#include "host/core/numbers.h"
#include "host/core/text_tools.h"
#include "host/world/world.h"

namespace gauge_host {

using namespace host;

namespace {

// What the gauge asks the host for, caught between the module and the host's services table.
struct Recording {
    PanelServices            original{};
    PanelServices            table{};
    std::set<uint32_t>       tokens;
    std::vector<std::string> expressions;
    std::vector<uint32_t>    windows;
};
Recording* recording = nullptr;

void GAUGE_CALL recorded_lookup_var(ModuleVar* var)
{
    if (var != nullptr)
        recording->tokens.insert(var->token);
    recording->original.lookup_var(var);
}

uint32_t GAUGE_CALL recorded_calculator_code(const char* code, double* number, int32_t* integer, const char** text)
{
    if (code != nullptr && std::find(recording->expressions.begin(), recording->expressions.end(), code) ==
                               recording->expressions.end())
        recording->expressions.push_back(code);
    return recording->original.execute_calculator_code(code, number, integer, text);
}

uint32_t GAUGE_CALL recorded_window_toggle(uint32_t window)
{
    if (std::find(recording->windows.begin(), recording->windows.end(), window) == recording->windows.end())
        recording->windows.push_back(window);
    return recording->original.panel_window_toggle(window);
}

// The tokens that the host refreshes for the gauge's elements.
void element_sources(const Gauge& g, std::set<uint32_t>& tokens)
{
    for (const ElementState& s : g.elements()) {
        auto add = [&](const ModuleVar& v) {
            if (v.token != 0)
                tokens.insert(v.token);
        };
        ElementHeader* e = s.element;
        switch (e->kind) {
        case ElementKind::needle: add(reinterpret_cast<Needle*>(e)->source); break;
        case ElementKind::icon: add(reinterpret_cast<Icon*>(e)->source); break;
        case ElementKind::string:
            for (const ModuleVar& v : reinterpret_cast<String*>(e)->sources)
                add(v);
            break;
        case ElementKind::slider:
            add(reinterpret_cast<Slider*>(e)->x_source);
            add(reinterpret_cast<Slider*>(e)->y_source);
            break;
        case ElementKind::moving_image:
            add(reinterpret_cast<MovingImage*>(e)->x_source);
            add(reinterpret_cast<MovingImage*>(e)->y_source);
            break;
        case ElementKind::sprite:
            add(reinterpret_cast<Sprite*>(e)->x_source);
            add(reinterpret_cast<Sprite*>(e)->y_source);
            add(reinterpret_cast<Sprite*>(e)->angle_source);
            break;
        default: break;
        }
    }
}

// One run of the gauge with the given variables set; what it read and sent is added to r.
void run_once(const std::string& path, GaugeReference& r, const std::set<uint32_t>& set_tokens, double value,
              std::set<uint32_t>& tokens, std::set<std::pair<uint32_t, std::string>>& events, const std::string& text = {})
{
    // The recording outlives the host: gauges still call in while the host removes them.
    Recording rec;
    struct Restore {
        ~Restore() { recording = nullptr; }
    } restore;
    SimulatedPanel host;
    for (uint32_t t : set_tokens)
        host.sim().set(t, value);
    // Expressions answer 2, the value the gauges look for (water under the aircraft); the world
    // answers the surface type from its token each frame.
    if (value != 0 && !r.expressions.empty()) {
        for (const std::string& e : r.expressions)
            host.sim().set_expression(e, 2.0);
        host.sim().set(token::surface_type, 2.0);
    }
    Module& m    = host.load_module(path);
    rec.original = *host.services();
    rec.table    = rec.original;
    rec.table.lookup_var              = recorded_lookup_var;
    rec.table.execute_calculator_code = recorded_calculator_code;
    rec.table.panel_window_toggle     = recorded_window_toggle;
    recording = &rec;
    m.bind(&rec.table);

    size_t seen  = 0;
    auto   phase = [&](const std::string& when) {
        const auto& sent = host.sim().events();
        for (; seen < sent.size(); ++seen)
            events.emplace(sent[seen].id, when);
    };
    Gauge& g = host.add_gauge(m, r.gauge, text);
    phase("installed");
    g.connect();
    phase("connected");
    for (int i = 0; i < 3; ++i)
        host.frame(1.0 / 18);
    phase("each frame");
    for (const MouseArea& a : g.mouse().areas()) {
        if (!acts_on_click(*a.rect))
            continue;
        for (uint32_t button : {MOUSE_LEFTSINGLE, MOUSE_RIGHTSINGLE}) {
            if ((a.rect->mouse_flags & button) == 0)
                continue;
            g.click_rect(a.index, button);
            phase(button == MOUSE_LEFTSINGLE ? "click" : "right click");
            host.frame(1.0 / 18);
            phase("each frame");
        }
    }
    element_sources(g, tokens);
    tokens.insert(rec.tokens.begin(), rec.tokens.end());
    for (const std::string& e : rec.expressions)
        if (std::find(r.expressions.begin(), r.expressions.end(), e) == r.expressions.end())
            r.expressions.push_back(e);
    for (uint32_t w : rec.windows)
        if (std::find(r.windows_toggled.begin(), r.windows_toggled.end(), w) == r.windows_toggled.end())
            r.windows_toggled.push_back(w);
    g.disconnect();
    phase("disconnected");
}

std::string named(IdKind kind, uint32_t value)
{
    const NamedId* id = find_named_id(kind, value);
    return id ? std::string(id->name) + " (" + hex(value) + ")" : hex(value);
}

std::string cell(std::string text)
{
    // A table cell keeps its pipes as text.
    for (size_t at = text.find('|'); at != std::string::npos; at = text.find('|', at + 2))
        text.replace(at, 1, "\\|");
    return text;
}

}  // namespace

std::string token_text(uint32_t token) { return named(IdKind::token, token); }
std::string event_text(uint32_t event) { return named(IdKind::event, event); }

GaugeReference probe_gauge(const std::string& module_path, const std::string& gauge)
{
    GaugeReference r;
    r.gauge = gauge;
    try {
        auto module = Module::load(module_path);
        r.module    = module->name();
        int number  = 0;
        for (const GaugeEntry& e : module->gauges()) {
            ++number;
            if (e.name() != gauge)
                continue;
            r.number         = number;
            r.header_version = e.version();
            r.size_x_mm      = e.header->size_x_mm;
            if (e.version() == gauge_header_version_800)
                for (const MouseRect* m = e.header->mouse_rects; m && m->type != mouse_rect_end; ++m)
                    ++r.rectangles;
            ElementHeader* root = e.header->elements ? e.header->elements[0] : nullptr;
            walk_elements(root, [&](ElementHeader*, ElementHeader*, int) { ++r.elements; });
            if (root != nullptr) {
                r.background_bitmap = root->bitmap_id;
                if (auto size = bitmap_size(module->resource(root->bitmap_id, RT_BITMAP))) {
                    r.width  = size->first;
                    r.height = size->second;
                }
            }
            break;
        }
        if (r.number == 0)
            throw HostError("module '" + r.module + "' has no gauge '" + gauge + "'");
        r.parameters = parameter_gauge(r.module, gauge);
        module.reset();

        std::set<uint32_t>              tokens;
        std::set<std::pair<uint32_t, std::string>> when;
        std::vector<uint32_t>           order;
        run_once(module_path, r, {}, 0.0, tokens, when);
        // Again with every variable read so far at 100, 1 and 2 (the values the gauges compare with),
        // until no new variable is read.
        for (int round = 0; round < 3; ++round) {
            size_t before = tokens.size() + r.expressions.size();
            for (double value : {100.0, 1.0, 2.0})
                run_once(module_path, r, tokens, value, tokens, when);
            if (tokens.size() + r.expressions.size() == before)
                break;
        }
        tokens.erase(0);
        r.tokens.assign(tokens.begin(), tokens.end());
        for (const auto& [id, phase] : when)
            r.events.push_back({id, phase});
        // The same with each sample parameter text of the gauge's options.
        if (r.parameters != nullptr) {
            std::set<uint32_t>              more = tokens;
            std::set<std::pair<uint32_t, std::string>> more_when;
            for (const char* sample : r.parameters->family->samples)
                run_once(module_path, r, {}, 0.0, more, more_when, sample);
            more.erase(0);
            for (uint32_t t : more)
                if (!tokens.count(t))
                    r.tokens_with_text.push_back(t);
            for (const auto& [id, phase] : more_when)
                if (!when.count({id, phase}))
                    r.events_with_text.push_back({id, phase});
        }
    } catch (const std::exception& e) {
        r.problem = e.what();
    }
    return r;
}

ModuleReference probe_module(const std::string& module_path)
{
    ModuleReference m;
    m.path = module_path;
    std::vector<std::string> names;
    {
        auto module      = Module::load(module_path);
        m.name           = module->name();
        m.module_id      = module->linkage()->module_id;
        m.module_version = module->linkage()->module_version;
        for (const GaugeEntry& g : module->gauges())
            names.push_back(g.name());
    }
    for (const std::string& n : names)
        m.gauges.push_back(probe_gauge(module_path, n));
    return m;
}

std::string options_cell(const GaugeReference& g)
{
    std::string keys = option_keys(g.parameters);
    return keys.empty() ? "none" : keys;
}

std::string reads_cell(const GaugeReference& g)
{
    std::vector<std::string> items, with_text;
    for (uint32_t t : g.tokens)
        items.push_back(token_text(t));
    for (const std::string& e : g.expressions)
        items.push_back("\"" + e + "\"");
    for (uint32_t t : g.tokens_with_text)
        with_text.push_back(token_text(t));
    std::string text = items.empty() ? "nothing" : joined(items, ", ");
    if (!with_text.empty())
        text += "; by its parameter text also " + joined(with_text, ", ");
    return text;
}

namespace {

// Events grouped by when they are sent, in the order of a gauge's life.
std::string grouped_events(const std::vector<EventUse>& events, const std::vector<uint32_t>& windows)
{
    const char* phases[] = {"installed", "connected", "each frame", "click", "right click", "disconnected"};
    const char* words[]  = {"when installed", "when connected", "while running", "on a click", "on a right click",
                            "when disconnected"};
    std::vector<std::string> groups;
    for (size_t p = 0; p < std::size(phases); ++p) {
        std::vector<std::string> ids;
        for (const EventUse& e : events)
            if (e.when == phases[p])
                ids.push_back(event_text(e.id));
        if (p == 3)
            for (uint32_t w : windows)
                ids.push_back("toggles " + describe_window(static_cast<int>(w)) + " through the host");
        if (!ids.empty())
            groups.push_back(std::string(words[p]) + ": " + joined(ids, ", "));
    }
    std::string text;
    for (const std::string& g : groups)
        text += (text.empty() ? "" : "; ") + g;
    return text;
}

}  // namespace

std::string sends_cell(const GaugeReference& g)
{
    std::string text = grouped_events(g.events, g.windows_toggled);
    std::string more = grouped_events(g.events_with_text, {});
    if (text.empty())
        text = "nothing";
    if (!more.empty())
        text += "; by its parameter text also " + more;
    return text;
}

std::string module_reference_markdown(const ModuleReference& m, const std::string& picture_folder)
{
    std::string text = "| # | gauge | size (px) | size_x_mm | options | reads | sends |" +
                       std::string(picture_folder.empty() ? "" : " picture |") + "\n|---|---|---|---|---|---|---|" +
                       (picture_folder.empty() ? "" : "---|") + "\n";
    for (const GaugeReference& g : m.gauges) {
        text += "| " + std::to_string(g.number) + " | `" + g.gauge + "` | ";
        if (!g.problem.empty()) {
            text += "| | | cannot be run: " + cell(g.problem) + " | |" + (picture_folder.empty() ? "" : " |") + "\n";
            continue;
        }
        text += std::to_string(g.width) + "x" + std::to_string(g.height) + " | " + std::to_string(g.size_x_mm) + " | " +
                cell(options_cell(g)) + " | " + cell(reads_cell(g)) + " | " + cell(sends_cell(g)) + " |";
        if (!picture_folder.empty())
            text += " ![" + g.gauge + "](" + picture_folder + g.gauge + ".png) |";
        text += "\n";
    }
    return text;
}

}  // namespace gauge_host

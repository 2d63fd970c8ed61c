#include "serve_session.h"

#include <standin_control.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "host/world/world.h"
#include "host/formats/panel_config.h"
#include "host/script/scenario.h"
#include "serve_ids.h"

namespace fs = std::filesystem;
using namespace host;

namespace serve {
namespace {

constexpr size_t log_limit   = 4000;
constexpr size_t sound_limit = 64;
constexpr int    margin      = 10;     // around gauges laid out in rows, in their own pixels
constexpr int    row_width   = 1024;   // where such a row wraps

std::string fixed3(double v)
{
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3);
    return ec == std::errc() ? std::string(buf, end) : "?";
}

bool starts_with(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// The log's kind of a trace line, and its text with the names of the ids it carries.
std::pair<std::string, std::string> classify(const std::string& line)
{
    if (starts_with(line, "event "))
        return {"event", line};   // the trace names the event beside its number
    if (starts_with(line, "window ") || starts_with(line, "view ") || starts_with(line, "kneeboard") ||
        starts_with(line, "map ") || starts_with(line, "ATC window"))
        return {"window", line};
    if (starts_with(line, "water left"))
        return {"tanks", line};
    if (starts_with(line, "click "))
        return {"click", line};
    if (starts_with(line, "set ") || starts_with(line, "expression "))
        return {"set", line};
    if (starts_with(line, "module ") || starts_with(line, "gauge ") || starts_with(line, "note:"))
        return {"note", line};
    return {"trace", line};
}

std::vector<std::string> split_line(const std::string& line)
{
    Scenario s = parse_scenario(line, "session");
    if (s.commands.size() != 1)
        throw HostError("not one command: '" + line + "'");
    return s.commands[0].words;
}

void put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

std::string bytes_text(std::span<const uint8_t> bytes)
{
    if (bytes.size() == 4) {
        uint32_t v = 0;
        std::memcpy(&v, bytes.data(), 4);
        return std::to_string(v) + " (" + hex(v) + ")";
    }
    if (bytes.size() == 2)
        return std::to_string(bytes[0] | bytes[1] << 8);
    std::string s;
    char        b[4];
    for (size_t i = 0; i < bytes.size() && i < 16; ++i) {
        std::snprintf(b, sizeof b, "%02X", bytes[i]);
        s += (i ? " " : "") + std::string(b);
    }
    return s + (bytes.size() > 16 ? " ..." : "");
}

}  // namespace

std::string time_prefix(double time) { return "t=" + fixed3(time) + " "; }

std::string scenario_word(const std::string& word)
{
    if (word.find_first_of("\"\n\r") != std::string::npos)
        throw HostError("'" + word + "' cannot be written in a scenario (quotes and line breaks cannot be)");
    if (word.empty() || word.find_first_of(" \t#") != std::string::npos)
        return "\"" + word + "\"";
    return word;
}

std::vector<uint8_t> wave_file(uint16_t channels, uint32_t rate, uint16_t bits, const std::vector<uint8_t>& samples)
{
    std::vector<uint8_t> out;
    const auto           data = static_cast<uint32_t>(samples.size());
    const auto           block = static_cast<uint16_t>(channels * bits / 8);
    out.reserve(44 + samples.size());
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    put32(out, 36 + data);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(out, 16);
    put16(out, 1);
    put16(out, channels);
    put32(out, rate);
    put32(out, rate * block);
    put16(out, block);
    put16(out, bits);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put32(out, data);
    out.insert(out.end(), samples.begin(), samples.end());
    return out;
}

// ---------------------------------------------------------------------------------------------
// Layouts

Layout panel_layout(const std::string& cfg_path, const std::string& window)
{
    PanelConfig cfg = load_panel_config(cfg_path);
    Layout      layout;
    layout.source = cfg_path;
    for (const PanelWindow& w : cfg.windows) {
        if (!window.empty() && cfg.find(window) != &w)
            continue;
        PanelLayout pl{w.section, w.title.empty() ? w.section : w.title, w.width, w.height, {}, false};
        for (size_t i = 0; i < w.gauges.size(); ++i) {
            const PanelGauge& g = w.gauges[i];
            pl.gauges.push_back(PlacedGauge{g.module, g.gauge, g.parameters, w.section + "." + std::to_string(i), g.x,
                                            g.y, g.width, g.height, nullptr});
        }
        layout.windows.push_back(std::move(pl));
    }
    if (layout.windows.empty())
        throw HostError(window.empty() ? "'" + cfg_path + "' has no panel window"
                                       : "'" + cfg_path + "' has no panel window '" + window + "'");
    return layout;
}

Layout gauges_layout(const std::string& module, const std::vector<std::string>& gauges)
{
    if (gauges.empty())
        throw HostError("no gauge named");
    Layout      layout;
    PanelLayout w{"Gauges", module, 0, 0, {}, true};
    std::map<std::string, int> seen;
    for (const std::string& g : gauges) {
        int         n     = ++seen[g];
        std::string label = n == 1 ? g : g + "." + std::to_string(n);
        w.gauges.push_back(PlacedGauge{module, g, "", label, 0, 0, 0, 0, nullptr});
    }
    layout.source = module;
    layout.windows.push_back(std::move(w));
    return layout;
}

const std::vector<Preset>& flight_presets()
{
    // Heights are radio heights in metres, speeds in knots (airspeed) and feet per second (ground
    // velocity); the water system scoops between 0 and 5 feet and 60 and 90 knots by default.
    static const std::vector<Preset> presets = {
        {"lake", "On the lake, scooping: water below, one metre up, 70 knots",
         {{0x10000, 2}, {0x2F1, 100}, {0x266, 1}, {0x4A, 3}, {0x22A, 118.14}, {0x22B, 0}, {0x3D, 70}, {0x41, 0}, {0x0F, 0}}},
        {"climb", "Climbing out: 150 m up, 130 knots, 1000 ft/min",
         {{0x266, 150}, {0x4A, 500}, {0x22A, 219.4}, {0x22B, 0}, {0x3D, 130}, {0x41, 1300.48}, {0x0F, 0}}},
        {"drop", "Dropping over the fire: 150 m up, level at 110 knots, drop command on",
         {{0x266, 150}, {0x4A, 500}, {0x22A, 185.66}, {0x22B, 0}, {0x3D, 110}, {0x41, 0}, {0x0F, 1}}},
    };
    return presets;
}

// ---------------------------------------------------------------------------------------------
// Session

Session::Session(Layout layout, Options options) : layout_(std::move(layout)), options_(std::move(options))
{
    if (!(options_.rate > 0 && options_.rate <= 1000))
        throw HostError("the frame rate must lie in (0, 1000] Hz");
    host_ = std::make_unique<SimulatedPanel>();
    install_observers();
}

Session::~Session() { drop_host(); }

// Takes the gauges off with the observers detached first: what the gauges do on their way off
// belongs to no session any more.
void Session::drop_host()
{
    if (!host_)
        return;
    host_->set_trace({});
    host_->set_watch({});
    environment_of(*host_).set_request_observer({});
    host_.reset();
}

void Session::install_observers()
{
    host_->set_trace([this](const std::string& line) { emit(line); });
    PanelHost::Watch watch;
    watch.token_read       = [this](Token t) { tokens_read_.insert(t); };
    watch.expression_asked = [this](const std::string& code) {
        if (expressions_asked_.size() < 256)
            expressions_asked_.insert(code);
    };
    host_->set_watch(std::move(watch));
    environment_of(*host_).set_request_observer(
        [this, batch = -1, at = size_t(0)](int n, bool write, uint32_t offset, std::span<const uint8_t> bytes) mutable {
            std::string request = std::string(write ? "write " : "read ") + hex(offset) + " [" +
                                  std::to_string(bytes.size()) + "] " + (write ? "= " : "-> ") + bytes_text(bytes);
            // Requests of one batch make one line.
            if (n == batch && !log_.empty() && log_.back().kind == "ext" && at == log_seq_) {
                log_.back().text += "; " + request;
                return;
            }
            batch = n;
            log("ext", "message 0x482 batch " + std::to_string(n) + ": " + request);
            at = log_seq_;
        });
}

void Session::start()
{
    std::string last_module;
    activity_ = "installation";
    for (PanelLayout& w : layout_.windows) {
        for (PlacedGauge& g : w.gauges) {
            std::string module = g.module;
            if (module.find('/') != std::string::npos || module.find('.') != std::string::npos)
                module = fs::absolute(module).lexically_normal().string();
            if (module != last_module) {
                execute_line("module " + scenario_word(module));
                last_module = module;
            }
            std::string line = "gauge " + scenario_word(g.gauge) + " as " + scenario_word(g.label);
            if (!g.parameters.empty())
                line += " params " + scenario_word(g.parameters);
            execute_line(line);
        }
    }
    activity_.clear();
    place_installed();
}

void Session::place_installed()
{
    for (PanelLayout& w : layout_.windows) {
        const bool row_layout = w.rows;
        int        cx = margin, cy = margin, row_height = 0;
        int        right = 0, bottom = 0;
        for (PlacedGauge& g : w.gauges) {
            g.installed = host_->find_gauge(g.label);
            if (g.installed == nullptr)
                continue;
            Gauge& gauge = *g.installed;
            if (row_layout) {
                g.width  = gauge.width();
                g.height = gauge.height();
                if (cx > margin && cx + g.width > row_width) {
                    cx = margin;
                    cy += row_height + margin;
                    row_height = 0;
                }
                g.x = cx;
                g.y = cy;
                cx += g.width + margin;
                row_height = std::max(row_height, g.height);
            } else {
                if (g.width <= 0)
                    g.width = gauge.width();
                if (g.height <= 0)
                    g.height = gauge.width() > 0 ? g.width * gauge.height() / gauge.width() : gauge.height();
            }
            right  = std::max(right, g.x + g.width);
            bottom = std::max(bottom, g.y + g.height);
        }
        if (row_layout) {
            right += margin;
            bottom += margin;
        }
        if (w.width <= 0 || w.height <= 0 || row_layout) {
            w.width  = std::clamp(right, 1, 8192);
            w.height = std::clamp(bottom, 1, 8192);
        }
    }
}

void Session::reset()
{
    for (PanelLayout& w : layout_.windows)
        for (PlacedGauge& g : w.gauges)
            g.installed = nullptr;
    module_ = nullptr;
    drop_host();
    standin::reset_sound();
    lines_.clear();
    trace_.clear();
    pending_frames_ = 0;
    frames_         = 0;
    reproducible_   = true;
    tokens_read_.clear();
    tokens_set_.clear();
    expressions_asked_.clear();
    expressions_set_.clear();
    host_ = std::make_unique<SimulatedPanel>();
    install_observers();
    log("note", "session reset");
    start();
}

void Session::emit(const std::string& text)
{
    std::string line = time_prefix(host_->sim().time()) + text;
    trace_.push_back(line);
    if (sink_)
        sink_(line);
    if (!starts_with(text, "ran ")) {
        auto [kind, t] = classify(text);
        log(std::move(kind), std::move(t));
    }
}

void Session::finish()
{
    flush_frames();
    while (!host_->gauges().empty()) {
        std::string label = host_->gauges().back()->label();
        host_->remove_gauge(*host_->gauges().back());
        emit("gauge " + label + " removed");
    }
    for (PanelLayout& w : layout_.windows)
        for (PlacedGauge& g : w.gauges)
            g.installed = nullptr;
    emit("done: all expectations met");
}

void Session::log(std::string kind, std::string text, int sound)
{
    LogEntry e;
    e.seq   = ++log_seq_;
    e.time  = host_ ? host_->sim().time() : 0.0;
    e.kind  = std::move(kind);
    e.text  = std::move(text);
    e.sound = sound;
    log_.push_back(std::move(e));
    while (log_.size() > log_limit)
        log_.pop_front();
}

std::vector<LogEntry> Session::log_since(uint64_t after) const
{
    std::vector<LogEntry> out;
    auto it = std::lower_bound(log_.begin(), log_.end(), after + 1,
                               [](const LogEntry& e, uint64_t seq) { return e.seq < seq; });
    out.assign(it, log_.end());
    return out;
}

const PlayedWave* Session::sound(int number) const
{
    int i = number - first_sound_;
    if (i < 0 || i >= static_cast<int>(sounds_.size()))
        return nullptr;
    return &sounds_[static_cast<size_t>(i)];
}

// The stand-in keeps every buffer the gauges played; the session takes them and clears its log.
void Session::collect_sounds(const std::string& source)
{
    const auto& played = standin::played_sounds();
    if (played.empty())
        return;
    for (const standin::PlayedSound& p : played) {
        const WAVEFORMATEX& f = p.format;
        std::vector<uint8_t> samples(p.samples.begin() + std::min<size_t>(p.position, p.samples.size()), p.samples.end());
        double seconds = f.nAvgBytesPerSec ? static_cast<double>(samples.size()) / f.nAvgBytesPerSec : 0.0;
        sounds_.push_back(PlayedWave{source, wave_file(f.nChannels, f.nSamplesPerSec, f.wBitsPerSample, samples)});
        int number = first_sound_ + static_cast<int>(sounds_.size()) - 1;
        while (sounds_.size() > sound_limit) {
            sounds_.pop_front();
            ++first_sound_;
        }
        char text[160];
        std::snprintf(text, sizeof text, "sound played by %s: buffer %d, %u ch %u Hz %u bit, %.2f s%s", source.c_str(),
                      p.buffer, f.nChannels, static_cast<unsigned>(f.nSamplesPerSec), f.wBitsPerSample, seconds,
                      p.flags & 1 ? ", looping" : "");
        log("sound", text, number);
    }
    standin::reset_sound();
}

void Session::record(const std::string& line) { lines_.push_back(line); }

void Session::flush_frames()
{
    if (pending_frames_ == 0)
        return;
    const uint64_t n = pending_frames_;
    pending_frames_  = 0;
    lines_.push_back("frames " + std::to_string(n) + (options_.rate == 18.0 ? "" : " at " + format_number(options_.rate)));
    emit("ran " + std::to_string(n) + " frame(s) at " + format_number(options_.rate) + " Hz");
}

void Session::frame()
{
    try {
        host_->frame(1.0 / options_.rate);
    } catch (const HostError& e) {
        reproducible_ = false;
        log("error", std::string("frame: ") + e.what());
        throw;
    }
    ++pending_frames_;
    ++frames_;
    collect_sounds("a frame");
}

void Session::execute_line(const std::string& line)
{
    std::vector<std::string> words = split_line(line);
    flush_frames();
    try {
        execute(words);
    } catch (const HostError& e) {
        log("error", line + ": " + e.what());
        collect_sounds(activity_.empty() ? line : activity_);
        throw;
    }
    record(line);
    collect_sounds(activity_.empty() ? line : activity_);
}

Gauge& Session::gauge(const std::string& label)
{
    Gauge* g = host_->find_gauge(label);
    if (g == nullptr)
        throw HostError("no gauge labelled '" + label + "' on the panel");
    return *g;
}

// The commands a session makes, carried out and traced as `gauge-host run` does.
void Session::execute(const std::vector<std::string>& w)
{
    const std::string& c   = w[0];
    SimState&          sim = host_->sim();
    if (c == "module") {
        std::string path = w[1];
        if (path.find('/') == std::string::npos && path.find('.') == std::string::npos)
            path = options_.module_dir + "/" + module_file_name(path);
        module_ = &host_->load_module(path);
        emit("module " + module_->name() + " loaded");
    } else if (c == "gauge") {
        if (module_ == nullptr)
            throw HostError("'gauge' before any 'module'");
        std::string label, params;
        for (size_t i = 2; i + 1 < w.size(); i += 2)
            (w[i] == "as" ? label : params) = w[i + 1];
        Gauge& g = host_->add_gauge(*module_, w[1], params, label);
        try {
            g.connect();
        } catch (const HostError&) {
            reproducible_ = false;
            throw;
        }
        emit("gauge " + g.label() + " installed: " + std::to_string(g.elements().size()) + " element(s)");
    } else if (c == "set") {
        tokens_set_.insert(parse_token(w[1]));
        sim.set(parse_token(w[1]), parse_value(w[2]));
        emit("set " + id_text(IdKind::token, parse_token(w[1])) + " = " + format_number(sim.number(parse_token(w[1]))));
    } else if (c == "set-int") {
        tokens_set_.insert(parse_token(w[1]));
        sim.set_integer(parse_token(w[1]), static_cast<int32_t>(parse_value(w[2])));
        emit("set " + id_text(IdKind::token, parse_token(w[1])) + " = " + std::to_string(sim.get(parse_token(w[1])).whole) +
             " (integer)");
    } else if (c == "expr") {
        sim.set_expression(w[1], parse_value(w[2]));
        expressions_set_.insert(w[1]);
        emit("expression \"" + w[1] + "\" = " + format_number(parse_value(w[2])));
    } else if (c == "click-at") {
        const uint32_t button = w.size() > 4 && w[4] == "right" ? MOUSE_RIGHTSINGLE : MOUSE_LEFTSINGLE;
        ClickResult    r;
        try {
            r = gauge(w[1]).click_at(static_cast<int>(parse_value(w[2])), static_cast<int>(parse_value(w[3])), button);
        } catch (const HostError&) {
            reproducible_ = false;
            throw;
        }
        emit("click " + w[1] + " at " + w[2] + "," + w[3] + ": " + (r.hit ? "rect " + std::to_string(r.rect_index) + " " : "") +
             r.action);
    } else {
        throw HostError("the workbench does not make '" + c + "' lines");
    }
}

void Session::set(uint32_t token, double value)
{
    if (!std::isfinite(value))
        throw HostError("a value must be a finite number");
    if (host_->sim().is_integer(token)) {
        if (value < -2147483648.0 || value > 2147483647.0)
            throw HostError(hex(token) + " holds a 32-bit integer; " + format_number(value) + " does not fit");
        execute_line("set-int " + hex(token) + " " + std::to_string(static_cast<int32_t>(value)));
    } else {
        execute_line("set " + hex(token) + " " + format_number(value));
    }
}

void Session::set_expression(const std::string& code, double value)
{
    if (!std::isfinite(value))
        throw HostError("a value must be a finite number");
    execute_line("expr " + scenario_word(code) + " " + format_number(value));
}

void Session::apply_preset(const std::string& name)
{
    for (const Preset& p : flight_presets()) {
        if (p.name != name)
            continue;
        log("note", "flight state: " + p.description);
        for (auto [token, value] : p.sets)
            set(token, value);
        return;
    }
    throw HostError("no flight state '" + name + "'");
}

std::optional<Session::Hit> Session::gauge_at(int window, double x, double y)
{
    if (window < 0 || window >= static_cast<int>(layout_.windows.size()) || !std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    auto& gauges = layout_.windows[static_cast<size_t>(window)].gauges;
    for (auto it = gauges.rbegin(); it != gauges.rend(); ++it) {
        PlacedGauge& p = *it;
        if (p.installed == nullptr || p.width <= 0 || p.height <= 0)
            continue;
        if (x < p.x || y < p.y || x >= p.x + p.width || y >= p.y + p.height)
            continue;
        const Gauge& g = *p.installed;
        Hit          hit;
        hit.placed = &p;
        hit.x      = static_cast<int>(std::floor((x - p.x) * g.width() / p.width));
        hit.y      = static_cast<int>(std::floor((y - p.y) * g.height() / p.height));
        return hit;
    }
    return std::nullopt;
}

ClickOutcome Session::click(int window, double x, double y, bool right)
{
    ClickOutcome out;
    auto         hit = gauge_at(window, x, y);
    if (!hit)
        return out;
    out.on_gauge = true;
    out.gauge    = hit->placed->label;
    out.x        = hit->x;
    out.y        = hit->y;
    const MouseArea* area = hit->placed->installed->mouse().hit(hit->x, hit->y);
    if (area == nullptr) {
        out.action = "nothing at " + std::to_string(hit->x) + "," + std::to_string(hit->y);
        return out;
    }
    activity_ = "click on " + out.gauge;
    std::string line = "click-at " + scenario_word(out.gauge) + " " + std::to_string(hit->x) + " " +
                       std::to_string(hit->y) + (right ? " right" : "");
    try {
        execute_line(line);
    } catch (...) {
        activity_.clear();
        throw;
    }
    activity_.clear();
    out.recorded = true;
    out.rect     = area->index;
    // The action as the trace line says it, after "rect N ".
    const std::string& last = trace_.back();
    auto               at   = last.find(": rect ");
    at                      = at == std::string::npos ? std::string::npos : last.find(' ', at + 7);
    out.action              = at == std::string::npos ? last : last.substr(at + 1);
    return out;
}

TooltipOutcome Session::tooltip(int window, double x, double y)
{
    TooltipOutcome out;
    auto           hit = gauge_at(window, x, y);
    if (!hit)
        return out;
    out.gauge = hit->placed->label;
    if (const MouseArea* a = hit->placed->installed->mouse().tooltip(hit->x, hit->y))
        out.rect = a->index;
    // Tooltip inserts run gauge code, which reports whatever it does to the trace; a tooltip is no
    // part of the session, so nothing of it goes there.
    auto sink = std::move(sink_);
    auto saved_trace = trace_.size();
    try {
        out.text = hit->placed->installed->tooltip_at(hit->x, hit->y);
    } catch (...) {
        sink_ = std::move(sink);
        throw;
    }
    sink_ = std::move(sink);
    if (trace_.size() != saved_trace) {
        trace_.resize(saved_trace);
        reproducible_ = false;
        log("error", "a tooltip's inserts changed the panel; the session may not replay exactly");
    }
    return out;
}

std::vector<PlacedRect> Session::rectangles(int window) const
{
    std::vector<PlacedRect> out;
    if (window < 0 || window >= static_cast<int>(layout_.windows.size()))
        return out;
    for (const PlacedGauge& p : layout_.windows[static_cast<size_t>(window)].gauges) {
        if (p.installed == nullptr || p.installed->width() <= 0 || p.installed->height() <= 0)
            continue;
        const double sx = double(p.width) / p.installed->width(), sy = double(p.height) / p.installed->height();
        for (const MouseArea& a : p.installed->mouse().areas()) {
            const MouseRect& r = *a.rect;
            PlacedRect       pr;
            pr.gauge     = p.label;
            pr.index     = a.index;
            pr.type      = r.type == mouse_rect_parent ? "parent" : r.type == mouse_rect_child ? "child" : "tooltip";
            pr.x         = p.x + a.box.x * sx;
            pr.y         = p.y + a.box.y * sy;
            pr.width     = a.box.width * sx;
            pr.height    = a.box.height * sy;
            pr.cursor    = r.cursor;
            pr.help_id   = r.help_id;
            pr.event_id  = r.type == mouse_rect_tooltip ? 0 : r.event_id;
            pr.clickable = acts_on_click(r);
            pr.has_tooltip = r.type == mouse_rect_tooltip && (r.help_id != 0 || r.action.text != nullptr);
            out.push_back(pr);
        }
    }
    return out;
}

std::string Session::scenario_text()
{
    flush_frames();
    std::string text = "# A session of the gauge-host workbench on " + layout_.source +
                       ".\n# Its run prints the trace the session printed: gauge-host run FILE\n";
    for (const std::string& line : lines_)
        text += line + "\n";
    return text;
}

const std::vector<std::string>& Session::trace()
{
    flush_frames();
    return trace_;
}

std::vector<VariableRow> Session::variables() const
{
    std::set<uint32_t> tokens = tokens_read_;
    tokens.insert(tokens_set_.begin(), tokens_set_.end());
    std::vector<VariableRow> out;
    for (uint32_t t : tokens) {
        if (out.size() >= 512)
            break;
        VariableRow row;
        row.token       = t;
        const char* n   = id_name(IdKind::token, t);
        row.name        = n ? n : "";
        row.unit        = id_unit(IdKind::token, t);
        TokenValue v    = host_->sim().get(t);
        row.integer     = v.integer;
        row.value       = v.as_double();
        out.push_back(std::move(row));
    }
    return out;
}

std::vector<ExpressionRow> Session::expressions() const
{
    std::set<std::string> codes = expressions_asked_;
    codes.insert(expressions_set_.begin(), expressions_set_.end());
    std::vector<ExpressionRow> out;
    for (const std::string& c : codes) {
        auto v = host_->sim().expression_number(c);
        out.push_back(ExpressionRow{c, v.value_or(0.0), v.has_value()});
    }
    return out;
}

}  // namespace serve

#include "host/script/scenario.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <ostream>
#include <sstream>

#include "host/core/limits.h"
#include "host/world/world.h"
#if defined(GAUGE_HOST_RENDER)
#include "host/render/render.h"
#endif

namespace host {
namespace {

std::vector<std::string> split_words(const std::string& line, const std::string& where)
{
    std::vector<std::string> words;
    size_t                   i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#')
            break;
        if (c == '"') {
            size_t end = line.find('"', i + 1);
            if (end == std::string::npos)
                throw HostError(where + ": unterminated quoted text");
            words.push_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        size_t end = line.find_first_of(" \t\r", i);
        if (end == std::string::npos)
            end = line.size();
        words.push_back(line.substr(i, end - i));
        i = end;
    }
    return words;
}

bool is_number(const std::string& w)
{
    try {
        parse_value(w);
        return true;
    } catch (const HostError&) {
        return false;
    }
}

bool is_id(const std::string& w, IdKind kind)
{
    try {
        parse_id(w, kind);
        return true;
    } catch (const HostError&) {
        return false;
    }
}

bool is_u32(const std::string& w)
{
    try {
        parse_u32(w);
        return true;
    } catch (const HostError&) {
        return false;
    }
}

bool is_button(const std::string& w) { return w == "left" || w == "right"; }

// A number that the run reads as an integer in [low, high] (truncated toward zero).
bool is_whole_within(const std::string& w, int64_t low, int64_t high)
{
    return is_number(w) && whole_within(parse_value(w), low, high).has_value();
}

bool is_int(const std::string& w) { return is_whole_within(w, INT32_MIN, INT32_MAX); }

const std::string int_range = "-2147483648..2147483647";

using Words = std::vector<std::string>;

// Argument counts: an error message when the command's n arguments are not lo to hi.
std::string need(const Words& w, size_t lo, size_t hi)
{
    const size_t n = w.size() - 1;
    if (n < lo || n > hi)
        return "'" + w[0] + "' takes " + (lo == hi ? std::to_string(lo) : std::to_string(lo) + " to " + std::to_string(hi)) +
               " argument(s), not " + std::to_string(n);
    return "";
}

// The optional "at HZ" of frames and run, from position at.
std::string rate(const Words& w, size_t at)
{
    const size_t n = w.size() - 1;
    const std::string& c = w[0];
    if (n < at)
        return "";
    if (n != at + 1 || w[at] != "at" || !is_number(w[at + 1]) || parse_value(w[at + 1]) <= 0)
        return "'" + c + "' expects 'at HZ' with a positive rate";
    if (double hz = parse_value(w[at + 1]); hz < lowest_rate || hz > highest_rate)
        return "'" + c + "' rate must lie in " + format_number(lowest_rate) + ".." + format_number(highest_rate) + " Hz";
    return "";
}

// The shape of each command: an error message, or "" when the run may carry it out.

std::string check_one(const Words& w) { return need(w, 1, 1); }

std::string check_gauge(const Words& w)
{
    const size_t n = w.size() - 1;
    if (auto e = need(w, 1, 5); !e.empty())
        return e;
    for (size_t i = 2; i <= n; i += 2) {
        if (i + 1 > n || (w[i] != "as" && w[i] != "params"))
            return "'gauge' expects NAME [as LABEL] [params \"TEXT\"]";
    }
    return "";
}

std::string check_set(const Words& w)
{
    const std::string& c = w[0];
    if (auto e = need(w, 2, 2); !e.empty())
        return e;
    if (!is_id(w[1], IdKind::token))
        return "bad token '" + w[1] + "'";
    if (!is_number(w[2]))
        return "bad value '" + w[2] + "'";
    return c == "set-int" && !is_int(w[2]) ? "'set-int' value must lie in " + int_range : "";
}

std::string check_expr(const Words& w)
{
    if (auto e = need(w, 2, 2); !e.empty())
        return e;
    return is_number(w[2]) ? "" : "bad value '" + w[2] + "'";
}

std::string check_frames(const Words& w)
{
    const size_t n = w.size() - 1;
    if (n < 1 || !is_number(w[1]) || parse_value(w[1]) < 0 || parse_value(w[1]) != std::floor(parse_value(w[1])))
        return "'frames' expects a whole number of frames";
    if (parse_value(w[1]) > frame_limit)
        return "'frames' must lie in 0.." + std::to_string(frame_limit);
    return rate(w, 2);
}

std::string check_run(const Words& w)
{
    const size_t n = w.size() - 1;
    if (n < 1 || !is_number(w[1]) || parse_value(w[1]) < 0)
        return "'run' expects a number of seconds";
    if (auto e = rate(w, 2); !e.empty())
        return e;
    const double hz = n > 2 ? parse_value(w[3]) : 18.0;
    if (parse_value(w[1]) * hz > frame_limit)
        return "'run' must lie in 0.." + format_number(std::floor(frame_limit / hz)) + " seconds at " +
               format_number(hz) + " Hz (" + std::to_string(frame_limit) + " frames)";
    return "";
}

std::string check_click(const Words& w)
{
    const size_t n = w.size() - 1;
    if (auto e = need(w, 2, 3); !e.empty())
        return e;
    if (!is_number(w[2]))
        return "bad rectangle index '" + w[2] + "'";
    if (!is_int(w[2]))
        return "rectangle index must lie in " + int_range;
    return n == 3 && !is_button(w[3]) ? "button must be left or right, not '" + w[3] + "'" : "";
}

std::string check_point(const Words& w)
{
    const size_t n = w.size() - 1;
    if (auto e = w[0] == "tooltip" ? need(w, 3, 3) : need(w, 3, 4); !e.empty())
        return e;
    if (!is_number(w[2]) || !is_number(w[3]))
        return "bad point '" + w[2] + " " + w[3] + "'";
    if (!is_int(w[2]) || !is_int(w[3]))
        return "point coordinates must lie in " + int_range;
    return n == 4 && !is_button(w[4]) ? "button must be left or right, not '" + w[4] + "'" : "";
}

std::string check_picture(const Words& w)
{
    const size_t n = w.size() - 1;
    if (n != 2 && !(n == 4 && w[3] == "scale" && is_number(w[4])))
        return "'picture' expects LABEL FILE [scale S]";
    if (n == 4 && !(parse_value(w[4]) > 0 && parse_value(w[4]) <= scale_limit))
        return "'picture' scale must lie in (0, " + format_number(scale_limit) + "]";
    return "";
}

std::string check_ext(const Words& w)
{
    const size_t n = w.size() - 1;
    if (n == 1 && (w[1] == "present" || w[1] == "silent" || w[1] == "absent"))
        return "";
    if (n == 2 && (w[1] == "version" || w[1] == "receiver") && is_u32(w[2]))
        return w[1] == "version" && parse_u32(w[2]) > 0xFFFF ? "'ext version' takes a number up to 65535" : "";
    if (n == 3 && w[1] == "set" && is_id(w[2], IdKind::ext_offset) && is_u32(w[3]))
        return "";
    if (n == 2 && w[1] == "refuse")
        return is_whole_within(w[2], 1, 1000000) ? "" : "'ext refuse' takes a message number in 1..1000000";
    return "'ext' takes present|silent|absent, version N, receiver V, refuse N or set OFFSET VALUE";
}

std::string check_expect_token(const Words& w)
{
    return w.size() == 4 && is_id(w[2], IdKind::token) && is_number(w[3]) ? "" : "'expect token' takes TOKEN VALUE";
}

std::string check_expect_event(const Words& w)
{
    const size_t n = w.size() - 1;
    if (!((n == 2 || n == 3) && is_id(w[2], IdKind::event) && (n == 2 || is_number(w[3]))))
        return "'expect event' takes ID [VALUE]";
    // A negative value names the same 32 bits as its unsigned twin: -1 is 0xFFFFFFFF.
    return n == 3 && !is_whole_within(w[3], INT32_MIN, UINT32_MAX)
               ? "'expect event' value must lie in -2147483648..4294967295"
               : "";
}

std::string check_expect_window(const Words& w)
{
    return w.size() == 4 && is_id(w[2], IdKind::panel_window) && (w[3] == "open" || w[3] == "closed")
               ? ""
               : "'expect window' takes ID open|closed";
}

std::string check_expect_tooltip(const Words& w)
{
    if (!(w.size() == 6 && is_number(w[3]) && is_number(w[4])))
        return "'expect tooltip' takes LABEL X Y \"TEXT\"";
    return !is_int(w[3]) || !is_int(w[4]) ? "point coordinates must lie in " + int_range : "";
}

std::string check_expect_element(const Words& w)
{
    const size_t n = w.size() - 1;
    if (n < 4 || !is_number(w[3]))
        return "'expect element' takes LABEL INDEX hidden|shown|frame N|value V|text T";
    if (!is_int(w[3]))
        return "element index must lie in " + int_range;
    const std::string& k = w[4];
    if (k == "frame" && n == 5 && is_number(w[5]) && !is_int(w[5]))
        return "frame must lie in " + int_range;
    if ((k == "hidden" || k == "shown") && n == 4)
        return "";
    if ((k == "frame" || k == "value") && n == 5 && is_number(w[5]))
        return "";
    if (k == "text" && n == 5)
        return "";
    return "'expect element' takes LABEL INDEX hidden|shown|frame N|value V|text T";
}

std::string check_expect_ext(const Words& w)
{
    return w.size() == 4 && is_id(w[2], IdKind::ext_offset) && is_u32(w[3]) ? "" : "'expect ext' takes OFFSET VALUE";
}

std::string fixed3(double v)
{
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3);
    return ec == std::errc() ? std::string(buf, end) : "?";
}

class Runner;

// A scenario command: its name, the words after it, what it does, the check of its shape (run when
// the script is read, so that a bad line stops it before anything runs) and what the run does.
struct Verb {
    const char* name;
    const char* synopsis;
    const char* summary;
    std::string (*check)(const Words&);
    void (Runner::*run)(const Words&);
};

class Runner {
public:
    // The commands, and the things `expect` can check (each an "expect WHAT" row).
    static const Verb commands[];
    static const Verb expectations[];

    Runner(const Scenario& s, std::ostream& out, const ScenarioOptions& o) : s_(s), out_(out), opt_(o)
    {
        host_.set_trace([this](const std::string& line) { emit(line); });
    }

    ScenarioResult run()
    {
        ScenarioResult r;
        for (const ScenarioCommand& c : s_.commands) {
            line_ = c.line;
            try {
                run_command(c.words);
            } catch (const HostError& e) {
                throw HostError(where() + ": " + e.what());
            }
            ++r.commands;
        }
        // Take what is left on the panel through the rest of its life before the summary.
        while (!host_.gauges().empty()) {
            std::string label = host_.gauges().back()->label();
            host_.remove_gauge(*host_.gauges().back());
            emit("gauge " + label + " removed");
        }
        r.failures = failures_;
        emit(failures_ == 0 ? "done: all expectations met"
                            : "done: " + std::to_string(failures_) + " expectation(s) failed");
        return r;
    }

private:
    std::string where() const { return s_.name + ":" + std::to_string(line_); }
    void        emit(const std::string& text) { out_ << "t=" << fixed3(host_.sim().time()) << " " << text << "\n"; }

    void fail(const std::string& text)
    {
        ++failures_;
        emit("FAIL " + where() + ": " + text);
    }

    Gauge& gauge(const std::string& label)
    {
        Gauge* g = host_.find_gauge(label);
        if (g == nullptr)
            throw HostError("no gauge labelled '" + label + "' on the panel");
        return *g;
    }

    std::string resolve(const std::string& path, const std::string& base) const
    {
        if (path.empty() || path[0] == '/' || base.empty())
            return path;
        return base + "/" + path;
    }

    void frames(long n, double hz)
    {
        for (long i = 0; i < n; ++i)
            host_.frame(1.0 / hz);
    }

    static uint32_t button(const std::vector<std::string>& w, size_t at)
    {
        return w.size() > at && w[at] == "right" ? MOUSE_RIGHTSINGLE : MOUSE_LEFTSINGLE;
    }

    void run_module(const Words& w)
    {
            module_ = &host_.load_module(module_location(w[1], opt_.module_dir, s_.directory));
            // The gauge count stays out of the trace: a module gains gauges without its scenarios changing.
            emit("module " + module_->name() + " loaded");
    }

    void run_gauge(const Words& w)
    {
            if (module_ == nullptr)
                throw HostError("'gauge' before any 'module'");
            std::string label, params;
            for (size_t i = 2; i + 1 < w.size(); i += 2)
                (w[i] == "as" ? label : params) = w[i + 1];
            Gauge& g = host_.add_gauge(*module_, w[1], params, label);
            g.connect();
            // The picture's size is the art's, not the gauge's behaviour: it stays out of the trace.
            emit("gauge " + g.label() + " installed: " + std::to_string(g.elements().size()) + " element(s)");
    }

    void run_set(const Words& w)
    {
            const uint32_t t = parse_token(w[1]);
            host_.sim().set(t, parse_value(w[2]));
            emit("set " + id_text(IdKind::token, t) + " = " + format_number(host_.sim().number(t)));
    }

    void run_set_int(const Words& w)
    {
            const uint32_t t = parse_token(w[1]);
            host_.sim().set_integer(t, static_cast<int32_t>(parse_value(w[2])));
            emit("set " + id_text(IdKind::token, t) + " = " + std::to_string(host_.sim().get(t).whole) +
                 " (integer)");
    }

    void run_expr(const Words& w)
    {
            host_.sim().set_expression(w[1], parse_value(w[2]));
            emit("expression \"" + w[1] + "\" = " + format_number(parse_value(w[2])));
    }

    void run_frames(const Words& w)
    {
            double hz = w.size() > 3 ? parse_value(w[3]) : 18.0;
            long   n  = w[0] == "frames" ? static_cast<long>(parse_value(w[1]))
                                      : std::lround(parse_value(w[1]) * hz);
            frames(n, hz);
            emit("ran " + std::to_string(n) + " frame(s) at " + format_number(hz) + " Hz");
    }

    void run_click(const Words& w)
    {
            ClickResult r = gauge(w[1]).click_rect(static_cast<int>(parse_value(w[2])), button(w, 3));
            if (!r.hit)
                throw HostError("gauge '" + w[1] + "' has " + r.action);
            emit("click " + w[1] + " rect " + w[2] + ": " + r.action);
    }

    void run_click_at(const Words& w)
    {
            ClickResult r = gauge(w[1]).click_at(static_cast<int>(parse_value(w[2])), static_cast<int>(parse_value(w[3])),
                                                 button(w, 4));
            emit("click " + w[1] + " at " + w[2] + "," + w[3] + ": " +
                 (r.hit ? "rect " + std::to_string(r.rect_index) + " " : "") + r.action);
    }

    void run_tooltip(const Words& w)
    {
            auto t = gauge(w[1]).tooltip_at(static_cast<int>(parse_value(w[2])), static_cast<int>(parse_value(w[3])));
            emit("tooltip " + w[1] + " at " + w[2] + "," + w[3] + ": " + (t ? "\"" + *t + "\"" : "none"));
    }

    void run_picture(const Words& w)
    {
            Gauge& g = gauge(w[1]);
#if defined(GAUGE_HOST_RENDER)
            std::string file = resolve(w[2], opt_.picture_dir.empty() ? s_.directory : opt_.picture_dir);
            render_png(g, file, w.size() > 4 ? parse_value(w[4]) : 1.0);
            emit("picture " + g.label() + " -> " + w[2]);
#else
            (void)g;
            throw HostError("pictures are drawn by the native build only");
#endif
    }

    void run_disconnect(const Words& w)
    {
            gauge(w[1]).disconnect();
            emit("gauge " + w[1] + " disconnected");
    }

    void run_remove(const Words& w)
    {
            host_.remove_gauge(gauge(w[1]));
            emit("gauge " + w[1] + " removed");
    }

    void run_show(const Words& w) { show(gauge(w[1])); }

    void run_ext(const Words& w)
    {
        Environment& env = environment_of(host_);
        if (w[1] == "present" || w[1] == "silent" || w[1] == "absent") {
            env.set_ext_mode(w[1] == "present" ? ExtMode::present : w[1] == "silent" ? ExtMode::silent : ExtMode::absent);
            emit("external interface " + w[1]);
        } else if (w[1] == "version") {
            env.set_host_version(static_cast<uint16_t>(parse_u32(w[2])));
            emit("external interface host version " + std::to_string(parse_u32(w[2])));
        } else if (w[1] == "refuse") {
            const int n = static_cast<int>(parse_value(w[2]));
            env.refuse_message(n);
            emit("external interface refuses message " + std::to_string(n) + " from now");
        } else if (w[1] == "receiver") {
            env.set_receiver_version(parse_u32(w[2]));
            emit("external interface receiver version " + hex(parse_u32(w[2])));
        } else {
            const uint32_t offset = parse_id(w[2], IdKind::ext_offset);
            env.poke(offset, parse_u32(w[3]));
            emit("external interface " + id_text(IdKind::ext_offset, offset) + " = " + std::to_string(parse_u32(w[3])));
        }
    }

    void expect_ext(const Words& w)
    {
        const uint32_t offset = parse_id(w[2], IdKind::ext_offset), want = parse_u32(w[3]);
        const uint32_t got    = environment_of(host_).peek(offset);
        if (got == want)
            emit("ok external interface " + id_text(IdKind::ext_offset, offset) + " = " + std::to_string(got));
        else
            fail("external interface " + id_text(IdKind::ext_offset, offset) + " is " + std::to_string(got) + ", expected " + std::to_string(want));
    }

    void show(Gauge& g)
    {
        for (const ElementState& s : g.elements()) {
            std::string line = "  " + g.label() + "[" + std::to_string(s.index) + "] ";
            const ElementHeader* e = s.element;
            line += std::string(s.depth, '.') + "kind " + std::to_string(static_cast<uint32_t>(e->kind));
            if (e->kind != ElementKind::string)
                line += " bitmap " + std::to_string(e->bitmap_id);
            line += " flags " + hex(e->image_flags) + (s.hidden ? " hidden" : " shown");
            switch (e->kind) {
            case ElementKind::needle: line += " value " + format_number(s.value[0]) + " angle " + fixed3(s.needle_angle * 180 / 3.14159265358979323846); break;
            case ElementKind::icon: line += " value " + format_number(s.value[0]) + " frame " + std::to_string(s.frame); break;
            case ElementKind::string: line += " text \"" + s.text + "\""; break;
            case ElementKind::slider:
            case ElementKind::moving_image: line += " x " + format_number(s.value[0]) + " y " + format_number(s.value[1]); break;
            case ElementKind::sprite: line += " x " + format_number(s.value[0]) + " y " + format_number(s.value[1]) + " angle " + format_number(s.value[2]); break;
            case ElementKind::static_image: break;
            }
            emit(line);
        }
    }

    void expect_token(const Words& w)
    {
            uint32_t t    = parse_id(w[2], IdKind::token);
            double   want = parse_value(w[3]);
            double   got  = host_.sim().number(t);
            if (got == want)
                emit("ok token " + id_text(IdKind::token, t) + " = " + format_number(got));
            else
                fail("token " + id_text(IdKind::token, t) + " is " + format_number(got) + ", expected " + format_number(want));
    }

    void expect_event(const Words& w)
    {
            uint32_t id = parse_id(w[2], IdKind::event);
            // The cursor counts every event sent; the log keeps only the recent ones.
            const auto&    events    = host_.sim().events();
            const uint64_t forgotten = host_.sim().events_forgotten();
            for (size_t i = event_cursor_ > forgotten ? event_cursor_ - forgotten : 0; i < events.size(); ++i) {
                if (events[i].id == id &&
                    (w.size() < 4 || events[i].value == static_cast<uint32_t>(*whole_within(parse_value(w[3]), INT32_MIN, UINT32_MAX)))) {
                    event_cursor_ = forgotten + i + 1;
                    emit("ok event " + id_text(IdKind::event, id) + " value " + std::to_string(events[i].value));
                    return;
                }
            }
            fail("no event " + id_text(IdKind::event, id) + (w.size() > 3 ? " value " + w[3] : "") + " since the last expected one");
    }

    void expect_window(const Words& w)
    {
            uint32_t id   = parse_id(w[2], IdKind::panel_window);
            bool     want = w[3] == "open";
            if (host_.sim().window_open(id) == want)
                emit("ok window " + id_text(IdKind::panel_window, id) + " " + w[3]);
            else
                fail("window " + id_text(IdKind::panel_window, id) + " is " + (want ? "closed" : "open") + ", expected " + w[3]);
    }

    void expect_tooltip(const Words& w)
    {
            auto t = gauge(w[2]).tooltip_at(static_cast<int>(parse_value(w[3])), static_cast<int>(parse_value(w[4])));
            if (t && *t == w[5])
                emit("ok tooltip \"" + *t + "\"");
            else
                fail("tooltip is " + (t ? "\"" + *t + "\"" : std::string("none")) + ", expected \"" + w[5] + "\"");
    }

    void expect_element(const Words& w)
    {
            Gauge& g   = gauge(w[2]);
            int    idx = static_cast<int>(parse_value(w[3]));
            if (idx < 0 || idx >= static_cast<int>(g.elements().size()))
                throw HostError("gauge '" + g.label() + "' has no element " + w[3] + " (it has " +
                                std::to_string(g.elements().size()) + ")");
            const ElementState& s = g.elements()[idx];
            const std::string&  k = w[4];
            std::string         subject = "element " + g.label() + "[" + w[3] + "]";
            bool                ok;
            std::string         got;
            if (k == "hidden" || k == "shown") {
                ok  = s.hidden == (k == "hidden");
                got = s.hidden ? "hidden" : "shown";
            } else if (k == "frame") {
                ok  = s.frame == static_cast<int>(parse_value(w[5]));
                got = "frame " + std::to_string(s.frame);
            } else if (k == "value") {
                ok  = s.value[0] == parse_value(w[5]);
                got = "value " + format_number(s.value[0]);
            } else {
                ok  = s.text == w[5];
                got = "text \"" + s.text + "\"";
            }
            if (ok)
                emit("ok " + subject + " " + got);
            else
                fail(subject + " is " + got + ", expected " + k + (w.size() > 5 ? " " + w[5] : ""));
    }

    void run_expect(const Words& w);

public:
    void run_command(const Words& w);

private:
    const Scenario&        s_;
    std::ostream&          out_;
    ScenarioOptions        opt_;
    SimulatedPanel              host_;
    Module*                module_       = nullptr;
    int                    line_         = 0;
    int                    failures_     = 0;
    uint64_t               event_cursor_ = 0;
};

// The commands in the order the reference lists them. Adding a command is adding a row and its
// check and run functions.
const Verb Runner::commands[] = {
    {"module", "NAME|PATH", "load a module (a bare name is looked up in the module folder)", check_one, &Runner::run_module},
    {"gauge", "NAME [as LABEL] [params \"TEXT\"]", "install and connect a gauge of the last module", check_gauge,
     &Runner::run_gauge},
    {"set", "TOKEN VALUE", "give a simulator variable a value", check_set, &Runner::run_set},
    {"set-int", "TOKEN VALUE", "give a simulator variable a value kept as a 32-bit integer", check_set,
     &Runner::run_set_int},
    {"expr", "\"CODE\" VALUE", "what an expression text evaluates to", check_expr, &Runner::run_expr},
    {"frames", "N [at HZ]", "run N frames (18 Hz unless told)", check_frames, &Runner::run_frames},
    {"run", "SECONDS [at HZ]", "run frames for that long", check_run, &Runner::run_frames},
    {"click", "LABEL RECT [left|right]", "click the rectangle with that index in the gauge's mouse list", check_click,
     &Runner::run_click},
    {"click-at", "LABEL X Y [left|right]", "click a point of the gauge", check_point, &Runner::run_click_at},
    {"tooltip", "LABEL X Y", "print the tooltip there", check_point, &Runner::run_tooltip},
    {"show", "LABEL", "print every element's state", check_one, &Runner::run_show},
    {"picture", "LABEL FILE [scale S]", "write a PNG of the gauge (native build)", check_picture, &Runner::run_picture},
    {"disconnect", "LABEL", "take the gauge off the frame loop", check_one, &Runner::run_disconnect},
    {"remove", "LABEL", "take the gauge through the rest of its life", check_one, &Runner::run_remove},
    {"ext", "present|silent|absent | version N | receiver V | refuse N | set OFFSET VALUE",
     "the external interface window: answers, replies 0, or is gone; its host version, receiver version word, the "
     "Nth message from now left unanswered, a 32-bit word of its data space",
     check_ext, &Runner::run_ext},
    {"expect", "WHAT ...", "check the state (see below); a failed expectation is counted and the run goes on",
     nullptr, &Runner::run_expect},
};

const Verb Runner::expectations[] = {
    {"token", "TOKEN VALUE", "a simulator variable's value", check_expect_token, &Runner::expect_token},
    {"element", "LABEL INDEX hidden|shown|frame N|value V|text \"T\"", "an element's state after the last frame",
     check_expect_element, &Runner::expect_element},
    {"event", "ID [VALUE]", "an event sent since the last expected one", check_expect_event, &Runner::expect_event},
    {"window", "ID open|closed", "a panel window's state", check_expect_window, &Runner::expect_window},
    {"tooltip", "LABEL X Y \"TEXT\"", "the tooltip at a point", check_expect_tooltip, &Runner::expect_tooltip},
    {"ext", "OFFSET VALUE", "a 32-bit word of the external interface's data space", check_expect_ext,
     &Runner::expect_ext},
};

template <size_t N>
const Verb* find_verb(const Verb (&table)[N], const std::string& name)
{
    for (const Verb& v : table)
        if (name == v.name)
            return &v;
    return nullptr;
}

void Runner::run_command(const Words& w) { (this->*find_verb(commands, w[0])->run)(w); }

void Runner::run_expect(const Words& w) { (this->*find_verb(expectations, w[1])->run)(w); }

// Checks the shape of one command; returns an error message or "".
std::string check(const Words& w)
{
    const Verb* verb = find_verb(Runner::commands, w[0]);
    if (verb == nullptr)
        return "unknown command '" + w[0] + "'";
    if (verb->check != nullptr)
        return verb->check(w);
    if (w.size() < 2)
        return "'expect' needs what to expect";
    const Verb* what = find_verb(Runner::expectations, w[1]);
    return what == nullptr ? "cannot expect '" + w[1] + "'" : what->check(w);
}

}  // namespace

Scenario parse_scenario(const std::string& text, const std::string& name, const std::string& directory)
{
    Scenario s;
    s.name      = name;
    s.directory = directory;
    std::istringstream in(text);
    std::string        line;
    int                number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::string where = name + ":" + std::to_string(number);
        auto        words = split_words(line, where);
        if (words.empty())
            continue;
        if (std::string e = check(words); !e.empty())
            throw HostError(where + ": " + e);
        s.commands.push_back(ScenarioCommand{number, std::move(words)});
    }
    return s;
}

Scenario load_scenario(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw HostError("cannot read scenario '" + path + "'");
    std::stringstream text;
    text << in.rdbuf();
    auto        slash = path.find_last_of("/\\");
    std::string dir   = slash == std::string::npos ? "." : path.substr(0, slash);
    std::string base  = slash == std::string::npos ? path : path.substr(slash + 1);
    return parse_scenario(text.str(), base, dir);
}

std::string scenario_reference_markdown()
{
    auto cell = [](const std::string& text) {
        std::string out;
        for (char c : text)
            out += c == '|' ? std::string("\\|") : std::string(1, c);
        return out;
    };
    std::string text = "| command | what it does |\n|---|---|\n";
    for (const Verb& v : Runner::commands)
        text += "| `" + std::string(v.name) + " " + cell(v.synopsis) + "` | " + v.summary + " |\n";
    for (const Verb& v : Runner::expectations)
        text += "| `expect " + std::string(v.name) + " " + cell(v.synopsis) + "` | " + v.summary + " |\n";
    return text;
}

ScenarioResult run_scenario(const Scenario& scenario, std::ostream& out, const ScenarioOptions& options)
{
    Runner r(scenario, out, options);
    return r.run();
}

}  // namespace host

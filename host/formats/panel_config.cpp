#include "host/formats/panel_config.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#include "host/core/module.h"
#include "host/core/numbers.h"
#include "host/core/text_tools.h"

namespace host {
namespace {

// Keys of a window section that the simulator knows besides gaugeNN; a key close to one of them
// (or to gaugeNN) is reported as a likely misspelling.
const std::vector<std::string> window_keys = {
    "file",        "file_640",   "file_800",          "file_1024",         "file_1280",    "file_1600",
    "size_mm",     "position",   "visible",           "ident",             "window_size_ratio",
    "window_pos",  "window_size", "pixel_size",       "zorder",            "type",         "background_color",
    "nomenu",      "sizeable",   "child_3d",          "render_3d_window",  "render_3d_window_default",
    "hidden",      "texture",    "alpha_blend",       "no_luminous",       "window_size_ratio",
};

bool all_digits(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return c >= '0' && c <= '9'; });
}

// Two runs of decimal digits naming the same number, however long: "007" and "7".
bool same_number(const std::string& a, const std::string& b)
{
    if (!all_digits(a) || !all_digits(b))
        return false;
    return a.substr(std::min(a.find_first_not_of('0'), a.size())) == b.substr(std::min(b.find_first_not_of('0'), b.size()));
}

// The number of a "gaugeNN" key, or nothing.
std::optional<int> gauge_number(const std::string& key)
{
    if (!key.starts_with("gauge"))
        return std::nullopt;
    std::string digits = key.substr(5);
    if (!all_digits(digits) || digits.size() > 4)
        return std::nullopt;
    return std::stoi(digits);
}

bool is_window_section(const std::string& lower)
{
    return lower.starts_with("window") && lower != "window titles";
}

bool is_cockpit_section(const std::string& lower) { return lower.starts_with("vcockpit"); }

// The background key of a window: file=, or a resolution's file_NNNN= when there is no file=.
bool is_background_key(const std::string& key) { return key == "file" || key.starts_with("file_"); }

class Reader {
public:
    Reader(const std::string& name, const std::string& directory)
    {
        cfg_.name      = name;
        cfg_.directory = directory;
    }

    PanelConfig read(const std::string& text)
    {
        std::istringstream in(text);
        std::string        raw;
        while (std::getline(in, raw)) {
            ++line_;
            if (line_ == 1 && raw.starts_with("\xEF\xBB\xBF"))
                raw.erase(0, 3);
            read_line(raw);
        }
        finish(text);
        std::stable_sort(cfg_.problems.begin(), cfg_.problems.end(),
                         diagnostic_order);
        return std::move(cfg_);
    }

private:
    struct Section {
        std::string                name;
        std::string                lower;
        int                        line = 0;
        PanelWindow*               window = nullptr;   // window sections still read
        bool                       titles = false;
        bool                       ignored = false;    // a repeated section
        std::map<std::string, int> keys;               // key (lower case) -> first line
    };

    void problem(Severity s, const std::string& message, int at = -1)
    {
        cfg_.problems.push_back(Diagnostic{cfg_.name, at < 0 ? line_ : at, s, message});
    }
    void error(const std::string& message) { problem(Severity::error, message); }
    void warning(const std::string& message) { problem(Severity::warning, message); }

    void read_line(const std::string& raw)
    {
        // Whole-line comments only: parameter texts may hold ';' and '/'.
        std::string l = trimmed(raw);
        if (l.empty() || l[0] == ';' || l.starts_with("//"))
            return;
        if (l.front() == '[') {
            open_section(l);
            return;
        }
        auto eq = l.find('=');
        if (eq == std::string::npos) {
            error("expected KEY=VALUE");
            return;
        }
        std::string key = lower_case(trimmed(l.substr(0, eq))), value = trimmed(l.substr(eq + 1));
        if (section_.name.empty() && !section_.ignored) {
            warning("key " + in_quotes(key) + " before any [section] is ignored");
            return;
        }
        if (section_.ignored)
            return;
        if (auto first = section_.keys.find(key); first != section_.keys.end()) {
            warning(in_quotes(key) + " is given again in [" + section_.name + "] (first at line " +
                    std::to_string(first->second) + "): the simulator keeps the first, so this line is ignored");
            return;
        }
        section_.keys.emplace(key, line_);
        if (section_.titles) {
            titles_.push_back({key, value, line_});
            return;
        }
        if (section_.window == nullptr)
            return;   // other sections ([Views], [Default View]...) are the simulator's
        PanelWindow& w = *section_.window;
        if (key == "size_mm")
            read_size(w, value);
        else if (is_background_key(key))
            read_background(w, key, value);
        else if (auto n = gauge_number(key))
            read_gauge(w, key, *n, value);
        else if (key.starts_with("gauge"))
            error("gauge key " + in_quotes(key) + " is not gauge followed by a number (gauge00, gauge01, ...): the line is ignored");
        else if (std::find(window_keys.begin(), window_keys.end(), key) == window_keys.end()) {
            std::vector<std::string> known = window_keys;
            known.push_back("gauge00");
            if (auto close_names = nearest_names(key, known); !close_names.empty())
                warning("unknown key " + in_quotes(key) + " in [" + section_.name + "] is ignored: " + did_you_mean(close_names));
        }
    }

    void open_section(const std::string& l)
    {
        if (l.back() != ']') {
            error("unterminated section name");
            section_ = Section{};
            section_.ignored = true;   // its lines belong to no section we can name
            return;
        }
        Section s;
        s.name  = trimmed(l.substr(1, l.size() - 2));
        s.lower = lower_case(s.name);
        s.line  = line_;
        if (auto seen = seen_sections_.find(s.lower); seen != seen_sections_.end()) {
            warning("section [" + s.name + "] appears again (first at line " + std::to_string(seen->second) +
                    "): the simulator reads the first, so the lines of this one are ignored");
            s.ignored = true;
            section_  = s;
            return;
        }
        seen_sections_.emplace(s.lower, line_);
        if (s.lower == "window titles") {
            s.titles = true;
        } else if (is_window_section(s.lower) || is_cockpit_section(s.lower)) {
            PanelWindow w;
            w.section         = s.name;
            w.title           = s.name;
            w.virtual_cockpit = is_cockpit_section(s.lower);
            w.line            = line_;
            cfg_.windows.push_back(std::move(w));
            s.window = &cfg_.windows.back();
            window_lines_.push_back(line_);
        } else {
            // A section the simulator knows but we do not draw; a close_names miss of ours is likely a typo.
            std::string base = s.lower;
            while (!base.empty() && std::isdigit(static_cast<unsigned char>(base.back())))
                base.pop_back();
            if (!base.empty() && base != s.lower) {
                std::string digits = s.name.substr(base.size());
                if (auto close_names = nearest_names(base, {"window", "vcockpit"}); !close_names.empty())
                    warning("section [" + s.name + "] is not read as a panel window: did you mean [" +
                            (close_names[0] == "window" ? "Window" : "VCockpit") + digits + "]?");
            } else if (edit_distance(s.lower, "window titles") <= 2) {
                warning("section [" + s.name + "] is not read: did you mean [Window Titles]?");
            }
        }
        section_ = s;
        // The vector may have moved: point every open window section at its element again.
        if (section_.window)
            section_.window = &cfg_.windows.back();
    }

    // A whole number of a line, or nothing with the problem reported.
    std::optional<int> number(const std::string& word, const char* what)
    {
        std::string w = trimmed(word);
        try {
            double v = parse_value(w);
            if (v < -1e6 || v > 1e6) {
                error(std::string(what) + " " + in_quotes(w) + " is out of range (-1000000 to 1000000)");
                return std::nullopt;
            }
            if (v != static_cast<double>(static_cast<long long>(v))) {
                error(std::string(what) + " " + in_quotes(w) + " is not a whole number");
                return std::nullopt;
            }
            return static_cast<int>(v);
        } catch (const HostError&) {
            error(std::string("bad ") + what + " " + in_quotes(w));
            return std::nullopt;
        }
    }

    // A size must be a positive number of a sensible size.
    bool sensible_size(int value, const std::string& what, const std::string& hint)
    {
        if (value <= 0) {
            error(what + " " + std::to_string(value) + (value == 0 ? " is zero" : " is negative") + ": " + hint);
            return false;
        }
        if (value > panel_size_limit) {
            error(what + " " + std::to_string(value) + " is larger than " + std::to_string(panel_size_limit) +
                  ", which no panel needs: " + hint);
            return false;
        }
        return true;
    }

    void read_size(PanelWindow& w, const std::string& value)
    {
        auto comma = value.find(',');
        if (comma == std::string::npos)
            warning("size_mm " + in_quotes(value) + " gives one number: read as a square; write size_mm=WIDTH,HEIGHT");
        auto width  = number(value.substr(0, comma), "size_mm width");
        auto height = comma == std::string::npos ? width : number(value.substr(comma + 1), "size_mm height");
        if (!width || !height)
            return;
        const std::string hint = "give the window's design size, such as size_mm=1024,768";
        if (sensible_size(*width, "size_mm width", hint) & sensible_size(*height, "size_mm height", hint)) {
            w.width     = *width;
            w.height    = *height;
            w.size_line = line_;
        }
    }

    void read_background(PanelWindow& w, const std::string& key, const std::string& value)
    {
        if (value.empty()) {
            warning(key + "= names no bitmap");
            return;
        }
        // file= is the one the simulator uses; a resolution's file_NNNN= stands in when it is absent.
        if (!w.background.empty() && key != "file")
            return;
        w.background      = value;
        w.background_line = line_;
    }

    void read_gauge(PanelWindow& w, const std::string& key, int n, const std::string& value)
    {
        w.gauge_numbers.push_back(n);
        PanelGauge g;
        g.key    = key;
        g.number = n;
        g.line   = line_;
        if (key.size() == 6)
            warning(in_quotes(key) + ": the simulator's gauge keys have two digits; write gauge" +
                    (n < 10 ? "0" : "") + std::to_string(n));
        // Module!Gauge, x, y, w, h, then the parameter text, which may itself hold commas.
        std::vector<std::string> parts;
        size_t                   start = 0;
        for (int i = 0; i < 5; ++i) {
            size_t comma = value.find(',', start);
            parts.push_back(value.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
            if (comma == std::string::npos) {
                start = std::string::npos;
                break;
            }
            start = comma + 1;
        }
        if (start != std::string::npos)
            g.parameters = trimmed(value.substr(start));
        std::string id   = trimmed(parts[0]);
        auto        bang = id.find('!');
        if (bang == std::string::npos || bang == 0 || bang + 1 == id.size()) {
            error("expected Module!Gauge, not " + in_quotes(id));
            return;
        }
        g.module = trimmed(id.substr(0, bang));
        g.gauge  = trimmed(id.substr(bang + 1));
        if (parts.size() < 3) {
            error("expected Module!Gauge, x, y[, width[, height]]");
            return;
        }
        auto x = number(parts[1], "x");
        auto y = number(parts[2], "y");
        if (!x || !y)
            return;
        g.x = *x;
        g.y = *y;
        // A fourth field that is not a number starts the parameter text.
        for (size_t i = 3; i < parts.size(); ++i) {
            std::string field   = trimmed(parts[i]);
            bool        numeric = !field.empty();
            try {
                parse_value(field);
            } catch (const HostError&) {
                numeric = false;
            }
            if (!numeric) {
                std::string rest;
                for (size_t k = i; k < parts.size(); ++k)
                    rest += (k > i ? "," : "") + parts[k];
                g.parameters = trimmed(rest + (g.parameters.empty() ? "" : "," + g.parameters));
                break;
            }
            const char* what = i == 3 ? "width" : "height";
            auto        size = number(field, what);
            if (!size)
                return;
            if (!sensible_size(*size, std::string(what), "give a positive size, or leave the width and height out for "
                                                          "the gauge's own size"))
                return;
            (i == 3 ? g.width : g.height) = *size;
        }
        w.gauges.push_back(std::move(g));
    }

    void finish(const std::string& text)
    {
        for (PanelWindow& w : cfg_.windows) {
            // The simulator asks for gauge00, gauge01, ... and stops at the first number missing.
            std::stable_sort(w.gauges.begin(), w.gauges.end(),
                             [](const PanelGauge& a, const PanelGauge& b) { return a.number < b.number; });
            std::sort(w.gauge_numbers.begin(), w.gauge_numbers.end());
            int missing = 0;
            for (int n : w.gauge_numbers) {
                if (n != missing)
                    break;
                ++missing;
            }
            auto first_unread = std::find_if(w.gauges.begin(), w.gauges.end(),
                                             [&](const PanelGauge& g) { return g.number > missing; });
            if (first_unread != w.gauges.end()) {
                char name[16];
                std::snprintf(name, sizeof name, "gauge%02d", missing);
                problem(Severity::warning,
                        std::string(name) + " is missing in [" + w.section +
                            "]: the simulator reads gauge lines from gauge00 up to the first number missing, so " +
                            first_unread->key +
                            (first_unread + 1 != w.gauges.end() ? " and those after it are" : " is") +
                            " not shown; number the gauges without gaps",
                        first_unread->line);
                w.gauges.erase(first_unread, w.gauges.end());
            }
            if (w.gauge_numbers.empty() && w.background.empty())
                problem(Severity::warning,
                        "[" + w.section + "] has no gauges and no background bitmap (file=): it shows nothing", w.line);
        }
        for (const Title& t : titles_) {
            bool found = false;
            for (PanelWindow& w : cfg_.windows)
                if (lower_case(w.section) == t.key) {
                    w.title = t.value;
                    found   = true;
                }
            if (!found && t.key.starts_with("window"))
                problem(Severity::warning,
                        "title " + in_quotes(t.value) + " names [" + t.key + "], which the file does not have", t.line);
        }
        if (cfg_.windows.empty()) {
            bool blank = std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); });
            problem(Severity::error, blank ? "the file is empty: a panel.cfg holds [WindowNN] sections with gaugeNN= lines"
                                           : "no [WindowNN] or [VCockpitNN] section: the panel has no window to show",
                    0);
        }
    }

    struct Title {
        std::string key, value;
        int         line;
    };

    PanelConfig                cfg_;
    Section                    section_;
    std::map<std::string, int> seen_sections_;
    std::vector<int>           window_lines_;
    std::vector<Title>         titles_;
    int                        line_ = 0;
};

}  // namespace

std::string Diagnostic::text() const
{
    return file + (line > 0 ? ":" + std::to_string(line) : "") +
           (severity == Severity::error ? ": error: " : ": warning: ") + message;
}

bool diagnostic_order(const Diagnostic& a, const Diagnostic& b)
{
    auto key = [](const Diagnostic& d) { return d.line > 0 ? d.line : INT_MAX; };
    return key(a) < key(b);
}

const PanelWindow* PanelConfig::find(const std::string& name) const
{
    for (const PanelWindow& w : windows) {
        if (lower_case(w.section) == lower_case(name) || lower_case(w.title) == lower_case(name))
            return &w;
        // "0" or "00" for Window00
        if (!w.virtual_cockpit && same_number(w.section.size() > 6 ? w.section.substr(6) : "", name))
            return &w;
    }
    return nullptr;
}

bool PanelConfig::has_errors() const
{
    return std::any_of(problems.begin(), problems.end(), [](const Diagnostic& d) { return d.severity == Severity::error; });
}

PanelConfig read_panel_config(const std::string& text, const std::string& name, const std::string& directory)
{
    return Reader(name, directory).read(text);
}

PanelConfig read_panel_config_file(const std::string& path)
{
    std::string name = path.substr(path.find_last_of("/\\") + 1);
    std::string dir  = path.find_last_of("/\\") == std::string::npos ? "." : path.substr(0, path.find_last_of("/\\"));
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        PanelConfig cfg;
        cfg.name      = path;
        cfg.directory = dir;
        cfg.problems.push_back(Diagnostic{path, 0, Severity::error, std::string("cannot read the file: ") + std::strerror(errno)});
        return cfg;
    }
    std::stringstream text;
    text << in.rdbuf();
    return read_panel_config(text.str(), path, dir);
}

namespace {

PanelConfig first_error_thrown(PanelConfig cfg)
{
    for (const Diagnostic& d : cfg.problems)
        if (d.severity == Severity::error)
            throw HostError(d.file + (d.line > 0 ? ":" + std::to_string(d.line) : "") + ": " + d.message);
    return cfg;
}

}  // namespace

PanelConfig parse_panel_config(const std::string& text, const std::string& name)
{
    return first_error_thrown(read_panel_config(text, name));
}

PanelConfig load_panel_config(const std::string& path) { return first_error_thrown(read_panel_config_file(path)); }

}  // namespace host

#include "host/formats/panel_config.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "host/core/module.h"
#include "host/core/numbers.h"

namespace host {
namespace {

std::string trim(std::string s)
{
    auto not_space = [](unsigned char c) { return !std::isspace(c); };
    s.erase(s.begin(), std::find_if(s.begin(), s.end(), not_space));
    s.erase(std::find_if(s.rbegin(), s.rend(), not_space).base(), s.end());
    return s;
}

std::string lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

int to_int(const std::string& word, const std::string& where, const char* what)
{
    try {
        double v = parse_value(trim(word));
        if (v < -100000 || v > 100000)
            throw HostError("");
        return static_cast<int>(v);
    } catch (const HostError&) {
        throw HostError(where + ": bad " + what + " '" + trim(word) + "'");
    }
}

// Two runs of decimal digits naming the same number, however long: "007" and "7".
bool same_number(const std::string& a, const std::string& b)
{
    auto digits = [](const std::string& s) {
        return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(a) || !digits(b))
        return false;
    return a.substr(std::min(a.find_first_not_of('0'), a.size())) == b.substr(std::min(b.find_first_not_of('0'), b.size()));
}

}  // namespace

const PanelWindow* PanelConfig::find(const std::string& name) const
{
    for (const PanelWindow& w : windows) {
        if (lower(w.section) == lower(name) || lower(w.title) == lower(name))
            return &w;
        // "0" or "00" for Window00
        if (same_number(w.section.size() > 6 ? w.section.substr(6) : "", name))
            return &w;
    }
    return nullptr;
}

PanelConfig parse_panel_config(const std::string& text, const std::string& name)
{
    PanelConfig        cfg;
    std::istringstream in(text);
    std::string        line, section;
    int                number = 0;
    std::vector<std::pair<std::string, std::string>> titles;
    auto window = [&](const std::string& sec) -> PanelWindow& {
        for (PanelWindow& w : cfg.windows)
            if (lower(w.section) == lower(sec))
                return w;
        cfg.windows.push_back(PanelWindow{sec, sec, 0, 0, {}});
        return cfg.windows.back();
    };
    while (std::getline(in, line)) {
        ++number;
        std::string where = name + ":" + std::to_string(number);
        // Whole-line comments only: parameter texts may hold ';' and '/'.
        std::string l = trim(line);
        if (l.empty() || l[0] == ';' || l.rfind("//", 0) == 0)
            continue;
        if (l.front() == '[') {
            if (l.back() != ']')
                throw HostError(where + ": unterminated section name");
            section = trim(l.substr(1, l.size() - 2));
            if (lower(section).rfind("window", 0) == 0 && lower(section) != "window titles")
                window(section);
            continue;
        }
        auto eq = l.find('=');
        if (eq == std::string::npos)
            throw HostError(where + ": expected KEY=VALUE");
        std::string key = lower(trim(l.substr(0, eq))), value = trim(l.substr(eq + 1));
        if (lower(section) == "window titles") {
            titles.emplace_back(key, value);
            continue;
        }
        if (lower(section).rfind("window", 0) != 0)
            continue;   // other sections ([Views], [Default View]...) are the simulator's
        PanelWindow& w = window(section);
        if (key == "size_mm") {
            auto comma = value.find(',');
            w.width    = to_int(value.substr(0, comma), where, "size");
            w.height   = comma == std::string::npos ? w.width : to_int(value.substr(comma + 1), where, "size");
        } else if (key.rfind("gauge", 0) == 0) {
            PanelGauge g;
            g.line = number;
            std::vector<std::string> parts;
            size_t start = 0;
            // Module!Gauge, x, y, w, h, then the parameter text, which may itself hold commas.
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
                g.parameters = trim(value.substr(start));
            std::string id   = trim(parts[0]);
            auto        bang = id.find('!');
            if (bang == std::string::npos || bang == 0 || bang + 1 == id.size())
                throw HostError(where + ": expected Module!Gauge, not '" + id + "'");
            g.module = id.substr(0, bang);
            g.gauge  = id.substr(bang + 1);
            if (parts.size() < 3)
                throw HostError(where + ": expected Module!Gauge, x, y[, width[, height]]");
            g.x = to_int(parts[1], where, "x");
            g.y = to_int(parts[2], where, "y");
            // A fourth field that is not a number starts the parameter text.
            for (size_t i = 3; i < parts.size(); ++i) {
                bool numeric = !trim(parts[i]).empty();
                try {
                    parse_value(trim(parts[i]));
                } catch (const HostError&) {
                    numeric = false;
                }
                if (!numeric) {
                    std::string rest;
                    for (size_t k = i; k < parts.size(); ++k)
                        rest += (k > i ? "," : "") + parts[k];
                    g.parameters = trim(rest + (g.parameters.empty() ? "" : "," + g.parameters));
                    break;
                }
                (i == 3 ? g.width : g.height) = to_int(parts[i], where, i == 3 ? "width" : "height");
            }
            w.gauges.push_back(std::move(g));
        }
    }
    for (auto& [key, title] : titles) {
        // Window00=Main Panel names the section [Window00]
        for (PanelWindow& w : cfg.windows)
            if (lower(w.section) == key)
                w.title = title;
    }
    return cfg;
}

PanelConfig load_panel_config(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw HostError("cannot read panel configuration '" + path + "'");
    std::stringstream text;
    text << in.rdbuf();
    return parse_panel_config(text.str(), path.substr(path.find_last_of("/\\") + 1));
}

}  // namespace host

#include "host/formats/gauge_options.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <set>

#include "common/options.h"
#include "frame/sim_ids.h"
#include "host/core/numbers.h"
#include "host/core/text_tools.h"

namespace host {
namespace {

// ---------------------------------------------------------------------------------------------
// The table

constexpr ParameterOption button_options[] = {
    {"o", "window", "opens the window at every click", ""},
    {"c", "window", "closes the window at every click", ""},
    {"t", "window", "toggles the window at every click", ""},
    {"p", "signed number",
     "steps the view at every click: `p2` two views forward, `p-1` one back, `p0` (or `p` alone) back to the home "
     "view; at most 100 steps a click",
     ""},
    {"a", "window", "closes the window once, when the panel first comes up after the module was loaded", ""},
    {"b", "face number", "wears another button face: a multiple of 10 from 100 up to the module's last face", "its own face"},
    {"h", "help name or number", "sets the button's help topic: a help name, or a help id of at least 40960 (0xA000)",
     "its own topic"},
};

constexpr ParameterOption registration_options[] = {
    {"t", "text",
     "shows this text instead of the ATC identifier; counts only as the very first letter of the text. The plate "
     "shows the first word, at most 7 characters, with underscores shown as blanks",
     "the ATC identifier"},
    {"r", "0 to 255", "red of the lettering; larger or negative values give 255", "255"},
    {"g", "0 to 255", "green of the lettering; larger or negative values give 255", "255"},
    {"b", "0 to 255", "blue of the lettering; larger or negative values give 255", "255"},
    {"f", "font name",
     "the lettering's font, at most 31 characters. Must be the last option: everything after the `f`, blanks "
     "included, is the font name",
     "Arial"},
};

constexpr ParameterOption engine_options[] = {
    {"1-4", "",
     "the engine the gauge shows. A `1` anywhere wins; otherwise the first of 2, 3, 4 found counts, in that order",
     "1"},
};

constexpr ParameterOption water_options[] = {
    {"MinSAlt", "feet", "lowest height above the water for scooping", "0"},
    {"MaxSAlt", "feet", "highest height above the water for scooping", "5"},
    {"MinSSpd", "knots", "lowest speed for scooping", "60"},
    {"MaxSSpd", "knots", "highest speed for scooping", "90"},
    {"ScoopSpd", "full tanks per second", "filling rate of each tank while scooping", "0.05"},
    {"DumpSpd", "full tanks per second", "emptying rate of each dropping tank", "0.5"},
};

constexpr const char* button_samples[] = {"o50 c50 t50 a50 p1", "p-1", "p0"};
constexpr const char* engine_samples[] = {"2", "3", "4"};

constexpr OptionFamily families[] = {
    {"button", "Panel buttons", button_options,
     "A run of one-letter options, each followed directly by its value: `oGPS_PANEL cOVERHEAD_PANEL`. Blanks "
     "between options are allowed. Each option letter counts **wherever it stands, also inside a word**: every `o`, "
     "`c` and `t` acts, and the first `p`, `a`, `b` and `h`, up to the first `/`, `#` or apostrophe (`'`), after "
     "which the text is a comment. Write window and help names in capitals, so that they hold no option letters: "
     "`tcompass` toggles, opens and closes window 0 and sends the home-view event, where `tCOMPASS_PANEL` toggles "
     "the compass. At a click every `o` acts first, then every `c`, then every `t`, then the first `p`, whatever "
     "their order in the text. A button with no parameter text toggles the main panel (window 0); a text that "
     "holds only a comment does nothing on a click. A face number that is not one of the module's faces is "
     "ignored, and then the `h` option of the same text is ignored as well.",
     "// Opens the GPS and closes the overhead panel\n"
     "gauge10=Norvak_Instr!GPS_Toggle, 400, 10, 19, 19, oGPS_PANEL cOVERHEAD_PANEL\n"
     "// A \"back to the main panel\" button wearing the CLOSE face: closes window 9001, toggles the main panel\n"
     "gauge11=Norvak_Instr!Invisible_Toggle, 420, 10, 19, 19, c9001 tMAIN_PANEL b120\n"
     "// Two views back, with the fuel help topic\n"
     "gauge12=Stelvar_Instr!Landing_View_Toggle, 440, 10, 19, 19, p-2 hTOGGLE_FUEL_WINDOW\n"
     "// Keeps the radio stack closed when the panel comes up, toggles it on a click\n"
     "gauge13=Stelvar_Instr!Radios_Toggle, 460, 10, 19, 19, aRADIO_STACK_PANEL tRADIO_STACK_PANEL\n",
     button_samples},
    {"registration", "Registration plate", registration_options,
     "One-letter options followed directly by their values, found wherever they stand up to the first `/`, `#` or "
     "apostrophe, so a lower-case `r`, `g`, `b` or `f` inside the registration itself acts as an option: `tbravo` "
     "turns the lettering green. Write the registration in capitals (`tBRAVO`), then a blank, then the colours, "
     "then the font last: `tC_GKSV r200 g0 b0 fCourier New`.",
     "// The ATC identifier in yellow\n"
     "gauge20=Norvak_Instr!Registration, 10, 300, 150, 25, r255 g220 b0\n"
     "// A fixed registration, in red Courier New\n"
     "gauge21=Stelvar_Instr!Registration, 10, 300, 150, 25, tC_GKSV r200 g0 b0 fCourier New\n",
     {}},
    {"engine", "Engine gauges", engine_options,
     "The gauge shows engine 1 unless its parameter text holds a digit 2, 3 or 4. Digits after a `/`, `#` or "
     "apostrophe are a comment and do not count: `2 // right engine`.",
     "gauge30=Norvak_Instr!Fuel_Flow, 100, 200, 100, 100, 1\n"
     "gauge31=Norvak_Instr!Fuel_Flow, 200, 200, 100, 100, 2\n"
     "gauge32=Norvak_Instr!Oil_Quantity, 300, 200, 100, 100, 2 // right engine\n",
     engine_samples},
    {"water", "Water system", water_options,
     "Each setting is its key, exactly as written here (upper and lower case matter), followed directly by a "
     "number: `MaxSAlt8 ScoopSpd0.1`. A key is found anywhere in the text, comments included; a key followed by "
     "anything but a number (`MaxSAlt=8`) sets 0, and a key missing keeps its default. With the defaults an empty "
     "tank fills in 20 seconds of scooping and a full tank empties in 2 seconds of dropping.",
     "// Scoops from 0 to 10 feet at 55 to 95 knots, fills in 10 seconds, drops in 1\n"
     "gauge40=Norvak_Instr!Water_System, 250, 170, 160, 75, MaxSAlt10 MinSSpd55 MaxSSpd95 ScoopSpd0.1 DumpSpd1\n",
     {}},
};

#define NORVAK_BUTTON(name) {"Norvak_Instr", name, &families[0], 250}
#define STELVAR_BUTTON(name) {"Stelvar_Instr", name, &families[0], 190}

constexpr ParameterGauge gauges[] = {
    NORVAK_BUTTON("Invisible_Toggle"),
    NORVAK_BUTTON("Fuel_Toggle"),
    NORVAK_BUTTON("Close_Subpanel"),
    NORVAK_BUTTON("Radios_Toggle"),
    NORVAK_BUTTON("Show_Yoke"),
    NORVAK_BUTTON("Landing_View_Toggle"),
    NORVAK_BUTTON("Nav_Instruments_Toggle"),
    NORVAK_BUTTON("GPS_Toggle"),
    NORVAK_BUTTON("Throttle_Toggle"),
    NORVAK_BUTTON("Overhead_Toggle"),
    NORVAK_BUTTON("Compass_Toggle"),
    NORVAK_BUTTON("Electricity_Toggle"),
    NORVAK_BUTTON("Gear_Toggle"),
    NORVAK_BUTTON("Starter_Toggle"),
    NORVAK_BUTTON("Bombardier_View_Toggle"),
    NORVAK_BUTTON("Drop_Water_Toggle"),
    {"Norvak_Instr", "Registration", &families[1]},
    {"Norvak_Instr", "Fuel_Flow", &families[2]},
    {"Norvak_Instr", "Oil_Quantity", &families[2]},
    {"Norvak_Instr", "Cowl_Flaps_Position", &families[2]},
    {"Norvak_Instr", "Water_System", &families[3]},
    STELVAR_BUTTON("Invisible_Toggle"),
    STELVAR_BUTTON("Radios_Toggle"),
    STELVAR_BUTTON("GPS_Toggle"),
    STELVAR_BUTTON("Electricity_Toggle"),
    STELVAR_BUTTON("Throttle_Toggle"),
    STELVAR_BUTTON("Close_Subpanel"),
    STELVAR_BUTTON("Landing_View_Toggle"),
    STELVAR_BUTTON("Clock_Toggle"),
    STELVAR_BUTTON("Compass_Toggle"),
    STELVAR_BUTTON("Lights_Toggle"),
    {"Stelvar_Instr", "Registration", &families[1]},
};

#undef NORVAK_BUTTON
#undef STELVAR_BUTTON

// ---------------------------------------------------------------------------------------------
// Reading texts

constexpr char comment_characters[] = "/#'";

bool separator(char c) { return c == ' ' || c == '\t' || c == ',' || c == ';'; }
bool starts_word(const std::string& text, size_t at) { return at == 0 || separator(text[at - 1]); }

size_t comment_start(const std::string& text)
{
    size_t at = text.find_first_of(comment_characters);
    return at == std::string::npos ? text.size() : at;
}

// The word around position at.
std::string word_at(const std::string& text, size_t at)
{
    size_t b = at, e = at;
    while (b > 0 && !separator(text[b - 1]))
        --b;
    while (e < text.size() && !separator(text[e]))
        ++e;
    return text.substr(b, e - b);
}

size_t word_end(const std::string& text, size_t at)
{
    while (at < text.size() && !separator(text[at]))
        ++at;
    return at;
}

struct Word {
    size_t      at;
    std::string text;
};

// The words of text[from, to).
std::vector<Word> words_of(const std::string& text, size_t from, size_t to)
{
    std::vector<Word> words;
    for (size_t i = from; i < to;) {
        if (separator(text[i])) {
            ++i;
            continue;
        }
        size_t e = std::min(word_end(text, i), to);
        words.push_back({i, text.substr(i, e - i)});
        i = e;
    }
    return words;
}

bool starts_with_digits(std::string_view v)
{
    size_t i = 0;
    if (i < v.size() && (v[i] == '-' || v[i] == '+'))
        ++i;
    return i < v.size() && std::isdigit(static_cast<unsigned char>(v[i]));
}

// Length of the leading number of v as atoi reads it (sign and digits), 0 when there is none.
size_t number_length(std::string_view v)
{
    size_t i = 0;
    if (i < v.size() && (v[i] == '-' || v[i] == '+'))
        ++i;
    size_t digits = i;
    while (digits < v.size() && std::isdigit(static_cast<unsigned char>(v[digits])))
        ++digits;
    return digits == i ? 0 : digits;
}

std::string help_description(unsigned id)
{
    for (const auto& [name, value] : help_names())
        if (value == id)
            return hex(id) + " (" + name + ")";
    return id == 0 ? "none" : hex(id);
}

class Findings {
public:
    explicit Findings(std::string_view gauge) : gauge_(gauge) {}
    void error(const std::string& m) { list_.push_back({Severity::error, gauge_ + ": " + m}); }
    void warning(const std::string& m) { list_.push_back({Severity::warning, gauge_ + ": " + m}); }
    std::vector<ParameterFinding> take() { return std::move(list_); }

private:
    std::string                   gauge_;
    std::vector<ParameterFinding> list_;
};

// Where the letter acts and what it does there.
struct Acting {
    char        key;
    size_t      at;
    std::string effect;   // "" when it does nothing
};

// Letters acting inside words, one message per word: what each does, what that comes to, and
// what to write instead.
void report_inside_words(const std::string& text, const std::vector<Acting>& acting, Findings& out,
                         const std::string& consequence, const std::string& advice)
{
    std::map<size_t, std::vector<const Acting*>> by_word;
    for (const Acting& a : acting)
        if (!starts_word(text, a.at) && !a.effect.empty()) {
            size_t b = a.at;
            while (b > 0 && !separator(text[b - 1]))
                --b;
            by_word[b].push_back(&a);
        }
    for (const auto& [start, letters] : by_word) {
        std::vector<std::string> keys;
        std::string              effects;
        for (const Acting* a : letters) {
            keys.push_back(std::string(1, a->key));
            effects += (effects.empty() ? "" : "; ") + std::string(1, a->key) + " " + a->effect;
        }
        out.error("in " + in_quotes(word_at(text, start)) + " the letter" + (keys.size() > 1 ? "s " : " ") + joined(keys) +
                  (keys.size() > 1 ? " act" : " acts") + " as option" + (keys.size() > 1 ? "s" : "") +
                  " all the same: " + effects + (consequence.empty() ? "" : ", so " + consequence) + ". " + advice);
    }
}

void report_commented_options(const std::string& text, const std::string& keys, Findings& out)
{
    size_t c = comment_start(text);
    if (c >= text.size())
        return;
    std::vector<std::string> options;
    for (const Word& w : words_of(text, c + 1, text.size()))
        if (w.text.size() >= 2 && keys.find(w.text[0]) != std::string::npos &&
            (std::isupper(static_cast<unsigned char>(w.text[1])) || starts_with_digits(w.text.substr(1))))
            options.push_back(in_quotes(w.text));
    if (!options.empty())
        out.warning("everything from the " + in_quotes(std::string(1, text[c])) + " at column " + std::to_string(c + 1) +
                    " is a comment, so " + joined(options) + " " + (options.size() > 1 ? "are" : "is") + " not read");
}

// ---------------------------------------------------------------------------------------------
// Buttons

std::string window_suggestion(const std::string& value)
{
    std::vector<std::string> candidates;
    std::string              word = value.substr(0, std::min(value.size(), word_end(value, 0)));
    std::vector<std::string> names;
    for (const auto& [name, id] : window_names()) {
        names.push_back(name);
        std::string shortened = name.substr(0, name.rfind("_PANEL"));
        if (lower_case(shortened) == lower_case(word))
            return "did you mean " + name + "?";
    }
    return did_you_mean(nearest_names(upper_case(word), names));
}

// The effect of a window option letter at a position, "" when it sends nothing.
std::string window_effect(char key, const char* value)
{
    int id = panel_window_id(value);
    if (id < 0)
        return "";
    switch (key) {
    case 'o': return "opens " + describe_window(id) + " at every click";
    case 'c': return "closes " + describe_window(id) + " at every click";
    case 't': return "toggles " + describe_window(id) + " at every click";
    default: return "closes " + describe_window(id) + " when the panel first comes up";
    }
}

std::string view_effect(const char* value)
{
    int n = option_number(value);
    if (n == 0)
        return "sends the home-view event at every click";
    int steps = std::min(std::abs(n), view_step_limit);
    return "steps the view " + std::to_string(steps) + (n > 0 ? " forward" : " back") + " at every click";
}

void check_window_value(char key, const std::string& text, size_t at, Findings& out)
{
    std::string value = text.substr(at + 1);
    std::string word  = word_at(text, at);
    if (value.empty() || separator(value[0])) {
        std::string effect = window_effect(key, value.c_str());
        if (effect.empty())
            out.warning(in_quotes(std::string(1, key)) + " names no window, so it does nothing: write the window right "
                        "after the letter (" + std::string(1, key) + "GPS_PANEL)");
        else
            out.error(in_quotes(std::string(1, key)) + " is followed by a blank, so it reads the window from what comes "
                      "next and " + effect + ": write the window right after the letter (" + std::string(1, key) +
                      "GPS_PANEL)");
        return;
    }
    for (const auto& [name, id] : window_names()) {
        if (!value.starts_with(name))
            continue;
        std::string rest = value.substr(name.size(), word_end(value, 0) - name.size());
        if (!rest.empty())
            out.warning(in_quotes(word) + " is read as " + name + " (window " + std::to_string(id) +
                        "): a window name counts by its beginning, so " + in_quotes(rest) + " is ignored");
        return;
    }
    if (starts_with_digits(value)) {
        int         id   = option_number(value.c_str());
        std::string rest = value.substr(number_length(value), word_end(value, 0) - number_length(value));
        if (id < 0)
            out.warning(in_quotes(word) + " names a negative window, so it does nothing");
        else if (!rest.empty() && !std::isupper(static_cast<unsigned char>(rest[0])))
            out.warning(in_quotes(word) + " is read as window " + std::to_string(id) + ": " + in_quotes(rest) +
                        " after the number is not part of it");
        return;
    }
    std::string hint = window_suggestion(value);
    out.error(in_quotes(value.substr(0, word_end(value, 0))) + " is no window name, so " + std::string(1, key) +
              " reads it as window 0 and " + window_effect(key, value.c_str()) + (hint.empty() ? "" : "; " + hint) +
              " (window names are written in capitals; other windows by their number)");
}

void check_button(const ParameterGauge& row, const std::string& text, Findings& out)
{
    const size_t      end  = comment_start(text);
    const std::string keys = "octpabh";
    std::vector<Acting> acting;
    // o, c and t act at every occurrence, the others at the first: as the buttons read them.
    for (char key : std::string("oct")) {
        const char k[2] = {key, 0};
        for (size_t from = 0;;) {
            std::ptrdiff_t at = find_option(text.c_str() + from, k);
            if (at == option_not_found)
                break;
            size_t pos = from + static_cast<size_t>(at);
            acting.push_back({key, pos, window_effect(key, text.c_str() + pos + 1)});
            from = pos + 1;
        }
    }
    std::optional<size_t> face_at;
    bool                  face_ok = true;
    for (char key : std::string("pabh")) {
        const char     k[2] = {key, 0};
        std::ptrdiff_t at   = find_option(text.c_str(), k);
        if (at == option_not_found)
            continue;
        size_t      pos   = static_cast<size_t>(at);
        const char* value = text.c_str() + pos + 1;
        std::string effect;
        if (key == 'p')
            effect = view_effect(value);
        else if (key == 'a')
            effect = window_effect('a', value);
        else if (key == 'b') {
            int n   = option_number(value);
            face_at = pos;
            face_ok = n % button_face_step == 0 && n >= lowest_button_face && n <= row.highest_face;
            effect  = face_ok ? "gives the button face " + std::to_string(n)
                              : "names face " + std::to_string(n) + ", which is no face, so the h option is ignored";
        } else {
            effect = face_ok ? "sets the help topic to " + help_description(help_id_from_text(value)) : "";
        }
        acting.push_back({key, pos, effect});
    }
    std::sort(acting.begin(), acting.end(), [](const Acting& a, const Acting& b) { return a.at < b.at; });
    report_inside_words(text, acting, out, "",
                        "Option letters act wherever they stand; write window and help names in capitals "
                        "(tCOMPASS_PANEL)");

    std::set<size_t> acting_at;
    for (const Acting& a : acting)
        acting_at.insert(a.at);
    for (const Word& w : words_of(text, 0, end)) {
        char key = w.text[0];
        if (keys.find(key) == std::string::npos) {
            bool has_acting = std::any_of(acting.begin(), acting.end(),
                                          [&](const Acting& a) { return a.at > w.at && a.at < w.at + w.text.size(); });
            if (has_acting)
                continue;   // reported above
            if (std::islower(static_cast<unsigned char>(key)))
                out.warning(in_quotes(w.text) + ": " + std::string(1, key) + " is no option of this button (options: " +
                            joined({"o", "c", "t", "p", "a", "b", "h"}) + "), so it is ignored");
            else
                out.warning(in_quotes(w.text) + " follows no option letter and is ignored: write o" + w.text + ", c" +
                            w.text + " or t" + w.text + " to open, close or toggle a window");
            continue;
        }
        if (!acting_at.count(w.at)) {
            out.warning("only the first " + std::string(1, key) + " of a text counts, so " + in_quotes(w.text) + " is ignored");
            continue;
        }
        const std::string value = text.substr(w.at + 1);
        switch (key) {
        case 'o':
        case 'c':
        case 't':
        case 'a': check_window_value(key, text, w.at, out); break;
        case 'p': {
            if (!value.empty() && separator(value[0]) && w.text.size() == 1)
                break;   // p alone: the home view
            std::string after = value.substr(0, word_end(value, 0));
            if (!after.empty() && !starts_with_digits(after))
                out.error(in_quotes(w.text) + " starts with p, which reads no number there, so it " + view_effect(value.c_str()));
            else if (std::abs(static_cast<long long>(option_number(value.c_str()))) > view_step_limit)
                out.warning(in_quotes(w.text) + ": at most " + std::to_string(view_step_limit) + " view steps are taken per click");
            break;
        }
        case 'b': {
            int n = option_number(value.c_str());
            if (!face_ok)
                out.error(in_quotes(w.text) + ": " + std::to_string(n) + " is not a face of this module (" +
                          std::to_string(lowest_button_face) + " to " + std::to_string(row.highest_face) +
                          " in steps of " + std::to_string(button_face_step) +
                          "), so the button keeps its own face and the h option of this text is ignored as well");
            break;
        }
        case 'h': {
            if (!face_ok)
                break;
            unsigned id = help_id_from_text(value.c_str());
            if (id == 0) {
                std::vector<std::string> names;
                for (const auto& [name, v] : help_names())
                    names.push_back(name);
                std::string hint = did_you_mean(nearest_names(upper_case(value.substr(0, word_end(value, 0))), names));
                out.warning(in_quotes(w.text) + " names neither a help topic nor a help id of at least 40960, so the button "
                            "loses its help topic" + (hint.empty() ? "" : "; " + hint));
            }
            break;
        }
        }
    }
    report_commented_options(text, keys, out);
}

// ---------------------------------------------------------------------------------------------
// Registration

void check_registration(const std::string& text, Findings& out)
{
    const std::ptrdiff_t f      = find_option(text.c_str(), "f");
    const size_t         length = f == option_not_found ? text.size() : static_cast<size_t>(f);
    const bool           fixed  = find_option(text.c_str(), "t") == 0;
    unsigned             colour[3] = {255, 255, 255};
    std::vector<Acting>  acting;
    const char*          names[3] = {"red", "green", "blue"};
    const char*          keys[3]  = {"r", "g", "b"};
    for (int i = 0; i < 3; ++i) {
        std::ptrdiff_t at = find_option(text.c_str(), length, keys[i]);
        if (at == option_not_found)
            continue;
        auto n    = static_cast<uint32_t>(option_number(text.c_str() + at + 1));
        colour[i] = n > 255 ? 255 : n;
        acting.push_back({keys[i][0], static_cast<size_t>(at),
                          "sets the " + std::string(names[i]) + " of the lettering to " + std::to_string(colour[i])});
    }
    if (f != option_not_found)
        acting.push_back({'f', static_cast<size_t>(f),
                          "starts the font name, so the font becomes " + in_quotes(text.substr(f + 1)) +
                              " and nothing after it is read as an option"});
    std::sort(acting.begin(), acting.end(), [](const Acting& a, const Acting& b) { return a.at < b.at; });
    const bool colour_inside = std::any_of(acting.begin(), acting.end(), [&](const Acting& a) {
        return a.key != 'f' && !starts_word(text, a.at);
    });
    const std::string colour_text = colour_inside ? "the lettering is drawn in red " + std::to_string(colour[0]) + ", green " +
                                                        std::to_string(colour[1]) + ", blue " + std::to_string(colour[2])
                                                  : "";
    report_inside_words(text, acting, out, colour_text,
                        "The plate reads r, g, b and f wherever they stand; write the registration in capitals (" +
                            (fixed ? "t" + upper_case(text.substr(1, word_end(text, 0) - 1)) : std::string("tN123")) +
                            ")");

    // The shown text: the first word after the t, up to the font option, at most 7 characters.
    if (fixed) {
        std::string shown = text.substr(1, length - 1);
        std::string word  = shown.substr(0, std::min(shown.find(' '), shown.size()));
        if (shown.size() > plate_characters && word.size() > plate_characters)
            out.warning("the plate shows " + std::to_string(plate_characters) + " characters: " +
                        in_quotes(word.substr(0, plate_characters)) + " of " + in_quotes(word));
    }
    std::set<size_t> acting_at;
    for (const Acting& a : acting)
        acting_at.insert(a.at);
    const size_t words_end = std::min(comment_start(text), length);
    for (const Word& w : words_of(text, 0, words_end)) {
        char key = w.text[0];
        if (w.at == 0 && fixed)
            continue;
        if (std::string("rgb").find(key) != std::string::npos && acting_at.count(w.at)) {
            std::string value = w.text.substr(1);
            if (!starts_with_digits(value))
                out.warning(in_quotes(w.text) + " holds no number, so it sets 0");
            else if (option_number(value.c_str()) > 255 || option_number(value.c_str()) < 0)
                out.warning(in_quotes(w.text) + " lies outside 0 to 255, so it gives 255");
            continue;
        }
        if (key == 't') {
            out.warning(in_quotes(w.text) + ": t counts only as the very first letter of the text, so the plate shows the "
                        "ATC identifier");
            continue;
        }
        bool has_acting = std::any_of(acting.begin(), acting.end(),
                                      [&](const Acting& a) { return a.at >= w.at && a.at < w.at + w.text.size(); });
        if (has_acting)
            continue;
        if (fixed && w.at > 0 && std::isupper(static_cast<unsigned char>(key)))
            out.warning("the plate shows the first word of the t text only, so " + in_quotes(w.text) +
                        " is not shown; join the words with an underscore, which shows as a blank");
        else
            out.warning(in_quotes(w.text) + " is no option of the plate (t, r, g, b, f), so it is ignored");
    }
    if (f != option_not_found && starts_word(text, static_cast<size_t>(f))) {
        std::string font = text.substr(f + 1);
        for (const Word& w : words_of(font, 0, font.size()))
            if (w.text.size() >= 2 && std::string("rgbt").find(w.text[0]) != std::string::npos &&
                (starts_with_digits(w.text.substr(1)) || std::isupper(static_cast<unsigned char>(w.text[1])))) {
                out.error("f must be the last option: everything after it becomes the font name " + in_quotes(font) +
                          ", so " + in_quotes(w.text) + " is not read as an option; move the font to the end");
                break;
            }
        if (font.empty())
            out.warning("f names no font");
        else if (font.size() > font_name_characters)
            out.warning("the font name " + in_quotes(font) + " is cut to " + std::to_string(font_name_characters) +
                        " characters");
    }
    report_commented_options(text, "trgbf", out);
}

// ---------------------------------------------------------------------------------------------
// Engine gauges

void check_engine(const std::string& text, Findings& out)
{
    const size_t end = comment_start(text);
    std::set<char> digits;
    for (size_t i = 0; i < end; ++i)
        if (std::isdigit(static_cast<unsigned char>(text[i])))
            digits.insert(text[i]);
    int engine = 0;
    for (char d : std::string("1234"))
        if (find_option(text.c_str(), std::string(1, d).c_str()) != option_not_found) {
            engine = d - '0';
            break;
        }
    std::vector<std::string> engines;
    for (char d : digits)
        if (d >= '1' && d <= '4')
            engines.push_back(std::string(1, d));
    if (engine == 0) {
        std::string before = trimmed(text.substr(0, end));
        if (!digits.empty())
            out.error(in_quotes(before) + " names no engine from 1 to 4, so the gauge shows engine 1; write 1, 2, 3 or 4");
        else if (!before.empty())
            out.warning(in_quotes(before) + " holds no engine number, so the gauge shows engine 1; write 1, 2, 3 or 4");
        return;
    }
    if (engines.size() > 1)
        out.warning("the digits " + joined(engines) + " all appear: a 1 anywhere wins, then 2, 3 and 4, so the gauge "
                    "shows engine " + std::to_string(engine));
}

// ---------------------------------------------------------------------------------------------
// Water system

void check_water(const OptionFamily& f, const std::string& text, Findings& out)
{
    std::map<std::string, double> value;
    std::vector<std::string>      keys;
    for (const ParameterOption& o : f.options) {
        keys.push_back(o.key);
        value[o.key] = std::strtod(o.fallback, nullptr);
    }
    // Every key where the system finds it: the first occurrence anywhere in the text.
    std::vector<std::pair<size_t, size_t>> claimed;   // [from, to) read as a key and its number
    for (const ParameterOption& o : f.options) {
        const std::string key = o.key;
        size_t            at  = text.find(key);
        if (at == std::string::npos)
            continue;
        size_t      after = at + key.size();
        const char* start = text.c_str() + after;
        char*       stop  = nullptr;
        double      v     = std::strtod(start, &stop);
        claimed.push_back({at, static_cast<size_t>(stop - text.c_str())});
        if (*start == '\0') {
            out.warning(key + " at the end of the text has no number, so it keeps its default " + o.fallback);
        } else if (stop == start) {
            size_t from = after;
            while (from < text.size() && separator(text[from]))
                ++from;
            const size_t to = std::min(word_end(text, from), from + 12);
            out.error(key + " is followed by " + in_quotes(trimmed(text.substr(after, to - after))) +
                      ", not a number, so it is set to 0; write the number right after the key (" + key + "8)");
            value[key] = 0.0;
        } else {
            value[key] = v;
        }
        if (size_t again = text.find(key, after); again != std::string::npos)
            out.warning(key + " is given again at column " + std::to_string(again + 1) + ": only the first counts");
    }
    // Words that hold no key: misspelt keys, or numbers that follow none.
    for (const Word& w : words_of(text, 0, text.size())) {
        bool read = std::any_of(claimed.begin(), claimed.end(),
                                [&](const auto& c) { return c.first < w.at + w.text.size() && c.second > w.at; });
        if (read)
            continue;
        size_t      letters = 0;
        while (letters < w.text.size() && std::isalpha(static_cast<unsigned char>(w.text[letters])))
            ++letters;
        std::string name = w.text.substr(0, letters);
        if (name.empty()) {
            out.warning(in_quotes(w.text) + " follows no setting and is ignored");
            continue;
        }
        auto exact = std::find_if(keys.begin(), keys.end(), [&](const std::string& k) { return lower_case(k) == lower_case(name); });
        if (exact != keys.end()) {
            out.error(in_quotes(w.text) + " is not read: the keys are written exactly as " + *exact + " (upper and lower "
                      "case matter), so " + *exact + " keeps its default " + format_number(value[*exact]));
            continue;
        }
        auto close_names = nearest_names(name, keys);
        if (!close_names.empty())
            out.error("unknown setting " + in_quotes(name) + " in " + in_quotes(w.text) + ": " + did_you_mean(close_names) + " " +
                      close_names[0] + " keeps its default " + format_number(value[close_names[0]]));
        else
            out.warning(in_quotes(w.text) + " is no water setting and is ignored (settings: " + joined(keys) + ")");
    }
    auto window = [&](const char* low, const char* high, const char* what) {
        if (value[low] > value[high])
            out.error(std::string(low) + " " + format_number(value[low]) + " is above " + high + " " +
                      format_number(value[high]) + ": no " + what + " lies between them, so the tanks never fill");
    };
    window("MinSAlt", "MaxSAlt", "height");
    window("MinSSpd", "MaxSSpd", "speed");
    if (value["ScoopSpd"] <= 0)
        out.warning("ScoopSpd " + format_number(value["ScoopSpd"]) + ": the tanks never fill");
    if (value["DumpSpd"] <= 0)
        out.warning("DumpSpd " + format_number(value["DumpSpd"]) + ": the water is never dropped");
}

}  // namespace

std::span<const OptionFamily>   option_families() { return families; }
std::span<const ParameterGauge> parameter_gauges() { return gauges; }

const ParameterGauge* parameter_gauge(std::string_view module, std::string_view gauge)
{
    for (const ParameterGauge& g : gauges)
        if (module == g.module && gauge == g.gauge)
            return &g;
    return nullptr;
}

std::string option_keys(const ParameterGauge* gauge)
{
    if (gauge == nullptr)
        return "";
    std::string keys;
    for (const ParameterOption& o : gauge->family->options)
        keys += (keys.empty() ? "" : " ") + std::string(o.key);
    return keys;
}

namespace {

// The ids of one kind whose upper-case name the given reader turns back into the same value, in
// the order of the ids header.
template <class Value, class Reader>
std::vector<std::pair<std::string, Value>> names_read_back(IdKind kind, Reader read)
{
    std::vector<std::pair<std::string, Value>> names;
    for (const NamedId& id : named_ids)
        if (id.kind == kind) {
            std::string name = upper_case(id.name);
            if (read(name.c_str()) == static_cast<Value>(id.value))
                names.push_back({name, static_cast<Value>(id.value)});
        }
    return names;
}

}  // namespace

std::vector<std::pair<std::string, int>> window_names()
{
    return names_read_back<int>(IdKind::panel_window, [](const char* name) { return int{panel_window_id(name)}; });
}

std::vector<std::pair<std::string, unsigned>> help_names()
{
    return names_read_back<unsigned>(IdKind::help, [](const char* name) { return unsigned{help_id_from_text(name)}; });
}

std::string panel_window_name(int id)
{
    for (const auto& [name, value] : window_names())
        if (value == id)
            return name;
    return "";
}

std::string describe_window(int id)
{
    std::string name = panel_window_name(id);
    return "window " + std::to_string(id) + (name.empty() ? "" : " (" + name + ")");
}

std::vector<ParameterFinding> check_parameter_text(const ParameterGauge* gauge, std::string_view gauge_name,
                                                   const std::string& text)
{
    Findings out(gauge_name);
    if (trimmed(text).empty())
        return {};
    if (gauge == nullptr) {
        out.warning("this gauge reads no parameter text, so " + in_quotes(text) + " is ignored");
        return out.take();
    }
    std::string id = gauge->family->id;
    if (id == "button")
        check_button(*gauge, text, out);
    else if (id == "registration")
        check_registration(text, out);
    else if (id == "engine")
        check_engine(text, out);
    else if (id == "water")
        check_water(*gauge->family, text, out);
    return out.take();
}

}  // namespace host

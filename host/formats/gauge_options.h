// The parameter texts the gauges read: which gauge reads which options, what each option does, and
// a checker that tells a panel designer what a given text will really do. One table, read by
// gauge-host list, the generated docs/parameters.md and gauge-host check.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/formats/panel_config.h"

namespace host {

// One option of a parameter text.
struct ParameterOption {
    const char* key;      // as written: "o", "MinSAlt", "1" to "4" as "1-4"
    const char* value;    // what follows the key: "window", "0 to 255"
    const char* effect;   // what it does
    const char* fallback; // the value when absent, or ""
};

// The options that a family of gauges reads, and how the gauges find them in the text.
struct OptionFamily {
    const char*                      id;      // "button", "registration", "engine", "water"
    const char*                      title;   // "Panel buttons"
    std::span<const ParameterOption> options;
    const char*                      reading; // how the text is read, for the docs (markdown)
    const char*                      examples; // panel.cfg lines, one a line
    std::span<const char* const>     samples;  // texts the reference runs the gauges with
};

// A gauge that reads a parameter text.
struct ParameterGauge {
    const char*         module;
    const char*         gauge;
    const OptionFamily* family;
    int                 highest_face = 0;   // buttons: faces run from 100 to this in steps of 10
};

std::span<const OptionFamily>   option_families();
std::span<const ParameterGauge> parameter_gauges();
// The row of a gauge, or null for a gauge that reads no parameter text.
const ParameterGauge* parameter_gauge(std::string_view module, std::string_view gauge);
// "o c t p a b h", or "" for a gauge that reads none.
std::string option_keys(const ParameterGauge* gauge);

// The lowest face of the panel buttons, and their step.
inline constexpr int lowest_button_face = 100;
inline constexpr int button_face_step   = 10;
// The most view steps a button takes per click.
inline constexpr int view_step_limit = 100;
// The registration plate shows this many characters; its font name holds this many.
inline constexpr size_t plate_characters   = 7;
inline constexpr size_t font_name_characters = 31;

// The name of a panel window as the parameter texts write it ("MAIN_PANEL"), or "".
std::string panel_window_name(int id);
// "window 0 (MAIN_PANEL)", "window 9001"
std::string describe_window(int id);
// Window names and help names that the parameter texts accept, in the order they are tried.
std::vector<std::pair<std::string, int>> window_names();
std::vector<std::pair<std::string, unsigned>> help_names();

struct ParameterFinding {
    Severity    severity;
    std::string message;
};

// What the text given to a gauge will do that its writer likely did not mean: unknown options,
// option letters inside words that act all the same, values out of range, misspelt keys.
// gauge is the table row, or null for a gauge that reads no parameter text.
std::vector<ParameterFinding> check_parameter_text(const ParameterGauge* gauge, std::string_view gauge_name,
                                                   const std::string& text);

}  // namespace host

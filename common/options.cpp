// Option finder and value readers of parameter texts.
#include "options.h"

#include <algorithm>
#include <initializer_list>
#include <cstring>

#include "frame/sim_ids.h"

namespace {

// The names an option value may use instead of a number. Looked up in this order; a name matches
// when the value begins with it.
struct OptionName {
    const char* name;
    uint32_t    value;
};

constexpr OptionName panel_windows[] = {
    {"MAIN_PANEL", panel_window::main_panel},
    {"RADIO_STACK_PANEL", panel_window::radio_stack_panel},
    {"COMPASS_PANEL", panel_window::compass_panel},
    {"ANNUNCIATOR_PANEL", panel_window::annunciator_panel},
    {"ANNUNCIATOR2_PANEL", panel_window::annunciator2_panel},
    {"COLLECTIVE_PANEL", panel_window::collective_panel},
    {"THROTTLE_PANEL", panel_window::throttle_panel},
    {"MINI_CONTROLS_PANEL", panel_window::mini_controls_panel},
    {"IFR_MAIN_PANEL", panel_window::ifr_main_panel},
    {"GPS_PANEL", panel_window::gps_panel},
    {"OVERHEAD_PANEL", panel_window::overhead_panel},
};

constexpr OptionName help_names[] = {
    {"TOGGLE_RADIO_WINDOW", help::toggle_radio_window},
    {"TOGGLE_GPS_WINDOW", help::toggle_gps_window},
    {"TOGGLE_THROTTLE_WINDOW", help::toggle_throttle_window},
    {"TOGGLE_COMPASS_WINDOW", help::toggle_compass_window},
    {"TOGGLE_FUEL_WINDOW", help::toggle_fuel_window},
    {"TOGGLE_COLLECTIVE_WINDOW", help::toggle_collective_window},
};

constexpr uint32_t lowest_numbered_help_id = 0xA000;

bool begins_with(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

template <std::size_t N>
const OptionName* named_in(const char* text, const OptionName (&names)[N])
{
    for (const OptionName& n : names)
        if (begins_with(text, n.name))
            return &n;
    return nullptr;
}

std::ptrdiff_t first_of(const char* text, std::size_t length, char c)
{
    const void* hit = std::memchr(text, c, length);
    return hit ? static_cast<const char*>(hit) - text : option_not_found;
}

}  // namespace

std::ptrdiff_t find_option(const char* text, std::size_t length, const char* key)
{
    if (text == nullptr || key == nullptr || key[0] == '\0')
        return option_not_found;
    std::ptrdiff_t at = first_of(text, length, key[0]);
    if (at == option_not_found)
        return option_not_found;
    for (char comment : {'/', '#', '\''}) {
        std::ptrdiff_t c = first_of(text, length, comment);
        if (c != option_not_found && c < at)
            return option_not_found;
    }
    return at;
}

std::ptrdiff_t find_option(const char* text, const char* key)
{
    return text ? find_option(text, std::strlen(text), key) : option_not_found;
}

int32_t option_number(const char* text)
{
    if (text == nullptr)
        return 0;
    while (*text == ' ' || (*text >= '\t' && *text <= '\r'))
        ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    int64_t magnitude = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        magnitude = std::min<int64_t>(magnitude * 10 + (*text - '0'), int64_t{INT32_MAX} + 1);
    return static_cast<int32_t>(std::clamp<int64_t>(negative ? -magnitude : magnitude, INT32_MIN, INT32_MAX));
}

int32_t panel_window_id(const char* text)
{
    if (text == nullptr || text[0] == '\0')
        return -1;
    if (const OptionName* window = named_in(text, panel_windows))
        return static_cast<int32_t>(window->value);
    return option_number(text);
}

uint32_t help_id_from_text(const char* text)
{
    if (text == nullptr || text[0] == '\0')
        return 0;
    if (const OptionName* help = named_in(text, help_names))
        return help->value;
    int32_t n = option_number(text);
    return n >= static_cast<int32_t>(lowest_numbered_help_id) ? static_cast<uint32_t>(n) : 0;
}

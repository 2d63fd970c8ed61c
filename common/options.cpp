// Option finder and value readers of parameter texts.
#include "options.h"

#include <algorithm>
#include <initializer_list>
#include <cstring>

namespace {

struct NamedWindow {
    const char* name;
    int32_t     id;
};

// Looked up in this order; a name matches when the value begins with it.
constexpr NamedWindow panel_windows[] = {
    {"MAIN_PANEL", 0},
    {"RADIO_STACK_PANEL", 50},
    {"COMPASS_PANEL", 75},
    {"ANNUNCIATOR_PANEL", 125},
    {"ANNUNCIATOR2_PANEL", 150},
    {"COLLECTIVE_PANEL", 200},
    {"THROTTLE_PANEL", 10},
    {"MINI_CONTROLS_PANEL", 100},
    {"IFR_MAIN_PANEL", 175},
    {"GPS_PANEL", 225},
    {"OVERHEAD_PANEL", 250},
};

struct NamedHelp {
    const char* name;
    uint32_t    id;
};

constexpr NamedHelp help_names[] = {
    {"TOGGLE_RADIO_WINDOW", 0xAB86},
    {"TOGGLE_GPS_WINDOW", 0xAB87},
    {"TOGGLE_THROTTLE_WINDOW", 0xAB88},
    {"TOGGLE_COMPASS_WINDOW", 0xAB89},
    {"TOGGLE_FUEL_WINDOW", 0xAB8A},
    {"TOGGLE_COLLECTIVE_WINDOW", 0xAB8B},
};

constexpr uint32_t lowest_numbered_help_id = 0xA000;

bool begins_with(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

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
    for (const NamedWindow& w : panel_windows)
        if (begins_with(text, w.name))
            return w.id;
    return option_number(text);
}

uint32_t help_id_from_text(const char* text)
{
    if (text == nullptr || text[0] == '\0')
        return 0;
    for (const NamedHelp& h : help_names)
        if (begins_with(text, h.name))
            return h.id;
    int32_t n = option_number(text);
    return n >= static_cast<int32_t>(lowest_numbered_help_id) ? static_cast<uint32_t>(n) : 0;
}

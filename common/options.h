// Parameter texts: the option finder and the readers of option values that the panel buttons,
// the registration plate and the engine gauges share.
//
// A parameter text is a run of one-letter options, each followed directly by its value
// ("oGPS_PANEL cGPS_PANEL"). Everything after the first '/', '#' or apostrophe is a comment.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::ptrdiff_t option_not_found = -1;

// Position of the first occurrence of key (one letter) in the text, or option_not_found when the
// key is absent or a comment character comes before it. Only the first length characters count.
std::ptrdiff_t find_option(const char* text, const char* key);
std::ptrdiff_t find_option(const char* text, std::size_t length, const char* key);

// A number read the way atoi reads one: leading blanks, an optional sign, decimal digits; no
// digits give 0. Values beyond the 32-bit range stop at its ends.
int32_t option_number(const char* text);

// Panel window identifier named by a window name or number; -1 for a null or empty text.
int32_t panel_window_id(const char* text);

// Host help id named by a help name or a number of at least 0xA000; 0 otherwise.
uint32_t help_id_from_text(const char* text);

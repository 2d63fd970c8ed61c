// Numbers as the host reads and writes them: the same text in every build.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "frame/sim_ids.h"

namespace host {

// Shortest round-trip form.
std::string format_number(double value);
std::string hex(uint32_t value);

// Numbers as scripts and command lines write them: decimal or 0x hexadecimal ids, decimal values.
// An id may also be written by its name in the ids header ("airspeed", "battery_toggle"), looked up
// among the ids of its kind. Throws HostError naming the word.
uint32_t parse_id(const std::string& word, IdKind kind);
uint32_t parse_token(const std::string& word);   // parse_id(word, IdKind::token)
uint32_t parse_u32(const std::string& word);     // a number only
double   parse_value(const std::string& word);

// The ids header's entry for a number or a name of a kind, or null.
const NamedId* find_id(IdKind kind, uint32_t value);
const NamedId* find_id(IdKind kind, std::string_view name);

// An id as traces print it: the number (decimal for panel windows, else 0x hexadecimal) and, when
// the ids header names it, the name beside it: "0x3D (airspeed)".
std::string id_text(IdKind kind, uint32_t value);

}  // namespace host

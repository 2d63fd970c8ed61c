// Numbers as the host reads and writes them: the same text in every build.
#pragma once

#include <cstdint>
#include <string>

namespace host {

// Shortest round-trip form.
std::string format_number(double value);
std::string hex(uint32_t value);

// Numbers as scripts and command lines write them: decimal or 0x hexadecimal tokens, decimal
// values. Throws HostError naming the word.
uint32_t parse_token(const std::string& word);
double   parse_value(const std::string& word);

}  // namespace host

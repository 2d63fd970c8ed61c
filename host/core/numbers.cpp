#include "host/core/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "host/core/module.h"

namespace host {

std::string format_number(double value)
{
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    if (ec != std::errc())
        return "?";
    return std::string(buf, end);
}

std::string hex(uint32_t value)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", value);
    return buf;
}

uint32_t parse_token(const std::string& word)
{
    const char* b    = word.c_str();
    const char* e    = b + word.size();
    int         base = 10;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        b += 2;
        base = 16;
    }
    uint32_t v = 0;
    auto [p, ec] = std::from_chars(b, e, v, base);
    if (ec != std::errc() || p != e || b == e)
        throw HostError("bad token '" + word + "'");
    return v;
}

double parse_value(const std::string& word)
{
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X'))
        return static_cast<double>(parse_token(word));
    double v = 0;
    auto [p, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
    if (ec != std::errc() || p != word.data() + word.size() || word.empty() || !std::isfinite(v))
        throw HostError("bad number '" + word + "'");
    return v;
}

}  // namespace host

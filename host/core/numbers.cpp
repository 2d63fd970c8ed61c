#include "host/core/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "frame/sim_ids.h"
#include "host/core/module.h"
#include "host/core/text_tools.h"

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
    if (ec == std::errc() && p == e && b != e)
        return v;
    // A name of the ids header: variables first, then events, panel windows, interface offsets.
    for (IdKind kind : {IdKind::token, IdKind::event, IdKind::panel_window, IdKind::ext_offset})
        for (const NamedId& id : named_ids)
            if (id.kind == kind && lower_case(word) == id.name)
                return id.value;
    std::vector<std::string> names;
    for (const NamedId& id : named_ids)
        names.push_back(id.name);
    std::string hint = did_you_mean(nearest_names(word, names));
    throw HostError("bad token " + in_quotes(word) + ": neither a number nor a known name" +
                    (hint.empty() ? "" : " (" + hint + ")"));
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

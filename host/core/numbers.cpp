#include "host/core/numbers.h"

#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <optional>

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

const NamedId* find_id(IdKind kind, uint32_t value)
{
    for (const NamedId& id : named_ids)
        if (id.kind == kind && id.value == value)
            return &id;
    return nullptr;
}

const NamedId* find_id(IdKind kind, std::string_view name)
{
    // Names are read in any case: "Stall_Warning" is stall_warning.
    const std::string lower = lower_case(std::string(name));
    for (const NamedId& id : named_ids)
        if (id.kind == kind && lower == id.name)
            return &id;
    return nullptr;
}

std::string id_text(IdKind kind, uint32_t value)
{
    std::string text = kind == IdKind::panel_window ? std::to_string(value) : hex(value);
    if (const NamedId* id = find_id(kind, value))
        text += std::string(" (") + id->name + ")";
    return text;
}

uint32_t parse_token(const std::string& word) { return parse_id(word, IdKind::token); }

namespace {

const char* kind_word(IdKind kind)
{
    switch (kind) {
    case IdKind::token: return "token";
    case IdKind::event: return "event";
    case IdKind::panel_window: return "window";
    case IdKind::help: return "help id";
    case IdKind::ext_offset: return "offset";
    case IdKind::ext_result: return "result";
    case IdKind::image_flags: return "image flags";
    }
    return "id";
}

bool starts_like_a_name(const std::string& word)
{
    return !word.empty() && (std::isalpha(static_cast<unsigned char>(word[0])) || word[0] == '_');
}

}  // namespace

std::optional<uint32_t> read_u32(const std::string& word)
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
        return std::nullopt;
    return v;
}

uint32_t parse_u32(const std::string& word)
{
    if (auto v = read_u32(word))
        return *v;
    throw HostError("bad number '" + word + "'");
}

uint32_t parse_id(const std::string& word, IdKind kind)
{
    if (starts_like_a_name(word)) {
        if (const NamedId* id = find_id(kind, word))
            return id->value;
        std::vector<std::string> names;
        for (const NamedId& id : named_ids)
            if (id.kind == kind)
                names.push_back(id.name);
        const std::string hint = did_you_mean(nearest_names(word, names));
        throw HostError(std::string("no ") + kind_word(kind) + " named '" + word + "'" +
                        (hint.empty() ? "" : " (" + hint + ")"));
    }
    if (auto v = read_u32(word))
        return *v;
    throw HostError(std::string("bad ") + kind_word(kind) + " '" + word + "'");
}

double parse_value(const std::string& word)
{
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X'))
        return static_cast<double>(parse_u32(word));
    double v = 0;
    auto [p, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
    if (ec != std::errc() || p != word.data() + word.size() || word.empty() || !std::isfinite(v))
        throw HostError("bad number '" + word + "'");
    return v;
}

}  // namespace host

#include "host/core/text_tools.h"

#include <algorithm>
#include <cctype>

namespace host {

std::string in_quotes(std::string_view text)
{
    if (text.size() <= quote_limit)
        return "'" + std::string(text) + "'";
    return "'" + std::string(text.substr(0, quote_limit)) + "...' (" + std::to_string(text.size()) +
           " characters, the first " + std::to_string(quote_limit) + " shown)";
}

std::string lower_case(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string upper_case(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string trimmed(std::string_view text)
{
    auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::size_t edit_distance(std::string_view a, std::string_view b, bool ignore_case)
{
    // Names are short; words past a few hundred characters are no misspelling of them.
    if (a.size() > 256 || b.size() > 256)
        return std::max(a.size(), b.size());
    auto same = [&](char x, char y) {
        return ignore_case ? std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y))
                           : x == y;
    };
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0]               = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            std::size_t up = row[j];
            row[j]         = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same(a[i - 1], b[j - 1]) ? 0 : 1)});
            diagonal       = up;
        }
    }
    return row[b.size()];
}

std::vector<std::string> nearest_names(std::string_view word, const std::vector<std::string>& candidates)
{
    struct Scored {
        std::size_t distance;
        std::string name;
    };
    std::vector<Scored> close;
    const std::string   w = lower_case(word);
    for (const std::string& c : candidates) {
        const std::string lc = lower_case(c);
        std::size_t       d  = edit_distance(w, lc);
        std::size_t       allowed = 1 + std::min(w.size(), lc.size()) / 4;
        bool prefix = std::min(w.size(), lc.size()) >= 4 && (lc.starts_with(w) || w.starts_with(lc));
        if (d <= allowed || prefix)
            close.push_back({prefix ? std::min<std::size_t>(d, allowed) : d, c});
    }
    std::stable_sort(close.begin(), close.end(), [](const Scored& a, const Scored& b) { return a.distance < b.distance; });
    std::vector<std::string> names;
    for (const Scored& s : close) {
        if (names.size() == 3)
            break;
        if (std::find(names.begin(), names.end(), s.name) == names.end())
            names.push_back(s.name);
    }
    return names;
}

std::string joined(const std::vector<std::string>& words, const char* last)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0)
            text += i + 1 == words.size() ? last : ", ";
        text += words[i];
    }
    return text;
}

std::string did_you_mean(const std::vector<std::string>& names)
{
    return names.empty() ? "" : "did you mean " + joined(names, " or ") + "?";
}

}  // namespace host

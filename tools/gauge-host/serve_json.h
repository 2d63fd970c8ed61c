// A few helpers for writing JSON by hand.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "host/core/panel_host.h"

namespace serve {

// A JSON string of text that should be UTF-8; bytes that are not valid UTF-8 become U+FFFD.
inline std::string json_string(std::string_view s)
{
    std::string out = "\"";
    for (size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char b[8];
                    std::snprintf(b, sizeof b, "\\u%04x", c);
                    out += b;
                } else {
                    out += static_cast<char>(c);
                }
            }
            ++i;
            continue;
        }
        // One multi-byte sequence, checked whole.
        size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c <= 0xDF ? 2 : 0;
        bool   ok = n != 0 && i + n <= s.size();
        for (size_t k = 1; ok && k < n; ++k)
            ok = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
        if (ok) {
            out.append(s.substr(i, n));
            i += n;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out + "\"";
}

inline std::string json_number(double v) { return std::isfinite(v) ? host::format_number(v) : "null"; }
inline std::string json_bool(bool v) { return v ? "true" : "false"; }

}  // namespace serve

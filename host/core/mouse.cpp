#include "host/core/mouse.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host/core/module.h"

namespace host {

bool acts_on_click(const MouseRect& rect)
{
    if (rect.type != mouse_rect_parent && rect.type != mouse_rect_child)
        return false;
    return rect.event_id != 0 || rect.action.callback != nullptr;
}

MouseMap MouseMap::read(const MouseRect* list, int gauge_width, int gauge_height)
{
    MouseMap map;
    if (list == nullptr)
        return map;
    struct Open {
        int area;
        Box box;   // the box children are placed in
    };
    std::vector<Open> open;
    const Box whole{0, 0, gauge_width, gauge_height};
    constexpr int list_limit = 4096;   // a list without its end record is a module fault
    for (int i = 0; list[i].type != mouse_rect_end; ++i) {
        if (i >= list_limit)
            throw HostError("mouse list has no end record within " + std::to_string(list_limit) + " entries");
        const MouseRect& r = list[i];
        const Box&       frame = open.empty() ? whole : open.back().box;
        MouseArea        area;
        area.rect  = &r;
        area.index = i;
        area.group = open.empty() ? -1 : open.back().area;
        area.depth = static_cast<int>(open.size());
        switch (r.type) {
        case mouse_rect_parent: {
            bool declared = r.x != 0 || r.y != 0 || r.width != 0 || r.height != 0;
            area.box = declared ? Box{frame.x + r.x, frame.y + r.y, r.width, r.height} : frame;
            map.areas_.push_back(area);
            open.push_back(Open{static_cast<int>(map.areas_.size()) - 1, area.box});
            break;
        }
        case mouse_rect_end_parent:
            if (open.empty())
                throw HostError("mouse list closes a group that is not open (entry " + std::to_string(i) + ")");
            open.pop_back();
            break;
        case mouse_rect_child:
            area.box = Box{frame.x + r.x, frame.y + r.y, r.width, r.height};
            map.areas_.push_back(area);
            break;
        case mouse_rect_tooltip:
            area.box = frame;
            map.areas_.push_back(area);
            break;
        default:
            throw HostError("mouse list entry " + std::to_string(i) + " has unknown type " + std::to_string(r.type));
        }
    }
    if (!open.empty())
        throw HostError("mouse list leaves " + std::to_string(open.size()) + " group(s) open");
    return map;
}

const MouseArea* MouseMap::hit_in(int group, int x, int y) const
{
    for (size_t i = 0; i < areas_.size(); ++i) {
        const MouseArea& a = areas_[i];
        if (a.group != group || !a.box.contains(x, y))
            continue;
        if (a.rect->type == mouse_rect_child && acts_on_click(*a.rect))
            return &a;
        if (a.rect->type == mouse_rect_parent) {
            if (const MouseArea* inner = hit_in(static_cast<int>(i), x, y))
                return inner;
        }
    }
    if (group >= 0 && acts_on_click(*areas_[group].rect) && areas_[group].box.contains(x, y))
        return &areas_[group];
    return nullptr;
}

const MouseArea* MouseMap::hit(int x, int y) const { return hit_in(-1, x, y); }

const MouseArea* MouseMap::tooltip(int x, int y) const
{
    const MouseArea* best = nullptr;
    for (const MouseArea& a : areas_) {
        if (a.rect->type != mouse_rect_tooltip)
            continue;
        if (a.group >= 0 && !areas_[a.group].box.contains(x, y))
            continue;
        if (best == nullptr || a.depth > best->depth)
            best = &a;
    }
    return best;
}

const MouseArea* MouseMap::at_index(int index) const
{
    for (const MouseArea& a : areas_)
        if (a.index == index)
            return &a;
    return nullptr;
}

std::string cp1252_to_utf8(const char* text)
{
    // The printable characters 0x80..0x9F of code page 1252; 0 where the page leaves a hole.
    static const char16_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
    };
    std::string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        char32_t c = *p;
        if (c >= 0x80 && c < 0xA0)
            c = high[c - 0x80] ? high[c - 0x80] : U'?';
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

namespace {

// Flags, width and precision as C reads them, with the width and the precision held to a field that
// a tooltip can show; whatever does not fit that order is dropped.
std::string bounded_field(const std::string& spec)
{
    constexpr size_t field_limit = 100;
    size_t           k = 0;
    std::string      out;
    while (k < spec.size() && std::strchr("-+ #0", spec[k]) != nullptr)
        out += spec[k++];
    auto number = [&]() {
        size_t n = 0;
        for (; k < spec.size() && spec[k] >= '0' && spec[k] <= '9'; ++k)
            n = std::min(n * 10 + static_cast<size_t>(spec[k] - '0'), field_limit);
        return n;
    };
    if (k < spec.size() && spec[k] >= '1' && spec[k] <= '9')
        out += std::to_string(number());
    if (k < spec.size() && spec[k] == '.') {
        ++k;
        out += "." + std::to_string(number());
    }
    return out;
}

}  // namespace

std::string format_tooltip(const char* text, const std::vector<double>& args)
{
    std::string out;
    for (const char* p = text; *p;) {
        // An insert is %n!format! with n from 1.
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' && p[2] == '!') {
            const char* end = std::strchr(p + 3, '!');
            if (end != nullptr && end - (p + 3) < 30) {
                size_t      n    = static_cast<size_t>(p[1] - '1');
                std::string spec(p + 3, end);
                double      v    = n < args.size() ? args[n] : 0.0;
                char        conversion = spec.empty() ? 's' : spec.back();
                // Only flags, width and precision reach the C formatter; length modifiers and
                // anything else are dropped.
                std::string flags;
                for (size_t k = 0; k + 1 < spec.size(); ++k)
                    if (std::strchr("-+ #0123456789.", spec[k]) != nullptr)
                        flags += spec[k];
                std::string fmt = "%" + bounded_field(flags) + conversion;
                char        buf[512];   // room for any value at the widest field allowed
                if (std::strchr("diuxXc", conversion) != nullptr) {
                    // Whole-number inserts of values an int cannot hold show the nearest it can.
                    double whole = std::isnan(v) ? 0.0 : std::clamp(v, -2147483648.0, 2147483647.0);
                    std::snprintf(buf, sizeof buf, fmt.c_str(), static_cast<int>(whole));
                }
                else if (std::strchr("fFeEgGaA", conversion) != nullptr)
                    std::snprintf(buf, sizeof buf, fmt.c_str(), v);
                else
                    std::snprintf(buf, sizeof buf, "%g", v);
                out += buf;
                p = end + 1;
                continue;
            }
        }
        out += *p++;
    }
    return cp1252_to_utf8(out.c_str());
}

}  // namespace host

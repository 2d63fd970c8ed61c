// The mouse list of a gauge as the host reads it: nested parent groups, child rectangles and
// tooltips, with boxes placed relative to the parent that declares one.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frame/gauge_records.h"

namespace host {

struct Box {
    int  x = 0, y = 0, width = 0, height = 0;
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
};

struct MouseArea {
    const MouseRect* rect = nullptr;
    int              index = 0;      // position in the gauge's list
    int              group = -1;     // index of the enclosing parent area, -1 at top level
    int              depth = 0;      // number of open parents around it
    Box              box;            // in background pixels
};

class MouseMap {
public:
    // Reads the list up to its end record; throws HostError when groups do not balance.
    static MouseMap read(const MouseRect* list, int gauge_width, int gauge_height);

    const std::vector<MouseArea>& areas() const { return areas_; }
    // The rectangle a click at (x, y) reaches: the first child in list order inside the innermost
    // group containing the point, else that group itself when it acts on clicks.
    const MouseArea* hit(int x, int y) const;
    // The tooltip of the innermost group containing the point that has one.
    const MouseArea* tooltip(int x, int y) const;
    const MouseArea* at_index(int index) const;

private:
    const MouseArea* hit_in(int group, int x, int y) const;
    std::vector<MouseArea> areas_;
};

bool acts_on_click(const MouseRect& rect);

// Expands "%1!07.3f!"-style inserts with the given argument values. Text is code page 1252 and the
// result is UTF-8.
std::string format_tooltip(const char* text, const std::vector<double>& args);
std::string cp1252_to_utf8(const char* text);

}  // namespace host

// The walk over a gauge's element tree in the order the host installs, updates and draws it: an
// element, then each of its children (the null-terminated `next` list) with theirs. One walk for
// the host, the art program and the tools.
#pragma once

#include "frame/gauge_records.h"

// A tree deeper than this is a loop in the records.
constexpr int element_depth_limit = 64;

// Calls visit(element, parent, depth) for every element; returns false, having stopped, when the
// tree is deeper than element_depth_limit.
template <class Visit>
bool walk_elements(ElementHeader* element, Visit&& visit, ElementHeader* parent = nullptr, int depth = 0)
{
    if (element == nullptr)
        return true;
    if (depth > element_depth_limit)
        return false;
    visit(element, parent, depth);
    if (element->next != nullptr)
        for (ElementHeader** child = element->next; *child != nullptr; ++child)
            if (!walk_elements(*child, visit, element, depth + 1))
                return false;
    return true;
}

// An element kind as messages and listings name it.
constexpr const char* element_kind_name(ElementKind kind)
{
    switch (kind) {
    case ElementKind::static_image: return "static image";
    case ElementKind::needle: return "needle";
    case ElementKind::string: return "string";
    case ElementKind::slider: return "slider";
    case ElementKind::icon: return "icon";
    case ElementKind::moving_image: return "moving image";
    case ElementKind::sprite: return "sprite";
    }
    return "unknown element";
}

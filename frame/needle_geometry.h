// Where a needle with a nonlinearity table points for a value: one rule for the host, which turns
// the needle, and the art program, which puts the scale's marks where the needle will point.
#pragma once

#include <cmath>
#include <numbers>

#include "frame/gauge_records.h"

struct NeedleAim {
    double x, y;        // the point on the background
    double angle;       // screen angle (radians, y down) from the pivot to that point
};

// An angle brought into (-pi, pi].
inline double normalise_angle(double a)
{
    while (a > std::numbers::pi)
        a -= 2 * std::numbers::pi;
    while (a <= -std::numbers::pi)
        a += 2 * std::numbers::pi;
    return a;
}

// Between two entries the needle turns along the shorter arc; past an end it keeps turning at the
// rate of the end segment (a two-entry table makes a needle of many turns: clock and altimeter
// hands), except at a stop, two entries on one point, which holds it there. Two entries with one
// value make a step: the later holds from its value on.
inline NeedleAim aim_needle(const NonlinearityEntry* table, uint32_t count, double pivot_x, double pivot_y, double value)
{
    if (table == nullptr || count == 0)
        return {pivot_x, pivot_y, 0.0};
    auto aim_at = [&](const NonlinearityEntry& e) {
        return NeedleAim{double(e.x), double(e.y), std::atan2(e.y - pivot_y, e.x - pivot_x)};
    };
    if (count == 1)
        return aim_at(table[0]);
    const bool increasing = table[count - 1].value >= table[0].value;
    auto       before     = [&](double a, double b) { return increasing ? a <= b : a >= b; };
    auto beyond = [&](const NonlinearityEntry& end, const NonlinearityEntry& inner) {
        const double a_end   = std::atan2(end.y - pivot_y, end.x - pivot_x);
        const double a_inner = std::atan2(inner.y - pivot_y, inner.x - pivot_x);
        if (end.value == inner.value || (end.x == inner.x && end.y == inner.y))
            return aim_at(end);
        const double rate  = normalise_angle(a_end - a_inner) / (end.value - inner.value);
        const double angle = a_end + (value - end.value) * rate;
        const double r     = std::hypot(end.x - pivot_x, end.y - pivot_y);
        return NeedleAim{pivot_x + r * std::cos(angle), pivot_y + r * std::sin(angle), normalise_angle(angle)};
    };
    if (before(value, table[0].value))
        return value == table[0].value ? aim_at(table[0]) : beyond(table[0], table[1]);
    if (before(table[count - 1].value, value))
        return value == table[count - 1].value ? aim_at(table[count - 1]) : beyond(table[count - 1], table[count - 2]);
    for (uint32_t i = 0; i + 1 < count; ++i) {
        const NonlinearityEntry& a = table[i];
        const NonlinearityEntry& b = table[i + 1];
        if (!before(value, b.value))
            continue;
        if (a.value == b.value)   // a step: the later entry holds from its value on
            return aim_at(b);
        const double t  = (value - a.value) / (b.value - a.value);
        const double a0 = std::atan2(a.y - pivot_y, a.x - pivot_x);
        const double a1 = std::atan2(b.y - pivot_y, b.x - pivot_x);
        const double r0 = std::hypot(a.x - pivot_x, a.y - pivot_y);
        const double r1 = std::hypot(b.x - pivot_x, b.y - pivot_y);
        const double angle = normalise_angle(a0 + t * normalise_angle(a1 - a0));
        const double r     = r0 + t * (r1 - r0);
        return {pivot_x + r * std::cos(angle), pivot_y + r * std::sin(angle), angle};
    }
    return aim_at(table[count - 1]);
}

#include "scale.h"

#include "frame/needle_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace artgen {
namespace {

constexpr double pi = std::numbers::pi;

double normalise(double a)
{
    while (a > pi)
        a -= 2 * pi;
    while (a <= -pi)
        a += 2 * pi;
    return a;
}

bool same_point(const NonlinearityEntry& a, const NonlinearityEntry& b) { return a.x == b.x && a.y == b.y; }

// The value for a printed number.
double raw(const NumberScale& n, double printed) { return printed / n.scale - n.offset; }

}  // namespace

double needle_angle(const NonlinearityEntry* t, uint32_t n, double px, double py, double value)
{
    return aim_needle(t, n, px, py, value).angle;
}

int scale_pass(const NonlinearityEntry* t, uint32_t n, double px, double py, double value)
{
    if (t == nullptr || n < 3)
        return 0;
    auto       at         = [&](const NonlinearityEntry& e) { return std::atan2(e.y - py, e.x - px); };
    const bool increasing = t[n - 1].value >= t[0].value;
    int        pass = 0, direction = 0;
    for (uint32_t i = 0; i + 1 < n; ++i) {
        if (t[i].value == t[i + 1].value || same_point(t[i], t[i + 1]))
            continue;
        const double turn = normalise(at(t[i + 1]) - at(t[i]));
        const int    dir  = turn > 0 ? 1 : turn < 0 ? -1 : 0;
        if (dir != 0 && direction != 0 && dir != direction)
            ++pass;
        if (dir != 0)
            direction = dir;
        // The segment holds the value (or the value lies before the table's first entry).
        if (increasing ? value <= t[i + 1].value : value >= t[i + 1].value)
            return pass;
    }
    return pass;
}

ScaleRange live_range(const NonlinearityEntry* t, uint32_t n)
{
    if (n == 0)
        return {};
    uint32_t first = 0, last = n - 1;
    if (n > 2 && same_point(t[0], t[1]))
        first = 1;
    if (n > 2 && same_point(t[n - 1], t[n - 2]))
        last = n - 2;
    return {t[first].value, t[last].value};
}

std::string numeral_for(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, std::abs(v) >= 100 ? "%.0f" : "%.1f", v);
    std::string s = buf;
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0)
        s.resize(s.size() - 2);
    return s == "-0" ? "0" : s;
}

NumberScale pick_steps(double first, double last, NumberScale n)
{
    const double span = std::abs(last - first);
    if (span <= 0)
        return n;
    if (n.major <= 0) {
        double unit = std::pow(10.0, std::floor(std::log10(span)));
        for (double m : {0.1, 0.2, 0.25, 0.5, 1.0, 2.0, 2.5, 5.0, 10.0})
            if (span / (m * unit) <= 10.5) {
                n.major = m * unit;
                break;
            }
    }
    if (n.minor <= 0) {
        double lead = n.major / std::pow(10.0, std::floor(std::log10(n.major) + 1e-9));
        n.minor     = n.major / (std::abs(lead - 2) < 1e-9 ? 4 : 5);
    }
    if (n.numerals <= 0)
        n.numerals = n.major;
    return n;
}

std::vector<ScaleMark> scale_marks(const NonlinearityEntry* t, uint32_t n, double px, double py,
                                   const NumberScale& numbers)
{
    std::vector<ScaleMark> marks;
    if (n < 2 || numbers.scale == 0)
        return marks;
    ScaleRange  r  = live_range(t, n);
    double      p0 = (r.first + numbers.offset) * numbers.scale, p1 = (r.last + numbers.offset) * numbers.scale;
    double      lo = std::min(p0, p1), hi = std::max(p0, p1);
    NumberScale s  = pick_steps(lo, hi, numbers);
    const double eps = s.minor * 1e-6;
    auto on_step     = [&](double v, double step) {
        double q = v / step;
        return std::abs(q - std::round(q)) < 1e-6;
    };
    for (double k = std::ceil(lo / s.minor - 1e-6); k * s.minor <= hi + eps; ++k) {
        double v = k * s.minor;
        if (std::abs(v) < eps)
            v = 0;
        ScaleMark m{needle_angle(t, n, px, py, raw(numbers, v)), on_step(v, s.major) ? 1 : 0, v, {},
                    scale_pass(t, n, px, py, raw(numbers, v))};
        if (on_step(v, s.numerals))
            m.numeral = numeral_for(numbers.unsigned_numerals ? std::abs(v) : v);
        marks.push_back(m);
    }
    return marks;
}

std::vector<ScaleBand> scale_bands(const NonlinearityEntry* t, uint32_t n, double px, double py,
                                   const NumberScale& numbers, std::span<const Band> bands)
{
    std::vector<ScaleBand> out;
    if (n < 2 || numbers.scale == 0)
        return out;
    for (const Band& b : bands) {
        double a0   = needle_angle(t, n, px, py, raw(numbers, b.from));
        int    pass = scale_pass(t, n, px, py, raw(numbers, b.from));
        if (b.from == b.to) {
            out.push_back({a0, a0, b.colour, true, pass});
            continue;
        }
        // Follow the scale in small steps so that the band turns the way the needle does; a band
        // across a turn of the needle's direction is split between its passes.
        double a = a0;
        for (int i = 1; i <= 64; ++i) {
            double v    = b.from + (b.to - b.from) * i / 64.0;
            double next = needle_angle(t, n, px, py, raw(numbers, v));
            int    p    = scale_pass(t, n, px, py, raw(numbers, v));
            if (p != pass) {
                out.push_back({a0, a, b.colour, false, pass});
                a0 = a = next, pass = p;
                continue;
            }
            a += normalise(next - normalise(a));
        }
        out.push_back({a0, a, b.colour, false, pass});
    }
    return out;
}

}  // namespace artgen

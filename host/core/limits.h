// Bounds on what a script or the command line may ask of the host. Beyond them a run would go on
// for days, a picture would not fit in memory, or a number would not fit the integer it is read as.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace host {

// Frames of one command (`frames`, `run`, --frames): more than a week of flight at 18 Hz.
inline constexpr long frame_limit = 10'000'000;
// Frame rates of `at HZ`: the step 1/HZ stays a sensible time.
inline constexpr double lowest_rate  = 0.001;
inline constexpr double highest_rate = 10000.0;
// Picture scales (--scale, `picture ... scale S`): greater than 0, at most this.
inline constexpr double scale_limit = 16.0;

// The value truncated toward zero when it lies within [low, high], else nothing.
inline std::optional<int64_t> whole_within(double value, int64_t low, int64_t high)
{
    if (!(value > static_cast<double>(low) - 1.0 && value < static_cast<double>(high) + 1.0))
        return std::nullopt;
    return static_cast<int64_t>(std::trunc(value));
}

// A value held as a 32-bit integer: values beyond its range stop at its ends, NaN gives 0.
inline int32_t saturate_int32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= -2147483648.0)
        return INT32_MIN;
    if (value >= 2147483647.0)
        return INT32_MAX;
    return static_cast<int32_t>(value);
}

}  // namespace host

#include "common/plot/curve_reading.h"

#include <algorithm>
#include <cmath>

namespace vorla {

std::optional<CurveReading> ReadCurveAt(std::span<const double> time, std::span<const double> value,
                                        double at) {
    const std::size_t n = std::min(time.size(), value.size());
    if (n == 0 || !std::isfinite(at) || at < time[0] || at > time[n - 1]) {
        return std::nullopt;
    }
    // The last row whose time is not after `at`.
    const auto after = std::upper_bound(time.begin(), time.begin() + static_cast<long>(n), at);
    const auto row = static_cast<std::size_t>(after - time.begin()) - 1;
    double reading = value[row];
    if (row + 1 < n && time[row + 1] > time[row]) {
        const double fraction = (at - time[row]) / (time[row + 1] - time[row]);
        reading = value[row] + fraction * (value[row + 1] - value[row]);
        if (!std::isfinite(value[row + 1])) {
            return std::nullopt;
        }
    }
    if (!std::isfinite(reading)) {
        return std::nullopt;
    }
    return CurveReading{at, reading, static_cast<int>(row)};
}

std::optional<int> NextRow(std::span<const double> time, double at, bool forward) {
    if (time.empty()) {
        return std::nullopt;
    }
    if (forward) {
        const auto next = std::upper_bound(time.begin(), time.end(), at);
        if (next == time.end()) {
            return std::nullopt;
        }
        // The last of the rows at that time, so a step's top is where it lands.
        const auto last = std::upper_bound(next, time.end(), *next) - 1;
        return static_cast<int>(last - time.begin());
    }
    const auto before = std::lower_bound(time.begin(), time.end(), at);
    if (before == time.begin()) {
        return std::nullopt;
    }
    const auto last = std::upper_bound(time.begin(), time.end(), *(before - 1)) - 1;
    return static_cast<int>(last - time.begin());
}

} // namespace vorla

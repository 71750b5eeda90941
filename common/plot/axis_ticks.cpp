#include "common/plot/axis_ticks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace vorla {
namespace {

constexpr int kMostAutomaticSteps = 6;

// The round steps of one power of ten (values), or of time below a minute and
// of whole minutes (the clock's steps, repeated by powers of 60 above).
constexpr std::array<double, 4> kValueMantissas = {1, 2, 2.5, 5};
constexpr std::array<double, 7> kClockSteps = {1, 2, 5, 10, 15, 20, 30};

double ValueStep(double span) {
    double decade = std::pow(10.0, std::floor(std::log10(span / kMostAutomaticSteps)) - 1);
    for (int round = 0; round < 4; ++round) {
        for (const double mantissa : kValueMantissas) {
            const double step = mantissa * decade;
            if (span / step <= kMostAutomaticSteps * (1 + 1e-9)) {
                return step;
            }
        }
        decade *= 10;
    }
    return decade;
}

// Seconds: the clock's steps in seconds, then in minutes, then in hours; past
// that, and below a second, the value steps.
double SecondsStep(double span) {
    if (span / kMostAutomaticSteps < 1 || span / kMostAutomaticSteps > 30 * 3600) {
        return ValueStep(span);
    }
    for (const double unit : {1.0, 60.0, 3600.0}) {
        for (const double clock : kClockSteps) {
            const double step = clock * unit;
            if (span / step <= kMostAutomaticSteps * (1 + 1e-9)) {
                return step;
            }
        }
    }
    return ValueStep(span);
}

// The decimals that show every multiple of `step` exactly (up to 6).
int DecimalsOf(double step) {
    for (int decimals = 0; decimals < 6; ++decimals) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::fabs(scaled - std::round(scaled)) <= 1e-6 * std::max(1.0, std::fabs(scaled))) {
            return decimals;
        }
    }
    return 6;
}

std::string Label(double value, int decimals) {
    // A value that rounds to zero reads "0", never "-0".
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals)) {
        value = 0;
    }
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return text.data();
}

} // namespace

double AutomaticTickStep(AxisTickKind kind, double min, double max) {
    const double span = max - min;
    if (!std::isfinite(span) || !(span > 0)) {
        return 1;
    }
    switch (kind) {
    case AxisTickKind::Seconds:
        return SecondsStep(span);
    case AxisTickKind::Minutes:
        // Below a minute decimal steps (0.25 min, never the 0.1667 of 10 s);
        // whole minutes and hours above by the clock's steps, as seconds.
        return span / kMostAutomaticSteps <= 1 ? ValueStep(span) : SecondsStep(span);
    case AxisTickKind::Value:
        break;
    }
    return ValueStep(span);
}

std::optional<AxisTicks> TicksOver(AxisTickKind kind, double min, double max,
                                   std::optional<double> step) {
    if (!std::isfinite(min) || !std::isfinite(max) || !(min < max) || !std::isfinite(max - min)) {
        return std::nullopt;
    }
    const double chosen = step.value_or(AutomaticTickStep(kind, min, max));
    if (!std::isfinite(chosen) || !(chosen > 0)) {
        return std::nullopt;
    }
    // Multiples within a hair of an end still count, so 0 to 10 by 2.5 ends on 10.
    const double slack = 1e-9;
    const double first = std::ceil(min / chosen - slack);
    const double last = std::floor(max / chosen + slack);
    if (!(last - first + 1 <= kMostAxisTicks)) {
        return std::nullopt;
    }
    AxisTicks axis{min, max, chosen, {}};
    const int decimals = DecimalsOf(chosen);
    for (double k = first; k <= last; ++k) {
        const double value = k * chosen;
        axis.Ticks.push_back({value, (value - min) / (max - min), Label(value, decimals)});
    }
    return axis;
}

} // namespace vorla

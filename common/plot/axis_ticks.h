// The ticks of an axis shown over any range: a zoomed graph, a range typed in
// the graph windows' Axes… dialog, or the time axis in seconds. The automatic
// full-scale axes from 0 (common/plot/axis_scaling.h) stay as they are; these are
// the ranges the user chooses, and their ticks stand at whole multiples of a
// round step (1, 2, 2.5 or 5 times a power of ten for values; for time the
// steps a clock reads: 1, 2, 5, 10, 15, 20 and 30 s, whole minutes, hours).
//
//   TicksOver(AxisTickKind::Value, 120, 480, std::nullopt)
//       -> 200, 300, 400 (step 100); Min 120, Max 480
//   TicksOver(AxisTickKind::Minutes, 0, 10, 2.5) -> 0.0, 2.5, 5.0, 7.5, 10.0
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vorla {

enum class AxisTickKind {
    Value,   // any quantity
    Minutes, // time in minutes
    Seconds, // time in seconds
};

struct AxisTick {
    double Value = 0;
    // Where it stands, 0 at Min and 1 at Max.
    double Fraction = 0;
    std::string Label;
};

struct AxisTicks {
    double Min = 0;
    double Max = 1;
    double Step = 1;
    std::vector<AxisTick> Ticks;
};

// No axis is drawn with more ticks than this; a step that would give more is
// refused.
inline constexpr int kMostAxisTicks = 60;

// The automatic step over [min, max]: the smallest round step of `kind` that
// cuts the range into at most 6 steps. A range that is empty or not finite
// gives 1.
double AutomaticTickStep(AxisTickKind kind, double min, double max);

// The ticks at every whole multiple of `step` (automatic when not given) from
// min to max, each labelled with the decimals the step needs ("2.5", "10",
// "0.25"). Nothing when min < max does not hold, a number is not finite, the
// step is not above 0, or the step would give more than kMostAxisTicks ticks.
std::optional<AxisTicks> TicksOver(AxisTickKind kind, double min, double max,
                                   std::optional<double> step);

} // namespace vorla

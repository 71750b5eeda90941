// The scales of a plot's two axes: the full-scale value and the five tick
// labels, by the graph windows' rules (common/plot/axis_scaling.h).
#pragma once

#include "common/plot/plot.h"

#include <array>
#include <optional>
#include <string>

namespace vorla::plot {

struct AxisScale {
    double FullScale = 1; // the value at the far end of the axis, never 0
    // Labels[a] is the text of tick a = 0..5 at a / 5 of the axis; Labels[0] is "0".
    std::array<std::string, 6> Labels;
    // The value at the near end: 0, or the Min of the axis' Range, whose
    // ticks then stand in for Labels.
    double Low = 0;
    std::optional<AxisTicks> Range;
};

struct PlotScales {
    AxisScale X;
    AxisScale Y;
};

// The largest finite x (a bar's right edge counts) or y of all series, and
// never below 0.
double LargestX(const Plot& plot);
double LargestY(const Plot& plot);

// The scale of an axis of `kind` whose largest value is `maximum`; time in
// seconds has its ticks as a Range (0 to the full scale).
AxisScale ScaleAxis(AxisKind kind, double maximum);

// Both axes, from their Maximum where given and the series otherwise.
PlotScales ScalePlot(const Plot& plot);

} // namespace vorla::plot

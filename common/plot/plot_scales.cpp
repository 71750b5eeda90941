#include "common/plot/plot_scales.h"

#include "common/plot/axis_scaling.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vorla::plot {
namespace {

template <class Extent> double Largest(const Plot& plot, Extent extent) {
    double largest = 0;
    for (const auto& series : plot.Series) {
        for (const auto& point : series.Points) {
            const double value = extent(series, point);
            if (std::isfinite(value)) {
                largest = std::max(largest, value);
            }
        }
    }
    return largest;
}

} // namespace

double LargestX(const Plot& plot) {
    return Largest(plot, [](const PlotSeries& series, const PlotPoint& point) {
        return series.Style == SeriesStyle::Bars ? point.X + series.BarWidth / 2 : point.X;
    });
}

double LargestY(const Plot& plot) {
    return Largest(plot, [](const PlotSeries&, const PlotPoint& point) { return point.Y; });
}

namespace {

AxisScale RangeScale(const AxisTicks& range) {
    AxisScale scale;
    scale.Low = range.Min;
    scale.FullScale = range.Max;
    scale.Range = range;
    return scale;
}

} // namespace

AxisScale ScaleAxis(AxisKind kind, double maximum) {
    AxisScale scale;
    scale.Labels[0] = "0";
    if (kind == AxisKind::TimeSeconds) {
        // The minutes' full scale, read in seconds as the graph windows do.
        const double seconds = ScaleTimeAxis(maximum / 60).XScale * 60;
        if (const auto ticks = TicksOver(AxisTickKind::Seconds, 0, seconds, std::nullopt)) {
            return RangeScale(*ticks);
        }
        // Not reached: a full scale of 1 to 150 minutes always has ticks.
        scale.FullScale = seconds;
        for (std::size_t a = 1; a <= 5; ++a) {
            scale.Labels[a] = std::to_string(std::lround(seconds * static_cast<double>(a) / 5));
        }
        return scale;
    }
    if (kind == AxisKind::TimeMinutes) {
        const auto axis = ScaleTimeAxis(maximum);
        scale.FullScale = axis.XScale;
        std::copy(axis.Labels.begin(), axis.Labels.end(), scale.Labels.begin() + 1);
    } else {
        const auto axis = ScaleValueAxis(maximum);
        scale.FullScale = axis.YScale;
        std::copy(axis.Labels.begin(), axis.Labels.end(), scale.Labels.begin() + 1);
    }
    return scale;
}

PlotScales ScalePlot(const Plot& plot) {
    return {plot.X.Range ? RangeScale(*plot.X.Range)
                         : ScaleAxis(plot.X.Kind, plot.X.Maximum.value_or(LargestX(plot))),
            plot.Y.Range ? RangeScale(*plot.Y.Range)
                         : ScaleAxis(plot.Y.Kind, plot.Y.Maximum.value_or(LargestY(plot)))};
}

} // namespace vorla::plot

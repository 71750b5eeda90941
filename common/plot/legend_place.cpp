#include "common/plot/legend_place.h"

#include "common/plot/plot_scales.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vorla::plot {
namespace {

// Steps along a segment, in fractions of the axes: fine enough that a segment
// crossing a legend box leaves several samples inside it.
constexpr double kSampleStep = 0.01;
// A segment longer than this (a value far off the scale) is only sampled at its
// ends, so no curve makes the count take long.
constexpr double kLongestSampled = 4;

struct Box {
    double Left;
    double Bottom;
    double Right;
    double Top;

    bool Holds(double x, double y) const {
        return x >= Left && x <= Right && y >= Bottom && y <= Top;
    }
};

Box CornerBox(LegendPlace place, std::size_t entries) {
    const double w = LegendWidthFraction();
    const double h = LegendHeightFraction(entries);
    const bool left = place == LegendPlace::TopLeft || place == LegendPlace::BottomLeft;
    const bool top = place == LegendPlace::TopLeft || place == LegendPlace::TopRight;
    return {left ? 0 : 1 - w, top ? 1 - h : 0, left ? w : 1, top ? 1 : h};
}

} // namespace

double LegendWidthFraction() {
    return 0.45;
}

double LegendHeightFraction(std::size_t entries) {
    return 0.04 + 0.07 * static_cast<double>(entries);
}

LegendPlace LeastCoveredCorner(const Plot& plot) {
    if (plot.Series.size() < 2) {
        return LegendPlace::None;
    }
    const PlotScales scales = ScalePlot(plot);
    constexpr std::array<LegendPlace, 4> kCorners = {LegendPlace::TopRight, LegendPlace::TopLeft,
                                                     LegendPlace::BottomRight,
                                                     LegendPlace::BottomLeft};
    std::array<Box, 4> boxes{};
    for (std::size_t c = 0; c < kCorners.size(); ++c) {
        boxes[c] = CornerBox(kCorners[c], plot.Series.size());
    }
    std::array<long, 4> crossings{};
    const auto count = [&](double x, double y) {
        for (std::size_t c = 0; c < boxes.size(); ++c) {
            crossings[c] += boxes[c].Holds(x, y) ? 1 : 0;
        }
    };
    for (const auto& series : plot.Series) {
        const PlotPoint* previous = nullptr;
        for (const auto& point : series.Points) {
            if (!IsFinite(point)) {
                previous = nullptr;
                continue;
            }
            const double x = (point.X - scales.X.Low) / (scales.X.FullScale - scales.X.Low);
            const double y = (point.Y - scales.Y.Low) / (scales.Y.FullScale - scales.Y.Low);
            if (previous != nullptr) {
                const double x0 =
                    (previous->X - scales.X.Low) / (scales.X.FullScale - scales.X.Low);
                const double y0 =
                    (previous->Y - scales.Y.Low) / (scales.Y.FullScale - scales.Y.Low);
                const double length = std::hypot(x - x0, y - y0);
                if (length <= kLongestSampled) {
                    const int steps = static_cast<int>(std::ceil(length / kSampleStep));
                    for (int s = 1; s < steps; ++s) {
                        const double f = static_cast<double>(s) / steps;
                        count(x0 + f * (x - x0), y0 + f * (y - y0));
                    }
                }
            }
            count(x, y);
            previous = &point;
        }
    }
    const auto least = std::min_element(crossings.begin(), crossings.end());
    return kCorners[static_cast<std::size_t>(least - crossings.begin())];
}

} // namespace vorla::plot

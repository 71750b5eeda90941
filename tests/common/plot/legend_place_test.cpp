#include "common/plot/legend_place.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorla::plot {
namespace {

// Curves on a 10-minute time axis and a value axis of 100 (the maxima given,
// so each point below is in percent of the frame's width and height).
Plot PlotOf(const std::vector<std::vector<PlotPoint>>& curves) {
    Plot plot;
    plot.X.Maximum = 10;
    plot.Y.Maximum = 99;
    for (std::size_t k = 0; k < curves.size(); ++k) {
        std::vector<PlotPoint> points;
        for (const auto& p : curves[k]) {
            points.push_back({p.X / 10, p.Y}); // percent of 10 minutes
        }
        plot.Series.push_back(
            {"curve " + std::to_string(k), kSeriesColours[k], SeriesStyle::Line, points});
    }
    return plot;
}

TEST(LeastCoveredCorner, TakesTheCornerTheCurvesLeaveFree) {
    // A legend of two lines covers 45 % of the width and 18 % of the height.
    const struct {
        const char* what;
        std::vector<std::vector<PlotPoint>> curves;
        LegendPlace expected;
    } cases[] = {
        {"two rising layer temperatures: both left-top and right-bottom are free, the top wins",
         {{{0, 0}, {50, 50}, {100, 95}}, {{0, 5}, {100, 90}}},
         LegendPlace::TopLeft},
        {"two falling interfaces, level at 40 %: only the top left is crossed",
         {{{0, 96}, {20, 40}, {100, 40}}, {{0, 96}, {30, 40}, {100, 40}}},
         LegendPlace::TopRight},
        {"a curve along the top and one along the bottom left",
         {{{0, 90}, {100, 90}}, {{0, 10}, {30, 10}}},
         LegendPlace::BottomRight},
        {"along the top and along the whole bottom: the fewest crossings win",
         {{{0, 90}, {100, 90}}, {{0, 10}, {100, 10}}, {{0, 5}, {40, 5}}},
         LegendPlace::TopRight},
        // Only the segments, not their end points, pass through the top corners.
        {"a roof from 50 % up to the middle and down again, twice",
         {{{0, 50}, {50, 100}, {100, 50}}, {{0, 50}, {50, 100}, {100, 50}}},
         LegendPlace::BottomRight},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeastCoveredCorner(PlotOf(c.curves)), c.expected) << c.what;
    }
}

TEST(LeastCoveredCorner, NoLegendForOneCurve) {
    EXPECT_EQ(LeastCoveredCorner(PlotOf({})), LegendPlace::None);
    EXPECT_EQ(LeastCoveredCorner(PlotOf({{{0, 0}, {100, 95}}})), LegendPlace::None);
}

TEST(LeastCoveredCorner, AValueFarOffTheScaleIsCountedQuickly) {
    // One segment to 1e300: sampling it in steps of the frame would never end.
    const Plot plot = PlotOf({{{0, 0}, {100, 1e300}}, {{0, 10}, {100, 10}}});
    EXPECT_NE(LeastCoveredCorner(plot), LegendPlace::None);
}

} // namespace
} // namespace vorla::plot

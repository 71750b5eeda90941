#include "common/plot/plot_scales.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace vorla::plot {
namespace {

using Labels = std::array<std::string, 6>;

Plot WithPoints(std::vector<PlotPoint> points, SeriesStyle style = SeriesStyle::Line,
                double barWidth = 0) {
    Plot plot;
    plot.X.Kind = AxisKind::Value;
    plot.Series.push_back({"a", kSeriesColours[0], style, std::move(points), barWidth});
    return plot;
}

TEST(ScaleAxis, FollowsTheGraphWindowsRules) {
    const struct {
        AxisKind kind;
        double maximum;
        double fullScale;
        Labels labels;
    } cases[] = {
        // Time in minutes: 7 min rounds up to the next 5-minute multiple.
        {AxisKind::TimeMinutes, 7, 10, {"0", "2", "4", "6", "8", "10"}},
        {AxisKind::TimeMinutes, 0.5, 1, {"0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {AxisKind::TimeMinutes, 400, 150, {"0", "30", "60", "90", "120", "150"}},
        // Values: the next multiple of the band's step strictly above the maximum.
        {AxisKind::Value, 10, 15, {"0", "3", "6", "9", "12", "15"}},
        {AxisKind::Value, 612, 1000, {"0", "200", "400", "600", "800", "1000"}},
        {AxisKind::Value, 1.2, 1.5, {"0", "0.3", "0.6", "0.9", "1.2", "1.5"}},
        {AxisKind::Value, 0, 0.05, {"0", "0.0100", "0.0200", "0.0300", "0.0400", "0.0500"}},
    };
    for (const auto& c : cases) {
        const AxisScale scale = ScaleAxis(c.kind, c.maximum);
        EXPECT_FLOAT_EQ(static_cast<float>(scale.FullScale), static_cast<float>(c.fullScale))
            << c.maximum;
        EXPECT_EQ(scale.Labels, c.labels) << c.maximum;
    }
}

TEST(ScalePlot, LargestFiniteValuesSetTheScales) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Plot plot = WithPoints({{1, 2}, {nan, 40}, {12, inf}, {3, -7}});
    EXPECT_DOUBLE_EQ(LargestX(plot), 12);
    EXPECT_DOUBLE_EQ(LargestY(plot), 40); // the y of a point whose x is not finite still counts
    const PlotScales scales = ScalePlot(plot);
    EXPECT_FLOAT_EQ(static_cast<float>(scales.X.FullScale), 15);
    EXPECT_FLOAT_EQ(static_cast<float>(scales.Y.FullScale), 45);

    EXPECT_DOUBLE_EQ(LargestY(WithPoints({{1, -3}, {2, -1}})), 0);               // never below 0
    EXPECT_DOUBLE_EQ(LargestX(WithPoints({{10, 1}}, SeriesStyle::Bars, 4)), 12); // right edge
}

TEST(ScalePlot, AGivenMaximumGivesBothAxesTheSameScale) {
    Plot plot = WithPoints({{300, 20}, {40, 900}});
    plot.X.Maximum = 900;
    plot.Y.Maximum = 900;
    const PlotScales scales = ScalePlot(plot);
    EXPECT_FLOAT_EQ(static_cast<float>(scales.X.FullScale), 1000);
    EXPECT_EQ(scales.X.Labels, scales.Y.Labels);
}

} // namespace
} // namespace vorla::plot

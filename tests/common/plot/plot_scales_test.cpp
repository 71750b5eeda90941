#include "common/plot/plot_scales.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

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

// Time in seconds keeps the minutes' full scale (7 min: 10 min = 600 s) and
// ticks it at the clock's steps, the fewest that give at most six steps:
// 600 s by 120 (60 would give 10), 60 s by 10, 9000 s by 1800 (30 min).
TEST(ScaleAxis, TimeInSecondsIsTheMinutesScaleAtTheClocksSteps) {
    const struct {
        double minutes;
        std::vector<std::string> labels;
    } cases[] = {
        {7, {"0", "120", "240", "360", "480", "600"}},
        {0.5, {"0", "10", "20", "30", "40", "50", "60"}},
        {400, {"0", "1800", "3600", "5400", "7200", "9000"}},
    };
    for (const auto& c : cases) {
        Plot plot;
        plot.X.Maximum = c.minutes;
        plot.Series.push_back({"a", kSeriesColours[0], SeriesStyle::Bars, {{0.5, 1}}, 0.25});
        const Plot seconds = WithTimeIn(plot, TimeAxisUnit::Seconds);
        EXPECT_EQ(seconds.X.Title, "Time (s)");
        EXPECT_EQ(seconds.Series[0].Points[0].X, 30);
        EXPECT_EQ(seconds.Series[0].BarWidth, 15);
        const AxisScale scale = ScalePlot(seconds).X;
        ASSERT_TRUE(scale.Range) << c.minutes;
        std::vector<std::string> labels;
        for (const auto& tick : scale.Range->Ticks) {
            labels.push_back(tick.Label);
        }
        EXPECT_EQ(labels, c.labels) << c.minutes;
        EXPECT_EQ(scale.FullScale, std::stod(c.labels.back())) << c.minutes;
        // Minutes, and an axis that is not time, are left as they are.
        EXPECT_EQ(WithTimeIn(plot, TimeAxisUnit::Minutes).Series[0].Points[0].X, 0.5);
    }
    Plot values = WithPoints({{2, 3}});
    values.X.Title = "Runs (min)";
    EXPECT_EQ(WithTimeIn(values, TimeAxisUnit::Seconds).X.Title, "Runs (min)");
    EXPECT_EQ(WithTimeIn(values, TimeAxisUnit::Seconds).Series[0].Points[0].X, 2);

    // A range shown (a zoom from 2 to 4 min) becomes 120 to 240 s, by 20 s.
    Plot zoomed;
    zoomed.X.Range = TicksOver(AxisTickKind::Minutes, 2, 4, std::nullopt);
    const auto range = WithTimeIn(zoomed, TimeAxisUnit::Seconds).X.Range;
    ASSERT_TRUE(range);
    EXPECT_EQ(range->Min, 120);
    EXPECT_EQ(range->Max, 240);
    EXPECT_EQ(range->Step, 20);
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

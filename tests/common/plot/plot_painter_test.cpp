// The plot is rendered into a picture and read back by colour: the grid lines
// are found as the columns and rows of grid-coloured pixels, independently of
// the mapping the painter uses, and the series must land on them.
#include "common/plot/offscreen_gui.h"
#include "common/plot/plot_files.h"
#include "common/plot/plot_painter.h"
#include "plot_test_support.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace vorla::plot {
namespace {

using namespace vorla::plot::testing;

constexpr QSize kSize(640, 480);

class PlotPainting : public ::testing::Test {
  protected:
    OffscreenGui gui_;
};

Plot ValuePlot(SeriesStyle style, std::vector<PlotPoint> points, double barWidth = 0) {
    Plot plot;
    plot.Title = "Test";
    // Both axes run to 15, the next multiple of 5 above 14: ticks every 3.
    plot.X = {AxisKind::Value, "x (m)", 14.0};
    plot.Y = {AxisKind::Value, "y (kW)", 14.0};
    plot.Series.push_back({"s", kSeriesColours[0], style, std::move(points), barWidth});
    return plot;
}

// The plotting area's grid lines: four columns and four rows, left to right and
// bottom to top.
struct Grid {
    std::vector<int> Columns;
    std::vector<int> Rows;
};

// Found in the picture of the same plot without its series, which nothing covers.
Grid FindGrid(Plot plot) {
    plot.Series.clear();
    plot.Legend = LegendPlace::None;
    const QImage image = RenderPlotImage(plot, kSize);
    Grid grid{FullColumns(image, kGrid, image.height() / 3),
              FullRows(image, kGrid, image.width() / 3)};
    std::reverse(grid.Rows.begin(), grid.Rows.end());
    return grid;
}

TEST_F(PlotPainting, APointOnATickValueLandsOnThatGridLine) {
    // (6, 9) is tick 2 across and tick 3 up; the marker is the only series pixel.
    const Plot plot = ValuePlot(SeriesStyle::Markers, {{6, 9}});
    const QImage image = RenderPlotImage(plot, kSize);
    const Grid grid = FindGrid(plot);
    ASSERT_EQ(grid.Columns.size(), 4U);
    ASSERT_EQ(grid.Rows.size(), 4U);
    const PixelBox marker = PixelsOf(image, kSeriesColours[0]);
    ASSERT_GT(marker.Count, 0);
    EXPECT_NEAR(marker.CentreX(), grid.Columns[1], 1.0);
    EXPECT_NEAR(marker.CentreY(), grid.Rows[2], 1.0);
}

TEST_F(PlotPainting, ALevelLineOnATimeAxisRunsAlongItsGridRow) {
    Plot plot;
    // Up to 480 °C the axis runs to 500, so 100 °C is the first grid row; up to
    // 7 min the time axis runs to 10 min, so 4 min is the second grid column.
    plot.X.Maximum = 7;
    plot.Y = {AxisKind::Value, "Upper Layer Temperature (°C)", 480.0};
    plot.Series.push_back(
        {"T", kSeriesColours[1], SeriesStyle::Line, {{0, 100}, {4, 100}, {4, 300}}});
    const QImage image = RenderPlotImage(plot, kSize);
    const Grid grid = FindGrid(plot);
    ASSERT_EQ(grid.Rows.size(), 4U);
    const PixelBox line = PixelsOf(image, kSeriesColours[1]);
    ASSERT_GT(line.Count, 0);
    EXPECT_NEAR(line.Bottom - 0.5, grid.Rows[0], 1.5); // the level part, 2 px wide
    EXPECT_NEAR(line.Right - 0.5, grid.Columns[1], 1.5);
}

TEST_F(PlotPainting, AChosenRangeIsDrawnWithItsOwnTicks) {
    // A zoomed graph: time 2 to 6 min with ticks every min (3, 4, 5 inside;
    // 2 and 6 at the ends, no grid line there), values 15 to 85 with ticks
    // at 20, 40, 60, 80, all inside. A marker at (4, 60) lands on the second
    // grid column and the third grid row; one at (1, 10), outside, is cut off.
    Plot plot;
    plot.X.Range = TicksOver(AxisTickKind::Minutes, 2, 6, 1.0);
    plot.Y = {AxisKind::Value, "Rate of Heat Release (kW)", std::nullopt,
              TicksOver(AxisTickKind::Value, 15, 85, std::nullopt)};
    plot.Series.push_back({"s", kSeriesColours[0], SeriesStyle::Markers, {{4, 60}, {1, 10}}});
    const QImage image = RenderPlotImage(plot, kSize);
    const Grid grid = FindGrid(plot);
    ASSERT_EQ(grid.Columns.size(), 3U);
    ASSERT_EQ(grid.Rows.size(), 4U);
    // Equal spacing of the columns, and of the rows: 20 of 70 apart.
    EXPECT_NEAR(grid.Columns[2] - grid.Columns[1], grid.Columns[1] - grid.Columns[0], 1.0);
    EXPECT_NEAR(grid.Rows[3] - grid.Rows[2], grid.Rows[1] - grid.Rows[0], 1.0);
    const PixelBox marker = PixelsOf(image, kSeriesColours[0]);
    ASSERT_GT(marker.Count, 0);
    EXPECT_NEAR(marker.CentreX(), grid.Columns[1], 1.0);
    EXPECT_NEAR(marker.CentreY(), grid.Rows[2], 1.0);
    // Only the one marker: the other is outside the area.
    EXPECT_LT(marker.Right - marker.Left, 20);
}

TEST_F(PlotPainting, BarHeightsAreProportionalToTheirValues) {
    const Plot plot = ValuePlot(SeriesStyle::Bars, {{1.5, 3}, {4.5, 6}, {7.5, 12}}, 3);
    const QImage image = RenderPlotImage(plot, kSize);
    const Grid grid = FindGrid(plot);
    ASSERT_EQ(grid.Columns.size(), 4U);
    ASSERT_EQ(grid.Rows.size(), 4U);
    // Each bar spans one grid cell across; its top is on a grid row.
    const PixelBox first = PixelsOf(image, kSeriesColours[0], 0, grid.Columns[0]);
    const PixelBox second = PixelsOf(image, kSeriesColours[0], grid.Columns[0], grid.Columns[1]);
    const PixelBox third = PixelsOf(image, kSeriesColours[0], grid.Columns[1], grid.Columns[2]);
    const int bottom = first.Bottom;
    EXPECT_EQ(second.Bottom, bottom);
    EXPECT_NEAR(first.Top, grid.Rows[0], 2);
    EXPECT_NEAR(second.Top, grid.Rows[1], 2);
    EXPECT_NEAR(third.Top, grid.Rows[3], 2);
    // Differences of the tops do not depend on where the bars' common base is drawn.
    const double rise = first.Top - second.Top;           // 3 to 6
    EXPECT_NEAR((first.Top - third.Top) / rise, 3, 0.05); // 3 to 12
    EXPECT_EQ(PixelsOf(image, kSeriesColours[0], grid.Columns[2]).Count, 0);
}

TEST_F(PlotPainting, StepsHoldEachValueUntilTheNextPoint) {
    // Steps of 6 at x = 3, 6 and 9, as an empirical CDF draws them.
    const Plot plot =
        ValuePlot(SeriesStyle::Steps, {{3, 0}, {3, 6}, {6, 6}, {6, 12}, {9, 12}, {9, 14}});
    const QImage image = RenderPlotImage(plot, kSize);
    const Grid grid = FindGrid(plot);
    ASSERT_EQ(grid.Columns.size(), 4U);
    // Between the first two grid columns the curve is flat on the second grid row.
    const PixelBox middle =
        PixelsOf(image, kSeriesColours[0], grid.Columns[0] + 3, grid.Columns[1] - 3);
    ASSERT_GT(middle.Count, 0);
    const PixelBox bottomCell = PixelsOf(image, kSeriesColours[0], 0, grid.Columns[0] - 3);
    EXPECT_EQ(bottomCell.Count, 0); // nothing left of the first step
    EXPECT_LE(middle.Bottom - middle.Top, 2);
    EXPECT_NEAR(middle.CentreY(), grid.Rows[1], 1.0);
}

TEST_F(PlotPainting, NothingIsDrawnForPointsThatAreNotFinite) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const auto style : {SeriesStyle::Line, SeriesStyle::Markers, SeriesStyle::Steps,
                             SeriesStyle::Bars, SeriesStyle::DashedLine}) {
        const QImage image =
            RenderPlotImage(ValuePlot(style, {{nan, 1}, {2, inf}, {-inf, nan}}, 1), kSize);
        EXPECT_EQ(PixelsOf(image, kSeriesColours[0]).Count, 0) << static_cast<int>(style);
    }
}

TEST_F(PlotPainting, ValuesFarOffTheScaleStayInsideThePlottingArea) {
    const Plot plot =
        ValuePlot(SeriesStyle::Line, {{0, 0}, {5, 1e300}, {1e300, 5}, {-1e300, -1e300}});
    const QImage image = RenderPlotImage(plot, kSize);
    QImage probe(kSize, QImage::Format_RGB32);
    QPainter painter(&probe);
    const PlotGeometry geometry = LayOutPlot(plot, QRectF(QPointF(0, 0), QSizeF(kSize)), &probe);
    painter.end();
    const PixelBox line = PixelsOf(image, kSeriesColours[0]);
    ASSERT_GT(line.Count, 0);
    EXPECT_GE(line.Left, geometry.Area.left() - 1);
    EXPECT_LE(line.Right, geometry.Area.right() + 1);
    EXPECT_GE(line.Top, geometry.Area.top() - 1);
    EXPECT_LE(line.Bottom, geometry.Area.bottom() + 1);
}

} // namespace
} // namespace vorla::plot

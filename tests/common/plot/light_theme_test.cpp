// The light theme, checked by what a reader of a printed page needs rather
// than against a stored picture: white paper, dark axes and text, and curves
// that stay apart once a grey printer has turned them into shades of grey.
#include "common/plot/offscreen_gui.h"
#include "common/plot/plot_painter.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace vorla::plot {
namespace {

// Rec. 709 luminance on 0..255, what a grey printer keeps of a colour.
double Luminance(QRgb pixel) {
    return 0.2126 * qRed(pixel) + 0.7152 * qGreen(pixel) + 0.0722 * qBlue(pixel);
}

// Six flat series, one per palette colour, at heights between the grid lines.
constexpr double kHeights[6] = {1, 3, 5, 7, 9, 9.6};

Plot SixSeries(GraphTheme theme) {
    Plot plot;
    plot.Title = "Six curves";
    plot.Y = {AxisKind::Value, "Value (-)", 10.0};
    plot.X.Maximum = 10.0;
    plot.Theme = theme;
    for (std::size_t i = 0; i < 6; ++i) {
        plot.Series.push_back({"s" + std::to_string(i),
                               kSeriesColours[i],
                               SeriesStyle::Line,
                               {{0, kHeights[i]}, {10, kHeights[i]}}});
    }
    return plot;
}

struct Painted {
    QImage Image;
    PlotGeometry Geometry;
};

Painted Paint(const Plot& plot) {
    Painted painted{QImage(800, 560, QImage::Format_RGB32), {}};
    painted.Image.fill(Qt::magenta); // anything left unpainted shows
    const QRectF canvas(0, 0, 800, 560);
    painted.Geometry = LayOutPlot(plot, canvas, &painted.Image);
    QPainter painter(&painted.Image);
    PaintPlot(painter, canvas, plot);
    return painted;
}

class LightTheme : public ::testing::Test {
  protected:
    OffscreenGui gui_;
};

TEST_F(LightTheme, ThePaperIsWhiteAndTheAxesAndTextDark) {
    const Painted painted = Paint(SixSeries(GraphTheme::Light));
    const QRectF area = painted.Geometry.Area;
    // Inside the area between the grid lines and the curves, and the margin.
    const QPointF inside = painted.Geometry.ToCanvas(1, 2);
    for (QPoint at : {inside.toPoint(), QPoint(3, 3), QPoint(797, 557)}) {
        EXPECT_EQ(painted.Image.pixel(at), qRgb(255, 255, 255)) << at.x() << "," << at.y();
    }
    // The left and bottom edges of the area, halfway along: the axes.
    const int left = static_cast<int>(std::floor(area.left()));
    const int bottom = static_cast<int>(std::floor(area.bottom()));
    EXPECT_LT(Luminance(painted.Image.pixel(left, static_cast<int>(area.center().y()))), 64);
    EXPECT_LT(Luminance(painted.Image.pixel(static_cast<int>(area.center().x()), bottom)), 64);
    // The title's row holds dark pixels (its letters) and nothing light but white.
    int darkPixels = 0;
    for (int x = 0; x < 800; ++x) {
        for (int y = 0; y < static_cast<int>(area.top()) - 30; ++y) {
            darkPixels += Luminance(painted.Image.pixel(x, y)) < 64 ? 1 : 0;
        }
    }
    EXPECT_GT(darkPixels, 50);
}

// Each curve's colour (the most common one along its row), apart from every
// other's by at least 25 of 255 in luminance -- about a tenth of the range, the
// step a laser printer's halftone still tells apart -- and dark enough (at
// most 200) to show on white.
TEST_F(LightTheme, TheCurvesStayApartInGrey) {
    const Painted painted = Paint(SixSeries(GraphTheme::Light));
    std::vector<double> luminances;
    for (double height : kHeights) {
        const int y = static_cast<int>(std::lround(painted.Geometry.ToCanvas(5, height).y()));
        std::map<QRgb, int> counts;
        for (int x = static_cast<int>(painted.Geometry.Area.left()) + 2;
             x < static_cast<int>(painted.Geometry.Area.right()) - 2; ++x) {
            const QRgb pixel = painted.Image.pixel(x, y);
            if (pixel != qRgb(255, 255, 255)) {
                ++counts[pixel];
            }
        }
        ASSERT_FALSE(counts.empty()) << "no curve at " << height;
        const auto most = std::max_element(counts.begin(), counts.end(),
                                           [](auto a, auto b) { return a.second < b.second; });
        luminances.push_back(Luminance(most->first));
    }
    for (std::size_t i = 0; i < luminances.size(); ++i) {
        EXPECT_LE(luminances[i], 200) << "curve " << i;
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_GE(std::abs(luminances[i] - luminances[j]), 25) << "curves " << j << ", " << i;
        }
    }
}

// Apart from the grey print, each line but the first is dashed: along its
// row it has gaps of white.
TEST_F(LightTheme, EveryCurveButTheFirstIsDashed) {
    const Painted painted = Paint(SixSeries(GraphTheme::Light));
    for (std::size_t i = 0; i < 6; ++i) {
        const int y = static_cast<int>(std::lround(painted.Geometry.ToCanvas(5, kHeights[i]).y()));
        int gaps = 0;
        for (int x = static_cast<int>(painted.Geometry.Area.left()) + 2;
             x < static_cast<int>(painted.Geometry.Area.right()) - 2; ++x) {
            gaps += painted.Image.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
        }
        EXPECT_EQ(gaps > 0, i > 0) << "curve " << i << " has " << gaps << " white pixels";
    }
}

// The dark theme is the pictures as before: its plotting area is the windows' navy.
TEST_F(LightTheme, TheDarkThemeKeepsTheWindowsLook) {
    const Painted painted = Paint(SixSeries(GraphTheme::Dark));
    const QPointF inside = painted.Geometry.ToCanvas(1, 2);
    EXPECT_EQ(painted.Image.pixel(inside.toPoint()), qRgb(12, 20, 38));
}

} // namespace
} // namespace vorla::plot

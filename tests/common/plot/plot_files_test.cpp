#include "common/plot/offscreen_gui.h"
#include "common/plot/plot_files.h"

#include <QImage>
#include <QString>
#include <filesystem>
#include <gtest/gtest.h>
#include <limits>

namespace vorla::plot {
namespace {

class PlotFiles : public ::testing::Test {
  protected:
    OffscreenGui gui_;
};

Plot LabelledPlot() {
    Plot plot;
    plot.Title = "Office, sofa fire";
    plot.Y = {AxisKind::Value, "Vent Flow (kg/s)", std::nullopt};
    plot.Legend = LegendPlace::TopLeft;
    plot.Series.push_back({"VORLA-XW", kSeriesColours[0], SeriesStyle::Line, {{0, 0}, {9, 1.2}}});
    plot.Series.push_back(
        {"CFAST", kSeriesColours[1], SeriesStyle::DashedLine, {{0, 0}, {9, 1.1}}});
    return plot;
}

TEST_F(PlotFiles, TheSvgCarriesTitlesTickLabelsAndLegend) {
    const QString svg = QString::fromUtf8(PlotSvgText(LabelledPlot(), {800, 560}));
    // Time axis to 10 min (ticks every 2), value axis to 1.5 kg/s (every 0.3).
    for (const char* text : {">Office, sofa fire<", ">Vent Flow (kg/s)<", ">Time (min)<", ">10<",
                             ">4<", ">0.3<", ">1.5<", ">VORLA-XW<", ">CFAST<"}) {
        EXPECT_TRUE(svg.contains(QString::fromUtf8(text))) << text;
    }
    EXPECT_FALSE(svg.contains("nan", Qt::CaseInsensitive));
    EXPECT_FALSE(svg.contains("inf\"", Qt::CaseInsensitive));
}

TEST_F(PlotFiles, TheSameDrawingGivesTheSameBytes) {
    EXPECT_EQ(PlotSvgText(LabelledPlot(), {800, 560}), PlotSvgText(LabelledPlot(), {800, 560}));
    EXPECT_EQ(PlotPngBytes(LabelledPlot(), {400, 300}), PlotPngBytes(LabelledPlot(), {400, 300}));
}

TEST_F(PlotFiles, WritesFilesThatReadBack) {
    const auto folder = std::filesystem::temp_directory_path() / "vorla_plot_files_test";
    std::filesystem::create_directories(folder);
    const std::string png = (folder / "plot.png").string();
    const std::string svg = (folder / "plot.svg").string();
    EXPECT_EQ(WritePlotPng(png, LabelledPlot(), {400, 300}), std::nullopt);
    EXPECT_EQ(WritePlotSvg(svg, LabelledPlot(), {400, 300}), std::nullopt);
    const QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.size(), QSize(400, 300));
    EXPECT_GT(std::filesystem::file_size(svg), 1000U);
    std::filesystem::remove_all(folder);
}

TEST_F(PlotFiles, AFileThatCannotBeWrittenIsNamedInTheError) {
    const std::string path = "/nonexistent-folder/plot.svg";
    const auto error = WritePlotSvg(path, LabelledPlot(), {400, 300});
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find(path), std::string::npos) << *error;
    EXPECT_TRUE(WritePlotPng("/nonexistent-folder/plot.png", LabelledPlot(), {400, 300}));
}

} // namespace
} // namespace vorla::plot

// A plot as a plain value: title, two axes, series and legend. It holds no Qt
// type, so calculations can build one without a display; PaintPlot
// (plot_painter.h) and the writers (plot_files.h) draw it with the look of the
// programs' graph windows.
//
//   vorla::plot::Plot plot;
//   plot.Title = "Office, sofa fire";
//   plot.Y.Title = "Upper Layer Temperature (°C)";
//   plot.Series.push_back({"model", vorla::plot::kSeriesColours[0],
//                          vorla::plot::SeriesStyle::Line, points});
//   if (auto error = vorla::plot::WritePlotSvg("office.svg", plot, {800, 560})) { ... }
//
// Both axes start at 0. The time axis takes minutes and scales as the graph
// windows' time axis does (1, 2.5, 5, multiples of 5 up to 30, 50, 100, 150
// minutes); a value axis scales as their value axis (the next multiple of
// 5000, 500, 50, 5, 0.5 or 0.05 above the largest value). Points beyond the
// axes are cut off at the edge of the plotting area; points that are not
// finite numbers are left out (a line is broken there).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorla::plot {

struct Rgb {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    bool operator==(const Rgb&) const = default;
};

// The graph windows' colours: the dark plotting area, its grid, and the yellow
// of their one series, which comes first in the series palette.
inline constexpr Rgb kBackground{12, 20, 38};
inline constexpr Rgb kGrid{78, 96, 124};
inline constexpr Rgb kFrame{240, 240, 240}; // around the plotting area, as a window
inline constexpr Rgb kText{0, 0, 0};
inline constexpr std::array<Rgb, 6> kSeriesColours = {{
    {255, 255, 0},   // yellow, the graph windows' series
    {0, 255, 255},   // cyan
    {255, 96, 208},  // pink
    {96, 255, 96},   // green
    {255, 160, 48},  // orange
    {255, 255, 255}, // white
}};

enum class SeriesStyle {
    Line,       // straight segments from point to point
    DashedLine, // the same, dashed (a reference beside a computed curve)
    Markers,    // a small square at each point, nothing between (scatter)
    Steps,      // each value held until the next point's x (an empirical CDF)
    Bars,       // a bar of BarWidth centred on each x, from 0 up to y (a histogram)
};

struct PlotPoint {
    double X = 0;
    double Y = 0;
};

struct PlotSeries {
    std::string Name; // shown in the legend
    Rgb Colour = kSeriesColours[0];
    SeriesStyle Style = SeriesStyle::Line;
    std::vector<PlotPoint> Points;
    double BarWidth = 0; // Bars only, in x units
};

enum class AxisKind {
    TimeMinutes, // x only: time in minutes, the graph windows' time axis
    Value,       // any quantity from 0, the graph windows' value axis
};

struct PlotAxis {
    AxisKind Kind = AxisKind::Value;
    std::string Title; // with its unit: "Time (min)", "Vent Flow (kg/s)"
    // The largest value the axis must show; by default the largest finite
    // value of the series along this axis. Two axes given the same maximum
    // get the same scale (a computed-against-reference plot).
    std::optional<double> Maximum;
};

enum class LegendPlace { None, TopLeft, TopRight, BottomLeft, BottomRight };

struct Plot {
    std::string Title;
    PlotAxis X{AxisKind::TimeMinutes, "Time (min)", std::nullopt};
    PlotAxis Y{AxisKind::Value, "", std::nullopt};
    std::vector<PlotSeries> Series;
    LegendPlace Legend = LegendPlace::None;
};

} // namespace vorla::plot

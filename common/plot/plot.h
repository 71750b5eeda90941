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
// minutes), or seconds on the same scales (WithTimeIn); a value axis scales as their value axis (the next multiple of
// 5000, 500, 50, 5, 0.5 or 0.05 above the largest value). Points beyond the
// axes are cut off at the edge of the plotting area; points that are not
// finite numbers are left out (a line is broken there).
#pragma once

#include "common/plot/axis_ticks.h"

#include <array>
#include <cmath>
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

// The look of a graph: Dark, the graph windows' own (the colours above), or
// Light, for reports and print: white paper, dark axes and text.
enum class GraphTheme { Dark, Light };

struct ThemeColours {
    Rgb Frame;      // around the plotting area
    Rgb Background; // the plotting area
    Rgb Grid;
    Rgb Text;       // titles and tick labels, on the frame
    Rgb LegendText; // on the plotting area
    bool AxisLines; // the area's edges drawn in Text's colour, as axes
};

inline constexpr ThemeColours kDarkColours{kFrame, kBackground, kGrid, kText, kFrame, false};
inline constexpr ThemeColours kLightColours{{255, 255, 255}, {255, 255, 255}, {200, 200, 200},
                                            {0, 0, 0},       {0, 0, 0},       true};

// The light theme's series, in the order of kSeriesColours (which they stand
// in for). On white paper the dark theme's yellow and cyan all but vanish, and
// a grey printer turns colours into shades of grey: these go from black to a
// pale blue in steps of about 30 in luminance (Rec. 709: 0.2126 R + 0.7152 G
// + 0.0722 B, on 0..255) -- 0, 44, 74, 104, 135, 164 -- so every pair is told
// apart in grey print, and each also has its own dash pattern
// (kLightSeriesDashes) for a printer that renders colours all alike.
inline constexpr std::array<Rgb, 6> kLightSeriesColours = {{
    {0, 0, 0},       // black
    {20, 40, 160},   // dark blue
    {200, 40, 40},   // red
    {0, 140, 60},    // green
    {230, 120, 0},   // orange
    {120, 170, 230}, // pale blue
}};

// The dash of each light series line, in the pattern Qt's QPen takes (dash
// and gap lengths in line widths); empty: solid.
inline constexpr std::array<std::array<double, 4>, 6> kLightSeriesDashes = {{
    {0, 0, 0, 0}, // solid
    {4, 2, 4, 2}, // dashed
    {1, 2, 1, 2}, // dotted
    {4, 2, 1, 2}, // dash-dot
    {6, 2, 6, 2}, // long dashes
    {2, 1, 2, 1}, // short dashes
}};

inline constexpr const ThemeColours& ColoursOf(GraphTheme theme) {
    return theme == GraphTheme::Light ? kLightColours : kDarkColours;
}

// The place of `colour` in kSeriesColours; nothing for a colour of its own.
inline std::optional<std::size_t> SeriesIndexOf(Rgb colour) {
    for (std::size_t i = 0; i < kSeriesColours.size(); ++i) {
        if (kSeriesColours[i] == colour) {
            return i;
        }
    }
    return std::nullopt;
}

// A series' colour in `theme`: a palette colour becomes the light theme's
// entry in its place; any other colour is kept.
inline Rgb ThemedColour(Rgb colour, GraphTheme theme) {
    const auto index = SeriesIndexOf(colour);
    return theme == GraphTheme::Light && index ? kLightSeriesColours[*index] : colour;
}

enum class SeriesStyle {
    Line,       // straight segments from point to point
    DashedLine, // the same, dashed (a reference beside a computed curve)
    Markers,    // a small square at each point, nothing between (scatter)
    Steps,      // each value held until the next point's x (an empirical CDF)
    Bars,       // a bar of BarWidth centred on each x, from 0 up to y (a histogram)
    // A filled area (an uncertainty band): the points go along its upper edge
    // and back along its lower edge, and the area they close is filled in
    // the colour at kAreaOpacity, so the lines drawn under it show through.
    Area,
};

// How much of an Area's colour covers what is below it (of 255).
inline constexpr std::uint8_t kAreaOpacity = 70;

struct PlotPoint {
    double X = 0;
    double Y = 0;
};

// A point a plot can place: a NaN or an infinity is a gap in its series.
inline bool IsFinite(const PlotPoint& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

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
    // x only: time in seconds, as the graph windows show it when Preferences…
    // chooses s: the full scale of the minutes' axis for the same maximum, in
    // seconds, with ticks at the clock's steps (TicksOver's Seconds).
    TimeSeconds,
};

struct PlotAxis {
    AxisKind Kind = AxisKind::Value;
    std::string Title; // with its unit: "Time (min)", "Vent Flow (kg/s)"
    // The largest value the axis must show; by default the largest finite
    // value of the series along this axis. Two axes given the same maximum
    // get the same scale (a computed-against-reference plot).
    std::optional<double> Maximum;
    // The range and ticks a graph window shows instead (a zoom, the Axes…
    // dialog, time in seconds): the axis runs from Min to Max, each tick
    // labelled, with a grid line at each tick inside the ends; Maximum and
    // Kind are then not used.
    std::optional<AxisTicks> Range = std::nullopt;
};

enum class LegendPlace { None, TopLeft, TopRight, BottomLeft, BottomRight };

struct Plot {
    std::string Title;
    PlotAxis X{AxisKind::TimeMinutes, "Time (min)", std::nullopt};
    PlotAxis Y{AxisKind::Value, "", std::nullopt};
    std::vector<PlotSeries> Series;
    LegendPlace Legend = LegendPlace::None;
    GraphTheme Theme = GraphTheme::Dark;
};

// The unit of a time axis, chosen in Preferences… (the windows) or with
// --time-axis (the batch command).
enum class TimeAxisUnit { Minutes, Seconds };

// `plot` with its time axis in `unit`. To seconds, a time axis in minutes has
// every x, a bar's width, its maximum and the ends of a range multiplied by 60
// (a range's ticks then at the automatic step in seconds) and its title's
// "(min)" read "(s)": the curves stand where they stood and only the axis
// reads differently. Anything else is returned as it is.
inline Plot WithTimeIn(Plot plot, TimeAxisUnit unit) {
    if (unit == TimeAxisUnit::Minutes || plot.X.Kind != AxisKind::TimeMinutes) {
        return plot;
    }
    plot.X.Kind = AxisKind::TimeSeconds;
    if (const auto at = plot.X.Title.rfind("(min)"); at != std::string::npos) {
        plot.X.Title.replace(at, 5, "(s)");
    }
    if (plot.X.Maximum) {
        *plot.X.Maximum *= 60;
    }
    if (plot.X.Range) {
        plot.X.Range =
            TicksOver(AxisTickKind::Seconds, plot.X.Range->Min * 60, plot.X.Range->Max * 60,
                      std::nullopt);
    }
    for (auto& series : plot.Series) {
        series.BarWidth *= 60;
        for (auto& point : series.Points) {
            point.X *= 60;
        }
    }
    return plot;
}

} // namespace vorla::plot

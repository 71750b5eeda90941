// Painting a Plot with the look of the programs' graph windows: the window's
// light frame with the titles and tick labels, the dark plotting area with its
// grid, and the series in their colours. The tick labels, the grid and the
// series share one mapping from values to the painter's coordinates
// (PlotGeometry::ToCanvas), so a point whose value is a tick's value lands on
// that tick's grid line.
#pragma once

#include "common/plot/plot.h"
#include "common/plot/plot_scales.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

class QPaintDevice;
class QPainter;

namespace vorla::plot {

struct PlotGeometry {
    QRectF Area; // the plotting area, in the painter's coordinates
    PlotScales Scales;

    // Where the value (x, y) lands: x = 0 on the left edge of the area and the
    // x full scale on its right edge, y = 0 at the bottom and the y full scale
    // at the top.
    QPointF ToCanvas(double x, double y) const;
    // The position of tick a = 0..5 along each axis (grid lines for 1..4).
    double TickX(int a) const;
    double TickY(int a) const;

    // Every tick of each axis: its position along the axis on the canvas, its
    // label, and whether a grid line runs through it (not at the ends). An
    // automatic axis has ticks 0..5; one with a Range has the Range's.
    struct Tick {
        double At = 0;
        QString Label;
        bool Grid = false;
    };
    std::vector<Tick> XTicks() const;
    std::vector<Tick> YTicks() const;
};

// The fonts of a plot painted into `canvas`: DejaVu Sans sized from the
// canvas height, so a picture twice as large has labels twice as large.
QFont PlotLabelFont(const QRectF& canvas);
QFont PlotTitleFont(const QRectF& canvas);

// The plotting area and scales of `plot` painted into `canvas` on `device`
// (whose resolution the font metrics follow).
PlotGeometry LayOutPlot(const Plot& plot, const QRectF& canvas, const QPaintDevice* device);

// How a plot's texts are drawn: Shaped as the windows and their pictures draw
// them, or each letter as written (no "fi" ligature), so that a reader of a
// PDF's text (a search, pdftotext) finds the words of a legend or a title.
enum class PlotLetters { Shaped, AsWritten };

// Paints `plot` filling `canvas`. The painter's state is restored afterwards.
void PaintPlot(QPainter& painter, const QRectF& canvas, const Plot& plot,
               PlotLetters letters = PlotLetters::Shaped);

} // namespace vorla::plot

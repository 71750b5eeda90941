// Painting one series of a plot in its style, and its sample in the legend.
#pragma once

#include "common/plot/plot.h"
#include "common/plot/plot_painter.h"

class QColor;
class QPainter;

namespace vorla::plot {

// `width` is the line width in the painter's units. In the light theme a
// palette colour is drawn as its light stand-in, and a line with its dash.
void PaintSeries(QPainter& painter, const PlotGeometry& geometry, const PlotSeries& series,
                 double width, GraphTheme theme = GraphTheme::Dark);

void PaintLegendSample(QPainter& painter, const PlotSeries& series, const QRectF& box,
                       GraphTheme theme = GraphTheme::Dark);

// A plot colour as Qt paints it.
QColor ToQColor(Rgb colour);

} // namespace vorla::plot

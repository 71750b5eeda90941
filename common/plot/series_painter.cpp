#include "common/plot/series_painter.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

namespace vorla::plot {
namespace {

// Far outside any picture, but small enough for the raster engine: a value
// that runs off the scale is drawn running off the edge, not wrapped round.
constexpr double kFarOutside = 1e6;

QPointF Bounded(QPointF p) {
    return {std::clamp(p.x(), -kFarOutside, kFarOutside),
            std::clamp(p.y(), -kFarOutside, kFarOutside)};
}

QPen SeriesPen(const PlotSeries& series, double width, GraphTheme theme) {
    QPen pen(ToQColor(ThemedColour(series.Colour, theme)), width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (series.Style == SeriesStyle::DashedLine) {
        pen.setStyle(Qt::DashLine);
        return pen;
    }
    const auto index = SeriesIndexOf(series.Colour);
    if (theme == GraphTheme::Light && index && kLightSeriesDashes[*index][0] > 0) {
        const auto& dash = kLightSeriesDashes[*index];
        pen.setDashPattern({dash[0], dash[1], dash[2], dash[3]});
    }
    return pen;
}

// The runs of consecutive finite points, mapped to the canvas.
std::vector<std::vector<QPointF>> FiniteRuns(const PlotGeometry& geometry, const PlotSeries& series,
                                             bool steps) {
    std::vector<std::vector<QPointF>> runs(1);
    for (std::size_t i = 0; i < series.Points.size(); ++i) {
        const auto& point = series.Points[i];
        if (!IsFinite(point)) {
            if (!runs.back().empty()) {
                runs.emplace_back();
            }
            continue;
        }
        auto& run = runs.back();
        const QPointF here = Bounded(geometry.ToCanvas(point.X, point.Y));
        if (steps && !run.empty()) {
            run.emplace_back(here.x(), run.back().y());
        }
        run.push_back(here);
    }
    return runs;
}

void PaintMarkers(QPainter& painter, const PlotGeometry& geometry, const PlotSeries& series,
                  double width, GraphTheme theme) {
    const double half = 1.5 * width;
    for (const auto& point : series.Points) {
        if (IsFinite(point)) {
            const QPointF centre = Bounded(geometry.ToCanvas(point.X, point.Y));
            painter.fillRect(QRectF(centre - QPointF(half, half), QSizeF(2 * half, 2 * half)),
                             ToQColor(ThemedColour(series.Colour, theme)));
        }
    }
}

void PaintBars(QPainter& painter, const PlotGeometry& geometry, const PlotSeries& series,
               GraphTheme theme) {
    painter.setPen(QPen(ToQColor(ColoursOf(theme).Background), 1));
    painter.setBrush(ToQColor(ThemedColour(series.Colour, theme)));
    for (const auto& point : series.Points) {
        if (!IsFinite(point) || !std::isfinite(series.BarWidth)) {
            continue;
        }
        const QPointF low = Bounded(geometry.ToCanvas(point.X - series.BarWidth / 2, 0));
        const QPointF high = Bounded(geometry.ToCanvas(point.X + series.BarWidth / 2, point.Y));
        painter.drawRect(QRectF(low, high).normalized());
    }
}

void PaintArea(QPainter& painter, const PlotGeometry& geometry, const PlotSeries& series,
               GraphTheme theme) {
    QPolygonF area;
    for (const auto& point : series.Points) {
        if (!IsFinite(point)) {
            return; // an edge with a gap has no inside to fill
        }
        area << Bounded(geometry.ToCanvas(point.X, point.Y));
    }
    QColor colour = ToQColor(ThemedColour(series.Colour, theme));
    colour.setAlpha(kAreaOpacity);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(area);
}

} // namespace

QColor ToQColor(Rgb colour) {
    return {colour.Red, colour.Green, colour.Blue};
}

void PaintSeries(QPainter& painter, const PlotGeometry& geometry, const PlotSeries& series,
                 double width, GraphTheme theme) {
    painter.save();
    switch (series.Style) {
    case SeriesStyle::Markers:
        PaintMarkers(painter, geometry, series, width, theme);
        break;
    case SeriesStyle::Bars:
        PaintBars(painter, geometry, series, theme);
        break;
    case SeriesStyle::Area:
        PaintArea(painter, geometry, series, theme);
        break;
    default:
        painter.setPen(SeriesPen(series, width, theme));
        for (const auto& run : FiniteRuns(geometry, series, series.Style == SeriesStyle::Steps)) {
            if (run.size() == 1) {
                painter.fillRect(
                    QRectF(run.front() - QPointF(width, width), QSizeF(2 * width, 2 * width)),
                    ToQColor(ThemedColour(series.Colour, theme)));
            } else if (run.size() > 1) {
                painter.drawPolyline(run.data(), static_cast<int>(run.size()));
            }
        }
        break;
    }
    painter.restore();
}

void PaintLegendSample(QPainter& painter, const PlotSeries& series, const QRectF& box,
                       GraphTheme theme) {
    painter.save();
    const QColor colour = ToQColor(ThemedColour(series.Colour, theme));
    const QPointF centre = box.center();
    if (series.Style == SeriesStyle::Markers) {
        const double half = box.height() / 6;
        painter.fillRect(QRectF(centre - QPointF(half, half), QSizeF(2 * half, 2 * half)), colour);
    } else if (series.Style == SeriesStyle::Area) {
        QColor area = colour;
        area.setAlpha(kAreaOpacity);
        painter.fillRect(QRectF(box.left(), box.top() + box.height() / 4, box.width(),
                                box.height() / 2),
                         area);
    } else if (series.Style == SeriesStyle::Bars) {
        painter.fillRect(QRectF(box.left() + box.width() / 4, box.top() + box.height() / 4,
                                box.width() / 2, box.height() / 2),
                         colour);
    } else {
        painter.setPen(SeriesPen(series, std::max(2.0, box.height() / 8), theme));
        painter.drawLine(QPointF(box.left(), centre.y()), QPointF(box.right(), centre.y()));
    }
    painter.restore();
}

} // namespace vorla::plot

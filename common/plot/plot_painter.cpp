#include "common/plot/plot_painter.h"

#include "common/plot/series_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace vorla::plot {
namespace {

QFont Sized(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(pixelSize, 8));
    font.setBold(bold);
    // Hinting would move glyphs by the screen's pixel grid; the pictures are
    // meant to be the same wherever they are drawn.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFontMetricsF Metrics(const QFont& font, const QPaintDevice* device) {
    return device != nullptr ? QFontMetricsF(font, device) : QFontMetricsF(font);
}

double WidestLabel(const AxisScale& scale, const QFontMetricsF& metrics) {
    double widest = 0;
    if (scale.Range) {
        for (const auto& tick : scale.Range->Ticks) {
            widest =
                std::max(widest, metrics.horizontalAdvance(QString::fromStdString(tick.Label)));
        }
        return widest;
    }
    for (const auto& label : scale.Labels) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(label)));
    }
    return widest;
}

// A tick within this share of an end is at the end: no grid line over the edge.
constexpr double kEndFraction = 1e-9;

template <class Position>
std::vector<PlotGeometry::Tick> TicksOf(const AxisScale& scale, Position position) {
    std::vector<PlotGeometry::Tick> ticks;
    if (scale.Range) {
        for (const auto& tick : scale.Range->Ticks) {
            ticks.push_back({position(tick.Value), QString::fromStdString(tick.Label),
                             tick.Fraction > kEndFraction && tick.Fraction < 1 - kEndFraction});
        }
        return ticks;
    }
    for (int a = 0; a <= 5; ++a) {
        ticks.push_back({position(scale.FullScale * a / 5),
                         QString::fromStdString(scale.Labels[static_cast<std::size_t>(a)]),
                         a >= 1 && a <= 4});
    }
    return ticks;
}

// The frame around the plotting area, in multiples of a label line.
constexpr double kMargin = 0.8;
constexpr double kTitleLines = 1.8;
constexpr double kAxisTitleLines = 1.5;
constexpr double kGapLines = 0.4;

void PaintLegend(QPainter& painter, const PlotGeometry& geometry, const Plot& plot,
                 const QFont& font) {
    if (plot.Legend == LegendPlace::None || plot.Series.empty()) {
        return;
    }
    const QFontMetricsF metrics = Metrics(font, painter.device());
    const double line = metrics.height();
    const double sample = 2 * line;
    double widest = 0;
    for (const auto& series : plot.Series) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(series.Name)));
    }
    const double pad = line / 2;
    const QSizeF size(pad + sample + pad + widest + pad,
                      pad + line * static_cast<double>(plot.Series.size()) + pad);
    const QRectF area = geometry.Area;
    const bool left = plot.Legend == LegendPlace::TopLeft || plot.Legend == LegendPlace::BottomLeft;
    const bool top = plot.Legend == LegendPlace::TopLeft || plot.Legend == LegendPlace::TopRight;
    const QPointF corner(left ? area.left() + pad : area.right() - pad - size.width(),
                         top ? area.top() + pad : area.bottom() - pad - size.height());
    const QRectF box(corner, size);

    const ThemeColours& colours = ColoursOf(plot.Theme);
    painter.setPen(QPen(ToQColor(colours.Grid), 1));
    painter.setBrush(ToQColor(colours.Background));
    painter.drawRect(box);
    painter.setFont(font);
    for (std::size_t i = 0; i < plot.Series.size(); ++i) {
        const auto& series = plot.Series[i];
        const double y = box.top() + pad + line * (static_cast<double>(i) + 0.5);
        const QRectF sampleBox(box.left() + pad, y - line / 2, sample, line);
        PaintLegendSample(painter, series, sampleBox, plot.Theme);
        painter.setPen(ToQColor(colours.LegendText));
        painter.drawText(QRectF(sampleBox.right() + pad, y - line / 2, widest + pad, line),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(series.Name));
    }
}

} // namespace

QPointF PlotGeometry::ToCanvas(double x, double y) const {
    return {Area.left() + (x - Scales.X.Low) / (Scales.X.FullScale - Scales.X.Low) * Area.width(),
            Area.bottom() -
                (y - Scales.Y.Low) / (Scales.Y.FullScale - Scales.Y.Low) * Area.height()};
}

std::vector<PlotGeometry::Tick> PlotGeometry::XTicks() const {
    return TicksOf(Scales.X, [this](double x) { return ToCanvas(x, Scales.Y.Low).x(); });
}

std::vector<PlotGeometry::Tick> PlotGeometry::YTicks() const {
    return TicksOf(Scales.Y, [this](double y) { return ToCanvas(Scales.X.Low, y).y(); });
}

double PlotGeometry::TickX(int a) const {
    return ToCanvas(Scales.X.FullScale * a / 5, 0).x();
}

double PlotGeometry::TickY(int a) const {
    return ToCanvas(0, Scales.Y.FullScale * a / 5).y();
}

QFont PlotLabelFont(const QRectF& canvas) {
    return Sized(static_cast<int>(std::lround(canvas.height() / 40)), false);
}

QFont PlotTitleFont(const QRectF& canvas) {
    return Sized(static_cast<int>(std::lround(canvas.height() / 32)), true);
}

PlotGeometry LayOutPlot(const Plot& plot, const QRectF& canvas, const QPaintDevice* device) {
    PlotGeometry geometry;
    geometry.Scales = ScalePlot(plot);
    const QFontMetricsF label = Metrics(PlotLabelFont(canvas), device);
    const QFontMetricsF title = Metrics(PlotTitleFont(canvas), device);
    const double line = label.height();

    const double top = canvas.top() + kMargin * line +
                       (plot.Title.empty() ? 0 : kTitleLines * title.height()) +
                       kAxisTitleLines * line;
    const double left =
        canvas.left() + kMargin * line + WidestLabel(geometry.Scales.Y, label) + kGapLines * line;
    const double right =
        canvas.right() - kMargin * line - WidestLabel(geometry.Scales.X, label) / 2;
    const double bottom =
        canvas.bottom() - kMargin * line - kAxisTitleLines * line - line - kGapLines * line;
    geometry.Area =
        QRectF(QPointF(left, top), QPointF(std::max(right, left + 1), std::max(bottom, top + 1)));
    return geometry;
}

void PaintPlot(QPainter& painter, const QRectF& canvas, const Plot& plot, PlotLetters letters) {
    painter.save();
    const PlotGeometry geometry = LayOutPlot(plot, canvas, painter.device());
    QFont labelFont = PlotLabelFont(canvas);
    QFont titleFont = PlotTitleFont(canvas);
    if (letters == PlotLetters::AsWritten) {
        labelFont.setStyleStrategy(QFont::PreferNoShaping);
        titleFont.setStyleStrategy(QFont::PreferNoShaping);
    }
    const QFontMetricsF label = Metrics(labelFont, painter.device());
    const QFontMetricsF title = Metrics(titleFont, painter.device());
    const double line = label.height();
    const QRectF& area = geometry.Area;

    const ThemeColours& colours = ColoursOf(plot.Theme);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(canvas, ToQColor(colours.Frame));
    painter.fillRect(area, ToQColor(colours.Background));

    painter.setPen(ToQColor(colours.Text));
    if (!plot.Title.empty()) {
        painter.setFont(titleFont);
        const QRectF titleBox(canvas.left(), canvas.top() + kMargin * line, canvas.width(),
                              kTitleLines * title.height());
        painter.drawText(titleBox, Qt::AlignHCenter | Qt::AlignVCenter,
                         QString::fromStdString(plot.Title));
    }
    painter.setFont(labelFont);
    // The value axis' title stands above the area at its left, as in the windows.
    painter.drawText(QRectF(canvas.left() + kMargin * line, area.top() - kAxisTitleLines * line,
                            canvas.width(), kAxisTitleLines * line),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(plot.Y.Title));
    painter.drawText(QRectF(area.left(), canvas.bottom() - kMargin * line - kAxisTitleLines * line,
                            area.width(), kAxisTitleLines * line),
                     Qt::AlignHCenter | Qt::AlignVCenter, QString::fromStdString(plot.X.Title));

    const double labelWidth = area.left() - canvas.left();
    // Each x tick and then the y tick of the same place, as SVG and PDF files
    // have always listed them.
    const auto xTicks = geometry.XTicks();
    const auto yTicks = geometry.YTicks();
    const std::size_t tickRows = std::max(xTicks.size(), yTicks.size());
    for (std::size_t i = 0; i < tickRows; ++i) {
        if (i < xTicks.size()) {
            const auto& tick = xTicks[i];
            const double xWidth = label.horizontalAdvance(tick.Label) + line;
            painter.drawText(
                QRectF(tick.At - xWidth / 2, area.bottom() + kGapLines * line, xWidth, line),
                Qt::AlignHCenter | Qt::AlignVCenter, tick.Label);
        }
        if (i < yTicks.size()) {
            const auto& tick = yTicks[i];
            painter.drawText(
                QRectF(canvas.left(), tick.At - line / 2, labelWidth - kGapLines * line, line),
                Qt::AlignRight | Qt::AlignVCenter, tick.Label);
        }
    }

    painter.setPen(QPen(ToQColor(colours.Grid), 1));
    for (std::size_t i = 0; i < tickRows; ++i) {
        if (i < xTicks.size() && xTicks[i].Grid) {
            painter.drawLine(QPointF(xTicks[i].At, area.top()),
                             QPointF(xTicks[i].At, area.bottom()));
        }
        if (i < yTicks.size() && yTicks[i].Grid) {
            painter.drawLine(QPointF(area.left(), yTicks[i].At),
                             QPointF(area.right(), yTicks[i].At));
        }
    }

    painter.save();
    painter.setClipRect(area);
    const double width = std::max(2.0, std::round(canvas.height() / 280));
    for (const auto& series : plot.Series) {
        PaintSeries(painter, geometry, series, width, plot.Theme);
    }
    painter.restore();
    if (colours.AxisLines) {
        // On white the area has no edge of its own: its sides are drawn as axes.
        painter.setPen(QPen(ToQColor(colours.Text), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area);
    }

    PaintLegend(painter, geometry, plot, labelFont);
    painter.restore();
}

} // namespace vorla::plot

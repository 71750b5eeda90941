#include "common/ui/graph_picture.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace vorla::ui {
namespace {

// Far outside the widget, but small enough for the raster engine: a value that
// runs off the scale is drawn running off the edge, not wrapped round.
constexpr double kFarOutside = 1e6;

bool IsFinite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

QPointF Bounded(QPointF p) {
    return {std::clamp(p.x(), -kFarOutside, kFarOutside),
            std::clamp(p.y(), -kFarOutside, kFarOutside)};
}

// The legend may take this share of the picture's width; longer names are cut
// with an ellipsis.
constexpr double kLegendWidthShare = 0.7;

} // namespace

QPointF GraphPicture::FractionToLogical(double xFraction, double yFraction) {
    return {xFraction * kFrameRight, kFrameBottom - yFraction * kFrameBottom};
}

QPointF GraphPicture::ValueToLogical(const Scales& scales, double minutes, double value) {
    const double x = scales.X > scales.XMin ? scales.X - scales.XMin : 1;
    const double y = scales.Y > scales.YMin ? scales.Y - scales.YMin : 1;
    return FractionToLogical((minutes - scales.XMin) / x, (value - scales.YMin) / y);
}

QPointF GraphPicture::LogicalToValue(const Scales& scales, QPointF logical) {
    const double x = scales.X > scales.XMin ? scales.X - scales.XMin : 1;
    const double y = scales.Y > scales.YMin ? scales.Y - scales.YMin : 1;
    return {scales.XMin + logical.x() / kFrameRight * x,
            scales.YMin + (kFrameBottom - logical.y()) / kFrameBottom * y};
}

double GraphPicture::XTickPosition(int a) {
    return FractionToLogical(static_cast<double>(a) / kTickCount, 0).x();
}

double GraphPicture::YTickPosition(int a) {
    return FractionToLogical(0, static_cast<double>(a) / kTickCount).y();
}

GraphPicture::GraphPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("picGraph");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // Tab reaches the plot, where Left and Right move the crosshair.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName("Graph");
    setAccessibleDescription("Left and Right move the crosshair from row to row; drag a box to "
                             "zoom, double click to reset; the Menu key opens the Graph menu");
}

void GraphPicture::SetTheme(plot::GraphTheme theme) {
    theme_ = theme;
    const auto rgb = [](plot::Rgb c) { return QColor(c.Red, c.Green, c.Blue); };
    if (theme == plot::GraphTheme::Light) {
        const auto& colours = plot::kLightColours;
        seriesColour_ = rgb(plot::kLightSeriesColours[0]);
        background_ = rgb(colours.Background);
        gridColour_ = rgb(colours.Grid);
        textColour_ = rgb(colours.Text);
    } else {
        seriesColour_ = kSeriesColour;
        background_ = kBackground;
        gridColour_ = kGridColour;
        textColour_ = kCrosshairColour;
    }
    update();
}

QPen GraphPicture::CurvePen(const QColor& colour, std::size_t index) const {
    QPen pen(colour, 2);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (theme_ == plot::GraphTheme::Light && index < plot::kLightSeriesDashes.size() &&
        plot::kLightSeriesDashes[index][0] > 0) {
        const auto& dash = plot::kLightSeriesDashes[index];
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({dash[0], dash[1], dash[2], dash[3]});
    }
    return pen;
}

void GraphPicture::SetSeries(std::vector<QPointF> logicalPoints) {
    series_ = std::move(logicalPoints);
    update();
}

void GraphPicture::SetComparisons(const QString& seriesName, std::vector<Curve> curves,
                                  plot::LegendPlace place) {
    seriesName_ = seriesName;
    comparisons_ = std::move(curves);
    legendPlace_ = comparisons_.empty() ? plot::LegendPlace::None : place;
    update();
}

QStringList GraphPicture::LegendTexts() const {
    if (legendPlace_ == plot::LegendPlace::None) {
        return {};
    }
    QStringList texts{seriesName_};
    for (const auto& curve : comparisons_) {
        texts << curve.Name;
    }
    return texts;
}

QPointF GraphPicture::ToWidget(QPointF logical) const {
    return {logical.x() * width() / kLogicalWidth, logical.y() * height() / kLogicalHeight};
}

QPointF GraphPicture::ToLogical(QPointF widget) const {
    return {width() > 0 ? widget.x() * kLogicalWidth / width() : 0,
            height() > 0 ? widget.y() * kLogicalHeight / height() : 0};
}

void GraphPicture::SetGrid(std::optional<std::vector<double>> xFractions,
                           std::optional<std::vector<double>> yFractions) {
    xGrid_ = std::move(xFractions);
    yGrid_ = std::move(yFractions);
    update();
}

void GraphPicture::SetZoomBox(std::optional<QRectF> logical) {
    zoomBox_ = logical;
    update();
}

void GraphPicture::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        dragFrom_ = event->position();
    }
}

void GraphPicture::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !dragFrom_) {
        return;
    }
    const QPointF from = *dragFrom_;
    const QPointF to = event->position();
    dragFrom_.reset();
    SetZoomBox(std::nullopt);
    if (std::abs(to.x() - from.x()) >= kLeastDrag && std::abs(to.y() - from.y()) >= kLeastDrag) {
        emit BoxChosen(QRectF(ToLogical(from), ToLogical(to)).normalized());
    }
}

void GraphPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        dragFrom_.reset();
        SetZoomBox(std::nullopt);
        emit DoubleClicked();
    }
}

void GraphPicture::SetCrosshair(std::optional<QPointF> logical, const QString& readout) {
    crosshair_ = logical;
    readout_ = logical ? readout : QString();
    update();
}

void GraphPicture::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (dragFrom_ && (event->buttons() & Qt::LeftButton)) {
        SetZoomBox(QRectF(ToLogical(*dragFrom_), ToLogical(event->position())).normalized());
    }
    emit PointerMoved(ToLogical(event->position()));
}

void GraphPicture::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit PointerLeft();
}

void GraphPicture::PaintCurve(QPainter& painter, const std::vector<QPointF>& points,
                              const QColor& colour, std::size_t index) const {
    // No antialiasing: each curve is drawn in its own pure colour.
    painter.setPen(CurvePen(colour, index));

    std::vector<QPointF> run;
    const auto flush = [&] {
        if (run.size() == 1) {
            painter.fillRect(QRectF(run.front() - QPointF(1.5, 1.5), QSizeF(3, 3)), colour);
        } else if (run.size() > 1) {
            painter.drawPolyline(run.data(), static_cast<int>(run.size()));
        }
        run.clear();
    };
    for (const auto& point : points) {
        if (IsFinite(point)) {
            run.push_back(Bounded(ToWidget(point)));
        } else {
            flush();
        }
    }
    flush();
}

void GraphPicture::PaintCrosshair(QPainter& painter) const {
    if (!crosshair_) {
        return;
    }
    const QPointF at = Bounded(ToWidget(*crosshair_));
    QPen pen(textColour_, 1, Qt::DashLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawLine(QPointF(at.x(), 0), QPointF(at.x(), height()));
    painter.drawLine(QPointF(0, at.y()), QPointF(width(), at.y()));
    if (readout_.isEmpty()) {
        return;
    }
    const QFontMetrics metrics(font());
    const int pad = metrics.height() / 4 + 1;
    const int textWidth = metrics.horizontalAdvance(readout_);
    // Top left, unless the legend stands there: then top right.
    const int left =
        legendPlace_ == plot::LegendPlace::TopLeft ? width() - 2 * pad - textWidth : 2 * pad;
    const QRect text(QPoint(left, 2 * pad), QSize(textWidth, metrics.height()));
    const QRect box = text.marginsAdded(QMargins(pad, pad, pad, pad));
    painter.fillRect(box, background_);
    painter.setPen(gridColour_);
    painter.drawRect(box);
    painter.setPen(textColour_);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, readout_);
}

void GraphPicture::PaintLegend(QPainter& painter) const {
    const QStringList texts = LegendTexts();
    if (texts.isEmpty()) {
        return;
    }
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const int pad = line / 2;
    const int sample = 2 * line;
    const QPointF frameEnd = ToWidget({kFrameRight, kFrameBottom});
    const int room =
        std::max(line, static_cast<int>(frameEnd.x() * kLegendWidthShare) - sample - 3 * pad);
    QStringList shown;
    int widest = 0;
    for (const auto& text : texts) {
        shown << metrics.elidedText(text, Qt::ElideRight, room);
        widest = std::max(widest, metrics.horizontalAdvance(shown.back()));
    }
    const QSize size(pad + sample + pad + widest + pad,
                     pad + line * static_cast<int>(shown.size()) + pad);
    const bool left =
        legendPlace_ == plot::LegendPlace::TopLeft || legendPlace_ == plot::LegendPlace::BottomLeft;
    const bool top =
        legendPlace_ == plot::LegendPlace::TopLeft || legendPlace_ == plot::LegendPlace::TopRight;
    const QPoint corner(left ? pad : static_cast<int>(frameEnd.x()) - pad - size.width(),
                        top ? pad : static_cast<int>(frameEnd.y()) - pad - size.height());
    const QRect box(corner, size);
    painter.fillRect(box, background_);
    painter.setPen(gridColour_);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    for (int i = 0; i < static_cast<int>(shown.size()); ++i) {
        const QColor colour = i == 0 ? seriesColour_ : comparisons_[i - 1].Colour;
        const int y = box.top() + pad + line * i + line / 2;
        QPen pen = CurvePen(colour, static_cast<std::size_t>(i));
        pen.setCapStyle(Qt::FlatCap);
        if (theme_ == plot::GraphTheme::Dark) {
            pen = QPen(colour, 2);
            pen.setCosmetic(true);
        }
        painter.setPen(pen);
        painter.drawLine(QPoint(box.left() + pad, y), QPoint(box.left() + pad + sample, y));
        painter.setPen(textColour_);
        painter.drawText(QRect(box.left() + 2 * pad + sample, y - line / 2, widest, line),
                         Qt::AlignLeft | Qt::AlignVCenter, shown[i]);
    }
}

void GraphPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);

    QPen grid(gridColour_);
    grid.setCosmetic(true);
    painter.setPen(grid);
    if (!xGrid_ && !yGrid_) {
        for (int a = 1; a < kTickCount; ++a) {
            const double x = XTickPosition(a);
            painter.drawLine(ToWidget({x, 0}), ToWidget({x, kFrameBottom}));
            const double y = YTickPosition(a);
            painter.drawLine(ToWidget({0, y}), ToWidget({kFrameRight, y}));
        }
    } else {
        const auto fifths = [] {
            std::vector<double> fractions;
            for (int a = 1; a < kTickCount; ++a) {
                fractions.push_back(static_cast<double>(a) / kTickCount);
            }
            return fractions;
        };
        for (const double f : xGrid_.value_or(fifths())) {
            const double x = FractionToLogical(f, 0).x();
            painter.drawLine(ToWidget({x, 0}), ToWidget({x, kFrameBottom}));
        }
        for (const double f : yGrid_.value_or(fifths())) {
            const double y = FractionToLogical(0, f).y();
            painter.drawLine(ToWidget({0, y}), ToWidget({kFrameRight, y}));
        }
    }

    // In the legend's order, as the exported pictures draw them.
    PaintCurve(painter, series_, seriesColour_, 0);
    for (std::size_t k = 0; k < comparisons_.size(); ++k) {
        PaintCurve(painter, comparisons_[k].Points, comparisons_[k].Colour, k + 1);
    }
    if (theme_ == plot::GraphTheme::Light) {
        // On white the frame the scales span has no edge of its own: its left
        // and bottom sides are drawn as axes.
        QPen axis(textColour_, 1);
        axis.setCosmetic(true);
        painter.setPen(axis);
        painter.drawLine(ToWidget({0, 0}), ToWidget({0, kFrameBottom}));
        painter.drawLine(ToWidget({0, kFrameBottom}), ToWidget({kFrameRight, kFrameBottom}));
    }
    PaintLegend(painter);
    PaintCrosshair(painter);
    if (zoomBox_) {
        QPen box(textColour_, 1, Qt::DashLine);
        box.setCosmetic(true);
        painter.setPen(box);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(ToWidget(zoomBox_->topLeft()), ToWidget(zoomBox_->bottomRight())));
    }
    if (hasFocus()) {
        QPen focus(textColour_, 1, Qt::DotLine);
        focus.setCosmetic(true);
        painter.setPen(focus);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace vorla::ui

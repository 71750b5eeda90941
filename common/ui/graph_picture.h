// The plotting area of the graph windows (`picGraph`). It draws in a logical
// space 4800 wide and 3200 high, x to the right and y downwards from the top left
// corner, stretched to the widget's actual size: the fixed grid, then the series
// as a yellow polyline on a dark background. Curves compared with the series
// are drawn after it, each in its own colour, with a legend naming the series
// and each of them.
//
// Values reach the logical space through one mapping, ValueToLogical, which the
// series, the grid and the tick labels all use: time 0 and value 0 on the
// frame's left and bottom edges, the full scales where the frame ends (x 4740,
// y 0). A value equal to a tick's value therefore lands on that tick's grid line;
// the strip right of and below the frame shows values just past the scales.
#pragma once

#include "common/plot/plot.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

namespace vorla::ui {

class GraphPicture final : public QWidget {
    Q_OBJECT
  public:
    static constexpr double kLogicalWidth = 4800;
    static constexpr double kLogicalHeight = 3200;
    // The frame the scales span: the grid's vertical lines run from y = 0 to
    // 3135 and its horizontal ones from x = 0 to 4740.
    static constexpr double kFrameRight = 4740;
    static constexpr double kFrameBottom = 3135;
    // Ticks 0 to 5 stand at fifths of each scale; 1 to 4 have grid lines.
    static constexpr int kTickCount = 5;
    // A drag shorter than this in either direction, in pixels, is a click.
    static constexpr int kLeastDrag = 4;

    static inline const QColor kSeriesColour{255, 255, 0};
    static inline const QColor kBackground{12, 20, 38};
    static inline const QColor kGridColour{78, 96, 124};
    static inline const QColor kCrosshairColour{240, 240, 240};

    // The full-scale values of the two axes: minutes, and the value's unit;
    // and the values at the origin (0, or where a zoom or the Axes… dialog
    // starts the axis).
    struct Scales {
        double X = 1;
        double Y = 0.05;
        double XMin = 0;
        double YMin = 0;
    };

    // Where a fraction of each scale lands (0 the origin, 1 the full scale).
    static QPointF FractionToLogical(double xFraction, double yFraction);
    // Where the value (minutes, value) lands for these scales; scales that do
    // not exceed their minimum are taken as a span of 1.
    static QPointF ValueToLogical(const Scales& scales, double minutes, double value);
    // The value (minutes, value) at a logical point: ValueToLogical undone.
    static QPointF LogicalToValue(const Scales& scales, QPointF logical);
    // The logical position of tick a = 0..5 along each axis.
    static double XTickPosition(int a);
    static double YTickPosition(int a);

    explicit GraphPicture(QWidget* parent = nullptr);

    // The look: Dark (the colours above, by default) or Light (white, with
    // plot::kLightColours and the light series colours and dashes).
    void SetTheme(plot::GraphTheme theme);
    plot::GraphTheme Theme() const { return theme_; }

    // The series in logical coordinates, drawn as straight segments from each
    // point to the next; a single point is drawn as a dot. Points that are not
    // finite numbers are left out and break the line.
    void SetSeries(std::vector<QPointF> logicalPoints);
    const std::vector<QPointF>& Series() const { return series_; }

    // A curve drawn beside the series, in logical coordinates like it.
    struct Curve {
        QString Name;
        QColor Colour;
        std::vector<QPointF> Points;
    };
    // The curves drawn after the series, in their order, and the legend in
    // the frame's `place` corner: `seriesName` with the series' yellow, then each
    // curve's name and colour. No curves: no legend, the picture as before.
    void SetComparisons(const QString& seriesName, std::vector<Curve> curves,
                        plot::LegendPlace place);
    const std::vector<Curve>& Comparisons() const { return comparisons_; }
    // The legend's lines from the top (the series first); empty when none is drawn.
    QStringList LegendTexts() const;
    plot::LegendPlace LegendCorner() const { return legendPlace_; }

    // Where a logical point lands on the widget as it is sized now, and back.
    QPointF ToWidget(QPointF logical) const;
    QPointF ToLogical(QPointF widget) const;

    // The vertical and horizontal grid lines, as fractions of each scale;
    // nothing: the lines of ticks 1 to 4.
    void SetGrid(std::optional<std::vector<double>> xFractions,
                 std::optional<std::vector<double>> yFractions);

    // The box being dragged out to zoom into, in logical coordinates, drawn
    // dashed; nothing hides it.
    void SetZoomBox(std::optional<QRectF> logical);
    std::optional<QRectF> ZoomBox() const { return zoomBox_; }

    // The crosshair through a logical point, with its readout in the top left
    // corner of the plot; nothing hides both.
    void SetCrosshair(std::optional<QPointF> logical, const QString& readout = {});
    std::optional<QPointF> Crosshair() const { return crosshair_; }
    const QString& Readout() const { return readout_; }

    QSize sizeHint() const override { return {480, 320}; }
    QSize minimumSizeHint() const override { return {240, 160}; }

  signals:
    // The mouse moved over the picture, to this logical point.
    void PointerMoved(QPointF logical);
    // The mouse left the picture.
    void PointerLeft();
    // The left button was pressed, dragged at least kLeastDrag pixels both
    // ways and let go: the box between, in logical coordinates.
    void BoxChosen(QRectF logical);
    // A double click of the left button.
    void DoubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    // `index`: the curve's place in the palette (0 the series), for its dash
    // in the light theme.
    void PaintCurve(QPainter& painter, const std::vector<QPointF>& points, const QColor& colour,
                    std::size_t index) const;
    QPen CurvePen(const QColor& colour, std::size_t index) const;
    void PaintCrosshair(QPainter& painter) const;
    void PaintLegend(QPainter& painter) const;

    std::vector<QPointF> series_;
    QString seriesName_;
    std::vector<Curve> comparisons_;
    plot::LegendPlace legendPlace_ = plot::LegendPlace::None;
    std::optional<std::vector<double>> xGrid_;
    std::optional<std::vector<double>> yGrid_;
    std::optional<QPointF> dragFrom_; // widget position where the left button went down
    std::optional<QRectF> zoomBox_;
    std::optional<QPointF> crosshair_;
    QString readout_;
    plot::GraphTheme theme_ = plot::GraphTheme::Dark;
    QColor seriesColour_ = kSeriesColour;
    QColor background_ = kBackground;
    QColor gridColour_ = kGridColour;
    QColor textColour_ = kCrosshairColour; // the crosshair, its readout and the legend's names
};

} // namespace vorla::ui

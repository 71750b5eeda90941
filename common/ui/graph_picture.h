// The plotting area of the graph windows (`picGraph`). It draws in a logical
// space 4800 wide and 3200 high, x to the right and y downwards from the top left
// corner, stretched to the widget's actual size: the fixed grid, then the series
// as a yellow polyline on a dark background.
#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>
#include <array>
#include <vector>

namespace vorla::ui {

class GraphPicture final : public QWidget {
    Q_OBJECT
  public:
    static constexpr double kLogicalWidth = 4800;
    static constexpr double kLogicalHeight = 3200;
    // The vertical grid lines (linXTick(0) and Line1(1..3)), from y = 0 to 3135,
    // and the horizontal ones (Line2(0..3)), from x = 0 to 4740.
    static constexpr std::array<double, 4> kGridX = {948, 1896, 2844, 3792};
    static constexpr double kGridXBottom = 3135;
    static constexpr std::array<double, 4> kGridY = {2508, 1881, 1254, 627};
    static constexpr double kGridYRight = 4740;

    static inline const QColor kSeriesColour{255, 255, 0};
    static inline const QColor kBackground{12, 20, 38};
    static inline const QColor kGridColour{78, 96, 124};

    explicit GraphPicture(QWidget* parent = nullptr);

    // The series in logical coordinates, drawn as straight segments from each
    // point to the next; a single point is drawn as a dot. Points that are not
    // finite numbers are left out and break the line.
    void SetSeries(std::vector<QPointF> logicalPoints);
    const std::vector<QPointF>& Series() const { return series_; }

    // Where a logical point lands on the widget as it is sized now.
    QPointF ToWidget(QPointF logical) const;

    QSize sizeHint() const override { return {480, 320}; }
    QSize minimumSizeHint() const override { return {240, 160}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<QPointF> series_;
};

} // namespace vorla::ui

// The uncertainty band over one of Explore's graph pictures: the area between
// the 5 % and the 95 % curves, filled in a light translucent colour over the
// picture, so the curves below show through. It covers the picture exactly,
// follows its size, and lets the mouse through to it; the picture itself (the
// graph windows' shared drawing) is not changed.
#pragma once

#include <QPointF>
#include <QWidget>
#include <vector>

namespace vorla::ui {

class GraphPicture;

class ExploreBandOverlay final : public QWidget {
    Q_OBJECT
  public:
    static inline const QColor kBandColour{120, 190, 255, 70};

    explicit ExploreBandOverlay(GraphPicture* picture);

    // The band in the picture's logical coordinates: the upper curve and the
    // lower one, point for point; empty hides it.
    void SetBand(std::vector<QPointF> upper, std::vector<QPointF> lower);
    bool HasBand() const { return !upper_.empty(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    GraphPicture* picture_;
    std::vector<QPointF> upper_;
    std::vector<QPointF> lower_;
};

} // namespace vorla::ui

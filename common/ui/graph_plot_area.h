// The plotting area of a graph window with its tick labels: `picGraph` and, placed
// at the grid positions as the area is resized, `lblXLabel(0..5)` under it, left
// to right, and `lblYLabel(0..5)` to its left, bottom to top. Index 0 of both
// reads "0".
#pragma once

#include "common/ui/graph_picture.h"

#include <QLabel>
#include <QWidget>
#include <array>

namespace vorla::ui {

class GraphPlotArea final : public QWidget {
    Q_OBJECT
  public:
    explicit GraphPlotArea(QWidget* parent = nullptr);

    GraphPicture* picGraph;
    std::array<QLabel*, 6> lblXLabel{};
    std::array<QLabel*, 6> lblYLabel{};

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QMargins LabelMargins() const;
    void PlaceLabels();
};

} // namespace vorla::ui

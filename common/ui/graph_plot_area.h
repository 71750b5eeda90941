// The plotting area of a graph window with its tick labels: `picGraph` and, placed
// at the grid positions as the area is resized, `lblXLabel(0..5)` under it, left
// to right, and `lblYLabel(0..5)` to its left, bottom to top. Index 0 of both
// reads "0". An axis shown over a chosen range (a zoom, the Axes… dialog, time
// in seconds) has its own ticks instead: SetTicks puts a label at each,
// making more labels ("lblXLabel(6)", ...) when it has more than six, and
// hides the labels it does not use.
#pragma once

#include "common/ui/graph_picture.h"

#include <QLabel>
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

namespace vorla::ui {

class GraphPlotArea final : public QWidget {
    Q_OBJECT
  public:
    explicit GraphPlotArea(QWidget* parent = nullptr);

    GraphPicture* picGraph;
    std::array<QLabel*, 6> lblXLabel{};
    std::array<QLabel*, 6> lblYLabel{};

    // One tick label: where it stands, as a fraction of the axis' scale, and its text.
    struct TickLabel {
        double Fraction = 0;
        QString Text;
    };
    // The labels of one axis at these ticks; nothing: labels 0 to 5 at the
    // fifths, with the texts the window gives them.
    void SetTicks(Qt::Orientation axis, std::optional<std::vector<TickLabel>> ticks);
    // The labels shown along an axis, in their order.
    QStringList ShownLabels(Qt::Orientation axis) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QMargins LabelMargins() const;
    void PlaceLabels();

    std::vector<QLabel*> xLabels_; // the first six are lblXLabel
    std::vector<QLabel*> yLabels_;
    std::optional<std::vector<TickLabel>> xTicks_;
    std::optional<std::vector<TickLabel>> yTicks_;
};

} // namespace vorla::ui

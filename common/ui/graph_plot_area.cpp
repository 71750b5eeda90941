#include "common/ui/graph_plot_area.h"

#include <QEvent>
#include <QFontMetrics>
#include <QString>

namespace vorla::ui {
namespace {

constexpr int kGap = 6; // between the area and its labels

QLabel* TickLabel(const QString& objectName, Qt::Alignment alignment, QWidget* parent) {
    auto* label = new QLabel("0", parent);
    label->setObjectName(objectName);
    label->setAlignment(alignment);
    return label;
}

} // namespace

GraphPlotArea::GraphPlotArea(QWidget* parent) : QWidget(parent), picGraph(new GraphPicture(this)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    for (int a = 0; a < 6; ++a) {
        lblXLabel[a] =
            TickLabel(QString("lblXLabel(%1)").arg(a), Qt::AlignHCenter | Qt::AlignTop, this);
        lblYLabel[a] =
            TickLabel(QString("lblYLabel(%1)").arg(a), Qt::AlignRight | Qt::AlignVCenter, this);
    }
}

QMargins GraphPlotArea::LabelMargins() const {
    // Room for the widest labels the axes produce ("15000", "0.0500" and "150").
    const QFontMetrics metrics(font());
    const int yLabelWidth =
        std::max(metrics.horizontalAdvance("000000"), metrics.horizontalAdvance("0.0000"));
    const int halfLine = metrics.height() / 2 + 1;
    const int halfXLabel = metrics.horizontalAdvance("000") / 2 + 2;
    return {yLabelWidth + kGap, halfLine, halfXLabel, metrics.height() + kGap};
}

QSize GraphPlotArea::sizeHint() const {
    const auto margins = LabelMargins();
    return picGraph->sizeHint().grownBy(margins);
}

QSize GraphPlotArea::minimumSizeHint() const {
    return picGraph->minimumSizeHint().grownBy(LabelMargins());
}

void GraphPlotArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceLabels();
}

void GraphPlotArea::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        PlaceLabels();
    }
}

void GraphPlotArea::PlaceLabels() {
    const auto margins = LabelMargins();
    const QRect plot = rect().marginsRemoved(margins);
    picGraph->setGeometry(plot);
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    const int xLabelWidth = metrics.horizontalAdvance("00000") + 8;
    for (int a = 0; a < 6; ++a) {
        const QPointF x = picGraph->ToWidget({GraphPicture::XTickPosition(a), 0});
        lblXLabel[a]->setGeometry(plot.left() + static_cast<int>(x.x()) - xLabelWidth / 2,
                                  plot.bottom() + 1 + kGap / 2, xLabelWidth, lineHeight);
        const QPointF y = picGraph->ToWidget({0, GraphPicture::YTickPosition(a)});
        lblYLabel[a]->setGeometry(0, plot.top() + static_cast<int>(y.y()) - lineHeight / 2,
                                  margins.left() - kGap, lineHeight);
    }
}

} // namespace vorla::ui

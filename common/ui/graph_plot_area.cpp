#include "common/ui/graph_plot_area.h"

#include <QEvent>
#include <QFontMetrics>
#include <QString>

namespace vorla::ui {
namespace {

constexpr int kGap = 6; // between the area and its labels

QLabel* MakeTickLabel(const QString& objectName, Qt::Alignment alignment, QWidget* parent) {
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
            MakeTickLabel(QString("lblXLabel(%1)").arg(a), Qt::AlignHCenter | Qt::AlignTop, this);
        lblYLabel[a] =
            MakeTickLabel(QString("lblYLabel(%1)").arg(a), Qt::AlignRight | Qt::AlignVCenter, this);
        xLabels_.push_back(lblXLabel[a]);
        yLabels_.push_back(lblYLabel[a]);
    }
}

void GraphPlotArea::SetTicks(Qt::Orientation axis, std::optional<std::vector<TickLabel>> ticks) {
    const bool horizontal = axis == Qt::Horizontal;
    auto& labels = horizontal ? xLabels_ : yLabels_;
    const std::size_t needed = ticks ? ticks->size() : 6;
    while (labels.size() < needed) {
        auto* label = MakeTickLabel(
            QString("%1(%2)").arg(horizontal ? "lblXLabel" : "lblYLabel").arg(labels.size()),
            horizontal ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignRight | Qt::AlignVCenter, this);
        labels.push_back(label);
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (ticks && i < ticks->size()) {
            labels[i]->setText((*ticks)[i].Text);
        }
        labels[i]->setVisible(i < needed);
    }
    (horizontal ? xTicks_ : yTicks_) = std::move(ticks);
    PlaceLabels();
}

QStringList GraphPlotArea::ShownLabels(Qt::Orientation axis) const {
    const auto& labels = axis == Qt::Horizontal ? xLabels_ : yLabels_;
    const auto& ticks = axis == Qt::Horizontal ? xTicks_ : yTicks_;
    const std::size_t shown = ticks ? ticks->size() : 6;
    QStringList texts;
    for (std::size_t i = 0; i < shown && i < labels.size(); ++i) {
        texts << labels[i]->text();
    }
    return texts;
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
    const auto placeX = [&](QLabel* label, double logicalX) {
        const QPointF x = picGraph->ToWidget({logicalX, 0});
        label->setGeometry(plot.left() + static_cast<int>(x.x()) - xLabelWidth / 2,
                           plot.bottom() + 1 + kGap / 2, xLabelWidth, lineHeight);
    };
    const auto placeY = [&](QLabel* label, double logicalY) {
        const QPointF y = picGraph->ToWidget({0, logicalY});
        label->setGeometry(0, plot.top() + static_cast<int>(y.y()) - lineHeight / 2,
                           margins.left() - kGap, lineHeight);
    };
    for (std::size_t i = 0; i < xLabels_.size(); ++i) {
        if (!xTicks_) {
            if (i < 6) {
                placeX(xLabels_[i], GraphPicture::XTickPosition(static_cast<int>(i)));
            }
        } else if (i < xTicks_->size()) {
            placeX(xLabels_[i], GraphPicture::FractionToLogical((*xTicks_)[i].Fraction, 0).x());
        }
    }
    for (std::size_t i = 0; i < yLabels_.size(); ++i) {
        if (!yTicks_) {
            if (i < 6) {
                placeY(yLabels_[i], GraphPicture::YTickPosition(static_cast<int>(i)));
            }
        } else if (i < yTicks_->size()) {
            placeY(yLabels_[i], GraphPicture::FractionToLogical(0, (*yTicks_)[i].Fraction).y());
        }
    }
}

} // namespace vorla::ui

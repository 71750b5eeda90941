#include "zone_models/ui/explore_band_overlay.h"

#include "common/ui/graph_picture.h"

#include <QEvent>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace vorla::ui {

ExploreBandOverlay::ExploreBandOverlay(GraphPicture* picture)
    : QWidget(picture), picture_(picture) {
    setObjectName("picBand");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(picture->rect());
    picture->installEventFilter(this);
}

void ExploreBandOverlay::SetBand(std::vector<QPointF> upper, std::vector<QPointF> lower) {
    upper_ = std::move(upper);
    lower_ = std::move(lower);
    update();
}

bool ExploreBandOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture_ && event->type() == QEvent::Resize) {
        setGeometry(picture_->rect());
    }
    return QWidget::eventFilter(watched, event);
}

void ExploreBandOverlay::paintEvent(QPaintEvent*) {
    if (upper_.empty() || upper_.size() != lower_.size()) {
        return;
    }
    QPolygonF area;
    for (const QPointF& point : upper_) {
        area << picture_->ToWidget(point);
    }
    for (auto point = lower_.rbegin(); point != lower_.rend(); ++point) {
        area << picture_->ToWidget(*point);
    }
    for (const QPointF& point : area) {
        if (!std::isfinite(point.x()) || !std::isfinite(point.y())) {
            return; // never a polygon through infinity
        }
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBandColour);
    painter.drawPolygon(area);
}

} // namespace vorla::ui

#include "common/ui/splash_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace vorla::ui {
namespace {

// The drawing is made on a 220 x 170 canvas and scaled to the widget, keeping its
// proportions.
constexpr double kWidth = 220;
constexpr double kHeight = 170;

QPainterPath FlameShape(double cx, double base, double halfWidth, double height) {
    QPainterPath flame;
    flame.moveTo(cx, base - height);
    flame.cubicTo(cx + halfWidth * 0.35, base - height * 0.62, cx + halfWidth * 1.15,
                  base - height * 0.45, cx + halfWidth, base - height * 0.12);
    flame.cubicTo(cx + halfWidth * 0.85, base + 1, cx - halfWidth * 0.85, base + 1, cx - halfWidth,
                  base - height * 0.12);
    flame.cubicTo(cx - halfWidth * 1.1, base - height * 0.5, cx - halfWidth * 0.2,
                  base - height * 0.55, cx, base - height);
    flame.closeSubpath();
    return flame;
}

void DrawRoom(QPainter& painter) {
    const QRectF room(18, 22, 184, 122);
    const double ceiling = room.top();
    const double floor = room.bottom();
    const double layer = ceiling + 46; // the interface between the two zones

    painter.fillRect(room, QColor(236, 240, 244));

    QLinearGradient smoke(0, ceiling, 0, layer);
    smoke.setColorAt(0, QColor(92, 84, 80));
    smoke.setColorAt(1, QColor(160, 150, 142));
    painter.fillRect(QRectF(room.left(), ceiling, room.width(), layer - ceiling), smoke);

    // The smoke leaves through the top of the vent in the right-hand wall.
    const double ventTop = ceiling + 22;
    const double ventBottom = floor - 30;
    painter.fillRect(QRectF(room.right() - 1, ventTop, 16, layer - ventTop),
                     QColor(130, 120, 112, 150));

    QPen wall(QColor(40, 44, 52), 5);
    wall.setCapStyle(Qt::SquareCap);
    painter.setPen(wall);
    painter.drawLine(QPointF(room.left(), floor), QPointF(room.left(), ceiling));
    painter.drawLine(QPointF(room.left(), ceiling), QPointF(room.right(), ceiling));
    painter.drawLine(QPointF(room.right(), ceiling), QPointF(room.right(), ventTop));
    painter.drawLine(QPointF(room.right(), ventBottom), QPointF(room.right(), floor));
    painter.drawLine(QPointF(6, floor), QPointF(kWidth - 6, floor));

    QPen interface(QColor(60, 60, 60), 1.2, Qt::DashLine);
    painter.setPen(interface);
    painter.drawLine(QPointF(room.left() + 3, layer), QPointF(room.right() - 3, layer));
}

void DrawFire(QPainter& painter) {
    const double cx = 84;
    const double base = 141;
    painter.save();
    painter.setClipRect(QRectF(0, 0, kWidth, base + 1.5)); // the glow stops at the floor

    // The plume rising from the fire into the smoke layer.
    QLinearGradient plume(0, base - 30, 0, 68);
    plume.setColorAt(0, QColor(170, 160, 150, 120));
    plume.setColorAt(1, QColor(130, 120, 112, 0));
    QPainterPath plumePath;
    plumePath.moveTo(cx - 14, base - 30);
    plumePath.lineTo(cx - 40, 68);
    plumePath.lineTo(cx + 40, 68);
    plumePath.lineTo(cx + 14, base - 30);
    plumePath.closeSubpath();
    painter.fillPath(plumePath, plume);

    QRadialGradient glow(QPointF(cx, base - 14), 46);
    glow.setColorAt(0, QColor(255, 190, 60, 150));
    glow.setColorAt(1, QColor(255, 190, 60, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(cx, base - 14), 46, 30);

    painter.setBrush(QColor(214, 46, 20));
    painter.drawPath(FlameShape(cx, base, 22, 56));
    painter.setBrush(QColor(250, 130, 20));
    painter.drawPath(FlameShape(cx + 2, base, 15, 40));
    painter.setBrush(QColor(255, 222, 70));
    painter.drawPath(FlameShape(cx + 1, base, 8, 22));

    painter.setBrush(QColor(90, 60, 40)); // the burning item
    painter.drawRoundedRect(QRectF(cx - 26, base - 4, 52, 6), 2, 2);
    painter.restore();
}

} // namespace

SplashPicture::SplashPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("Picture1");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SplashPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = std::min(width() / kWidth, height() / kHeight);
    painter.translate((width() - kWidth * scale) / 2, (height() - kHeight * scale) / 2);
    painter.scale(scale, scale);
    DrawRoom(painter);
    DrawFire(painter);
}

} // namespace vorla::ui

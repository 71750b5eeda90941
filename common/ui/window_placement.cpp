#include "common/ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vorla::ui {

void CenterOnScreen(QWidget& window) {
    window.adjustSize();
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect free = screen->availableGeometry();
    const QSize size = window.frameGeometry().size();
    const int left = free.left() + std::max(0, (free.width() - size.width()) / 2);
    const int top = free.top() + std::max(0, (free.height() - size.height()) / 2);
    window.move(left, top);
}

} // namespace vorla::ui

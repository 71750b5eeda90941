#include "compartment/ui/file_box_opener.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace vorla::compartment {

FileBoxOpener::FileBoxOpener(QLineEdit* box, std::function<void()> open)
    : QObject(box), box_(box), open_(std::move(open)) {
    box_->installEventFilter(this);
}

void FileBoxOpener::OpenNow() {
    if (open_running_) {
        return;
    }
    open_running_ = true;
    open_();
    open_running_ = false;
}

bool FileBoxOpener::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool tabbedInto = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                                reason == Qt::ShortcutFocusReason;
        if (tabbedInto && !open_running_ && !open_pending_) {
            // The dialog opens once the focus change has finished, not inside it.
            open_pending_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    open_pending_ = false;
                    if (box_->window()->focusWidget() == box_) {
                        OpenNow();
                    }
                },
                Qt::QueuedConnection);
        }
        return false;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            box_->rect().contains(mouse->position().toPoint())) {
            OpenNow();
        }
        return false;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            OpenNow();
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace vorla::compartment

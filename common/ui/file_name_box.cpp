#include "common/ui/file_name_box.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleHints>
#include <utility>

namespace vorla::ui {

FileNameBox::FileNameBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    // A hand, as over a button: a click asks for the file.
    setCursor(Qt::PointingHandCursor);
}

void FileNameBox::MoveFocusHere() {
    if (reporting_) {
        return;
    }
    setFocus(Qt::OtherFocusReason);
    Report(&FileNameBox::GotFocus);
}

void FileNameBox::Report(void (FileNameBox::*notify)()) {
    // A handler that shows a dialog runs an event loop; whatever reaches the box
    // meanwhile belongs to that same request.
    if (reporting_) {
        return;
    }
    reporting_ = true;
    const QPointer<FileNameBox> self(this);
    emit(this->*notify)();
    if (self) {
        reporting_ = false;
    }
}

void FileNameBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    focusCameWithPress_ = false;
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        Report(&FileNameBox::GotFocus);
        break;
    case Qt::MouseFocusReason:
        // The press that brought the focus is delivered next; it tells a left
        // click, which reaches the box, from a right click.
        focusCameWithPress_ = true;
        break;
    default:
        // The window activated again, a menu or popup closed, or a plain
        // setFocus(): the focus only comes back to where it was.
        break;
    }
}

void FileNameBox::focusOutEvent(QFocusEvent* event) {
    focusCameWithPress_ = false;
    QLineEdit::focusOutEvent(event);
}

void FileNameBox::mousePressEvent(QMouseEvent* event) {
    const bool gaveFocus = std::exchange(focusCameWithPress_, false);
    if (event->button() != Qt::LeftButton) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    event->accept();
    reachedByPressAt_ = event->timestamp();
    Report(gaveFocus ? &FileNameBox::GotFocus : &FileNameBox::Clicked);
}

void FileNameBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click: the first one, a moment ago, has
    // reached the box already. Only a double click whose first press the box
    // never saw reaches it here.
    const bool gaveFocus = std::exchange(focusCameWithPress_, false);
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const auto interval =
        static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    const bool secondPress =
        reachedByPressAt_ && event->timestamp() - *reachedByPressAt_ <= interval;
    reachedByPressAt_ = event->timestamp();
    if (!secondPress) {
        Report(gaveFocus ? &FileNameBox::GotFocus : &FileNameBox::Clicked);
    }
}

void FileNameBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_F4:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            event->accept();
            // A key held down asks once.
            if (!event->isAutoRepeat()) {
                Report(&FileNameBox::Clicked);
            }
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace vorla::ui

#include "smoke_filling/ui/file_name_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace vorla::smoke {

FileNameBox::FileNameBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    // A right click would otherwise open the dialog and then a menu over it.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void FileNameBox::Report(Reached how) {
    // A handler that shows a dialog runs an event loop; whatever reaches the box
    // meanwhile belongs to that same request.
    if (reporting_) {
        return;
    }
    reporting_ = true;
    const QPointer<FileNameBox> self(this);
    if (how == Reached::ByClick) {
        emit Clicked();
    } else {
        emit GotFocus();
    }
    if (self) {
        reporting_ = false;
    }
}

void FileNameBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
    case Qt::MouseFocusReason:
        // The press that brought the focus is delivered after this event.
        pressAnsweredByFocus_ = true;
        Report(Reached::ByFocus);
        break;
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        Report(Reached::ByFocus);
        break;
    default:
        // The window activated again, a menu or popup closed: the focus only
        // comes back to where it was.
        break;
    }
}

void FileNameBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (pressAnsweredByFocus_) {
        pressAnsweredByFocus_ = false;
        return;
    }
    if (event->button() == Qt::LeftButton) {
        Report(Reached::ByClick);
    }
}

void FileNameBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The first click of the two has asked already.
    event->accept();
}

void FileNameBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_F4:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            event->accept();
            Report(Reached::ByClick);
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace vorla::smoke

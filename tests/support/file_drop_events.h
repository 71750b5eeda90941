// A file dragged from a file manager and let go over a window, as the window
// receives it: a drag entering, then the drop, both carrying the file's URL.
#pragma once

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace vorla::test_support {

struct DropOutcome {
    bool enterAccepted = false;
    bool dropAccepted = false;
};

// Drags `data` over the middle of `target` and drops it there.
inline DropOutcome Drop(QWidget* target, QMimeData& data) {
    const QPoint middle = target->rect().center();
    DropOutcome outcome;
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    outcome.enterAccepted = enter.isAccepted();
    QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    outcome.dropAccepted = drop.isAccepted();
    return outcome;
}

// The same with a local file's URL.
inline DropOutcome DropFile(QWidget* target, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    return Drop(target, data);
}

} // namespace vorla::test_support

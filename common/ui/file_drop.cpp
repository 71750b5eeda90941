#include "common/ui/file_drop.h"

#include "common/command_line/command_line_answers.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <vector>

namespace vorla::ui {

std::optional<QString> DroppedLocalFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return std::nullopt;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return std::nullopt;
}

std::optional<std::string> FileNamedOnCommandLine() {
    const QStringList words = QCoreApplication::arguments().mid(1);
    std::vector<std::string> args;
    args.reserve(static_cast<std::size_t>(words.size()));
    for (const QString& word : words) {
        args.push_back(word.toStdString());
    }
    return FileToOpen(args);
}

FileDropTarget::FileDropTarget(QWidget& window, std::function<void(const std::string&)> open)
    : QObject(&window), open_(std::move(open)) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    for (auto* control : window.findChildren<QWidget*>()) {
        control->installEventFilter(this);
    }
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!DroppedLocalFile(drag->mimeData())) {
            break;
        }
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const auto file = DroppedLocalFile(drop->mimeData());
        if (!file) {
            break;
        }
        drop->acceptProposedAction();
        open_(file->toStdString());
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vorla::ui

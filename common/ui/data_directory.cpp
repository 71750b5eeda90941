#include "common/ui/data_directory.h"

#include <QDir>
#include <QStorageInfo>

namespace vorla::ui {

QString DefaultDataDirectory() {
#ifdef Q_OS_WIN
    const QString root = QStorageInfo(QDir::currentPath()).rootPath();
    const QString path = QDir(root.isEmpty() ? QDir::rootPath() : root).filePath("VORLA/DATA");
#else
    const QString path = QDir(QDir::homePath()).filePath("VORLA/DATA");
#endif
    QDir().mkpath(path);
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

} // namespace vorla::ui

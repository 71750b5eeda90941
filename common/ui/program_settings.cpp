#include "common/ui/program_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace vorla::ui {

std::optional<UnitSystem> ProgramSettings::Units() const {
    const QString units = QSettings().value(settings_keys::kUnits).toString();
    if (units == "US") {
        return UnitSystem::US;
    }
    if (units == "SI") {
        return UnitSystem::SI;
    }
    return std::nullopt;
}

void ProgramSettings::SetUnits(UnitSystem units) {
    QSettings().setValue(settings_keys::kUnits, units == UnitSystem::US ? "US" : "SI");
}

FlashoverAnswer ProgramSettings::FlashoverAnswerPreference() const {
    const QString answer = QSettings().value(settings_keys::kFlashoverAnswer).toString();
    if (answer == "stop") {
        return FlashoverAnswer::Stop;
    }
    if (answer == "continue") {
        return FlashoverAnswer::Continue;
    }
    return FlashoverAnswer::Ask;
}

void ProgramSettings::SetFlashoverAnswerPreference(FlashoverAnswer answer) {
    const char* text = answer == FlashoverAnswer::Stop       ? "stop"
                       : answer == FlashoverAnswer::Continue ? "continue"
                                                             : "ask";
    QSettings().setValue(settings_keys::kFlashoverAnswer, text);
}

GraphTheme ProgramSettings::GraphThemePreference() const {
    return QSettings().value(settings_keys::kGraphTheme).toString() == "light" ? GraphTheme::Light
                                                                               : GraphTheme::Dark;
}

void ProgramSettings::SetGraphThemePreference(GraphTheme theme) {
    QSettings().setValue(settings_keys::kGraphTheme, theme == GraphTheme::Light ? "light" : "dark");
}

TimeAxisUnit ProgramSettings::TimeAxisUnitPreference() const {
    return QSettings().value(settings_keys::kTimeAxisUnit).toString() == "s"
               ? TimeAxisUnit::Seconds
               : TimeAxisUnit::Minutes;
}

void ProgramSettings::SetTimeAxisUnitPreference(TimeAxisUnit unit) {
    QSettings().setValue(settings_keys::kTimeAxisUnit, unit == TimeAxisUnit::Seconds ? "s" : "min");
}

std::optional<QRect> ProgramSettings::WindowFrame(const QString& windowName) const {
    const QVariant frame = QSettings().value(settings_keys::kWindows + windowName);
    if (!frame.canConvert<QRect>() || !frame.toRect().isValid()) {
        return std::nullopt;
    }
    return frame.toRect();
}

void ProgramSettings::SetWindowFrame(const QString& windowName, const QRect& frame) {
    QSettings().setValue(settings_keys::kWindows + windowName, frame);
}

std::optional<QByteArray> ProgramSettings::WindowGeometry(const QString& windowName) const {
    const QVariant geometry = QSettings().value(settings_keys::kWindowGeometries + windowName);
    if (geometry.typeId() != QMetaType::QByteArray || geometry.toByteArray().isEmpty()) {
        return std::nullopt;
    }
    return geometry.toByteArray();
}

void ProgramSettings::SetWindowGeometry(const QString& windowName, const QByteArray& geometry) {
    QSettings().setValue(settings_keys::kWindowGeometries + windowName, geometry);
}

std::optional<QString> ProgramSettings::LastFolder(const QString& dialog) const {
    const QString folder = QSettings().value(settings_keys::kFolders + dialog).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        return std::nullopt;
    }
    return folder;
}

void ProgramSettings::SetLastFolder(const QString& dialog, const QString& folder) {
    QSettings().setValue(settings_keys::kFolders + dialog, folder);
}

QStringList ProgramSettings::RecentFiles() const {
    return QSettings().value(settings_keys::kRecentFiles).toStringList();
}

void ProgramSettings::AddRecentFile(const QString& path) {
    QSettings().setValue(settings_keys::kRecentFiles, WithRecentFile(RecentFiles(), path));
}

void ProgramSettings::RemoveRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    QSettings().setValue(settings_keys::kRecentFiles, files);
}

bool FitsOnScreens(const QRect& frame, const QList<QRect>& availableAreas) {
    if (!frame.isValid()) {
        return false;
    }
    for (const QRect& area : availableAreas) {
        if (area.contains(frame)) {
            return true;
        }
    }
    return false;
}

QStringList WithRecentFile(QStringList files, const QString& path) {
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFilesKept) {
        files.removeLast();
    }
    return files;
}

} // namespace vorla::ui

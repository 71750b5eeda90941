#include "common/ui/remembering_file_dialogs.h"

#include <QFileInfo>

namespace vorla::ui {

RememberingFileDialogs::RememberingFileDialogs(PlatformServices& platform,
                                               ProgramSettings& settings)
    : platform_(platform), settings_(settings) {}

MessageButton RememberingFileDialogs::ShowMessage(const MessageRequest& request) {
    return platform_.ShowMessage(request);
}

MessageAnswer RememberingFileDialogs::AskWithCheckBox(const MessageRequest& request) {
    return platform_.AskWithCheckBox(request);
}

bool RememberingFileDialogs::OpenLocalFile(const std::string& path) {
    return platform_.OpenLocalFile(path);
}

std::optional<std::string> RememberingFileDialogs::ChooseFile(const FileDialogRequest& request) {
    FileDialogRequest remembered = request;
    const QString dialog = DialogSettingsName(request);
    const bool startsInDataDirectory =
        request.InitialDirectory.empty() || request.InitialDirectory == platform_.DataDirectory();
    if (startsInDataDirectory) {
        if (const auto folder = settings_.LastFolder(dialog)) {
            remembered.InitialDirectory = folder->toStdString();
        }
    }
    auto chosen = platform_.ChooseFile(remembered);
    if (chosen) {
        settings_.SetLastFolder(dialog, QFileInfo(QString::fromStdString(*chosen)).absolutePath());
    }
    return chosen;
}

std::string RememberingFileDialogs::DataDirectory() {
    return platform_.DataDirectory();
}

OpenedPrinter RememberingFileDialogs::OpenPrinter(const PrintRequest& request) {
    return platform_.OpenPrinter(request);
}

QString DialogSettingsName(const FileDialogRequest& request) {
    return QString(request.Kind == FileDialogKind::Open ? "Open/" : "SaveAs/") +
           QString::fromStdString(request.Title);
}

} // namespace vorla::ui

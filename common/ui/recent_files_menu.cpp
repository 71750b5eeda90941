#include "common/ui/recent_files_menu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace vorla::ui {

RecentFilesMenu::RecentFilesMenu(QMenu& fileMenu, QAction* before, ProgramSettings& settings,
                                 PlatformServices& services, std::string programName,
                                 std::function<bool(const std::string&)> open)
    : QObject(&fileMenu), menu_(new QMenu(QStringLiteral("&Recent Files"), &fileMenu)),
      settings_(settings), services_(services), programName_(std::move(programName)),
      open_(std::move(open)) {
    menu_->setObjectName("mnuFileRecent");
    fileMenu.insertMenu(before, menu_);
    Rebuild();
}

void RecentFilesMenu::Opened(const std::string& path) {
    PutOnTop(path);
}

void RecentFilesMenu::Saved(const std::string& path) {
    PutOnTop(path);
}

void RecentFilesMenu::PutOnTop(const std::string& path) {
    settings_.AddRecentFile(QFileInfo(QString::fromStdString(path)).absoluteFilePath());
    Rebuild();
}

void RecentFilesMenu::AddResultsMenu(std::function<bool(const std::string&)> openResults) {
    if (resultsMenu_ != nullptr) {
        return;
    }
    openResults_ = std::move(openResults);
    auto* fileMenu = qobject_cast<QMenu*>(parent());
    resultsMenu_ = new QMenu(QStringLiteral("Recent Res&ults"), fileMenu);
    resultsMenu_->setObjectName("mnuFileRecentResults");
    const auto actions = fileMenu->actions();
    const auto at = actions.indexOf(menu_->menuAction());
    fileMenu->insertMenu(at + 1 < actions.size() ? actions[at + 1] : nullptr, resultsMenu_);
    Rebuild();
}

void RecentFilesMenu::Rebuild() {
    Fill(menu_, QStringLiteral("mnuFileRecent"), open_);
    if (resultsMenu_ != nullptr) {
        Fill(resultsMenu_, QStringLiteral("mnuFileRecentResults"), openResults_);
    }
}

void RecentFilesMenu::Fill(QMenu* menu, const QString& name,
                           const std::function<bool(const std::string&)>& open) {
    menu->clear();
    const QStringList files = settings_.RecentFiles();
    for (int k = 0; k < files.size(); ++k) {
        const QString path = files[k];
        // "&1".."&8": the number chooses the file from the keyboard.
        auto* action = menu->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(
            QDir::toNativeSeparators(path).replace(u'&', QStringLiteral("&&"))));
        action->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(k));
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path, &open] { Choose(path, open); });
    }
    menu->setEnabled(!files.isEmpty());
}

void RecentFilesMenu::Choose(const QString& path,
                             const std::function<bool(const std::string&)>& open) {
    if (!QFileInfo::exists(path)) {
        settings_.RemoveRecentFile(path);
        Rebuild();
        services_.ShowMessage({"The file " + path.toStdString() +
                                   " is no longer there; it is taken off the Recent Files list.",
                               programName_, MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    if (open(path.toStdString())) {
        Opened(path.toStdString());
    }
}

} // namespace vorla::ui

#include "common/ui/program_memory.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace vorla::ui {

ProgramMemory::ProgramMemory(PlatformServices& platform)
    : dialogs_(platform, settings_), windows_(std::make_unique<RememberedWindows>(settings_)) {}

ProgramMemory::~ProgramMemory() = default;

void ProgramMemory::Attach(QWidget& mainWindow, std::string programName,
                           std::function<bool(const std::string&)> open,
                           std::function<void(const std::string&)>& whenOpened,
                           std::function<void(const std::string&)>& whenSaved) {
    RememberUnitOption(mainWindow, settings_);
    auto* fileMenu = mainWindow.findChild<QMenu*>(QStringLiteral("mnuFile"));
    if (fileMenu == nullptr) {
        return;
    }
    auto* lineAboveExit = mainWindow.findChild<QAction*>(QStringLiteral("mnuFileBar1"));
    recent_ = new RecentFilesMenu(*fileMenu, lineAboveExit, settings_, dialogs_,
                                  std::move(programName), std::move(open));
    whenOpened = [recent = recent_](const std::string& path) { recent->Opened(path); };
    whenSaved = [recent = recent_](const std::string& path) { recent->Saved(path); };
}

} // namespace vorla::ui

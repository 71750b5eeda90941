// Everything a program remembers between runs, set up in main() around its
// main window: the unit option, the windows' places, each file dialog's last
// folder and File > Recent Files (common/ui/program_settings.h holds the keys).
//
//   vorla::ui::QtPlatformServices platform;
//   vorla::ui::ProgramMemory memory(platform);
//   frmInput input(state, memory.Services());
//   memory.Attach(input, "VORLA-XW", [&input](const std::string& path) {
//       return input.OpenFile(path); }, input.WhenFileOpened, input.WhenFileSaved);
#pragma once

#include "common/ui/platform_services.h"
#include "common/ui/program_settings.h"
#include "common/ui/recent_files_menu.h"
#include "common/ui/remembered_windows.h"
#include "common/ui/remembering_file_dialogs.h"

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace vorla::ui {

class ProgramMemory {
  public:
    explicit ProgramMemory(PlatformServices& platform);
    ~ProgramMemory();

    // The services the windows are to use: the platform's, with file dialogs
    // that start in their last folder.
    PlatformServices& Services() { return dialogs_; }

    // The main window's unit option as last chosen, its windows placed as last
    // left, and "Recent Files" in its "mnuFile" menu (before "mnuFileBar1", the
    // line above Exit, where it has one). `open` is the program's open routine;
    // `whenOpened` and `whenSaved` are the window's hooks for the files it
    // opened and saved, set here to keep the list.
    void Attach(QWidget& mainWindow, std::string programName,
                std::function<bool(const std::string&)> open,
                std::function<void(const std::string&)>& whenOpened,
                std::function<void(const std::string&)>& whenSaved);

    RecentFilesMenu* RecentFiles() const { return recent_; }

  private:
    ProgramSettings settings_;
    RememberingFileDialogs dialogs_;
    std::unique_ptr<RememberedWindows> windows_;
    RecentFilesMenu* recent_ = nullptr; // owned by the File menu
};

} // namespace vorla::ui

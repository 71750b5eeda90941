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

class QAction;
class QMenu;
class QWidget;

namespace vorla::ui {

// Where the package installs the documents Help opens (packaging/CMakeLists.txt,
// VORLA_DOC_DIR under the Debian package's /usr prefix).
inline constexpr const char* kInstalledDocFolder = "/usr/share/doc/vorla";
inline constexpr const char* kUserGuideFile = "user-guide.html";
inline constexpr const char* kVerificationFile = "docs/verification/verification.html";

// The About box's text: the program, the suite's version, the licence and the
// reference data's notices.
std::string AboutText(const std::string& programName);

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

    // "Recent Res&ults" after Recent Files (Attach first): the same files,
    // each opened with `openResults`, the program's Open Results routine.
    void AddRecentResults(std::function<bool(const std::string&)> openResults);

    // "&Preferences…" (Ctrl+,) in the main window's "mnuFile" menu, above the
    // line over Exit: it opens dlgPreferences (common/ui/preferences_dialog.h),
    // with the flashover answer where the program `asksFlashover`.
    QAction* AddPreferences(QWidget& mainWindow, const std::string& programName,
                            bool asksFlashover);

    // "Help" on the main window's menu bar: "&User Guide" (F1) opens the
    // installed guide at `guideSection`, "&Verification and Validation" the
    // verification document, "&About" the version, the licence and the notices
    // of the reference data. Files open through the platform services; one
    // that is missing, or that nothing opens, is named in a message.
    QMenu* AddHelp(QWidget& mainWindow, const std::string& programName,
                   const std::string& guideSection);
    // Where Help finds the documents: kInstalledDocFolder, unless a test
    // installed them elsewhere.
    void SetDocumentFolder(std::string folder) { docFolder_ = std::move(folder); }

    RecentFilesMenu* RecentFiles() const { return recent_; }

  private:
    ProgramSettings settings_;
    RememberingFileDialogs dialogs_;
    std::unique_ptr<RememberedWindows> windows_;
    RecentFilesMenu* recent_ = nullptr; // owned by the File menu
    std::string docFolder_ = kInstalledDocFolder;
};

} // namespace vorla::ui

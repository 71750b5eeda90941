// File > Recent Files: the program's last files, opened or saved, most recent
// first, each with its number as access key ("&1 /data/office.vof"). Choosing
// one opens it as File Open would; a file that is no longer there is taken off
// the list with a message naming it.
//
// A program that shows a saved report's results without running it (Open
// Results…) offers the same list again beside it: "Recent Res&ults"
// (`mnuFileRecentResults`, AddResultsMenu) opens the entry as Open Results
// does. Each list holds every recent file, however it was opened last, so
// each can be opened either way.
#pragma once

#include "common/ui/platform_services.h"
#include "common/ui/program_settings.h"

#include <QObject>
#include <functional>
#include <string>

class QAction;
class QMenu;

namespace vorla::ui {

class RecentFilesMenu final : public QObject {
  public:
    // Puts "Recent Files" (`mnuFileRecent`) into `fileMenu` before `before`
    // (at the end when null). `open` is the program's open routine: true when
    // the file was opened. `programName` titles the message about a missing file.
    RecentFilesMenu(QMenu& fileMenu, QAction* before, ProgramSettings& settings,
                    PlatformServices& services, std::string programName,
                    std::function<bool(const std::string&)> open);

    // A file opened by any way (menu, command line, drop) goes to the top.
    void Opened(const std::string& path);
    // So does a file the program saved (a report, a fire file): the user is as
    // likely to come back to it. Only files the program opens belong here, not
    // exports such as a CSV file or a picture.
    void Saved(const std::string& path);

    QMenu* Menu() const { return menu_; }

    // Puts "Recent Res&ults" just after "Recent Files"; `openResults` is the
    // program's Open Results routine: true when the file was shown.
    void AddResultsMenu(std::function<bool(const std::string&)> openResults);
    QMenu* ResultsMenu() const { return resultsMenu_; }

  private:
    void PutOnTop(const std::string& path);
    void Rebuild();
    // Rebuilds `menu` with the list, each entry calling `open`.
    void Fill(QMenu* menu, const QString& name,
              const std::function<bool(const std::string&)>& open);
    void Choose(const QString& path, const std::function<bool(const std::string&)>& open);

    QMenu* menu_;
    ProgramSettings& settings_;
    PlatformServices& services_;
    std::string programName_;
    std::function<bool(const std::string&)> open_;
    QMenu* resultsMenu_ = nullptr;
    std::function<bool(const std::string&)> openResults_;
};

} // namespace vorla::ui

// File > Recent Files: the program's last files, opened or saved, most recent
// first, each with its number as access key ("&1 /data/office.vof"). Choosing
// one opens it as File Open would; a file that is no longer there is taken off
// the list with a message naming it.
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

  private:
    void PutOnTop(const std::string& path);
    void Rebuild();
    void Choose(const QString& path);

    QMenu* menu_;
    ProgramSettings& settings_;
    PlatformServices& services_;
    std::string programName_;
    std::function<bool(const std::string&)> open_;
};

} // namespace vorla::ui

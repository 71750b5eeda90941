// Files handed to a program from outside: named on its command line
// ("vorla-xw report.vof", as the desktop's Open With does) or dropped on its
// main window. Both open as File Open would. The window and every control in
// it take the drop, so a file let go over a text box opens too instead of
// pasting its name into the box.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QMimeData;
class QWidget;

namespace vorla::ui {

// The local file a drag carries (the first, when it carries several); nothing
// when it carries no local file, such as text or a web address.
std::optional<QString> DroppedLocalFile(const QMimeData* data);

// The file named on the program's command line (common/command_line/command_line_answers.h
// FileToOpen), once QApplication has taken its own options.
std::optional<std::string> FileNamedOnCommandLine();

// Makes `window` (and the controls it holds now) take dropped files, handing
// each to `open`. The object lives as long as the window.
class FileDropTarget final : public QObject {
  public:
    FileDropTarget(QWidget& window, std::function<void(const std::string& path)> open);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(const std::string&)> open_;
};

} // namespace vorla::ui

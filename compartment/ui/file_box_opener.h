// The input form's two file-name boxes are never typed into: reaching one opens
// its file dialog, after which the form moves the focus on. A box is reached by
// a click, by Tab or Shift+Tab, or by Enter or Space while it has the focus.
//
// The focus a box gets back when its window is activated again (after the
// dialog or a message box closes) or when a menu closes is not "reaching" it, and
// neither is the click that gave it the focus being followed by its release: so a
// dialog never re-opens by itself, and only one dialog is ever open at a time.
#pragma once

#include <QObject>
#include <functional>

class QLineEdit;

namespace vorla::compartment {

class FileBoxOpener final : public QObject {
    Q_OBJECT
  public:
    // `open` shows the dialog and moves the focus away from `box`.
    FileBoxOpener(QLineEdit* box, std::function<void()> open);

    // Runs `open` now, unless it is running already.
    void OpenNow();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* box_;
    std::function<void()> open_;
    bool open_running_ = false;
    bool open_pending_ = false;
};

} // namespace vorla::compartment

// A box of the input form that holds a file name chosen in a file dialog. It is
// never typed into: reaching it asks for the file instead. A click reports
// Clicked, the focus arriving by Tab, by the mouse or from the program reports
// GotFocus, and Enter, Space or F4 in the box report Clicked.
//
// A dialog shown from these signals takes the focus away and gives it back when
// it closes, and the handler then moves the focus on. None of that reports the
// box again: the focus that comes back with the window's activation, or from a
// closed menu, is not the user reaching the box, and the mouse press that gave
// the box the focus has already been answered by GotFocus.
#pragma once

#include <QLineEdit>

namespace vorla::smoke {

class FileNameBox final : public QLineEdit {
    Q_OBJECT
  public:
    explicit FileNameBox(QWidget* parent = nullptr);

  signals:
    void Clicked();
    void GotFocus();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    enum class Reached { ByClick, ByFocus };
    void Report(Reached how);

    bool reporting_ = false;
    bool pressAnsweredByFocus_ = false;
};

} // namespace vorla::smoke

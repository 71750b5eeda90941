// A box of an input form that holds a file name chosen in a file dialog
// (txtFireFile, txtOutputFile). It is never typed into: reaching it asks for
// the file instead, through the two events the forms handle:
//
//   Clicked    a left click on the box while it has the focus already, or
//              Enter, Space or F4 in the box;
//   GotFocus   the focus arriving by Tab or Shift+Tab, by a left click (the
//              press that gives the focus), by an access key, or from the
//              program through MoveFocusHere.
//
//   connect(txtFireFile, &FileNameBox::Clicked, this, &frmInput::txtFireFile_Click);
//   connect(txtFireFile, &FileNameBox::GotFocus, this, &frmInput::txtFireFile_GotFocus);
//
// The handler shows the dialog and then moves the focus on. Nothing else
// reaches the box, so a dialog never opens by itself: not the focus that comes
// back when the window is activated again (after the dialog or a message box)
// or when a menu closes, not a plain setFocus(), not the release or the second
// click of the click that opened the dialog, not a right click (that shows the
// box's Copy menu), and not anything that arrives while a handler is still
// running, which is the dialog it opened.
//
// The event is reported inside the key press, click or focus change that
// reached the box, as the window system's own controls report theirs: the
// dialog is on screen before the next key or click is read, and the box is
// never left holding the focus with a dialog still to come.
#pragma once

#include <QLineEdit>
#include <optional>

namespace vorla::ui {

class FileNameBox final : public QLineEdit {
    Q_OBJECT
  public:
    explicit FileNameBox(QWidget* parent = nullptr);

    // Moves the focus here as the form does after a failed check, which
    // reaches the box: GotFocus is reported at once, even while the window is
    // still waiting to be activated again after the message box.
    void MoveFocusHere();

  signals:
    void Clicked();
    void GotFocus();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Report(void (FileNameBox::*notify)());

    bool reporting_ = false;
    // The focus came with a mouse press that is still to be delivered.
    bool focusCameWithPress_ = false;
    // When the last left press that reached the box happened, to know the
    // second press of a double click.
    std::optional<quint64> reachedByPressAt_;
};

} // namespace vorla::ui

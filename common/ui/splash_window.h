// The splash window through which each program starts: its name, "Version 1.00",
// a picture, and Continue (the default button: Enter continues) or Quit.
//
//   int main(int argc, char** argv) {
//       QApplication app(argc, argv);
//       ...
//       vorla::ui::ShowSplash("VORLA-XW", [&] { input.show(); });
//       return app.exec();
//   }
//
// Continue shows the program's frmInput through the callback, then closes the
// splash window. Quit, Escape and the frame's close button close it and end the
// program (QCoreApplication::quit unless another `quitProgram` is given).
#pragma once

#include <QDialog>
#include <functional>

class QCloseEvent;
class QLabel;
class QPushButton;

namespace vorla::ui {

class frmSplash final : public QDialog {
    Q_OBJECT
  public:
    frmSplash(const QString& programName, std::function<void()> showInput,
              std::function<void()> quitProgram = {}, QWidget* parent = nullptr);

  public slots:
    void reject() override; // Escape

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Activate();
    void cmdContinue_Click();
    void cmdQuit_Click();
    void QuitProgram();

    QLabel* lblProgram;
    QLabel* lblVersion;
    QWidget* Picture1;
    QPushButton* cmdContinue;
    QPushButton* cmdQuit;

    std::function<void()> showInput_;
    std::function<void()> quitProgram_;
    bool finished_ = false;
};

// The program's start-up routine: a splash window (deleted when closed) with the
// program's name, shown as an ordinary, not modal, window.
frmSplash* ShowSplash(const QString& programName, std::function<void()> showInput,
                      std::function<void()> quitProgram = {});

} // namespace vorla::ui

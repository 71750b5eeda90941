// frmOutput, SKEVA-XW's report window "SKEVA-XW: Output Data": opening it runs
// the model and shows the report header and the results table; Save writes the
// results file, Print prints the report with a header on every page, and Close
// (also Escape and the frame's close button) offers to save results not saved
// yet and returns to the input form.
#pragma once

#include "smoke_filling/model/calculations.h"

#include <QDialog>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace vorla::ui {
class PlatformServices;
}

namespace vorla::smoke {

class frmInput;

class frmOutput final : public QDialog {
    Q_OBJECT
  public:
    // The window deletes itself when it closes.
    frmOutput(Calculations& calc, ui::PlatformServices& services, frmInput& input);

    QPlainTextEdit* txtHeader;
    QPlainTextEdit* txtDataColumns;
    QPushButton* cmdSave;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;

    // Hides the input form, shows this window with "CALCULATING ..." and runs
    // the model. False when the fire file could not be used: the window has then
    // closed, and the input form is back with the problem shown.
    bool Form_Load();
    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdClose_Click();

    bool Saved() const { return saved_; }
    int LastRow() const { return lastRow_; }
    int RowInterval() const { return rowInterval_; }
    const std::string& EndMessage() const { return endMessage_; }

  public slots:
    void reject() override; // Escape

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ShowWhileCalculating();
    void WidenForHeader();
    void SetButtonsEnabled(bool enabled);
    bool Save();
    void Unload();

    Calculations& calc_;
    ui::PlatformServices& services_;
    frmInput& input_;
    bool saved_ = false;
    bool running_ = false;
    bool unloading_ = false;
    std::string reportHeader_;
    std::string reportRows_;
    std::string endMessage_;
    int lastRow_ = 0;
    int rowInterval_ = 1;
};

} // namespace vorla::smoke

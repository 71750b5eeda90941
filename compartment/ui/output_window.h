// frmOutput, "VORLA-XW: Output Data": performs one compartment run and shows its
// report. Opening it hides the input form, shows "CALCULATING ..." while the
// run goes (asking the flashover question when the layer passes 600 °C), then
// shows the header and a thinned table of the rows. Save writes the whole report,
// Print prints it with a header on every page, Graph plots the results, and
// Close offers to save unsaved results before returning to the input form.
//
// Escape and the frame's close button do what Close does; Enter presses the
// button that has the focus (Close, once the run has finished).
#pragma once

#include "compartment/model/calculations.h"

#include <QPointer>
#include <QWidget>
#include <string>

class QCloseEvent;
class QPushButton;

namespace vorla::ui {
class PlatformServices;
}

namespace vorla::compartment {

class ReportTextBox;
class frmGraph;
class frmInput;

class frmOutput final : public QWidget {
    Q_OBJECT
  public:
    frmOutput(Calculations& calc, ui::PlatformServices& services, frmInput& input);
    ~frmOutput() override;

    ReportTextBox* txtHeader;
    ReportTextBox* txtDataColumns;
    QPushButton* cmdSave;
    QPushButton* cmdPrint;
    QPushButton* cmdGraph;
    QPushButton* cmdClose;

    std::string ReportHeader; // lines 2 to 17 of the report
    std::string ReportRows;   // every row, each ended by CR LF
    std::string EndMessage;
    bool Saved = false;

    // Hides the input form, shows the window and runs the model. A fire file
    // that cannot be used is reported after the window has closed and the input
    // form is back: then false, and the window is gone.
    bool Form_Load();
    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdGraph_Click();
    void cmdClose_Click();

    // Closes the window and its graph without a question (File Exit).
    void Unload();
    // The graph window has closed: the report shows again, focus on Close.
    void ShowAgain();
    frmGraph* GraphWindow() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void SetButtonsEnabled(bool enabled);
    void ReturnToInput();
    bool SaveReportTo(const std::string& path);

    Calculations& calc_;
    ui::PlatformServices& services_;
    frmInput& input_;
    QPointer<frmGraph> graph_;
    bool running_ = false;
    bool leaving_ = false;
    bool inCloseEvent_ = false;
};

} // namespace vorla::compartment

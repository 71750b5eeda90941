// The report window both models open for a run (`frmOutput`): opening it hides
// the input form, shows the header and "CALCULATING ..." while the model runs,
// then a thinned table of the rows and the end message. Save writes the whole
// report through a Save As dialog, Print prints it with a header on every page,
// and Close offers to save results not saved yet before going back to the input
// form. Escape and the frame's close button do what Close does; while the run
// goes they do nothing. Enter presses the button that has the focus.
//
// A program derives its frmOutput from this window and supplies its texts and
// three things of its model: the header shown while the run goes, the run, and
// the report of the completed run (zone_models/run_report_contents.h), which the model
// builds. A button of its own (VORLA-XW's Graph) goes in with AddButton(),
// between Print and Close:
//
//   cmdGraph = AddButton("cmdGraph", "&Graph");
//   connect(cmdGraph, &QPushButton::clicked, this, &frmOutput::cmdGraph_Click);
#pragma once

#include "common/model_runs/run_outcome.h"
#include "zone_models/run_report_contents.h"
#include "common/ui/platform_services.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCloseEvent;
class QHBoxLayout;
class QAction;
class QLineEdit;
class QMenu;
class QPushButton;

namespace vorla::ui {

class KeyResultsPanel;
class ReportTextBox;

// What a program's report window says and writes.
struct ReportWindowTexts {
    std::string ProgramName;       // "VORLA-XW": the title of its failure messages
    std::string Caption;           // "VORLA-XW: Output Data"
    std::string SaveQuestionTitle; // "VORLA-XW: Save Data?"
    std::string PrinterCheckTitle; // "VORLA-XW: Printer Check"
    std::string DataFilter;        // Save's filter: "VORLA-XW Data Files (*.sdf)|*.sdf"
    // Follows the writer's sentence when a save fails: "The report is not saved."
    std::string NotSavedSentence;
    // Lines of a printed sheet that are not rows: the page header and a few spare.
    double PrintLinesReserved = 0;
    // The icon of the message that names a fire file the run could not use.
    MessageIcon FireFileProblemIcon = MessageIcon::Critical;
};

// The input form that opened the report window, which is hidden while the
// report is open.
struct ReportInputForm {
    QWidget* Window = nullptr;
    QLineEdit* txtRunTitle = nullptr;   // the focus goes back here
    QLineEdit* txtOutputFile = nullptr; // Save offers this name
    // Shows the form again with the focus on txtRunTitle.
    std::function<void()> ShowAgain;
    // Told of each file Save wrote (for the Recent Files list); may be empty.
    std::function<void(const std::string& path)> FileSaved;
};

class ReportWindow : public QWidget {
    Q_OBJECT
  public:
    // Hides the input form, shows the window and runs the model. A fire file
    // that cannot be used is reported once the window has gone and the input
    // form is back: then false.
    bool RunAndShow();
    // Closes the window without a question (File Exit).
    virtual void Unload();
    // A window that stood in for the report has closed: the report shows again,
    // the focus on Close.
    void ShowAgain();
    // The run the graph compares with this one (Compare With…), kept while
    // the report is open: the graph shows it again when it opens again, and
    // Export Design Report… draws it in the report's graphs.
    void SetComparedRun(std::optional<ComparedRunCurves> compared);
    const std::optional<ComparedRunCurves>& ComparedRun() const { return compared_; }

  protected:
    ReportWindow(PlatformServices& services, ReportInputForm input, ReportWindowTexts texts);

    // The report shows the run saved at `path` (Open Results…): the design
    // report's run time is that file's modification time, said to be that.
    void SetReadFrom(std::string path);

    // A button of the program's own, placed before Close; it is disabled while
    // the run goes, like the others.
    QPushButton* AddButton(const char* name, const QString& caption);

    // A question asked in the middle of the run; the busy cursor makes way for it.
    MessageButton AskDuringRun(const MessageRequest& question);
    // The same, for a question with a check box ("Do not ask again").
    MessageAnswer AskDuringRunWithCheckBox(const MessageRequest& question);

    // What txtHeader shows from the start: the version line and the header.
    virtual std::string HeaderText() const = 0;
    // The run: its completed rows, or why it could not go (then there are none).
    virtual RunOutcome RunModel() = 0;
    // The report of the run just completed.
    virtual RunReport Report(const CompletedRun& run) const = 0;

    void closeEvent(QCloseEvent* event) override;

  private:
    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdClose_Click();
    void cmdExportCsv_Click();
    void cmdCopy_Click();
    void mnuFileExportDesignReport_Click();
    void ShowKeyResults();

    void SetButtonsEnabled(bool enabled);
    void FitToReport();
    void ShowBeforeRunning();
    void Save();
    void ReturnToInput();

    ReportTextBox* txtHeader;
    ReportTextBox* txtDataColumns;
    QPushButton* cmdSave;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;
    QPushButton* cmdExportCsv;
    QPushButton* cmdCopy;
    KeyResultsPanel* fraKeyResults;
    QMenu* mnuFile;
    QAction* mnuFileExportDesignReport;

    PlatformServices& services_;
    ReportInputForm input_;
    ReportWindowTexts texts_;
    QHBoxLayout* buttonRow_;
    std::vector<QPushButton*> buttons_;
    RunReport report_;
    bool saved_ = false;
    // When the run finished, and the file and text Save last wrote: the design
    // report's title block and appendix.
    std::string runTime_;
    std::string savedPath_;
    std::string savedText_;
    std::string readFrom_;
    std::optional<ComparedRunCurves> compared_;
    bool running_ = false;
    bool leaving_ = false;
    bool inCloseEvent_ = false;
};

} // namespace vorla::ui

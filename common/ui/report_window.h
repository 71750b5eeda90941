// The report window both models open for a run (`frmOutput`): opening it hides
// the input form, shows the header and "CALCULATING ..." while the model runs,
// then a thinned table of the rows and the end message. Save writes the whole
// report through a Save As dialog, Print prints it with a header on every page,
// and Close offers to save results not saved yet before going back to the input
// form. Escape and the frame's close button do what Close does; while the run
// goes they do nothing. Enter presses the button that has the focus.
//
// A program derives its frmOutput from this window and supplies its texts and
// its model: the header, the run, the rows, the screen table, the saved file
// and the printed pages. A button of its own (VORLA-XW's Graph) goes in with
// AddButton(), between Print and Close.
#pragma once

#include "common/report_paging.h"
#include "common/run_outcome.h"
#include "common/ui/message_texts.h"
#include "common/ui/platform_services.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCloseEvent;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace vorla::ui {

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
};

inline constexpr const char* kCalculatingText = "CALCULATING ...";

class ReportWindow : public QWidget {
    Q_OBJECT
  public:
    ReportTextBox* txtHeader;
    ReportTextBox* txtDataColumns;
    QPushButton* cmdSave;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;

    // Hides the input form, shows the window and runs the model. A fire file
    // that cannot be used is reported once the window has gone and the input
    // form is back: then false.
    bool Form_Load();
    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdClose_Click();

    // Closes the window without a question (File Exit).
    virtual void Unload();
    // A window that stood in for the report has closed: the report shows again,
    // the focus on Close.
    void ShowAgain();

    // True once Save has run, even when its dialog was cancelled.
    bool Saved() const { return saved_; }
    // The header lines below the version line, as built when the window opened.
    const std::string& ReportHeader() const { return reportHeader_; }
    // Every row, each followed by CR LF.
    const std::string& ReportRows() const { return reportRows_; }
    const std::string& EndMessage() const { return endMessage_; }
    int LastRow() const { return lastRow_; }
    // The screen shows the rows whose index is a multiple of this.
    int RowInterval() const { return rowInterval_; }

  protected:
    ReportWindow(PlatformServices& services, ReportInputForm input, ReportWindowTexts texts);

    // A button of the program's own, placed before Close; it is disabled while
    // the run goes, like the others.
    QPushButton* AddButton(const char* name, const QString& caption);

    // A question asked in the middle of the run; the busy cursor makes way for it.
    MessageButton AskDuringRun(const MessageRequest& question);

    // The program's report, built from its model's state.
    virtual std::string BuildReportHeader() const = 0;
    // What txtHeader shows: the version line and ReportHeader().
    virtual std::string BuildHeaderText() const = 0;
    // The run: its completed rows, or why the fire file could not be used (then
    // there are no rows).
    virtual RunOutcome RunModel() = 0;
    // Rows 0 to LastRow(), each followed by CR LF.
    virtual std::string BuildReportRows() const = 0;
    // What txtDataColumns shows after the run: the screen table and the end message.
    virtual std::string BuildDataColumnsText() const = 0;
    // The whole saved file.
    virtual std::string BuildSavedText() const = 0;
    // The printed pages for that many lines a page; nothing when a page is too short.
    virtual std::optional<std::vector<PrintedPage>>
    BuildPrintedPages(double linesPerPage) const = 0;
    // The inputs' output file name, which page headers print: after a save it
    // names the saved file.
    virtual std::string& OutputFile() = 0;

    void closeEvent(QCloseEvent* event) override;

  private:
    void SetButtonsEnabled(bool enabled);
    void FitToReport();
    void ShowBeforeRunning();
    bool Save();
    void ReturnToInput();

    PlatformServices& services_;
    ReportInputForm input_;
    ReportWindowTexts texts_;
    QHBoxLayout* buttonRow_;
    std::vector<QPushButton*> buttons_;
    bool saved_ = false;
    bool running_ = false;
    bool leaving_ = false;
    bool inCloseEvent_ = false;
    std::string reportHeader_;
    std::string reportRows_;
    std::string endMessage_;
    int lastRow_ = 0;
    int rowInterval_ = 1;
};

} // namespace vorla::ui

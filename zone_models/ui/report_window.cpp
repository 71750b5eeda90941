#include "zone_models/ui/report_window.h"

#include "common/files/atomic_file.h"
#include "common/files/file_collision.h"
#include "common/files/file_digest.h"
#include "common/files/text_file.h"
#include "common/ui/file_run_menus.h"
#include "common/ui/form_builders.h"
#include "zone_models/ui/key_results_panel.h"
#include "common/ui/message_texts.h"
#include "common/ui/report_exports.h"
#include "common/ui/report_printing.h"
#include "common/ui/report_text_box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QThread>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace vorla::ui {
namespace {

constexpr int kTableColumns = 72; // the 68-character rows and a little air
constexpr int kTableLines = 22;   // rows the window opens with
constexpr int kTableMinimumLines = 6;
constexpr const char* kCalculatingText = "CALCULATING ...";

// Enter presses the button that has the focus.
QPushButton* MakeReportButton(const char* name, const QString& caption, QWidget* parent) {
    return MakeButton(name, caption, parent, true);
}

// A window never opens larger than the screen, whatever the size of its text.
QSize FittedToScreen(const QWidget& window, QSize wanted) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QSize room = screen->availableGeometry().size();
        wanted = wanted.boundedTo({room.width() * 9 / 10, room.height() * 9 / 10});
    }
    return wanted;
}

} // namespace

ReportWindow::ReportWindow(PlatformServices& services, ReportInputForm input,
                           ReportWindowTexts texts)
    : QWidget(nullptr, Qt::Window), services_(services), input_(std::move(input)),
      texts_(std::move(texts)) {
    setObjectName("frmOutput");
    setWindowTitle(QString::fromStdString(texts_.Caption));
    setAttribute(Qt::WA_DeleteOnClose);

    txtHeader = new ReportTextBox("txtHeader", this);
    txtHeader->KeepEveryLineInView();
    txtDataColumns = new ReportTextBox("txtDataColumns", this);
    txtDataColumns->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDataColumns->setMinimumHeight(txtDataColumns->HeightForLines(kTableMinimumLines));

    cmdSave = MakeReportButton("cmdSave", "&Save", this);
    cmdPrint = MakeReportButton("cmdPrint", "&Print", this);
    cmdClose = MakeReportButton("cmdClose", "&Close", this);
    buttons_ = {cmdSave, cmdPrint, cmdClose};

    buttonRow_ = new QHBoxLayout;
    buttonRow_->addStretch(1);
    for (auto* button : buttons_) {
        buttonRow_->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtHeader);
    // The key results go beside the table, which keeps its width.
    fraKeyResults = new KeyResultsPanel(services_, texts_.ProgramName, this);
    fraKeyResults->hide();
    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(txtDataColumns);
    tableRow->addWidget(fraKeyResults, 1);
    layout->addLayout(tableRow, 1);
    layout->addLayout(buttonRow_);
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName("mnuBar");
    layout->setMenuBar(menuBar);
    mnuFile = BuildWindowFileMenu(*this, *menuBar);
    mnuFileExportDesignReport = mnuFile->addAction("Export Design &Report\u2026");
    mnuFileExportDesignReport->setObjectName("mnuFileExportDesignReport");
    mnuFileExportDesignReport->setToolTip("Write the design report of the run as PDF: inputs, "
                                          "key results, graphs, limits and every row");
    connect(mnuFileExportDesignReport, &QAction::triggered, this,
            &ReportWindow::mnuFileExportDesignReport_Click);

    setTabOrder(txtHeader, txtDataColumns);
    setTabOrder(txtDataColumns, cmdSave);
    setTabOrder(cmdSave, cmdPrint);
    setTabOrder(cmdPrint, cmdClose);
    QWidget* beforePanel = txtDataColumns;
    for (QWidget* control : fraKeyResults->Controls()) {
        setTabOrder(beforePanel, control);
        beforePanel = control;
    }
    setTabOrder(beforePanel, cmdSave);

    connect(cmdSave, &QPushButton::clicked, this, &ReportWindow::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &ReportWindow::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &ReportWindow::cmdClose_Click);

    cmdExportCsv = AddButton("cmdExportCsv", "&Export CSV\u2026");
    cmdExportCsv->setToolTip("Write every row of the run to a CSV file for a spreadsheet (Alt+E)");
    cmdCopy = AddButton("cmdCopy", "Cop&y");
    cmdCopy->setToolTip("Copy the table shown as tab-separated text, to paste into a "
                        "spreadsheet (Alt+Y)");
    connect(cmdExportCsv, &QPushButton::clicked, this, &ReportWindow::cmdExportCsv_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &ReportWindow::cmdCopy_Click);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (!running_ && !leaving_) {
            cmdClose_Click();
        }
    });
}

QPushButton* ReportWindow::AddButton(const char* name, const QString& caption) {
    auto* button = MakeReportButton(name, caption, this);
    buttonRow_->insertWidget(buttonRow_->indexOf(cmdClose), button);
    buttons_.insert(buttons_.end() - 1, button);
    setTabOrder(buttons_[buttons_.size() - 3], button);
    setTabOrder(button, cmdClose);
    return button;
}

void ReportWindow::SetButtonsEnabled(bool enabled) {
    mnuFileExportDesignReport->setEnabled(enabled);
    for (auto* button : buttons_) {
        button->setEnabled(enabled);
    }
}

// As tall as the header and a few dozen rows, wide enough for a row and for the
// header's longest line (a long file name) where the screen allows.
void ReportWindow::FitToReport() {
    const QMargins around = layout()->contentsMargins();
    const int width =
        std::max(txtDataColumns->WidthForColumns(kTableColumns), txtHeader->WidthForText()) +
        around.left() + around.right();
    const int height = txtHeader->minimumHeight() + txtDataColumns->HeightForLines(kTableLines) +
                       cmdClose->sizeHint().height() + 2 * layout()->spacing() + around.top() +
                       around.bottom();
    resize(FittedToScreen(*this, {width, height}));
}

// The run holds the program until it returns, so the window is mapped and
// painted first: "CALCULATING ..." is on the screen while the model runs. Input
// waits until the run is over.
void ReportWindow::ShowBeforeRunning() {
    show();
    raise();
    activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!(windowHandle() && windowHandle()->isExposed()) && waited.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
    repaint();
    // Hands the painted window to the window system before the run holds it up.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool ReportWindow::RunAndShow() {
    saved_ = false;
    savedPath_.clear();
    savedText_.clear();
    input_.Window->hide();
    SetButtonsEnabled(false);
    txtHeader->SetReportText(HeaderText());
    txtDataColumns->SetReportText(kCalculatingText);
    FitToReport();

    running_ = true;
    ShowBeforeRunning();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const RunOutcome outcome = RunModel();
    QApplication::restoreOverrideCursor();
    // Keys and clicks the window system held back during the run are taken now,
    // while the buttons, Escape and the frame's close button still do nothing:
    // an Escape pressed during the run does not close the report once it is done.
    // Every one of them: events are taken until none is left (a tenth of a second
    // at most).
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    running_ = false;

    const auto* completed = std::get_if<CompletedRun>(&outcome);
    if (!completed) {
        // No half report: the window goes, the input form comes back, and only
        // then the message says which file and what is wrong with it. The focus
        // goes to the run title rather than the fire file box, whose dialog
        // would open by itself. (The form checks the inputs before it opens
        // the report, so a rejected input only comes here if that changes.)
        PlatformServices& services = services_;
        QLineEdit* runTitle = input_.txtRunTitle;
        MessageRequest problem;
        if (const auto* fireProblem = std::get_if<FireFileError>(&outcome)) {
            problem = {DescribeFireFileError(*fireProblem), texts_.ProgramName,
                       texts_.FireFileProblemIcon, MessageButtons::Ok};
        } else {
            const auto& rejected = std::get<RejectedInput>(outcome);
            problem = {rejected.Message, std::string(rejected.Title), MessageIcon::Exclamation,
                       MessageButtons::Ok};
        }
        ReturnToInput();
        services.ShowMessage(problem);
        runTitle->setFocus();
        return false;
    }

    report_ = Report(*completed);
    if (readFrom_.empty()) {
        runTime_ = RunTimeNow();
    } else {
        runTime_ = FileModifiedTime(readFrom_).value_or(
            "not known (the saved report carries no run date and its file cannot be read)");
    }
    txtDataColumns->SetReportText(report_.ScreenTableText);
    ShowKeyResults();
    SetButtonsEnabled(true);
    cmdClose->setFocus();
    return true;
}

MessageButton ReportWindow::AskDuringRun(const MessageRequest& question) {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const MessageButton answer = services_.ShowMessage(question);
    QApplication::restoreOverrideCursor();
    return answer;
}

MessageAnswer ReportWindow::AskDuringRunWithCheckBox(const MessageRequest& question) {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const MessageAnswer answer = services_.AskWithCheckBox(question);
    QApplication::restoreOverrideCursor();
    return answer;
}

void ReportWindow::ReturnToInput() {
    leaving_ = true;
    // The input form shows first, so the program never has no window open.
    input_.ShowAgain();
    if (!inCloseEvent_) {
        close();
    }
}

void ReportWindow::Unload() {
    leaving_ = true;
    close();
}

void ReportWindow::ShowAgain() {
    // Back where it was, rather than wherever the window manager finds room
    // beside the window that stood in for it.
    if (QWindow* handle = windowHandle()) {
        handle->setPosition(handle->position());
    }
    show();
    raise();
    activateWindow();
    cmdClose->setFocus();
}

void ReportWindow::closeEvent(QCloseEvent* event) {
    if (leaving_) {
        event->accept();
        return;
    }
    if (running_) {
        event->ignore(); // the run finishes first
        return;
    }
    // The frame's close button: the same as Close, which may keep the window
    // open (Yes to saving the data).
    inCloseEvent_ = true;
    cmdClose_Click();
    inCloseEvent_ = false;
    if (leaving_) {
        event->accept();
    } else {
        event->ignore();
    }
}

void ReportWindow::cmdSave_Click() {
    Save();
}

void ReportWindow::Save() {
    const auto path = services_.ChooseFile(
        SaveAsDialog(kSaveDialogTitle, texts_.DataFilter, services_.DataDirectory(),
                     input_.txtOutputFile->text().toStdString()));
    if (path && WouldWriteOver(*path, report_.FireFile)) {
        services_.ShowMessage({"The file " + *path + " is the fire file " + report_.FireFile +
                                   " this run read: saving there would write over it. " +
                                   texts_.NotSavedSentence,
                               texts_.ProgramName, MessageIcon::Exclamation, MessageButtons::Ok});
        cmdClose->setFocus();
        return;
    }
    if (path) {
        // The file keeps the header the run was started with, but for the name
        // it is saved under and its fire file's path from there; the old file
        // is replaced only once the whole report is written.
        const std::string text =
            report_.SavedReportTextAs ? report_.SavedReportTextAs(*path) : report_.SavedReportText;
        if (const auto error = WriteFileAtomically(*path, text)) {
            services_.ShowMessage({*error + " " + texts_.NotSavedSentence, texts_.ProgramName,
                                   MessageIcon::Critical, MessageButtons::Ok});
            cmdClose->setFocus();
            return;
        }
        // Later page headers name the file the report now lives in.
        report_.OutputFile = *path;
        savedPath_ = *path;
        savedText_ = text;
        if (input_.FileSaved) {
            input_.FileSaved(*path);
        }
    } else {
        // A cancelled dialog keeps nothing: the results are still unsaved.
        cmdClose->setFocus();
        return;
    }
    saved_ = true;
    cmdSave->setEnabled(false);
    cmdClose->setFocus();
}

void ReportWindow::cmdPrint_Click() {
    const std::string document = texts_.ProgramName + " report";
    const QString baseName =
        QFileInfo(QString::fromStdString(report_.OutputFile)).completeBaseName();
    const std::string pdfName = (baseName.isEmpty() ? document : baseName.toStdString()) + ".pdf";
    PrintReport(services_, {.Request = {texts_.PrinterCheckTitle, document, pdfName},
                            .ErrorTitle = texts_.ProgramName,
                            .LinesReserved = texts_.PrintLinesReserved,
                            .Paginate = [this](double linesPerPage) {
                                return report_.PrintedPages(linesPerPage, report_.OutputFile);
                            }});
    cmdClose->setFocus();
}

// The panel joins the window once the run is over, which widens by the panel
// rather than narrowing the table: where the screen is too narrow for both,
// the panel gives way.
void ReportWindow::ShowKeyResults() {
    if (!report_.KeyResultsFor) {
        return;
    }
    fraKeyResults->ShowRun(report_.KeyResultsFor, report_.ShownUnits, report_.CeilingHeightM);
    const int added = fraKeyResults->sizeHint().width() + layout()->spacing();
    txtDataColumns->setMinimumWidth(txtDataColumns->WidthForColumns(kTableColumns));
    fraKeyResults->show();
    resize(FittedToScreen(*this, {width() + added, height()}));
}

void ReportWindow::cmdExportCsv_Click() {
    if (report_.ResultsCsv) {
        ExportCsv(services_, texts_.ProgramName, report_.OutputFile, report_.ResultsCsv());
    }
    cmdClose->setFocus();
}

// The document of the run as it stands: the key results for the panel's
// criteria, the report as last saved (its file's digest read from the disk
// now, so a file changed since is not vouched for), or "(not saved)".
void ReportWindow::mnuFileExportDesignReport_Click() {
    if (running_ || !report_.DesignReportFor) {
        return;
    }
    const KeyResults keys =
        report_.KeyResultsFor ? report_.KeyResultsFor(fraKeyResults->Criteria()) : KeyResults{};
    DesignReportRun run =
        report_.DesignReportFor(keys, savedPath_.empty() ? report_.SavedReportText : savedText_);
    run.RunTime = runTime_;
    run.ShownUnits = report_.ShownUnits;
    run.Compared = compared_;
    run.ReportFile.Name = savedPath_.empty() ? report_.OutputFile : savedPath_;
    if (!savedPath_.empty()) {
        if (const auto file = ReadWholeFile(savedPath_); !file.problem) {
            run.ReportFile.Sha256 = Sha256Hex(file.text);
        }
    }
    if (const auto fire = ReadWholeFile(run.FireFile.Name); !fire.problem) {
        run.FireFile.Sha256 = Sha256Hex(fire.text);
    }
    ExportDesignReport(services_, texts_.ProgramName, report_.OutputFile, report_.FireFile,
                       DesignReportDocument(run));
    cmdClose->setFocus();
}

void ReportWindow::SetComparedRun(std::optional<ComparedRunCurves> compared) {
    compared_ = std::move(compared);
}

void ReportWindow::SetReadFrom(std::string path) {
    readFrom_ = std::move(path);
}

void ReportWindow::cmdCopy_Click() {
    if (report_.ScreenTableCells) {
        CopyTable(report_.ScreenTableCells());
    }
}

void ReportWindow::cmdClose_Click() {
    if (!saved_) {
        MessageRequest question(kSaveQuestion, texts_.SaveQuestionTitle, MessageIcon::Exclamation,
                                MessageButtons::YesNo);
        question.EscapeLeaves = true;
        const auto answer = services_.ShowMessage(question);
        if (answer == MessageButton::Cancel) {
            cmdClose->setFocus(); // Escape: back to the report, nothing discarded
            return;
        }
        if (answer == MessageButton::Yes) {
            Save();
            return; // the window stays; the next Close asks again unless it saved
        }
    }
    ReturnToInput();
}

} // namespace vorla::ui

// The report window's buttons: Save, Print and Close.
#include "common/atomic_file.h"
#include "common/ui/report_printing.h"
#include "common/ui/report_window.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace vorla::ui {

void ReportWindow::cmdSave_Click() {
    Save();
}

bool ReportWindow::Save() {
    const auto path = services_.ChooseFile(
        SaveAsDialog(kSaveDialogTitle, texts_.DataFilter, services_.DataDirectory(),
                     input_.txtOutputFile->text().toStdString()));
    if (path) {
        // The file keeps the header the run was started with; the old file is
        // replaced only once the whole report is written.
        if (const auto error = WriteFileAtomically(*path, BuildSavedText())) {
            services_.ShowMessage({*error + " " + texts_.NotSavedSentence, texts_.ProgramName,
                                   MessageIcon::Critical, MessageButtons::Ok});
            cmdClose->setFocus();
            return false;
        }
        // Later page headers name the file the report now lives in.
        OutputFile() = *path;
    }
    // A cancelled dialog counts as a save too: the user has chosen not to keep
    // this run, and Close no longer asks.
    saved_ = true;
    cmdSave->setEnabled(false);
    cmdClose->setFocus();
    return true;
}

void ReportWindow::cmdPrint_Click() {
    const std::string document = texts_.ProgramName + " report";
    const QString baseName = QFileInfo(QString::fromStdString(OutputFile())).completeBaseName();
    const std::string pdfName = (baseName.isEmpty() ? document : baseName.toStdString()) + ".pdf";
    PrintReport(services_, {.Request = {texts_.PrinterCheckTitle, document, pdfName},
                            .ErrorTitle = texts_.ProgramName,
                            .LinesReserved = texts_.PrintLinesReserved,
                            .Paginate = [this](double linesPerPage) {
                                return BuildPrintedPages(linesPerPage);
                            }});
    cmdClose->setFocus();
}

void ReportWindow::cmdClose_Click() {
    if (!saved_) {
        const auto answer =
            services_.ShowMessage({kSaveQuestion, texts_.SaveQuestionTitle,
                                   MessageIcon::Exclamation, MessageButtons::YesNo});
        if (answer == MessageButton::Yes) {
            Save();
            return; // the window stays; the next Close finds the data saved
        }
    }
    ReturnToInput();
}

} // namespace vorla::ui

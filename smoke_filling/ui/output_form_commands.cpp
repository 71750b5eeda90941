// The report window's buttons: Save, Print and Close.
#include "common/ui/report_printing.h"
#include "smoke_filling/model/report_printing.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/ui/input_form.h"
#include "smoke_filling/ui/output_form.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>

namespace vorla::smoke {
namespace {

constexpr const char* kProgramName = "SKEVA-XW";
constexpr const char* kDataFilter = "SKEVA-XW Data Files (*.sof)|*.sof";
// Lines of the sheet that are not rows: the 17-line page header and 5 spare.

// The results file replaces an older one only once it is written whole.
std::optional<std::string> WriteResultsFile(const std::string& path, const std::string& text) {
    QSaveFile file(QString::fromStdString(path));
    const auto failure = [&] {
        return "The results file " + path + " could not be written (" +
               file.errorString().toStdString() + "). The results are not saved.";
    };
    if (!file.open(QIODevice::WriteOnly)) {
        return failure();
    }
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size())) {
        auto message = failure();
        file.cancelWriting();
        return message;
    }
    if (!file.commit()) {
        return failure();
    }
    return std::nullopt;
}

} // namespace

void frmOutput::cmdSave_Click() {
    Save();
}

bool frmOutput::Save() {
    const auto path = services_.ChooseFile(
        ui::SaveAsDialog("Specify Data Output File", kDataFilter, services_.DataDirectory(),
                         input_.txtOutputFile->text().toStdString()));
    if (path) {
        // The header keeps the name the run was started with; the file holds
        // the report exactly as the screen heads it.
        if (const auto error = WriteResultsFile(
                *path, SavedResultsText(reportHeader_, reportRows_, endMessage_))) {
            services_.ShowMessage(
                {*error, kProgramName, ui::MessageIcon::Critical, ui::MessageButtons::Ok});
            cmdClose->setFocus();
            return false;
        }
        calc_.Inputs.OutputFile = *path;
    }
    // A cancelled dialog counts as a save too: the user has chosen not to keep
    // this run.
    saved_ = true;
    cmdSave->setEnabled(false);
    cmdClose->setFocus();
    return true;
}

void frmOutput::cmdPrint_Click() {
    const QString baseName =
        QFileInfo(QString::fromStdString(calc_.Inputs.OutputFile)).completeBaseName();
    const std::string pdfName =
        (baseName.isEmpty() ? QStringLiteral("SKEVA-XW report") : baseName).toStdString() + ".pdf";
    ui::PrintReport(services_,
                    {.Request = {std::string(kPrinterCheckTitle), "SKEVA-XW report", pdfName},
                     .ErrorTitle = kProgramName,
                     .LinesReserved = kPrintLinesReserved,
                     .Paginate = [this](double linesPerPage) {
                         return PrintedPages(calc_, lastRow_, endMessage_, linesPerPage);
                     }});
    cmdClose->setFocus();
}

void frmOutput::cmdClose_Click() {
    if (!saved_) {
        const auto answer =
            services_.ShowMessage({"Do you want to save the data?", "SKEVA-XW: Save Data?",
                                   ui::MessageIcon::Exclamation, ui::MessageButtons::YesNo});
        if (answer == ui::MessageButton::Yes) {
            Save();
            return;
        }
    }
    Unload();
}

} // namespace vorla::smoke

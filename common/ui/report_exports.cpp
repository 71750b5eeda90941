#include "common/ui/report_exports.h"

#include "common/files/atomic_file.h"
#include "common/files/file_collision.h"
#include "common/plot/design_document_pdf.h"
#include "common/ui/program_settings.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>

namespace vorla::ui {

std::string CsvFileNameFor(const std::string& outputFile) {
    const QString base = QFileInfo(QString::fromStdString(outputFile)).completeBaseName();
    return (base.isEmpty() ? QStringLiteral("results") : base).toStdString() + ".csv";
}

bool ExportCsv(PlatformServices& services, const std::string& programName,
               const std::string& outputFile, const std::string& csv) {
    const auto path = services.ChooseFile(SaveAsDialog(
        kExportCsvTitle, kCsvFilter, services.DataDirectory(), CsvFileNameFor(outputFile)));
    if (!path) {
        return false;
    }
    if (const auto error = WriteFileAtomically(*path, csv)) {
        services.ShowMessage({*error + " The CSV file is not written.", programName,
                              MessageIcon::Critical, MessageButtons::Ok});
        return false;
    }
    return true;
}

std::string PdfFileNameFor(const std::string& outputFile) {
    const QString base = QFileInfo(QString::fromStdString(outputFile)).completeBaseName();
    return (base.isEmpty() ? QStringLiteral("design-report") : base).toStdString() + ".pdf";
}

bool ExportDesignReport(PlatformServices& services, const std::string& programName,
                        const std::string& outputFile, const std::string& fireFile,
                        const DesignDocument& document) {
    const auto path =
        services.ChooseFile(SaveAsDialog(kExportDesignReportTitle, kPdfFilter,
                                         services.DataDirectory(), PdfFileNameFor(outputFile)));
    if (!path) {
        return false;
    }
    if (WouldWriteOver(*path, fireFile)) {
        services.ShowMessage({"The file " + *path + " is the fire file " + fireFile +
                                  ": the design report would write over it. The design report "
                                  "is not written.",
                              programName, MessageIcon::Exclamation, MessageButtons::Ok});
        return false;
    }
    const auto unit = ProgramSettings().TimeAxisUnitPreference();
    if (const auto error = plot::WriteDesignDocumentPdf(*path, WithTimeIn(document, unit))) {
        services.ShowMessage({*error + " The design report is not written.", programName,
                              MessageIcon::Critical, MessageButtons::Ok});
        return false;
    }
    return true;
}

void CopyTable(const TableCells& table) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(TabSeparatedText(table)));
}

} // namespace vorla::ui

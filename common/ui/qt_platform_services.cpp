#include "common/ui/qt_platform_services.h"

#include "common/ui/data_directory.h"
#include "common/ui/pdf_fallback.h"
#include "common/ui/qt_file_dialog.h"
#include "common/ui/qt_message_box.h"
#include "common/ui/qt_printer.h"

#include <QApplication>
#include <QDir>
#include <QPrinterInfo>

namespace vorla::ui {

MessageButton QtPlatformServices::ShowMessage(const MessageRequest& request) {
    const auto box = MakeMessageBox(request, QApplication::activeWindow());
    return AnswerOf(box->exec(), request.Buttons);
}

std::optional<std::string> QtPlatformServices::ChooseFile(const FileDialogRequest& request) {
    const auto dialog = MakeFileDialog(request, QString::fromStdString(DataDirectory()),
                                       QApplication::activeWindow());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(dialog->selectedFiles().front()).toStdString();
}

std::string QtPlatformServices::DataDirectory() {
    return DefaultDataDirectory().toStdString();
}

OpenedPrinter QtPlatformServices::OpenPrinter(const PrintRequest& request) {
    const auto info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        auto printer = OpenSystemPrinter(info, request.DocumentName);
        if (!printer->IsValid()) {
            return {nullptr,
                    "The printer " + info.printerName().toStdString() + " could not be opened."};
        }
        return {std::move(printer), {}};
    }
    const auto pdfPath = AskForPdfInstead(*this, request);
    if (!pdfPath) {
        return {};
    }
    return {OpenPdfPrinter(*pdfPath, request.DocumentName), {}};
}

} // namespace vorla::ui

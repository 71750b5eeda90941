#include "common/ui/qt_platform_services.h"

#include "common/ui/data_directory.h"
#include "common/ui/pdf_fallback.h"
#include "common/ui/qt_file_dialog.h"
#include "common/ui/qt_message_box.h"
#include "common/ui/qt_printer.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QPointer>
#include <QPrinterInfo>
#include <QUrl>

namespace vorla::ui {

namespace {

// Gives the keyboard back to the window a modal box was shown over. A window
// manager usually does this, but not every one does (nor does a bare X server),
// and without it the user's next keys would go nowhere.
//
// The window is the active one or, when the window system has not yet handed the
// keyboard back after a box shown just before (a question, then a file dialog),
// the modal window or the program's window that is on screen.
QWidget* OwnerWindow() {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const auto type = window->windowType();
        if (window->isVisible() && (type == Qt::Window || type == Qt::Dialog)) {
            return window;
        }
    }
    return nullptr;
}

class KeyboardReturn {
  public:
    KeyboardReturn() : window_(OwnerWindow()) {}
    ~KeyboardReturn() {
        if (window_ && window_->isVisible()) {
            window_->activateWindow();
        }
    }
    KeyboardReturn(const KeyboardReturn&) = delete;
    KeyboardReturn& operator=(const KeyboardReturn&) = delete;
    QWidget* Window() const { return window_; }

  private:
    QPointer<QWidget> window_;
};

} // namespace

MessageButton QtPlatformServices::ShowMessage(const MessageRequest& request) {
    const KeyboardReturn keyboard;
    const auto box = MakeMessageBox(request, keyboard.Window());
    return AnswerOf(box->exec(), request.Buttons);
}

MessageAnswer QtPlatformServices::AskWithCheckBox(const MessageRequest& request) {
    const KeyboardReturn keyboard;
    const auto box = MakeMessageBox(request, keyboard.Window());
    const MessageButton button = AnswerOf(box->exec(), request.Buttons);
    return {button, box->checkBox() != nullptr && box->checkBox()->isChecked()};
}

bool QtPlatformServices::OpenLocalFile(const std::string& path) {
    const QString whole = QString::fromStdString(path);
    const auto hash = whole.lastIndexOf('#');
    QUrl url = QUrl::fromLocalFile(hash < 0 ? whole : whole.left(hash));
    if (hash >= 0) {
        url.setFragment(whole.mid(hash + 1));
    }
    return QDesktopServices::openUrl(url);
}

std::optional<std::string> QtPlatformServices::ChooseFile(const FileDialogRequest& request) {
    const KeyboardReturn keyboard;
    const auto dialog =
        MakeFileDialog(request, QString::fromStdString(DataDirectory()), keyboard.Window());
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

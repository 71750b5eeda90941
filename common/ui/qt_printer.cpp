#include "common/ui/qt_printer.h"

#include "common/ui/fixed_pitch_font.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <filesystem>
#include <system_error>

namespace vorla::ui {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Margins small enough that a report page (the page height in lines, less a few)
// fits the printable area, and large enough for any printer's unprintable rim.
constexpr double kMarginMillimetres = 10;

std::filesystem::path FileSystemPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

std::unique_ptr<QtPrinter> Prepared(std::unique_ptr<QPrinter> device,
                                    const std::string& documentName, QString pdfPath = {}) {
    device->setDocName(QString::fromStdString(documentName));
    device->setFullPage(false);
    device->setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
    auto printer = std::make_unique<QtPrinter>(std::move(device), std::move(pdfPath));
    printer->SetFont("Courier", 12);
    return printer;
}

} // namespace

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> device, QString pdfPath)
    : device_(std::move(device)), pdfPath_(std::move(pdfPath)) {}

QtPrinter::~QtPrinter() {
    if (painter_.isActive()) {
        painter_.end();
    }
    RemovePartialFile(); // a document never ended leaves nothing behind
}

void QtPrinter::RemovePartialFile() {
    if (!partialPath_.isEmpty()) {
        QFile::remove(partialPath_);
        partialPath_.clear();
    }
}

void QtPrinter::SetFont(const std::string& name, double pointSize) {
    font_ = FixedPitchFont(QString::fromStdString(name), pointSize);
    if (painter_.isActive()) {
        painter_.setFont(font_);
    }
}

double QtPrinter::PageHeight() const {
    return device_->pageLayout().fullRectPixels(device_->resolution()).height();
}

double QtPrinter::LineHeight() const {
    return QFontMetricsF(font_, device_.get()).lineSpacing();
}

double QtPrinter::TextHeight(std::string_view text) const {
    const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
    return LineHeight() * static_cast<double>(lines);
}

bool QtPrinter::WritesFile() const {
    return !pdfPath_.isEmpty();
}

std::string QtPrinter::Destination() const {
    return (WritesFile() ? QDir::toNativeSeparators(pdfPath_) : device_->printerName())
        .toStdString();
}

std::string QtPrinter::FailureSentence() const {
    if (WritesFile()) {
        return "The PDF file " + Destination() + " could not be written.";
    }
    return "The report could not be printed on the printer " + Destination() + ".";
}

std::optional<std::string> QtPrinter::BeginDocument() {
    if (WritesFile()) {
        QTemporaryFile partial(pdfPath_ + ".XXXXXX.part");
        partial.setAutoRemove(false);
        if (!partial.open()) {
            return FailureSentence();
        }
        partial.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                               QFileDevice::ReadGroup | QFileDevice::ReadOther);
        partialPath_ = partial.fileName();
        partial.close();
        device_->setOutputFileName(partialPath_);
    }
    if (!painter_.begin(device_.get())) {
        RemovePartialFile();
        return FailureSentence();
    }
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    y_ = 0;
    return std::nullopt;
}

std::optional<std::string> QtPrinter::BeginNextPage() {
    if (!device_->newPage()) {
        return FailureSentence();
    }
    y_ = 0;
    return std::nullopt;
}

std::optional<std::string> QtPrinter::WriteLine(std::string_view line) {
    const double lineHeight = LineHeight();
    const double printableHeight = device_->pageRect(QPrinter::DevicePixel).height();
    // A page that cannot hold what the window counted on (a printer with a wide
    // unprintable rim) goes on over the page break rather than losing lines.
    if (y_ > 0 && y_ + lineHeight > printableHeight) {
        if (auto error = BeginNextPage()) {
            return error;
        }
    }
    const QFontMetricsF metrics(font_, device_.get());
    painter_.drawText(QPointF(0, y_ + metrics.ascent()), ToQString(line));
    y_ += lineHeight;
    return std::nullopt;
}

std::optional<std::string> QtPrinter::EndDocument() {
    if (!painter_.isActive()) {
        return std::nullopt; // never began: the failure to begin was reported
    }
    if (!painter_.end()) {
        RemovePartialFile();
        return FailureSentence();
    }
    if (WritesFile()) {
        std::error_code error;
        std::filesystem::rename(FileSystemPath(partialPath_), FileSystemPath(pdfPath_), error);
        if (error) {
            RemovePartialFile();
            return FailureSentence();
        }
        partialPath_.clear();
    }
    return std::nullopt;
}

std::unique_ptr<QtPrinter> OpenSystemPrinter(const QPrinterInfo& info,
                                             const std::string& documentName) {
    return Prepared(std::make_unique<QPrinter>(info, QPrinter::HighResolution), documentName);
}

std::unique_ptr<QtPrinter> OpenPdfPrinter(const std::string& pdfPath,
                                          const std::string& documentName) {
    auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device->setOutputFormat(QPrinter::PdfFormat);
    const auto path = QString::fromStdString(pdfPath);
    device->setOutputFileName(path);
    return Prepared(std::move(device), documentName, path);
}

} // namespace vorla::ui

// The Printer of the running programs: a QPrinter driven by a QPainter, for the
// system's printer or for a PDF file. Lines are drawn from the top of the page's
// printable area one line height apart, in the font set with SetFont; the PDF
// has the page size and resolution a paper printer would have, so its pages
// break exactly where paper would. A PDF is written beside its final name and
// renamed over it only when complete, so a failed print never spoils an older file.
#pragma once

#include "common/ui/printer.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>
#include <string>

class QPrinterInfo;

namespace vorla::ui {

class QtPrinter final : public Printer {
  public:
    // `pdfPath` empty: the device prints on paper.
    explicit QtPrinter(std::unique_ptr<QPrinter> device, QString pdfPath = {});
    ~QtPrinter() override;

    void SetFont(const std::string& name, double pointSize) override;
    double PageHeight() const override;
    double TextHeight(std::string_view text) const override;
    bool WritesFile() const override;
    std::string Destination() const override;

    const QFont& CurrentFont() const { return font_; }
    bool IsValid() const { return device_->isValid(); }

  protected:
    std::optional<std::string> BeginDocument() override;
    std::optional<std::string> BeginNextPage() override;
    std::optional<std::string> WriteLine(std::string_view line) override;
    std::optional<std::string> EndDocument() override;

  private:
    std::string FailureSentence() const;
    double LineHeight() const;
    void RemovePartialFile();

    std::unique_ptr<QPrinter> device_;
    QString pdfPath_;
    QString partialPath_; // the PDF being written, until it is renamed to pdfPath_
    QPainter painter_;
    QFont font_;
    double y_ = 0;
};

// A printer for the system's printer `info`, or for a PDF file at `pdfPath`.
std::unique_ptr<QtPrinter> OpenSystemPrinter(const QPrinterInfo& info,
                                             const std::string& documentName);
std::unique_ptr<QtPrinter> OpenPdfPrinter(const std::string& pdfPath,
                                          const std::string& documentName);

} // namespace vorla::ui

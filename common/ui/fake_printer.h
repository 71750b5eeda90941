// A Printer for tests: it measures the page and the text as configured and keeps
// every line printed, page by page, in a PrintedDocument that the test reads
// afterwards (through FakePlatform::Documents). The pages recorded are exactly
// what paper would carry, held-back page breaks included, so they can be compared
// with the pages PaginateReport makes.
#pragma once

#include "common/ui/platform_services.h"
#include "common/ui/printer.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorla::ui {

struct FakePrinterSettings {
    // 11 inches in twips, and a 12 point line: 66 lines a page, so a report that
    // leaves 26 lines for its headers and margins prints 40 lines a page.
    double PageHeight = 15840;
    double TextHeight = 240;
    bool WritesFile = false;
    std::string Destination = "Fake Printer";
    // A sentence returned when the first line is printed (the device cannot be
    // opened) or when the document ends (the device failed); empty for none.
    std::string BeginError;
    std::string EndError;
};

struct PrintedDocument {
    PrintRequest Request;
    std::string FontName; // the last font set
    double FontSize = 0;
    std::vector<PrintedPage> Pages;
    bool Ended = false; // EndDoc finished a document that had lines
    std::optional<std::string> Error;
};

class FakePrinter final : public Printer {
  public:
    FakePrinter(FakePrinterSettings settings, std::shared_ptr<PrintedDocument> record);

    void SetFont(const std::string& name, double pointSize) override;
    double PageHeight() const override { return settings_.PageHeight; }
    double TextHeight(std::string_view text) const override;
    bool WritesFile() const override { return settings_.WritesFile; }
    std::string Destination() const override { return settings_.Destination; }

  protected:
    std::optional<std::string> BeginDocument() override;
    std::optional<std::string> BeginNextPage() override;
    std::optional<std::string> WriteLine(std::string_view line) override;
    std::optional<std::string> EndDocument() override;

  private:
    FakePrinterSettings settings_;
    std::shared_ptr<PrintedDocument> record_;
};

} // namespace vorla::ui

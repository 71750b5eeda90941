// A printer that takes a report line by line, as the report windows print:
//
//   printer.SetFont("Courier", 12);
//   const double linesPerPage = printer.PageHeight() / printer.TextHeight("X") - 26;
//   ... ask "Make sure the printer is ready." ...
//   for (each line) { printer.PrintLine(line); }  // NewPage() between pages
//   printer.NewPage();
//   if (const auto error = printer.EndDoc()) { ... tell the user ... }
//
// A page break is held back until the next line is printed, so a NewPage() just
// before EndDoc() (or several in a row) never produces a blank sheet. Nothing is
// sent to the device before the first line: a document with no line writes
// nothing (no empty PDF file is left behind).
#pragma once

#include "common/text/report_paging.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::ui {

class Printer {
  public:
    virtual ~Printer() = default;
    Printer() = default;
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // The font of the lines printed from now on. A name that is not installed
    // falls back to the system's fixed-pitch font of the same size.
    virtual void SetFont(const std::string& name, double pointSize) = 0;

    // The height of the whole sheet, a whole number in the printer's own units.
    virtual double PageHeight() const = 0;

    // The height of a line of `text` in the current font, in the same units; each
    // printed line moves down by this much.
    virtual double TextHeight(std::string_view text) const = 0;

    // True when the document goes to a file (a PDF) rather than paper.
    virtual bool WritesFile() const = 0;

    // Where the document goes: the printer's name or the PDF file's path.
    virtual std::string Destination() const = 0;

    void PrintLine(std::string_view line);
    void NewPage();

    // Finishes the document; a sentence for the user when any part of it could
    // not be printed or written. After a failure the remaining lines are dropped.
    std::optional<std::string> EndDoc();

  protected:
    // The device's side. Begin comes once, before the first line; each failure
    // is a sentence for the user.
    virtual std::optional<std::string> BeginDocument() = 0;
    virtual std::optional<std::string> BeginNextPage() = 0;
    virtual std::optional<std::string> WriteLine(std::string_view line) = 0;
    virtual std::optional<std::string> EndDocument() = 0;

  private:
    bool started_ = false;
    bool pageBreakPending_ = false;
    bool ended_ = false;
    std::optional<std::string> error_;
};

// Prints pages such as PaginateReport makes: the lines of each page, a new page
// between two pages and after the last, then ends the document.
std::optional<std::string> PrintPages(Printer& printer, const std::vector<PrintedPage>& pages);

} // namespace vorla::ui

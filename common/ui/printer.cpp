#include "common/ui/printer.h"

namespace vorla::ui {

void Printer::PrintLine(std::string_view line) {
    if (error_ || ended_) {
        return;
    }
    if (!started_) {
        started_ = true;
        pageBreakPending_ = false; // a first page is never preceded by a blank one
        error_ = BeginDocument();
    } else if (pageBreakPending_) {
        pageBreakPending_ = false;
        error_ = BeginNextPage();
    }
    if (!error_) {
        error_ = WriteLine(line);
    }
}

void Printer::NewPage() {
    if (started_) {
        pageBreakPending_ = true;
    }
}

std::optional<std::string> Printer::EndDoc() {
    if (ended_) {
        return error_;
    }
    ended_ = true;
    if (started_) {
        // The device is closed even after a failure, so a file is not held open.
        auto endError = EndDocument();
        if (!error_) {
            error_ = std::move(endError);
        }
    }
    return error_;
}

std::optional<std::string> PrintPages(Printer& printer, const std::vector<PrintedPage>& pages) {
    for (const auto& page : pages) {
        for (const auto& line : page) {
            printer.PrintLine(line);
        }
        printer.NewPage();
    }
    return printer.EndDoc();
}

} // namespace vorla::ui

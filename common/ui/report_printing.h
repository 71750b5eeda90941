// Print, as both models' report windows do it: a printer (or a PDF where there is
// none), the font "Courier" 12, the lines a page holds, "Make sure the printer is
// ready.", the pages, and a message when anything fails.
//
//   const auto result = PrintReport(services, {
//       .Request = {"VORLA-XW: Printer Check", "VORLA-XW report", "OFFICE.pdf"},
//       .ErrorTitle = "VORLA-XW",
//       .LinesReserved = 26,
//       .Paginate = [&](double linesPerPage) {
//           return vorla::PaginateReport(lastRow, linesPerPage, rowText, pageHeader, end);
//       }});
//   cmdClose->setFocus();
#pragma once

#include "common/text/report_paging.h"
#include "common/ui/platform_services.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vorla::ui {

inline constexpr const char* kPrinterReadyQuestion = "Make sure the printer is ready.";
inline constexpr const char* kPageTooShort =
    "The page is too short to print the report on: not one row fits below the page header.";

struct ReportPrintJob {
    // Its Title heads the questions ("VORLA-XW: Printer Check").
    PrintRequest Request;
    // The title of a failure's message box (the program's name).
    std::string ErrorTitle;
    // Lines of the sheet kept for the page header and the margins: the report's
    // lines per page are the page height over the height of "X", less these.
    double LinesReserved = 0;
    // The report cut into pages for that (real) number of lines per page; nothing
    // when the page is too short.
    std::function<std::optional<std::vector<PrintedPage>>(double linesPerPage)> Paginate;
};

enum class PrintOutcome {
    Printed,
    Cancelled, // no printer chosen, or Cancel on the printer question: nothing printed
    Failed,    // the user has been shown why
};

// Runs the job. The printer question (exclamation icon, OK and Cancel) is asked
// only of a paper printer: a PDF was asked for a moment before. A failure is shown
// in a message box with the critical icon, OK, and ErrorTitle.
PrintOutcome PrintReport(PlatformServices& services, const ReportPrintJob& job);

} // namespace vorla::ui

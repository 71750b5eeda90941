// The printed smoke filling report: a 17-line header on every page, every row,
// and the end message.
#pragma once

#include "common/report_paging.h"
#include "smoke_filling/model/calculations.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::smoke {

inline constexpr std::string_view kPrinterFont = "Courier";
inline constexpr int kPrinterFontSize = 12;
inline constexpr std::string_view kPrinterCheckTitle = "SKEVA-XW: Printer Check";
inline constexpr std::string_view kPrinterCheckMessage = "Make sure the printer is ready.";

// Rows per page for a page and a text line of these heights (in the printer's
// units): the page's lines less the 17 header lines and 5 spare ones.
double LinesPerPage(double pageHeight, double textHeight);

// The header printed at the top of page `pageNumber`, built afresh from the
// inputs (so after a save it names the saved file).
std::vector<std::string> PrintPageHeader(const SmokeFillInputs& inputs, int pageNumber);

// The pages of the report, or nothing when the page is too short for a row.
std::optional<std::vector<PrintedPage>> PrintedPages(const Calculations& calc, int lastRow,
                                                     std::string_view endMessage,
                                                     double linesPerPage);

} // namespace vorla::smoke

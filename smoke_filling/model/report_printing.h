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

// The lines a printed page keeps besides its rows: the 17-line header and five
// spare ones. Rows per page = page height / height of a line of text - this.
inline constexpr double kPrintLinesReserved = 22;

// The header printed at the top of page `pageNumber`, built afresh from the
// inputs (so after a save it names the saved file).
std::vector<std::string> PrintPageHeader(const SmokeFillInputs& inputs, int pageNumber);

// The pages of the report, or nothing when the page is too short for a row.
std::optional<std::vector<PrintedPage>> PrintedPages(const Calculations& calc, int lastRow,
                                                     std::string_view endMessage,
                                                     double linesPerPage);

} // namespace vorla::smoke

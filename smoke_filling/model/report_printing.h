// The printed smoke filling report: a 17-line header on every page, every row,
// and the end message.
#pragma once

#include "common/text/report_paging.h"
#include "smoke_filling/model/run_inputs.h"
#include "smoke_filling/model/run_results.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::smoke {

inline constexpr std::string_view kPrinterCheckTitle = "SKEVA-XW: Printer Check";

// The lines a printed page keeps besides its rows: the 17-line header and five
// spare ones. Rows per page = page height / height of a line of text - this.
inline constexpr double kPrintLinesReserved = 22;

// The header printed at the top of page `pageNumber`, built afresh from the
// inputs (so after a save it names the saved file).
std::vector<std::string> PrintPageHeader(const RunInputs& inputs, int pageNumber);

// Every printed page, or nothing when a page is too short to hold one row.
std::optional<std::vector<PrintedPage>> PrintedReport(const RunInputs& inputs,
                                                      const RunResults& results,
                                                      std::string_view endMessage,
                                                      double linesPerPage);

} // namespace vorla::smoke

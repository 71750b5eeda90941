// The printed compartment report: a 21-line header on every page, then the rows.
#pragma once

#include "common/text/report_paging.h"
#include "compartment/model/run_inputs.h"
#include "compartment/model/run_results.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::compartment {

inline constexpr std::string_view kPrinterCheckTitle = "VORLA-XW: Printer Check";

// The lines a printed page keeps besides its rows: the 21-line header and five
// free ones. Rows per page = page height / height of a line of text - this.
inline constexpr double kPrintLinesReserved = 26;

// The 21 lines of a page header, built from the current inputs: line 5 shows the
// current OutputFile, so after a save it names the saved file.
std::vector<std::string> PrintPageHeader(const RunInputs& inputs, int pageNumber);

// Every printed page, or nothing when a page is too short to hold one row.
std::optional<std::vector<PrintedPage>> PrintedReport(const RunInputs& inputs,
                                                      const RunResults& results,
                                                      std::string_view endMessage,
                                                      double linesPerPage);

} // namespace vorla::compartment

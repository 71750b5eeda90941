// The text of a smoke filling report: the header built from the inputs, one
// 68-character row per result row in U.S. and S.I. units side by side, the
// thinned table the screen shows, and the results file Save writes.
#pragma once

#include "smoke_filling/model/calculations.h"

#include <array>
#include <string>
#include <string_view>

namespace vorla::smoke {

inline constexpr std::string_view kVersionLine = "SKEVA-XW VERSION 1.00 - JULY 1999";
inline constexpr int kHeaderLines = 12;
inline constexpr std::size_t kRowWidth = 68;

// The twelve header lines: title, output file, the five inputs in S.I. and U.S.
// units, the fire file, an empty line and the three column heading lines.
std::array<std::string, kHeaderLines> ReportHeaderLines(const SmokeFillInputs& inputs);

// The header lines joined by CR LF, without a line end after the last.
std::string ReportHeader(const SmokeFillInputs& inputs);

// Row i of the results. The heat release rate is read from the fire table the
// run used, at the row's time.
std::string ReportRow(const Calculations& calc, int i);

// Rows 0 to lastRow, each followed by CR LF.
std::string ReportRows(const Calculations& calc, int lastRow);

// The rows the screen shows (every RowInterval-th), each followed by CR LF.
std::string ScreenTable(const Calculations& calc, int lastRow);

// What the report window's table box shows once the run is done: the screen
// table followed directly by the end message, with no line end after it.
std::string DataColumnsText(std::string_view screenTable, std::string_view endMessage);

// The results file: the version line, the header, every row and the end
// message, each line ended by CR LF.
std::string SavedResultsText(std::string_view reportHeader, std::string_view reportRows,
                             std::string_view endMessage);

} // namespace vorla::smoke

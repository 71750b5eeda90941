// The text of a smoke filling report: its header, one 68-character row per
// result row in U.S. and S.I. units side by side, the screen table, and the
// saved file (which File Open reads back).
#pragma once

#include "smoke_filling/model/run_inputs.h"
#include "smoke_filling/model/run_results.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vorla::smoke {

inline constexpr std::string_view kVersionLine = "SKEVA-XW VERSION 1.00 - JULY 1999";
inline constexpr int kHeaderLines = 12;
inline constexpr std::size_t kRowWidth = 68;

// The twelve header lines: title, output file, the five inputs in S.I. and U.S.
// units, the fire file, an empty line and the three column heading lines.
std::array<std::string, kHeaderLines> ReportHeaderLines(const RunInputs& inputs);

// The header lines joined by CR LF, without a line end after the last.
std::string ReportHeader(const RunInputs& inputs);

// The 68-character row of result row i.
std::string ReportRow(const RunInputs& inputs, const RunResults& results, int i);

// Every row 0 to LastRow, each followed by CR LF.
std::string ReportRows(const RunInputs& inputs, const RunResults& results);

// What txtHeader shows: the version line, CR LF and the header.
std::string HeaderText(std::string_view reportHeader);

// What txtDataColumns shows after a run: the rows whose index is a multiple of
// RowInterval(LastRow), each followed by CR LF, then the end message.
std::string ScreenTableText(const RunInputs& inputs, const RunResults& results,
                            std::string_view endMessage);

// The saved file: the version line, the header, every row and the end message,
// each line ended by CR LF.
std::string SavedReportText(std::string_view reportHeader, std::string_view reportRows,
                            std::string_view endMessage);

// The saved file of a run: the above with its ReportHeader and ReportRows.
std::string SavedReportText(const RunInputs& inputs, const RunResults& results,
                            std::string_view endMessage);

} // namespace vorla::smoke

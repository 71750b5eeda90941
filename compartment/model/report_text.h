// The text of the compartment report: its header, one fixed-width row per
// result row, the screen table, and the saved file (which File Open reads back).
// Every value is shown in S.I. and U.S. units side by side.
#pragma once

#include "compartment/model/run_inputs.h"
#include "compartment/model/run_results.h"

#include <string>
#include <string_view>

namespace vorla::compartment {

inline constexpr std::string_view kVersionLine = "VORLA-XW VERSION 1.00 - JULY 1999";

// Line 3 of the report: "SIMULATION OUTPUT DATA FILE : " and the file name.
std::string OutputFileLine(std::string_view outputFile);

// Lines 4 to 13: area, the five heights, the two fractions, the run time and
// the fire file, each value in its columns (S.I. ending in column 37, U.S. from
// column 44).
std::string InputLine(const RunInputs& inputs, int line);

// Lines 15 to 17: the column titles and the rule, 68 characters each.
std::string_view ColumnTitleLine(int line);

// Lines 2 to 17 joined by CR LF, with no line end after the last.
std::string ReportHeader(const RunInputs& inputs);

// The 68-character row of result row r.
std::string ReportRow(const RunInputs& inputs, const RunResults& results, int r);

// Every row 0 to LastRow, each followed by CR LF.
std::string ReportRows(const RunInputs& inputs, const RunResults& results);

// What txtHeader shows: the version line, CR LF and the header.
std::string HeaderText(std::string_view reportHeader);

// What txtDataColumns shows after a run: the rows whose index is a multiple of
// RowInterval(LastRow), each followed by CR LF, then the end message.
std::string ScreenTableText(const RunInputs& inputs, const RunResults& results,
                            std::string_view endMessage);

// The saved file: the version line, CR LF, the header, CR LF, every row, the end
// message and CR LF.
std::string SavedReportText(std::string_view reportHeader, std::string_view reportRows,
                            std::string_view endMessage);

// The saved file of a run: the above with its ReportHeader and ReportRows.
std::string SavedReportText(const RunInputs& inputs, const RunResults& results,
                            std::string_view endMessage);

} // namespace vorla::compartment

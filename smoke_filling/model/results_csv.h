// The result rows as comma-separated values for spreadsheets: every row, S.I.
// units, full precision.
#pragma once

#include "smoke_filling/model/run_results.h"

#include <string>

namespace vorla::smoke {

// A header line, then one line per row 0 to LastRow (CR LF ends): time (s),
// layer temperature (°C), interface height (m), heat release rate (kW) and vent
// flow (kg/s) with 17 significant digits, so every value reads back exactly.
std::string ResultsCsv(const RunResults& results);

} // namespace vorla::smoke

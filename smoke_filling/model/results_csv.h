// The result rows as comma-separated values for spreadsheets: every row, S.I.
// units, full precision.
#pragma once

#include "smoke_filling/model/run_results.h"

#include <string>

namespace vorla::smoke {

// A header line of name_unit columns as VORLA-XW's (time_s,
// layer_temperature_C, interface_height_m, heat_release_rate_kW,
// vent_flow_kg_s), then one line per row 0 to LastRow (CR LF ends), each value
// the shortest text that reads back as the double, or the interface's float,
// the model holds.
std::string ResultsCsv(const RunResults& results);

} // namespace vorla::smoke

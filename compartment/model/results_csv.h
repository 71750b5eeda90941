// The result rows as comma-separated values for spreadsheets: every row, S.I.
// units, full precision.
#pragma once

#include "compartment/model/run_results.h"

#include <string>

namespace vorla::compartment {

// A header line of name_unit columns, then one line per row 0 to LastRow (CR
// LF ends): time (s), layer temperature (°C), interface height (m), heat
// release rate (kW), vent flow (kg/s), each the shortest text that reads back
// as the value the model holds (a double, or the interface's float), and the
// FR and OS flags without their padding.
std::string ResultsCsv(const RunResults& results);

} // namespace vorla::compartment

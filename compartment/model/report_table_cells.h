// The report's screen table as cells, for the report window's Copy: a title
// row naming each column and its unit, then the rows the screen shows, each
// value as the report writes it.
#pragma once

#include "common/text/table_cells.h"
#include "compartment/model/run_inputs.h"
#include "compartment/model/run_results.h"

namespace vorla::compartment {

// "Time (sec)" to "Vent (kg/s)", "FR", "OS"; then every RowInterval-th row, the
// flags without their padding (an empty cell where the report shows blanks).
TableCells ScreenTableCells(const RunInputs& inputs, const RunResults& results);

} // namespace vorla::compartment

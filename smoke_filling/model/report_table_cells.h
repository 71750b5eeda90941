// The report's screen table as cells, for the report window's Copy: a title
// row naming each column and its unit, then the rows the screen shows, each
// value as the report writes it.
#pragma once

#include "common/text/table_cells.h"
#include "smoke_filling/model/run_inputs.h"
#include "smoke_filling/model/run_results.h"

namespace vorla::smoke {

// "Time (sec)" to "Vent (kg/s)", then every RowInterval-th row.
TableCells ScreenTableCells(const RunInputs& inputs, const RunResults& results);

} // namespace vorla::smoke

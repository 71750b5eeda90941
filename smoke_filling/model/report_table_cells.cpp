#include "smoke_filling/model/report_table_cells.h"

#include "common/text/report_paging.h"
#include "smoke_filling/model/report_text.h"

namespace vorla::smoke {

TableCells ScreenTableCells(const RunInputs& inputs, const RunResults& results) {
    TableCells cells{{"Time (sec)", "Temp (deg F)", "Temp (deg C)", "Layer (ft)", "Layer (m)",
                      "Fire (Btu/s)", "Fire (kW)", "Vent (lb/s)", "Vent (kg/s)"}};
    const int interval = RowInterval(results.LastRow);
    for (int i = 0; i <= results.LastRow; i += interval) {
        cells.push_back(BlankSeparatedWords(ReportRow(inputs, results, i)));
    }
    return cells;
}

} // namespace vorla::smoke

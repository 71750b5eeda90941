#include "compartment/model/report_table_cells.h"

#include "common/text/report_paging.h"
#include "compartment/model/report_text.h"

namespace vorla::compartment {

TableCells ScreenTableCells(const RunInputs& inputs, const RunResults& results) {
    TableCells cells{{"Time (sec)", "Temp (deg F)", "Temp (deg C)", "Layer (ft)", "Layer (m)",
                      "Fire (Btu/s)", "Fire (kW)", "Vent (lb/s)", "Vent (kg/s)", "FR", "OS"}};
    const int interval = RowInterval(results.LastRow);
    for (int r = 0; r <= results.LastRow; r += interval) {
        // The two flags end the row, three characters each, and may be blank.
        const std::string row = ReportRow(inputs, results, r);
        const std::size_t flags = results.FRFlag[r].size() + results.OSFlag[r].size();
        auto line = BlankSeparatedWords(std::string_view(row).substr(0, row.size() - flags));
        for (const std::string_view flag : {results.FRFlag[r], results.OSFlag[r]}) {
            const auto words = BlankSeparatedWords(flag);
            line.push_back(words.empty() ? std::string() : words.front());
        }
        cells.push_back(std::move(line));
    }
    return cells;
}

} // namespace vorla::compartment

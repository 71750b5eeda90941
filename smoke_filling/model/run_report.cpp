#include "smoke_filling/model/run_report.h"

#include "smoke_filling/model/report_printing.h"
#include "smoke_filling/model/report_table_cells.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/results_csv.h"
#include "smoke_filling/model/run_key_results.h"
#include "zone_models/run_report.h"

namespace vorla::smoke {

RunReport BuildRunReport(const RunInputs& inputs, const RunResults& results,
                         std::string_view endMessage) {
    return zone_models::BuildRunReport(inputs, results, endMessage);
}

RunReport BuildWindowReport(const Calculations& calc, const CompletedRun& run) {
    return zone_models::BuildWindowReport(calc, run);
}

} // namespace vorla::smoke

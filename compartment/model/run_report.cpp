#include "compartment/model/run_report.h"

#include "compartment/model/report_printing.h"
#include "compartment/model/report_table_cells.h"
#include "compartment/model/report_text.h"
#include "compartment/model/results_csv.h"
#include "compartment/model/run_key_results.h"
#include "zone_models/run_report.h"

namespace vorla::compartment {

RunReport BuildRunReport(const RunInputs& inputs, const RunResults& results,
                         std::string_view endMessage) {
    return zone_models::BuildRunReport(inputs, results, endMessage);
}

RunReport BuildWindowReport(const Calculations& calc, const CompletedRun& run) {
    return zone_models::BuildWindowReport(calc, run);
}

} // namespace vorla::compartment

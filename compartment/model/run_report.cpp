#include "compartment/model/run_report.h"

#include "common/saved_report_names.h"
#include "compartment/model/report_printing.h"
#include "compartment/model/report_table_cells.h"
#include "compartment/model/report_text.h"
#include "compartment/model/results_csv.h"
#include "compartment/model/run_key_results.h"
#include "zone_models/design_report.h"
#include "zone_models/run_report.h"

namespace vorla::compartment {

RunReport BuildRunReport(const RunInputs& inputs, const RunResults& results,
                         std::string_view endMessage) {
    return zone_models::BuildRunReport(inputs, results, endMessage);
}

RunReport BuildWindowReport(const Calculations& calc, const CompletedRun& run) {
    RunReport report = zone_models::BuildWindowReport(calc, run);
    // The window cannot tell whether its heat loss fraction came from the estimator.
    report.DesignReportFor = [&calc](const KeyResults& keys, std::string saved) {
        return DesignReportRunOf(calc, keys, false, std::move(saved));
    };
    report.SavedReportTextAs =
        [inputs = calc.Inputs, fireFileRead = calc.FireFileRead, &results = calc.Results,
         endMessage = std::string(run.EndMessage)](const std::string& savedAs) {
            RunInputs named = inputs;
            named.OutputFile = SavedUnderName(inputs.OutputFile, savedAs);
            named.FireFile = FireFileNameFor(inputs.FireFile, fireFileRead, savedAs);
            return SavedReportText(named, results, endMessage);
        };
    return report;
}

DesignReportRun DesignReportRunOf(const Calculations& calc, const KeyResults& keys,
                                  bool estimatedLossFraction, std::string savedReportText) {
    return zone_models::DesignReportRunOf(calc, keys,
                                          {ModelKind::Compartment, calc.Inputs.FirePlace,
                                           calc.Inputs.Plume, estimatedLossFraction,
                                           calc.Inputs.LossFraction},
                                          std::move(savedReportText));
}

} // namespace vorla::compartment

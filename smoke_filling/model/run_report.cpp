#include "smoke_filling/model/run_report.h"

#include "zone_models/saved_report_names.h"
#include "smoke_filling/model/report_printing.h"
#include "smoke_filling/model/report_table_cells.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/results_csv.h"
#include "smoke_filling/model/run_key_results.h"
#include "zone_models/design_report.h"
#include "zone_models/run_report.h"

#include <memory>

namespace vorla::smoke {

RunReport BuildRunReport(const RunInputs& inputs, const RunResults& results,
                         std::string_view endMessage) {
    return zone_models::BuildRunReport(inputs, results, endMessage);
}

RunReport BuildWindowReport(const Calculations& calc, const CompletedRun& run) {
    const auto held = std::make_shared<const Calculations>(calc);
    RunReport report = zone_models::BuildWindowReport(held, run);
    // The window cannot tell whether its heat loss fraction came from the estimator.
    report.DesignReportFor = [held](const KeyResults& keys, std::string saved) {
        return DesignReportRunOf(*held, keys, false, std::move(saved));
    };
    report.SavedReportTextAs = [held, endMessage =
                                          std::string(run.EndMessage)](const std::string& savedAs) {
        RunInputs named = held->Inputs;
        named.OutputFile = SavedUnderName(held->Inputs.OutputFile, savedAs);
        named.FireFile = FireFileNameFor(held->Inputs.FireFile, held->FireFileRead, savedAs);
        return SavedReportText(named, held->Results, endMessage);
    };
    return report;
}

DesignReportRun DesignReportRunOf(const Calculations& calc, const KeyResults& keys,
                                  bool estimatedLossFraction, std::string savedReportText) {
    return zone_models::DesignReportRunOf(calc, keys,
                                          {ModelKind::Smoke, calc.Inputs.FirePlace,
                                           calc.Inputs.Plume, estimatedLossFraction,
                                           calc.Inputs.LossFraction},
                                          std::move(savedReportText));
}

} // namespace vorla::smoke

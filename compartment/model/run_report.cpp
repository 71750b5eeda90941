#include "compartment/model/run_report.h"

#include "common/text/number_text.h"
#include "zone_models/saved_report_names.h"
#include "compartment/model/report_printing.h"
#include "compartment/model/report_table_cells.h"
#include "compartment/model/report_text.h"
#include "compartment/model/results_csv.h"
#include "compartment/model/run_key_results.h"
#include "zone_models/design_report.h"
#include "zone_models/run_report.h"

#include <algorithm>
#include <memory>

namespace vorla::compartment {

RunReport BuildRunReport(const RunInputs& inputs, const RunResults& results,
                         std::string_view endMessage) {
    return zone_models::BuildRunReport(inputs, results, endMessage);
}

RunReport BuildWindowReport(const Calculations& calc, const CompletedRun& run) {
    const auto held = std::make_shared<const Calculations>(calc);
    RunReport report = zone_models::BuildWindowReport(held, run);
    // The heat loss fraction came from the estimator when it is the number the
    // estimator last typed into its box; the inputs then say so as
    // `--loss-fraction estimate` lists them.
    report.DesignReportFor = [held](const KeyResults& keys, std::string saved) {
        const auto& estimate = held->LastEstimate;
        const bool estimated = LossFractionFromEstimator(*held);
        DesignReportRun design = DesignReportRunOf(*held, keys, estimated, std::move(saved));
        if (estimated) {
            constexpr std::string_view kCeilings[] = {"smooth", "moderately-rough", "irregular"};
            const auto ceiling =
                static_cast<std::size_t>(std::clamp(estimate->CeilingOption, 0, 2));
            design.Inputs.push_back({"loss_fraction_rule", std::string("estimate")});
            design.Inputs.push_back({"length_to_width_ratio", estimate->LengthToWidth});
            design.Inputs.push_back({"ceiling", std::string(kCeilings[ceiling])});
        }
        return design;
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

bool LossFractionFromEstimator(const Calculations& calc) {
    return LossFractionFromEstimator(calc, calc.Inputs.LossFraction);
}

bool LossFractionFromEstimator(const Calculations& calc, double lossFraction) {
    return calc.LastEstimate && NumberOfText(calc.LastEstimate->Text) == lossFraction;
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

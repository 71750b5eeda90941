#include "compartment/model/run_report.h"

#include "common/text/number_text.h"
#include "common/text/round_trip_text.h"
#include "zone_models/saved_report_names.h"
#include "compartment/model/report_printing.h"
#include "compartment/model/loss_fraction_estimator.h"
#include "compartment/model/report_table_cells.h"
#include "compartment/model/report_text.h"
#include "compartment/model/results_csv.h"
#include "compartment/model/saved_loss_fraction.h"
#include "compartment/model/run_key_results.h"
#include "zone_models/design_report.h"
#include "zone_models/run_report.h"

#include <memory>

namespace vorla::compartment {

RunReport BuildRunReport(const RunInputs& inputs, const RunResults& results,
                         std::string_view endMessage) {
    return zone_models::BuildRunReport(inputs, results, endMessage);
}

RunReport BuildWindowReport(const Calculations& calc, const CompletedRun& run) {
    return BuildWindowReport(calc, run, EstimateOfRun(calc));
}

RunReport BuildWindowReport(const Calculations& calc, const CompletedRun& run,
                            const std::optional<LossFractionEstimate>& estimate) {
    const auto held = std::make_shared<const Calculations>(calc);
    RunReport report = zone_models::BuildWindowReport(held, run);
    // A heat loss fraction from the estimator: the inputs say so as
    // `--loss-fraction estimate` lists them.
    report.DesignReportFor = [held, estimate](const KeyResults& keys, std::string saved) {
        DesignReportRun design =
            DesignReportRunOf(*held, keys, estimate.has_value(), std::move(saved));
        if (estimate) {
            design.Inputs.push_back({"loss_fraction_rule", std::string("estimate")});
            design.Inputs.push_back({"length_to_width_ratio", estimate->LengthToWidth});
            design.Inputs.push_back(
                {"ceiling", std::string(CeilingWordOfOption(estimate->CeilingOption))});
        }
        return design;
    };
    // The saved report says where its fraction came from, so that File Open
    // and Open Results give it back.
    report.SavedReportText = WithSavedLossFraction(std::move(report.SavedReportText), estimate);
    report.SavedReportTextAs = [held, estimate, endMessage = std::string(run.EndMessage)](
                                   const std::string& savedAs) {
        RunInputs named = held->Inputs;
        named.OutputFile = SavedUnderName(held->Inputs.OutputFile, savedAs);
        named.FireFile = FireFileNameFor(held->Inputs.FireFile, held->FireFileRead, savedAs);
        return WithSavedLossFraction(SavedReportText(named, held->Results, endMessage), estimate);
    };
    return report;
}

bool LossFractionFromEstimator(const Calculations& calc) {
    if (!LossFractionFromEstimator(calc, calc.Inputs.LossFraction)) {
        return false;
    }
    // An estimate holds for the room it was made for. After the floor area,
    // the height, the fire base or the radiative fraction has changed, the
    // box keeps the old number as the user's own, as the saved report's line
    // would read back (saved_loss_fraction.h).
    if (CheckEstimatorInputs(calc.Inputs)) {
        return false;
    }
    const auto again = EstimateFromEntries(RoundTripText(calc.LastEstimate->LengthToWidth),
                                           calc.LastEstimate->CeilingOption, calc.Inputs);
    return again && *again == calc.LastEstimate->Text;
}

bool LossFractionFromEstimator(const Calculations& calc, double lossFraction) {
    return calc.LastEstimate && NumberOfText(calc.LastEstimate->Text) == lossFraction;
}

std::optional<LossFractionEstimate> EstimateOfRun(const Calculations& calc) {
    if (!LossFractionFromEstimator(calc)) {
        return std::nullopt;
    }
    return calc.LastEstimate;
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

// The report of a completed run, as the report window shows, saves and prints
// it: the texts of report_text.h and the pages of report_printing.h in one value.
#pragma once

#include "zone_models/design_report_document.h"
#include "common/model_runs/run_outcome.h"
#include "zone_models/run_report_contents.h"
#include "compartment/model/calculations.h"
#include "compartment/model/run_inputs.h"
#include "compartment/model/run_results.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorla::compartment {

// The report holds a copy of the results: its printed pages read it.
RunReport BuildRunReport(const RunInputs& inputs, const RunResults& results,
                         std::string_view endMessage);

// The report of `run` as the report window shows it: BuildRunReport's, with the
// run's key results on its fire table, its CSV, the screen table's cells and the
// form's unit system. The report holds a copy of `calc`: all of these read it.
// The run's heat loss fraction came from `estimate` (nothing: typed): the
// design report then says so, and the saved texts end with its "Loss
// fraction: " line (compartment/model/saved_loss_fraction.h).
RunReport BuildWindowReport(const Calculations& calc, const CompletedRun& run,
                            const std::optional<LossFractionEstimate>& estimate);
// The same for the run the form made: its estimate is EstimateOfRun(calc).
RunReport BuildWindowReport(const Calculations& calc, const CompletedRun& run);

// Whether the run of `calc` used the heat loss fraction estimator's: its
// inputs' fraction is the number the estimator's last Estimate typed into the
// box, and that Estimate gives the same for the run's room (the validation's
// "estimate" rule, as --loss-fraction estimate gives it).
bool LossFractionFromEstimator(const Calculations& calc);
// The fraction read from the boxes now (`lossFraction`) is the number the
// last Estimate typed; the room is not checked (Explore checks its own).
bool LossFractionFromEstimator(const Calculations& calc, double lossFraction);
// The estimator's last Estimate when the run of `calc` used it, else nothing.
std::optional<LossFractionEstimate> EstimateOfRun(const Calculations& calc);

// The design report's run of the completed run in `calc` (zone_models/design_report_document.h),
// with these key results and this saved report text; `estimatedLossFraction`
// says that the heat loss fraction came from the estimator (the validation's
// "estimate" rule), for the model uncertainty it quotes. Its time and its
// report file's name and digest are the caller's to set.
DesignReportRun DesignReportRunOf(const Calculations& calc, const KeyResults& keys,
                                  bool estimatedLossFraction, std::string savedReportText);

} // namespace vorla::compartment

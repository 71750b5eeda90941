// The report of a completed run, as the report window shows, saves and prints
// it: the texts of report_text.h and the pages of report_printing.h in one value.
#pragma once

#include "zone_models/design_report_document.h"
#include "common/model_runs/run_outcome.h"
#include "zone_models/run_report_contents.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/model/run_inputs.h"
#include "smoke_filling/model/run_results.h"

#include <string>
#include <string_view>

namespace vorla::smoke {

// The report holds a copy of the results: its printed pages read it.
RunReport BuildRunReport(const RunInputs& inputs, const RunResults& results,
                         std::string_view endMessage);

// The report of `run` as the report window shows it: BuildRunReport's, with the
// run's key results on its fire table, its CSV, the screen table's cells and the
// form's unit system. The report holds a copy of `calc`: all of these read it.
RunReport BuildWindowReport(const Calculations& calc, const CompletedRun& run);

// The design report's run of the completed run in `calc` (zone_models/design_report_document.h),
// with these key results and this saved report text; `estimatedLossFraction`
// says that the heat loss fraction came from the estimator (the validation's
// "estimate" rule), for the model uncertainty it quotes. Its time and its
// report file's name and digest are the caller's to set.
DesignReportRun DesignReportRunOf(const Calculations& calc, const KeyResults& keys,
                                  bool estimatedLossFraction, std::string savedReportText);

} // namespace vorla::smoke

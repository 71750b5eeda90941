// The report of a completed run, as the report window shows, saves and prints
// it: the texts of report_text.h and the pages of report_printing.h in one value.
#pragma once

#include "common/run_report.h"
#include "compartment/model/run_inputs.h"
#include "compartment/model/run_results.h"

#include <string_view>

namespace vorla::compartment {

// `results` must outlive the report: its printed pages read them.
RunReport BuildRunReport(const RunInputs& inputs, const RunResults& results,
                         std::string_view endMessage);

} // namespace vorla::compartment

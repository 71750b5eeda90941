// The design report's run (zone_models/design_report_document.h) of a zone model's
// completed run, built the same way for both models from the program's state:
// the inputs as --summary lists them, the fire table the run followed, every
// row as --csv writes them, and the key results and saved report the caller
// has (the window's criteria and Save text, or the batch command's). The
// model's SummaryInputs and ResultsCsv are found by their argument types.
#pragma once

#include "zone_models/design_report_document.h"

#include <string>

namespace vorla::zone_models {

template <class Calculations>
DesignReportRun DesignReportRunOf(const Calculations& calc, const KeyResults& keys,
                                  const UncertaintyRule& rule, std::string savedReportText) {
    DesignReportRun report;
    report.Program = keys.Model == ModelKind::Compartment ? "VORLA-XW" : "SKEVA-XW";
    // Where the run read its fire file (a name found next to an opened
    // report), so that its digest is of the very file; the name as typed
    // where the batch command leaves that empty.
    report.FireFile.Name = calc.FireFileRead.empty() ? calc.Inputs.FireFile : calc.FireFileRead;
    report.Inputs = SummaryInputs(calc.Inputs);
    report.Fire = calc.Fire;
    report.Keys = keys;
    report.ShownUnits = calc.Units.System;
    report.Uncertainty = rule;
    report.ResultsCsv = ResultsCsv(calc.Results);
    report.SavedReportText = std::move(savedReportText);
    return report;
}

} // namespace vorla::zone_models

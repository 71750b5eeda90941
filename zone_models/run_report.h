// The report of a completed run, as the report window shows, saves and prints
// it, built the same way for both zone models. The model's own pieces (its
// SavedReportText, ScreenTableText, PrintedReport, RunKeyResults, ...) are found by
// their argument types, so the model's run_report.cpp includes them and
// instantiates these with its types: a step added here is added to both.
#pragma once

#include "common/run_outcome.h"
#include "common/run_report.h"

#include <string>
#include <string_view>

namespace vorla::zone_models {

// `results` must outlive the report: its printed pages read them.
template <class RunInputs, class RunResults>
RunReport BuildRunReport(const RunInputs& inputs, const RunResults& results,
                         std::string_view endMessage) {
    RunReport report;
    report.ScreenTableText = ScreenTableText(inputs, results, endMessage);
    report.SavedReportText = SavedReportText(inputs, results, endMessage);
    report.OutputFile = inputs.OutputFile;
    report.FireFile = inputs.FireFile;
    report.PrintedPages = [inputs, &results, endMessage = std::string(endMessage)](
                              double linesPerPage, std::string_view outputFile) {
        RunInputs named = inputs;
        named.OutputFile = std::string(outputFile);
        return PrintedReport(named, results, endMessage, linesPerPage);
    };
    return report;
}

// BuildRunReport's report of `run` with what the window offers beside it: the
// key results on the run's fire table, the CSV, the screen table's cells and
// the form's unit system and the room's ceiling (the highest criterion height
// that means anything). `calc` must outlive the report: all of these read it.
template <class Calculations>
RunReport BuildWindowReport(const Calculations& calc, const CompletedRun& run) {
    RunReport report = zone_models::BuildRunReport(calc.Inputs, calc.Results, run.EndMessage);
    report.KeyResultsFor = [&calc, run](const KeyCriteria& criteria) {
        return RunKeyResults(calc.Inputs, calc.Results, run, calc.Fire, criteria);
    };
    report.ResultsCsv = [&calc] { return ResultsCsv(calc.Results); };
    report.ScreenTableCells = [&calc] { return ScreenTableCells(calc.Inputs, calc.Results); };
    report.ShownUnits = calc.Units.System;
    report.CeilingHeightM = calc.Inputs.RoomHeight;
    return report;
}

} // namespace vorla::zone_models

// The report of a completed run, as the report window shows, saves and prints
// it, built the same way for both zone models. The model's own pieces (its
// SavedReportText, ScreenTableText, PrintedReport, RunKeyResults, ...) are found by
// their argument types, so the model's run_report.cpp includes them and
// instantiates these with its types: a step added here is added to both.
#pragma once

#include "common/model_runs/run_outcome.h"
#include "zone_models/run_report_contents.h"

#include <memory>
#include <string>
#include <string_view>

namespace vorla::zone_models {

// The report owns what it reads: a copy of the results (some hundred
// kilobytes) shared by its printed pages, so a report window still shows,
// prints and saves its own run after the form has run again.
template <class RunInputs, class RunResults>
RunReport BuildRunReport(const RunInputs& inputs, std::shared_ptr<const RunResults> results,
                         std::string_view endMessage) {
    RunReport report;
    report.ScreenTableText = ScreenTableText(inputs, *results, endMessage);
    report.SavedReportText = SavedReportText(inputs, *results, endMessage);
    report.OutputFile = inputs.OutputFile;
    report.FireFile = inputs.FireFile;
    report.PrintedPages = [inputs, results = std::move(results),
                           endMessage = std::string(endMessage)](double linesPerPage,
                                                                 std::string_view outputFile) {
        RunInputs named = inputs;
        named.OutputFile = std::string(outputFile);
        return PrintedReport(named, *results, endMessage, linesPerPage);
    };
    return report;
}

template <class RunInputs, class RunResults>
RunReport BuildRunReport(const RunInputs& inputs, const RunResults& results,
                         std::string_view endMessage) {
    return BuildRunReport(inputs, std::make_shared<const RunResults>(results), endMessage);
}

// BuildRunReport's report of `run` with what the window offers beside it: the
// key results on the run's fire table, the CSV, the screen table's cells and
// the form's unit system and the room's ceiling (the highest criterion height
// that means anything). The report reads its own copy of `calc` (`held`),
// which the model's BuildWindowReport also gives its own closures.
template <class Calculations>
RunReport BuildWindowReport(const std::shared_ptr<const Calculations>& held,
                            const CompletedRun& run) {
    const std::shared_ptr<const decltype(held->Results)> results(held, &held->Results);
    RunReport report = zone_models::BuildRunReport(held->Inputs, results, run.EndMessage);
    report.KeyResultsFor = [held, run](const KeyCriteria& criteria) {
        return RunKeyResults(held->Inputs, held->Results, run, held->Fire, criteria);
    };
    report.ResultsCsv = [held] { return ResultsCsv(held->Results); };
    report.ScreenTableCells = [held] { return ScreenTableCells(held->Inputs, held->Results); };
    report.ShownUnits = held->Units.System;
    report.CeilingHeightM = held->Inputs.RoomHeight;
    return report;
}

} // namespace vorla::zone_models

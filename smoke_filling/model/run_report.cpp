#include "smoke_filling/model/run_report.h"

#include "smoke_filling/model/report_printing.h"
#include "smoke_filling/model/report_table_cells.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/results_csv.h"
#include "smoke_filling/model/run_key_results.h"

#include <string>

namespace vorla::smoke {

RunReport BuildRunReport(const RunInputs& inputs, const RunResults& results,
                         std::string_view endMessage) {
    const std::string header = ReportHeader(inputs);
    RunReport report;
    report.ScreenTableText = ScreenTableText(inputs, results, endMessage);
    report.SavedReportText = SavedReportText(header, ReportRows(inputs, results), endMessage);
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

RunReport BuildWindowReport(const Calculations& calc, const CompletedRun& run) {
    RunReport report = BuildRunReport(calc.Inputs, calc.Results, run.EndMessage);
    report.KeyResultsFor = [&calc, run](const KeyCriteria& criteria) {
        return RunKeyResults(calc.Results, run, calc.Fire, criteria);
    };
    report.ResultsCsv = [&calc] { return ResultsCsv(calc.Results); };
    report.ScreenTableCells = [&calc] { return ScreenTableCells(calc.Inputs, calc.Results); };
    report.ShownUnits = calc.Units.System;
    report.CeilingHeightM = calc.Inputs.RoomHeight;
    return report;
}

} // namespace vorla::smoke

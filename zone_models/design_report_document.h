// The design report of one zone-model run, the document an engineer hands in:
// a title block (run title, program and suite version, when it ran, the report
// and fire files with the SHA-256 of each), the inputs in both unit systems,
// the fire curve, the key results with their criteria, the graphs of the four
// quantities, the validity limits the run left and the model's measured
// uncertainty, and the whole saved report as an appendix. Built from the same
// texts the report window shows (KeyResultLines, the saved report, the
// --csv rows), so VORLA-XW's and SKEVA-XW's Export Design Report… and
// `vorla ... --design-report` give the same document for the same run.
#pragma once

#include "common/plot/design_document.h"
#include "common/fire_files/fire_table.h"
#include "common/key_results/key_results.h"
#include "common/key_results/key_results_files.h"
#include "common/key_results/model_uncertainty.h"
#include "common/text/unit_system.h"

#include <optional>
#include <string>
#include <vector>

namespace vorla {

// A file the report names: its name as the run names it and, when it could
// be read, the SHA-256 of its bytes.
struct NamedFile {
    std::string Name;
    std::optional<std::string> Sha256;
};

// A run the graph window compares with the one reported (Compare With…): the
// legend's names of both, and the compared run's rows, each of its four
// quantities in the form's units (heat release in kW), in the order
// QuantityPlots draws them: layer temperature, interface height, heat release
// rate, vent flow. A quantity it lacks is left empty.
struct ComparedRunCurves {
    std::string CurrentName; // the run reported, as the legend names it
    std::string Name;        // the compared run
    std::vector<double> Minutes;
    std::vector<std::vector<double>> Values;
};

struct DesignReportRun {
    std::string Program;  // "VORLA-XW"
    std::string RunTime;  // "2026-12-08 21:04:05 UTC"
    NamedFile ReportFile; // the saved report; no digest while it is not saved
    NamedFile FireFile;
    // The inputs as the run used them, in S.I. units (the models' SummaryInputs).
    std::vector<RunInput> Inputs;
    FireTable Fire;
    KeyResults Keys;
    UnitSystem ShownUnits = UnitSystem::SI;
    UncertaintyRule Uncertainty;
    std::string ResultsCsv;      // every row, as the models' ResultsCsv writes them
    std::string SavedReportText; // the report as Save writes it
    // The run the report window's graph compares with, drawn in the graphs.
    std::optional<ComparedRunCurves> Compared = {};
};

DesignDocument DesignReportDocument(const DesignReportRun& run);

// The line of an input in both systems, the form's first: "Floor area
// 25 m²  (269.1 ft²)", or in US units "Floor area  269.1 ft²  (25 m²)".
std::string InputLine(const RunInput& input, UnitSystem shown = UnitSystem::SI);

// The four quantities of a results CSV (time_s first, then the layer
// temperature, the interface height, the heat release rate and the vent flow,
// in S.I. units) as the graph windows plot them, light, against minutes, in
// the form's units (heat release always in kW); the compared run's curves,
// when there is one, drawn after the run's with a legend naming both.
std::vector<plot::Plot> QuantityPlots(const std::string& resultsCsv,
                                      UnitSystem shown = UnitSystem::SI,
                                      const std::optional<ComparedRunCurves>& compared = {});

// The current time in UTC as the title block gives it.
std::string RunTimeNow();

// The title block's time of a run read from a saved report (Open Results…):
// the report holds no date of its run, so its file's modification time in
// UTC, said to be that; nothing when the file cannot be read.
std::optional<std::string> FileModifiedTime(const std::string& path);

} // namespace vorla

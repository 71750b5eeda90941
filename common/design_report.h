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

#include "common/design_document.h"
#include "common/fire_table.h"
#include "common/key_results.h"
#include "common/key_results_files.h"
#include "common/model_uncertainty.h"
#include "common/unit_system.h"

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
};

DesignDocument DesignReportDocument(const DesignReportRun& run);

// The line of an input in both systems: "Floor area            25 m²  (269.1 ft²)".
std::string InputLine(const RunInput& input);

// The four quantities of a results CSV (time_s first, then the layer
// temperature, the interface height, the heat release rate and the vent flow)
// as the graph windows plot them, light, against minutes.
std::vector<plot::Plot> QuantityPlots(const std::string& resultsCsv);

// The current time in UTC as the title block gives it.
std::string RunTimeNow();

} // namespace vorla

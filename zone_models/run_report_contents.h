// A completed run's report as a report window shows, saves and prints it. Each
// model builds it from the run's inputs and results (BuildRunReport in the
// model's run_report.h), so the window holds only its own texts and buttons.
#pragma once

#include "zone_models/design_report_document.h"
#include "common/key_results/key_criteria.h"
#include "common/key_results/key_results.h"
#include "common/text/report_paging.h"
#include "common/text/table_cells.h"
#include "common/text/unit_system.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla {

struct RunReport {
    // The rows the screen shows (every RowInterval-th) and the end message.
    std::string ScreenTableText;
    // The whole saved file.
    std::string SavedReportText;
    // The saved file as written at a path: its header names that path and its
    // fire file as found from that path's folder (zone_models/saved_report_names.h).
    // Where not set, Save writes SavedReportText.
    std::function<std::string(const std::string& savedAs)> SavedReportTextAs = {};
    // The output file the inputs name: Save offers it, page headers print it.
    std::string OutputFile;
    // The fire file the run read: Save never writes over it.
    std::string FireFile = {};
    // The printed pages for that many lines a page, their headers naming
    // `outputFile`; nothing when a page is too short to hold a row. It reads
    // the report's own copy of the run's results, so it may be called at any
    // time, after the form has run again too.
    std::function<std::optional<std::vector<PrintedPage>>(double linesPerPage,
                                                          std::string_view outputFile)>
        PrintedPages;

    // What the window offers beside the report, read from the same copy of
    // the results: the key results for the criteria asked, every row as
    // `vorla ... --csv` writes them, and the screen table as cells. Empty where
    // a report was built without them.
    std::function<KeyResults(const KeyCriteria&)> KeyResultsFor;
    std::function<std::string()> ResultsCsv;
    std::function<TableCells()> ScreenTableCells;
    // The unit system of the form that started the run: the key results show
    // it first.
    UnitSystem ShownUnits = UnitSystem::SI;
    // The run's room height in m: the Criteria dialog refuses heights above
    // its ceiling. Nothing where a report was built without it.
    std::optional<double> CeilingHeightM = {};
    // The design report's run (Export Design Report…) with these key results
    // and the report as the window saves it; the caller sets the time and the
    // report file. Empty where a report was built without it.
    std::function<DesignReportRun(const KeyResults&, std::string savedReportText)> DesignReportFor =
        {};
};

} // namespace vorla

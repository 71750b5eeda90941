// A second run for a model's graph to compare with, read from a saved report
// of the same program: the program's own saved-report reader decides whether
// the file is its report (the same messages as File Open), and the result rows
// under the report's header give the curves (zone_models/saved_report_rows.h).
//
//   std::variant<ui::GraphResults, FileProblem> frmGraph::ReadComparedRun(
//       const std::string& path) const {
//       return ui::ReadComparedRun<InputBoxes, UnitTables, RunInputs>(
//           path, calc_.Units.System, ReadSavedReport);
//   }
#pragma once

#include "common/files/file_problem.h"
#include "zone_models/saved_report_rows.h"
#include "common/files/text_file.h"
#include "zone_models/ui/results_graph_window.h"
#include "common/text/unit_system.h"

#include <QString>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace vorla::ui {

// The title of the Open dialog of Compare With….
inline constexpr const char* kCompareDialogTitle = "Compare With Report";
// The kind of file in the readers' sentences.
inline constexpr std::string_view kComparedFileWhat = "report file";

// The four quantities of saved rows, as GraphResultsOfRun gives those of a run,
// in `units`: each value from the report's column in that unit, so none is
// rounded twice; heat release in kW.
GraphResults GraphResultsOfSavedRows(const QString& runTitle,
                                     const std::vector<SavedReportRow>& rows, UnitSystem units);

// The saved report at `path` as a graph's results in `units`. `readSavedReport`
// is the program's File Open reader (path, boxes, units, inputs): its problem is
// returned as it is, so another program's report is kWrongFileFormat; a report
// whose result rows cannot be read is WrongFormat as well. The boxes and inputs
// it fills are thrown away: nothing of the program's state changes.
template <class InputBoxes, class UnitTables, class RunInputs, class Reader>
std::variant<GraphResults, FileProblem> ReadComparedRun(const std::string& path, UnitSystem units,
                                                        Reader readSavedReport) {
    InputBoxes boxes;
    UnitTables unitTables;
    RunInputs inputs;
    if (auto problem = readSavedReport(path, boxes, unitTables, inputs)) {
        return *problem;
    }
    const WholeFile file = ReadWholeFile(path);
    if (file.problem) { // gone or changed since the reader read it
        return FileProblem{FileProblem::Kind::CannotOpen, path, *file.problem, kComparedFileWhat};
    }
    const auto rows = ReadSavedReportRows(file.text);
    if (!rows) {
        return FileProblem{FileProblem::Kind::WrongFormat, path, {}, kComparedFileWhat};
    }
    return GraphResultsOfSavedRows(QString::fromStdString(boxes.txtRunTitle), *rows, units);
}

// The legend's names of the current run and the compared one: their titles,
// but a compared run without a title, or with the current run's, is told apart
// by its file name ("Office (office-b.vof)"); a current run without a title is
// "This run".
std::pair<QString, QString> ComparisonLegendNames(const QString& currentTitle,
                                                  const QString& comparedTitle,
                                                  const std::string& comparedPath);

} // namespace vorla::ui

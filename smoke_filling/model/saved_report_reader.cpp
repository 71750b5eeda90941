#include "smoke_filling/model/saved_report_reader.h"

#include "common/text/number_text.h"
#include "common/text/precision.h"
#include "common/text/text_columns.h"
#include "common/files/text_file.h"
#include "smoke_filling/model/input_entry.h"
#include "smoke_filling/model/report_text.h"

namespace vorla::smoke {
namespace {

constexpr std::size_t kInputBlockLines = 9;
constexpr std::string_view kWhatFile = "results file";

// Before the file is read the form goes back to S.I. units (a saved report holds
// S.I. values). Selecting "S.I. Units" converts the boxes only when it changes
// the selection.
void BeginReading(const std::string& path, InputBoxes& boxes, UnitTables& units,
                  RunInputs& inputs) {
    if (units.System != UnitSystem::SI) {
        ChangeUnits(UnitSystem::SI, inputs, units, boxes);
    }
    units = UnitTablesFor(UnitSystem::SI);
    inputs.OutputFile = path;
}

} // namespace

std::optional<FileProblem> ReadSavedReportText(std::string_view content, const std::string& path,
                                               InputBoxes& boxes, UnitTables& units,
                                               RunInputs& inputs) {
    BeginReading(path, boxes, units, inputs);
    const auto lines = SplitLines(content);
    // Only SKEVA-XW's own results: another text file (or VORLA-XW's report)
    // with enough lines would put its numbers in the wrong boxes without a word.
    if (lines.size() < kInputBlockLines || lines[0] != kVersionLine) {
        return FileProblem{FileProblem::Kind::WrongFormat, path, {}, kWhatFile};
    }
    boxes.txtRunTitle = std::string(lines[1]);
    boxes.txtOutputFile = std::string(Mid(lines[2], kReportNameColumn));
    boxes.txtFloorArea = NumberTextAt(lines[3], kReportAreaColumn, kReportAreaWidth);
    inputs.FloorArea = NumberOfText(boxes.txtFloorArea);
    boxes.txtRoomHeight = NumberTextAt(lines[4], kReportValueColumn, kReportValueWidth);
    inputs.RoomHeight = NumberOfText(boxes.txtRoomHeight);
    boxes.txtFireHeight = NumberTextAt(lines[5], kReportValueColumn, kReportValueWidth);
    inputs.FireHeight = RoundToSingle(NumberOfText(boxes.txtFireHeight));
    boxes.txtLossFraction = NumberTextAt(lines[6], kReportValueColumn, kReportValueWidth);
    boxes.txtRunTime = NumberTextAt(lines[7], kReportValueColumn, kReportValueWidth);
    boxes.txtFireFile = std::string(Mid(lines[8], kReportNameColumn));
    return std::nullopt;
}

std::optional<FileProblem> ReadSavedReport(const std::string& path, InputBoxes& boxes,
                                           UnitTables& units, RunInputs& inputs) {
    const WholeFile file = ReadWholeFile(path);
    if (!file.problem) {
        return ReadSavedReportText(file.text, path, boxes, units, inputs);
    }
    BeginReading(path, boxes, units, inputs);
    return FileProblem{FileProblem::Kind::CannotOpen, path, *file.problem, kWhatFile};
}

} // namespace vorla::smoke

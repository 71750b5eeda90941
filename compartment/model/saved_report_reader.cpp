#include "compartment/model/saved_report_reader.h"

#include "common/text/number_text.h"
#include "common/text/precision.h"
#include "common/text/text_columns.h"
#include "common/files/text_file.h"
#include "compartment/model/input_entry.h"
#include "compartment/model/report_text.h"

namespace vorla::compartment {
namespace {

constexpr std::size_t kInputBlockLines = 13;
constexpr std::string_view kWhatFile = "report file";

// Before the file is read the form goes to S.I. units (a saved report holds
// S.I. values), rewriting its boxes as a unit change does.
void BeginReading(const std::string& path, InputBoxes& boxes, UnitTables& units,
                  RunInputs& inputs) {
    ChangeUnits(UnitSystem::SI, inputs, units, boxes);
    inputs.OutputFile = path;
}

} // namespace

std::optional<FileProblem> ReadSavedReportText(std::string_view content, const std::string& path,
                                               InputBoxes& boxes, UnitTables& units,
                                               RunInputs& inputs) {
    BeginReading(path, boxes, units, inputs);
    const auto lines = SplitLines(content);
    // Only VORLA-XW's own report: another text file (or SKEVA-XW's report) with
    // enough lines would put its numbers in the wrong boxes without a word.
    if (lines.size() < kInputBlockLines || lines[0] != kVersionLine) {
        return FileProblem{FileProblem::Kind::WrongFormat, path, {}, kWhatFile};
    }

    // lines[0] is the version line.
    boxes.txtRunTitle = std::string(lines[1]);
    boxes.txtOutputFile = std::string(Mid(lines[2], kReportNameColumn));
    boxes.txtFloorArea = NumberTextAt(lines[3], kReportAreaColumn, kReportAreaWidth);
    const InputBox heights[] = {InputBox::txtRoomHeight, InputBox::txtVentWidth,
                                InputBox::txtSillHeight, InputBox::txtSoffitHeight,
                                InputBox::txtFireHeight};
    for (std::size_t k = 0; k < std::size(heights); ++k) {
        boxes.Text(heights[k]) = NumberTextAt(lines[4 + k], kReportValueColumn, kReportValueWidth);
    }
    boxes.txtRadiativeLossFraction = NumberTextAt(lines[9], kReportValueColumn, kReportValueWidth);
    boxes.txtTotalLossFraction = NumberTextAt(lines[10], kReportValueColumn, kReportValueWidth);
    boxes.txtRunTime = NumberTextAt(lines[11], kReportValueColumn, kReportValueWidth);
    boxes.txtFireFile = std::string(Mid(lines[12], kReportNameColumn));

    // In S.I. units now, so a dimension's input is its box's number.
    inputs.FloorArea = NumberOfText(boxes.txtFloorArea);
    inputs.RoomHeight = NumberOfText(boxes.txtRoomHeight);
    inputs.VentWidth = NumberOfText(boxes.txtVentWidth);
    inputs.SillHeight = NumberOfText(boxes.txtSillHeight);
    inputs.SoffitHeight = RoundToSingle(NumberOfText(boxes.txtSoffitHeight));
    inputs.FireHeight = NumberOfText(boxes.txtFireHeight);
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

} // namespace vorla::compartment

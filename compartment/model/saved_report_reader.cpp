#include "compartment/model/saved_report_reader.h"

#include "common/number_text.h"
#include "common/precision.h"
#include "common/text_columns.h"
#include "common/text_file.h"
#include "compartment/model/input_form.h"
#include "compartment/model/report_text.h"

namespace vorla::compartment {
namespace {

constexpr std::size_t kInputBlockLines = 13;
constexpr std::size_t kNameColumn = 31;
constexpr std::size_t kAreaColumn = 31;
constexpr std::size_t kAreaWidth = 7;
constexpr std::size_t kValueColumn = 33;
constexpr std::size_t kValueWidth = 5;

// The box text of a report value: the text of its number, so " 2.40" reads
// back as "2.4" and "  600" as "600".
std::string ValueText(std::string_view line, std::size_t column, std::size_t width) {
    return TextOfNumber(NumberOfText(Mid(line, column, width)));
}

} // namespace

std::string SavedReportError::Describe() const {
    if (kind == Kind::WrongFormat) {
        return std::string(kWrongFileFormat);
    }
    return "The report file " + path + " cannot be opened" +
           (detail.empty() ? "" : " (" + detail + ")") + ".";
}

std::optional<SavedReportError> ReadSavedReportText(std::string_view content,
                                                    const std::string& path, InputBoxes& boxes,
                                                    Calculations& calc) {
    ChangeUnits(UnitSystem::SI, boxes, calc);
    calc.Inputs.OutputFile = path;
    const auto lines = SplitLines(content);
    // Only VORLA-XW's own report: another text file (or SKEVA-XW's report) with
    // enough lines would put its numbers in the wrong boxes without a word.
    if (lines.size() < kInputBlockLines || lines[0] != kVersionLine) {
        return SavedReportError{SavedReportError::Kind::WrongFormat, path, {}};
    }

    boxes.txtRunTitle = std::string(lines[1]);
    boxes.txtOutputFile = std::string(Mid(lines[2], kNameColumn));
    boxes.txtFloorArea = ValueText(lines[3], kAreaColumn, kAreaWidth);
    const InputBox heights[] = {InputBox::txtRoomHeight, InputBox::txtVentWidth,
                                InputBox::txtSillHeight, InputBox::txtSoffitHeight,
                                InputBox::txtFireHeight};
    for (std::size_t k = 0; k < std::size(heights); ++k) {
        boxes.Text(heights[k]) = ValueText(lines[4 + k], kValueColumn, kValueWidth);
    }
    boxes.txtRadiativeLossFraction = ValueText(lines[9], kValueColumn, kValueWidth);
    boxes.txtTotalLossFraction = ValueText(lines[10], kValueColumn, kValueWidth);
    boxes.txtRunTime = ValueText(lines[11], kValueColumn, kValueWidth);
    boxes.txtFireFile = std::string(Mid(lines[12], kNameColumn));

    // In S.I. units now, so a dimension's input is its box's number.
    RunInputs& in = calc.Inputs;
    in.FloorArea = NumberOfText(boxes.txtFloorArea);
    in.RoomHeight = NumberOfText(boxes.txtRoomHeight);
    in.VentWidth = NumberOfText(boxes.txtVentWidth);
    in.SillHeight = NumberOfText(boxes.txtSillHeight);
    in.SoffitHeight = RoundToSingle(NumberOfText(boxes.txtSoffitHeight));
    in.FireHeight = NumberOfText(boxes.txtFireHeight);
    return std::nullopt;
}

std::optional<SavedReportError> ReadSavedReport(const std::string& path, InputBoxes& boxes,
                                                Calculations& calc) {
    const WholeFile file = ReadWholeFile(path);
    if (!file.problem) {
        return ReadSavedReportText(file.text, path, boxes, calc);
    }
    ChangeUnits(UnitSystem::SI, boxes, calc);
    calc.Inputs.OutputFile = path;
    return SavedReportError{SavedReportError::Kind::CannotOpen, path, *file.problem};
}

} // namespace vorla::compartment

#include "smoke_filling/model/results_file_reader.h"

#include "common/number_text.h"
#include "common/precision.h"
#include "common/text_columns.h"
#include "common/text_file.h"
#include "smoke_filling/model/report_text.h"

namespace vorla::smoke {
namespace {

// The header's label widths: file names from character 31, the floor area in
// characters 31 to 37, the other numbers in characters 33 to 37.
constexpr std::size_t kNameStart = 31;
constexpr std::size_t kAreaStart = 31;
constexpr std::size_t kAreaWidth = 7;
constexpr std::size_t kValueStart = 33;
constexpr std::size_t kValueWidth = 5;
constexpr std::size_t kLinesRead = 9;

std::string NumberTextAt(std::string_view line, std::size_t start, std::size_t width) {
    return TextOfNumber(NumberOfText(Mid(line, start, width)));
}

// Before the file is read the form goes back to S.I. units (a results file holds
// S.I. values). Selecting "S.I. Units" converts the boxes only when it changes
// the selection.
void BeginOpen(const std::string& path, SmokeFillFormTexts& texts, SmokeFillUnits& units,
               SmokeFillInputs& inputs) {
    if (units.System != UnitSystem::SI) {
        ChangeUnits(UnitSystem::SI, inputs, units, texts);
    }
    SetSIUnits(units);
    inputs.OutputFile = path;
}

} // namespace

std::string DescribeResultsFileError(const ResultsFileError& error) {
    if (error.kind == ResultsFileError::Kind::WrongFormat) {
        return std::string(kWrongFileFormatMessage);
    }
    return "The results file " + error.path + " cannot be opened" +
           (error.detail.empty() ? "" : " (" + error.detail + ")") + ".";
}

std::optional<ResultsFileError> OpenResultsText(std::string_view content, const std::string& path,
                                                SmokeFillFormTexts& texts, SmokeFillUnits& units,
                                                SmokeFillInputs& inputs) {
    BeginOpen(path, texts, units, inputs);
    const auto lines = SplitLines(content);
    // Only SKEVA-XW's own results: another text file (or VORLA-XW's report)
    // with enough lines would put its numbers in the wrong boxes without a word.
    if (lines.size() < kLinesRead || lines[0] != kVersionLine) {
        FileNew(texts, units, inputs);
        return ResultsFileError{ResultsFileError::Kind::WrongFormat, path, {}};
    }
    texts.txtRunTitle = std::string(lines[1]);
    texts.txtOutputFile = std::string(Mid(lines[2], kNameStart));
    texts.txtFloorArea = NumberTextAt(lines[3], kAreaStart, kAreaWidth);
    inputs.FloorArea = NumberOfText(texts.txtFloorArea);
    texts.txtRoomHeight = NumberTextAt(lines[4], kValueStart, kValueWidth);
    inputs.RoomHeight = NumberOfText(texts.txtRoomHeight);
    texts.txtFireHeight = NumberTextAt(lines[5], kValueStart, kValueWidth);
    inputs.FireHeight = RoundToSingle(NumberOfText(texts.txtFireHeight));
    texts.txtLossFraction = NumberTextAt(lines[6], kValueStart, kValueWidth);
    texts.txtRunTime = NumberTextAt(lines[7], kValueStart, kValueWidth);
    texts.txtFireFile = std::string(Mid(lines[8], kNameStart));
    return std::nullopt;
}

std::optional<ResultsFileError> OpenResultsFile(const std::string& path, SmokeFillFormTexts& texts,
                                                SmokeFillUnits& units, SmokeFillInputs& inputs) {
    auto cannotOpen = [&](std::string detail) {
        BeginOpen(path, texts, units, inputs);
        texts.txtOutputFile.clear();
        return ResultsFileError{ResultsFileError::Kind::CannotOpen, path, std::move(detail)};
    };
    WholeFile file = ReadWholeFile(path);
    if (file.problem) {
        return cannotOpen(std::move(*file.problem));
    }
    return OpenResultsText(file.text, path, texts, units, inputs);
}

} // namespace vorla::smoke

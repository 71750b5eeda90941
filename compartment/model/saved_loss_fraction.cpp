#include "compartment/model/saved_loss_fraction.h"

#include "common/text/number_text.h"
#include "common/text/round_trip_text.h"
#include "common/text/table_cells.h"
#include "common/text/text_columns.h"
#include "compartment/model/input_entry.h"
#include "compartment/model/loss_fraction_estimator.h"
#include "compartment/model/report_text.h"
#include "compartment/model/saved_report_reader.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vorla::compartment {
namespace {

constexpr std::array<std::string_view, 3> kCeilingWords = {"smooth", "moderately-rough",
                                                           "irregular"};

// The lines written after this one: the model options', then the tenability,
// the suppression rule and the devices (their owners are not linked here;
// their words are the files').
constexpr std::string_view kLinesAfterLossFraction[] = {
    "Model options: ", "Tenability: ", "Suppression: ", "Device: "};

bool IsLineAfterLossFraction(std::string_view line) {
    return std::any_of(std::begin(kLinesAfterLossFraction), std::end(kLinesAfterLossFraction),
                       [line](std::string_view prefix) { return line.starts_with(prefix); });
}

// The heat loss fraction's line of the report header (line 11).
constexpr std::size_t kLossFractionLine = 11;

} // namespace

std::string_view CeilingWordOfOption(int option) {
    return kCeilingWords[static_cast<std::size_t>(std::clamp(option, 0, 2))];
}

std::optional<int> CeilingOptionOfWord(std::string_view word) {
    const auto found = std::find(kCeilingWords.begin(), kCeilingWords.end(), word);
    if (found == kCeilingWords.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - kCeilingWords.begin());
}

std::string LossFractionRuleText(double aspectRatio, int ceilingOption) {
    return "--loss-fraction estimate --aspect-ratio " + RoundTripText(aspectRatio) + " --ceiling " +
           std::string(CeilingWordOfOption(ceilingOption));
}

std::string WithSavedLossFraction(std::string report,
                                  const std::optional<LossFractionEstimate>& estimate) {
    if (!estimate) {
        return report;
    }
    const std::string_view lineEnd = report.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    return report + std::string(kSavedLossFractionPrefix) +
           LossFractionRuleText(estimate->LengthToWidth, estimate->CeilingOption) +
           std::string(lineEnd);
}

std::variant<std::optional<SavedLossFractionRule>, std::string>
ReadSavedLossFractionRule(std::string_view report) {
    const std::vector<std::string_view> lines = SplitLines(report);
    std::size_t end = lines.size();
    while (end > 0 && IsLineAfterLossFraction(lines[end - 1])) {
        --end;
    }
    if (end == 0 || !lines[end - 1].starts_with(kSavedLossFractionPrefix)) {
        return std::optional<SavedLossFractionRule>();
    }
    SavedLossFractionRule rule;
    rule.Line = end;
    const std::string where = "Line " + std::to_string(end) + ": ";
    const std::vector<std::string> words =
        BlankSeparatedWords(lines[end - 1].substr(kSavedLossFractionPrefix.size()));
    bool estimate = false;
    for (std::size_t k = 0; k < words.size(); ++k) {
        const std::string_view name = words[k];
        if (name != "--loss-fraction" && name != "--aspect-ratio" && name != "--ceiling") {
            return where + "\"" + std::string(name) +
                   "\" is not an option of the heat loss fraction estimate.";
        }
        if (k + 1 == words.size()) {
            return where + std::string(name) + " needs its value.";
        }
        const std::string value(words[++k]);
        if (name == "--loss-fraction") {
            if (value != "estimate") {
                return where + "--loss-fraction must be estimate, not \"" + value + "\".";
            }
            estimate = true;
        } else if (name == "--aspect-ratio") {
            const auto ratio = ParseWholeNumber(value);
            if (!ratio) {
                return where + "The value of --aspect-ratio is not a number: \"" + value + "\".";
            }
            if (!AspectRatioIsValid(*ratio)) {
                return where + std::string(kAspectRatioMessage);
            }
            rule.AspectRatioText = value;
            rule.AspectRatio = *ratio;
        } else {
            const auto option = CeilingOptionOfWord(value);
            if (!option) {
                return where + "--ceiling must be smooth, moderately-rough or irregular, not \"" +
                       value + "\".";
            }
            rule.CeilingOption = *option;
        }
    }
    if (!estimate) {
        return where + "--loss-fraction estimate is missing.";
    }
    return std::optional<SavedLossFractionRule>(std::move(rule));
}

std::variant<std::optional<LossFractionEstimate>, std::string>
SavedLossFractionEstimate(std::string_view report) {
    // Only VORLA-XW's own report: another file's last lines say nothing.
    InputBoxes boxes;
    UnitTables units;
    RunInputs opened;
    if (ReadSavedReportText(report, {}, boxes, units, opened)) {
        return std::optional<LossFractionEstimate>();
    }
    auto read = ReadSavedLossFractionRule(report);
    if (auto* problem = std::get_if<std::string>(&read)) {
        return std::move(*problem);
    }
    const auto& rule = std::get<std::optional<SavedLossFractionRule>>(read);
    if (!rule) {
        return std::optional<LossFractionEstimate>();
    }
    // The room as File Open reads it, given to the estimator as its window
    // is given it: its checks first, then the estimate of the line's entries.
    RunInputs room = ReadInputBoxes(boxes, units);
    if (CheckEstimatorInputs(room)) {
        return std::optional<LossFractionEstimate>();
    }
    const auto text = EstimateFromEntries(rule->AspectRatioText, rule->CeilingOption, room);
    if (!text) {
        return std::optional<LossFractionEstimate>();
    }
    room.LossFraction = NumberOfText(*text);
    const std::vector<std::string_view> lines = SplitLines(report);
    if (lines.size() < kLossFractionLine ||
        lines[kLossFractionLine - 1] != InputLine(room, static_cast<int>(kLossFractionLine))) {
        return std::optional<LossFractionEstimate>();
    }
    return std::optional<LossFractionEstimate>(
        LossFractionEstimate{*text, rule->AspectRatio, rule->CeilingOption});
}

} // namespace vorla::compartment

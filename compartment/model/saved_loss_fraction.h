// Where a saved report's heat loss fraction came from. A run whose fraction
// is the estimator's (the estimator window's Estimate, or the batch command's
// --loss-fraction estimate) carries the estimate's inputs in one line after
// the report's last one, in the batch command's words:
//
//   Loss fraction: --loss-fraction estimate --aspect-ratio 1.25 --ceiling smooth
//
// It comes before the model options', tenability, suppression and device lines
// (zone_models/model_options.h), which read the file from its end and so
// never see it. A report whose fraction was typed gets no line, so it is what
// it always was, and a report without the line reads back as typed.
//
// The line is trusted only when it holds for the report it is in: the
// estimate its ratio and ceiling give for the report's room, printed as the
// report prints the fraction, must be the report's fraction. A file whose
// fraction or room was changed by hand then reads back as typed.
#pragma once

#include "compartment/model/calculations.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vorla::compartment {

inline constexpr std::string_view kSavedLossFractionPrefix = "Loss fraction: ";

// The batch command's --ceiling word of the estimator's roughness option (0
// "smooth", 1 "moderately-rough", 2 "irregular"), and the option of a word.
std::string_view CeilingWordOfOption(int option);
std::optional<int> CeilingOptionOfWord(std::string_view word);

// "--loss-fraction estimate --aspect-ratio 1.25 --ceiling smooth": the ratio
// its shortest round-trip text.
std::string LossFractionRuleText(double aspectRatio, int ceilingOption);

// The report's text with the line after it, in the report's own line ends;
// the text unchanged without an estimate. Called on the report before the
// model options and the rest are added.
std::string WithSavedLossFraction(std::string report,
                                  const std::optional<LossFractionEstimate>& estimate);

// The line as written, read but not yet held against the report.
struct SavedLossFractionRule {
    std::string AspectRatioText = "1"; // as the line writes it
    double AspectRatio = 1;
    int CeilingOption = 0;
    std::size_t Line = 0; // from 1
};

// The line of a saved report, found before its trailing "Model options: ",
// "Tenability: ", "Suppression: " and "Device: " lines: nothing in a report
// without one; "Line N: " and the problem for a line that cannot be read.
std::variant<std::optional<SavedLossFractionRule>, std::string>
ReadSavedLossFractionRule(std::string_view report);

// The estimate the report's fraction came from, as the estimator window would
// type it into the box for the report's room (its inputs as File Open reads
// them); nothing when the text is not a VORLA-XW report, when it has no line,
// when its room is not one the estimator takes, or when the estimate is not
// the report's fraction. The problem of a line that cannot be read, as
// ReadSavedLossFractionRule gives it.
std::variant<std::optional<LossFractionEstimate>, std::string>
SavedLossFractionEstimate(std::string_view report);

} // namespace vorla::compartment

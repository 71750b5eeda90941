// The key results options of `vorla compartment` and `vorla smoke`: where the
// summary files go (--summary, --summary-csv) and the criteria they report
// (--criteria-height, --criteria-temperature, in the units of --units).
#pragma once

#include "cli/model_inputs.h"
#include "cli/option_parser.h"
#include "common/key_results/key_criteria.h"
#include "common/key_results/key_results_files.h"
#include "common/key_results/model_uncertainty.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla::cli {

struct KeyResultsOptions {
    std::optional<std::string> JsonPath; // --summary: a file, or "-" for standard output
    std::optional<std::string> CsvPath;  // --summary-csv
    KeyCriteria Criteria;                // S.I.; the defaults when not given
    UnitSystem Units = UnitSystem::SI;   // --units, which the criteria were typed in
    bool HeightsGiven = false;           // --criteria-height, not the defaults
};

// The options, or the stop that names the option whose value is wrong (exit
// status 2). `prefix` starts the message: "vorla compartment: ".
std::variant<KeyResultsOptions, CommandStop> ReadKeyResultsOptions(const OptionTexts& options,
                                                                   std::string_view prefix);

// The stop (exit status 2) naming the first --criteria-height above the room's
// ceiling (`roomHeightM`, the run's room height), once the inputs are read.
// The default heights are the program's, not the user's, and are not judged.
std::optional<CommandStop> RefuseHeightsOutsideTheRoom(const KeyResultsOptions& request,
                                                       double roomHeightM, std::string_view prefix);

// The line a model command prints on standard error (and goes on) when criteria
// are given but no key results file is asked for: they would change nothing,
// and a user who typed them expects them to have been used.
std::optional<std::string> UnusedCriteriaNote(const OptionTexts& options,
                                              const KeyResultsOptions& request);

// --model-uncertainty: the validation statistics of the run's model variant
// and heat loss fraction rule; nothing when not asked for; or the stop (exit
// status 2) saying why the validation has none for this run. Without
// --model-uncertainty and --no-model-uncertainty, the model options' line of
// the --from report asks for it or not, as File Open reads it.
std::variant<std::optional<UncertaintyStatistics>, CommandStop>
ReadModelUncertainty(const OptionTexts& options, const UncertaintyRule& rule,
                     std::string_view prefix);

// One text a model command writes: the report, --csv, --summary, --summary-csv.
struct CommandOutput {
    std::string Option; // without dashes: "o", "csv", "summary", "summary-csv"
    std::string Path;   // empty or "-": standard output
    std::string Text;
};

// The key results files the options ask for, appended to `outputs` in the
// order they are written.
void AddKeyResultsOutputs(const KeyResultsOptions& request, const KeyResults& keys,
                          std::span<const RunInput> inputs, std::vector<CommandOutput>& outputs);

} // namespace vorla::cli

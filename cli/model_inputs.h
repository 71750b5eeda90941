// The inputs of a model run built from option values, as `vorla compartment`
// and `vorla smoke` build them and as a study builds one run after another:
// File New's inputs (or File Open's of a saved report with "from") with each
// option's value in its place, its number read once into S.I. units, then
// Run's checks decide, with the form's messages. No argv is needed: the
// options are names without their dashes.
#pragma once

#include "cli/option_parser.h"
#include "common/key_results/key_results_files.h"
#include "compartment/model/calculations.h"
#include "compartment/model/run_inputs.h"
#include "smoke_filling/model/run_inputs.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla::cli {

// Why a command stops before its run: the exact text it prints on standard
// error (ending in a line end) and its exit status.
struct CommandStop {
    int ExitStatus = 0;
    std::string Message;

    bool operator==(const CommandStop&) const = default;
};

// Numbers given as numbers, by option name without dashes, in the units of
// the "units" option: a study's sampled values. Such a number stands in place
// of its option's text.
using OptionNumbers = std::map<std::string, double, std::less<>>;

// The checked inputs of a compartment run, or what `vorla compartment` prints
// and exits with for these options.
std::variant<compartment::RunInputs, CommandStop>
CompartmentInputs(const OptionTexts& options, const OptionNumbers& numbers = {});

// The same for a smoke filling run and `vorla smoke`.
std::variant<smoke::RunInputs, CommandStop> SmokeInputs(const OptionTexts& options,
                                                        const OptionNumbers& numbers = {});

// The answer `--flashover stop|continue` gives to "Terminate simulation?".
enum class FlashoverAnswer { Stop, Continue };

// The answer of "stop" or "continue"; nothing for any other word.
std::optional<FlashoverAnswer> FlashoverAnswerOfWord(std::string_view word);

// "stop" or "continue", as the key results' inputs name the answer.
std::string_view FlashoverAnswerWord(FlashoverAnswer answer);

// `--from REPORT` whose heat loss fraction came from the estimator (its
// "Loss fraction: " line holds for it, compartment/model/saved_loss_fraction.h)
// without a --loss-fraction other than estimate: the options with the line's
// --loss-fraction estimate, --aspect-ratio and --ceiling, each where not given,
// so the run estimates the fraction again as the report's run did and uses
// the estimator's statistics. Otherwise the options as they are; a line that
// cannot be read stops the command ("vorla compartment: REPORT: Line N: ...",
// exit 1), as a damaged model options line does. A report that cannot be read
// is left to the inputs' reading to name.
std::variant<OptionTexts, CommandStop> WithSavedLossFractionRule(OptionTexts options);

// The estimate a compartment run of these options used, for its saved
// report's line: with `--loss-fraction estimate`, its aspect ratio and
// ceiling, and the fraction `lossFraction` the run used; nothing otherwise.
std::optional<compartment::LossFractionEstimate>
LossFractionEstimateOfOptions(const OptionTexts& options, double lossFraction);

// For the key results' inputs: with `--loss-fraction estimate`, how the heat
// loss fraction was found ("loss_fraction_rule": "estimate", "aspect_ratio",
// "ceiling"); nothing otherwise. The inputs CompartmentInputs accepted.
void AddLossFractionRule(const OptionTexts& options, std::vector<RunInput>& used);

} // namespace vorla::cli

// The inputs of a model run built from option texts, as `vorla compartment`
// and `vorla smoke` build them and as a study builds one run after another:
// each text is typed into its box of the model's input form (after File New, or
// after File Open of a saved report with "from"), then Run's reading and checks
// decide. No argv is needed: the options are names without their dashes.
#pragma once

#include "cli/option_parser.h"
#include "common/key_results_files.h"
#include "compartment/model/run_inputs.h"
#include "smoke_filling/model/run_inputs.h"

#include <string>
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

// The checked inputs of a compartment run, or what `vorla compartment` prints
// and exits with for these options.
std::variant<compartment::RunInputs, CommandStop> CompartmentInputs(const OptionTexts& options);

// The same for a smoke filling run and `vorla smoke`.
std::variant<smoke::RunInputs, CommandStop> SmokeInputs(const OptionTexts& options);

// For the key results' inputs: with `--loss-fraction estimate`, how the heat
// loss fraction was found ("loss_fraction_rule": "estimate", "aspect_ratio",
// "ceiling"); nothing otherwise. The inputs CompartmentInputs accepted.
void AddLossFractionRule(const OptionTexts& options, std::vector<RunInput>& used);

} // namespace vorla::cli

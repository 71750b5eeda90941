// The steps `vorla compartment` and `vorla smoke` share before and after their
// model: reading the words into options (with --help and the "Try" hint), and
// printing why a command stops.
#pragma once

#include "cli/command_files.h"
#include "cli/model_inputs.h"
#include "cli/option_parser.h"
#include "common/fire_file_reader.h"
#include "common/key_results.h"
#include "zone_models/input_table.h"

#include <cstddef>
#include <iosfwd>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla::cli {

// The options of `vorla <command> ...` by name without dashes, or the exit
// status once --help has printed `help` (or --version the version) on `out`, or
// a wrong word has been named on `err`.
std::variant<OptionTexts, int> ParseModelCommand(std::span<const std::string> args,
                                                 std::span<const OptionSpec> known,
                                                 std::string_view command, std::string_view help,
                                                 std::ostream& out, std::ostream& err);

// The options of a model command: one for each row of the model's input table
// that has one (each takes a value), then the command's own.
template <class Row, class Option, std::size_t N>
std::vector<Option> WithInputOptions(std::span<const Row> table, const Option (&own)[N]) {
    std::vector<Option> all;
    for (const Row& row : table) {
        if (!row.Option.empty()) {
            all.push_back({row.Option});
        }
    }
    all.insert(all.end(), std::begin(own), std::end(own));
    return all;
}

// The message of a fire file a run cannot use, without a line end, as the
// model's command and a study's runs.csv give it: `vorla compartment` names
// itself before the reader's message, `vorla smoke` gives that message alone
// (scripts already read both as they are).
std::string FireFileMessage(ModelKind model, const FireFileError& error);

// Prints the stop's message on `err` and returns its exit status.
int Stop(const CommandStop& stop, std::ostream& err);

// The value of an option, nothing when it was not given.
std::optional<std::string> OptionText(const OptionTexts& options, std::string_view name);

// The files the command reads and writes as its options name them. `output`
// names what it writes: "report" for `vorla compartment`, "results file" for
// `vorla smoke`; it goes to standard output unless -o names a file.
CommandFiles ModelCommandFiles(const OptionTexts& options, std::string_view output);

// Once the inputs are known: the fire file the run reads when only the saved
// report of --from names it, so that no output may replace it either.
void AddFireFileOfReport(CommandFiles& files, const OptionTexts& options,
                         const std::string& fireFile);

} // namespace vorla::cli

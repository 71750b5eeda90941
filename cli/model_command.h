// The steps `vorla compartment` and `vorla smoke` share before and after their
// model: reading the words into options (with --help and the "Try" hint), and
// printing why a command stops.
#pragma once

#include "cli/command_files.h"
#include "cli/command_output.h"
#include "cli/design_report_output.h"
#include "cli/key_results_options.h"
#include "cli/life_safety_run.h"
#include "cli/model_inputs.h"
#include "cli/option_parser.h"
#include "cli/vorla_command.h"
#include "common/fire_files/fire_file_reader.h"
#include "common/key_results/key_results.h"
#include "zone_models/model_options.h"
#include "common/model_runs/run_outcome.h"
#include "life_safety/detection/device_options.h"
#include "life_safety/detection/suppression_options.h"
#include "life_safety/tenability/tenability_texts.h"
#include "zone_models/input_table.h"

#include <cstddef>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
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

// How the two model commands word their messages differently; scripts already
// read both as they are, so each stays the model's own.
struct CommandWording {
    std::string_view Prefix; // "vorla compartment: "
    // A fire file the run cannot use: `vorla compartment` names itself before
    // the reader's message, `vorla smoke` gives that message alone.
    bool NamesItselfBeforeFireFileProblems;
    // A --csv file that cannot be written: named with the command's prefix by
    // `vorla compartment`, with "vorla: " as every other file by `vorla smoke`.
    bool NamesItselfBeforeCsvProblems;
    // A saved report that cannot be opened: its message already names the
    // file; `vorla compartment` names it before too.
    bool NamesFileBeforeOpenProblem;
};

constexpr CommandWording WordingOf(ModelKind model) {
    return model == ModelKind::Compartment ? CommandWording{"vorla compartment: ", true, true, true}
                                           : CommandWording{"vorla smoke: ", false, false, false};
}

// The message of a fire file a run cannot use, without a line end, as the
// model's command and a study's runs.csv give it (WordingOf).
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

// The steps of `vorla compartment` and `vorla smoke`, in their order: the
// options, the files, the inputs and the life-safety options, the run (again on
// the suppressed fire when a sprinkler changed it), then the report, --csv, the
// key results and the design report. `Model` is the model's traits type
// (cli/compartment_command.cpp, cli/smoke_command.cpp):
//   kModel, kCommand ("compartment"), kOutput ("report"), Options(), Help();
//   Calculations, RunInputs, Inputs(options);
//   Answers and ReadAnswers(options): what the run asks and the options answer
//     (the compartment's flashover question), read before the key results;
//   Run(calc, answers, observer), RunAgain(calc, answers, observer) on the
//     suppressed fire, Say(answers, err) once the run that stands is known;
//   AddSummaryInputs(options, answers, used): the inputs only this model lists;
//   WithSavedOptions(options): the options with what a --from report's own
//     lines add (the compartment's estimated heat loss fraction), or the stop;
//   SavedReport(options, calc, run): the text the window's Save writes.
template <class Model>
int RunModelCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    constexpr CommandWording wording = WordingOf(Model::kModel);
    constexpr std::string_view prefix = wording.Prefix;
    const auto known = WithLifeSafetyOptions(Model::Options());
    const auto parsed = ParseModelCommand(args, known, Model::kCommand, Model::Help(), out, err);
    if (const auto* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    // What a --from report's own lines add to the options (the compartment's
    // estimated heat loss fraction).
    const auto withSaved = Model::WithSavedOptions(std::get<OptionTexts>(parsed));
    if (const auto* stop = std::get_if<CommandStop>(&withSaved)) {
        return Stop(*stop, err);
    }
    const auto& options = std::get<OptionTexts>(withSaved);
    CommandFiles files = ModelCommandFiles(options, Model::kOutput);
    if (const auto refusal = RefuseCommandFiles(files, prefix)) {
        err << *refusal;
        return kExitInputRejected;
    }
    // Every output is checked before the first is written.
    const auto csvPrefix = [&](std::string_view option) -> std::string_view {
        return wording.NamesItselfBeforeCsvProblems && option == "csv" ? prefix : "vorla: ";
    };
    if (const auto unwritable = FindUnwritableOutput(files)) {
        err << csvPrefix(unwritable->Option == "--csv" ? "csv" : "") << unwritable->Sentence
            << "\n";
        return kExitFileProblem;
    }
    // The unit system is judged first, then what the run asks, then the rest.
    const auto unitsOption = UnitsOption(OptionText(options, "units"));
    if (const auto* problem = std::get_if<std::string>(&unitsOption)) {
        return Stop(CommandStop{kExitInputRejected, *problem}, err);
    }
    const UnitSystem units = std::get<UnitSystem>(unitsOption);
    auto answers = Model::ReadAnswers(options);
    if (const auto* stop = std::get_if<CommandStop>(&answers)) {
        return Stop(*stop, err);
    }
    auto& answer = std::get<typename Model::Answers>(answers);
    const auto keyOptions = ReadKeyResultsOptions(options, prefix);
    if (const auto* stop = std::get_if<CommandStop>(&keyOptions)) {
        return Stop(*stop, err);
    }
    const auto tenabilityOptions = ReadTenabilityOptions(options, prefix);
    if (const auto* stop = std::get_if<CommandStop>(&tenabilityOptions)) {
        return Stop(*stop, err);
    }
    const auto detectionOptions = ReadDetectionOptions(options, prefix);
    if (const auto* stop = std::get_if<CommandStop>(&detectionOptions)) {
        return Stop(*stop, err);
    }
    const auto timeAxis = ReadTimeAxisOption(OptionText(options, "time-axis"), prefix);
    if (const auto* refusal = std::get_if<std::string>(&timeAxis)) {
        err << *refusal;
        return kExitInputRejected;
    }
    const auto& request = std::get<KeyResultsOptions>(keyOptions);
    if (const auto note = UnusedCriteriaNote(options, request)) {
        err << prefix << *note;
    }
    auto inputs = Model::Inputs(options);
    if (const auto* stop = std::get_if<CommandStop>(&inputs)) {
        return Stop(*stop, err);
    }
    using RunInputs = typename Model::RunInputs;
    const RunInputs& read = std::get<RunInputs>(inputs);
    if (const auto stop = RefuseHeightsOutsideTheRoom(request, read.RoomHeight, prefix)) {
        return Stop(*stop, err);
    }
    const bool estimated = OptionText(options, "loss-fraction") == "estimate";
    const auto uncertainty = ReadModelUncertainty(
        options, {Model::kModel, read.FirePlace, read.Plume, estimated, read.LossFraction}, prefix);
    if (const auto* stop = std::get_if<CommandStop>(&uncertainty)) {
        return Stop(*stop, err);
    }
    AddFireFileOfReport(files, options, read.FireFile);
    if (const auto refusal = RefuseCommandFiles(files, prefix)) {
        err << *refusal;
        return kExitInputRejected;
    }

    // The state is as large as the desktop program's, so it lives on the heap.
    auto calc = std::make_unique<typename Model::Calculations>();
    calc->Inputs = std::get<RunInputs>(std::move(inputs));
    // Without a heat of combustion the fire file's is used, where it has one.
    auto tenability = std::get<TenabilityOptions>(tenabilityOptions);
    if (const auto note = TakeFireFileHeat(tenability, calc->Inputs.FireFile, calc->OpenedReport)) {
        err << prefix << *note << "\n";
    }
    const auto& detection = std::get<DetectionOptions>(detectionOptions);
    auto prepared = LifeSafetyRun::Prepare(
        tenability, detection,
        {calc->Inputs.FloorArea, calc->Inputs.RoomHeight, calc->Inputs.FireHeight,
         calc->Inputs.FirePlace},
        prefix);
    if (const auto* stop = std::get_if<CommandStop>(&prepared)) {
        return Stop(*stop, err);
    }
    LifeSafetyRun& lifeSafety = *std::get<std::unique_ptr<LifeSafetyRun>>(prepared);
    RunOutcome outcome = Model::Run(*calc, answer, lifeSafety.Observer());
    if (const auto* problem = std::get_if<FireFileError>(&outcome)) {
        err << FireFileMessage(Model::kModel, *problem) << "\n";
        return kExitFileProblem;
    }
    // A fire its first sprinkler suppresses is run again on the suppressed fire.
    if (auto suppressed = lifeSafety.SuppressedFire(calc->Fire)) {
        calc->Fire = *suppressed;
        outcome = Model::RunAgain(*calc, answer, lifeSafety.Observer());
    }
    Model::Say(answer, err);
    const auto& run = std::get<CompletedRun>(outcome);

    // Every file of the run, in the order they are written.
    const bool showsUncertainty =
        std::get<std::optional<UncertaintyStatistics>>(uncertainty).has_value();
    std::vector<CommandOutput> outputs;
    outputs.push_back({"o", OptionText(options, "o").value_or(""),
                       // The model options, the tenability, the rule and the devices after
                       // the report, as the windows' Save adds them.
                       detection::WithSavedDetection(
                           tenability::WithSavedTenability(
                               WithSavedModelOptions(
                                   Model::SavedReport(options, *calc, run),
                                   {calc->Inputs.FirePlace, calc->Inputs.Plume,
                                    showsUncertainty}),
                               SavedTenabilityOf(tenability)),
                           detection.Devices, detection.Suppression)});
    if (const auto csvPath = OptionText(options, "csv")) {
        outputs.push_back({"csv", *csvPath, lifeSafety.ResultsCsv(ResultsCsv(calc->Results))});
    }
    const auto designReport = OptionText(options, "design-report");
    KeyResults keys;
    std::vector<RunInput> used;
    if (request.JsonPath || request.CsvPath || designReport) {
        keys = RunKeyResults(calc->Inputs, calc->Results, run, calc->Fire, request.Criteria);
        if (const auto& statistics = std::get<std::optional<UncertaintyStatistics>>(uncertainty)) {
            keys.ModelUncertainty =
                ModelUncertaintyKeys(keys, *statistics, calc->Inputs.RoomHeight);
        }
        used = SummaryInputs(calc->Inputs);
        Model::AddSummaryInputs(options, answer, used);
        lifeSafety.AddKeyResults(keys, used);
        if (request.JsonPath || request.CsvPath) {
            AddKeyResultsOutputs(request, keys, used, outputs);
        }
    }
    for (const auto& output : outputs) {
        if (const int status =
                WriteCommandOutput(output.Path, output.Text, out, err, csvPrefix(output.Option));
            status != kExitSuccess) {
            return status;
        }
    }
    if (designReport) {
        // The report the first output wrote, and the inputs as --summary lists them.
        auto design = DesignReportRunOf(*calc, keys, estimated, outputs.front().Text);
        design.Inputs = std::move(used);
        design.ShownUnits = units;
        SetCommandRunFiles(design, outputs.front().Path, outputs.front().Text);
        return WriteDesignReport(*designReport, design, std::get<plot::TimeAxisUnit>(timeAxis),
                                 err);
    }
    return kExitSuccess;
}

} // namespace vorla::cli

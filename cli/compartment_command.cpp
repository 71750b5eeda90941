#include "cli/compartment_command.h"

#include "cli/command_output.h"
#include "cli/design_report_output.h"
#include "cli/key_results_options.h"
#include "cli/life_safety_run.h"
#include "cli/model_command.h"
#include "cli/model_inputs.h"
#include "cli/vorla_command.h"
#include "compartment/model/calculations.h"
#include "compartment/model/input_table.h"
#include "compartment/model/model_run.h"
#include "compartment/model/report_text.h"
#include "compartment/model/results_csv.h"
#include "compartment/model/run_key_results.h"
#include "compartment/model/run_report.h"
#include "compartment/model/saved_loss_fraction.h"
#include "life_safety/detection/device_options.h"
#include "life_safety/detection/suppression_options.h"
#include "life_safety/tenability/tenability_texts.h"

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace vorla::cli {
namespace {

using namespace vorla::compartment;

constexpr std::string_view kPrefix = WordingOf(ModelKind::Compartment).Prefix;

// The options beside the input table's (input_table.h).
constexpr OptionSpec kOptions[] = {
    {"--from"},
    {"--units"},
    {"--aspect-ratio"},
    {"--ceiling"},
    {"--fire-position"},
    {"--plume"},
    {"--flashover"},
    {"-o"},
    {"--csv"},
    {"--summary"},
    {"--summary-csv"},
    {"--design-report"},
    {"--time-axis"},
    {"--model-uncertainty", false},
    {"--no-model-uncertainty", false},
    {"--criteria-height"},
    {"--criteria-temperature"},
    {"--help", false},
    {"--version", false},
    {"-h", false},
};

constexpr std::string_view kHelpBeforeKeyResults =
    "Usage: vorla compartment [--from REPORT] [--units si|us] [--title TEXT] [--output-name "
    "NAME]\n"
    "                         [--fire FILE] [--floor-area A] [--room-height H] "
    "[--vent-width W]\n"
    "                         [--sill-height H] [--soffit-height H] [--fire-height H]\n"
    "                         [--radiative-fraction X] [--loss-fraction X|estimate]\n"
    "                         [--aspect-ratio R] [--ceiling smooth|moderately-rough|irregular]\n"
    "                         [--fire-position centre|wall|corner] [--plume zukoski|heskestad]\n"
    "                         [--run-time S]\n"
    "                         [--flashover stop|continue] [-o REPORT] [--csv FILE]\n"
    "                         [--summary FILE] [--summary-csv FILE]\n"
    "                         [--design-report FILE] [--time-axis min|s]\n"
    "                         [--criteria-height H[,H...]] [--criteria-temperature T[,T...]]\n"
    "                         [--model-uncertainty | --no-model-uncertainty]\n"
    "\n"
    "Runs the VORLA-XW two-zone compartment fire model (one wall vent) and writes\n"
    "the report the desktop program's Save writes, byte for byte.\n"
    "\n"
    "Inputs (typed as in the input form; lengths and the area in the units of --units):\n"
    "  --from REPORT            read the inputs of a saved report, as File Open does;\n"
    "                           the options below given beside it override them\n"
    "  --units si|us            units of the lengths and the area typed here:\n"
    "                           si = m and m² (default), us = ft and ft²; the values\n"
    "                           of --from are used exactly as saved, in m and m²\n";

// After the input table's options up to --loss-fraction.
constexpr std::string_view kHelpEstimateAndPlume =
    "  --loss-fraction estimate  the heat loss fraction the input form's estimator gives\n"
    "                           for the room, the fire height and the radiative fraction,\n"
    "                           as its Estimate types it into the box (four decimals);\n"
    "                           a --from report saved with it is estimated again\n"
    "  --aspect-ratio R         for the estimate: the room's length over its width,\n"
    "                           1 or more (default 1, a square room)\n"
    "  --ceiling smooth|moderately-rough|irregular  for the estimate: the ceiling's\n"
    "                           surface (default smooth)\n"
    "  --fire-position centre|wall|corner  where the fire stands: in the open (default),\n"
    "                           against a wall or in a corner, where the plume entrains\n"
    "                           less air (the mirror method of Zukoski, Kubota & Cetegen),\n"
    "                           and the devices see the ceiling jet of a fire 2 or 4 times\n"
    "                           as large\n"
    "  --plume zukoski|heskestad  the plume correlation: Zukoski's, the model's own\n"
    "                           (default), or Heskestad's as NFPA 92 writes it\n";

// After --run-time.
constexpr std::string_view kHelpRunAndOutput =
    "\n"
    "Run and output:\n"
    "  --flashover stop|continue  the answer to \"Terminate simulation?\" when the upper\n"
    "                           layer passes 600 °C: stop (default) or continue; the\n"
    "                           question goes to standard error either way\n"
    "  -o REPORT                write the report to this file (replaced atomically);\n"
    "                           without -o, or with \"-o -\", the report goes to\n"
    "                           standard output\n"
    "  --csv FILE               also write every result row as comma-separated values:\n"
    "                           time s, layer temperature °C, interface height m,\n"
    "                           heat release rate kW, vent flow kg/s, FR and OS flags;\n"
    "                           \"--csv -\" writes them to standard output, and the\n"
    "                           report then needs -o REPORT\n"
    "\n";

constexpr std::string_view kHelpFromKeyResults =
    "Key results (always in S.I. units; their names say which):\n"
    "  --summary FILE           also write the key results as JSON (- for standard\n"
    "                           output): the inputs as the run used them, the criteria,\n"
    "                           flashover time, peak layer temperature, lowest interface,\n"
    "                           the first time the interface is at or below each criterion\n"
    "                           height and the layer at or above each criterion\n"
    "                           temperature, peak heat release rate, heat released, peak\n"
    "                           vent flow, first oxygen-limited row, end time and reason\n"
    "  --summary-csv FILE       also write the same key results as CSV: one header line\n"
    "                           and one data line (a criterion's column is named after\n"
    "                           it: interface_reaches_s@1.8)\n"
    "  --design-report FILE     also write the design report as PDF, the document\n"
    "                           Export Design Report… writes: the run, its files and\n"
    "                           their SHA-256, the inputs in both unit systems, the\n"
    "                           fire, the key results and criteria, the graphs, the\n"
    "                           validity limits, the model uncertainty and every row\n"
    "  --time-axis min|s        the time axis of the design report's graphs: min\n"
    "                           (default) or s, as the windows' Preferences… choose\n"
    "  --criteria-height H[,H...]  interface heights to report, m or ft as --units\n"
    "                           (default 1.8,1.5 m)\n"
    "  --criteria-temperature T[,T...]  layer temperatures to report, °C, or °F with\n"
    "                           --units us (default 60,200,600 °C)\n"
    "  --model-uncertainty      also give the peak layer temperature rise and the\n"
    "                           deepest layer corrected for the model's bias measured\n"
    "                           against real fires, with the 95 % range of the true\n"
    "                           value ((M/δ)·exp(±2σ̃_M), docs/verification); known for\n"
    "                           --loss-fraction 0.6 and estimate; a --from report\n"
    "                           saved with it asks for it again\n"
    "  --no-model-uncertainty   not the model uncertainty a --from report asks for\n"
    "  --help                   this text\n"
    "  --version                the suite's version\n"
    "\n"
    "The key results name, one line or entry each, every validity limit the run\n"
    "leaves: flames reaching the ceiling, the plume relation used within the\n"
    "flames, the fire's Q*_H outside the range of the measured fires, the plume at\n"
    "its entrainment cap.\n"
    "\n"
    "A file option given an empty name, or an output that is the same file as an\n"
    "input or as another output, is refused before anything is written.\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 an input was\n"
    "rejected (the input form's message is printed on standard error) or a file\n"
    "option was refused.\n";

std::string Help() {
    // The input table's options, from its rows, in the form's order.
    constexpr std::size_t kColumn = 27;
    std::string help(kHelpBeforeKeyResults);
    help.append(zone::OptionHelpLines(InputTable(), "--title", "--loss-fraction", kColumn));
    help.append(kHelpEstimateAndPlume);
    help.append(zone::OptionHelpLines(InputTable(), "--run-time", "--run-time", kColumn));
    help.append(kHelpRunAndOutput);
    help.append(LifeSafetyHelp()).append("\n").append(kHelpFromKeyResults);
    return help;
}

// What `vorla compartment` adds to the steps of RunModelCommand.
struct CompartmentCommand {
    static constexpr ModelKind kModel = ModelKind::Compartment;
    static constexpr std::string_view kCommand = "compartment";
    static constexpr std::string_view kOutput = "report";
    using Calculations = compartment::Calculations;
    using RunInputs = compartment::RunInputs;

    static auto Options() { return WithInputOptions(InputTable(), kOptions); }
    static std::string Help() { return vorla::cli::Help(); }
    static std::variant<OptionTexts, CommandStop> WithSavedOptions(OptionTexts options) {
        return WithSavedLossFractionRule(std::move(options));
    }
    // With --loss-fraction estimate, the line saying so after the report.
    static std::string SavedReport(const OptionTexts& options, const Calculations& calc,
                                   const CompletedRun& run) {
        return WithSavedLossFraction(
            SavedReportText(ReportHeader(calc.Inputs), ReportRows(calc.Inputs, calc.Results),
                            run.EndMessage),
            LossFractionEstimateOfOptions(options, calc.Inputs.LossFraction));
    }
    static auto Inputs(const OptionTexts& options) { return CompartmentInputs(options); }

    // The answer to "Terminate simulation?" (--flashover), and the questions
    // the run that stands asked.
    struct Answers {
        FlashoverAnswer Flashover = FlashoverAnswer::Stop;
        std::vector<std::string> Questions;
    };
    static std::variant<Answers, CommandStop> ReadAnswers(const OptionTexts& options) {
        const std::string word = OptionText(options, "flashover").value_or("stop");
        const auto flashover = FlashoverAnswerOfWord(word);
        if (!flashover) {
            return CommandStop{kExitInputRejected, std::string(kPrefix) +
                                                       "--flashover must be stop or continue, "
                                                       "not \"" +
                                                       word + "\".\n"};
        }
        return Answers{*flashover, {}};
    }
    static Answer AnswerOf(const Answers& answers) {
        return answers.Flashover == FlashoverAnswer::Stop ? Answer::Yes : Answer::No;
    }
    static FlashoverQuestion Asking(Answers& answers) {
        return [&answers](const std::string& text, std::string_view) {
            answers.Questions.push_back(text);
            return AnswerOf(answers);
        };
    }
    static RunOutcome Run(Calculations& calc, Answers& answers, ZoneStepObserver* observer) {
        return RunCalculations(calc, Asking(answers), observer);
    }
    // A fire its first sprinkler suppresses may not reach flashover at all:
    // only the questions of the run that stands are printed.
    static RunOutcome RunAgain(Calculations& calc, Answers& answers, ZoneStepObserver* observer) {
        answers.Questions.clear();
        return RunModel(calc.Inputs, calc.Fire, Asking(answers), calc.Results, observer);
    }
    static void Say(const Answers& answers, std::ostream& err) {
        for (const std::string& question : answers.Questions) {
            err << question << " " << (AnswerOf(answers) == Answer::Yes ? "Yes" : "No") << "\n";
        }
    }
    static void AddSummaryInputs(const OptionTexts& options, const Answers& answers,
                                 std::vector<RunInput>& used) {
        AddLossFractionRule(options, used);
        used.push_back({"flashover", std::string(FlashoverAnswerWord(answers.Flashover))});
    }
};

} // namespace

int RunCompartmentCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    return RunModelCommand<CompartmentCommand>(args, out, err);
}

} // namespace vorla::cli

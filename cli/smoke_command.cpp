#include "cli/smoke_command.h"

#include "cli/command_output.h"
#include "cli/design_report_output.h"
#include "cli/key_results_options.h"
#include "cli/life_safety_run.h"
#include "cli/model_command.h"
#include "cli/model_inputs.h"
#include "cli/vorla_command.h"
#include "life_safety/detection/device_options.h"
#include "life_safety/detection/suppression_options.h"
#include "life_safety/tenability/tenability_texts.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/model/input_table.h"
#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/results_csv.h"
#include "smoke_filling/model/run_key_results.h"
#include "smoke_filling/model/run_report.h"

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace vorla::cli {
namespace {

using namespace vorla::smoke;

// The options beside the input table's (input_table.h).
constexpr OptionSpec kOptions[] = {
    {"--from"},
    {"--units"},
    {"--fire-position"},
    {"--plume"},
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

constexpr std::string_view kHelpOptions =
    "Usage: vorla smoke [--from RESULTS] [--units si|us] [--title TEXT] [--output-name "
    "NAME]\n"
    "                   [--fire FILE] [--floor-area A] [--room-height H] [--fire-height H]\n"
    "                   [--loss-fraction X] [--fire-position centre|wall|corner]\n"
    "                   [--plume zukoski|heskestad] [--run-time S] [-o RESULTS]\n"
    "                   [--csv FILE] [--summary FILE] [--summary-csv FILE]\n"
    "                   [--design-report FILE] [--time-axis min|s]\n"
    "                   [--criteria-height H[,H...]] [--criteria-temperature T[,T...]]\n"
    "                   [--model-uncertainty | --no-model-uncertainty]\n"
    "\n"
    "Smoke filling of a closed room (SKEVA-XW): the upper layer temperature and the\n"
    "descent of the layer interface under a fire read from a fire file, with the gas\n"
    "pushed out through leaks at floor level. Writes the results file SKEVA-XW's\n"
    "Save writes (*.sof), byte for byte.\n"
    "\n"
    "Options:\n"
    "  --from RESULTS       start from the inputs of a saved results file, as File Open\n"
    "                       does; the options below given beside it replace its values\n"
    "  --units si|us        unit system of the lengths and the area typed here\n"
    "                       (default si). With --from, the file's values are used\n"
    "                       exactly as saved, in m and m²\n";

// After the input table's options up to --loss-fraction.
constexpr std::string_view kHelpPlume =
    "  --fire-position centre|wall|corner  where the fire stands: in the open\n"
    "                       (default), against a wall or in a corner, where the plume\n"
    "                       entrains less air (the mirror method of Zukoski, Kubota &\n"
    "                       Cetegen), and the devices see the ceiling jet of a fire 2 or\n"
    "                       4 times as large\n"
    "  --plume zukoski|heskestad  the plume correlation: Zukoski's, the model's own\n"
    "                       (default), or Heskestad's as NFPA 92 writes it\n";

// After --run-time.
constexpr std::string_view kHelpOutput =
    "  -o RESULTS           write the results file there (atomically); without -o,\n"
    "                       or with \"-o -\", it goes to standard output\n"
    "  --csv FILE           also write every row as comma-separated values: time (s),\n"
    "                       layer temperature (°C), interface height (m), heat\n"
    "                       release rate (kW), vent flow (kg/s), in full precision;\n"
    "                       \"--csv -\" writes them to standard output, and the\n"
    "                       results file then needs -o RESULTS\n";

constexpr std::string_view kHelpFromKeyResults =
    "  --summary FILE       also write the key results as JSON (- for standard output),\n"
    "                       always in S.I. units (the names say which): the inputs as\n"
    "                       the run used them, the criteria, peak layer temperature,\n"
    "                       lowest interface, the first time the interface is at or\n"
    "                       below each criterion height and the layer at or above each\n"
    "                       criterion temperature, peak heat release rate, heat\n"
    "                       released, the time the layer reached the fire base, end\n"
    "                       time and reason\n"
    "  --summary-csv FILE   also write the same key results as CSV: one header line and\n"
    "                       one data line (a criterion's column is named after it:\n"
    "                       interface_reaches_s@1.8)\n"
    "  --design-report FILE also write the design report as PDF, the document Export\n"
    "                       Design Report… writes: the run, its files and their\n"
    "                       SHA-256, the inputs in both unit systems, the fire, the key\n"
    "                       results and criteria, the graphs, the validity limits, the\n"
    "                       model uncertainty and every row\n"
    "  --time-axis min|s    the time axis of the design report's graphs: min (default)\n"
    "                       or s, as the windows' Preferences… choose\n"
    "  --criteria-height H[,H...]\n"
    "                       interface heights to report, m or ft as --units\n"
    "                       (default 1.8,1.5 m)\n"
    "  --criteria-temperature T[,T...]\n"
    "                       layer temperatures to report, °C, or °F with --units us\n"
    "                       (default 60,200,600 °C)\n"
    "  --model-uncertainty  also give the peak layer temperature rise and the deepest\n"
    "                       layer corrected for the model's bias measured against\n"
    "                       real fires, with the 95 % range of the true value\n"
    "                       ((M/δ)·exp(±2σ̃_M), docs/verification); known for\n"
    "                       --loss-fraction 0.6; a --from report saved with it\n"
    "                       asks for it again\n"
    "  --no-model-uncertainty  not the model uncertainty a --from report asks for\n"
    "  --help               show this text\n"
    "  --version            show the suite's version\n"
    "\n";

constexpr std::string_view kHelpAfterOptions =
    "\n"
    "The key results name, one line or entry each, every validity limit the run\n"
    "leaves: flames reaching the ceiling, the plume relation used within the\n"
    "flames, the fire's Q*_H outside the range of the measured fires.\n"
    "\n"
    "A file option given an empty name, or an output that is the same file as an\n"
    "input or as another output, is refused before anything is written.\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 an input was\n"
    "rejected (the form's message is printed on standard error) or a file option\n"
    "was refused.\n";

std::string Help() {
    // The input table's options, from its rows, in the form's order.
    constexpr std::size_t kColumn = 23;
    std::string help(kHelpOptions);
    help.append(zone::OptionHelpLines(InputTable(), "--title", "--loss-fraction", kColumn));
    help.append(kHelpPlume);
    help.append(zone::OptionHelpLines(InputTable(), "--run-time", "--run-time", kColumn));
    help.append(kHelpOutput).append(kHelpFromKeyResults).append(LifeSafetyHelp());
    help.append(kHelpAfterOptions);
    return help;
}

// What `vorla smoke` adds to the steps of RunModelCommand: nothing is asked
// while the room fills.
struct SmokeCommand {
    static constexpr ModelKind kModel = ModelKind::Smoke;
    static constexpr std::string_view kCommand = "smoke";
    static constexpr std::string_view kOutput = "results file";
    using Calculations = smoke::Calculations;
    using RunInputs = smoke::RunInputs;

    static auto Options() { return WithInputOptions(InputTable(), kOptions); }
    static std::string Help() { return vorla::cli::Help(); }
    static std::variant<OptionTexts, CommandStop> WithSavedOptions(OptionTexts options) {
        return options;
    }
    static std::string SavedReport(const OptionTexts&, const Calculations& calc,
                                   const CompletedRun& run) {
        return SavedReportText(ReportHeader(calc.Inputs), ReportRows(calc.Inputs, calc.Results),
                               run.EndMessage);
    }
    static auto Inputs(const OptionTexts& options) { return SmokeInputs(options); }

    struct Answers {};
    static std::variant<Answers, CommandStop> ReadAnswers(const OptionTexts&) { return Answers{}; }
    static RunOutcome Run(Calculations& calc, Answers&, ZoneStepObserver* observer) {
        return RunCalculations(calc, observer);
    }
    static RunOutcome RunAgain(Calculations& calc, Answers&, ZoneStepObserver* observer) {
        return RunModel(calc.Inputs, calc.Fire, calc.Results, observer);
    }
    static void Say(const Answers&, std::ostream&) {}
    static void AddSummaryInputs(const OptionTexts&, const Answers&, std::vector<RunInput>&) {}
};

} // namespace

int RunSmokeCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    return RunModelCommand<SmokeCommand>(args, out, err);
}

} // namespace vorla::cli

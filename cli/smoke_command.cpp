#include "cli/smoke_command.h"

#include "cli/command_output.h"
#include "cli/design_report_output.h"
#include "cli/key_results_options.h"
#include "cli/life_safety_run.h"
#include "cli/model_command.h"
#include "cli/model_inputs.h"
#include "cli/vorla_command.h"
#include "common/model_options.h"
#include "life_safety/detection/device_options.h"
#include "life_safety/detection/suppression_options.h"
#include "life_safety/tenability/tenability_texts.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/results_csv.h"
#include "smoke_filling/model/run_key_results.h"
#include "smoke_filling/model/run_report.h"

#include <memory>
#include <ostream>
#include <string_view>

namespace vorla::cli {
namespace {

using namespace vorla::smoke;

constexpr std::string_view kPrefix = "vorla smoke: ";

constexpr OptionSpec kOptions[] = {
    {"--from"},
    {"--units"},
    {"--title"},
    {"--output-name"},
    {"--fire"},
    {"--floor-area"},
    {"--room-height"},
    {"--fire-height"},
    {"--loss-fraction"},
    {"--fire-position"},
    {"--plume"},
    {"--run-time"},
    {"-o"},
    {"--csv"},
    {"--summary"},
    {"--summary-csv"},
    {"--design-report"},
    {"--model-uncertainty", false},
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
    "                   [--design-report FILE]\n"
    "                   [--criteria-height H[,H...]] [--criteria-temperature T[,T...]]\n"
    "                   [--model-uncertainty]\n"
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
    "                       exactly as saved, in m and m²\n"
    "  --title TEXT         run title, at most 60 characters kept\n"
    "  --output-name NAME   output data file name shown in the report\n"
    "                       (default: the -o path, else the name in --from);\n"
    "                       needed when the results go to standard output\n"
    "                       unless --from gives one\n"
    "  --fire FILE          fire file (*.fir) to read, shown in the report as typed\n"
    "  --floor-area A       room floor area, m² (si) or ft² (us); above 0, at most\n"
    "                       1000 m²\n"
    "  --room-height H      floor-to-ceiling height, m or ft; above 0, at most 30 m\n"
    "  --fire-height H      height of the fuel surface above the floor, m or ft;\n"
    "                       from 0 to below the ceiling (default 0)\n"
    "  --loss-fraction X    fraction of the heat release rate lost to the room's\n"
    "                       boundaries, no unit; between 0 and 1 (default 0.6)\n"
    "  --fire-position centre|wall|corner  where the fire stands: in the open\n"
    "                       (default), against a wall or in a corner, where the plume\n"
    "                       entrains less air (the mirror method of Zukoski, Kubota &\n"
    "                       Cetegen)\n"
    "  --plume zukoski|heskestad  the plume correlation: Zukoski's, the model's own\n"
    "                       (default), or Heskestad's as NFPA 92 writes it\n"
    "  --run-time S         maximum run time, s (whole seconds, halves to even);\n"
    "                       1 to 9000\n"
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
    "                       --loss-fraction 0.6\n"
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
    return std::string(kHelpOptions) + std::string(kHelpFromKeyResults) + LifeSafetyHelp() +
           std::string(kHelpAfterOptions);
}

} // namespace

int RunSmokeCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto known = WithLifeSafetyOptions(kOptions);
    const auto parsed = ParseModelCommand(args, known, "smoke", Help(), out, err);
    if (const auto* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    const auto& options = std::get<OptionTexts>(parsed);
    CommandFiles files = ModelCommandFiles(options, "results file");
    if (const auto refusal = RefuseCommandFiles(files, kPrefix)) {
        err << *refusal;
        return kExitInputRejected;
    }
    // Every output is checked before the first is written.
    if (const auto unwritable = FindUnwritableOutput(files)) {
        err << "vorla: " << unwritable->Sentence << "\n";
        return kExitFileProblem;
    }
    const auto keyOptions = ReadKeyResultsOptions(options, kPrefix);
    if (const auto* stop = std::get_if<CommandStop>(&keyOptions)) {
        return Stop(*stop, err);
    }
    const auto tenabilityOptions = ReadTenabilityOptions(options, kPrefix);
    if (const auto* stop = std::get_if<CommandStop>(&tenabilityOptions)) {
        return Stop(*stop, err);
    }
    const auto detectionOptions = ReadDetectionOptions(options, kPrefix);
    if (const auto* stop = std::get_if<CommandStop>(&detectionOptions)) {
        return Stop(*stop, err);
    }
    if (const auto note = UnusedCriteriaNote(options, std::get<KeyResultsOptions>(keyOptions))) {
        err << kPrefix << *note;
    }
    auto inputs = SmokeInputs(options);
    if (const auto* stop = std::get_if<CommandStop>(&inputs)) {
        return Stop(*stop, err);
    }
    if (const auto stop =
            RefuseHeightsOutsideTheRoom(std::get<KeyResultsOptions>(keyOptions),
                                        std::get<RunInputs>(inputs).RoomHeight, kPrefix)) {
        return Stop(*stop, err);
    }
    const auto uncertainty = ReadModelUncertainty(
        options,
        {ModelKind::Smoke, std::get<RunInputs>(inputs).FirePlace, std::get<RunInputs>(inputs).Plume,
         OptionText(options, "loss-fraction") == "estimate",
         std::get<RunInputs>(inputs).LossFraction},
        kPrefix);
    if (const auto* stop = std::get_if<CommandStop>(&uncertainty)) {
        return Stop(*stop, err);
    }
    AddFireFileOfReport(files, options, std::get<RunInputs>(inputs).FireFile);
    if (const auto refusal = RefuseCommandFiles(files, kPrefix)) {
        err << *refusal;
        return kExitInputRejected;
    }

    // The program state, as SKEVA-XW holds it; too large for a small stack.
    auto calc = std::make_unique<Calculations>();
    calc->Inputs = std::get<RunInputs>(std::move(inputs));
    auto prepared = LifeSafetyRun::Prepare(
        std::get<TenabilityOptions>(tenabilityOptions),
        std::get<DetectionOptions>(detectionOptions),
        {calc->Inputs.FloorArea, calc->Inputs.RoomHeight, calc->Inputs.FireHeight}, kPrefix);
    if (const auto* stop = std::get_if<CommandStop>(&prepared)) {
        return Stop(*stop, err);
    }
    LifeSafetyRun& lifeSafety = *std::get<std::unique_ptr<LifeSafetyRun>>(prepared);
    RunOutcome outcome = RunCalculations(*calc, lifeSafety.Observer());
    if (const auto* problem = std::get_if<FireFileError>(&outcome)) {
        err << FireFileMessage(ModelKind::Smoke, *problem) << "\n";
        return kExitFileProblem;
    }
    // A fire its first sprinkler suppresses is run again on the suppressed fire.
    if (auto suppressed = lifeSafety.SuppressedFire(calc->Fire)) {
        calc->Fire = *suppressed;
        outcome = RunModel(calc->Inputs, calc->Fire, calc->Results, lifeSafety.Observer());
    }
    const auto& run = std::get<CompletedRun>(outcome);

    // Every file of the run, in the order they are written.
    std::vector<CommandOutput> outputs;
    outputs.push_back(
        {"o", OptionText(options, "o").value_or(""),
         // The model options, the tenability, the rule and the devices after
         // the report, as the windows' Save adds them.
         detection::WithSavedDetection(
             tenability::WithSavedTenability(
                 WithSavedModelOptions(SavedReportText(ReportHeader(calc->Inputs),
                                                       ReportRows(calc->Inputs, calc->Results),
                                                       run.EndMessage),
                                       {calc->Inputs.FirePlace, calc->Inputs.Plume,
                                        OptionText(options, "model-uncertainty").has_value()}),
                 SavedTenabilityOf(std::get<TenabilityOptions>(tenabilityOptions))),
             std::get<DetectionOptions>(detectionOptions).Devices,
             std::get<DetectionOptions>(detectionOptions).Suppression)});
    if (const auto csv = OptionText(options, "csv")) {
        outputs.push_back({"csv", *csv, lifeSafety.ResultsCsv(ResultsCsv(calc->Results))});
    }
    const auto& request = std::get<KeyResultsOptions>(keyOptions);
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
        lifeSafety.AddKeyResults(keys, used);
        if (request.JsonPath || request.CsvPath) {
            AddKeyResultsOutputs(request, keys, used, outputs);
        }
    }
    for (const auto& output : outputs) {
        if (const int status = WriteCommandOutput(output.Path, output.Text, out, err);
            status != kExitSuccess) {
            return status;
        }
    }
    if (designReport) {
        // The results file the first output wrote, and the inputs as --summary lists them.
        auto design = DesignReportRunOf(
            *calc, keys, OptionText(options, "loss-fraction") == "estimate", outputs.front().Text);
        design.Inputs = std::move(used);
        // The inputs were read in these units, so the option is known good here.
        const auto shown = UnitsOption(OptionText(options, "units"));
        if (const auto* system = std::get_if<UnitSystem>(&shown)) {
            design.ShownUnits = *system;
        }
        SetCommandRunFiles(design, outputs.front().Path, outputs.front().Text);
        return WriteDesignReport(*designReport, design, err);
    }
    return kExitSuccess;
}

} // namespace vorla::cli

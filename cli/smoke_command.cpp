#include "cli/smoke_command.h"

#include "cli/command_output.h"
#include "cli/option_parser.h"
#include "cli/vorla_command.h"
#include "common/fire_table.h"
#include "common/report_paging.h"
#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/input_form.h"
#include "smoke_filling/model/report_text.h"
#include "smoke_filling/model/results_file_reader.h"
#include "smoke_filling/model/smoke_fill_run.h"

#include <array>
#include <charconv>
#include <memory>
#include <ostream>
#include <string_view>

namespace vorla::cli {
namespace {

using namespace vorla::smoke;

constexpr OptionSpec kOptions[] = {
    {"--from"},       {"--units"},       {"--title"},       {"--output-name"},    {"--fire"},
    {"--floor-area"}, {"--room-height"}, {"--fire-height"}, {"--loss-fraction"},  {"--run-time"},
    {"-o"},           {"--csv"},         {"--help", false}, {"--version", false}, {"-h", false},
};

// The options that carry a number, and the box each is typed into.
struct NumberBox {
    std::string_view option;
    std::string SmokeFillFormTexts::*box;
};
constexpr std::array<NumberBox, 5> kNumberBoxes = {{
    {"--floor-area", &SmokeFillFormTexts::txtFloorArea},
    {"--room-height", &SmokeFillFormTexts::txtRoomHeight},
    {"--fire-height", &SmokeFillFormTexts::txtFireHeight},
    {"--loss-fraction", &SmokeFillFormTexts::txtLossFraction},
    {"--run-time", &SmokeFillFormTexts::txtRunTime},
}};

void PrintHelp(std::ostream& out) {
    out << "Usage: vorla smoke [--from RESULTS] [--units si|us] [--title TEXT] [--output-name "
           "NAME]\n"
           "                   [--fire FILE] [--floor-area A] [--room-height H] [--fire-height H]\n"
           "                   [--loss-fraction X] [--run-time S] [-o RESULTS] [--csv FILE]\n"
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
           "                       (default si). With --from, the file's values are converted\n"
           "                       to it as the form's unit change shows them\n"
           "  --title TEXT         run title, at most 60 characters kept\n"
           "  --output-name NAME   output data file name shown in the report\n"
           "                       (default: the -o path)\n"
           "  --fire FILE          fire file (*.fir) to read, shown in the report as typed\n"
           "  --floor-area A       room floor area, m² (si) or ft² (us); above 0, at most\n"
           "                       1000 m²\n"
           "  --room-height H      floor-to-ceiling height, m or ft; above 0, at most 30 m\n"
           "  --fire-height H      height of the fuel surface above the floor, m or ft;\n"
           "                       from 0 to below the ceiling (default 0)\n"
           "  --loss-fraction X    fraction of the heat release rate lost to the room's\n"
           "                       boundaries, no unit; between 0 and 1 (default 0.6)\n"
           "  --run-time S         maximum run time, s (whole seconds, halves to even);\n"
           "                       1 to 9000\n"
           "  -o RESULTS           write the results file there (atomically) instead of to\n"
           "                       standard output\n"
           "  --csv FILE           also write every row as comma-separated values: time (s),\n"
           "                       layer temperature (°C), interface height (m), heat\n"
           "                       release rate (kW), vent flow (kg/s), in full precision\n"
           "  --help               show this text\n"
           "  --version            show the suite's version\n"
           "\n"
           "Exit status: 0 done, 1 a file could not be read or written, 2 an input was\n"
           "rejected (the form's message is printed on standard error).\n";
}

// 17 significant digits: every double reads back to the same value.
std::string FullPrecision(double value) {
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

std::string CsvText(const Calculations& calc, int lastRow) {
    std::string text = "Time (s),Layer temperature (C),Interface height (m),"
                       "Heat release rate (kW),Vent flow (kg/s)";
    text += kCrLf;
    const SmokeFillResults& results = calc.Results;
    for (int i = 0; i <= lastRow; ++i) {
        text += std::to_string(results.Time[i]) + "," + FullPrecision(results.LayerTemperature[i]) +
                "," + FullPrecision(results.InterfaceHeight[i]) + "," +
                FullPrecision(FireRateAt(calc.Fire, results.Time[i])) + "," +
                FullPrecision(results.VentFlow[i]);
        text += kCrLf;
    }
    return text;
}

// A line break in a header text would shift every line of the results file
// after it, and File Open would then read the wrong values back.
std::optional<std::string_view> OptionWithLineBreak(const ParsedOptions& options) {
    for (const std::string_view name : {"--title", "--output-name", "--fire", "-o"}) {
        if (const auto value = options.Value(name);
            value && value->find_first_of("\r\n") != std::string::npos) {
            return name;
        }
    }
    return std::nullopt;
}

bool IsFilePath(const std::optional<std::string>& path) {
    return path && !path->empty() && *path != "-";
}

} // namespace

int RunSmokeCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    auto parsed = ParseOptions(args, kOptions);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        err << "vorla smoke: " << *problem << " Try 'vorla smoke --help'.\n";
        return kExitInputRejected;
    }
    const ParsedOptions& options = std::get<ParsedOptions>(parsed);
    if (options.Has("--help") || options.Has("-h")) {
        PrintHelp(out);
        return kExitSuccess;
    }
    if (options.Has("--version")) {
        PrintVersion(out);
        return kExitSuccess;
    }
    if (!options.Positional().empty()) {
        err << "vorla smoke: unexpected argument \"" << options.Positional().front()
            << "\". Try 'vorla smoke --help'.\n";
        return kExitInputRejected;
    }
    if (const auto name = OptionWithLineBreak(options)) {
        err << "vorla smoke: the value of " << *name << " must be one line.\n";
        return kExitInputRejected;
    }
    const auto units = ReadUnitsOption(options.Value("--units"), err);
    if (!units) {
        return kExitInputRejected;
    }
    for (const auto& number : kNumberBoxes) {
        if (const auto error = ReadNumberOption(options, number.option).error) {
            err << "vorla smoke: " << *error << "\n";
            return kExitInputRejected;
        }
    }

    // The program state, as SKEVA-XW holds it; too large for a small stack.
    auto calc = std::make_unique<Calculations>();
    SmokeFillFormTexts texts;
    FileNew(texts, calc->Units, calc->Inputs);
    if (const auto from = options.Value("--from")) {
        if (const auto error = OpenResultsFile(*from, texts, calc->Units, calc->Inputs)) {
            if (error->kind == ResultsFileError::Kind::WrongFormat) {
                err << "vorla smoke: " << *from << ": " << DescribeResultsFileError(*error) << "\n";
            } else {
                err << "vorla smoke: " << DescribeResultsFileError(*error) << "\n";
            }
            return kExitFileProblem;
        }
    }
    if (*units != calc->Units.System) {
        ChangeUnits(*units, calc->Inputs, calc->Units, texts);
    }

    // Each option is typed into its box, as a user would type it.
    if (const auto title = options.Value("--title")) {
        texts.txtRunTitle = *title;
    }
    const auto outputPath = options.Value("-o");
    if (const auto name = options.Value("--output-name")) {
        texts.txtOutputFile = *name;
    } else if (IsFilePath(outputPath)) {
        texts.txtOutputFile = *outputPath;
    }
    if (const auto fire = options.Value("--fire")) {
        texts.txtFireFile = *fire;
    }
    for (const auto& number : kNumberBoxes) {
        if (const auto text = options.Value(number.option)) {
            texts.*number.box = *text;
        }
    }

    ReadForm(texts, calc->Units, calc->Inputs);
    if (const auto failure = CheckSmokeFillInputs(calc->Inputs)) {
        err << failure->Message << "\n";
        return kExitInputRejected;
    }

    const SmokeFillOutcome outcome = SmokeFillRun(*calc);
    if (outcome.FireError) {
        err << DescribeFireFileError(*outcome.FireError) << "\n";
        return kExitFileProblem;
    }
    const std::string header = ReportHeader(calc->Inputs);
    const std::string rows = ReportRows(*calc, outcome.LastRow);
    const int status = WriteCommandOutput(
        outputPath.value_or(""), SavedResultsText(header, rows, outcome.EndMessage), out, err);
    if (status != kExitSuccess) {
        return status;
    }
    if (const auto csv = options.Value("--csv")) {
        return WriteCommandOutput(*csv, CsvText(*calc, outcome.LastRow), out, err);
    }
    return kExitSuccess;
}

} // namespace vorla::cli

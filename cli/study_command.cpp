#include "cli/study_command.h"

#include "cli/option_parser.h"
#include "cli/study_files.h"
#include "cli/study_from_reports.h"
#include "cli/study_help.h"
#include "cli/study_plotter.h"
#include "cli/study_progress.h"
#include "cli/study_runs.h"
#include "cli/vorla_command.h"
#include "common/files/text_file.h"
#include "study/runs_table.h"
#include "study/study_runner.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <ostream>
#include <unistd.h>

namespace vorla::cli {
namespace {

constexpr std::string_view kPrefix = "vorla study: ";
constexpr std::string_view kTryHelp = " Try 'vorla study --help'.\n";
// More threads than this only wait for each other on any machine the suite runs on.
constexpr std::size_t kMostThreads = 256;

constexpr OptionSpec kStudyOptions[] = {
    {"-o"},
    {"-j"},
    {"--shard"},
    {"--keep-reports", false},
    {"--progress", false},
    {"--no-progress", false},
    {"--help", false},
    {"-h", false},
    {"--version", false},
};

constexpr OptionSpec kMergeOptions[] = {
    {"-o"},
    {"--help", false},
    {"-h", false},
    {"--version", false},
};

int Refuse(std::ostream& err, const std::string& sentence) {
    err << kPrefix << sentence << kTryHelp;
    return kExitInputRejected;
}

int Fail(std::ostream& err, const std::string& sentence) {
    err << kPrefix << sentence << "\n";
    return kExitFileProblem;
}

// The first option given more than once: the last would win silently, and a
// script that names two output folders or two thread counts means neither.
std::optional<std::string> RepeatedOption(std::span<const std::string> args,
                                          std::span<const OptionSpec> known) {
    std::vector<std::string_view> seen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view word = args[i];
        const std::string_view name = word.substr(0, word.starts_with("--") ? word.find('=') : 2);
        const auto option = std::find_if(known.begin(), known.end(), [&](const OptionSpec& s) {
            return s.name == word || s.name == name;
        });
        // A flag given twice means what it means once.
        if (word.size() < 2 || word[0] != '-' || option == known.end() || !option->takesValue) {
            continue;
        }
        if (std::find(seen.begin(), seen.end(), option->name) != seen.end()) {
            return "the option " + std::string(option->name) +
                   " is given more than once; give "
                   "it once.";
        }
        seen.push_back(option->name);
        if (word.find('=') == std::string_view::npos) {
            ++i; // its value, which may itself start with a dash
        }
    }
    return std::nullopt;
}

// The parsed options, or the exit status once --help, --version or a wrong word
// has been answered.
std::variant<ParsedOptions, int> ParseStudyOptions(std::span<const std::string> args,
                                                   std::span<const OptionSpec> known,
                                                   std::string_view help, std::ostream& out,
                                                   std::ostream& err) {
    auto parsed = ParseOptions(args, known);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        return Refuse(err, *problem);
    }
    if (const auto repeated = RepeatedOption(args, known)) {
        return Refuse(err, *repeated);
    }
    auto& options = std::get<ParsedOptions>(parsed);
    if (options.Has("--help") || options.Has("-h")) {
        out << help;
        return kExitSuccess;
    }
    if (options.Has("--version")) {
        PrintVersion(out);
        return kExitSuccess;
    }
    return std::move(options);
}

std::optional<unsigned> ThreadCount(const std::string& text) {
    std::size_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || value > kMostThreads) {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    if (text.empty() || value < 1 || value > kMostThreads) {
        return std::nullopt;
    }
    return static_cast<unsigned>(value);
}

// "office.toml" -> "office-results" beside it.
std::string DefaultOutputFolder(const std::string& studyPath) {
    const std::filesystem::path path(studyPath);
    return (path.parent_path() / (path.stem().string() + "-results")).string();
}

// What the folder's runs.csv holds, for the lines printed when a study ends:
// the runs by status and the distinct messages of the runs that did not run.
struct RunsCount {
    std::string text;
    std::size_t runs = 0;
    std::size_t ok = 0;
};

std::optional<RunsCount> RunsReport(const std::string& directory) {
    const std::string path = directory + "/runs.csv";
    const auto file = ReadWholeFile(path, study::kLargestRunsCsv);
    if (file.problem) {
        return std::nullopt;
    }
    const auto parsed = study::ParseRunsCsv(file.text, path);
    if (!std::holds_alternative<study::RunsTable>(parsed)) {
        return std::nullopt;
    }
    const auto& table = std::get<study::RunsTable>(parsed);
    std::size_t statusColumn = 0;
    while (statusColumn < table.Header.size() && table.Header[statusColumn] != "status") {
        ++statusColumn;
    }
    std::map<std::string, std::size_t> byStatus{{"ok", 0}, {"rejected", 0}, {"fire_file_error", 0}};
    std::map<std::string, std::size_t> byMessage;
    for (const auto& line : table.Lines) {
        const auto fields = study::CsvFields(line);
        if (statusColumn + 1 >= fields.size()) {
            continue;
        }
        ++byStatus[fields[statusColumn]];
        if (fields[statusColumn] != "ok") {
            ++byMessage[fields[statusColumn + 1]];
        }
    }
    std::string text = std::to_string(table.Lines.size()) + " runs in " + directory + ": " +
                       std::to_string(byStatus["ok"]) + " ok, " +
                       std::to_string(byStatus["rejected"]) + " rejected, " +
                       std::to_string(byStatus["fire_file_error"]) + " with a fire file error\n";
    for (const auto& [message, count] : byMessage) {
        text += "  " + std::to_string(count) + " x " + message + "\n";
    }
    return RunsCount{text, table.Lines.size(), byStatus["ok"]};
}

// The lines printed when a study or a merge ends, and its exit status: a study
// of which no run ran has nothing to summarise, which a script must see. A
// shard is only a part (all of its runs may lie in one refused grid point), so
// the whole study is judged when the shards are merged.
int EndOfStudy(const std::string& directory, bool whole, std::ostream& out, std::ostream& err) {
    const auto report = RunsReport(directory);
    if (!report) {
        return kExitSuccess;
    }
    out << report->text;
    if (whole && report->runs > 0 && report->ok == 0) {
        return Fail(err, "no run of the study ran; the messages of the runs are in " + directory +
                             "/runs.csv.");
    }
    return kExitSuccess;
}

int WritePlots(const std::string& directory, std::ostream& err) {
    if (const auto problem = DrawStudyPlots(StudyPlotterPath(), directory)) {
        return Fail(err, *problem);
    }
    return kExitSuccess;
}

int RunMerge(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseStudyOptions(args, kMergeOptions, kStudyMergeHelp, out, err);
    if (const auto* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    const auto& options = std::get<ParsedOptions>(parsed);
    const auto& shards = options.Positional();
    const auto target = options.Value("-o");
    if (shards.empty()) {
        return Refuse(err, "name the folders of the shards to merge.");
    }
    if (!target || target->empty()) {
        return Refuse(err, "name the folder of the merged outputs with -o DIR.");
    }
    if (const auto refusal = RefuseCommandFiles(MergeCommandFiles(shards, *target), kPrefix)) {
        err << *refusal;
        return kExitInputRejected;
    }
    if (const auto problem = study::MergeStudyShards(shards, *target)) {
        return Fail(err, *problem);
    }
    if (const int status = WritePlots(*target, err); status != kExitSuccess) {
        return status;
    }
    return EndOfStudy(*target, true, out, err);
}

} // namespace

int RunStudyCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && args[0] == "merge") {
        return RunMerge(args.subspan(1), out, err);
    }
    const auto parsed = ParseStudyOptions(args, kStudyOptions, kStudyHelp, out, err);
    if (const auto* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    const auto& options = std::get<ParsedOptions>(parsed);
    if (options.Positional().empty()) {
        return Refuse(err, "name the study file.");
    }
    if (options.Positional().size() > 1) {
        return Refuse(err, "unexpected argument \"" + options.Positional()[1] + "\".");
    }
    const std::string studyPath = options.Positional().front();

    study::RunnerOptions runner;
    runner.Threads = 0;
    if (const auto threads = options.Value("-j")) {
        const auto count = ThreadCount(*threads);
        if (!count) {
            return Refuse(err, "the value of -j must be a whole number from 1 to " +
                                   std::to_string(kMostThreads) + ", not \"" + *threads + "\".");
        }
        runner.Threads = *count;
    }
    if (const auto shard = options.Value("--shard")) {
        const auto part = study::ParseShard(*shard);
        if (const auto* problem = std::get_if<std::string>(&part)) {
            return Refuse(err, *problem);
        }
        runner.Part = std::get<study::Shard>(part);
    }
    if (options.Has("--progress") && options.Has("--no-progress")) {
        return Refuse(err, "--progress and --no-progress cannot be given together.");
    }
    runner.KeepReports = options.Has("--keep-reports");
    const std::string directory = options.Value("-o").value_or(DefaultOutputFolder(studyPath));
    if (directory.empty()) {
        return Refuse(err, "the value of -o must name a folder.");
    }

    const auto file = ReadWholeFile(studyPath);
    if (file.problem) {
        return Fail(err, studyPath + ": the study file cannot be opened (" + *file.problem + ").");
    }
    auto read = study::ParseStudy(file.text, studyPath);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        err << kPrefix << *problem << "\n";
        return kExitInputRejected;
    }
    auto& design = std::get<study::Study>(read);
    if (const auto problem = CheckStudyFromReports(design)) {
        err << kPrefix << *problem << "\n";
        return kExitInputRejected;
    }
    if (const auto problem = study::CheckShardOfStudy(design, runner.Part)) {
        return Refuse(err, *problem);
    }
    if (const auto refusal = RefuseCommandFiles(
            StudyCommandFiles(design, directory, options.Value("-o").has_value(), runner),
            kPrefix)) {
        err << *refusal;
        return kExitInputRejected;
    }

    const bool progress =
        options.Has("--progress") || (!options.Has("--no-progress") && ::isatty(STDERR_FILENO));
    ProgressBar bar(err);
    if (progress) {
        runner.OnProgress = [&bar](const study::StudyProgress& now) { bar.Show(now); };
    }
    const auto notes = std::make_shared<StudyNotes>();
    if (const auto problem =
            study::RunStudy(design, StudyRunCallback(design.Model.Model, design.FilePath, notes),
                            runner, directory)) {
        return Fail(err, *problem);
    }
    // Once for the study, as the batch command says it once for its run.
    for (const std::string& note : notes->Notes()) {
        err << kPrefix << note << "\n";
    }
    if (runner.Part.Count == 1) {
        if (const int status = WritePlots(directory, err); status != kExitSuccess) {
            return status;
        }
    }
    return EndOfStudy(directory, runner.Part.Count == 1, out, err);
}

} // namespace vorla::cli

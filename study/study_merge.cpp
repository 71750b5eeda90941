#include "common/files/atomic_file.h"
#include "common/suite_version.h"
#include "common/files/text_file.h"
#include "study/shard_reader.h"
#include "study/study_outputs.h"
#include "study/study_runner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>

namespace vorla::study {
namespace {

namespace fs = std::filesystem;

struct ShardFolder {
    std::string directory;
    ShardSettings settings;
    RunsTable runs;
    std::string runsText;
    std::vector<std::string> reports; // the names of its saved reports
};

std::optional<std::string> ReadOrExplain(const std::string& path, std::size_t largest,
                                         std::string& text) {
    auto file = ReadWholeFile(path, largest);
    if (file.problem && *file.problem == std::strerror(ENOENT)) {
        return "The file " + path + " cannot be opened; is its folder a shard of a study?";
    }
    if (file.problem) {
        return "The file " + path + " cannot be read (" + *file.problem +
               "); is its folder a shard of a study?";
    }
    text = std::move(file.text);
    return std::nullopt;
}

// The saved reports a shard's folder must hold: one per run that ran ok, when
// it kept them, and nothing else.
std::optional<std::string> ListReports(ShardFolder& shard) {
    const fs::path folder = fs::path(shard.directory) / "reports";
    std::set<std::string> expected;
    if (shard.settings.Provenance.KeptReports) {
        const std::size_t total = shard.settings.Context.TotalRuns;
        const std::string extension =
            shard.settings.Context.Settings["model"] == "smoke" ? "sof" : "vof";
        const std::size_t width = std::to_string(total).size();
        const std::size_t statusColumn = 2 + shard.settings.Context.Settings["vary"].size();
        for (const auto& line : shard.runs.Lines) {
            const auto cells = CsvFields(line);
            if (cells[statusColumn] == "ok") {
                std::string number = cells[0];
                number.insert(0, width - std::min(width, number.size()), '0');
                expected.insert("run-" + number + "." + extension);
            }
        }
    }
    std::error_code error;
    if (fs::exists(fs::symlink_status(folder, error))) {
        if (!fs::is_directory(fs::symlink_status(folder, error))) {
            return "The shard folder " + shard.directory + " holds a reports that is not a folder.";
        }
        for (const auto& entry : fs::directory_iterator(folder, error)) {
            const std::string name = entry.path().filename().string();
            if (expected.count(name) == 0 ||
                !fs::is_regular_file(fs::symlink_status(entry.path(), error))) {
                return "The file " + entry.path().string() +
                       " is not a report of one of its shard's runs (its shard.json and runs.csv "
                       "list no such report); was the folder used by another study, or a run "
                       "stopped? Run the shard again into an empty folder.";
            }
            shard.reports.push_back(name);
        }
        if (error) {
            return "The folder " + folder.string() + " could not be read (" + error.message() +
                   ").";
        }
    }
    if (shard.reports.size() != expected.size()) {
        for (const auto& name : expected) {
            if (std::find(shard.reports.begin(), shard.reports.end(), name) ==
                shard.reports.end()) {
                return "The report " + (folder / name).string() +
                       " of a run that ran ok is missing; run the shard again.";
            }
        }
    }
    return std::nullopt;
}

std::variant<ShardFolder, std::string> ReadShard(const std::string& directory) {
    ShardFolder shard;
    shard.directory = directory;
    std::string text;
    const std::string jsonPath = directory + "/shard.json";
    if (auto problem = ReadOrExplain(jsonPath, kLargestShardJson, text)) {
        return *problem;
    }
    auto settings = ParseShardJson(text, jsonPath);
    if (auto* problem = std::get_if<std::string>(&settings)) {
        return *problem;
    }
    shard.settings = std::move(std::get<ShardSettings>(settings));
    if (shard.settings.Provenance.Version != kSuiteVersion) {
        return "The shard in " + directory + " was run by version " +
               shard.settings.Provenance.Version + " of the suite, and this is version " +
               std::string(kSuiteVersion) + "; run every shard and the merge with one version.";
    }

    const std::string csvPath = directory + "/runs.csv";
    if (auto problem = ReadOrExplain(csvPath, kLargestRunsCsv, text)) {
        return *problem;
    }
    auto runs = ParseRunsCsv(text, csvPath);
    if (auto* problem = std::get_if<std::string>(&runs)) {
        return *problem;
    }
    shard.runs = std::move(std::get<RunsTable>(runs));
    if (auto problem = CheckShardRuns(shard.settings, shard.runs, csvPath)) {
        return *problem;
    }
    shard.runsText = std::move(text);
    if (auto problem = ListReports(shard)) {
        return *problem;
    }
    return shard;
}

// Why two shards are not parts of one study, or nothing.
std::optional<std::string> Mismatch(const ShardFolder& a, const ShardFolder& b) {
    const std::string folders = "The folders " + a.directory + " and " + b.directory;
    if (a.settings.ContextText != b.settings.ContextText || a.settings.Count != b.settings.Count ||
        a.runs.Header != b.runs.Header) {
        return folders + " hold shards of different studies.";
    }
    if (a.settings.Provenance.StudyDigest != b.settings.Provenance.StudyDigest) {
        return folders + " hold shards of different study files (their SHA-256 differ): was " +
               a.settings.Context.Settings["file"].get<std::string>() +
               " edited between the shards?";
    }
    const auto& mine = a.settings.Provenance.InputDigests;
    const auto& theirs = b.settings.Provenance.InputDigests;
    for (const auto& [name, digest] : mine) {
        const auto other = theirs.find(name);
        if (other == theirs.end() || other->second != digest) {
            return folders + " hold shards run with different contents of " + name +
                   " (their SHA-256 differ); run every shard with the same files.";
        }
    }
    if (mine.size() != theirs.size()) {
        return folders + " hold shards of studies that read different files.";
    }
    return std::nullopt;
}

// Through a temporary file and a rename, as every output: a full disk leaves no
// report cut short.
std::optional<std::string> CopyReport(const fs::path& from, const fs::path& to) {
    const auto file = ReadWholeFile(from.string());
    if (file.problem) {
        return "The report " + from.string() + " cannot be read (" + *file.problem + ").";
    }
    return WriteFileAtomically(to.string(), file.text);
}

} // namespace

std::optional<std::string> MergeStudyShards(std::span<const std::string> shardDirectories,
                                            const std::string& directory) {
    if (shardDirectories.empty()) {
        return "Nothing to merge: name the folders of every shard.";
    }
    std::vector<ShardFolder> shards;
    std::map<std::size_t, std::string> seen;
    for (const auto& shardDirectory : shardDirectories) {
        auto read = ReadShard(shardDirectory);
        if (auto* problem = std::get_if<std::string>(&read)) {
            return *problem;
        }
        auto& shard = std::get<ShardFolder>(read);
        if (!shards.empty()) {
            if (auto problem = Mismatch(shards.front(), shard)) {
                return problem;
            }
        }
        if (const auto other = seen.find(shard.settings.Index); other != seen.end()) {
            return "The folders " + other->second + " and " + shardDirectory + " both hold shard " +
                   std::to_string(shard.settings.Index) + ".";
        }
        seen[shard.settings.Index] = shardDirectory;
        shards.push_back(std::move(shard));
    }
    const std::size_t count = shards.front().settings.Count;
    for (std::size_t index = 1; index <= count; ++index) {
        if (seen.count(index) == 0) {
            return "Shard " + std::to_string(index) + " of " + std::to_string(count) +
                   " is missing: name the folder of every shard.";
        }
    }

    // Each shard's lines are its runs in order (CheckShardRuns), so run r is
    // line (r - 1) / N of shard (r - 1) mod N + 1.
    const std::size_t total = shards.front().settings.Context.TotalRuns;
    std::vector<ShardFolder*> byIndex(count);
    for (auto& shard : shards) {
        byIndex[shard.settings.Index - 1] = &shard;
    }
    RunsTable merged{shards.front().runs.Header, {}};
    merged.Lines.reserve(total);
    for (std::size_t run = 0; run < total; ++run) {
        const auto& lines = byIndex[run % count]->runs.Lines;
        if (run / count >= lines.size()) {
            return "Run " + std::to_string(run + 1) +
                   " is missing from the shards; was one of them stopped before its end?";
        }
    }
    // Last, as it says least: any other edit of a runs.csv.
    for (const auto& shard : shards) {
        if (auto problem =
                CheckRunsDigest(shard.settings, shard.runsText, shard.directory + "/runs.csv")) {
            return problem;
        }
    }
    for (std::size_t run = 0; run < total; ++run) {
        auto& lines = byIndex[run % count]->runs.Lines;
        merged.Lines.push_back(std::move(lines[run / count]));
    }

    bool anyReports = false;
    for (const auto& shard : shards) {
        anyReports = anyReports || !shard.reports.empty();
    }
    if (auto problem = PrepareOutputFolder(directory, anyReports)) {
        return problem;
    }
    for (const auto& shard : shards) {
        for (const auto& name : shard.reports) {
            if (auto problem = CopyReport(fs::path(shard.directory) / "reports" / name,
                                          fs::path(directory) / "reports" / name)) {
                return problem;
            }
        }
    }
    // Each shard counted the runs past the validity limits among its own runs.
    SummaryContext context = shards.front().settings.Context;
    context.ValidityLimitRuns.assign(context.GridPoints.size(), {});
    for (const auto& shard : shards) {
        const auto& counts = shard.settings.Context.ValidityLimitRuns;
        for (std::size_t p = 0; p < counts.size(); ++p) {
            for (const auto& [limit, runs] : counts[p]) {
                context.ValidityLimitRuns[p][limit] += runs;
            }
        }
    }
    return WriteStudyOutputs(directory, context, merged);
}

} // namespace vorla::study

#include "common/round_trip_text.h"
#include "study/study_outputs.h"
#include "study/study_runner.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace vorla::study {
namespace {

std::optional<std::string> ReadWholeFile(const std::string& path, std::string& content) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return "The file " + path + " cannot be opened; is its folder a shard of a study?";
    }
    std::ostringstream text;
    text << file.rdbuf();
    content = text.str();
    return std::nullopt;
}

struct ShardFiles {
    std::size_t index = 0;
    std::size_t count = 0;
    std::string context; // the shard's context, as text to compare
    SummaryContext parsed;
    RunsTable runs;
};

std::variant<ShardFiles, std::string> ReadShard(const std::string& directory) {
    ShardFiles shard;
    std::string text;
    const std::string jsonPath = directory + "/shard.json";
    if (auto problem = ReadWholeFile(jsonPath, text)) {
        return *problem;
    }
    const Json json = Json::parse(text, nullptr, false);
    const auto context = json.is_discarded() ? std::nullopt : ContextFromJson(json);
    if (!context || !json.contains("shard") || !json.contains("shards") ||
        !json["shard"].is_number_unsigned() || !json["shards"].is_number_unsigned()) {
        return "The file " + jsonPath + " is not the shard.json of a study shard.";
    }
    shard.index = json["shard"].get<std::size_t>();
    shard.count = json["shards"].get<std::size_t>();
    shard.context = ContextJson(*context).dump();
    shard.parsed = *context;

    const std::string csvPath = directory + "/runs.csv";
    if (auto problem = ReadWholeFile(csvPath, text)) {
        return *problem;
    }
    auto runs = ParseRunsCsv(text, csvPath);
    if (auto* problem = std::get_if<std::string>(&runs)) {
        return *problem;
    }
    shard.runs = std::move(std::get<RunsTable>(runs));
    return shard;
}

std::optional<std::string> CopyReports(const std::string& from, const std::string& to) {
    const std::filesystem::path reports = std::filesystem::path(from) / "reports";
    std::error_code error;
    if (!std::filesystem::is_directory(reports, error)) {
        return std::nullopt;
    }
    if (auto problem = MakeOutputDirectory(to, true)) {
        return problem;
    }
    for (const auto& entry : std::filesystem::directory_iterator(reports, error)) {
        const auto target = std::filesystem::path(to) / "reports" / entry.path().filename();
        std::filesystem::copy_file(entry.path(), target,
                                   std::filesystem::copy_options::overwrite_existing, error);
        if (error) {
            return "The report " + entry.path().string() + " could not be copied to " +
                   target.string() + " (" + error.message() + ").";
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> MergeStudyShards(std::span<const std::string> shardDirectories,
                                            const std::string& directory) {
    if (shardDirectories.empty()) {
        return "Nothing to merge: name the folders of every shard.";
    }
    std::vector<ShardFiles> shards;
    std::map<std::size_t, std::string> seen;
    for (const auto& shardDirectory : shardDirectories) {
        auto read = ReadShard(shardDirectory);
        if (auto* problem = std::get_if<std::string>(&read)) {
            return *problem;
        }
        auto& shard = std::get<ShardFiles>(read);
        if (!shards.empty() &&
            (shard.context != shards.front().context || shard.count != shards.front().count ||
             shard.runs.Header != shards.front().runs.Header)) {
            return "The folders " + shardDirectories.front() + " and " + shardDirectory +
                   " hold shards of different studies.";
        }
        if (const auto other = seen.find(shard.index); other != seen.end()) {
            return "The folders " + other->second + " and " + shardDirectory + " both hold shard " +
                   std::to_string(shard.index) + ".";
        }
        seen[shard.index] = shardDirectory;
        shards.push_back(std::move(shard));
    }
    const std::size_t count = shards.front().count;
    for (std::size_t index = 1; index <= count; ++index) {
        if (seen.count(index) == 0) {
            return "Shard " + std::to_string(index) + " of " + std::to_string(count) +
                   " is missing: name the folder of every shard.";
        }
    }

    const std::size_t total = shards.front().parsed.TotalRuns;
    RunsTable merged{shards.front().runs.Header, std::vector<std::string>(total)};
    std::vector<bool> have(total, false);
    for (std::size_t s = 0; s < shards.size(); ++s) {
        for (auto& line : shards[s].runs.Lines) {
            const auto number = NumberOfRoundTripText(line.substr(0, line.find(',')));
            const auto run = number ? static_cast<std::size_t>(*number) : 0;
            if (run < 1 || run > total || have[run - 1] ||
                (run - 1) % count != shards[s].index - 1) {
                return "The runs.csv of " + shardDirectories[s] + " holds a run (" +
                       line.substr(0, line.find(',')) + ") that is not one of its shard's.";
            }
            have[run - 1] = true;
            merged.Lines[run - 1] = std::move(line);
        }
    }
    for (std::size_t run = 0; run < total; ++run) {
        if (!have[run]) {
            return "Run " + std::to_string(run + 1) +
                   " is missing from the shards; was one "
                   "of them stopped before its end?";
        }
    }
    if (auto problem = MakeOutputDirectory(directory, false)) {
        return problem;
    }
    for (const auto& shardDirectory : shardDirectories) {
        if (auto problem = CopyReports(shardDirectory, directory)) {
            return problem;
        }
    }
    return WriteStudyOutputs(directory, shards.front().parsed, merged);
}

} // namespace vorla::study

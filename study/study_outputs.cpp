#include "study/study_outputs.h"

#include "common/atomic_file.h"

#include <filesystem>
#include <system_error>

namespace vorla::study {

std::optional<std::string> MakeOutputDirectory(const std::string& directory, bool reports) {
    std::error_code error;
    const std::filesystem::path path =
        reports ? std::filesystem::path(directory) / "reports" : std::filesystem::path(directory);
    std::filesystem::create_directories(path, error);
    if (error || !std::filesystem::is_directory(path)) {
        return "The folder " + path.string() + " could not be created (" +
               (error ? error.message() : std::string("a file has that name")) + ").";
    }
    return std::nullopt;
}

std::optional<std::string> WriteStudyOutputs(const std::string& directory,
                                             const SummaryContext& context, const RunsTable& runs) {
    // The summary is made from the context as a shard would have stored it, so
    // that a merged study and an unsharded one write the same bytes.
    const auto stored = ContextFromJson(Json::parse(ContextJson(context).dump()));
    const Json summary = SummaryDocument(*stored, runs);
    // A shard written here before would make the folder look like one still.
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(directory) / "shard.json", ignored);
    if (auto problem = WriteFileAtomically(directory + "/runs.csv", RunsCsvText(runs))) {
        return problem;
    }
    if (auto problem = WriteFileAtomically(directory + "/summary.json", SummaryJsonText(summary))) {
        return problem;
    }
    return WriteFileAtomically(directory + "/summary.md", SummaryMarkdown(summary));
}

std::optional<std::string> WriteShardOutputs(const std::string& directory,
                                             const SummaryContext& context, std::size_t index,
                                             std::size_t count, const RunsTable& runs) {
    // Summaries of an earlier whole run here would no longer match runs.csv.
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(directory) / "summary.json", ignored);
    std::filesystem::remove(std::filesystem::path(directory) / "summary.md", ignored);
    Json shard = {{"shard", index}, {"shards", count}};
    shard.update(ContextJson(context));
    if (auto problem = WriteFileAtomically(directory + "/runs.csv", RunsCsvText(runs))) {
        return problem;
    }
    return WriteFileAtomically(directory + "/shard.json", SummaryJsonText(shard));
}

} // namespace vorla::study

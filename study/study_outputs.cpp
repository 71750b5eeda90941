#include "study/study_outputs.h"

#include "common/files/atomic_file.h"
#include "common/files/file_digest.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace vorla::study {
namespace {

namespace fs = std::filesystem;

// The temporary file WriteFileAtomically writes beside its target, left behind
// only when the process was killed before the rename.
bool IsTemporaryName(const std::string& name) {
    return name.starts_with(".vorla-");
}

bool IsPlotName(const std::string& name) {
    return name.ends_with(".svg") || name.ends_with(".png");
}

std::optional<std::string> RemoveFile(const fs::path& path) {
    std::error_code error;
    fs::remove(path, error);
    if (error) {
        return "The file " + path.string() + " of an earlier study could not be removed (" +
               error.message() + ").";
    }
    return std::nullopt;
}

// Removes the entries of `folder` that `owned` accepts, after checking that
// every entry is one (when `strict`): a folder of the user's files is not emptied.
std::optional<std::string> RemoveOwned(const fs::path& folder, bool (*owned)(const std::string&),
                                       bool strict) {
    std::error_code error;
    if (!fs::is_directory(fs::symlink_status(folder, error))) {
        return std::nullopt;
    }
    std::vector<fs::path> remove;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        const bool regular = fs::is_regular_file(fs::symlink_status(entry.path(), error)) ||
                             fs::is_symlink(fs::symlink_status(entry.path(), error));
        if (regular && (owned(name) || IsTemporaryName(name))) {
            remove.push_back(entry.path());
        } else if (strict) {
            return "The folder " + folder.string() + " holds " + name +
                   ", which a study does not write; move it or choose another output folder.";
        }
    }
    if (error) {
        return "The folder " + folder.string() + " could not be read (" + error.message() + ").";
    }
    for (const auto& path : remove) {
        if (auto problem = RemoveFile(path)) {
            return problem;
        }
    }
    return std::nullopt;
}

} // namespace

bool IsStudyReportName(const std::string& name) {
    if (!name.starts_with("run-") || !(name.ends_with(".vof") || name.ends_with(".sof"))) {
        return false;
    }
    const std::string digits = name.substr(4, name.size() - 8);
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos;
}

std::optional<std::string> MakeOutputDirectory(const std::string& directory, bool reports) {
    std::error_code error;
    const fs::path path = reports ? fs::path(directory) / "reports" : fs::path(directory);
    if (fs::is_symlink(fs::symlink_status(directory, error)) && !fs::exists(directory, error)) {
        return "The folder " + directory + " could not be created (it is a link to " +
               fs::read_symlink(directory, error).string() +
               ", which does not exist; create that folder or name another).";
    }
    fs::create_directories(path, error);
    if (error || !fs::is_directory(path)) {
        return "The folder " + path.string() + " could not be created (" +
               (error ? error.message() : std::string("a file has that name")) + ").";
    }
    return std::nullopt;
}

std::optional<std::string> PrepareOutputFolder(const std::string& directory, bool reports) {
    if (auto problem = MakeOutputDirectory(directory, false)) {
        return problem;
    }
    const fs::path folder(directory);
    // The marks of a finished study go first: a run stopped from here on leaves
    // a folder no merge or plot takes for a finished one.
    for (const char* name : {"summary.json", "shard.json", "summary.md", "runs.csv"}) {
        if (auto problem = RemoveFile(folder / name)) {
            return problem;
        }
    }
    if (auto problem = RemoveOwned(folder / "reports", IsStudyReportName, true)) {
        return problem;
    }
    if (auto problem = RemoveOwned(folder / "plots", IsPlotName, false)) {
        return problem;
    }
    if (auto problem = RemoveOwned(
            folder, [](const std::string&) { return false; }, false)) {
        return problem;
    }
    return reports ? MakeOutputDirectory(directory, true) : std::nullopt;
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
    if (auto problem = WriteFileAtomically(directory + "/summary.md", SummaryMarkdown(summary))) {
        return problem;
    }
    return WriteFileAtomically(directory + "/summary.json", SummaryJsonText(summary));
}

std::optional<std::string> WriteShardOutputs(const std::string& directory,
                                             const SummaryContext& context,
                                             const ShardProvenance& provenance, std::size_t index,
                                             std::size_t count, const RunsTable& runs) {
    // Summaries of an earlier whole run here would no longer match runs.csv.
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(directory) / "summary.json", ignored);
    std::filesystem::remove(std::filesystem::path(directory) / "summary.md", ignored);
    const std::string csv = RunsCsvText(runs);
    Json inputs = Json::object();
    for (const auto& [name, digest] : provenance.InputDigests) {
        inputs[name] = digest;
    }
    Json shard = {{"shard", index},
                  {"shards", count},
                  {"version", provenance.Version},
                  {"study_file_sha256", provenance.StudyDigest},
                  {"input_sha256", inputs},
                  {"reports", provenance.KeptReports},
                  {"runs_csv_sha256", Sha256Hex(csv)}};
    shard.update(ContextJson(context));
    if (auto problem = WriteFileAtomically(directory + "/runs.csv", csv)) {
        return problem;
    }
    return WriteFileAtomically(directory + "/shard.json", SummaryJsonText(shard));
}

} // namespace vorla::study

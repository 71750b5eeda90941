#include "cli/study_files.h"

#include "study/study_plots.h"
#include "study/runs_table.h"
#include "study/study_outputs.h"

#include <filesystem>
#include <set>

namespace vorla::cli {
namespace {

std::string In(const std::string& directory, const std::string& name) {
    return (std::filesystem::path(directory) / name).string();
}

bool IsIn(const std::filesystem::path& file, const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::equivalent(file.parent_path(), folder, error) && !error;
}

// Whether the run clears `path` from its output folder before it writes: a
// report or a plot of an earlier study, or a temporary file a stopped run left
// (study::PrepareOutputFolder).
bool RemovedFrom(const std::string& directory, const std::string& path) {
    const std::filesystem::path file(path);
    const std::string name = file.filename().string();
    const std::filesystem::path folder(directory);
    if (name.starts_with(".vorla-")) {
        return IsIn(file, folder) || IsIn(file, folder / "reports") || IsIn(file, folder / "plots");
    }
    if (study::IsStudyReportName(name)) {
        return IsIn(file, folder / "reports");
    }
    if (name.ends_with(".svg") || name.ends_with(".png")) {
        return IsIn(file, folder / "plots");
    }
    return false;
}

// The files the run removes count as written: an input among them would be lost.
void AddRemovedInputs(CommandFiles& files, const std::string& directory,
                      const std::string& output) {
    std::vector<std::string> removed;
    for (const auto& file : files.Entries()) {
        if (file.Role == FileRole::Read && RemovedFrom(directory, file.Path)) {
            removed.push_back(file.Path);
        }
    }
    for (const auto& path : removed) {
        files.Write(output, "the study's outputs (a run first removes an earlier study's)", path);
    }
}

} // namespace

CommandFiles StudyCommandFiles(const study::Study& design, const std::string& directory,
                               bool typedOutput, const study::RunnerOptions& options) {
    CommandFiles files;
    const std::string of = design.FilePath + "'s ";
    files.ReadNamedIn("the study file", "the study file", design.FilePath);
    for (const auto& base : design.Base) {
        if (base.Name == "from") {
            files.ReadNamedIn(of + "from", "a saved report the study starts from",
                              design.ResolvedPath(std::get<std::string>(base.Value)));
        }
    }
    for (const auto& [path, table] : design.Fires) {
        files.ReadNamedIn(of + "fire", "a fire file of the study", path);
    }

    const std::string output = typedOutput ? "-o" : "the output folder";
    // A file named as the folder would be replaced by it.
    files.Write(output, "the study's outputs", directory);
    files.Write(output, "the runs table", In(directory, "runs.csv"));
    // A shard removes the summaries a whole run left, and a whole run the
    // shard.json a shard left: removing destroys an input as writing does.
    const std::string removes = "the study's outputs (a run first removes an earlier study's)";
    if (options.Part.Count > 1) {
        files.Write(output, "the shard's settings", In(directory, "shard.json"));
        files.Write(output, removes, In(directory, "summary.json"));
        files.Write(output, removes, In(directory, "summary.md"));
    } else {
        files.Write(output, removes, In(directory, "shard.json"));
        files.Write(output, "the summary", In(directory, "summary.json"));
        files.Write(output, "the summary table", In(directory, "summary.md"));
        for (const auto& name : StudyPlotNames(study::RunsHeader(design))) {
            files.Write(output, "a plot", In(directory, "plots/" + name + ".svg"));
            files.Write(output, "a plot", In(directory, "plots/" + name + ".png"));
        }
    }
    if (options.KeepReports) {
        std::set<std::string> inputNames;
        for (const auto& file : files.Entries()) {
            if (file.Role == FileRole::Read) {
                inputNames.insert(std::filesystem::path(file.Path).filename().string());
            }
        }
        for (std::size_t run = options.Part.Index - 1; run < design.TotalRuns();
             run += options.Part.Count) {
            const std::string name = study::StudyReportName(design, run);
            if (inputNames.count(name) != 0) {
                files.Write(output, "a run's report", In(directory, "reports/" + name));
            }
        }
    }
    AddRemovedInputs(files, directory, output);
    return files;
}

CommandFiles MergeCommandFiles(std::span<const std::string> shardDirectories,
                               const std::string& directory) {
    CommandFiles files;
    for (const auto& shard : shardDirectories) {
        files.ReadNamedIn("the shard", "a shard's runs table", In(shard, "runs.csv"));
        files.ReadNamedIn("the shard", "a shard's settings", In(shard, "shard.json"));
    }
    files.Write("-o", "the merged outputs", directory);
    files.Write("-o", "the runs table", In(directory, "runs.csv"));
    files.Write("-o", "the summary", In(directory, "summary.json"));
    files.Write("-o", "the summary table", In(directory, "summary.md"));
    files.Write("-o", "the merged outputs (a merge first removes an earlier study's)",
                In(directory, "shard.json"));
    AddRemovedInputs(files, directory, "-o");
    return files;
}

} // namespace vorla::cli

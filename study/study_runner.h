// Running a design study: its runs spread over worker threads (and, with
// shards, over processes or machines), the outputs written to a directory, and
// shards merged into the outputs one process would have written.
#pragma once

#include "study/study_file.h"
#include "study/study_model.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace vorla::study {

// Part K of N of a study: the runs whose 0-based number i has i mod N = K - 1.
struct Shard {
    std::size_t Index = 1; // K, from 1
    std::size_t Count = 1; // N
};

// The shard of "--shard K/N", or the sentence saying what is wrong.
std::variant<Shard, std::string> ParseShard(std::string_view text);

// Why the shard cannot be one of the study's (N above its run count), or nothing.
std::optional<std::string> CheckShardOfStudy(const Study& study, const Shard& part);

struct StudyProgress {
    std::size_t Done = 0;
    std::size_t Total = 0;
    double RunsPerSecond = 0;
    std::optional<double> SecondsLeft; // nothing before the first run is done
};

struct RunnerOptions {
    unsigned Threads = 1; // 0: one per core
    Shard Part;
    bool KeepReports = false;
    // Called on the calling thread a few times a second and once at the end.
    std::function<void(const StudyProgress&)> OnProgress;
};

// The name of run `run`'s (0-based) saved report in reports/: "run-0042.vof",
// numbered from 1 with as many digits as the study's run count has.
std::string StudyReportName(const Study& study, std::size_t run);

// Runs the study's runs (those of the shard) and writes into `directory`,
// creating it: runs.csv, summary.json and summary.md, or for one shard of
// several runs.csv and shard.json for `MergeStudyShards`; reports/ with
// KeepReports. The files are the same whatever the number of threads. Returns
// the sentence saying what failed.
std::optional<std::string> RunStudy(const Study& study, const RunCallback& run,
                                    const RunnerOptions& options, const std::string& directory);

// Combines the directories of every shard of one study into `directory`, with
// the files an unsharded run writes, byte for byte.
std::optional<std::string> MergeStudyShards(std::span<const std::string> shardDirectories,
                                            const std::string& directory);

} // namespace vorla::study

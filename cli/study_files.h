// The files `vorla study` and `vorla study merge` read and write, so that the
// one check every `vorla` command makes refuses, before any run, an output
// that would replace the study file, a report or fire file the study reads, or
// a shard being merged.
#pragma once

#include "cli/command_files.h"
#include "study/study_file.h"
#include "study/study_runner.h"

#include <span>
#include <string>

namespace vorla::cli {

// The study file, its `from` reports and fire files, and the files the study
// writes into `directory` (`typedOutput`: whether -o named it). Saved reports
// count only where one would replace an input, so that a study of a million
// runs is not a list of a million names.
CommandFiles StudyCommandFiles(const study::Study& study, const std::string& directory,
                               bool typedOutput, const study::RunnerOptions& options);

// The shards' runs.csv and shard.json, and the merged outputs in `directory`.
CommandFiles MergeCommandFiles(std::span<const std::string> shardDirectories,
                               const std::string& directory);

} // namespace vorla::cli

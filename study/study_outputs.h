// The files of a study's output directory.
#pragma once

#include "study/runs_table.h"
#include "study/study_summary.h"

#include <optional>
#include <string>

namespace vorla::study {

// Creates the directory (and reports/ in it when asked), or says why it cannot.
std::optional<std::string> MakeOutputDirectory(const std::string& directory, bool reports);

// runs.csv, summary.json and summary.md of a whole study.
std::optional<std::string> WriteStudyOutputs(const std::string& directory,
                                             const SummaryContext& context, const RunsTable& runs);

// runs.csv (this shard's lines) and shard.json of shard `index` of `count`.
std::optional<std::string> WriteShardOutputs(const std::string& directory,
                                             const SummaryContext& context, std::size_t index,
                                             std::size_t count, const RunsTable& runs);

} // namespace vorla::study

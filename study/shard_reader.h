// What `vorla study merge` reads of a shard folder, checked field by field and
// line by line: a merge takes nothing it cannot show to be this study's.
#pragma once

#include "study/runs_table.h"
#include "study/study_outputs.h"
#include "study/study_summary.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vorla::study {

// shard.json holds the summary context, whose grid points are capped.
inline constexpr std::size_t kLargestShardJson = kLargestSummaryJson;

struct ShardSettings {
    std::size_t Index = 0; // K of K/N, from 1
    std::size_t Count = 0; // N
    SummaryContext Context;
    std::string ContextText; // the context as text, to compare shards
    ShardProvenance Provenance;
    std::string RunsDigest; // SHA-256 of the runs.csv the shard wrote
};

// shard.json's fields, each checked, or the sentence naming `path` and the
// first field that is not what a shard writes.
std::variant<ShardSettings, std::string> ParseShardJson(std::string_view text,
                                                        const std::string& path);

// Checks the shard's runs.csv (read as `runs`) against its shard.json: the
// header's first columns, and on every line a run number that is a whole
// number, the shard's next run, its grid point and a known status. The
// sentence names `path` and the line.
std::optional<std::string> CheckShardRuns(const ShardSettings& shard, const RunsTable& runs,
                                          const std::string& path);

// Whether `text` is the runs.csv the shard wrote (its SHA-256), which catches
// any edit the line checks let through.
std::optional<std::string> CheckRunsDigest(const ShardSettings& shard, std::string_view text,
                                           const std::string& path);

} // namespace vorla::study

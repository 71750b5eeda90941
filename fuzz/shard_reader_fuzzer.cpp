// What `vorla study merge` reads of a shard on any bytes: the input is a
// shard.json, a NUL byte and a runs.csv. Each is refused with a message naming
// its file, or read and checked, and then summarised as the merge would,
// without a crash or an out-of-range conversion.
#include "fuzz/fuzz_input.h"
#include "study/runs_table.h"
#include "study/shard_reader.h"
#include "study/study_file.h"
#include "study/study_summary.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vorla::fuzz::Require;
    namespace study = vorla::study;
    const std::string_view input = vorla::fuzz::TextOf(data, size);
    const auto split = input.find('\0');
    const std::string_view json = input.substr(0, split);
    const std::string_view csv =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    const std::string jsonPath = "FUZZ/shard.json";
    const auto settings = study::ParseShardJson(json, jsonPath);
    if (const auto* problem = std::get_if<std::string>(&settings)) {
        Require(problem->rfind("The file " + jsonPath + " is not the shard.json", 0) == 0);
        return 0;
    }
    const auto& shard = std::get<study::ShardSettings>(settings);
    Require(shard.Index >= 1 && shard.Index <= shard.Count);
    Require(shard.Count <= shard.Context.TotalRuns && shard.Context.TotalRuns <= study::kMostRuns);
    Require(shard.Context.GridPoints.size() <= study::kMostGridPoints);

    const std::string csvPath = "FUZZ/runs.csv";
    const auto runs = study::ParseRunsCsv(csv, csvPath);
    if (const auto* problem = std::get_if<std::string>(&runs)) {
        Require(problem->rfind(csvPath, 0) == 0);
        return 0;
    }
    const auto& table = std::get<study::RunsTable>(runs);
    if (const auto problem = study::CheckShardRuns(shard, table, csvPath)) {
        Require(problem->rfind(csvPath, 0) == 0);
        return 0;
    }
    Require(table.Lines.size() <= shard.Context.TotalRuns);
    // The merge summarises what passed its checks (the digest aside, which a
    // mutation almost never keeps): the summary must be made whatever the lines.
    const auto summary = study::SummaryDocument(shard.Context, table);
    Require(summary["runs"].get<std::size_t>() == table.Lines.size());
    Require(!study::SummaryMarkdown(summary).empty());
    Require(!study::SummaryJsonText(summary).empty());
    return 0;
}

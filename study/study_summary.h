// summary.json and summary.md of a design study: per grid point and for the
// whole study, the statistics of every key result, the probabilities of
// flashover and of each criterion, and the inputs ranked by their rank
// correlation with each time.
#pragma once

#include "study/runs_table.h"
#include "study/study_file.h"

#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace vorla::study {

using Json = nlohmann::ordered_json;

// The largest summary.json (and shard.json) read back. A study within its
// limits (kMostGridPoints, kMostCriteria) writes a few times less; the rest
// is room for long lists of values in the study's settings.
inline constexpr std::size_t kLargestSummaryJson = 64 * 1024 * 1024;

// What the summary needs besides runs.csv. A shard writes it beside its part of
// runs.csv, so that merging shards needs neither the study file nor its fires.
struct SummaryContext {
    Json Settings = Json::object();  // the study file's settings, "study" in summary.json
    Json GridPoints = Json::array(); // per grid point, its grid inputs by name
    std::size_t TotalRuns = 0;
    std::vector<std::string> NumericInputs; // the varied inputs that are numbers
    // Per grid point, how many of its runs crossed each validity limit (by the
    // key results' name of the limit, common/key_results/validity_limits.h). Counted while
    // the runs are done (runs.csv has no room for them), kept by each shard
    // for its own runs and added up by a merge; all empty when no run crossed
    // one, and then summary.json and summary.md are as they were without it.
    std::vector<std::map<std::string, std::size_t>> ValidityLimitRuns;
};

// Whether any run of the context crossed a validity limit.
bool AnyValidityLimitRuns(const SummaryContext& context);

SummaryContext ContextOf(const Study& study);
Json ContextJson(const SummaryContext& context);
std::optional<SummaryContext> ContextFromJson(const Json& json);

// The summary.json document. Numbers are written with enough digits to read
// back as the same double; a statistic that does not exist is null.
Json SummaryDocument(const SummaryContext& context, const RunsTable& runs);

// The same figures as a page of Markdown tables.
std::string SummaryMarkdown(const Json& summary);

// The file texts (the JSON ends with a line feed).
std::string SummaryJsonText(const Json& summary);

} // namespace vorla::study

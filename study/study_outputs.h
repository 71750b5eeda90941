// The files of a study's output directory.
#pragma once

#include "study/runs_table.h"
#include "study/study_summary.h"

#include <map>
#include <optional>
#include <string>

namespace vorla::study {

// Creates the directory (and reports/ in it when asked), or says why it cannot.
std::optional<std::string> MakeOutputDirectory(const std::string& directory, bool reports);

// Makes `directory` ready for a study or a merge: creates it (and reports/ when
// asked) and removes every file an earlier study or merge wrote there
// (runs.csv, summary.json, summary.md, shard.json, the plots, the saved reports
// and temporary files a stopped run left), so that the folder says
// "incomplete" until this run writes its last file and nothing of another
// study stays in it. A reports/ folder holding anything a study does not write
// is refused rather than emptied.
std::optional<std::string> PrepareOutputFolder(const std::string& directory, bool reports);

// Whether `name` is one a study gives a saved report: run-<digits>.vof or .sof.
bool IsStudyReportName(const std::string& name);

// Where a shard's numbers come from, recorded in its shard.json and compared by
// the merge: the suite's version, the SHA-256 of the study file and of every
// file it reads by the name the study file writes, and whether the shard kept
// its reports.
struct ShardProvenance {
    std::string Version;
    std::string StudyDigest;
    std::map<std::string, std::string> InputDigests;
    bool KeptReports = false;
};

// runs.csv, summary.json and summary.md of a whole study; summary.json last,
// as the mark of a finished study.
std::optional<std::string> WriteStudyOutputs(const std::string& directory,
                                             const SummaryContext& context, const RunsTable& runs);

// runs.csv (this shard's lines) and, last, shard.json of shard `index` of
// `count`, with the provenance and the SHA-256 of the runs.csv written.
std::optional<std::string> WriteShardOutputs(const std::string& directory,
                                             const SummaryContext& context,
                                             const ShardProvenance& provenance, std::size_t index,
                                             std::size_t count, const RunsTable& runs);

} // namespace vorla::study

// runs.csv of a design study: one line per run with its inputs, its status and
// its key results. The statistics are computed from these lines, so a study
// run in one go and one merged from shards summarise the very same text.
#pragma once

#include "study/sampling.h"
#include "study/study_file.h"
#include "study/study_model.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vorla::study {

// runs.csv grows with the study: a million runs with every input varied and
// the most criteria take under 1 GB. This cap keeps a wrong file (/dev/zero
// through a link, a disk image) from filling memory while leaving room for long
// messages.
inline constexpr std::size_t kLargestRunsCsv = std::size_t{2} * 1024 * 1024 * 1024;

struct RunsTable {
    std::vector<std::string> Header;
    std::vector<std::string> Lines; // one per run in run order, without the line end
};

// run, grid_point, the varied inputs by their study file names, status,
// message, then the key result columns of `vorla compartment|smoke --summary-csv`;
// with [model-uncertainty], then the run's two standard normal draws of the
// model's error (kModelErrorColumns), so a run's error can be seen and redone.
inline constexpr std::string_view kModelErrorColumns[] = {"model_error_rise_normal",
                                                          "model_error_depth_normal"};
// A study that follows life safety (Study::FollowsLifeSafety) has, after the
// key result columns, those `--summary-csv` adds: aset_s, aset_criterion and
// one tenability_reached_s@<criterion> each; with devices first_detection_s,
// first_sprinkler_s and one device_activation_s@<name> each; when it names
// the suppression, suppression and suppressed_from_s; then with [rset] the
// run's rset_s. The columns are the study's, the same for every run; a cell
// a run has no value for is empty.
std::vector<std::string> RunsHeader(const Study& study);
std::vector<std::string> LifeSafetyColumns(const Study& study);
inline constexpr std::string_view kRsetColumn = "rset_s";

// The cells of one run under LifeSafetyColumns (without rset_s), from its key
// results; a device the study does not list is left out.
std::vector<std::string> LifeSafetyCells(const Study& study, const KeyResults& keys);

// The line of one run: numbers as RoundTripText, texts quoted when they hold a
// comma or a quote, a message on one line. A run without key results has
// `keyColumns` empty cells, so every line has the header's fields.
// `modelError` is the run's draw when the study draws one: its two cells end
// the line whatever the run's status.
// `lifeSafetyCells` (LifeSafetyColumns' cells and rset_s, or nothing) come
// after the key results.
std::string RunLine(const SampledRun& run, const StudyRunOutcome& outcome, std::size_t keyColumns,
                    const std::optional<std::pair<double, double>>& modelError = std::nullopt,
                    const std::vector<std::string>& lifeSafetyCells = {});

// The whole file, CR LF after each line.
std::string RunsCsvText(const RunsTable& table);

// The fields of one line (quotes undone).
std::vector<std::string> CsvFields(std::string_view line);

// A runs.csv read back, or the sentence naming the file and what is wrong.
std::variant<RunsTable, std::string> ParseRunsCsv(std::string_view text, const std::string& path);

// The text a value of the study is written as, in runs.csv and in the options
// given to the run.
std::string ValueText(const StudyValue& value);

} // namespace vorla::study

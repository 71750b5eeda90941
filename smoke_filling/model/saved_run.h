// Open Results: a saved report's rows taken back into the result columns, so
// the report window shows the run the file holds (its table, key results and
// graph) without running the model again.
#pragma once

#include "common/model_runs/run_outcome.h"
#include "smoke_filling/model/run_results.h"

#include <optional>
#include <string_view>

namespace vorla::smoke {

// The run saved in `content` (a SKEVA-XW report's text): rows 0 to LastRow of
// `results` become the report's rows in S.I. units, the end from the message
// after the last row. Nothing when the rows cannot be read (not a report, a
// file cut short), when there are more rows than a run can have, or when the
// end message is none of the model's.
std::optional<CompletedRun> ReadSavedRun(std::string_view content, RunResults& results);

} // namespace vorla::smoke

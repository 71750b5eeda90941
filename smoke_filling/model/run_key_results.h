// The key results of a smoke filling run (common/key_results/key_results.h) from its
// result columns: the heat release rate of each row as the report shows it and
// the layer reaching the fire base when the run ended there.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/key_results/key_criteria.h"
#include "common/key_results/key_results.h"
#include "common/key_results/key_results_files.h"
#include "common/key_results/model_uncertainty.h"
#include "common/model_runs/run_outcome.h"
#include "smoke_filling/model/run_inputs.h"
#include "smoke_filling/model/run_results.h"

#include <optional>
#include <vector>

namespace vorla::smoke {

// Rows 0 to LastRow in S.I. units; a smoke filling run has no air-supply flag.
std::vector<RunRow> KeyResultRows(const RunResults& results);

// The key results of the run that filled `results` and ended as `run`, on the
// fire table it read.
KeyResults RunKeyResults(const RunResults& results, const CompletedRun& run, const FireTable& fire,
                         const KeyCriteria& criteria);

// A draw of the model's error (common/key_results/model_uncertainty.h) and the room's
// height it measures the layer depth from.
struct ModelError {
    ModelErrorFactors Factors;
    double RoomHeightM = 0;
};

// RunKeyResults of the rows with the model's error applied to them, for a
// study's [model-uncertainty]; nothing applies none.
KeyResults RunKeyResults(const RunResults& results, const CompletedRun& run, const FireTable& fire,
                         const KeyCriteria& criteria, const std::optional<ModelError>& error);

// RunKeyResults with the validity limits the run left (FindRunValidityLimits
// against the range the validation tested): the key results the batch
// command, the report window and the Explore window show.
KeyResults RunKeyResults(const RunInputs& inputs, const RunResults& results,
                         const CompletedRun& run, const FireTable& fire,
                         const KeyCriteria& criteria);

// The inputs as the run used them, in S.I. units, for the key results' JSON:
// names carry the unit as the keys do ("floor_area_m2", "run_time_s").
std::vector<RunInput> SummaryInputs(const RunInputs& inputs);

} // namespace vorla::smoke

// Open Results and tenability: a saved report's rows are printed every few
// seconds and rounded, and hold no smoke or gases, so the doses, the
// visibility and the time each criterion failed cannot be read from them.
// They are worked out again instead: the model is run once more on the
// report's own inputs and fire file, followed for the report's tenability,
// devices and suppression rule as the run that saved it was, and its outcome
// is taken only when that run prints the very rows and end message the file
// holds, so what is shown is the saved run's and never another's. When it
// does not (the fire file changed since, or the inputs as printed are not
// the ones it was run with), the blocks say that nothing was computed.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/key_results/key_results.h"
#include "common/model_runs/run_outcome.h"
#include "common/model_runs/zone_step.h"
#include "life_safety/detection/device.h"
#include "life_safety/detection/suppression.h"
#include "life_safety/run/life_safety_run.h"
#include "life_safety/tenability/tenability_criteria.h"
#include "life_safety/tenability/tenability_run.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vorla::life_safety {

// What the report window of a saved report shows of its tenability and
// devices.
struct OpenedRunKeys {
    // Always given: the run's block, or one whose TimesNotComputed is set.
    TenabilityKeys Tenability;
    // The values at the rows, for the graph and the CSV; only when computed.
    std::shared_ptr<const tenability::TenabilitySeries> Series;
    // The devices' block (times when computed, else named as
    // SavedDetectionKeys names them); nothing without devices.
    std::optional<DetectionKeys> Detection;
};

// The model run again for an opened report: `runAgain(observer, fire)` runs
// the report's inputs on `fire` into results of its own, and
// `printsSavedRows(run)` says whether the completed run's rows and end
// message are the file's, character for character.
using RunAgain = std::function<RunOutcome(ZoneStepObserver* observer, const FireTable& fire)>;
using PrintsSavedRows = std::function<bool(const CompletedRun& run)>;

// `tenability` must have passed CheckTenabilityInputs for `room`; `devices`
// must fit it. `fire` is the fire file the report names.
OpenedRunKeys KeysOfOpenedRun(const tenability::TenabilityInputs& tenability,
                              const std::vector<detection::Device>& devices,
                              const detection::Suppression& suppression, const LifeSafetyRoom& room,
                              FireTable fire, const RunAgain& runAgain,
                              const PrintsSavedRows& printsSavedRows);

} // namespace vorla::life_safety

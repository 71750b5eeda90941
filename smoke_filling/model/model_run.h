// One smoke filling run: step the interface height and the layer temperature
// second by second, and record a row every fifth second and at the second the
// run stops.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/model_runs/run_outcome.h"
#include "common/model_runs/zone_step.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/model/run_inputs.h"
#include "smoke_filling/model/run_results.h"

#include <string_view>

namespace vorla::smoke {

// The end-of-run messages, the first that applies in this order.
inline constexpr std::string_view kFuelSurfaceMessage =
    "LAYER INTERFACE DROPPED BELOW FUEL SURFACE - RUN TERMINATED";
inline constexpr std::string_view kEndOfFireMessage = "END OF INPUT FIRE";
inline constexpr std::string_view kRunCompleteMessage = "RUN COMPLETE";
// A state no room can be in (not a number, or at or below absolute zero): the
// rows before it are kept and nothing after it is believable.
inline constexpr std::string_view kUnstableMessage = "CALCULATION BECAME UNSTABLE - RUN TERMINATED";

// Runs the model for checked inputs on a fire table already read, filling the
// caller's results. It touches nothing else, so runs with their own results may
// go on several threads at once. An observer, when given, is told the room
// after every step and each row the run keeps; the rows are the same with or
// without it.
CompletedRun RunModel(const RunInputs& inputs, const FireTable& fire, RunResults& results,
                      ZoneStepObserver* observer = nullptr);

// What Run does in the program and the batch command: checks calc.Inputs, reads
// calc.Inputs.FireFile into calc.Fire (a relative name is looked for next to
// calc.OpenedReport too) and runs into calc.Results. A rejected input or a fire
// file that cannot be used leaves the results of an earlier run as they were.
RunOutcome RunCalculations(Calculations& calc, ZoneStepObserver* observer = nullptr);

} // namespace vorla::smoke

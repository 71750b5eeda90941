// The compartment run: one fire in the room from time 0 until a stop
// condition, in one-second steps, with a result row every 5 s and at each event.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/model_runs/run_outcome.h"
#include "common/model_runs/zone_step.h"
#include "compartment/model/calculations.h"
#include "compartment/model/run_inputs.h"
#include "compartment/model/run_results.h"

#include <functional>
#include <string>
#include <string_view>

namespace vorla::compartment {

// The end-of-run messages, the first that applies in this order.
inline constexpr std::string_view kFlashoverStopMessage =
    "FLASHOVER OCCURRED - RUN TERMINATED BY USER";
inline constexpr std::string_view kFuelSurfaceMessage =
    "LAYER INTERFACE DROPPED BELOW FUEL SURFACE - RUN TERMINATED";
inline constexpr std::string_view kVentSillMessage =
    "LAYER INTERFACE DROPPED BELOW VENT SILL - RUN TERMINATED";
inline constexpr std::string_view kEndOfFireMessage = "END OF INPUT FIRE";
inline constexpr std::string_view kRunCompleteMessage = "RUN COMPLETE";
// A step that left the physical range (a value that is not a finite number, or
// a layer at or below absolute zero) ends the run with the rows before it.
inline constexpr std::string_view kUnstableMessage = "CALCULATION BECAME UNSTABLE - RUN TERMINATED";

// The upper layer is past flashover above 873.15 K (600 °C).
inline constexpr double kFlashoverTemperature = 873.15;

inline constexpr std::string_view kFlashoverTitle = "VORLA-XW: Flashover";

// "Flashover occurred at 123 seconds.  Terminate simulation?"
std::string FlashoverQuestionText(int seconds);

enum class Answer { Yes, No };

// Asks the flashover question (text, title; Yes and No with Yes the default,
// question icon) and returns the answer. The desktop program shows a message
// box; the batch command answers from its option.
using FlashoverQuestion = std::function<Answer(const std::string& text, std::string_view title)>;

// Runs the model for checked inputs on a fire table already read (valid,
// N >= 1), filling the caller's results (rows 0 to LastRow, and the flashover
// row) and asking `ask` when the layer passes 600 °C. It touches nothing else, so
// runs with their own results may go on several threads at once. An observer,
// when given, is told the room after every step and each row the run keeps;
// the rows are the same with or without it.
CompletedRun RunModel(const RunInputs& inputs, const FireTable& fire, const FlashoverQuestion& ask,
                      RunResults& results, ZoneStepObserver* observer = nullptr);

// What Run does in the program and the batch command: checks calc.Inputs, reads
// calc.Inputs.FireFile into calc.Fire (a relative name is looked for next to
// calc.OpenedReport too) and runs into calc.Results. A rejected input or a fire
// file that cannot be used leaves the results of an earlier run as they were.
RunOutcome RunCalculations(Calculations& calc, const FlashoverQuestion& ask,
                           ZoneStepObserver* observer = nullptr);

} // namespace vorla::compartment

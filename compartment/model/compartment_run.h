// The compartment run: one fire in the room from time 0 until a stop
// condition, in one-second steps, with a result row every 5 s and at each event.
#pragma once

#include "common/fire_file_reader.h"
#include "compartment/model/calculations.h"

#include <functional>
#include <optional>
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

// Runs the model on the checked inputs of `calc`: reads the fire file into the
// fire table, fills the result rows and LastRow, and sets `endMessage`. A fire
// file that cannot be used is returned and nothing runs; the results of an
// earlier run are then left as they were.
std::optional<FireFileError> CompartmentRun(Calculations& calc, const FlashoverQuestion& ask,
                                            std::string& endMessage);

// The run on the fire table already in `calc.Fire` (valid, N >= 1).
void SimulateCompartment(Calculations& calc, const FlashoverQuestion& ask, std::string& endMessage);

} // namespace vorla::compartment

// One smoke filling run: read the fire file, step the interface height and the
// layer temperature second by second, and record a row every fifth second and
// at the second the run stops.
#pragma once

#include "common/fire_file_reader.h"
#include "smoke_filling/model/calculations.h"

#include <optional>
#include <string_view>

namespace vorla::smoke {

inline constexpr std::string_view kLayerBelowFuelMessage =
    "LAYER INTERFACE DROPPED BELOW FUEL SURFACE - RUN TERMINATED";
inline constexpr std::string_view kEndOfFireMessage = "END OF INPUT FIRE";
inline constexpr std::string_view kRunCompleteMessage = "RUN COMPLETE";
// A state no room can be in (not a number, or at or below absolute zero): the
// rows before it are kept and nothing after it is believable.
inline constexpr std::string_view kUnstableMessage = "CALCULATION BECAME UNSTABLE - RUN TERMINATED";

struct SmokeFillOutcome {
    int LastRow = 0;                        // rows 0 to LastRow of the results are this run's
    std::string_view EndMessage;            // one of the messages above
    std::optional<FireFileError> FireError; // the fire file could not be used; no rows
};

// Runs the model for calc.Inputs (which must have passed the form's checks):
// reads calc.Inputs.FireFile into calc.Fire and fills calc.Results.
SmokeFillOutcome SmokeFillRun(Calculations& calc);

// The same with a fire table already in calc.Fire (benchmarks, tests).
SmokeFillOutcome SmokeFillRunWithFire(Calculations& calc);

} // namespace vorla::smoke

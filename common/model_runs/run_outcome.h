// What a model run comes to, the same for both models: a completed run with the
// reason it ended, an input a check refused, or a fire file that cannot be used.
#pragma once

#include "common/fire_files/fire_file_reader.h"
#include "common/inputs/rejected_input.h"

#include <string_view>
#include <variant>

namespace vorla {

// Why a run ended, the first that applies in the order the models test them.
enum class RunEnd {
    Complete,           // the run time was reached: "RUN COMPLETE"
    FlashoverStop,      // the user answered Yes to the flashover question
    FireEnded,          // past the fire file's last point: "END OF INPUT FIRE"
    LayerAtSill,        // the interface reached the vent sill
    LayerAtFuelSurface, // the interface reached the fuel surface
    Unstable,           // a step left the physical range; the rows before it stand
};

// A run that went to its end: rows 0 to LastRow of the results are this run's.
struct CompletedRun {
    RunEnd End = RunEnd::Complete;
    std::string_view EndMessage; // the text the report ends with, one of the model's constants
    int LastRow = 0;

    bool operator==(const CompletedRun&) const = default;
};

using RunOutcome = std::variant<CompletedRun, RejectedInput, FireFileError>;

} // namespace vorla

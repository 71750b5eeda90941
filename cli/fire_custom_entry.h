// Typing the points of a points file into QDOT-XW's custom fire form, page by
// page, as a user would: Next 10 Points for every full page but the last, then OK.
#pragma once

#include "cli/fire_points_file.h"
#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/curves/rejected_entry.h"

#include <optional>
#include <vector>

namespace vorla::cli {

struct CustomEntryFailure {
    RejectedInput error;
    int Line = 0; // the line of the points file of the row concerned, 0 for none
};

// Enters the points after the rows the form fills in for a delay, and builds
// the custom curve into the state. A point the form would silently drop (after
// a time that ends the table early) is refused as an empty time, so no point of
// the file is ever lost. More points than the form holds are refused too.
std::optional<CustomEntryFailure> EnterCustomPoints(generator::DesignFireState& module,
                                                    const std::vector<FirePointText>& points);

} // namespace vorla::cli

// The semi-universal fire (`frmUniversal`): three exponential growth phases
// joined at 147.6 s (400 kW) and 349 s (3000 kW) after ignition, starting from
// 10 kW, one point every 5 s with the two joints inserted.
#pragma once

#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/curves/rejected_entry.h"

#include <optional>
#include <string_view>

namespace vorla::generator {

struct SemiUniversalEntries {
    std::string_view TEnd; // txtTEnd, s from ignition to the end of the curve
};

// `cmdOK`: checks the end time and builds the curve into the state. Returns
// the first failing check; the fire table is then left as it was.
std::optional<RejectedInput> BuildSemiUniversalFire(DesignFireState& module,
                                                    const SemiUniversalEntries& entries);

} // namespace vorla::generator

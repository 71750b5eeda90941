// The t-squared fire (`frmTSquared`): a rate growing as alpha * t^2 after
// ignition, flat from the time of its maximum on, one point every 5 s.
#pragma once

#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/curves/rejected_entry.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorla::generator {

// The texts of the form's boxes; the growth factor in the shown rate unit per s².
struct TSquaredEntries {
    std::string_view Alpha; // txtAlpha
    std::string_view TMax;  // txtTMax, s from ignition to the maximum
    std::string_view TEnd;  // txtTEnd, s from ignition to the end of the curve
};

// `lblAlphaUnits`: "kW/s²" or "Btu/s/s²".
std::string AlphaUnitsCaption(const DesignFireState& module);

// The question the form asks before it builds a curve that ends before its time
// to maximum QDOT, naming both times and the rates, shown in the current units:
// such a curve never reaches alpha * tMax^2. Nothing when the curve reaches its
// maximum or when OK would refuse an entry anyway (and then says why).
std::optional<std::string> PeakNotReachedQuestion(const DesignFireState& module,
                                                  const TSquaredEntries& entries);

// `cmdOK`: checks the entries in order and builds the curve into the state.
// Returns the first failing check; the fire table is then left as it was.
std::optional<RejectedInput> BuildTSquaredFire(DesignFireState& module,
                                               const TSquaredEntries& entries);

} // namespace vorla::generator

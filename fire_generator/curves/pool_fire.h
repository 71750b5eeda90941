// The pool fire (`frmPool`): the heat release rate of a burning liquid pool,
// reached one second after ignition and held to the end of burning.
#pragma once

#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/curves/rejected_entry.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorla::generator {

// The texts of the form's boxes, in the shown units.
struct PoolEntries {
    std::string_view MassLossRate; // txtMLRInf, infinite size pool, kg/m²-s or lb/ft²-s
    std::string_view KBeta;        // txtKBeta, 1/m or 1/ft
    std::string_view Diameter;     // txtDiameter, m or ft
    std::string_view TEnd;         // txtTEnd, s from ignition to the end of burning
};

// The unit captions set when the form is activated.
struct PoolUnitCaptions {
    std::string MassLossRate; // lblMLRInfUnits: "kg/m²-s" or "lb/ft²-s"
    std::string KBeta;        // lblKBetaUnits: "1/m" or "1/ft"
    std::string Diameter;     // lblDiameterUnits
};
PoolUnitCaptions PoolUnitCaptionsOf(const DesignFireState& module);

// `cmdOK`: checks the entries in order and builds the curve into the state.
// Returns the first failing check; the fire table is then left as it was.
std::optional<RejectedInput> BuildPoolFire(DesignFireState& module, const PoolEntries& entries);

} // namespace vorla::generator

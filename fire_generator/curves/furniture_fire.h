// The furniture fire (`frmFurniture`): a triangle whose peak follows from the
// combustible mass and five construction factors, and whose burning time
// follows from the heat of combustion and the frame material.
#pragma once

#include "fire_generator/curves/design_fire_state.h"
#include "fire_generator/curves/furniture_factors.h"
#include "fire_generator/curves/rejected_entry.h"

#include <array>
#include <optional>
#include <string_view>

namespace vorla::generator {

struct FurnitureEntries {
    std::string_view CombustibleMass; // txtCombustibleMass, kg or lb
    // The selected option index of each frame, in the order of FurnitureFactor.
    std::array<int, kFurnitureFactorCount> Selected{};
};

// `cmdOK`: checks the mass and builds the curve into the state. Returns the
// first failing check; the fire table is then left as it was. A burning time
// that, with the delay, would put a point past 32767 s is refused.
std::optional<RejectedInput> BuildFurnitureFire(DesignFireState& module,
                                                const FurnitureEntries& entries);

} // namespace vorla::generator

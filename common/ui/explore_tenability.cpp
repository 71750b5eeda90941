#include "common/ui/explore_tenability.h"

#include "common/ui/tenability_graph.h"
#include "life_safety/run/life_safety_run.h"
#include "life_safety/tenability/tenability_criteria.h"

namespace vorla::ui {

std::unique_ptr<tenability::TenabilityRun>
FollowedTenability(const tenability::TenabilityTexts& tenability, double floorArea,
                   double ceilingHeight, ExploreRun& run) {
    if (!tenability.Given) {
        return nullptr;
    }
    if (const auto problem = tenability::CheckTenabilityInputs(tenability.Inputs, ceilingHeight)) {
        run.RejectedBox = "txtRoomHeight";
        run.Message = problem->Message;
        return nullptr;
    }
    return std::make_unique<tenability::TenabilityRun>(
        tenability.Inputs, tenability::RoomGeometry{floorArea, ceilingHeight});
}

void AddFollowedTenability(const tenability::TenabilityRun* followed, UnitSystem units,
                           ExploreRun& run) {
    if (followed == nullptr) {
        return;
    }
    if (run.Keys) {
        run.Keys->Tenability = life_safety::TenabilityKeysOf(followed->Outcome());
    }
    AddTenabilityQuantities(run.Graph, followed->Series(), units);
}

} // namespace vorla::ui

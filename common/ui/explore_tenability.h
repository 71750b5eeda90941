// Explore's runs followed for tenability, written once for both models'
// adapters: the observer a run of the form's tenability follows, checked
// against the run's room, and what its outcome adds to the run shown (the
// Tenability block of the Key Results, the four quantities of the graph).
#pragma once

#include "common/ui/explore_window.h"
#include "common/unit_system.h"
#include "life_safety/tenability/tenability_run.h"
#include "life_safety/tenability/tenability_texts.h"

#include <memory>

namespace vorla::ui {

// The observer of a run in a room of `floorArea` (m²) and `ceilingHeight`
// (m) when `tenability` is followed; nothing when it is not, or when its
// head height does not fit the room: then `run` is refused beside the room's
// height with the sentence Run gives.
std::unique_ptr<tenability::TenabilityRun>
FollowedTenability(const tenability::TenabilityTexts& tenability, double floorArea,
                   double ceilingHeight, ExploreRun& run);

// After the model's run: the observer's Tenability block into run.Keys and
// its four quantities after the graph's own; nothing without an observer.
void AddFollowedTenability(const tenability::TenabilityRun* followed, UnitSystem units,
                           ExploreRun& run);

} // namespace vorla::ui

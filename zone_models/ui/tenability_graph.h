// The tenability quantities the models' graphs add when the run followed
// tenability: visibility, the toxic and heat doses and the radiant flux at
// head height, after the four quantities both models plot.
#pragma once

#include "zone_models/ui/results_graph_window.h"
#include "common/text/unit_system.h"
#include "life_safety/tenability/tenability_run.h"

#include <QStringList>

namespace vorla::ui {

// The options' captions: "Visibility", "FED Toxic", "FED Heat", "Radiant Flux".
QStringList TenabilityGraphOptions();

// The most visibility a graph shows (m): clear air has no limit to its
// visibility, and the curve stays at this value until smoke shortens it.
inline constexpr double kMostVisibilityShown = 30;

// `graph` (its Minutes filled from the run's rows) with the four quantities
// appended, one value a row of `series`: visibility in m or ft (at most
// kMostVisibilityShown m), the doses as they are, the flux in kW/m² in either
// unit system, as the batch command's --csv gives it.
void AddTenabilityQuantities(GraphResults& graph, const tenability::TenabilitySeries& series,
                             UnitSystem units);

} // namespace vorla::ui

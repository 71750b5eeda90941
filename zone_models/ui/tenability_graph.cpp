#include "zone_models/ui/tenability_graph.h"

#include "common/text/units.h"

#include <algorithm>
#include <cmath>

namespace vorla::ui {

QStringList TenabilityGraphOptions() {
    return {"Visibility", "FED Toxic", "FED Heat", "Radiant Flux"};
}

void AddTenabilityQuantities(GraphResults& graph, const tenability::TenabilitySeries& series,
                             UnitSystem units) {
    const bool us = units == UnitSystem::US;
    const double most = us ? kMostVisibilityShown / kMetresPerFoot : kMostVisibilityShown;
    GraphQuantity visibility{QString("Visibility at Head Height (%1, at most %2 shown)")
                                 .arg(us ? "ft" : "m")
                                 .arg(us ? "98.4" : "30"),
                             {}};
    GraphQuantity fedToxic{"FED Toxic at Head Height", {}};
    GraphQuantity fedHeat{"FED Heat at Head Height", {}};
    GraphQuantity flux{"Radiant Flux at Head Height (kW/m\u00b2)", {}};
    const std::size_t rows =
        std::min(graph.Minutes.size(), static_cast<std::size_t>(std::max(series.LastRow + 1, 0)));
    for (std::size_t i = 0; i < rows; ++i) {
        const double metres = series.Visibility[i];
        const double shown = us ? metres / kMetresPerFoot : metres;
        // +infinity in clear air: shown at the top of the range.
        visibility.Values.push_back(std::isfinite(shown) ? std::min(shown, most) : most);
        fedToxic.Values.push_back(series.FedToxic[i]);
        fedHeat.Values.push_back(series.FedHeat[i]);
        flux.Values.push_back(series.RadiantFlux[i]);
    }
    for (GraphQuantity* quantity : {&visibility, &fedToxic, &fedHeat, &flux}) {
        graph.Quantities.push_back(std::move(*quantity));
    }
}

} // namespace vorla::ui

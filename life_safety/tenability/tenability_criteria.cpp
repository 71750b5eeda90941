#include "life_safety/tenability/tenability_criteria.h"

#include "common/text/units.h"

#include <cmath>
#include <utility>

namespace vorla::tenability {
namespace {

// A height inside the room: above the floor, below the ceiling.
std::optional<InputProblem> CheckHeight(std::string_view input, std::string_view caption,
                                        double height, double ceilingHeight) {
    if (std::isfinite(height) && height > 0 && height < ceilingHeight) {
        return std::nullopt;
    }
    return InputProblem{std::string(input), "The " + std::string(caption) +
                                                " must be above the floor and below the ceiling (" +
                                                ValueText(ceilingHeight) + " m); " +
                                                ValueText(height) + " was given."};
}

} // namespace

std::string_view CriterionKey(Criterion criterion) {
    switch (criterion) {
    case Criterion::Visibility:
        return "visibility";
    case Criterion::FedToxic:
        return "fed_toxic";
    case Criterion::FedHeat:
        return "fed_heat";
    case Criterion::RadiantFlux:
        return "radiant_flux";
    case Criterion::LayerHeight:
        return "layer_height";
    case Criterion::Temperature:
        return "temperature";
    }
    return "";
}

CriterionLimits LimitsFor(const TenabilityInputs& inputs, double floorArea) {
    const TenabilityCriteria& c = inputs.Criteria;
    CriterionLimits limits;
    limits.Visibility = c.Visibility ? *c.Visibility : (floorArea <= kSmallRoomFloorArea ? 5 : 10);
    limits.FedToxic = c.FedToxic;
    limits.FedHeat = c.FedHeat;
    limits.RadiantFlux = c.RadiantFlux;
    limits.LayerHeight = c.LayerHeight ? *c.LayerHeight : inputs.HeadHeight;
    limits.Temperature = c.Temperature;
    return limits;
}

std::optional<InputProblem> CheckTenabilityInputs(const TenabilityInputs& inputs,
                                                  double ceilingHeight) {
    if (auto problem = CheckYields(inputs.Yields)) {
        return problem;
    }
    if (auto problem =
            CheckHeight("head-height", "head height", inputs.HeadHeight, ceilingHeight)) {
        return problem;
    }
    const TenabilityCriteria& c = inputs.Criteria;
    if (c.Visibility) {
        if (auto problem = CheckRange(
                {"visibility-limit", "visibility criterion", 0, false, 1000, "m"}, *c.Visibility)) {
            return problem;
        }
    }
    const std::pair<InputRange, double> checks[] = {
        {{"fed-toxic-limit", "toxic FED criterion", 0, false, 10, ""}, c.FedToxic},
        {{"fed-heat-limit", "heat FED criterion", 0, false, 10, ""}, c.FedHeat},
        {{"radiant-flux-limit", "radiant flux criterion", 0, false, 1000, "kW/m\u00b2"},
         c.RadiantFlux},
    };
    for (const auto& [range, value] : checks) {
        if (auto problem = CheckRange(range, value)) {
            return problem;
        }
    }
    if (c.LayerHeight) {
        if (auto problem = CheckHeight("tenability-layer-height", "layer height criterion",
                                       *c.LayerHeight, ceilingHeight)) {
            return problem;
        }
    }
    // Above the ambient 21.11 °C: a criterion the room already fails before
    // the fire is a typing mistake.
    return CheckRange({"tenability-temperature", "temperature criterion",
                       kAmbientTemperature - kKelvinAtZeroCelsius, false, 1000, "\u00b0C"},
                      c.Temperature);
}

} // namespace vorla::tenability

// When a room stops being tenable for a person at head height, criterion by
// criterion, with the defaults the common design guides give.
#pragma once

#include "life_safety/tenability/input_problem.h"
#include "life_safety/tenability/visibility.h"
#include "life_safety/tenability/yields.h"

#include <array>
#include <optional>
#include <string_view>

namespace vorla::tenability {

// In the order the files list them; when two fail at the same instant, the
// first in this order governs.
enum class Criterion { Visibility, FedToxic, FedHeat, RadiantFlux, LayerHeight, Temperature };
inline constexpr std::size_t kCriterionCount = 6;
inline constexpr std::array<Criterion, kCriterionCount> kCriteria{
    Criterion::Visibility,  Criterion::FedToxic,    Criterion::FedHeat,
    Criterion::RadiantFlux, Criterion::LayerHeight, Criterion::Temperature};

// "visibility", "fed_toxic", "fed_heat", "radiant_flux", "layer_height",
// "temperature": the keys of the key results files.
std::string_view CriterionKey(Criterion criterion);

// Rooms of at most this floor area are small: their way out is short, and
// 5 m of visibility suffices (International Fire Engineering Guidelines,
// Australian Building Codes Board, 2005, tenability criteria: 10 m, or 5 m in
// enclosures of 100 m² or less).
inline constexpr double kSmallRoomFloorArea = 100; // m²

struct TenabilityCriteria {
    // m: a sign must stay visible this far. Nothing: 10 m, or 5 m in a small
    // room (Jin's 5 m for occupants who know the building and 10 m for those
    // who do not, SFPE Handbook; PD 7974-6:2004 likewise).
    std::optional<double> Visibility;
    // Incapacitation doses: 0.3 protects the more sensitive occupants (ISO
    // 13571:2012, PD 7974-6:2004).
    double FedToxic = 0.3;
    double FedHeat = 0.3;
    // kW/m²: the flux ISO 13571 and PD 7974-6 take as tolerable for 30 min.
    double RadiantFlux = 2.5;
    // m: the interface must stay above the head (PD 7974-6:2004, NFPA 92's
    // 1.83 m above the floor); nothing: the head height.
    std::optional<double> LayerHeight;
    // °C: air hotter than 60 °C, saturated with water vapour, is not tolerable
    // for more than a few minutes (Purser, SFPE Handbook; PD 7974-6:2004).
    double Temperature = 60;

    bool operator==(const TenabilityCriteria&) const = default;
};

// Everything a tenability calculation takes besides the run.
struct TenabilityInputs {
    FuelYields Yields = DefaultsOf(kDefaultFuel).Yields;
    double HeadHeight = 1.8; // m above the floor
    SignKind Sign = SignKind::Reflecting;
    TenabilityCriteria Criteria;

    bool operator==(const TenabilityInputs&) const = default;
};

// The criteria as numbers for a room of `floorArea` m².
struct CriterionLimits {
    double Visibility = 10; // m
    double FedToxic = 0.3;
    double FedHeat = 0.3;
    double RadiantFlux = 2.5; // kW/m²
    double LayerHeight = 1.8; // m
    double Temperature = 60;  // °C
};
CriterionLimits LimitsFor(const TenabilityInputs& inputs, double floorArea);

// The first input that cannot be used, the yields first, then the head height,
// then each criterion in Criterion order. `ceilingHeight` (m) bounds the
// heights: a head or a criterion height at or above the ceiling means nothing.
std::optional<InputProblem> CheckTenabilityInputs(const TenabilityInputs& inputs,
                                                  double ceilingHeight);

} // namespace vorla::tenability

#include "life_safety/tenability/yields.h"

#include <array>
#include <utility>

namespace vorla::tenability {
namespace {

// Tewarson, "Generation of heat and chemical compounds in fires", SFPE
// Handbook of Fire Protection Engineering, 3rd edition (2002), section 3
// chapter 4, Table 3-4.14 (pp. 3-110 to 3-112): chemical heat of combustion
// and yields of CO2, CO and smoke for well-ventilated burning. None of these
// fuels holds nitrogen, so their HCN yield is 0; a fuel that does needs its
// measured yield entered.
constexpr std::array<FuelDefaults, 5> kFuels{{
    {Fuel::RedOak, "red-oak", "Wood (red oak)", {12400, 0.015, 0.004, 0, 1.27}},
    {Fuel::Propane, "propane", "Propane", {43700, 0.024, 0.005, 0, 2.85}},
    {Fuel::Heptane, "heptane", "Heptane", {41200, 0.037, 0.010, 0, 2.85}},
    {Fuel::Pmma, "pmma", "PMMA", {24200, 0.022, 0.010, 0, 2.12}},
    {Fuel::Polystyrene, "polystyrene", "Polystyrene", {27000, 0.164, 0.060, 0, 2.33}},
}};

// 44/12 kg of CO2 and 28/12 of CO per kg of carbon; HCN's own mass at most.
constexpr InputRange kHeatRange{
    "heat-of-combustion", "heat of combustion", 0, false, 150000, "kJ/kg"};
constexpr InputRange kSootRange{"soot-yield", "soot yield", 0, true, 1, "kg/kg"};
constexpr InputRange kCarbonMonoxideRange{"co-yield", "CO yield", 0, true, 28.0 / 12.0, "kg/kg"};
constexpr InputRange kHydrogenCyanideRange{"hcn-yield", "HCN yield", 0, true, 1, "kg/kg"};
constexpr InputRange kCarbonDioxideRange{"co2-yield", "CO2 yield", 0, true, 44.0 / 12.0, "kg/kg"};

} // namespace

std::span<const FuelDefaults> FuelTable() {
    return kFuels;
}

const FuelDefaults& DefaultsOf(Fuel fuel) {
    return kFuels[static_cast<std::size_t>(fuel)];
}

std::optional<Fuel> FuelByKey(std::string_view key) {
    for (const FuelDefaults& fuel : kFuels) {
        if (fuel.Key == key) {
            return fuel.Kind;
        }
    }
    return std::nullopt;
}

std::optional<InputProblem> CheckYields(const FuelYields& yields) {
    const std::pair<const InputRange&, double> checks[] = {
        {kHeatRange, yields.HeatOfCombustion},
        {kSootRange, yields.Soot},
        {kCarbonMonoxideRange, yields.CarbonMonoxide},
        {kHydrogenCyanideRange, yields.HydrogenCyanide},
        {kCarbonDioxideRange, yields.CarbonDioxide},
    };
    for (const auto& [range, value] : checks) {
        if (auto problem = CheckRange(range, value)) {
            return problem;
        }
    }
    return std::nullopt;
}

} // namespace vorla::tenability

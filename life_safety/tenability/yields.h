// What burning one kilogram of fuel gives off: the heat, and the soot and
// gases the tenability doses are computed from.
#pragma once

#include "life_safety/tenability/input_problem.h"

#include <optional>
#include <span>
#include <string_view>

namespace vorla::tenability {

struct FuelYields {
    // kJ/kg: the heat actually released per kg of fuel burned (the chemical
    // heat of combustion), so that the heat release rate gives the fuel burned.
    double HeatOfCombustion = 0;
    double Soot = 0;            // kg per kg of fuel burned
    double CarbonMonoxide = 0;  // kg/kg
    double HydrogenCyanide = 0; // kg/kg: an input, never every nitrogen atom of the fuel
    double CarbonDioxide = 0;   // kg/kg

    bool operator==(const FuelYields&) const = default;
};

// The fuels with defaults for well-ventilated burning.
enum class Fuel { RedOak, Propane, Heptane, Pmma, Polystyrene };

struct FuelDefaults {
    Fuel Kind;
    std::string_view Key;  // the name the batch command and study files take
    std::string_view Name; // as a report names it
    FuelYields Yields;
};

// One row per fuel, in the order of Fuel.
std::span<const FuelDefaults> FuelTable();
const FuelDefaults& DefaultsOf(Fuel fuel);
std::optional<Fuel> FuelByKey(std::string_view key);

// Polystyrene, the sootiest and the richest in carbon monoxide of the table:
// furnishings are mostly plastics, and a default should not make smoke look
// thinner than it may be.
inline constexpr Fuel kDefaultFuel = Fuel::Polystyrene;

// The first input that cannot be used, in the order heat of combustion, soot,
// CO, HCN, CO2: each must be a finite number in its range. The yields' upper
// limits are what pure carbon (soot, CO, CO2) or a fuel that is all HCN could
// give at most.
std::optional<InputProblem> CheckYields(const FuelYields& yields);

} // namespace vorla::tenability

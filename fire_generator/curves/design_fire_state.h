// The generator's state: the unit tables, the values the main form takes, and
// the fire table the curve builders fill. One lives as long as the program,
// owned by main() and handed to every window.
#pragma once

#include "fire_generator/curves/unit_tables.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vorla::generator {

// The fire table has fixed bounds 0 to 1800.
inline constexpr int kLastFireIndex = 1800;
inline constexpr int kFirePointCount = kLastFireIndex + 1;

// One value a curve was built from, for the design-fire sheet: "Growth factor
// alpha" and "0.04689 kW/s²".
struct CurveParameter {
    std::string Label;
    std::string Value;
};

struct DesignFireState {
    // From the shown unit to S.I.: a typed value is multiplied by its factor when
    // it is read, a stored value divided by it when it is shown.
    UnitTables Units;

    float HeatOfCombustion = 12000; // kJ/kg
    std::int16_t DelayTime = 0;     // s from the start of the curve to ignition
    std::string FireDescription;    // at most 60 characters
    std::string FireFileName;       // full path of the fire file to write

    // Points 0 to LastPoint are the curve; a builder leaves the entries behind
    // them as they were.
    std::array<std::int16_t, kFirePointCount> FireTime{}; // s
    std::array<float, kFirePointCount> FireRate{};        // kW
    int LastPoint = 0;
    // The curve came from a fire file the user opened or from the custom form:
    // the custom form starts from its points rather than from empty rows, so
    // edits are never lost by leaving the graph unsaved. Building a curve of
    // another kind ends it.
    bool CustomStartsFromCurve = false;
    // What the curve is ("T-squared fire") and the values, in S.I. units, its
    // form built it from; a curve of points (opened, or typed in the custom
    // form) names where its points came from and has no parameters.
    std::string CurveKind;
    std::vector<CurveParameter> CurveParameters;
};

} // namespace vorla::generator

// The units the programs show besides S.I. ("U.S. Engineering Units"), and the
// one table shape each program keeps of the units its form shows. Inside, every
// calculation is in S.I. units.
#pragma once

#include "common/text/unit_system.h"

#include <string_view>

namespace vorla {

// The conversion factors, each defined here once. Where two programs have
// always used different values for the same conversion, both are kept under
// their own names: the digits they print depend on them.
inline constexpr double kMetresPerFoot = 0.3048;
// Not 0.09290304: the saved reports and the fire files depend on 0.0929.
inline constexpr double kSquareMetresPerSquareFoot = 0.0929;
// The two models' reports convert heat release rates with 1.05504 ...
inline constexpr double kKilowattsPerBtuPerSecond = 1.05504;
// ... while QDOT-XW's boxes read and show them with 1.055.
inline constexpr double kKilowattsPerBtuPerSecondInForms = 1.055;
inline constexpr double kKilojoulesPerKilogramPerBtuPerPound = 2.3259;
inline constexpr double kKilogramsPerPound = 0.4536;
// The reports' vent flows in lb/s. Not the inverse of kKilogramsPerPound.
inline constexpr double kPoundsPerKilogram = 2.205;
inline constexpr double kKelvinAtZeroCelsius = 273.15;
// The room before the fire: 70 °F in K, also the layer's starting temperature.
inline constexpr double kAmbientTemperature = 294.26;

// One unit a form shows: the factor from the shown unit to S.I. (shown value
// times factor = S.I. value) and the label beside the box. `Factor` is the
// precision the program keeps its factors in, which is part of its results.
template <class Factor> struct ShownUnit {
    Factor ToSI = 1;
    std::string_view Label;
};

// The length and area units of a model's input form.
template <class Factor> struct LengthAreaUnits {
    UnitSystem System = UnitSystem::SI;
    ShownUnit<Factor> Length{1, "m"};
    ShownUnit<Factor> Area{1, "m\u00b2"};
};

template <class Factor> LengthAreaUnits<Factor> LengthAreaUnitsFor(UnitSystem system) {
    if (system == UnitSystem::US) {
        return {UnitSystem::US,
                {static_cast<Factor>(kMetresPerFoot), "ft"},
                {static_cast<Factor>(kSquareMetresPerSquareFoot), "ft\u00b2"}};
    }
    return {};
}

} // namespace vorla

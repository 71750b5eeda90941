// The units QDOT-XW's forms show: length, area, heat release rate, heat of
// combustion and mass.
#pragma once

#include "common/text/units.h"

namespace vorla::generator {

struct UnitTables {
    UnitSystem System = UnitSystem::SI;
    ShownUnit<double> Length{1, "m"};
    ShownUnit<double> Area{1, "m\u00b2"};
    ShownUnit<double> HeatReleaseRate{1, "kW"};
    ShownUnit<double> HeatOfCombustion{1, "kJ/kg"};
    ShownUnit<double> Mass{1, "kg"};
};

inline UnitTables UnitTablesFor(UnitSystem system) {
    if (system == UnitSystem::SI) {
        return {};
    }
    return {UnitSystem::US,
            {kMetresPerFoot, "ft"},
            {kSquareMetresPerSquareFoot, "ft\u00b2"},
            {kKilowattsPerBtuPerSecondInForms, "Btu/s"},
            {kKilojoulesPerKilogramPerBtuPerPound, "Btu/lb"},
            {kKilogramsPerPound, "lb"}};
}

} // namespace vorla::generator

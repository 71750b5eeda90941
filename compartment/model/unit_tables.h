// The factors from the units the form shows to S.I. units, and their labels.
#pragma once

#include "common/unit_system.h"

#include <array>
#include <string_view>

namespace vorla::compartment {

// Entries of UnitFactor and UnitLabel.
inline constexpr int kLengthUnit = 0;
inline constexpr int kAreaUnit = 1;

struct UnitTables {
    UnitSystem System = UnitSystem::SI;
    // Shown value times factor = S.I. value: (1, 1) or (0.3048 ft -> m, 0.0929 ft² -> m²).
    std::array<double, 2> UnitFactor{1, 1};
    std::array<std::string_view, 2> UnitLabel{"m", "m\u00b2"};
};

UnitTables UnitTablesFor(UnitSystem system);

} // namespace vorla::compartment

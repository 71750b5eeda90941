// The unit tables of the smoke filling form: factors from the shown unit to
// S.I. and the labels shown beside the boxes. Index 0 is length, 1 is area.
#pragma once

#include "common/unit_system.h"

#include <array>
#include <string_view>

namespace vorla::smoke {

inline constexpr int kLength = 0;
inline constexpr int kArea = 1;

struct SmokeFillUnits {
    UnitSystem System = UnitSystem::SI;
    // Single precision: the U.S. factors are the floats nearest 0.3048 and 0.0929,
    // so 10 m² shows as 107.643 ft², not 107.639.
    std::array<float, 2> UnitFactor{1.0f, 1.0f};
    std::array<std::string_view, 2> UnitLabel{"m", "m²"};
};

void SetSIUnits(SmokeFillUnits& units);
void SetUSUnits(SmokeFillUnits& units);
void SetUnits(SmokeFillUnits& units, UnitSystem system);

} // namespace vorla::smoke

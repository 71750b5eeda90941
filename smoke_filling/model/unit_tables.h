// The units SKEVA-XW's form shows its length and area boxes in.
#pragma once

#include "common/text/units.h"

namespace vorla::smoke {

// Single precision: the U.S. factors are the floats nearest 0.3048 and 0.0929,
// so 10 m² shows as 107.643 ft², not 107.639.
using UnitTables = LengthAreaUnits<float>;

inline UnitTables UnitTablesFor(UnitSystem system) {
    return LengthAreaUnitsFor<float>(system);
}

} // namespace vorla::smoke

// The units VORLA-XW's form shows its length and area boxes in.
#pragma once

#include "common/text/units.h"

namespace vorla::compartment {

// Double precision: the factors are the doubles nearest 0.3048 and 0.0929.
using UnitTables = LengthAreaUnits<double>;

inline UnitTables UnitTablesFor(UnitSystem system) {
    return LengthAreaUnitsFor<double>(system);
}

} // namespace vorla::compartment

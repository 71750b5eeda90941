#include "smoke_filling/model/smoke_fill_units.h"

namespace vorla::smoke {

void SetSIUnits(SmokeFillUnits& units) {
    units.System = UnitSystem::SI;
    units.UnitFactor = {1.0f, 1.0f};
    units.UnitLabel = {"m", "m²"};
}

void SetUSUnits(SmokeFillUnits& units) {
    units.System = UnitSystem::US;
    units.UnitFactor = {0.3048f, 0.0929f};
    units.UnitLabel = {"ft", "ft²"};
}

void SetUnits(SmokeFillUnits& units, UnitSystem system) {
    if (system == UnitSystem::US) {
        SetUSUnits(units);
    } else {
        SetSIUnits(units);
    }
}

} // namespace vorla::smoke

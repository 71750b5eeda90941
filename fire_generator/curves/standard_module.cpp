#include "fire_generator/curves/standard_module.h"

namespace vorla::generator {

void SetSIUnits(StandardModule& module) {
    module.UnitFactor = {1, 1, 1, 1, 1};
    module.UnitLabel = {"m", "m²", "kW", "kJ/kg", "kg"};
}

void SetUnits(StandardModule& module, UnitSystem units) {
    if (units == UnitSystem::SI) {
        SetSIUnits(module);
        return;
    }
    // 0.0929 is the factor the generator has always used for ft², not 0.09290304.
    module.UnitFactor = {0.3048, 0.0929, 1.055, 2.3259, 0.4536};
    module.UnitLabel = {"ft", "ft²", "Btu/s", "Btu/lb", "lb"};
}

} // namespace vorla::generator

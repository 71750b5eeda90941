#include "common/validity_limits.h"

#include "common/units.h"

namespace vorla {

double CeilingFroudeNumber(double rate, double heightAboveFire) {
    constexpr double kDensity = 1.2;        // kg/m³
    constexpr double kSpecificHeat = 1.004; // kJ/(kg K)
    constexpr double kGravity = 9.81;       // m/s²
    if (!(heightAboveFire > 0)) {
        return 0;
    }
    return rate / (kDensity * kSpecificHeat * kAmbientTemperature * std::sqrt(kGravity) *
                   std::pow(heightAboveFire, 2.5));
}

} // namespace vorla

// The physical constants of the two-zone model, S.I. units and kW.
#pragma once

#include "common/text/units.h"

namespace vorla::compartment {

inline constexpr double kAirHeatCapacity = 1.004;           // kJ/(kg K)
inline constexpr double kAmbientDensity = 1.2;              // kg/m³
inline constexpr double kDensityTimesTemperature = 353.112; // 1.2 * 294.26
inline constexpr double kDensityTimesGravity = 11.772;      // 1.2 * 9.81
inline constexpr int kDensityGravityTemperature = 3461;     // 1.2 * 9.81 * 294.26, as an integer
inline constexpr double kFlowCoefficient = 0.68;
// The vent's part with a linear pressure profile, and with a uniform pressure
// difference.
inline constexpr double kLinearProfileCoefficient = 17.7;
inline constexpr double kUniformProfileCoefficient = 26.6;
inline constexpr double kHeatPerKgAir = 3030; // kJ per kg of entrained air
inline constexpr double kEntrainment = 0.076;
inline constexpr double kPlumeBoundCoefficient = 55;

} // namespace vorla::compartment

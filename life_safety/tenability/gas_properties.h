// The properties of the room's gases that the smoke, dose and radiation
// calculations share. The zone models treat every gas as air at ambient
// pressure (density times temperature constant), so the layer's mass follows
// from its volume and temperature alone.
#pragma once

#include "common/text/units.h"

namespace vorla::tenability {

inline constexpr double kAmbientDensity = 1.2;              // kg/m³ at kAmbientTemperature
inline constexpr double kDensityTimesTemperature = 353.112; // 1.2 * 294.26, kg K/m³

// Molar masses, g/mol. The layer gas is taken as air when mass fractions
// become volume fractions.
inline constexpr double kAirMolarMass = 28.97;
inline constexpr double kCarbonMonoxideMolarMass = 28.01;
inline constexpr double kCarbonDioxideMolarMass = 44.01;
inline constexpr double kHydrogenCyanideMolarMass = 27.03;
inline constexpr double kOxygenMolarMass = 32.00;

// Dry air: 20.95 % oxygen by volume, so 23.14 % by mass.
inline constexpr double kAmbientOxygenVolumeFraction = 0.2095;
inline constexpr double kAmbientOxygenMassFraction =
    kAmbientOxygenVolumeFraction * kOxygenMolarMass / kAirMolarMass;

// Heat released per kg of oxygen consumed, nearly the same for all usual
// fuels (Huggett, Fire and Materials 4 (1980) 61-65): 13.1 MJ/kg.
inline constexpr double kHeatPerKgOxygen = 13100; // kJ/kg

inline constexpr double kStefanBoltzmann = 5.670374419e-11; // kW/(m² K⁴)

// The gas mass of a layer of `volume` m³ at `temperature` K.
inline double LayerGasMass(double volume, double temperature) {
    return kDensityTimesTemperature * volume / temperature;
}

} // namespace vorla::tenability

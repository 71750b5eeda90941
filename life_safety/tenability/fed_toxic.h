// The fractional effective dose of the asphyxiant gases, as ISO 13571:2012
// defines it for incapacitation (also the form the peer zone model CFAST 7
// uses, Technical Reference Guide, NIST SP 1889v1, section "Tenability"):
//
//     dX/dt = phi_CO v / 35000 + (phi_HCN v)^2.36 / 1.2e6   per minute,
//
// with the concentrations phi in µL/L over the time increment and v the
// hyperventilation that CO2 causes, v_CO2 = exp(phi_CO2 / 5) with phi_CO2 in % by volume. The CO2
// is the fire's: the models' air holds none. Oxygen depletion is not part of this dose (ISO 13571
// leaves it out above 13 % oxygen by volume).
#pragma once

namespace vorla::tenability {

// The gases breathed, by volume.
struct BreathedGases {
    double CarbonMonoxide = 0;  // volume fraction
    double HydrogenCyanide = 0; // volume fraction
    double CarbonDioxide = 0;   // volume fraction
};

// exp(phi_CO2 / 5), phi_CO2 in %.
double HyperventilationFactor(double carbonDioxideVolumeFraction);

// 1/min: the rate at which the asphyxiant dose grows while breathing `gases`.
double AsphyxiantDoseRate(const BreathedGases& gases);

// The dose over `seconds` of breathing gases that go from `start` to `end`:
// the rate of the mean concentrations, as ISO 13571 sums its increments.
double AsphyxiantDose(const BreathedGases& start, const BreathedGases& end, double seconds);

} // namespace vorla::tenability

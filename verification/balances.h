// Energy and mass balances along a traced run, integrated from the models'
// own flows: what goes in must equal what goes out plus what the upper layer
// stores. Enthalpies are counted from the ambient temperature, so ambient air
// carries none.
#pragma once

#include "verification/model_runs.h"

#include <span>

namespace vorla::verification {

// The trapezoidal rule over samples one second apart.
double TrapezoidOverSeconds(std::span<const double> samples);

// The upper layer's mass (kg) and its enthalpy above ambient (kJ) at a state:
// an ideal gas at the ambient pressure, so density times temperature is the
// ambient density times the ambient temperature.
double LayerMass(const Room& room, double interface, double temperature);
double LayerEnthalpy(const Room& room, double interface, double temperature);

struct EnergyBalance {
    double Released = 0;     // kJ, heat released by the fire
    double ToBoundaries = 0; // kJ, the loss fraction of it
    double CarriedOut = 0;   // kJ, enthalpy of the layer gas leaving
    double Stored = 0;       // kJ, change of the layer's enthalpy
    double Residual() const { return Released - ToBoundaries - CarriedOut - Stored; }
};

struct MassBalance {
    double Entrained = 0;   // kg into the layer by the plume
    double LayerOut = 0;    // kg of layer gas out
    double LayerStored = 0; // kg, change of the layer's mass
    double AirIn = 0;       // kg of ambient air in
    double LowerOut = 0;    // kg of ambient gas out
    double LowerStored = 0; // kg, change of the lower layer's mass
    double LayerResidual() const { return Entrained - LayerOut - LayerStored; }
    double LowerResidual() const { return AirIn - LowerOut - Entrained - LowerStored; }
};

EnergyBalance BalanceEnergy(const Room& room, const Trace& trace);
MassBalance BalanceMass(const Room& room, const Trace& trace);

} // namespace vorla::verification

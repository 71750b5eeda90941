// The vent flow balances of regimes 2 and 3: the hot-gas outflow that balances
// the expansion of the layer, found by bisection on the pressure difference at
// the interface.
#pragma once

#include "compartment/model/balance_bisection.h"
#include "compartment/model/run_inputs.h"

namespace vorla::compartment {

// The vent's flow coefficients for a whole run.
struct VentCoefficients {
    double Uniform = 0; // kg/s per m of depth and sqrt(Pa/K): the uniform-difference part
    double Linear = 0;  // the part with a linear pressure profile
    double SillHeight = 0;
    float SoffitHeight = 0;
};

VentCoefficients VentCoefficientsOf(const RunInputs& inputs);

// Where the last balance of each regime settled, to start the next one from.
struct BalanceGuesses {
    BalanceGuess OutflowBelowInterface;
    BalanceGuess InflowAboveInterface;
};

// Regime 2: the room is above ambient pressure at the interface by dp, and
// lower-layer gas leaves below the interface as well as hot gas above it.
// Returns the hot-gas outflow that balances the expansion e (kg/s).
double OutflowBelowInterface(const VentCoefficients& vent, double z, double T, double e, double g2,
                             BalanceGuess& guess);

// Regime 3: the room is below ambient pressure at the interface by dp; air
// enters below a neutral plane above the interface and hot gas leaves above it.
// Returns the hot-gas outflow that balances the inflow and the expansion.
double InflowAboveInterface(const VentCoefficients& vent, double z, double T, double e, double g1,
                            double g2, BalanceGuess& guess);

} // namespace vorla::compartment

// The physics of a closed room filling with smoke: the plume that feeds the
// upper layer, the layer's energy and volume balances, and the gas the
// expansion pushes out through the leaks at floor level.
#pragma once

#include "common/fire_table.h"
#include "common/integrator.h"
#include "common/nearby_cube_roots.h"
#include "common/units.h"
#include "smoke_filling/model/run_inputs.h"

#include <limits>

namespace vorla::smoke {

inline constexpr double kAmbientDensity = 1.2;                     // kg/m³
inline constexpr double kSpecificHeat = 1.004;                     // kJ/(kg K)
inline constexpr double kAmbientDensityTimesTemperature = 353.112; // kg K/m³
inline constexpr double kEntrainmentCoefficient = 0.076;
inline constexpr double kConvectiveFraction = 0.65;
inline constexpr double kInitialLayerDepth = 0.01; // m below the ceiling

// Mass flow of the plume into the layer in kg/s for a heat release rate q in kW
// and an interface at height z in m; 0 when the interface is at or below the
// fuel surface.
double SmokeFillPlume(const RunInputs& inputs, float q, double z);

// The rates of change at time t (s) in state y: of the interface height in m/s
// and of the layer temperature in K/s.
State SmokeFillDerivatives(const RunInputs& inputs, const FireTable& fire, double t,
                           const State& y);

// The mass flow in kg/s out through the leaks at time t for the state y: ambient
// air pushed out while a lower layer remains, layer gas once the room is full.
// The layer temperature must be above 0 K (the run ends before it is not).
double SmokeFillVentFlow(const RunInputs& inputs, const FireTable& fire, double t, const State& y);

// The physics of one run, evaluated thousands of times a simulated second: the
// fire table is read from where the last call left it and the plume's cube
// root is worked out from the last one. Every result is bit for bit the one
// the functions above give.
class SmokeFillEvaluator {
  public:
    // The inputs and the fire table must outlive the evaluator and stay
    // unchanged while it is used.
    SmokeFillEvaluator(const RunInputs& inputs, const FireTable& fire);

    // As SmokeFillDerivatives.
    State Derivatives(double t, const State& y);

    // As SmokeFillVentFlow.
    double VentFlow(double t, const State& y);

  private:
    double Plume(float q, double z);
    State Evaluate(double t, const State& y);

    const RunInputs& inputs_;
    FireRateCursor fire_;
    NearbyCubeRoots cubeRoots_;
    // The last derivatives: a row's vent flow needs those at the time and
    // state where the next second's integration starts.
    double lastTime_ = std::numeric_limits<double>::quiet_NaN();
    State lastState_;
    State lastRates_;
};

} // namespace vorla::smoke

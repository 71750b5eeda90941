// The physics of a closed room filling with smoke: the plume that feeds the
// upper layer, the layer's energy and volume balances, and the gas the
// expansion pushes out through the leaks at floor level.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/text/integrator.h"
#include "common/text/units.h"
#include "smoke_filling/model/run_inputs.h"

namespace vorla::smoke {

inline constexpr double kAmbientDensity = 1.2;                     // kg/m³
inline constexpr double kAirHeatCapacity = 1.004;                  // kJ/(kg K)
inline constexpr double kAmbientDensityTimesTemperature = 353.112; // kg K/m³
inline constexpr double kEntrainmentCoefficient = 0.076;
inline constexpr double kConvectiveFraction = 0.65;
inline constexpr double kInitialLayerDepth = 0.01; // m below the ceiling

// Mass flow of the plume into the layer in kg/s for a heat release rate q in kW
// and an interface at height z in m; 0 when the interface is at or below the
// fuel surface.
double SmokeFillPlume(const RunInputs& inputs, float q, double z);

// True when the run uses the model's own plume: Zukoski's, fire standing free.
bool HasDefaultPlume(const RunInputs& inputs);

// The plume's flow in kg/s at `height` m above the fuel surface with the run's
// physics options (the mirror method for a fire against a wall or in a corner,
// Heskestad's correlation), on the convective share kConvectiveFraction of q.
// SmokeFillPlume gives it whenever an option differs from the default.
double SmokeFillOptionPlume(const RunInputs& inputs, float q, double height);

// The rates of change at time t (s) in state y: of the interface height in m/s
// and of the layer temperature in K/s.
State SmokeFillDerivatives(const RunInputs& inputs, const FireTable& fire, double t,
                           const State& y);

// The mass flow in kg/s out through the leaks at time t for the state y: ambient
// air pushed out while a lower layer remains, layer gas once the room is full.
// The layer temperature must be above 0 K (the run ends before it is not).
double SmokeFillVentFlow(const RunInputs& inputs, const FireTable& fire, double t, const State& y);

} // namespace vorla::smoke

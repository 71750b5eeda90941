// The two-zone physics of the room: the fire plume, the flows through the one
// wall vent, and the rates of change of the interface height and of the upper
// layer temperature that the integrator follows. Everything in S.I. units.
#pragma once

#include "common/fire_table.h"
#include "common/integrator.h"
#include "compartment/model/run_inputs.h"

#include <array>
#include <string_view>

namespace vorla::compartment {

// The room and the fire one run works with.
struct ZoneModel {
    const RunInputs& Inputs;
    const FireTable& Fire;
};

// kg/s: [0] ambient air entering the lower layer by the vent, [1] lower-layer gas
// leaving by the vent, [2] hot upper-layer gas leaving by the vent.
using VentFlows = std::array<double, 3>;

// The plume's mass flow in kg/s at height z (m) above the floor for a fire of q
// kW, in single precision; 0 at or below the fire base, and 0 for a fire
// giving off no heat (a negative rate, only seen where a fire table is
// extrapolated before its first point).
float CompartmentPlume(const RunInputs& inputs, double q, double z);

// For time t (s) and state y: the heat release rate after the air-supply limit
// (stored into `rate`, whose precision is that of the caller's variable: a
// result row's double, or the single-precision scratch of the derivatives), the
// vent flows, and the two flags (kStarvedOfAir or kNotStarvedOfAir; the regime,
// kRegimeNone when the interface is at or below the sill).
template <class Rate>
void CompartmentFlows(const ZoneModel& model, double t, const State& y, Rate& rate,
                      VentFlows& flows, std::string_view& airFlag, std::string_view& regimeFlag);

extern template void CompartmentFlows<double>(const ZoneModel&, double, const State&, double&,
                                              VentFlows&, std::string_view&, std::string_view&);
extern template void CompartmentFlows<float>(const ZoneModel&, double, const State&, float&,
                                             VentFlows&, std::string_view&, std::string_view&);

// dydt[0] = dz/dt in m/s and dydt[1] = dT/dt in K/s at time t and state y.
void CompartmentDerivatives(const ZoneModel& model, double t, const State& y, State& dydt);

} // namespace vorla::compartment

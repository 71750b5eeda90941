// The two-zone physics of the room: the fire plume, the flows through the one
// wall vent, and the rates of change of the interface height and of the upper
// layer temperature that the integrator follows. Everything in S.I. units.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/text/integrator.h"
#include "compartment/model/run_inputs.h"

#include <string_view>

namespace vorla::compartment {

// The room and the fire one run works with.
struct ZoneModel {
    const RunInputs& Inputs;
    const FireTable& Fire;
};

// The gas through the vent, kg/s.
struct VentFlows {
    double AirIn = 0;         // ambient air entering the lower layer
    double LowerLayerOut = 0; // lower-layer gas leaving
    double HotGasOut = 0;     // hot upper-layer gas leaving
};

// What the room does at one moment: the heat release rate after the air-supply
// limit, in the precision of `Rate` (a result row keeps a double, the
// derivatives a single-precision value), the vent flows, and the two flags a
// result row shows.
template <class Rate> struct ZoneFlows {
    Rate HeatReleaseRate = 0;    // kW
    VentFlows Vent;              // kg/s
    std::string_view AirFlag;    // kStarvedOfAir or kNotStarvedOfAir (the OS column)
    std::string_view RegimeFlag; // the vent flow regime, kRegimeNone at or below the sill (FR)
};

// The plume's mass flow in kg/s at height z (m) above the floor for a fire of q
// kW, in single precision; 0 at or below the fire base, and 0 for a fire
// giving off no heat (a negative rate, only seen where a fire table is
// extrapolated before its first point).
float CompartmentPlume(const RunInputs& inputs, double q, double z);

// The flows at time t (s) in state y.
template <class Rate>
ZoneFlows<Rate> CompartmentFlows(const ZoneModel& model, double t, const State& y);

extern template ZoneFlows<double> CompartmentFlows<double>(const ZoneModel&, double, const State&);
extern template ZoneFlows<float> CompartmentFlows<float>(const ZoneModel&, double, const State&);

// The rates of change at time t and state y: of the interface height in m/s
// and of the layer temperature in K/s.
State CompartmentDerivatives(const ZoneModel& model, double t, const State& y);

} // namespace vorla::compartment

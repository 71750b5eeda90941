// The compartment run exactly as it was first written: a linear search of the
// fire table on every call, every power through std::pow and both vent flow
// balances bisected from scratch. Only the tests and the benchmarks link it;
// the fast code in compartment/model must give the same bits for every input.
#pragma once

#include "common/fire_table.h"
#include "common/integrator.h"
#include "compartment/model/compartment_run.h"
#include "compartment/model/zone_physics.h"

#include <string>
#include <string_view>

namespace vorla::compartment::literal {

float CompartmentPlume(const RunInputs& inputs, double q, double z);

template <class Rate>
void CompartmentFlows(const ZoneModel& model, double t, const State& y, Rate& rate,
                      VentFlows& flows, std::string_view& airFlag, std::string_view& regimeFlag);

extern template void CompartmentFlows<double>(const ZoneModel&, double, const State&, double&,
                                              VentFlows&, std::string_view&, std::string_view&);
extern template void CompartmentFlows<float>(const ZoneModel&, double, const State&, float&,
                                             VentFlows&, std::string_view&, std::string_view&);

void CompartmentDerivatives(const ZoneModel& model, double t, const State& y, State& dydt);

void SimulateCompartment(Calculations& calc, const FlashoverQuestion& ask, std::string& endMessage);

} // namespace vorla::compartment::literal

// The compartment run exactly as it was first written: a linear search of the
// fire table on every call, every power through std::pow and both vent flow
// balances bisected from scratch. Only the tests and the benchmarks link it;
// the fast code in compartment/model must give the same bits for every input.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/text/integrator.h"
#include "common/model_runs/run_outcome.h"
#include "compartment/model/model_run.h"
#include "compartment/model/zone_physics.h"

namespace vorla::compartment::literal {

float CompartmentPlume(const RunInputs& inputs, double q, double z);

template <class Rate>
ZoneFlows<Rate> CompartmentFlows(const ZoneModel& model, double t, const State& y);

extern template ZoneFlows<double> CompartmentFlows<double>(const ZoneModel&, double, const State&);
extern template ZoneFlows<float> CompartmentFlows<float>(const ZoneModel&, double, const State&);

State CompartmentDerivatives(const ZoneModel& model, double t, const State& y);

CompletedRun RunModel(const RunInputs& inputs, const FireTable& fire, const FlashoverQuestion& ask,
                      RunResults& results);

} // namespace vorla::compartment::literal

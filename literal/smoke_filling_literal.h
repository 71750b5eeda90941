// The smoke filling run exactly as it was first written, for the tests and the
// benchmarks only: the fast code in smoke_filling/model must give the same
// bits for every input.
#pragma once

#include "common/fire_table.h"
#include "common/integrator.h"
#include "smoke_filling/model/smoke_fill_run.h"

namespace vorla::smoke::literal {

double SmokeFillPlume(const SmokeFillInputs& inputs, float q, double z);

void SmokeFillDerivatives(const SmokeFillInputs& inputs, const FireTable& fire, double t,
                          const State& y, State& dy);

double SmokeFillVentFlow(const SmokeFillInputs& inputs, const FireTable& fire, double t,
                         const State& y);

SmokeFillOutcome SmokeFillRunWithFire(Calculations& calc);

} // namespace vorla::smoke::literal

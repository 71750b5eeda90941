// The smoke filling run exactly as it was first written, for the tests and the
// benchmarks only: the fast code in smoke_filling/model must give the same
// bits for every input.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/text/integrator.h"
#include "common/model_runs/run_outcome.h"
#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/zone_physics.h"

namespace vorla::smoke::literal {

double SmokeFillPlume(const RunInputs& inputs, float q, double z);

State SmokeFillDerivatives(const RunInputs& inputs, const FireTable& fire, double t,
                           const State& y);

double SmokeFillVentFlow(const RunInputs& inputs, const FireTable& fire, double t, const State& y);

CompletedRun RunModel(const RunInputs& inputs, const FireTable& fire, RunResults& results);

} // namespace vorla::smoke::literal

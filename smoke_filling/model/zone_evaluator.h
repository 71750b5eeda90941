// The smoke filling physics of one run, evaluated thousands of times a
// simulated second: the fire table is read from where the last call left it,
// the plume's cube root is worked out from the last one, and a row's vent flow
// reuses the derivatives the next second starts from. Every result is bit for
// bit the one SmokeFillDerivatives and SmokeFillVentFlow give.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/text/integrator.h"
#include "smoke_filling/model/nearby_cube_roots.h"
#include "smoke_filling/model/run_inputs.h"

#include <limits>

namespace vorla::smoke {

class ZoneEvaluator {
  public:
    // The inputs and the fire table must outlive the evaluator and stay
    // unchanged while it is used.
    ZoneEvaluator(const RunInputs& inputs, const FireTable& fire);

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
    bool defaultPlume_; // the model's own plume, without the physics options
    // The last derivatives: a row's vent flow needs those at the time and
    // state where the next second's integration starts.
    double lastTime_ = std::numeric_limits<double>::quiet_NaN();
    State lastState_;
    State lastRates_;
};

} // namespace vorla::smoke

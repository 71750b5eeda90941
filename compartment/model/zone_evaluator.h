// The zone physics of one run, evaluated thousands of times a simulated
// second: what does not change during the run (the vent's and the plume's
// coefficients, the fire table's order) is worked out once, the fire table is
// read from where the last call left it, and each vent flow balance starts its
// search where the last one settled. Every result is bit for bit the one
// CompartmentFlows and CompartmentDerivatives define.
#pragma once

#include "common/fire_files/fire_table.h"
#include "common/text/integrator.h"
#include "compartment/model/vent_flow_balance.h"
#include "compartment/model/zone_physics.h"

namespace vorla::compartment {

class ZoneEvaluator {
  public:
    // The model's inputs and fire table must outlive the evaluator and stay
    // unchanged while it is used.
    explicit ZoneEvaluator(const ZoneModel& model);

    // As CompartmentFlows.
    template <class Rate> ZoneFlows<Rate> Flows(double t, const State& y);

    // As CompartmentDerivatives.
    State Derivatives(double t, const State& y);

    // As Flows<double>(t, y).HeatReleaseRate (the fire's rate after the air
    // limit), without the vent's flow balance.
    double HeatReleaseRate(double t, const State& y);

  private:
    // What the flows worked out on the way that the derivatives need again.
    struct Intermediates {
        double PlumeRate = 0; // the rate the plume was worked out for, kW
        float Plume = 0;      // kg/s
        bool HasHeating = false;
        double Heating = 0; // dT/dt for that plume and the rate after the air limit
    };

    template <class Rate>
    ZoneFlows<Rate> FlowsAndIntermediates(double t, const State& y, Intermediates& work);
    float Plume(double q, double z) const;

    const RunInputs& inputs_;
    FireRateCursor fire_;
    VentCoefficients vent_;
    double convectiveFraction_;
    double plumeBoundFactor_;
    bool defaultPlume_; // the model's own plume, without the physics options
    BalanceGuesses guesses_;
};

extern template ZoneFlows<double> ZoneEvaluator::Flows<double>(double, const State&);
extern template ZoneFlows<float> ZoneEvaluator::Flows<float>(double, const State&);

} // namespace vorla::compartment

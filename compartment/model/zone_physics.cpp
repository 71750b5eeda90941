#include "compartment/model/zone_physics.h"

#include "common/text/precision.h"
#include "compartment/model/plume_options.h"
#include "compartment/model/zone_constants.h"
#include "compartment/model/zone_evaluator.h"

#include <cmath>

namespace vorla::compartment {

float CompartmentPlume(const RunInputs& in, double q, double z) {
    const double zf = in.FireHeight;
    if (z <= zf) {
        return 0;
    }
    const double height = z - zf;
    if (!HasDefaultPlume(in)) {
        return OptionPlume(in, q, height);
    }
    const double convectiveTerm = (1 - in.RadiativeLossFraction) * q * std::pow(height, 5);
    if (convectiveTerm < 0) {
        return 0;
    }
    float m = RoundToSingle(kEntrainment * std::pow(convectiveTerm, 1.0 / 3.0));
    const double mmax = kPlumeBoundCoefficient * std::pow(kEntrainment, 1.5) *
                        std::pow(1 - in.RadiativeLossFraction, 0.5) * std::pow(height, 2.5);
    if (m > mmax) {
        m = RoundToSingle(mmax);
    }
    return m;
}

template <class Rate>
ZoneFlows<Rate> CompartmentFlows(const ZoneModel& model, double t, const State& y) {
    return ZoneEvaluator(model).Flows<Rate>(t, y);
}

template ZoneFlows<double> CompartmentFlows<double>(const ZoneModel&, double, const State&);
template ZoneFlows<float> CompartmentFlows<float>(const ZoneModel&, double, const State&);

State CompartmentDerivatives(const ZoneModel& model, double t, const State& y) {
    return ZoneEvaluator(model).Derivatives(t, y);
}

} // namespace vorla::compartment

#include "smoke_filling/model/zone_physics.h"

#include "smoke_filling/model/zone_evaluator.h"

#include <cmath>

namespace vorla::smoke {

double SmokeFillPlume(const RunInputs& inputs, float q, double z) {
    if (!(z > inputs.FireHeight)) {
        return 0;
    }
    const double height = z - inputs.FireHeight;
    return kEntrainmentCoefficient *
           std::pow(kConvectiveFraction * q * std::pow(height, 5), 1.0 / 3.0);
}

State SmokeFillDerivatives(const RunInputs& inputs, const FireTable& fire, double t,
                           const State& y) {
    return ZoneEvaluator(inputs, fire).Derivatives(t, y);
}

double SmokeFillVentFlow(const RunInputs& inputs, const FireTable& fire, double t, const State& y) {
    return ZoneEvaluator(inputs, fire).VentFlow(t, y);
}

} // namespace vorla::smoke

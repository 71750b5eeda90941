#include "smoke_filling/model/zone_physics.h"

#include "smoke_filling/model/zone_evaluator.h"

#include <cmath>

namespace vorla::smoke {

double SmokeFillPlume(const RunInputs& inputs, float q, double z) {
    if (!(z > inputs.FireHeight)) {
        return 0;
    }
    const double height = z - inputs.FireHeight;
    if (!HasDefaultPlume(inputs)) {
        return SmokeFillOptionPlume(inputs, q, height);
    }
    return kEntrainmentCoefficient *
           std::pow(kConvectiveFraction * q * std::pow(height, 5), 1.0 / 3.0);
}

bool HasDefaultPlume(const RunInputs& inputs) {
    return inputs.FirePlace == FirePosition::Centre && inputs.Plume == PlumeCorrelation::Zukoski;
}

double SmokeFillOptionPlume(const RunInputs& inputs, float q, double height) {
    if (!(height > 0)) {
        return 0;
    }
    return MirroredPlume(inputs.FirePlace, q, [&](double rate) {
        const double convectiveRate = kConvectiveFraction * rate;
        if (inputs.Plume == PlumeCorrelation::Heskestad) {
            return HeskestadPlumeFlow(convectiveRate, height);
        }
        return convectiveRate > 0
                   ? kEntrainmentCoefficient * std::cbrt(convectiveRate * std::pow(height, 5))
                   : 0.0;
    });
}

State SmokeFillDerivatives(const RunInputs& inputs, const FireTable& fire, double t,
                           const State& y) {
    return ZoneEvaluator(inputs, fire).Derivatives(t, y);
}

double SmokeFillVentFlow(const RunInputs& inputs, const FireTable& fire, double t, const State& y) {
    return ZoneEvaluator(inputs, fire).VentFlow(t, y);
}

} // namespace vorla::smoke

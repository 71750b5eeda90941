#include "compartment/model/plume_options.h"

#include "common/model_runs/fire_plumes.h"
#include "common/text/precision.h"
#include "compartment/model/zone_constants.h"

#include <algorithm>
#include <cmath>

namespace vorla::compartment {
namespace {

// The cap of a fire standing free.
double FreeStandingCap(const RunInputs& in, double height) {
    const double convective = 1 - in.RadiativeLossFraction;
    if (in.Plume == PlumeCorrelation::Heskestad) {
        const double rate =
            std::pow(kHeatPerKgAir * 0.032 * std::pow(convective, 0.6) * height, 2.5);
        return rate / kHeatPerKgAir;
    }
    return kPlumeBoundCoefficient * std::pow(kEntrainment, 1.5) * std::sqrt(convective) *
           std::pow(height, 2.5);
}

double FreeStandingPlume(const RunInputs& in, double q, double height) {
    const double convectiveRate = (1 - in.RadiativeLossFraction) * q;
    double m = 0;
    if (in.Plume == PlumeCorrelation::Heskestad) {
        m = HeskestadPlumeFlow(convectiveRate, height);
    } else if (convectiveRate > 0) {
        m = kEntrainment * std::cbrt(convectiveRate * std::pow(height, 5));
    }
    return std::min(m, FreeStandingCap(in, height));
}

} // namespace

bool HasDefaultPlume(const RunInputs& in) {
    return in.FirePlace == FirePosition::Centre && in.Plume == PlumeCorrelation::Zukoski;
}

double PlumeEntrainmentCap(const RunInputs& in, double height) {
    if (!(height > 0)) {
        return 0;
    }
    return FreeStandingCap(in, height) / MirrorImageCount(in.FirePlace);
}

float OptionPlume(const RunInputs& in, double q, double height) {
    if (!(height > 0)) {
        return 0;
    }
    return RoundToSingle(MirroredPlume(
        in.FirePlace, q, [&](double rate) { return FreeStandingPlume(in, rate, height); }));
}

} // namespace vorla::compartment

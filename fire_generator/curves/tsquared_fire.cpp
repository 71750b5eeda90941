#include "fire_generator/curves/tsquared_fire.h"

#include "common/number_text.h"
#include "common/precision.h"
#include "fire_generator/curves/curve_checks.h"
#include "fire_generator/curves/fire_curve.h"

#include <cmath>

namespace vorla::generator {
namespace {

constexpr double kLargestAlpha = 2.11; // kW/s², 2 Btu/s/s² converted
constexpr int kPointSpacing = 5;       // s

} // namespace

std::string AlphaUnitsCaption(const StandardModule& module) {
    return std::string(module.Units.HeatReleaseRate.Label) + "/s²";
}

std::optional<RejectedInput> BuildTSquaredFire(StandardModule& module,
                                               const TSquaredEntries& entries) {
    const double alpha = NumberOfText(entries.Alpha) * module.Units.HeatReleaseRate.ToSI;
    const double tMax = NumberOfText(entries.TMax);
    const double tEnd = RoundHalfEven(NumberOfText(entries.TEnd));

    if (alpha <= 0) {
        return RejectedEntry("The fire growth factor must be a positive number", "txtAlpha");
    }
    if (alpha > kLargestAlpha) {
        return RejectedEntry("The fire growth factor is too large", "txtAlpha");
    }
    if (tMax <= 0) {
        return RejectedEntry("The time to maximum QDOT must be a positive number", "txtTMax");
    }
    if (auto error = CheckEndOfCurve(tEnd, kLongestCurve)) {
        return error;
    }

    const int delay = module.DelayTime;
    const int end = static_cast<int>(tEnd);
    FireCurve curve;
    int i = 0;
    curve.Time[0] = 0;
    curve.Rate[0] = 0;
    if (delay > 0) {
        i = 1;
        curve.Time[1] = module.DelayTime;
        curve.Rate[1] = 0;
    }
    const float qMax = RoundToSingle(alpha * std::pow(tMax, 2));
    // tau is the time since ignition of the point being written.
    int tau = 0;
    while (i < kLastFireIndex && tau <= end) {
        const int time = curve.Time[i] + kPointSpacing;
        tau = time - delay;
        if (tau > end) {
            break; // the time just worked out is not part of the curve
        }
        if (!FitsFireTime(time)) {
            return DelayAndEndTooLate();
        }
        ++i;
        curve.Time[i] = static_cast<std::int16_t>(time);
        curve.Rate[i] = tau >= tMax ? qMax : RoundToSingle(alpha * std::pow(tau, 2));
    }
    curve.LastPoint = i;
    CommitCurve(curve, module);
    return std::nullopt;
}

} // namespace vorla::generator

#include "fire_generator/curves/semi_universal_fire.h"

#include "common/text/number_text.h"
#include "common/text/precision.h"
#include "fire_generator/curves/curve_checks.h"
#include "fire_generator/curves/fire_curve.h"

#include <cmath>

namespace vorla::generator {
namespace {

constexpr double kLongestSemiUniversal = 600; // s
constexpr int kSemiUniversalPointSpacing = 5;              // s

// The phases meet at 147.6 s and 349 s. The first joint's point sits at 148 s
// (147.6 rounded) and takes the place of the grid point at 150 s, which follows
// it; the second takes the place of 350 s in the same way.
constexpr double kFirstJoint = 147.6;
constexpr int kFirstJointTime = 148;
constexpr int kFirstJointGridTime = 150;
constexpr int kSecondJoint = 349;
constexpr int kSecondJointGridTime = 350;

} // namespace

std::optional<RejectedInput> BuildSemiUniversalFire(DesignFireState& module,
                                                    const SemiUniversalEntries& entries) {
    const double tEnd = RoundHalfEven(NumberOfText(entries.TEnd));
    if (auto error = CheckEndOfCurve(tEnd, kLongestSemiUniversal)) {
        return error;
    }

    const int delay = module.DelayTime;
    const int end = static_cast<int>(tEnd);

    FireCurve curve;
    int i = -1;
    if (delay > 0) {
        curve.Time[0] = 0;
        curve.Rate[0] = 0;
        i = 0;
    }
    // The rate steps from 0 to 10 kW within the last second before ignition.
    if (delay > 1) {
        curve.Time[1] = static_cast<std::int16_t>(delay - 1);
        curve.Rate[1] = 0;
        i = 1;
    }
    const int b = i + 1; // the first point of the curve proper
    int tau = 0;
    while (tau <= end && i < kLastFireIndex) {
        ++i;
        tau = kSemiUniversalPointSpacing * (i - b);
        if (tau > end) {
            --i;
            break;
        }
        // The joints lie before their grid points, so this point is the latest.
        if (!FitsFireTime(static_cast<long long>(delay) + tau)) {
            return DelayAndEndTooLate();
        }
        curve.Time[i] = static_cast<std::int16_t>(delay + tau);
        double rate;
        if (tau < kFirstJoint) {
            rate = 10 * std::exp(0.025 * tau);
        } else if (tau < kSecondJoint) {
            if (tau == kFirstJointGridTime) {
                curve.Time[i] = static_cast<std::int16_t>(delay + kFirstJointTime);
                curve.Rate[i] = 400;
                ++i;
                curve.Time[i] = static_cast<std::int16_t>(delay + kFirstJointGridTime);
            }
            rate = 400 * std::exp(0.01 * (tau - kFirstJoint));
        } else {
            if (tau == kSecondJointGridTime) {
                curve.Time[i] = static_cast<std::int16_t>(delay + kSecondJoint);
                curve.Rate[i] = 3000;
                ++i;
                curve.Time[i] = static_cast<std::int16_t>(delay + kSecondJointGridTime);
            }
            rate = 3000 * std::exp(0.005 * (tau - kSecondJoint));
        }
        curve.Rate[i] = RoundToSingle(rate);
    }
    curve.LastPoint = i;
    CommitCurve(curve, module);
    module.CurveKind = "Semi-universal fire";
    module.CurveParameters = {
        {"Growth",
         "10·exp(0.025 t) kW to 400 kW at t1 = " + ParameterText(kFirstJoint, "s") +
             ", 400·exp(0.01 (t - t1)) kW to 3000 kW at t2 = " + ParameterText(kSecondJoint, "s") +
             ", then 3000·exp(0.005 (t - t2)) kW (t in s after ignition)"},
        {"End of the curve", ParameterText(tEnd, "s after ignition")},
    };
    return std::nullopt;
}

} // namespace vorla::generator

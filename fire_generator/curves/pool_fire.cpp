#include "fire_generator/curves/pool_fire.h"

#include "common/number_text.h"
#include "common/precision.h"
#include "fire_generator/curves/curve_checks.h"
#include "fire_generator/curves/fire_curve.h"

#include <cmath>

namespace vorla::generator {
namespace {

constexpr double kPi = 3.14159;
constexpr double kLargestMassLossRate = 1; // kg/(m²·s)
constexpr double kLargestKBeta = 10;       // 1/m
constexpr double kSmallestDiameter = 0.2;  // m

} // namespace

PoolUnitCaptions PoolUnitCaptionsOf(const StandardModule& module) {
    const auto& label = module.UnitLabel;
    return {label[kMassUnit] + "/" + label[kAreaUnit] + "-s", "1/" + label[kLengthUnit],
            label[kLengthUnit]};
}

std::optional<InputError> BuildPoolFire(StandardModule& module, const PoolEntries& entries) {
    const auto& factor = module.UnitFactor;
    const double massLossRate =
        NumberOfText(entries.MassLossRate) * factor[kMassUnit] / factor[kAreaUnit];
    const double kBeta = NumberOfText(entries.KBeta) / factor[kLengthUnit];
    const double diameter = NumberOfText(entries.Diameter) * factor[kLengthUnit];
    const double tEnd = RoundHalfEven(NumberOfText(entries.TEnd));

    if (massLossRate <= 0) {
        return InputError{"The infinite size pool mass loss rate must be greater than 0",
                          "txtMLRInf"};
    }
    if (massLossRate > kLargestMassLossRate) {
        return InputError{"The infinite size pool mass loss rate is too large", "txtMLRInf"};
    }
    if (kBeta <= 0) {
        return InputError{"KxBeta must be greater than 0", "txtKBeta"};
    }
    if (kBeta > kLargestKBeta) {
        return InputError{"KxBeta is too large", "txtKBeta"};
    }
    if (diameter < kSmallestDiameter) {
        return InputError{"The pool diameter must exceed 0.2 m or 8 in.", "txtDiameter"};
    }
    if (auto error = CheckEndOfCurve(tEnd, kLongestCurve)) {
        return error;
    }

    const int delay = module.DelayTime;
    const int end = static_cast<int>(tEnd);
    if (!FitsFireTime(static_cast<long long>(delay) + end)) {
        return DelayAndEndTooLate();
    }
    const double area = std::pow(diameter, 2) * kPi / 4;
    const float q = RoundToSingle(module.HeatOfCombustion *
                                  ((1 - std::exp(-kBeta * diameter)) * (massLossRate * area)));
    if (!std::isfinite(q)) {
        return InputError{"The pool diameter is too large", "txtDiameter"};
    }

    FireCurve curve;
    curve.Time[0] = 0;
    curve.Rate[0] = 0;
    int i = 0;
    if (delay >= 1) {
        curve.Time[++i] = static_cast<std::int16_t>(delay);
        curve.Rate[i] = 0;
    }
    // Without a delay the full rate is reached at 1 s.
    curve.Time[++i] = static_cast<std::int16_t>(delay >= 1 ? delay + 1 : 1);
    curve.Rate[i] = q;
    curve.Time[++i] = static_cast<std::int16_t>(delay + end);
    curve.Rate[i] = q;
    curve.LastPoint = i;
    CommitCurve(curve, module);
    return std::nullopt;
}

} // namespace vorla::generator

#include "fire_generator/curves/pool_fire.h"

#include "common/text/number_text.h"
#include "common/text/precision.h"
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

PoolUnitCaptions PoolUnitCaptionsOf(const DesignFireState& module) {
    const std::string mass(module.Units.Mass.Label);
    const std::string area(module.Units.Area.Label);
    const std::string length(module.Units.Length.Label);
    return {mass + "/" + area + "-s", "1/" + length, length};
}

std::optional<RejectedInput> BuildPoolFire(DesignFireState& module, const PoolEntries& entries) {
    const UnitTables& units = module.Units;
    const double massLossRate =
        NumberOfText(entries.MassLossRate) * units.Mass.ToSI / units.Area.ToSI;
    const double kBeta = NumberOfText(entries.KBeta) / units.Length.ToSI;
    const double diameter = NumberOfText(entries.Diameter) * units.Length.ToSI;
    const double tEnd = RoundHalfEven(NumberOfText(entries.TEnd));

    if (massLossRate <= 0) {
        return RejectedEntry("The infinite size pool mass loss rate must be greater than 0",
                             "txtMLRInf");
    }
    if (massLossRate > kLargestMassLossRate) {
        return RejectedEntry("The infinite size pool mass loss rate is too large", "txtMLRInf");
    }
    if (kBeta <= 0) {
        return RejectedEntry("KxBeta must be greater than 0", "txtKBeta");
    }
    if (kBeta > kLargestKBeta) {
        return RejectedEntry("KxBeta is too large", "txtKBeta");
    }
    if (diameter < kSmallestDiameter) {
        return RejectedEntry("The pool diameter must exceed 0.2 m or 8 in.", "txtDiameter");
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
        return RejectedEntry("The pool diameter is too large", "txtDiameter");
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
    module.CurveKind = "Pool fire";
    module.CurveParameters = {
        {"Mass loss rate, infinite pool", ParameterText(massLossRate, "kg/(m²·s)")},
        {"k·beta", ParameterText(kBeta, "1/m")},
        {"Pool diameter", ParameterText(diameter, "m")},
        {"Steady rate", ParameterText(q, "kW")},
        {"End of burning", ParameterText(tEnd, "s after ignition")},
    };
    return std::nullopt;
}

} // namespace vorla::generator

#include "fire_generator/curves/tsquared_fire.h"

#include "common/text/format.h"
#include "common/text/number_text.h"
#include "common/text/precision.h"
#include "fire_generator/curves/curve_checks.h"
#include "fire_generator/curves/fire_curve.h"

#include <cmath>
#include <variant>

namespace vorla::generator {
namespace {

constexpr double kLargestAlpha = 2.11; // kW/s², 2 Btu/s/s² converted
constexpr int kTSquaredPointSpacing = 5;       // s

// The entries read and checked, in S.I. units.
struct TSquaredValues {
    double Alpha; // kW/s²
    double TMax;  // s
    double TEnd;  // s, whole
};

std::variant<TSquaredValues, RejectedInput> ReadTSquaredEntries(const DesignFireState& module,
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
        return std::move(*error);
    }
    return TSquaredValues{alpha, tMax, tEnd};
}

// A value in the question: no decimal point without decimals after it.
std::string QuestionNumber(double value, std::string_view pattern) {
    std::string text = Format(value, pattern);
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text;
}

} // namespace

std::optional<std::string> PeakNotReachedQuestion(const DesignFireState& module,
                                                  const TSquaredEntries& entries) {
    const auto read = ReadTSquaredEntries(module, entries);
    const auto* values = std::get_if<TSquaredValues>(&read);
    if (values == nullptr || values->TEnd >= values->TMax) {
        return std::nullopt;
    }
    const double factor = module.Units.HeatReleaseRate.ToSI;
    const std::string unit(module.Units.HeatReleaseRate.Label);
    const double reached = RoundToSingle(values->Alpha * std::pow(values->TEnd, 2)) / factor;
    const double maximum = RoundToSingle(values->Alpha * std::pow(values->TMax, 2)) / factor;
    return "The curve ends " + QuestionNumber(values->TEnd, "0") +
           " s after ignition, before the time to maximum QDOT of " +
           QuestionNumber(values->TMax, "0.###") + " s: it rises to no more than " +
           QuestionNumber(reached, "0.#") + " " + unit + " and never reaches its maximum of " +
           QuestionNumber(maximum, "0.#") + " " + unit + ". Build it anyway?";
}

std::string AlphaUnitsCaption(const DesignFireState& module) {
    return std::string(module.Units.HeatReleaseRate.Label) + "/s²";
}

std::optional<RejectedInput> BuildTSquaredFire(DesignFireState& module,
                                               const TSquaredEntries& entries) {
    const auto read = ReadTSquaredEntries(module, entries);
    if (const auto* error = std::get_if<RejectedInput>(&read)) {
        return *error;
    }
    const auto [alpha, tMax, tEnd] = std::get<TSquaredValues>(read);

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
        const int time = curve.Time[i] + kTSquaredPointSpacing;
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
    module.CurveKind = "T-squared fire";
    module.CurveParameters = {
        {"Growth factor alpha", ParameterText(alpha, "kW/s²")},
        {"Time to peak", ParameterText(tMax, "s after ignition")},
        {"Peak rate alpha·t²", ParameterText(qMax, "kW")},
        {"End of the curve", ParameterText(tEnd, "s after ignition")},
    };
    return std::nullopt;
}

} // namespace vorla::generator

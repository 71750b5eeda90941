#include "fire_generator/curves/furniture_fire.h"

#include "common/text/format.h"
#include "common/text/number_text.h"
#include "common/text/precision.h"
#include "fire_generator/curves/fire_curve.h"

#include <cmath>
#include <string>

namespace vorla::generator {
namespace {

// kW per kg of combustible mass for the factors all 1.
constexpr double kPeakPerMass = 210;

} // namespace

std::optional<RejectedInput> BuildFurnitureFire(DesignFireState& module,
                                                const FurnitureEntries& entries) {
    const double mass = NumberOfText(entries.CombustibleMass) * module.Units.Mass.ToSI;
    if (mass <= 0) {
        return RejectedEntry("The combustible mass must be greater than 0", "txtCombustibleMass");
    }

    const auto factor = [&](FurnitureFactor which) {
        return FurnitureFactorValue(which, entries.Selected[static_cast<int>(which)]);
    };
    const double ff = factor(FurnitureFactor::Fabric);
    const double pf = factor(FurnitureFactor::Padding);
    // The style factor has always been kept in single precision.
    const float sf = RoundToSingle(factor(FurnitureFactor::Style));
    const double fc = factor(FurnitureFactor::FrameCombustibility);
    const double fm = factor(FurnitureFactor::FrameMaterial);

    const double peak = sf * (fc * (mass * (pf * (ff * kPeakPerMass))));
    const double burningTime = (module.HeatOfCombustion * (mass * fm)) / peak;
    const float peakRate = RoundToSingle(peak);
    if (!std::isfinite(peakRate) || !std::isfinite(burningTime)) {
        return RejectedEntry("The combustible mass is too large", "txtCombustibleMass");
    }

    const int delay = module.DelayTime;
    const double start = delay < 1 ? 0 : delay;
    const double peakTime = RoundHalfEven(start + burningTime / 2);
    const double endTime = RoundHalfEven(start + burningTime);
    if (!(endTime <= kLatestFireTime)) {
        return RejectedEntry("The delay time plus the burning time of this fire (" +
                                 Format(burningTime, "0") + " s) must not exceed 32767 s",
                             "txtCombustibleMass");
    }

    FireCurve curve;
    curve.Time[0] = 0;
    curve.Rate[0] = 0;
    int i = 0;
    if (delay >= 1) {
        curve.Time[++i] = module.DelayTime;
        curve.Rate[i] = 0;
    }
    curve.Time[++i] = static_cast<std::int16_t>(peakTime);
    curve.Rate[i] = peakRate;
    curve.Time[++i] = static_cast<std::int16_t>(endTime);
    curve.Rate[i] = 0;
    curve.LastPoint = i;
    CommitCurve(curve, module);
    module.CurveKind = "Furniture fire";
    module.CurveParameters = {{"Combustible mass", ParameterText(mass, "kg")}};
    for (int f = 0; f < kFurnitureFactorCount; ++f) {
        const auto which = static_cast<FurnitureFactor>(f);
        const auto& frame = FurnitureFrameOf(which);
        const int selected = entries.Selected[static_cast<std::size_t>(f)];
        const bool known = selected >= 0 && selected < static_cast<int>(frame.Options.size());
        const auto& option = frame.Options[known ? static_cast<std::size_t>(selected) : 0];
        module.CurveParameters.push_back(
            {std::string(frame.Caption),
             std::string(option.Caption) + " (" +
                 ParameterText(FurnitureFactorValue(which, selected), "") + ")"});
    }
    module.CurveParameters.push_back({"Peak rate", ParameterText(peakRate, "kW")});
    module.CurveParameters.push_back({"Burning time", ParameterText(burningTime, "s")});
    return std::nullopt;
}

} // namespace vorla::generator

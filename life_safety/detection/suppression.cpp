#include "life_safety/detection/suppression.h"

#include "life_safety/detection/device.h"

#include <algorithm>
#include <cmath>

namespace vorla::detection {

double SuppressionTimeConstant(const Suppression& suppression) {
    return suppression.Constant * std::pow(suppression.SprayDensity, -suppression.Exponent);
}

double SuppressedHeatReleaseRate(const Suppression& suppression, double curveRate, double time,
                                 std::optional<double> activationTime, double rateAtActivation) {
    if (!activationTime || time < *activationTime) {
        return curveRate;
    }
    switch (suppression.Rule) {
    case SuppressionRule::Unchanged:
        return curveRate;
    case SuppressionRule::HeldAtActivation:
        return std::min(curveRate, rateAtActivation);
    case SuppressionRule::Decaying:
        return std::min(curveRate,
                        rateAtActivation * std::exp(-(time - *activationTime) /
                                                    SuppressionTimeConstant(suppression)));
    }
    return curveRate;
}

std::optional<std::string> CheckSuppression(const Suppression& suppression) {
    if (suppression.Rule != SuppressionRule::Decaying) {
        return std::nullopt;
    }
    const double w = suppression.SprayDensity;
    if (!(std::isfinite(w) && w > 0 && w <= 10)) {
        return "The spray density must be a number above 0 and up to 10 mm/s; " + ValueText(w) +
               " was given.";
    }
    const double a = suppression.Constant;
    if (!(std::isfinite(a) && a > 0 && a <= 1e6)) {
        return "The suppression constant A must be a number above 0 and up to 1000000; " +
               ValueText(a) + " was given.";
    }
    const double b = suppression.Exponent;
    if (!(std::isfinite(b) && b >= 0 && b <= 10)) {
        return "The suppression exponent B must be a number from 0 to 10; " + ValueText(b) +
               " was given.";
    }
    return std::nullopt;
}

} // namespace vorla::detection

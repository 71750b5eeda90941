#include "life_safety/tenability/fed_toxic.h"

#include <cmath>

namespace vorla::tenability {
namespace {

constexpr double kMicrolitresPerLitre = 1e6;
constexpr double kCarbonMonoxideDose = 35000; // µL/L min to incapacitation
constexpr double kCyanideExponent = 2.36;
constexpr double kCyanideDose = 1.2e6;

} // namespace

double HyperventilationFactor(double carbonDioxideVolumeFraction) {
    return std::exp(100 * carbonDioxideVolumeFraction / 5);
}

double AsphyxiantDoseRate(const BreathedGases& gases) {
    const double v = HyperventilationFactor(gases.CarbonDioxide);
    const double carbonMonoxide = gases.CarbonMonoxide * kMicrolitresPerLitre;
    const double cyanide = gases.HydrogenCyanide * kMicrolitresPerLitre;
    return carbonMonoxide * v / kCarbonMonoxideDose +
           std::pow(cyanide * v, kCyanideExponent) / kCyanideDose;
}

double AsphyxiantDose(const BreathedGases& start, const BreathedGases& end, double seconds) {
    const BreathedGases mean{0.5 * (start.CarbonMonoxide + end.CarbonMonoxide),
                             0.5 * (start.HydrogenCyanide + end.HydrogenCyanide),
                             0.5 * (start.CarbonDioxide + end.CarbonDioxide)};
    return AsphyxiantDoseRate(mean) * seconds / 60;
}

} // namespace vorla::tenability

#include "common/key_results/validity_limits.h"

#include "common/text/units.h"

namespace vorla {

double CeilingFroudeNumber(double rate, double heightAboveFire) {
    constexpr double kDensity = 1.2;           // kg/m³
    constexpr double kAirHeatCapacity = 1.004; // kJ/(kg K)
    constexpr double kGravity = 9.81;          // m/s²
    if (!(heightAboveFire > 0)) {
        return 0;
    }
    return rate / (kDensity * kAirHeatCapacity * kAmbientTemperature * std::sqrt(kGravity) *
                   std::pow(heightAboveFire, 2.5));
}

std::vector<ValidityLimitKey> ValidityLimitKeys(const ValidityFindings& found,
                                                const TestedRange& range) {
    std::vector<ValidityLimitKey> keys;
    const auto add = [&keys](const char* limit, const std::optional<int>& from) {
        if (from) {
            keys.push_back({limit, static_cast<double>(*from)});
        }
    };
    add("flames_reach_ceiling", found.FlamesReachCeiling);
    add("plume_within_flames", found.PlumeWithinFlames);
    if (found.OutsideTestedRange) {
        keys.push_back({"outside_tested_range", static_cast<double>(*found.OutsideTestedRange),
                        found.PeakFroudeNumber, range.LowestFroudeNumber,
                        range.HighestFroudeNumber});
    }
    add("entrainment_cap_active", found.EntrainmentCapActive);
    return keys;
}

} // namespace vorla

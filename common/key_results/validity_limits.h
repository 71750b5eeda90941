// Where a run leaves the range its correlations or the validation against
// measured fires cover: the flames reach the ceiling, the plume correlation is
// used inside the flames, the fire's size relative to the room lies outside the
// tested range. Pure functions of a run's inputs and result rows, so that the
// key results can name each limit in a line of their own.
#pragma once

#include "common/model_runs/fire_plumes.h"
#include "common/key_results/key_results.h"

#include <cmath>
#include <optional>
#include <vector>

namespace vorla {

// The fire's Froude number against the height it has to the ceiling,
// Q*_H = Q / (ρ∞·c_p·T∞·√g·H^(5/2)) with ρ∞ = 1.2 kg/m³, c_p = 1.004 kJ/(kg·K),
// T∞ = 294.26 K and g = 9.81 m/s² (the ambient of both models); 0 for no height.
double CeilingFroudeNumber(double rate, double heightAboveFire);

// The range of Q*_H the measured fires of the validation covered.
struct TestedRange {
    double LowestFroudeNumber = 0;
    double HighestFroudeNumber = 0;
};

// The limits one run reached, each with the time (s) of the first result row
// that reached it; nothing when the run stayed within it.
struct ValidityFindings {
    // Heskestad's mean flame height, HeskestadFlameHeight, reaches the ceiling.
    std::optional<int> FlamesReachCeiling;
    // The interface lies below the flame tip while Zukoski's plume, a relation
    // for the plume above the flames, gives the entrainment. Heskestad's option
    // has a relation within the flames and is not flagged.
    std::optional<int> PlumeWithinFlames;
    // The peak Q*_H of the run, and the time of the row with it when it lies
    // outside the tested range.
    double PeakFroudeNumber = 0;
    std::optional<int> OutsideTestedRange;
    // The plume's entrainment at its cap, the flow of the fire its own air just
    // burns (VORLA-XW only: the rows it flags as starved of air).
    std::optional<int> EntrainmentCapActive;
};

// The ranges of Q*_H the measured fires of the validation covered
// (docs/verification/README.md, "The parameter space the tests cover"): for
// VORLA-XW, Steckler's room (Q*_H 0.004 to 0.022) and the NIST/NRC room (0.037
// to 0.038); for SKEVA-XW, VTT's hall, peaks of 1.86 to 3.64 MW under a 19 m
// ceiling (0.0011 to 0.0021, Hostikka et al., VTT 1998), widened to the
// rounding of its last digit.
inline constexpr TestedRange kCompartmentTestedRange{0.004, 0.038};
inline constexpr TestedRange kSmokeTestedRange{0.0010, 0.0021};

// The findings as key results, in a fixed order: flames at the ceiling, plume
// within the flames, outside the tested range, entrainment cap.
std::vector<ValidityLimitKey> ValidityLimitKeys(const ValidityFindings& found,
                                                const TestedRange& range);

// The findings common to both models from rows with Time (s), InterfaceHeight
// (m) and HeatReleaseRate (kW) columns and a LastRow.
template <class Rows>
ValidityFindings FindValidityLimits(const Rows& rows, double roomHeight, double fireHeight,
                                    PlumeCorrelation plume, const TestedRange& range) {
    ValidityFindings found;
    const double toCeiling = roomHeight - fireHeight;
    int peakTime = 0;
    for (int i = 0; i <= rows.LastRow; ++i) {
        const int time = rows.Time[i];
        const double rate = rows.HeatReleaseRate[i];
        const double flame = HeskestadFlameHeight(rate);
        if (flame > 0 && flame >= toCeiling && !found.FlamesReachCeiling) {
            found.FlamesReachCeiling = time;
        }
        const double aboveFire = rows.InterfaceHeight[i] - fireHeight;
        if (plume == PlumeCorrelation::Zukoski && flame > 0 && aboveFire > 0 && aboveFire < flame &&
            !found.PlumeWithinFlames) {
            found.PlumeWithinFlames = time;
        }
        const double froude = CeilingFroudeNumber(rate, toCeiling);
        if (froude > found.PeakFroudeNumber) {
            found.PeakFroudeNumber = froude;
            peakTime = time;
        }
    }
    if (found.PeakFroudeNumber < range.LowestFroudeNumber ||
        found.PeakFroudeNumber > range.HighestFroudeNumber) {
        found.OutsideTestedRange = peakTime;
    }
    return found;
}

} // namespace vorla

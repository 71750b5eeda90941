// std::pow(x, 1.0 / 3.0) bit for bit, for a run of arguments that change
// little from one call to the next (a plume's mass flow as the layer moves).
#pragma once

#include "common/text/exact_powers.h"

#include <cmath>
#include <limits>

namespace vorla {

// Keeps the cube root of an earlier argument (the anchor) to twice double
// precision. An argument within 1/256 of the anchor gets its root from the
// anchor's through the binomial series of (1 + u)^(1/3), x = anchor (1 + u).
// Counting every rounding, that root is within 4 |u| (at most 0.016) of a unit
// in the last place, so unless it lies too close to a rounding boundary the
// correctly rounded root is known, and std::pow returns it (see
// exact_powers.h: the anchors keep |ln(x) / 3| <= 150). Other arguments call
// std::pow and become the anchor, and so does an argument half the reach away,
// its root refined from the series' result.
//
// std::pow's exponent, the double nearest 1/3, is 2^-54 / 3 below a third:
// the power is the cube root times x^(-2^-54 / 3) = 1 - 2^-54 / 3 ln(x).
class NearbyCubeRoots {
  public:
    double Of(double x) {
        const double difference = x - anchor_;
        if (!(std::fabs(difference) <= reach_)) [[unlikely]] {
            const double power = std::pow(x, 1.0 / 3.0);
            Anchor(x, power, std::log(x));
            return power;
        }
        const double u = difference * inverse_; // x = anchor (1 + u), |u| <= 2^-8
        // (1 + u)^(1/3) - 1 to the eighth power of u, by Estrin's scheme (the
        // next term is below 2^-74).
        const double u2 = u * u;
        const double low = (kC1 + kC2 * u) + u2 * (kC3 + kC4 * u);
        const double high = (kC5 + kC6 * u) + u2 * (kC7 + kC8 * u);
        const double series = u * (low + (u2 * u2) * high);
        // ln(x) = ln(anchor) + u within u^2 / 2: ample for a 2^-56 share.
        const double shortfall = -kExponentShortfall * (logarithm_ + u);
        const double relative = series + shortfall + series * shortfall;
        const double correction = rootLow_ + (rootHigh_ * relative + rootLow_ * relative);
        const double rounded = rootHigh_ + correction;
        // The roundings of u, the series and the sums leave the root within
        // 4 |u| units of rootHigh_ + correction.
        if (!exact_powers_detail::RoundsClearly(rootHigh_, correction, rounded,
                                                0.479 - 4 * std::fabs(u))) [[unlikely]] {
            return std::pow(x, 1.0 / 3.0);
        }
        // A root that has drifted half the reach becomes the anchor, so
        // arguments that drift seldom leave the reach. ln(1 + u) to u^3 / 3
        // leaves 2^-34 for each such step, never enough to tell.
        if (std::fabs(u) > 0x1p-9) {
            Anchor(x, rounded, logarithm_ + u * (1 - u * (0.5 - u / 3)));
        }
        return rounded;
    }

  private:
    static constexpr double kC1 = 1.0 / 3;
    static constexpr double kC2 = -1.0 / 9;
    static constexpr double kC3 = 5.0 / 81;
    static constexpr double kC4 = -10.0 / 243;
    static constexpr double kC5 = 22.0 / 729;
    static constexpr double kC6 = -154.0 / 6561;
    static constexpr double kC7 = 374.0 / 19683;
    static constexpr double kC8 = -935.0 / 59049;
    static constexpr double kExponentShortfall = 0x1p-54 / 3;

    // Makes x the anchor, its cube root refined from std::pow's power (or any
    // within 2^-46 of the root) by one Newton step carried out with exact
    // products.
    void Anchor(double x, double power, double logarithm);

    double anchor_ = std::numeric_limits<double>::quiet_NaN();
    double reach_ = 0;     // anchor / 256
    double inverse_ = 0;   // 1 / anchor
    double logarithm_ = 0; // ln(anchor)
    double rootHigh_ = 0;  // anchor^(1/3) = rootHigh_ + rootLow_ to 2^-90
    double rootLow_ = 0;
};

} // namespace vorla

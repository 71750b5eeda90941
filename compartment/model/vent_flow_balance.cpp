#include "compartment/model/vent_flow_balance.h"

#include "common/text/exact_powers.h"
#include "common/text/precision.h"
#include "compartment/model/zone_constants.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vorla::compartment {
namespace {

// Each residual is a few products, quotients, square roots and powers of
// positive terms, then a sum and a difference of three terms. Counted through,
// both the exact residual and the fast estimate lie within about 12 roundings
// (units of 2^-53) of the sum of the three terms' magnitudes from the residual
// in exact arithmetic on the same neutral plane; allowing 64 roundings for each
// also covers the rounding of the bound's own arithmetic several times over.
constexpr double kRounding = std::numeric_limits<double>::epsilon() / 2;
constexpr double kErrorPerMagnitude = 128 * kRounding;

// An estimate whose bound is this wide proves little; the exact residual is
// then used throughout (a layer barely warmer than ambient air, for example).
constexpr double kLargestUsefulError = kBalanceTolerance / 4;

// x^1.5 within two roundings, where std::pow is within one.
double FastPowerOneAndAHalf(double x) {
    return x * std::sqrt(x);
}

bool AllFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Regime 2. The residual T mup + Ta mlow - T e, with mlow growing as sqrt(dp)
// and mup = linear ((a + c)^1.5 - a^1.5) / g2, a = dp / T, c = g2 (Hs - z),
// grows with dp whenever c >= 0 and g2 > 0 (a warm layer below the soffit): the
// slope of (a + c)^1.5 - a^1.5 is 1.5 (sqrt(a + c) - sqrt(a)).
class OutflowBalance {
  public:
    OutflowBalance(const VentCoefficients& vent, double z, double T, double e, double g2)
        : uniform_(vent.Uniform), linear_(vent.Linear), T_(T), g2_(g2),
          belowInterface_(z - vent.SillHeight),
          aboveInterface_(static_cast<double>(vent.SoffitHeight) - z),
          heightTerm_(g2 * aboveInterface_), expansionTerm_(T * e) {
        top_ = kAmbientTemperature *
               std::pow(e * T / (uniform_ * belowInterface_ * kAmbientTemperature), 2);
        const bool shapeKnown = g2 > 0 && T > 0 && belowInterface_ > 0 && aboveInterface_ > 0 &&
                                uniform_ > 0 && linear_ > 0 && top_ > 0 &&
                                AllFinite({T, g2, top_, expansionTerm_, heightTerm_});
        if (shapeKnown) {
            // Every term's magnitude is largest at the top of the bracket.
            const double a = top_ / T;
            const double magnitude =
                T * linear_ * (FastPowerOneAndAHalf(a + heightTerm_) + FastPowerOneAndAHalf(a)) /
                    g2 +
                kAmbientTemperature * uniform_ * std::sqrt(top_ / kAmbientTemperature) *
                    belowInterface_ +
                std::fabs(expansionTerm_);
            error_ = kErrorPerMagnitude * magnitude;
            estimable_ = error_ <= kLargestUsefulError;
        }
    }

    double Top() const { return top_; }
    bool Estimable() const { return estimable_; }

    ExactResidual Exact(double dp) const {
        const double mlow =
            uniform_ * std::sqrt(std::fabs(dp / kAmbientTemperature)) * belowInterface_;
        const double mup = OutflowAt(dp);
        return {T_ * mup + kAmbientTemperature * mlow - expansionTerm_, mup};
    }

    double OutflowAt(double dp) const {
        const double a = dp / T_;
        if (g2_ != 0) {
            return linear_ *
                   (PowerOneAndAHalf(std::fabs(a + heightTerm_)) - PowerOneAndAHalf(std::fabs(a))) /
                   g2_;
        }
        // A layer at exactly ambient temperature has no buoyancy: the limit of
        // the expression above as g2 goes to zero.
        return linear_ * (1.5 * std::sqrt(std::fabs(a)) * aboveInterface_);
    }

    ResidualEstimate Estimate(double dp) const {
        const double rootDp = std::sqrt(std::fabs(dp / kAmbientTemperature));
        const double mlow = uniform_ * rootDp * belowInterface_;
        const double a = std::fabs(dp / T_);
        const double shifted = std::fabs(a + heightTerm_);
        const double rootShifted = std::sqrt(shifted);
        const double rootA = std::sqrt(a);
        const double mup = linear_ * (shifted * rootShifted - a * rootA) / g2_;
        const double r = T_ * mup + kAmbientTemperature * mlow - expansionTerm_;
        ResidualEstimate estimate;
        estimate.Value = r;
        estimate.Error = error_;
        estimate.MostBelow = r + error_;
        estimate.LeastAbove = r - error_;
        estimate.Slope =
            1.5 * linear_ * (rootShifted - rootA) / g2_ + uniform_ * belowInterface_ / (2 * rootDp);
        return estimate;
    }

  private:
    double uniform_;
    double linear_;
    double T_;
    double g2_;
    double belowInterface_;
    double aboveInterface_;
    double heightTerm_;
    double expansionTerm_;
    double top_ = 0;
    double error_ = 0;
    bool estimable_ = false;
};

// Regime 3. The residual T mup - Ta min - T e, oriented here as its negative.
// The neutral plane is kept in single precision, so the flows step with it; the
// plane is a chain of correctly rounded operations on dp and never moves down as
// dp grows. Between the interface and the soffit, min grows (with sqrt(dp) and
// with the plane's height above the interface) and mup shrinks (with the plane's
// depth below the soffit), so the negated residual grows with dp. Only within a
// single-precision step of the interface or the soffit can the plane leave that
// range; the bounds there use the largest depth the plane can reach.
class InflowBalance {
  public:
    InflowBalance(const VentCoefficients& vent, double z, double T, double e, double g1, double g2)
        : soffit_(vent.SoffitHeight), z_(z), T_(T), uniform_(vent.Uniform),
          belowInterface_(z - vent.SillHeight), inverseDifference_(1 / kAmbientTemperature - 1 / T),
          inflowCoefficient_(vent.Linear * std::sqrt(std::fabs(g1))),
          outflowCoefficient_(vent.Linear * std::sqrt(std::fabs(g2))), expansionTerm_(T * e),
          planePerPressure_(1 / (kDensityGravityTemperature * inverseDifference_)) {
        top_ = kDensityGravityTemperature * (soffit_ - z) * inverseDifference_;
        const bool shapeKnown =
            inverseDifference_ > 0 && T > 0 && g1 > 0 && g2 > 0 && belowInterface_ > 0 &&
            uniform_ > 0 && top_ > 0 &&
            AllFinite({z, T, top_, expansionTerm_, inflowCoefficient_, outflowCoefficient_});
        if (shapeKnown) {
            // At dp >= 0 the plane is never below z rounded to single precision,
            // and never above its place at the top of the bracket.
            const double lowestPlane = RoundToSingle(z);
            const double highestPlane = NeutralPlane(top_);
            belowInterfaceMost_ = std::max(z - lowestPlane, 0.0);
            aboveSoffitMost_ = std::max(highestPlane - soffit_, 0.0);
            const double deepest =
                std::max({static_cast<double>(soffit_) - lowestPlane, highestPlane - z,
                          aboveSoffitMost_, belowInterfaceMost_});
            const double magnitude =
                (T * outflowCoefficient_ + kAmbientTemperature * inflowCoefficient_) *
                    FastPowerOneAndAHalf(deepest) +
                kAmbientTemperature * uniform_ * std::sqrt(top_ / kAmbientTemperature) *
                    belowInterface_ +
                std::fabs(expansionTerm_);
            error_ = kErrorPerMagnitude * magnitude;
            estimable_ = error_ <= kLargestUsefulError;
        }
    }

    double Top() const { return top_; }
    bool Estimable() const { return estimable_; }

    ExactResidual Exact(double dp) const {
        const float neutralPlane = NeutralPlane(dp);
        const double min =
            uniform_ * std::sqrt(std::fabs(dp / kAmbientTemperature)) * belowInterface_ +
            inflowCoefficient_ * std::pow(std::fabs(neutralPlane - z_), 1.5);
        const double mup = OutflowFrom(neutralPlane);
        return {-(T_ * mup - kAmbientTemperature * min - expansionTerm_), mup};
    }

    double OutflowAt(double dp) const { return OutflowFrom(NeutralPlane(dp)); }

    ResidualEstimate Estimate(double dp) const {
        const double rootDp = std::sqrt(std::fabs(dp / kAmbientTemperature));
        const double uniformPart = uniform_ * rootDp * belowInterface_;
        const double plane = NeutralPlane(dp);
        const double above = std::fabs(plane - z_);
        const double below = std::fabs(static_cast<double>(soffit_) - plane);
        const double rootAbove = std::sqrt(above);
        const double rootBelow = std::sqrt(below);
        const auto residual = [&](double aboveInterface, double belowSoffit) {
            const double min =
                uniformPart + inflowCoefficient_ * FastPowerOneAndAHalf(aboveInterface);
            const double mup = outflowCoefficient_ * FastPowerOneAndAHalf(belowSoffit);
            return -(T_ * mup - kAmbientTemperature * min - expansionTerm_);
        };
        const double value =
            -(T_ * (outflowCoefficient_ * (below * rootBelow)) -
              kAmbientTemperature * (uniformPart + inflowCoefficient_ * (above * rootAbove)) -
              expansionTerm_);
        ResidualEstimate estimate;
        estimate.Value = value;
        estimate.Error = error_;
        // At every dp at or above this one the plane is at least this high.
        if (plane >= z_) {
            const double deepest = std::max(below, aboveSoffitMost_);
            const double least = deepest == below ? value : residual(above, deepest);
            estimate.LeastAbove = least - error_;
        }
        // At every dp at or below this one the plane is at most this high.
        if (plane <= soffit_) {
            const double highest = std::max(above, belowInterfaceMost_);
            const double most = highest == above ? value : residual(highest, below);
            estimate.MostBelow = most + error_;
        }
        estimate.Slope = 1.5 * planePerPressure_ *
                             (T_ * outflowCoefficient_ * rootBelow +
                              kAmbientTemperature * inflowCoefficient_ * rootAbove) +
                         uniform_ * belowInterface_ / (2 * rootDp);
        return estimate;
    }

  private:
    float NeutralPlane(double dp) const {
        // One product instead of two quotients is within five roundings of
        // the plane's height above the interface, so the sum with z is within
        // seven: unless that straddles a single-precision rounding boundary,
        // the plane in single precision is the same.
        const double estimate = dp * planePerPressure_;
        const double slack = 8 * kRounding * (std::fabs(z_) + std::fabs(estimate));
        const float low = RoundToSingle(z_ + estimate - slack);
        if (low == RoundToSingle(z_ + estimate + slack)) {
            return low;
        }
        // At exactly ambient temperature the bracket is [0, 0] and the plane
        // stays at the interface rather than dividing zero by zero.
        const double planeAboveInterface =
            inverseDifference_ != 0 ? (dp / kDensityGravityTemperature) / inverseDifference_ : 0;
        return RoundToSingle(z_ + planeAboveInterface);
    }

    double OutflowFrom(float neutralPlane) const {
        const double ventTop = static_cast<double>(soffit_) - static_cast<double>(neutralPlane);
        return outflowCoefficient_ * PowerOneAndAHalf(std::fabs(ventTop));
    }

    float soffit_;
    double z_;
    double T_;
    double uniform_;
    double belowInterface_;
    double inverseDifference_;
    double inflowCoefficient_;
    double outflowCoefficient_;
    double expansionTerm_;
    // m of neutral plane above the interface per Pa, for the fast estimate.
    double planePerPressure_;
    double top_ = 0;
    double error_ = 0;
    // How far the plane can be below the interface, or above the soffit.
    double belowInterfaceMost_ = 0;
    double aboveSoffitMost_ = 0;
    bool estimable_ = false;
};

} // namespace

VentCoefficients VentCoefficientsOf(const RunInputs& in) {
    VentCoefficients vent;
    vent.Uniform = kUniformProfileCoefficient * in.VentWidth * kFlowCoefficient;
    vent.Linear = kLinearProfileCoefficient * in.VentWidth * kFlowCoefficient;
    vent.SillHeight = in.SillHeight;
    vent.SoffitHeight = in.SoffitHeight;
    return vent;
}

double OutflowBelowInterface(const VentCoefficients& vent, double z, double T, double e, double g2,
                             BalanceGuess& guess) {
    const OutflowBalance balance(vent, z, T, e, g2);
    return SolveBalance(balance, balance.Top(), guess);
}

double InflowAboveInterface(const VentCoefficients& vent, double z, double T, double e, double g1,
                            double g2, BalanceGuess& guess) {
    const InflowBalance balance(vent, z, T, e, g1, g2);
    return SolveBalance(balance, balance.Top(), guess);
}

} // namespace vorla::compartment

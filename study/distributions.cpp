#include "study/distributions.h"

#include <algorithm>
#include <boost/math/distributions/beta.hpp>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace vorla::study {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The smallest and largest probabilities passed to a quantile: a sum such as
// (stratum + draw) / n can round to exactly 1.
double OpenUnit(double u) {
    return std::clamp(u, 0x1.0p-60, 1 - 0x1.0p-53);
}

// P. J. Acklam's rational approximation (relative error below 1.2e-9), the
// starting point of the Halley steps in NormalQuantile.
double AcklamQuantile(double p) {
    static constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,
                                   -2.759285104469687e+02, 1.383577518672690e+02,
                                   -3.066479806614716e+01, 2.506628277459239e+00};
    static constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02,
                                   -1.556989798598866e+02, 6.680131188771972e+01,
                                   -1.328068155288572e+01};
    static constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01,
                                   -2.400758277161838e+00, -2.549732539343734e+00,
                                   4.374664141464968e+00,  2.938163982698783e+00};
    static constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01,
                                   2.445134137142996e+00, 3.754408661907416e+00};
    constexpr double kLow = 0.02425;
    if (p < kLow || p > 1 - kLow) {
        const double q = std::sqrt(-2 * std::log(p < kLow ? p : 1 - p));
        const double x = (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
                         ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
        return p < kLow ? x : -x;
    }
    const double q = p - 0.5;
    const double r = q * q;
    return (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
           (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
}

// The standard normal truncated to [a, b] at probability u. Bounds wholly in the
// upper tail are mirrored into the lower tail, where the distribution function
// keeps its precision.
double TruncatedStandardNormal(double u, double a, double b) {
    if (a > 0) {
        return -TruncatedStandardNormal(1 - u, -b, -a);
    }
    const double low = NormalCdf(a);
    const double high = NormalCdf(b);
    const double x = NormalQuantile(OpenUnit(low + u * (high - low)));
    return std::clamp(x, a, b);
}

struct StandardBounds {
    double a;
    double b;
};

StandardBounds StandardBoundsOf(const Normal& normal) {
    const auto standard = [&](double value) {
        if (normal.Lognormal) {
            return value > 0 ? (std::log(value) - normal.Mean) / normal.Sd : -kInfinity;
        }
        return (value - normal.Mean) / normal.Sd;
    };
    return {normal.Min ? standard(*normal.Min) : -kInfinity,
            normal.Max ? standard(*normal.Max) : kInfinity};
}

double NormalValueAt(const Normal& normal, double u) {
    const auto [a, b] = StandardBoundsOf(normal);
    const double z = TruncatedStandardNormal(u, a, b);
    double value = normal.Mean + normal.Sd * z;
    if (normal.Lognormal) {
        value = std::exp(value);
    }
    // Rounding in the last step must not carry a value across a bound.
    if (normal.Min) {
        value = std::max(value, *normal.Min);
    }
    if (normal.Max) {
        value = std::min(value, *normal.Max);
    }
    return value;
}

double TriangularValueAt(const Triangular& t, double u) {
    const double width = t.High - t.Low;
    const double modeShare = (t.Mode - t.Low) / width;
    if (u < modeShare) {
        return t.Low + std::sqrt(u * width * (t.Mode - t.Low));
    }
    return t.High - std::sqrt((1 - u) * width * (t.High - t.Mode));
}

double ChoiceAt(const Choice& choice, double u) {
    double total = 0;
    for (const double weight : choice.Weights) {
        total += weight;
    }
    const double target = u * total;
    double cumulative = 0;
    std::size_t last = 0;
    for (std::size_t k = 0; k < choice.Weights.size(); ++k) {
        if (choice.Weights[k] <= 0) {
            continue;
        }
        cumulative += choice.Weights[k];
        last = k;
        if (target < cumulative) {
            return static_cast<double>(k);
        }
    }
    return static_cast<double>(last);
}

// The inverse of the empirical distribution function of equally likely
// values: the k-th of n sorted values holds the probabilities [k/n, (k+1)/n).
double EmpiricalValuesAt(const Empirical& empirical, double u) {
    const std::size_t n = empirical.X.size();
    const auto k = static_cast<std::size_t>(u * static_cast<double>(n));
    return empirical.X[std::min(k, n - 1)];
}

// The inverse of a distribution function linear between its points: the first
// segment whose F reaches past u, interpolated. Segments where F stays level
// hold no probability and are never drawn from.
double EmpiricalCdfAt(const Empirical& empirical, double u) {
    const auto& x = empirical.X;
    const auto& f = empirical.F;
    const auto above = std::upper_bound(f.begin(), f.end(), u);
    if (above == f.begin()) {
        return x.front();
    }
    if (above == f.end()) {
        return x.back();
    }
    const auto k = static_cast<std::size_t>(above - f.begin());
    const double share = (u - f[k - 1]) / (f[k] - f[k - 1]);
    return std::clamp(x[k - 1] + share * (x[k] - x[k - 1]), x[k - 1], x[k]);
}

double BetaValueAt(const Beta& beta, double u) {
    const double x = BetaQuantile(beta.Alpha, beta.Shape2, u);
    // Weighted rather than Low + x (High - Low): the width of the widest
    // ranges overflows.
    return std::clamp(beta.Low * (1 - x) + beta.High * x, beta.Low, beta.High);
}

} // namespace

double BetaQuantile(double alpha, double shape2, double p) {
    // Errors come back as NaN (with errno), never as an exception: the study
    // reader has already refused shapes that are not above 0.
    using namespace boost::math::policies;
    using Quiet = policy<domain_error<errno_on_error>, pole_error<errno_on_error>,
                         overflow_error<errno_on_error>, evaluation_error<errno_on_error>>;
    return boost::math::quantile(boost::math::beta_distribution<double, Quiet>(alpha, shape2), p);
}

double NormalCdf(double x) {
    return 0.5 * std::erfc(-x / std::numbers::sqrt2);
}

double NormalQuantile(double p) {
    if (!(p > 0)) {
        return -kInfinity;
    }
    if (!(p < 1)) {
        return kInfinity;
    }
    double x = AcklamQuantile(p);
    // Two Halley steps on NormalCdf(x) = p bring the approximation to the
    // precision of erfc.
    for (int step = 0; step < 2; ++step) {
        const double error = NormalCdf(x) - p;
        const double u = error * std::sqrt(2 * std::numbers::pi) * std::exp(x * x / 2);
        x -= u / (1 + x * u / 2);
    }
    return x;
}

double KeptProbability(const Normal& normal) {
    const auto [a, b] = StandardBoundsOf(normal);
    if (!(b > a)) {
        return 0;
    }
    return a > 0 ? NormalCdf(-a) - NormalCdf(-b) : NormalCdf(b) - NormalCdf(a);
}

double ValueAt(const Distribution& distribution, double u) {
    u = OpenUnit(u);
    if (const auto* uniform = std::get_if<Uniform>(&distribution)) {
        return uniform->Low + u * (uniform->High - uniform->Low);
    }
    if (const auto* triangular = std::get_if<Triangular>(&distribution)) {
        return TriangularValueAt(*triangular, u);
    }
    if (const auto* normal = std::get_if<Normal>(&distribution)) {
        return NormalValueAt(*normal, u);
    }
    if (const auto* beta = std::get_if<Beta>(&distribution)) {
        return BetaValueAt(*beta, u);
    }
    if (const auto* empirical = std::get_if<Empirical>(&distribution)) {
        return empirical->FromValues ? EmpiricalValuesAt(*empirical, u)
                                     : EmpiricalCdfAt(*empirical, u);
    }
    return ChoiceAt(std::get<Choice>(distribution), u);
}

} // namespace vorla::study

namespace vorla::study {

bool SamplesStayFinite(const Distribution& distribution) {
    std::vector<double> probabilities = {0, 0.5, 1};
    if (const auto* t = std::get_if<Triangular>(&distribution)) {
        const double modeShare = (t->Mode - t->Low) / (t->High - t->Low);
        probabilities.push_back(modeShare);
        probabilities.push_back(std::nextafter(modeShare, 0.0));
        probabilities.push_back(std::nextafter(modeShare, 1.0));
    }
    for (const double u : probabilities) {
        if (!std::isfinite(ValueAt(distribution, u))) {
            return false;
        }
    }
    return true;
}

} // namespace vorla::study

// The distributions a design study samples its inputs from, each turned into
// a value by its inverse cumulative distribution function, so that one uniform
// number gives one value (which keeps a Latin hypercube's strata intact).
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vorla::study {

struct Uniform {
    double Low = 0;
    double High = 1;
};

struct Triangular {
    double Low = 0;
    double Mode = 0;
    double High = 1;
};

// A normal distribution, or the normal distribution of ln(value) (lognormal),
// optionally truncated to [Min, Max] (in value terms for both).
struct Normal {
    bool Lognormal = false;
    double Mean = 0; // mu of ln(value) for a lognormal
    double Sd = 1;   // sigma of ln(value) for a lognormal
    std::optional<double> Min;
    std::optional<double> Max;
    // Written in the study file as truncated-normal = [mean, sd, low, high]
    // rather than as normal with min and max: the summary echoes it so.
    bool WrittenTruncated = false;
};

// One of a list, the n-th with probability Weights[n] / sum of Weights.
struct Choice {
    std::vector<double> Weights;
};

// A beta distribution of shapes Alpha and Shape2 (both above 0), scaled from
// [0, 1] to [Low, High].
struct Beta {
    double Alpha = 1;
    double Shape2 = 1;
    double Low = 0;
    double High = 1;
};

// A distribution the user gives by its points. From a list of values
// (FromValues), each value equally likely: X holds them in rising order and a
// draw is the inverse of their step-shaped empirical distribution function.
// From a distribution function, the points (X[k], F[k]) with X rising, F never
// falling from 0 to 1, and F linear between them.
struct Empirical {
    bool FromValues = false;
    std::vector<double> X;
    std::vector<double> F;
    std::vector<double> ValuesAsWritten; // the list in the file's order
};

using Distribution = std::variant<Uniform, Triangular, Normal, Choice, Beta, Empirical>;

// The standard normal distribution function and its inverse (0 < p < 1), both
// to nearly full double precision.
double NormalCdf(double x);
double NormalQuantile(double p);

// The probability a truncated normal or lognormal keeps between its bounds.
double KeptProbability(const Normal& normal);

// The standard beta distribution's quantile at p (0 < p < 1), from Boost.Math.
double BetaQuantile(double alpha, double shape2, double p);

// The value at probability u (0 < u < 1). A truncated distribution inverts the
// truncated distribution function, so its values always lie within the bounds
// and are never piled up on them. A choice gives the index of the chosen entry.
double ValueAt(const Distribution& distribution, double u);

// Whether every value ValueAt can give is a finite number. The quantiles are
// monotone, so the ends of the open unit interval bound them; a triangular
// distribution's square roots are also tried where their products peak (at
// the mode), since its width can be finite while a product overflows.
bool SamplesStayFinite(const Distribution& distribution);

} // namespace vorla::study

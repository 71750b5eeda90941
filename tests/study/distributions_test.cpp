#include "study/distributions.h"
#include "study/random_numbers.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace vorla::study {
namespace {

TEST(NormalQuantile, KnownValuesAndInverseOfTheCdf) {
    struct Case {
        double p;
        double z; // from published tables
    };
    const Case cases[] = {
        {0.5, 0.0},
        {0.975, 1.959963984540054},
        {0.05, -1.6448536269514722},
        {0.841344746068543, 1.0},
        {1e-10, -6.361340902404056},
        {0.999, 3.090232306167813},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(NormalQuantile(c.p), c.z, 1e-12 * (1 + std::abs(c.z))) << c.p;
    }
    for (double p = 1e-15; p < 1; p = p < 0.01 ? p * 7 : p + 0.013) {
        EXPECT_NEAR(NormalCdf(NormalQuantile(p)), p, 1e-14 + 1e-12 * p) << p;
    }
}

// Many draws of a distribution through the study's own random numbers.
std::vector<double> Draws(const Distribution& distribution, int n = 200000) {
    std::vector<double> values;
    values.reserve(n);
    for (int i = 0; i < n; ++i) {
        values.push_back(ValueAt(distribution, UniformDraw(7, DrawPurpose::RunInput, i, 3)));
    }
    return values;
}

double MeanOf(const std::vector<double>& v) {
    double sum = 0;
    for (const double x : v) {
        sum += x;
    }
    return sum / v.size();
}

double SdOf(const std::vector<double>& v) {
    const double m = MeanOf(v);
    double sum = 0;
    for (const double x : v) {
        sum += (x - m) * (x - m);
    }
    return std::sqrt(sum / (v.size() - 1));
}

double FractionBelow(const std::vector<double>& v, double x) {
    return static_cast<double>(std::count_if(v.begin(), v.end(), [&](double y) { return y < x; })) /
           v.size();
}

double Phi(double x) {
    return 0.5 * std::erfc(-x / std::numbers::sqrt2);
}

double phi(double x) {
    return std::exp(-x * x / 2) / std::sqrt(2 * std::numbers::pi);
}

TEST(ValueAt, MomentsOfEachDistribution) {
    struct Case {
        const char* what;
        Distribution distribution;
        double mean; // from the distribution's formula
        double sd;
        double low, high; // every value within
    };
    // Truncated normal N(20, 2) on [15, 25]: mean 20 (symmetric); the variance
    // shrinks by 1 - 2 a phi(a) / (Phi(a) - Phi(-a)) with a = 2.5.
    const double a = 2.5;
    const double truncatedSd = 2 * std::sqrt(1 - 2 * a * phi(a) / (Phi(a) - Phi(-a)));
    // N(0, 1) kept above 1: mean phi(1) / (1 - Phi(1)).
    const double upperTailMean = phi(1) / (1 - Phi(1));
    const double upperTailSd = std::sqrt(1 + 1 * upperTailMean - upperTailMean * upperTailMean);
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"uniform", Uniform{0.5, 0.9}, 0.7, 0.4 / std::sqrt(12.0), 0.5, 0.9},
        {"triangular", Triangular{0.25, 0.35, 0.45}, 0.35,
         std::sqrt((0.0625 + 0.1225 + 0.2025 - 0.0875 - 0.1125 - 0.1575) / 18), 0.25, 0.45},
        {"skewed triangular", Triangular{0, 0, 3}, 1, std::sqrt(9.0 / 18), 0, 3},
        {"normal", Normal{false, 20, 2, {}, {}}, 20, 2, -inf, inf},
        {"truncated normal", Normal{false, 20, 2, 15.0, 25.0}, 20, truncatedSd, 15, 25},
        {"normal in its upper tail", Normal{false, 0, 1, 1.0, {}}, upperTailMean, upperTailSd, 1,
         inf},
        {"lognormal", Normal{true, -0.1, 0.2, {}, {}}, std::exp(-0.1 + 0.02),
         std::exp(-0.1 + 0.02) * std::sqrt(std::exp(0.04) - 1), 0, inf},
    };
    for (const auto& c : cases) {
        const auto values = Draws(c.distribution);
        const double standardError = c.sd / std::sqrt(values.size());
        EXPECT_NEAR(MeanOf(values), c.mean, 5 * standardError) << c.what;
        EXPECT_NEAR(SdOf(values), c.sd, 0.01 * c.sd) << c.what;
        EXPECT_GE(*std::min_element(values.begin(), values.end()), c.low) << c.what;
        EXPECT_LE(*std::max_element(values.begin(), values.end()), c.high) << c.what;
    }
}

TEST(ValueAt, TruncationInvertsTheTruncatedCdfAndNeverClips) {
    // A clipped distribution would pile its tail up on the bound: here the
    // share just above the bound follows the density instead.
    const Normal upperTail{false, 0, 1, 1.0, {}};
    const auto values = Draws(upperTail);
    const double expected = (Phi(1.01) - Phi(1)) / (1 - Phi(1));
    EXPECT_NEAR(FractionBelow(values, 1.01), expected, 0.002);
    EXPECT_EQ(std::count(values.begin(), values.end(), 1.0), 0);

    // The lognormal's bounds are in value terms: its median stays exp(mu) when
    // the bounds sit at equal probabilities either side.
    const Normal lognormal{true, 0, 0.5, std::exp(-0.5), std::exp(0.5)};
    const auto bounded = Draws(lognormal);
    EXPECT_NEAR(FractionBelow(bounded, 1.0), 0.5, 0.005);
    EXPECT_GE(*std::min_element(bounded.begin(), bounded.end()), std::exp(-0.5));
    EXPECT_LE(*std::max_element(bounded.begin(), bounded.end()), std::exp(0.5));

    EXPECT_NEAR(KeptProbability(Normal{false, 20, 2, 15.0, 25.0}), Phi(2.5) - Phi(-2.5), 1e-15);
    EXPECT_NEAR(KeptProbability(Normal{false, 0, 1, 9.0, {}}), 1.1285884059538422e-19, 1e-31);
}

TEST(ValueAt, QuantilesOfTheTriangularAndUniform) {
    // Triangular(0, 1, 4): F(1) = 1/4, and F(x) = 1 - (4 - x)^2 / 12 above the mode.
    const Triangular triangular{0, 1, 4};
    EXPECT_DOUBLE_EQ(ValueAt(triangular, 0.25), 1);
    EXPECT_NEAR(ValueAt(triangular, 1 - 4.0 / 12), 2, 1e-12);
    EXPECT_NEAR(ValueAt(triangular, 1.0 / 16), 0.5, 1e-12); // F(0.5) = 0.25 / 4
    EXPECT_DOUBLE_EQ(ValueAt(Uniform{2, 6}, 0.25), 3);
}

TEST(ValueAt, ChoiceFollowsItsWeights) {
    const Choice choice{{0.2, 0.5, 0.0, 0.3}};
    const auto values = Draws(choice);
    double counts[4] = {};
    for (const double v : values) {
        counts[static_cast<int>(v)] += 1.0 / values.size();
    }
    EXPECT_NEAR(counts[0], 0.2, 0.005);
    EXPECT_NEAR(counts[1], 0.5, 0.005);
    EXPECT_EQ(counts[2], 0.0);
    EXPECT_NEAR(counts[3], 0.3, 0.005);
    EXPECT_EQ(ValueAt(choice, 0.19), 0);
    EXPECT_EQ(ValueAt(choice, 0.21), 1);
    EXPECT_EQ(ValueAt(choice, 0.71), 3);
}

TEST(ValueAt, QuantilesOfTheTruncatedNormalBetaAndEmpirical) {
    struct Case {
        const char* what;
        Distribution distribution;
        double u;
        double value; // from the closed form named in the row
        double tolerance;
    };
    const double pi = std::numbers::pi;
    const Case cases[] = {
        // N(0, 1) on [0, 40] is the half-normal: its quantile is the normal's at
        // (1 + u) / 2, z(0.75) = 0.6744897501960817 and z(0.95) = 1.6448536269514722
        // from the normal tables.
        {"half-normal median", Normal{false, 0, 1, 0.0, 40.0, true}, 0.5, 0.6744897501960817,
         1e-12},
        {"half-normal 0.9", Normal{false, 0, 1, 0.0, 40.0, true}, 0.9, 1.6448536269514722, 1e-12},
        // N(10, 2) on [8, 12]: 10 + 2 z(Phi(-1) + u (Phi(1) - Phi(-1))), the normal
        // distribution function by hand (Python's statistics.NormalDist).
        {"one sd either side, median", Normal{false, 10, 2, 8.0, 12.0, true}, 0.5, 10, 1e-12},
        {"one sd either side, 0.75", Normal{false, 10, 2, 8.0, 12.0, true}, 0.75,
         10.883541093373163, 1e-11},
        {"one sd either side, 0.1", Normal{false, 10, 2, 8.0, 12.0, true}, 0.1, 8.50197080206086,
         1e-11},
        // Beta(2, 2) is symmetric about 1/2; on [10, 20] about 15.
        {"beta(2, 2) median", Beta{2, 2, 0, 1}, 0.5, 0.5, 1e-14},
        {"beta(2, 2) on [10, 20]", Beta{2, 2, 10, 20}, 0.5, 15, 1e-12},
        // Beta(1, 3): F = 1 - (1 - x)^3; beta(3, 1): F = x^3.
        {"beta(1, 3)", Beta{1, 3, 0, 1}, 0.875, 0.5, 1e-13},
        {"beta(3, 1)", Beta{3, 1, 0, 1}, 0.125, 0.5, 1e-13},
        // Beta(1/2, 1/2) is the arcsine law: x = sin^2(pi u / 2).
        {"arcsine 0.2", Beta{0.5, 0.5, 0, 1}, 0.2, std::pow(std::sin(pi * 0.1), 2), 1e-13},
        {"arcsine 0.9", Beta{0.5, 0.5, 0, 1}, 0.9, std::pow(std::sin(pi * 0.45), 2), 1e-13},
        // Beta(2, 5): F = 1 - (1 - x)^6 - 6 x (1 - x)^5 (the binomial tail P(Bin(6, x) >= 2)),
        // solved by bisection; the median agrees with R's qbeta(0.5, 2, 5) = 0.26445.
        {"beta(2, 5) 0.1", Beta{2, 5, 0, 1}, 0.1, 0.09259525891312875, 1e-12},
        {"beta(2, 5) median", Beta{2, 5, 0, 1}, 0.5, 0.26444998329566005, 1e-12},
        {"beta(2, 5) 0.9", Beta{2, 5, 0, 1}, 0.9, 0.5103163065514915, 1e-12},
        // Three equally likely values, written out of order: each holds a third.
        {"values, first third", Empirical{true, {1, 2, 3}, {}, {3, 1, 2}}, 0.1, 1, 0},
        {"values, second third", Empirical{true, {1, 2, 3}, {}, {3, 1, 2}}, 0.34, 2, 0},
        {"values, last third", Empirical{true, {1, 2, 3}, {}, {3, 1, 2}}, 0.99, 3, 0},
        // F linear between (0, 0), (1, 0.5) and (3, 1).
        {"cdf, first segment", Empirical{false, {0, 1, 3}, {0, 0.5, 1}, {}}, 0.25, 0.5, 1e-15},
        {"cdf, second segment", Empirical{false, {0, 1, 3}, {0, 0.5, 1}, {}}, 0.75, 2, 1e-15},
        // A level F between 1 and 2 holds no probability: nothing drawn inside.
        {"cdf, level segment", Empirical{false, {0, 1, 2, 3}, {0, 0.5, 0.5, 1}, {}}, 0.6, 2.2,
         1e-14},
        {"cdf, at the level", Empirical{false, {0, 1, 2, 3}, {0, 0.5, 0.5, 1}, {}}, 0.5, 2, 0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(ValueAt(c.distribution, c.u), c.value, c.tolerance) << c.what;
    }
}

TEST(ValueAt, BetaQuantileInvertsTheBinomialTailAndStaysInItsRange) {
    // For whole shapes, I_x(a, b) = P(Bin(a + b - 1, x) >= a).
    const auto binomialTail = [](int a, int b, double x) {
        const int n = a + b - 1;
        double sum = 0;
        for (int j = a; j <= n; ++j) {
            sum += std::tgamma(n + 1.0) / (std::tgamma(j + 1.0) * std::tgamma(n - j + 1.0)) *
                   std::pow(x, j) * std::pow(1 - x, n - j);
        }
        return sum;
    };
    for (const auto& [a, b] : {std::pair{2, 5}, {5, 2}, {3, 3}, {1, 7}, {8, 4}}) {
        for (double u = 0.01; u < 1; u += 0.07) {
            EXPECT_NEAR(binomialTail(a, b, BetaQuantile(a, b, u)), u, 1e-12) << a << " " << b;
        }
    }
    const auto values = Draws(Beta{0.3, 0.2, -1, 4}, 20000);
    EXPECT_GE(*std::min_element(values.begin(), values.end()), -1);
    EXPECT_LE(*std::max_element(values.begin(), values.end()), 4);
    EXPECT_TRUE(SamplesStayFinite(Beta{1e-3, 1e-3, 0, 1}));
    // The widest range, whose width overflows, still gives its median.
    EXPECT_TRUE(SamplesStayFinite(Beta{2, 2, -1e308, 1e308}));
    EXPECT_NEAR(ValueAt(Beta{2, 2, -1e308, 1e308}, 0.5), 0, 1e293);
}

TEST(ValueAt, MomentsOfTheBetaAndEmpirical) {
    // Beta(2, 5) on [0, 1]: mean a / (a + b) = 2/7, variance ab / ((a + b)^2 (a + b + 1)).
    const auto beta = Draws(Beta{2, 5, 0, 1}, 40000);
    const double sd = std::sqrt(10.0 / (49 * 8));
    EXPECT_NEAR(MeanOf(beta), 2.0 / 7, 5 * sd / std::sqrt(beta.size()));
    // The sample sd's standard error, sd sqrt((kurtosis - 1) / 4n) with kurtosis
    // 2.88, is 0.34 % of sd: the band is 4.4 of them.
    EXPECT_NEAR(SdOf(beta), sd, 0.015 * sd);
    // F linear from (0, 0) to (2, 1) is uniform on [0, 2]: mean 1, sd 2 / sqrt(12).
    const auto cdf = Draws(Empirical{false, {0, 2}, {0, 1}, {}});
    EXPECT_NEAR(MeanOf(cdf), 1, 5 * (2 / std::sqrt(12.0)) / std::sqrt(cdf.size()));
    EXPECT_NEAR(FractionBelow(cdf, 0.5), 0.25, 0.005);
    const auto values = Draws(Empirical{true, {1, 2, 4}, {}, {4, 2, 1}});
    EXPECT_NEAR(FractionBelow(values, 1.5), 1.0 / 3, 0.005);
    EXPECT_NEAR(FractionBelow(values, 3), 2.0 / 3, 0.005);
}

TEST(UniformDraw, DependsOnEveryArgumentAndStaysInsideTheUnitInterval) {
    const double u = UniformDraw(2026, DrawPurpose::RunInput, 17, 2);
    EXPECT_EQ(u, UniformDraw(2026, DrawPurpose::RunInput, 17, 2));
    EXPECT_NE(u, UniformDraw(2027, DrawPurpose::RunInput, 17, 2));
    EXPECT_NE(u, UniformDraw(2026, DrawPurpose::LatinHypercubeShuffle, 17, 2));
    EXPECT_NE(u, UniformDraw(2026, DrawPurpose::RunInput, 18, 2));
    EXPECT_NE(u, UniformDraw(2026, DrawPurpose::RunInput, 17, 3));
    // Uniform over many draws: each tenth of the interval gets its share.
    int tenths[10] = {};
    for (int i = 0; i < 100000; ++i) {
        const double v = UniformDraw(1, DrawPurpose::RunInput, i, 0);
        ASSERT_GT(v, 0);
        ASSERT_LT(v, 1);
        ++tenths[static_cast<int>(v * 10)];
    }
    for (const int count : tenths) {
        EXPECT_NEAR(count, 10000, 500);
    }
}

} // namespace
} // namespace vorla::study

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

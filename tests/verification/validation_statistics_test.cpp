#include "verification/validation_statistics.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::verification {
namespace {

// Ratios M/E of exp(±0.1) and exp(±0.3): ln(M/E) has mean 0 and sample
// variance 0.2/3; with σ̃_E = 0.1, σ̃_M² = 0.2/3 − 0.01 = 0.056667 and
// δ = exp(0.056667/2 − 0.01/2) = exp(0.023333) = 1.023608 (by hand).
TEST(ModelUncertainty, BiasAndSpreadByHand) {
    struct Row {
        double Scale; // every prediction times this
        double Bias;
    };
    const Row rows[] = {{1.0, 1.023608}, {1.2, 1.228329}, {0.5, 0.511804}};
    for (const Row& row : rows) {
        const std::vector<double> measured = {100, 50, 20, 400};
        std::vector<double> predicted;
        const double logs[] = {0.1, -0.1, 0.3, -0.3};
        for (std::size_t i = 0; i < measured.size(); ++i) {
            predicted.push_back(row.Scale * measured[i] * std::exp(logs[i]));
        }
        const ModelUncertainty u = ComputeModelUncertainty(measured, predicted, 0.1);
        EXPECT_EQ(u.Points, 4);
        EXPECT_NEAR(u.SpreadLog, 0.258199, 1e-6);
        EXPECT_NEAR(u.SigmaM, 0.238048, 1e-6);
        EXPECT_NEAR(u.Bias, row.Bias, 1e-6) << row.Scale;
        EXPECT_FALSE(u.SpreadWithinExperiment);
    }
}

// A scatter smaller than the experiments' own leaves no model spread:
// s = 0.0707 < σ̃_E = 0.1, σ̃_M = 0, δ = exp(−0.01/2).
TEST(ModelUncertainty, ScatterWithinTheExperimentsUncertainty) {
    const ModelUncertainty u =
        ComputeModelUncertainty({10, 10}, {10 * std::exp(0.05), 10 * std::exp(-0.05)}, 0.1);
    EXPECT_TRUE(u.SpreadWithinExperiment);
    EXPECT_EQ(u.SigmaM, 0);
    EXPECT_NEAR(u.Bias, 0.995012, 1e-6);
}

// Z² = 1.35 and 0.15 twice each: N = 0.241146, S = (N − 2.92)/1.8 = −1.488252,
// p = 1 − erf(1.488252/√2) = 0.136684.
TEST(Spiegelhalter, PValueByHand) {
    EXPECT_NEAR(SpiegelhalterP({-0.3, -0.1, 0.1, 0.3}), 0.136684, 1e-5);
    EXPECT_EQ(SpiegelhalterP({1, 2}), 1);
    EXPECT_EQ(SpiegelhalterP({2, 2, 2}), 1);
}

// A large normal sample passes; a sample split into two far groups fails.
TEST(Spiegelhalter, NormalPassesAndTwoGroupsFail) {
    std::vector<double> normal;
    // Quantiles of the standard normal at (i − 0.5)/n: a sample as normal as it gets.
    for (int i = 1; i <= 40; ++i) {
        const double p = (i - 0.5) / 40;
        // inverse by bisection on erf
        double lo = -5;
        double hi = 5;
        for (int k = 0; k < 60; ++k) {
            const double mid = (lo + hi) / 2;
            (0.5 * std::erfc(-mid / std::sqrt(2.0)) < p ? lo : hi) = mid;
        }
        normal.push_back(lo);
    }
    EXPECT_GT(SpiegelhalterP(normal), 0.05);
    std::vector<double> split;
    for (int i = 0; i < 20; ++i) {
        split.push_back(-1 + 0.001 * i);
        split.push_back(1 + 0.001 * i);
    }
    EXPECT_LT(SpiegelhalterP(split), 0.05);
}

// With δ = 1 and σ̃_M = 0.1: the prediction itself is exceeded half the time,
// a value two spreads above it 2.275 % of the time (the normal's tail).
TEST(ExceedanceProbability, LogNormalTail) {
    ModelUncertainty u;
    u.Bias = 1;
    u.SigmaM = 0.1;
    EXPECT_NEAR(ExceedanceProbability(100, 100, u), 0.5, 1e-12);
    EXPECT_NEAR(ExceedanceProbability(100, 100 * std::exp(0.2), u), 0.02275, 1e-5);
    // A model that over-predicts by 25 %: its 125 is a true 100.
    u.Bias = 1.25;
    EXPECT_NEAR(ExceedanceProbability(125, 100, u), 0.5, 1e-12);
}

} // namespace
} // namespace vorla::verification

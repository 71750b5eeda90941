// The suppression rules against Evans' curve worked by hand, and their checks.
#include "life_safety/detection/suppression.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::detection {
namespace {

TEST(Suppression, EvansTimeConstant) {
    struct Row {
        double W, A, B, Tau;
    };
    // τ = A·w^(−B) by hand: 3 × 0.07^(−1.85) = 410.8562 s, ...
    const Row rows[] = {
        {0.07, 3, 1.85, 410.8562},
        {1.0, 3, 1.85, 3.0},
        {0.1, 3, 1.85, 212.3837},
        {0.1, 2, 1.0, 20.0},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(SuppressionTimeConstant({SuppressionRule::Decaying, row.W, row.A, row.B}),
                    row.Tau, 1e-4);
    }
}

TEST(Suppression, HeatReleaseRateAfterTheFirstSprinkler) {
    const Suppression decaying{SuppressionRule::Decaying, 0.1, 3, 1.85};
    const Suppression held{SuppressionRule::HeldAtActivation, 0, 3, 1.85};
    const Suppression unchanged{};
    struct Row {
        const char* Case;
        const Suppression* Rule;
        double Curve, Time;
        std::optional<double> Activation;
        double Expected;
    };
    // With τ = 212.3837 s and Q_act = 800 kW, 100 s after activation:
    // 800·e^(−100/212.3837) = 499.5791 kW.
    const Row rows[] = {
        {"no sprinkler yet", &decaying, 1200, 300, std::nullopt, 1200},
        {"before activation", &decaying, 700, 150, 200.0, 700},
        {"at activation", &decaying, 800, 200, 200.0, 800},
        {"decaying", &decaying, 1500, 300, 200.0, 499.5791},
        {"curve below the decay", &decaying, 300, 300, 200.0, 300},
        {"held", &held, 1500, 300, 200.0, 800},
        {"held, curve lower", &held, 600, 300, 200.0, 600},
        {"unchanged", &unchanged, 1500, 300, 200.0, 1500},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(SuppressedHeatReleaseRate(*row.Rule, row.Curve, row.Time, row.Activation, 800),
                    row.Expected, 1e-3)
            << row.Case;
    }
}

TEST(Suppression, ChecksNameTheValue) {
    struct Row {
        Suppression Inputs;
        const char* Message; // nullptr: accepted
    };
    const Row rows[] = {
        {{SuppressionRule::Unchanged, -1, -1, -1}, nullptr},
        {{SuppressionRule::HeldAtActivation, 0, 3, 1.85}, nullptr},
        {{SuppressionRule::Decaying, 0.07, 3, 1.85}, nullptr},
        {{SuppressionRule::Decaying, 0, 3, 1.85},
         "The spray density must be a number above 0 and up to 10 mm/s; 0 was given."},
        {{SuppressionRule::Decaying, std::nan(""), 3, 1.85},
         "The spray density must be a number above 0 and up to 10 mm/s; nan was given."},
        {{SuppressionRule::Decaying, 0.07, -3, 1.85},
         "The suppression constant A must be a number above 0 and up to 1000000; -3 was given."},
        {{SuppressionRule::Decaying, 0.07, 3, 12.5},
         "The suppression exponent B must be a number from 0 to 10; 12.5 was given."},
    };
    for (const Row& row : rows) {
        const auto problem = CheckSuppression(row.Inputs);
        if (row.Message) {
            ASSERT_TRUE(problem);
            EXPECT_EQ(*problem, row.Message);
        } else {
            EXPECT_FALSE(problem) << *problem;
        }
    }
}

} // namespace
} // namespace vorla::detection

// The fire table a suppressed run is made again on: the curve untouched
// before the first sprinkler, the rule's rate after it, the fire's end kept.
#include "life_safety/detection/suppressed_fire.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::detection {
namespace {

FireTable TableOf(std::initializer_list<FirePoint> points) {
    FireTable table;
    int n = 0;
    for (const FirePoint& p : points) {
        table.Points[n++] = p;
    }
    table.LastIndex = static_cast<std::int16_t>(n - 1);
    return table;
}

// A ramp to 1000 kW at 100 s, steady to 300 s, down to 0 at 600 s.
const FireTable kRamp = TableOf({{0, 0}, {100, 1000}, {300, 1000}, {600, 0}});

TEST(SuppressedFire, UnchangedIsTheCurveItself) {
    const FireTable same = SuppressedFireTable(kRamp, {}, 50);
    ASSERT_EQ(same.LastIndex, kRamp.LastIndex);
    for (double t = 0; t <= 600; t += 7) {
        EXPECT_EQ(FireRateAt(same, t), FireRateAt(kRamp, t)) << t;
    }
}

TEST(SuppressedFire, HeldStaysAtTheActivationRateAndUnderTheCurve) {
    const Suppression held{SuppressionRule::HeldAtActivation};
    const FireTable table = SuppressedFireTable(kRamp, held, 50); // 500 kW then
    EXPECT_EQ(table.LastTime(), 600);
    struct Row {
        double t, rate;
    };
    // Before 50 s the ramp; then 500 kW until the decay passes under it at
    // 450 s (1000 - 1000 (t - 300) / 300 = 500), then the decay.
    const Row rows[] = {{0, 0},     {25, 250},  {50, 500},  {51, 500}, {100, 500},
                        {300, 500}, {450, 500}, {525, 250}, {600, 0}};
    for (const Row& r : rows) {
        EXPECT_NEAR(FireRateAt(table, r.t), r.rate, 1e-9) << r.t;
    }
}

TEST(SuppressedFire, DecayingFollowsEvansEverySecondWithinTheCapacity) {
    const Suppression decaying{SuppressionRule::Decaying, 0.07, 3, 1.85};
    const double tau = 3 * std::pow(0.07, -1.85);
    const FireTable table = SuppressedFireTable(kRamp, decaying, 150); // 1000 kW then
    for (double t = 150; t <= 600; t += 1) {
        const double expected = std::min(FireRateAt(kRamp, t), 1000 * std::exp(-(t - 150) / tau));
        EXPECT_NEAR(FireRateAt(table, t), expected, 1e-9 * 1000) << t;
    }
    // A 9000 s fire has more seconds than a table has points: the points
    // thin out, the end stays, and between points the straight line is within
    // (dt / tau)² / 8 of the curve.
    const FireTable longFire = TableOf({{0, 2000}, {9000, 2000}});
    const FireTable thinned = SuppressedFireTable(longFire, decaying, 10);
    EXPECT_LE(thinned.LastIndex, kFireTableCapacity - 1);
    EXPECT_EQ(thinned.LastTime(), 9000);
    const double spacing = 9000.0 / (kFireTableCapacity - 2);
    const double bound = std::pow(std::ceil(spacing) / tau, 2) / 8;
    for (double t = 10; t < 9000; t += 13) {
        const double expected = 2000 * std::exp(-(t - 10) / tau);
        EXPECT_LE(std::abs(FireRateAt(thinned, t) - expected), bound * 2000 + 1e-9) << t;
    }
}

} // namespace
} // namespace vorla::detection

#include "common/plot/axis_ticks.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace vorla {
namespace {

using Texts = std::vector<std::string>;

Texts LabelsOf(const AxisTicks& axis) {
    Texts labels;
    for (const auto& tick : axis.Ticks) {
        labels.push_back(tick.Label);
    }
    return labels;
}

// Each row worked by hand: the automatic step is the smallest round step that
// cuts the range into at most six steps (values 1, 2, 2.5, 5 x 10^n; time the
// clock's 1, 2, 5, 10, 15, 20, 30, then 60, 120, 300, ... for whole units).
TEST(TicksOver, AutomaticStepsOverRanges) {
    const struct {
        AxisTickKind kind;
        double min, max;
        double step;
        Texts labels;
    } cases[] = {
        // 10 min / 2 = 5 steps (1 min would be 10).
        {AxisTickKind::Minutes, 0, 10, 2, {"0", "2", "4", "6", "8", "10"}},
        // 5.6 min: 0.5 gives 11.2 steps, 1 gives 5.6.
        {AxisTickKind::Minutes, 2.3, 7.9, 1, {"3", "4", "5", "6", "7"}},
        // 1.5 min: 0.2 gives 7.5 steps, 0.25 (15 s) gives 6.
        {AxisTickKind::Minutes,
         0,
         1.5,
         0.25,
         {"0.00", "0.25", "0.50", "0.75", "1.00", "1.25", "1.50"}},
        // 45 min: 5 gives 9, 10 gives 4.5.
        {AxisTickKind::Minutes, 0, 45, 10, {"0", "10", "20", "30", "40"}},
        // 150 min: 20 gives 7.5, 30 gives 5.
        {AxisTickKind::Minutes, 0, 150, 30, {"0", "30", "60", "90", "120", "150"}},
        // 60 s: 10 s gives 6.
        {AxisTickKind::Seconds, 0, 60, 10, {"0", "10", "20", "30", "40", "50", "60"}},
        // 150 s: 20 gives 7.5, 30 gives 5.
        {AxisTickKind::Seconds, 0, 150, 30, {"0", "30", "60", "90", "120", "150"}},
        // 25 min in s: 120 s gives 12.5 steps, 300 s gives 5.
        {AxisTickKind::Seconds, 0, 1500, 300, {"0", "300", "600", "900", "1200", "1500"}},
        // 150 min in s: 1200 s gives 7.5 steps, 1800 s (30 min) gives 5.
        {AxisTickKind::Seconds, 0, 9000, 1800, {"0", "1800", "3600", "5400", "7200", "9000"}},
        // 360 kW: 50 gives 7.2 steps, 100 gives 3.6; the ends are not ticks.
        {AxisTickKind::Value, 120, 480, 100, {"200", "300", "400"}},
        // 0.05 kg/s: 0.005 gives 10 steps, 0.01 gives 5.
        {AxisTickKind::Value, 0, 0.05, 0.01, {"0.00", "0.01", "0.02", "0.03", "0.04", "0.05"}},
        // Below zero: 10 by 2 = 5 steps, and 0 reads "0".
        {AxisTickKind::Value, -3, 7, 2, {"-2", "0", "2", "4", "6"}},
        // 3 to 4.2: 0.2 gives 6 steps.
        {AxisTickKind::Value, 3, 4.2, 0.2, {"3.0", "3.2", "3.4", "3.6", "3.8", "4.0", "4.2"}},
    };
    for (const auto& c : cases) {
        const auto axis = TicksOver(c.kind, c.min, c.max, std::nullopt);
        ASSERT_TRUE(axis) << c.min << " " << c.max;
        EXPECT_NEAR(axis->Step, c.step, 1e-12 * c.step) << c.min << " " << c.max;
        EXPECT_EQ(LabelsOf(*axis), c.labels) << c.min << " " << c.max;
        EXPECT_EQ(axis->Min, c.min);
        EXPECT_EQ(axis->Max, c.max);
    }
}

TEST(TicksOver, FractionsPlaceEachTickBetweenTheEnds) {
    // 200 of 120..480 stands at 80 / 360 of the axis.
    const auto axis = TicksOver(AxisTickKind::Value, 120, 480, std::nullopt);
    ASSERT_TRUE(axis);
    ASSERT_EQ(axis->Ticks.size(), 3U);
    EXPECT_DOUBLE_EQ(axis->Ticks[0].Fraction, 80.0 / 360);
    EXPECT_DOUBLE_EQ(axis->Ticks[1].Fraction, 180.0 / 360);
    EXPECT_DOUBLE_EQ(axis->Ticks[2].Fraction, 280.0 / 360);
    EXPECT_DOUBLE_EQ(axis->Ticks[1].Value, 300);
}

TEST(TicksOver, AGivenStepIsKept) {
    const struct {
        AxisTickKind kind;
        double min, max, step;
        Texts labels;
    } cases[] = {
        {AxisTickKind::Minutes, 0, 10, 2.5, {"0.0", "2.5", "5.0", "7.5", "10.0"}},
        {AxisTickKind::Seconds, 30, 200, 45, {"45", "90", "135", "180"}},
        {AxisTickKind::Value, 0.1, 0.35, 0.05, {"0.10", "0.15", "0.20", "0.25", "0.30", "0.35"}},
        // A step wider than the range: no tick at all is still an axis.
        {AxisTickKind::Value, 1, 2, 5, {}},
    };
    for (const auto& c : cases) {
        const auto axis = TicksOver(c.kind, c.min, c.max, c.step);
        ASSERT_TRUE(axis) << c.step;
        EXPECT_EQ(LabelsOf(*axis), c.labels) << c.step;
    }
}

TEST(TicksOver, RefusesWhatCannotBeAnAxis) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    const struct {
        double min, max;
        std::optional<double> step;
    } cases[] = {
        {5, 5, std::nullopt},              // empty
        {7, 3, std::nullopt},              // reversed
        {nan, 3, std::nullopt},            // not a number
        {0, inf, std::nullopt},            // not finite
        {-inf, 0, std::nullopt},           // not finite
        {0, 10, 0.0},                      // no step
        {0, 10, -1.0},                     // backwards
        {0, 10, nan},                      // not a number
        {0, 10, 0.1},                      // 101 ticks, more than kMostAxisTicks
        {-1.7e308, 1.7e308, std::nullopt}, // the span itself overflows
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(TicksOver(AxisTickKind::Value, c.min, c.max, c.step)) << c.min << " " << c.max;
    }
    // Exactly kMostAxisTicks is allowed: 0 to 59 by 1.
    EXPECT_TRUE(TicksOver(AxisTickKind::Value, 0, kMostAxisTicks - 1, 1.0));
}

} // namespace
} // namespace vorla

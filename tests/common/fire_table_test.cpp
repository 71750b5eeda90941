#include "common/fire_table.h"

#include <gtest/gtest.h>

namespace vorla {
namespace {

FireTable TableOf(std::initializer_list<FirePoint> points) {
    FireTable table;
    int k = 0;
    for (const auto& p : points) {
        table.Points[k++] = p;
    }
    table.N = static_cast<std::int16_t>(k - 1);
    table.Points[k] = {-9, -9};
    return table;
}

TEST(FireRateAt, InterpolatesOnTheSegmentHoldingTheTime) {
    const FireTable table = TableOf({{0, 0}, {10, 100}, {20, 300}});
    EXPECT_DOUBLE_EQ(FireRateAt(table, 15), 200);
    EXPECT_DOUBLE_EQ(FireRateAt(table, 5), 50);
    EXPECT_DOUBLE_EQ(FireRateAt(table, 10), 100);
    EXPECT_DOUBLE_EQ(FireRateAt(table, 20), 300);
}

TEST(FireRateAt, ExtendsTheEndSegmentsWithoutClamping) {
    const FireTable table = TableOf({{10, 100}, {20, 300}, {30, 200}});
    EXPECT_DOUBLE_EQ(FireRateAt(table, 35), 150);
    EXPECT_DOUBLE_EQ(FireRateAt(table, 0), -100);
}

TEST(FireRateAt, AStepNeverDividesByZero) {
    // A pool fire ending 1 s after ignition: (0, 0), (1, Q), (1, Q).
    const FireTable pool = TableOf({{0, 0}, {1, 673.8}, {1, 673.8}});
    EXPECT_DOUBLE_EQ(FireRateAt(pool, 0.5), 336.9);
    EXPECT_DOUBLE_EQ(FireRateAt(pool, 1), 673.8);
    EXPECT_DOUBLE_EQ(FireRateAt(pool, 3), 673.8);

    // A step in the middle: before it the rate before, from it on the rate after.
    const FireTable step = TableOf({{0, 0}, {10, 0}, {10, 50}, {20, 50}});
    EXPECT_DOUBLE_EQ(FireRateAt(step, 9.99), 0);
    EXPECT_DOUBLE_EQ(FireRateAt(step, 10), 50);
    EXPECT_DOUBLE_EQ(FireRateAt(step, 15), 50);

    const FireTable startsWithStep = TableOf({{5, 0}, {5, 80}, {10, 80}});
    EXPECT_DOUBLE_EQ(FireRateAt(startsWithStep, 0), 0);
}

} // namespace
} // namespace vorla

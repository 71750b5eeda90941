#include "common/fire_files/fire_table.h"
#include "literal/fire_table_literal.h"
#include "tests/common/random_fires.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace vorla {
namespace {

FireTable TableOf(std::initializer_list<FirePoint> points) {
    FireTable table;
    int k = 0;
    for (const auto& p : points) {
        table.Points[k++] = p;
    }
    table.LastIndex = static_cast<std::int16_t>(k - 1);
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

// Answers bit for bit as the literal search does, for times in every order.
void ExpectSameRatesAsTheLiteralSearch(const FireTable& table, const std::vector<double>& times,
                                       const std::string& what) {
    FireRateCursor cursor(table);
    for (const double t : times) {
        const double fast = cursor.RateAt(t);
        const double literal = literal::FireRateAt(table, t);
        EXPECT_EQ(std::memcmp(&fast, &literal, sizeof fast), 0)
            << what << ", t = " << t << ": " << fast << " instead of " << literal;
    }
}

TEST(FireRateCursor, GivesTheLiteralSearchsRateForTimesInAnyOrder) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* what;
        FireTable table;
    } tables[] = {
        {"a ramp and a plateau", TableOf({{0, 0}, {10, 100}, {20, 300}, {30, 300}})},
        {"steps at the start, in the middle and at the end",
         TableOf({{5, 0}, {5, 80}, {10, 80}, {10, 20}, {15, 60}, {15, 60}})},
        {"one segment", TableOf({{0, 10}, {100, 10}})},
        {"a single point", TableOf({{3, 42}})},
        {"times going back (not from a fire file)",
         TableOf({{0, 0}, {10, 100}, {5, 50}, {20, 200}, {15, 10}})},
        {"a time that is not a number", TableOf({{0, 0}, {10, 100}, {nan, 50}, {20, 200}})},
    };
    const struct {
        const char* what;
        std::vector<double> times;
    } sequences[] = {
        {"forwards in quarter seconds",
         {0, 0.25, 0.5, 4.75, 5, 5.25, 9.75, 10, 10.25, 19.9, 20, 35}},
        {"backwards", {35, 20, 15, 10, 9.5, 5, 4.9, 0, -1}},
        {"to and fro", {1, 12, 2, 18, 0.5, 31, -5, 10, 9.999, 10.001, 15, 5}},
        {"at the points", {0, 5, 10, 15, 20, 30, 100}},
        {"outside numbers", {nan, 3, inf, 3, -inf, 12, nan, 12}},
    };
    for (const auto& table : tables) {
        for (const auto& sequence : sequences) {
            ExpectSameRatesAsTheLiteralSearch(table.table, sequence.times,
                                              std::string(table.what) + ", " + sequence.what);
        }
    }
}

TEST(FireRateCursor, GivesTheLiteralSearchsRateOnRandomTables) {
    vorla::testing::RandomSource random(7);
    for (int trial = 0; trial < 300; ++trial) {
        FireTable table;
        const bool ordered = trial % 4 != 0;
        const int n = random.Integer(0, 60);
        double time = random.Uniform(-20, 20);
        for (int i = 0; i <= n; ++i) {
            table.Points[i] = {time, random.Uniform(0, 1000)};
            time += random.Chance(0.1)
                        ? 0
                        : random.Uniform(0.1, 30) * (ordered ? 1 : 2 * random.Unit() - 0.8);
        }
        table.LastIndex = static_cast<std::int16_t>(n);
        std::vector<double> times;
        double t = random.Uniform(-30, 0);
        for (int i = 0; i < 400; ++i) {
            t = random.Chance(0.9) ? t + random.Uniform(0, 2) : random.Uniform(-30, time + 30);
            times.push_back(random.Chance(0.05) ? table.Points[random.Integer(0, n)].Time : t);
        }
        ExpectSameRatesAsTheLiteralSearch(table, times, "random table " + std::to_string(trial));
    }
}

} // namespace
} // namespace vorla

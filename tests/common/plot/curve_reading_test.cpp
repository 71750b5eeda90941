#include "common/plot/curve_reading.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace vorla {
namespace {

// A t-squared fire sampled each minute (0, 1, 4, 9 kW), a step at 4 minutes
// from 9 to 20 kW, and 20 kW held to 6 minutes.
const std::vector<double> kMinutes = {0, 1, 2, 3, 4, 4, 6};
const std::vector<double> kRates = {0, 1, 4, 9, 9, 20, 20};

TEST(ReadCurveAt, InterpolatesBetweenTheRowsAround) {
    const struct {
        double at;
        std::optional<double> value;
        int row;
    } cases[] = {
        {0, 0.0, 0},              // the first row
        {0.5, 0.5, 0},            // halfway up the first segment
        {2.25, 5.25, 2},          // 4 + 0.25 x (9 - 4)
        {2.9, 8.5, 2},            // 4 + 0.9 x 5
        {3, 9.0, 3},              // on a row
        {3.999, 9.0, 3},          // level before the step
        {4, 20.0, 5},             // at the step: its top, the later row
        {5.5, 20.0, 5},           // on the level part
        {6, 20.0, 6},             // the last row
        {-0.01, std::nullopt, 0}, // before the curve
        {6.01, std::nullopt, 0},  // after it
        {std::nan(""), std::nullopt, 0},
        {INFINITY, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        const auto reading = ReadCurveAt(kMinutes, kRates, c.at);
        ASSERT_EQ(reading.has_value(), c.value.has_value()) << c.at;
        if (reading) {
            EXPECT_NEAR(reading->Value, *c.value, 1e-12) << c.at;
            EXPECT_EQ(reading->Time, c.at);
            EXPECT_EQ(reading->Row, c.row) << c.at;
        }
    }
}

TEST(ReadCurveAt, ShortAndBrokenCurves) {
    const std::vector<double> one = {2};
    const std::vector<double> value = {7};
    EXPECT_EQ(ReadCurveAt(one, value, 2)->Value, 7);
    EXPECT_FALSE(ReadCurveAt(one, value, 2.1));
    EXPECT_FALSE(ReadCurveAt({}, {}, 0));
    // Columns of different lengths are read as long as the shorter.
    EXPECT_FALSE(ReadCurveAt(kMinutes, std::vector<double>{0, 1}, 1.5));
    EXPECT_NEAR(ReadCurveAt(kMinutes, std::vector<double>{0, 1}, 0.25)->Value, 0.25, 1e-12);
    // A value that is not a number is never read, nor interpolated towards.
    const std::vector<double> broken = {0, std::nan(""), 4, 9, 9, 20, 20};
    EXPECT_FALSE(ReadCurveAt(kMinutes, broken, 0.5));
    EXPECT_FALSE(ReadCurveAt(kMinutes, broken, 1));
    EXPECT_NEAR(ReadCurveAt(kMinutes, broken, 2.5)->Value, 6.5, 1e-12);
}

TEST(NextRow, StepsRowByRowOverStepsAsOne) {
    const struct {
        double at;
        bool forward;
        std::optional<int> row;
    } cases[] = {
        {-1, true, 0},
        {0, true, 1},
        {0.5, true, 1},
        {2.25, true, 3},
        {3, true, 5},
        {4, true, 6},
        {6, true, std::nullopt},
        {7, false, 6},
        {6, false, 5},
        {5, false, 5},
        {4, false, 3},
        {2.25, false, 2},
        {1, false, 0},
        {0, false, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NextRow(kMinutes, c.at, c.forward), c.row) << c.at << (c.forward ? " >" : " <");
    }
    EXPECT_EQ(NextRow({}, 0, true), std::nullopt);
}

// Walking the curve with the keys visits each distinct time once, in order,
// both ways, and reads each row's value there.
TEST(NextRow, AWalkVisitsEveryTimeOnce) {
    std::vector<double> visited;
    double at = -1;
    while (const auto row = NextRow(kMinutes, at, true)) {
        at = kMinutes[*row];
        visited.push_back(ReadCurveAt(kMinutes, kRates, at)->Value);
    }
    EXPECT_EQ(visited, (std::vector<double>{0, 1, 4, 9, 20, 20}));
    std::vector<double> back;
    at = 99;
    while (const auto row = NextRow(kMinutes, at, false)) {
        at = kMinutes[*row];
        back.push_back(at);
    }
    EXPECT_EQ(back, (std::vector<double>{6, 4, 3, 2, 1, 0}));
}

} // namespace
} // namespace vorla

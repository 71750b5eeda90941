#include "common/plot/axis_scaling.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace vorla {
namespace {

using Labels = std::array<std::string, 5>;

TEST(ArrayMaximum, LargestValueUpToLastNeverBelowZero) {
    const std::vector<double> series = {1.5, 7.25, 3, 9.5, -2};
    EXPECT_EQ(ArrayMaximum(series, 4), 9.5F);
    EXPECT_EQ(ArrayMaximum(series, 2), 7.25F); // points after `last` are not read
    EXPECT_EQ(ArrayMaximum(series, 0), 1.5F);
    EXPECT_EQ(ArrayMaximum(std::vector<double>{-3, -1, -0.5}, 2), 0.0F);
    EXPECT_EQ(ArrayMaximum(std::vector<double>{0, 0, 0}, 2), 0.0F);
    EXPECT_EQ(ArrayMaximum(series, -1), 0.0F);
    EXPECT_EQ(ArrayMaximum(series, 99), 9.5F); // cut to the series' end
    EXPECT_EQ(ArrayMaximum(std::vector<double>{}, 3), 0.0F);
    EXPECT_EQ(ArrayMaximum(std::vector<double>{std::nan(""), 2, std::nan("")}, 2), 2.0F);
}

TEST(ArrayMaximum, KeepsTheMaximumInSinglePrecision) {
    // 0.1 rounds up to 0.100000001490116... in single precision: a later 0.1000000001
    // is below that and does not replace it; 0.10000001 is above and does.
    EXPECT_EQ(ArrayMaximum(std::vector<double>{0.1, 0.1000000001}, 1), 0.1F);
    const float above = ArrayMaximum(std::vector<double>{0.1, 0.10000001}, 1);
    EXPECT_EQ(above, static_cast<float>(0.10000001));
    EXPECT_GT(above, 0.1F);
}

TEST(ScaleTimeAxis, PicksTheBandAndLabelsTheTicks) {
    const struct {
        double xmax;
        double scale;
        Labels labels;
    } cases[] = {
        {0, 1, {"0.2", "0.4", "0.6", "0.8", "1.0"}},
        {0.5, 1, {"0.2", "0.4", "0.6", "0.8", "1.0"}},
        {1, 1, {"0.2", "0.4", "0.6", "0.8", "1.0"}},
        {1.01, 2.5, {"0.5", "1.0", "1.5", "2.0", "2.5"}},
        {2.5, 2.5, {"0.5", "1.0", "1.5", "2.0", "2.5"}},
        {3, 5, {"1", "2", "3", "4", "5"}},
        {5, 5, {"1", "2", "3", "4", "5"}},
        {5.2, 5, {"1", "2", "3", "4", "5"}}, // 0.25 min past the axis is tolerated
        {5.3, 10, {"2", "4", "6", "8", "10"}},
        {10, 10, {"2", "4", "6", "8", "10"}}, // a run of 600 s
        {10.2, 10, {"2", "4", "6", "8", "10"}},
        {10.3, 15, {"3", "6", "9", "12", "15"}},
        {12.5, 15, {"3", "6", "9", "12", "15"}},
        {30, 30, {"6", "12", "18", "24", "30"}},
        {30.1, 50, {"10", "20", "30", "40", "50"}},
        {40, 50, {"10", "20", "30", "40", "50"}},
        {50.5, 100, {"20", "40", "60", "80", "100"}},
        {100, 100, {"20", "40", "60", "80", "100"}},
        {150.5, 150, {"30", "60", "90", "120", "150"}}, // the axis does not grow
        {1e9, 150, {"30", "60", "90", "120", "150"}},
    };
    for (const auto& c : cases) {
        const auto axis = ScaleTimeAxis(c.xmax);
        EXPECT_EQ(axis.XScale, c.scale) << c.xmax;
        EXPECT_EQ(axis.Labels, c.labels) << c.xmax;
    }
}

TEST(ScaleValueAxis, NextStepStrictlyAboveTheMaximum) {
    const struct {
        double ymax;
        float scale;
        Labels labels;
    } cases[] = {
        {673.8, 1000, {"200", "400", "600", "800", "1000"}},
        {1000, 1500, {"300", "600", "900", "1200", "1500"}},
        {999, 1000, {"200", "400", "600", "800", "1000"}},
        {1112, 1500, {"300", "600", "900", "1200", "1500"}}, // 600 degC in degF
        {10458, 15000, {"3000", "6000", "9000", "12000", "15000"}},
        {5000, 10000, {"2000", "4000", "6000", "8000", "10000"}},
        {499.9, 500, {"100", "200", "300", "400", "500"}},
        {50, 100, {"20", "40", "60", "80", "100"}},
        {21, 25, {"5", "10", "15", "20", "25"}},
        {5, 10, {"2", "4", "6", "8", "10"}},
        {2.4, 2.5, {"0.5", "1.0", "1.5", "2.0", "2.5"}},
        {0.5, 1, {"0.2", "0.4", "0.6", "0.8", "1.0"}},
        {static_cast<double>(0.3F), 0.35F, {"0.07", "0.14", "0.21", "0.28", "0.35"}},
        {0.03, 0.05F, {"0.0100", "0.0200", "0.0300", "0.0400", "0.0500"}},
        {0, 0.05F, {"0.0100", "0.0200", "0.0300", "0.0400", "0.0500"}},
        {-4, 0.05F, {"0.0100", "0.0200", "0.0300", "0.0400", "0.0500"}},
    };
    for (const auto& c : cases) {
        const auto axis = ScaleValueAxis(c.ymax);
        EXPECT_EQ(axis.YScale, c.scale) << c.ymax;
        EXPECT_EQ(axis.Labels, c.labels) << c.ymax;
    }
}

TEST(ScaleValueAxis, AllZeroSeriesGetsTheSmallestAxis) {
    const std::vector<double> zeros(1801, 0.0);
    const auto axis = ScaleValueAxis(ArrayMaximum(zeros, 1800));
    EXPECT_EQ(axis.YScale, 0.05F);
    EXPECT_EQ(axis.Labels[0], "0.0100");
    EXPECT_EQ(axis.Labels[4], "0.0500");
}

TEST(ScaleValueAxis, NonFiniteMaximumNeverReachesTheLabels) {
    for (const double ymax : {std::numeric_limits<double>::infinity(), std::nan(""), 1e300}) {
        const auto axis = ScaleValueAxis(ymax);
        EXPECT_EQ(axis.YScale, 0.05F) << ymax;
        EXPECT_EQ(axis.Labels[4], "0.0500") << ymax;
    }
}

} // namespace
} // namespace vorla

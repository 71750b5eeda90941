// Expected figures from tests/study/reference_figures.py (Python's statistics
// module and the textbook formulas), not from the code under test.
#include "study/statistics.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::study {
namespace {

TEST(Summarise, MatchesPythonsStatisticsModule) {
    const std::vector<double> sample = {316.4, 124.3, 250.0, 250.0, 410.5, 98.2,
                                        133.7, 275.1, 301.0, 188.8, 162.4};
    const SampleSummary s = Summarise(sample);
    EXPECT_EQ(s.Count, 11u);
    EXPECT_NEAR(*s.Mean, 228.21818181818182, 1e-12);
    EXPECT_NEAR(*s.Sd, 95.9009470045194, 1e-11);
    EXPECT_EQ(*s.Min, 98.2);
    EXPECT_EQ(*s.Max, 410.5);
    EXPECT_NEAR(*s.P5, 111.25, 1e-12);
    EXPECT_NEAR(*s.P25, 148.05, 1e-12);
    EXPECT_NEAR(*s.P50, 250.0, 1e-12);
    EXPECT_NEAR(*s.P75, 288.05, 1e-12);
    EXPECT_NEAR(*s.P95, 363.45, 1e-12);
}

TEST(Summarise, SmallSamples) {
    const SampleSummary none = Summarise({});
    EXPECT_EQ(none.Count, 0u);
    EXPECT_FALSE(none.Mean);
    EXPECT_FALSE(none.P50);

    // Equal values: their mean is the value and they do not spread, to the bit.
    const SampleSummary same = Summarise(std::vector<double>(1000, 0.1));
    EXPECT_EQ(*same.Mean, 0.1);
    EXPECT_EQ(*same.Sd, 0);

    const SampleSummary one = Summarise({42.5});
    EXPECT_EQ(*one.Mean, 42.5);
    EXPECT_FALSE(one.Sd);
    EXPECT_EQ(*one.P5, 42.5);
    EXPECT_EQ(*one.P95, 42.5);

    // Two values: the p-th percentile lies p of the way from one to the other.
    const SampleSummary two = Summarise({10, 20});
    EXPECT_DOUBLE_EQ(*two.P5, 10.5);
    EXPECT_DOUBLE_EQ(*two.P75, 17.5);
    EXPECT_DOUBLE_EQ(*two.Sd, std::sqrt(50.0));
}

TEST(WilsonProportion, MatchesTheScoreInterval) {
    struct Case {
        std::size_t k, n;
        double p, low, high;
    };
    const Case cases[] = {
        {8, 10, 0.8, 0.4901624715366417, 0.9433178485456246},
        {0, 20, 0.0, 0.0, 0.16112515805281935},
        {20, 20, 1.0, 0.8388748419471808, 1.0},
        {437, 1000, 0.437, 0.40655624686835734, 0.4679259247008226},
    };
    for (const auto& c : cases) {
        const Proportion p = WilsonProportion(c.k, c.n);
        EXPECT_DOUBLE_EQ(*p.P, c.p) << c.k << "/" << c.n;
        EXPECT_NEAR(*p.Low, c.low, 1e-12) << c.k << "/" << c.n;
        EXPECT_NEAR(*p.High, c.high, 1e-12) << c.k << "/" << c.n;
        EXPECT_GE(*p.Low, 0.0);
        EXPECT_LE(*p.High, 1.0);
    }
    EXPECT_FALSE(WilsonProportion(0, 0).P);
}

TEST(SpearmanCorrelation, AverageRanksForTies) {
    const std::vector<double> x = {0.5, 0.6, 0.6, 0.7, 0.8, 0.9, 0.55};
    const std::vector<double> y = {410, 350, 362, 300, 300, 250, 380};
    EXPECT_EQ(AverageRanks(x), (std::vector<double>{1, 3.5, 3.5, 5, 6, 7, 2}));
    EXPECT_NEAR(*SpearmanCorrelation(x, y), -0.9818181818181818, 1e-12);
}

TEST(SpearmanCorrelation, MonotoneConstantAndShort) {
    const std::vector<double> x = {1, 2, 3, 4, 5};
    const std::vector<double> cubes = {1, 8, 27, 64, 125};
    const std::vector<double> falling = {9, 7, 5, 3, 1};
    const std::vector<double> flat = {3, 3, 3, 3, 3};
    EXPECT_DOUBLE_EQ(*SpearmanCorrelation(x, cubes), 1.0);
    EXPECT_DOUBLE_EQ(*SpearmanCorrelation(x, falling), -1.0);
    EXPECT_FALSE(SpearmanCorrelation(x, flat));
    EXPECT_FALSE(SpearmanCorrelation(std::vector<double>{1, 2}, std::vector<double>{2, 1}));
}

} // namespace
} // namespace vorla::study

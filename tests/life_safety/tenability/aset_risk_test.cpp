#include "life_safety/tenability/aset_risk.h"

#include <gtest/gtest.h>
#include <vector>

namespace vorla::tenability {
namespace {

TEST(AsetRiskTest, EachRunCountsByItsOwnRset) {
    const std::vector<EgressRun> runs = {
        {100.0, 600, 150},        // fails: untenable at 100 s, out at 150 s
        {200.0, 600, 150},        // safe
        {150.0, 600, 150},        // safe: out exactly as the room fails
        {std::nullopt, 600, 150}, // held for 600 s, longer than needed
        {std::nullopt, 120, 150}, // held, but the run ended before the RSET
        {149.9, 600, 150},        // fails
    };
    const AsetRisk risk = EstimateAsetRisk(runs);
    EXPECT_EQ(risk.Failures, 2u);
    EXPECT_EQ(risk.Trials, 5u);
    EXPECT_EQ(risk.Undecided, 1u);
    EXPECT_DOUBLE_EQ(*risk.Probability.P, 0.4);
    // Wilson, 2 of 5: centre (0.4 + 1.92^2/10) / (1 + 3.8415/5) ...
    // hand value 0.1176 to 0.7693.
    EXPECT_NEAR(*risk.Probability.Low, 0.1176, 5e-4);
    EXPECT_NEAR(*risk.Probability.High, 0.7693, 5e-4);
}

TEST(AsetRiskTest, NoTrialsNoProbability) {
    EXPECT_FALSE(EstimateAsetRisk({}).Probability.P);
    const std::vector<EgressRun> undecided = {{std::nullopt, 60, 90}};
    EXPECT_FALSE(EstimateAsetRisk(undecided).Probability.P);
}

TEST(AsetRiskTest, ConvergenceEndsAtTheEstimateOfAllRuns) {
    std::vector<EgressRun> runs;
    for (int i = 0; i < 40; ++i) {
        runs.push_back({100.0 + 10 * (i % 4), 600, 125}); // 100, 110, 120 fail; 130 is safe
    }
    const auto steps = AsetRiskConvergence(runs);
    ASSERT_EQ(steps.size(), runs.size());
    EXPECT_DOUBLE_EQ(*steps[0].P, 1.0);
    EXPECT_DOUBLE_EQ(*steps[3].P, 0.75);
    EXPECT_EQ(*steps.back().P, *EstimateAsetRisk(runs).Probability.P);
    EXPECT_DOUBLE_EQ(*steps.back().P, 0.75);
}

TEST(AsetRiskTest, DetectionToAset) {
    EXPECT_EQ(DetectionToAset(40.0, 130.0), 90.0);
    EXPECT_EQ(DetectionToAset(140.0, 130.0), -10.0);
    EXPECT_FALSE(DetectionToAset(std::nullopt, 130.0));
    EXPECT_FALSE(DetectionToAset(40.0, std::nullopt));
}

} // namespace
} // namespace vorla::tenability

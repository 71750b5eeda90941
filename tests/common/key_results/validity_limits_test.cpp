#include "common/key_results/validity_limits.h"

#include <array>
#include <gtest/gtest.h>

namespace vorla {
namespace {

// Q*_H by hand: ρ∞·c_p·T∞·√g = 1.2·1.004·294.26·3.13209 = 1110.39 kW/m^(5/2).
TEST(CeilingFroudeNumber, HandCalculations) {
    EXPECT_NEAR(CeilingFroudeNumber(1000, 1), 0.90058, 1e-4);
    EXPECT_NEAR(CeilingFroudeNumber(1110.39, 4), 1.0 / 32, 1e-5);
    EXPECT_EQ(CeilingFroudeNumber(1000, 0), 0);
}

struct Rows {
    std::array<int, 4> Time{};
    std::array<float, 4> InterfaceHeight{};
    std::array<double, 4> HeatReleaseRate{};
    int LastRow = 3;
};

// A 2.4 m room, fire at the floor: Heskestad's flame of 200 kW is 1.97 m,
// of 400 kW 2.58 m (past the ceiling).
Rows GrowingFire() {
    Rows rows;
    rows.Time = {0, 10, 20, 30};
    rows.InterfaceHeight = {2.39F, 2.2F, 1.5F, 1.2F};
    rows.HeatReleaseRate = {0, 100, 200, 400};
    return rows;
}

TEST(ValidityLimits, EachLimitWithTheFirstRowThatReachedIt) {
    const Rows rows = GrowingFire();
    const TestedRange range{0.01, 0.1};
    const ValidityFindings found =
        FindValidityLimits(rows, 2.4, 0, PlumeCorrelation::Zukoski, range);
    ASSERT_TRUE(found.FlamesReachCeiling);
    EXPECT_EQ(*found.FlamesReachCeiling, 30);
    // 100 kW: flame 1.48 m below the interface at 2.2 m; 200 kW: 1.96 m above 1.5 m.
    ASSERT_TRUE(found.PlumeWithinFlames);
    EXPECT_EQ(*found.PlumeWithinFlames, 20);
    // 400 / (1110.39·2.4^2.5) = 0.04037, inside [0.01, 0.1].
    EXPECT_NEAR(found.PeakFroudeNumber, 0.04037, 1e-4);
    EXPECT_FALSE(found.OutsideTestedRange);
    EXPECT_FALSE(found.EntrainmentCapActive);
}

TEST(ValidityLimits, HeskestadIsNotFlaggedWithinTheFlamesAndTheRangeIsChecked) {
    const Rows rows = GrowingFire();
    const ValidityFindings found =
        FindValidityLimits(rows, 2.4, 0, PlumeCorrelation::Heskestad, TestedRange{0.05, 0.5});
    EXPECT_FALSE(found.PlumeWithinFlames);
    ASSERT_TRUE(found.OutsideTestedRange);
    EXPECT_EQ(*found.OutsideTestedRange, 30);
}

TEST(ValidityLimits, SmallFireInATallRoomReachesNoLimit) {
    Rows rows = GrowingFire();
    rows.HeatReleaseRate = {0, 10, 20, 30};
    rows.InterfaceHeight = {9.9F, 9.0F, 8.0F, 7.0F};
    const ValidityFindings found =
        FindValidityLimits(rows, 10, 0, PlumeCorrelation::Zukoski, TestedRange{0, 1});
    EXPECT_FALSE(found.FlamesReachCeiling);
    EXPECT_FALSE(found.PlumeWithinFlames);
    EXPECT_FALSE(found.OutsideTestedRange);
}

} // namespace
} // namespace vorla

namespace vorla {
namespace {

// The tested ranges hold the measured fires they are taken from, Q*_H worked
// from the published heat release rates and heights: Steckler's 2.13 m room
// with 31.6 and 158 kW burners at the floor, the NIST/NRC room's 3.82 m
// ceiling with 1190 kW, VTT's 19 m hall with peaks of 1858 and 3639 kW.
TEST(TestedRanges, HoldTheMeasuredFires) {
    const struct {
        const char* what;
        const TestedRange& range;
        double rate, height;
    } cases[] = {
        {"Steckler 31.6 kW", kCompartmentTestedRange, 31.6, 2.13},
        {"Steckler 158 kW", kCompartmentTestedRange, 158, 2.13},
        {"NIST/NRC 1190 kW", kCompartmentTestedRange, 1190, 3.82},
        {"VTT 1858 kW", kSmokeTestedRange, 1858, 19},
        {"VTT 3639 kW", kSmokeTestedRange, 3639, 19},
    };
    for (const auto& c : cases) {
        const double q = CeilingFroudeNumber(c.rate, c.height);
        EXPECT_GE(q, c.range.LowestFroudeNumber) << c.what;
        EXPECT_LE(q, c.range.HighestFroudeNumber) << c.what;
    }
    // An office fire of 1 MW under 2.4 m (Q*_H 0.10) lies outside both.
    EXPECT_GT(CeilingFroudeNumber(1000, 2.4), kCompartmentTestedRange.HighestFroudeNumber);
    EXPECT_GT(CeilingFroudeNumber(1000, 2.4), kSmokeTestedRange.HighestFroudeNumber);
}

TEST(ValidityLimitKeys, OneKeyPerLimitLeftInAFixedOrder) {
    ValidityFindings found;
    EXPECT_TRUE(ValidityLimitKeys(found, {0.01, 0.1}).empty());
    found.EntrainmentCapActive = 40;
    found.FlamesReachCeiling = 30;
    found.PeakFroudeNumber = 0.2;
    found.OutsideTestedRange = 50;
    const auto keys = ValidityLimitKeys(found, {0.01, 0.1});
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0], (ValidityLimitKey{"flames_reach_ceiling", 30}));
    EXPECT_EQ(keys[1], (ValidityLimitKey{"outside_tested_range", 50, 0.2, 0.01, 0.1}));
    EXPECT_EQ(keys[2], (ValidityLimitKey{"entrainment_cap_active", 40}));
}

} // namespace
} // namespace vorla

#include "curve_test_support.h"
#include "fire_generator/curves/semi_universal_fire.h"

#include <gtest/gtest.h>

namespace vorla::generator {
namespace {

// The time after ignition of each point of a 600 s curve: every 5 s, with the
// joints at 148 s and 349 s taking the places of 155 s and 355 s.
std::vector<int> ExpectedGrid() {
    std::vector<int> grid;
    for (int t = 0; t <= 145; t += 5) {
        grid.push_back(t);
    }
    grid.push_back(148);
    grid.push_back(150);
    for (int t = 160; t <= 345; t += 5) {
        grid.push_back(t);
    }
    grid.push_back(349);
    grid.push_back(350);
    for (int t = 360; t <= 600; t += 5) {
        grid.push_back(t);
    }
    return grid;
}

TEST(SemiUniversalFire, RunsOnItsGridWithTheJointsInserted) {
    DesignFireState module = ModuleFor(0);
    ASSERT_FALSE(BuildSemiUniversalFire(module, {"600"}));
    const auto grid = ExpectedGrid();
    ASSERT_EQ(module.LastPoint, 120);
    ASSERT_EQ(grid.size(), 121u);
    for (int i = 0; i <= 120; ++i) {
        EXPECT_EQ(module.FireTime[i], grid[i]) << i;
    }
}

TEST(SemiUniversalFire, HasTheRatesOfItsThreePhases) {
    DesignFireState module = ModuleFor(0);
    ASSERT_FALSE(BuildSemiUniversalFire(module, {"600"}));
    const struct {
        int time;
        double rate;
        double within;
    } expected[] = {
        {0, 10.0, 1e-6},     {5, 11.33, 0.005},   {145, 375.2, 0.05},   {148, 400, 0},
        {150, 409.7, 0.05},  {160, 452.8, 0.05},  {345, 2879.8, 0.05},  {349, 3000, 0},
        {350, 3015.0, 0.05}, {360, 3169.6, 0.05}, {600, 10523.5, 0.05},
    };
    for (const auto& e : expected) {
        int i = 0;
        while (i < module.LastPoint && module.FireTime[i] != e.time) {
            ++i;
        }
        ASSERT_EQ(module.FireTime[i], e.time);
        EXPECT_NEAR(module.FireRate[i], e.rate, e.within) << e.time;
    }
}

TEST(SemiUniversalFire, StepsUpWithinTheLastSecondBeforeIgnition) {
    DesignFireState module = ModuleFor(30);
    ASSERT_FALSE(BuildSemiUniversalFire(module, {"600"}));
    EXPECT_EQ(module.LastPoint, 122);
    EXPECT_EQ(module.FireTime[0], 0);
    EXPECT_EQ(module.FireRate[0], 0);
    EXPECT_EQ(module.FireTime[1], 29);
    EXPECT_EQ(module.FireRate[1], 0);
    EXPECT_EQ(module.FireTime[2], 30);
    EXPECT_EQ(module.FireRate[2], 10.0f);
    EXPECT_EQ(module.FireTime[3], 35);
    EXPECT_NEAR(module.FireRate[3], 11.33, 0.005);
    EXPECT_EQ(module.FireTime[122], 630);

    module = ModuleFor(1);
    ASSERT_FALSE(BuildSemiUniversalFire(module, {"5"}));
    EXPECT_EQ(PointsOf(module),
              (std::vector<std::pair<int, float>>{{0, 0.0f}, {1, 10.0f}, {6, module.FireRate[2]}}));
}

TEST(SemiUniversalFire, AJointIsOnlyInsertedWhenItsGridPointIsPartOfTheCurve) {
    DesignFireState module = ModuleFor(0);
    ASSERT_FALSE(BuildSemiUniversalFire(module, {"149"}));
    EXPECT_EQ(module.FireTime[module.LastPoint], 145);

    ASSERT_FALSE(BuildSemiUniversalFire(module, {"150"}));
    EXPECT_EQ(module.FireTime[module.LastPoint - 1], 148);
    EXPECT_EQ(module.FireTime[module.LastPoint], 150);
}

TEST(SemiUniversalFire, ChecksTheEndTime) {
    const struct {
        const char* tEnd;
        const char* message; // empty: accepted
    } cases[] = {
        {"600", ""},
        {"600.5", ""},
        {"601", "The time to the end of the curve must not exceed 600 s"},
        {"40000", "The time to the end of the curve must not exceed 600 s"},
        {"0", "The time to the end of the curve must be positive"},
        {"", "The time to the end of the curve must be positive"},
        {"-5", "The time to the end of the curve must be positive"},
        {"1", ""},
    };
    for (const auto& c : cases) {
        DesignFireState module = ModuleWithEarlierCurve(0);
        const auto error = BuildSemiUniversalFire(module, {c.tEnd});
        if (*c.message == '\0') {
            EXPECT_FALSE(error) << c.tEnd;
            continue;
        }
        ASSERT_TRUE(error) << c.tEnd;
        EXPECT_EQ(error->Message, c.message);
        EXPECT_EQ(error->Focus, "txtTEnd");
        EXPECT_TRUE(HoldsEarlierCurve(module));
    }
}

TEST(SemiUniversalFire, RefusesPointsPast32767Seconds) {
    DesignFireState module = ModuleFor(32167);
    ASSERT_FALSE(BuildSemiUniversalFire(module, {"600"}));
    EXPECT_EQ(module.FireTime[module.LastPoint], 32767);

    // The last point lies on the 5 s grid: 595 s after a delay of 32171 s still fits.
    module = ModuleFor(32171);
    ASSERT_FALSE(BuildSemiUniversalFire(module, {"597"}));
    EXPECT_EQ(module.FireTime[module.LastPoint], 32766);

    module = ModuleWithEarlierCurve(32168);
    const auto error = BuildSemiUniversalFire(module, {"600"});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message,
              "The delay time plus the time to the end of the curve must not exceed 32767 s");
    EXPECT_TRUE(HoldsEarlierCurve(module));
}

} // namespace
} // namespace vorla::generator

#include "curve_test_support.h"
#include "fire_generator/curves/tsquared_fire.h"

#include <gtest/gtest.h>

namespace vorla::generator {
namespace {

TEST(TSquaredFire, GrowsEveryFiveSecondsAndStaysFlatFromTheMaximum) {
    DesignFireState module = ModuleFor(0);
    ASSERT_FALSE(BuildTSquaredFire(module, {"0.1", "100", "200"}));
    ASSERT_EQ(module.LastPoint, 40);
    EXPECT_EQ(module.FireTime[0], 0);
    EXPECT_EQ(module.FireRate[0], 0);
    EXPECT_EQ(module.FireTime[1], 5);
    EXPECT_EQ(module.FireRate[1], 2.5f);
    EXPECT_EQ(module.FireTime[19], 95);
    EXPECT_NEAR(module.FireRate[19], 902.5, 1e-3);
    for (int i = 20; i <= 40; ++i) {
        EXPECT_EQ(module.FireTime[i], 5 * i);
        EXPECT_EQ(module.FireRate[i], 1000.0f) << i;
    }
}

TEST(TSquaredFire, EndsAtTheLastMultipleOfFiveNotBeyondTheEnd) {
    DesignFireState module = ModuleFor(0);
    ASSERT_FALSE(BuildTSquaredFire(module, {"0.2", "10", "7"}));
    EXPECT_EQ(PointsOf(module), (std::vector<std::pair<int, float>>{{0, 0.0f}, {5, 5.0f}}));

    ASSERT_FALSE(BuildTSquaredFire(module, {"0.2", "10", "3"}));
    EXPECT_EQ(module.LastPoint, 0);
    EXPECT_EQ(module.FireTime[0], 0);
}

TEST(TSquaredFire, ADelayAddsAPointAtIgnition) {
    DesignFireState module = ModuleFor(60);
    ASSERT_FALSE(BuildTSquaredFire(module, {"0.2", "10", "20"}));
    EXPECT_EQ(PointsOf(module),
              (std::vector<std::pair<int, float>>{
                  {0, 0.0f}, {60, 0.0f}, {65, 5.0f}, {70, 20.0f}, {75, 20.0f}, {80, 20.0f}}));

    // The shortest delay, 1 s: 0.2 · 5² = 5 kW at 5 s after ignition, then the
    // 0.2 · 10² = 20 kW held.
    module = ModuleFor(1);
    ASSERT_FALSE(BuildTSquaredFire(module, {"0.2", "10", "20"}));
    EXPECT_EQ(PointsOf(module),
              (std::vector<std::pair<int, float>>{
                  {0, 0.0f}, {1, 0.0f}, {6, 5.0f}, {11, 20.0f}, {16, 20.0f}, {21, 20.0f}}));
}

TEST(TSquaredFire, AFullTableEndsAtIndex1800) {
    DesignFireState module = ModuleFor(0);
    ASSERT_FALSE(BuildTSquaredFire(module, {"0.01", "100", "9000"}));
    EXPECT_EQ(module.LastPoint, 1800);
    EXPECT_EQ(module.FireTime[1800], 9000);

    module = ModuleFor(10);
    ASSERT_FALSE(BuildTSquaredFire(module, {"0.01", "100", "9000"}));
    EXPECT_EQ(module.LastPoint, 1800);
    EXPECT_EQ(module.FireTime[1800], 10 + 8995);
}

TEST(TSquaredFire, ConvertsTheGrowthFactorFromBtuPerSecond) {
    DesignFireState module = ModuleFor(0, UnitSystem::US);
    ASSERT_FALSE(BuildTSquaredFire(module, {"2", "100", "5"}));
    EXPECT_EQ(module.FireRate[1], static_cast<float>(25 * 2.11));

    const auto error = BuildTSquaredFire(module, {"2.01", "100", "5"});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message, "The fire growth factor is too large");
}

TEST(TSquaredFire, ChecksInOrderAndLeavesTheTableOnAFailure) {
    const struct {
        TSquaredEntries entries;
        const char* message; // empty: accepted
        const char* field;
    } cases[] = {
        {{"0", "0", "0"}, "The fire growth factor must be a positive number", "txtAlpha"},
        {{"-1", "10", "100"}, "The fire growth factor must be a positive number", "txtAlpha"},
        {{"", "10", "100"}, "The fire growth factor must be a positive number", "txtAlpha"},
        {{"2.12", "0", "0"}, "The fire growth factor is too large", "txtAlpha"},
        {{"2.11", "10", "100"}, "", ""},
        {{"1", "0", "99999"}, "The time to maximum QDOT must be a positive number", "txtTMax"},
        {{"1", "-3", "100"}, "The time to maximum QDOT must be a positive number", "txtTMax"},
        {{"1", "10", "9001"}, "The time to the end of the curve must not exceed 9000 s", "txtTEnd"},
        {{"1", "10", "9001.5"},
         "The time to the end of the curve must not exceed 9000 s",
         "txtTEnd"},
        {{"1", "10", "9000.5"}, "", ""},
        {{"1", "10", "70000"},
         "The time to the end of the curve must not exceed 9000 s",
         "txtTEnd"},
        {{"1", "10", "0"}, "The time to the end of the curve must be positive", "txtTEnd"},
        {{"1", "10", "0.5"}, "The time to the end of the curve must be positive", "txtTEnd"},
        {{"1", "10", "-70000"}, "The time to the end of the curve must be positive", "txtTEnd"},
        {{"1", "10", "1"}, "", ""},
    };
    for (const auto& c : cases) {
        DesignFireState module = ModuleWithEarlierCurve(5);
        const auto error = BuildTSquaredFire(module, c.entries);
        const std::string label = std::string(c.entries.Alpha) + " " + std::string(c.entries.TMax) +
                                  " " + std::string(c.entries.TEnd);
        if (*c.message == '\0') {
            EXPECT_FALSE(error) << label;
            continue;
        }
        ASSERT_TRUE(error) << label;
        EXPECT_EQ(error->Message, c.message) << label;
        EXPECT_EQ(error->ObjectName(), c.field) << label;
        EXPECT_EQ(error->Title, "QDOT-XW: Input Data Error");
        EXPECT_TRUE(HoldsEarlierCurve(module)) << label;
    }
}

TEST(TSquaredFire, RefusesPointsPast32767SecondsInsteadOfWrapping) {
    DesignFireState module = ModuleWithEarlierCurve(30000);
    const auto error = BuildTSquaredFire(module, {"0.1", "100", "9000"});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message,
              "The delay time plus the time to the end of the curve must not exceed 32767 s");
    EXPECT_EQ(error->Focus, "txtTEnd");
    EXPECT_TRUE(HoldsEarlierCurve(module));

    // The last point at 32765 s fits; the grid point after it is not part of the curve.
    module = ModuleFor(32760);
    ASSERT_FALSE(BuildTSquaredFire(module, {"0.1", "100", "7"}));
    EXPECT_EQ(module.LastPoint, 2);
    EXPECT_EQ(module.FireTime[2], 32765);
    EXPECT_TRUE(BuildTSquaredFire(module, {"0.1", "100", "10"}));
}

TEST(TSquaredFire, LeavesThePointsBehindTheCurveAsTheyWere) {
    DesignFireState module = ModuleWithEarlierCurve(0);
    ASSERT_FALSE(BuildTSquaredFire(module, {"0.1", "100", "20"}));
    EXPECT_EQ(module.LastPoint, 4);
    EXPECT_EQ(module.FireTime[5], 5);
    EXPECT_EQ(module.FireRate[5], 7.5f);
}

TEST(TSquaredFire, AlphaUnitsFollowTheRateUnit) {
    EXPECT_EQ(AlphaUnitsCaption(ModuleFor(0)), "kW/s²");
    EXPECT_EQ(AlphaUnitsCaption(ModuleFor(0, UnitSystem::US)), "Btu/s/s²");
}

// The question before a curve that ends before its maximum, values worked
// out by hand: alpha * t² at the end and at the maximum.
TEST(TSquaredFire, AnEndBeforeTheMaximumIsSaid) {
    struct Row {
        UnitSystem units;
        TSquaredEntries entries;
        const char* question; // nothing: no question
    };
    const Row rows[] = {
        {UnitSystem::SI,
         {"0.01172", "300", "200"},
         "The curve ends 200 s after ignition, before the time to maximum QDOT of 300 s: it "
         "rises to no more than 468.8 kW and never reaches its maximum of 1054.8 kW. Build it "
         "anyway?"},
        // 0.1 * 150² = 2250, 0.1 * 250.5² = 6275.025; 149.5 s rounds to 150 s.
        {UnitSystem::SI,
         {"0.1", "250.5", "149.5"},
         "The curve ends 150 s after ignition, before the time to maximum QDOT of 250.5 s: it "
         "rises to no more than 2250 kW and never reaches its maximum of 6275 kW. Build it "
         "anyway?"},
        // In Btu/s: 0.5 * 10² = 50, 0.5 * 20² = 200.
        {UnitSystem::US,
         {"0.5", "20", "10"},
         "The curve ends 10 s after ignition, before the time to maximum QDOT of 20 s: it rises "
         "to no more than 50 Btu/s and never reaches its maximum of 200 Btu/s. Build it "
         "anyway?"},
        {UnitSystem::SI, {"0.01", "300", "300"}, nullptr},
        {UnitSystem::SI, {"0.01", "300", "900"}, nullptr},
        // Entries OK refuses: its own message, no question.
        {UnitSystem::SI, {"0", "300", "200"}, nullptr},
        {UnitSystem::SI, {"3", "300", "200"}, nullptr},
        {UnitSystem::SI, {"0.01", "0", "200"}, nullptr},
        {UnitSystem::SI, {"0.01", "30000", "9001"}, nullptr},
        {UnitSystem::SI, {"0.01", "300", "-5"}, nullptr},
    };
    for (const auto& row : rows) {
        const DesignFireState module = ModuleFor(0, row.units);
        const auto question = PeakNotReachedQuestion(module, row.entries);
        if (row.question == nullptr) {
            EXPECT_FALSE(question) << row.entries.Alpha << " " << row.entries.TEnd;
        } else {
            EXPECT_EQ(question.value_or("(none)"), row.question);
        }
    }
}

} // namespace
} // namespace vorla::generator

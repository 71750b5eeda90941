#include "curve_test_support.h"
#include "fire_generator/curves/pool_fire.h"

#include <gtest/gtest.h>

namespace vorla::generator {
namespace {

constexpr PoolEntries kHeptane1m{"0.039", "0.7", "1", "600"};

TEST(PoolFire, ReachesItsRateOneSecondAfterIgnition) {
    DesignFireState module = ModuleFor(0, UnitSystem::SI, 43700);
    ASSERT_FALSE(BuildPoolFire(module, kHeptane1m));
    ASSERT_EQ(module.LastPoint, 2);
    const float q = module.FireRate[1];
    EXPECT_NEAR(q, 673.8, 0.05);
    EXPECT_EQ(PointsOf(module), (std::vector<std::pair<int, float>>{{0, 0.0f}, {1, q}, {600, q}}));

    module = ModuleFor(60, UnitSystem::SI, 43700);
    ASSERT_FALSE(BuildPoolFire(module, kHeptane1m));
    EXPECT_EQ(PointsOf(module),
              (std::vector<std::pair<int, float>>{{0, 0.0f}, {60, 0.0f}, {61, q}, {660, q}}));

    // The shortest delay: ignition at 1 s, the full rate at 2 s.
    module = ModuleFor(1, UnitSystem::SI, 43700);
    ASSERT_FALSE(BuildPoolFire(module, kHeptane1m));
    EXPECT_EQ(PointsOf(module),
              (std::vector<std::pair<int, float>>{{0, 0.0f}, {1, 0.0f}, {2, q}, {601, q}}));
}

TEST(PoolFire, AnEndOneSecondAfterIgnitionGivesTwoPointsAtOneSecond) {
    DesignFireState module = ModuleFor(0, UnitSystem::SI, 43700);
    ASSERT_FALSE(BuildPoolFire(module, {"0.039", "0.7", "1", "1"}));
    const float q = module.FireRate[1];
    EXPECT_EQ(PointsOf(module), (std::vector<std::pair<int, float>>{{0, 0.0f}, {1, q}, {1, q}}));
}

TEST(PoolFire, ConvertsFromUSUnits) {
    // 0.2 lb/ft²-s is 0.976534 kg/m²-s, 3 1/ft is 9.8425 1/m and 1 ft a pool
    // of 0.0729658 m²: 43700 kJ/kg (1 - e^-3) 0.976534 0.0729658 = 2958.756 kW.
    DesignFireState us = ModuleFor(0, UnitSystem::US, 43700);
    ASSERT_FALSE(BuildPoolFire(us, {"0.2", "3", "1", "100"}));
    EXPECT_NEAR(us.FireRate[1], 2958.756, 2958.756 * 1e-6);

    const auto error = BuildPoolFire(us, {"0.039", "0.7", "0.65", "600"});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message, "The pool diameter must exceed 0.2 m or 8 in.");
    EXPECT_FALSE(BuildPoolFire(us, {"0.039", "0.7", "0.66", "600"}));
    EXPECT_TRUE(BuildPoolFire(us, {"0.039", "3.1", "1", "600"}));
}

TEST(PoolFire, ChecksInOrderAtEveryBoundary) {
    const struct {
        PoolEntries entries;
        const char* message; // empty: accepted
        const char* field;
    } cases[] = {
        {{"0", "0", "0", "0"},
         "The infinite size pool mass loss rate must be greater than 0",
         "txtMLRInf"},
        {{"-0.1", "1", "1", "10"},
         "The infinite size pool mass loss rate must be greater than 0",
         "txtMLRInf"},
        {{"1.01", "0", "0", "0"},
         "The infinite size pool mass loss rate is too large",
         "txtMLRInf"},
        {{"1", "10", "0.2", "9000"}, "", ""},
        {{"1", "0", "0", "0"}, "KxBeta must be greater than 0", "txtKBeta"},
        {{"1", "10.01", "0", "0"}, "KxBeta is too large", "txtKBeta"},
        {{"1", "1", "0.19", "0"}, "The pool diameter must exceed 0.2 m or 8 in.", "txtDiameter"},
        {{"1", "1", "", "0"}, "The pool diameter must exceed 0.2 m or 8 in.", "txtDiameter"},
        {{"1", "1", "0.2", "9001"},
         "The time to the end of the curve must not exceed 9000 s",
         "txtTEnd"},
        {{"1", "1", "0.2", "0"}, "The time to the end of the curve must be positive", "txtTEnd"},
        {{"1", "1", "0.2", "1"}, "", ""},
        {{"1", "1", "1e200", "10"}, "The pool diameter is too large", "txtDiameter"},
    };
    for (const auto& c : cases) {
        DesignFireState module = ModuleWithEarlierCurve(0);
        const auto error = BuildPoolFire(module, c.entries);
        const std::string label =
            std::string(c.entries.MassLossRate) + " " + std::string(c.entries.KBeta) + " " +
            std::string(c.entries.Diameter) + " " + std::string(c.entries.TEnd);
        if (*c.message == '\0') {
            EXPECT_FALSE(error) << label;
            continue;
        }
        ASSERT_TRUE(error) << label;
        EXPECT_EQ(error->Message, c.message) << label;
        EXPECT_EQ(error->Focus, c.field) << label;
        EXPECT_EQ(error->Title, "QDOT-XW: Input Data Error");
        EXPECT_TRUE(HoldsEarlierCurve(module)) << label;
    }
}

TEST(PoolFire, RefusesAnEndPast32767Seconds) {
    DesignFireState module = ModuleFor(23767, UnitSystem::SI, 43700);
    ASSERT_FALSE(BuildPoolFire(module, {"0.039", "0.7", "1", "9000"}));
    EXPECT_EQ(module.FireTime[3], 32767);

    module = ModuleFor(23768, UnitSystem::SI, 43700);
    const auto error = BuildPoolFire(module, {"0.039", "0.7", "1", "9000"});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message,
              "The delay time plus the time to the end of the curve must not exceed 32767 s");
}

TEST(PoolFire, UnitCaptionsFollowTheUnits) {
    const auto si = PoolUnitCaptionsOf(ModuleFor(0));
    EXPECT_EQ(si.MassLossRate, "kg/m²-s");
    EXPECT_EQ(si.KBeta, "1/m");
    EXPECT_EQ(si.Diameter, "m");
    const auto us = PoolUnitCaptionsOf(ModuleFor(0, UnitSystem::US));
    EXPECT_EQ(us.MassLossRate, "lb/ft²-s");
    EXPECT_EQ(us.KBeta, "1/ft");
    EXPECT_EQ(us.Diameter, "ft");
}

} // namespace
} // namespace vorla::generator

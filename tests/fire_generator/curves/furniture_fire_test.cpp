#include "curve_test_support.h"
#include "fire_generator/curves/furniture_fire.h"

#include <gtest/gtest.h>

namespace vorla::generator {
namespace {

// Option indices in the order Fabric, Padding, Style, FrameCombustibility, FrameMaterial.
constexpr std::array<int, 5> kDefaults{0, 0, 0, 0, 0};
constexpr std::array<int, 5> kWoodArmchair{1, 1, 3, 2, 1}; // cellulosic, cotton, plain, wood, wood

TEST(FurnitureFire, IsATriangleFromMassAndFactors) {
    DesignFireState module = ModuleFor(0);
    ASSERT_FALSE(BuildFurnitureFire(module, {"20", kDefaults}));
    EXPECT_EQ(PointsOf(module),
              (std::vector<std::pair<int, float>>{{0, 0.0f}, {21, 10458.0f}, {41, 0.0f}}));

    module = ModuleFor(10);
    ASSERT_FALSE(BuildFurnitureFire(module, {"30", kWoodArmchair}));
    ASSERT_EQ(module.LastPoint, 3);
    EXPECT_EQ(module.FireTime[1], 10);
    EXPECT_EQ(module.FireRate[1], 0);
    EXPECT_EQ(module.FireTime[2], 784);
    EXPECT_NEAR(module.FireRate[2], 302.4, 1e-4);
    EXPECT_EQ(module.FireTime[3], 1558);
    EXPECT_EQ(module.FireRate[3], 0);

    // The shortest delay, 1 s: the 41.31 s of burning start at 1 s, the peak
    // at 1 + 20.655 (22 s) and the end at 1 + 41.31 (42 s).
    module = ModuleFor(1);
    ASSERT_FALSE(BuildFurnitureFire(module, {"20", kDefaults}));
    EXPECT_EQ(PointsOf(module), (std::vector<std::pair<int, float>>{
                                    {0, 0.0f}, {1, 0.0f}, {22, 10458.0f}, {42, 0.0f}}));
}

TEST(FurnitureFire, ConvertsAMassInPounds) {
    DesignFireState module = ModuleFor(0, UnitSystem::US);
    ASSERT_FALSE(BuildFurnitureFire(module, {"10", kDefaults}));
    // 10 lb = 4.536 kg; the burning time does not depend on the mass.
    EXPECT_NEAR(module.FireRate[1], 10458.0 * 4.536 / 20, 1e-3);
    EXPECT_EQ(module.FireTime[1], 21);
    EXPECT_EQ(module.FireTime[2], 41);
}

TEST(FurnitureFire, TheStyleFactorIsSinglePrecision) {
    // With SF = 1.2 in double the peak would be exactly 418320000 kW; the single
    // 1.2 lifts it by 16.6 kW, past the half-way mark to the next single value.
    DesignFireState module = ModuleFor(0);
    ASSERT_FALSE(BuildFurnitureFire(module, {"1e6", {0, 0, 2, 0, 0}}));
    EXPECT_EQ(module.FireRate[1], 418320032.0f);
}

TEST(FurnitureFire, RefusesAMassThatIsNotPositive) {
    for (const char* mass : {"0", "-1", "", "kg"}) {
        DesignFireState module = ModuleWithEarlierCurve(0);
        const auto error = BuildFurnitureFire(module, {mass, kDefaults});
        ASSERT_TRUE(error) << mass;
        EXPECT_EQ(error->Message, "The combustible mass must be greater than 0");
        EXPECT_EQ(error->Focus, "txtCombustibleMass");
        EXPECT_EQ(error->Title, "QDOT-XW: Input Data Error");
        EXPECT_TRUE(HoldsEarlierCurve(module));
    }
    DesignFireState module = ModuleWithEarlierCurve(0);
    const auto error = BuildFurnitureFire(module, {"1e308", kDefaults});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message, "The combustible mass is too large");
    EXPECT_TRUE(HoldsEarlierCurve(module));
}

TEST(FurnitureFire, RefusesABurningTimePast32767Seconds) {
    // PVC film, cotton, plain, charring plastic, metal frame: t_b = 57143 s.
    DesignFireState module = ModuleWithEarlierCurve(0);
    module.HeatOfCombustion = 120000;
    const auto error = BuildFurnitureFire(module, {"5", {2, 1, 3, 3, 0}});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message, "The delay time plus the burning time of this fire (57143 s) must "
                              "not exceed 32767 s");
    EXPECT_EQ(error->Focus, "txtCombustibleMass");
    EXPECT_TRUE(HoldsEarlierCurve(module));

    // 41.31 s of burning ends at 32767 s after a delay of 32726 s, not after 32727 s.
    module = ModuleFor(32726);
    ASSERT_FALSE(BuildFurnitureFire(module, {"20", kDefaults}));
    EXPECT_EQ(module.FireTime[3], 32767);
    module = ModuleFor(32727);
    EXPECT_TRUE(BuildFurnitureFire(module, {"20", kDefaults}));
}

TEST(FurnitureFactors, HaveTheFormsCaptionsToolTipsAndFactors) {
    const struct {
        FurnitureFactor factor;
        const char* frame;
        const char* caption;
        const char* optionArray;
        std::vector<std::tuple<const char*, const char*, double>> options;
    } expected[] = {
        {FurnitureFactor::Fabric,
         "fraFabricFactor",
         "Fabric Factor",
         "optFabricFactor",
         {{"Thermoplastics", "FF=1.00", 1.00},
          {"Cellulosic Fabrics", "FF=0.40", 0.40},
          {"PVC or Polyurethane Film", "FF=0.25", 0.25}}},
        {FurnitureFactor::Padding,
         "fraPaddingFactor",
         "Padding Factor",
         "optPaddingFactor",
         {{"Polyurethane and/or Latex Foam", "PF=1.00", 1.00},
          {"Cotton Batting or Neoprene", "PF=0.40", 0.40}}},
        {FurnitureFactor::Style,
         "fraStyleFactor",
         "Style Factor",
         "optStyleFactor",
         {{"Ornate Convoluted Shapes", "SF=1.50", 1.50},
          {"Intermediate Shapes (High)", "SF=1.30", 1.30},
          {"Intermediate Shapes (Low)", "SF=1.20", 1.20},
          {"Plain, Primarily Rectangular", "SF=1.00", 1.00}}},
        {FurnitureFactor::FrameCombustibility,
         "fraFrameCombustibilityFactor",
         "Frame Combustibility Factor",
         "optFrameCombustibilityFactor",
         {{"Non-Combustible Frame", "FC=1.66", 1.66},
          {"Melting Plastic", "FC=0.58", 0.58},
          {"Wood", "FC=0.30", 0.30},
          {"Charring Plastic", "FC=0.18", 0.18}}},
        {FurnitureFactor::FrameMaterial,
         "fraFrameMaterialFactor",
         "Frame Material Factor",
         "optFrameMaterialFactor",
         {{"Metal or Plastic Frame", "FM=1.80", 1.80}, {"Wood Frame", "FM=1.30", 1.30}}},
    };
    for (const auto& e : expected) {
        const auto& frame = FurnitureFrameOf(e.factor);
        EXPECT_EQ(frame.FrameName, e.frame);
        EXPECT_EQ(frame.Caption, e.caption);
        EXPECT_EQ(frame.OptionArray, e.optionArray);
        ASSERT_EQ(frame.Options.size(), e.options.size()) << e.frame;
        for (std::size_t i = 0; i < e.options.size(); ++i) {
            EXPECT_EQ(frame.Options[i].Caption, std::get<0>(e.options[i]));
            EXPECT_EQ(frame.Options[i].ToolTip, std::get<1>(e.options[i]));
            EXPECT_EQ(frame.Options[i].Factor, std::get<2>(e.options[i]));
        }
        // No option selected, or one the frame does not have: option 0.
        EXPECT_EQ(FurnitureFactorValue(e.factor, -1), std::get<2>(e.options[0]));
        EXPECT_EQ(FurnitureFactorValue(e.factor, 9), std::get<2>(e.options[0]));
    }
    EXPECT_EQ(FurnitureFactorFrames().size(), 5u);
}

} // namespace
} // namespace vorla::generator

#include "life_safety/tenability/yields.h"

#include <gtest/gtest.h>
#include <limits>

namespace vorla::tenability {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

FuelYields Valid() {
    return {20000, 0.1, 0.05, 0.01, 2.0};
}

TEST(YieldsTest, EveryWrongInputIsNamedWithItsValue) {
    struct Case {
        double FuelYields::*Field;
        double Value;
        const char* Input;
        const char* Message;
    };
    const Case cases[] = {
        {&FuelYields::HeatOfCombustion, 0, "heat-of-combustion",
         "The heat of combustion must be a number above 0 and at most 150000 kJ/kg; 0 was given."},
        {&FuelYields::HeatOfCombustion, -1, "heat-of-combustion", nullptr},
        {&FuelYields::HeatOfCombustion, 150001, "heat-of-combustion", nullptr},
        {&FuelYields::HeatOfCombustion, kNaN, "heat-of-combustion", nullptr},
        {&FuelYields::Soot, -0.001, "soot-yield",
         "The soot yield must be a number from 0 to 1 kg/kg; -0.001 was given."},
        {&FuelYields::Soot, 1.5, "soot-yield", nullptr},
        {&FuelYields::Soot, kInf, "soot-yield", nullptr},
        {&FuelYields::CarbonMonoxide, 2.4, "co-yield", nullptr},
        {&FuelYields::CarbonMonoxide, kNaN, "co-yield", nullptr},
        {&FuelYields::HydrogenCyanide, -1e-9, "hcn-yield",
         "The HCN yield must be a number from 0 to 1 kg/kg; -1e-09 was given."},
        {&FuelYields::HydrogenCyanide, 1.01, "hcn-yield", nullptr},
        {&FuelYields::CarbonDioxide, 3.7, "co2-yield", nullptr},
        {&FuelYields::CarbonDioxide, -kInf, "co2-yield", nullptr},
    };
    for (const Case& c : cases) {
        FuelYields yields = Valid();
        yields.*c.Field = c.Value;
        const auto problem = CheckYields(yields);
        ASSERT_TRUE(problem) << c.Input << " " << c.Value;
        EXPECT_EQ(problem->Input, c.Input);
        if (c.Message) {
            EXPECT_EQ(problem->Message, c.Message);
        }
    }
}

TEST(YieldsTest, TheEdgesOfEachRangeAreAccepted) {
    // Pure carbon burned to CO gives 28/12 kg per kg, to CO2 44/12.
    const FuelYields edges[] = {
        {150000, 0, 0, 0, 0},
        {1e-6, 1, 28.0 / 12.0, 1, 44.0 / 12.0},
    };
    for (const FuelYields& yields : edges) {
        EXPECT_FALSE(CheckYields(yields));
    }
}

TEST(YieldsTest, TheFirstWrongInputIsReported) {
    FuelYields yields = Valid();
    yields.Soot = -1;
    yields.CarbonDioxide = -1;
    EXPECT_EQ(CheckYields(yields)->Input, "soot-yield");
}

TEST(YieldsTest, EveryFuelOfTheTableIsUsableFoundByItsKeyAndHasNoCyanideByDefault) {
    for (const FuelDefaults& fuel : FuelTable()) {
        EXPECT_FALSE(CheckYields(fuel.Yields)) << fuel.Key;
        EXPECT_EQ(FuelByKey(fuel.Key), fuel.Kind);
        EXPECT_EQ(&DefaultsOf(fuel.Kind), &fuel);
        EXPECT_EQ(fuel.Yields.HydrogenCyanide, 0) << fuel.Key;
        // Well-ventilated burning turns most carbon into CO2, very little
        // into CO.
        EXPECT_GT(fuel.Yields.CarbonDioxide, 10 * fuel.Yields.CarbonMonoxide) << fuel.Key;
    }
    EXPECT_FALSE(FuelByKey("Polystyrene"));
    EXPECT_FALSE(FuelByKey(""));
}

TEST(YieldsTest, TheDefaultFuelIsTheSootiestOfTheTable) {
    for (const FuelDefaults& fuel : FuelTable()) {
        EXPECT_LE(fuel.Yields.Soot, DefaultsOf(kDefaultFuel).Yields.Soot);
    }
}

} // namespace
} // namespace vorla::tenability

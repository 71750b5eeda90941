#include "life_safety/tenability/fed_heat.h"
#include "life_safety/tenability/fed_toxic.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::tenability {
namespace {

TEST(FedToxicTest, DoseRatesOfSingleGases) {
    // CO: 35000 µL/L min to incapacitation, so 3500 µL/L gives 0.1 per minute.
    // HCN: 100^2.36 / 1.2e6 = 0.0437340 per minute. CO2 at 5 % multiplies the
    // breathing, and so each concentration, by exp(5 / 5) = e.
    const struct {
        BreathedGases Gases;
        double Rate;
    } rows[] = {
        {{3500e-6, 0, 0}, 0.1},
        {{0, 100e-6, 0}, 0.043733955},
        {{3500e-6, 0, 0.05}, 0.1 * std::exp(1.0)},
        {{0, 100e-6, 0.05}, 0.043733955 * std::pow(std::exp(1.0), 2.36)},
        {{0, 0, 0.05}, 0},
        {{0, 0, 0}, 0},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(AsphyxiantDoseRate(row.Gases), row.Rate, 1e-8 * row.Rate + 1e-15);
    }
    EXPECT_NEAR(HyperventilationFactor(0.05), std::exp(1.0), 1e-15);
}

TEST(FedToxicTest, TenMinutesOf3500PpmCarbonMonoxideIncapacitate) {
    const BreathedGases gases{3500e-6, 0, 0};
    double dose = 0;
    for (int t = 0; t < 600; ++t) {
        dose += AsphyxiantDose(gases, gases, 1);
    }
    EXPECT_NEAR(dose, 1.0, 1e-12);
}

TEST(FedToxicTest, AStepTakesTheRateOfItsMeanConcentrations) {
    // CO rising from 0 to 7000 µL/L over a minute counts as 3500 µL/L.
    EXPECT_NEAR(AsphyxiantDose({0, 0, 0}, {7000e-6, 0, 0}, 60), 0.1, 1e-12);
}

TEST(FedHeatTest, ToleranceTimes) {
    const struct {
        double Actual, Expected;
    } rows[] = {
        {ConvectiveToleranceTime(100), 24.704943}, // 4.1e8 * 100^-3.61 min
        {ConvectiveToleranceTime(60), 156.19166},  // 2.6 h at the 60 °C criterion
        {RadiantToleranceTime(10), 0.052874867},   // 4.2 * 10^-1.9 min
        {RadiantToleranceTime(2.5), 0.73648393},   // the lowest flux that counts
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(row.Actual, row.Expected, 1e-7 * row.Expected);
    }
    EXPECT_TRUE(std::isinf(RadiantToleranceTime(2.4999)));
    EXPECT_TRUE(std::isinf(RadiantToleranceTime(0)));
    EXPECT_TRUE(std::isinf(ConvectiveToleranceTime(0)));
    EXPECT_TRUE(std::isinf(ConvectiveToleranceTime(-20)));
}

TEST(FedHeatTest, DosesOverAStep) {
    // A minute at 100 °C and 10 kW/m²: 1 / 24.70 and 1 / 0.05287 of a dose.
    const HeatDoses doses = HeatDosesOver(100, 100, 10, 10, 60);
    EXPECT_NEAR(doses.Convective, 1 / 24.704943, 1e-8);
    EXPECT_NEAR(doses.Radiant, 1 / 0.052874867, 1e-5);
    // The mean flux of 1 and 3 kW/m² is under 2.5: no radiant dose.
    EXPECT_EQ(HeatDosesOver(20, 20, 1, 3, 1).Radiant, 0);
    EXPECT_GT(HeatDosesOver(20, 20, 2, 3, 1).Radiant, 0);
}

} // namespace
} // namespace vorla::tenability

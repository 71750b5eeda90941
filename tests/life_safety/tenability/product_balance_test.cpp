#include "life_safety/tenability/product_balance.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace vorla::tenability {
namespace {

TEST(ProductBalanceTest, AClosedRoomHoldsEverythingBurned) {
    // 500 kW of a 25 MJ/kg fuel burn 0.02 kg/s: 2 kg in 100 s.
    ProductBalance balance(25000);
    const LayerMoment moment{500, 30, 0};
    for (int t = 0; t < 100; ++t) {
        balance.Advance(moment, moment, 1);
    }
    EXPECT_NEAR(balance.ProductsInLayer(), 2.0, 1e-12);
    EXPECT_NEAR(balance.FuelBurned(), 2.0, 1e-12);
    EXPECT_EQ(balance.ProductsGoneOut(), 0);
}

TEST(ProductBalanceTest, AWellMixedLayerWithSteadyOutflowApproachesItsSteadyState) {
    // 0.02 kg/s of fuel into 10 kg of gas losing 0.5 kg/s: dM/dt = 0.02 - 0.05 M,
    // M(t) = 0.4 (1 - e^(-0.05 t)); at 60 s 0.4 (1 - e^-3) = 0.380085.
    ProductBalance balance(25000);
    const LayerMoment moment{500, 10, 0.5};
    for (int t = 0; t < 60; ++t) {
        balance.Advance(moment, moment, 1);
    }
    EXPECT_NEAR(balance.ProductsInLayer(), 0.38008517, 1e-8);
    for (int t = 60; t < 2000; ++t) {
        balance.Advance(moment, moment, 1);
    }
    EXPECT_NEAR(balance.ProductsInLayer(), 0.4, 1e-12);
}

TEST(ProductBalanceTest, WhatIsBurnedIsInTheLayerOrGoneOut) {
    std::mt19937_64 random(24);
    std::uniform_real_distribution<double> rate(-50, 3000), mass(0, 200), out(0, 5);
    ProductBalance balance(18000);
    LayerMoment start{rate(random), mass(random), out(random)};
    for (int t = 0; t < 5000; ++t) {
        const LayerMoment end{rate(random), mass(random), out(random)};
        balance.Advance(start, end, 1);
        start = end;
        ASSERT_GE(balance.ProductsInLayer(), 0);
    }
    EXPECT_NEAR(balance.ProductsInLayer() + balance.ProductsGoneOut(), balance.FuelBurned(),
                1e-12 * balance.FuelBurned());
}

TEST(ProductBalanceTest, NoFireBurnsNothingAndALayerWithoutGasLosesNothing) {
    ProductBalance balance(20000);
    balance.Advance({-100, 10, 1}, {0, 10, 1}, 1);
    EXPECT_EQ(balance.FuelBurned(), 0);
    balance.Advance({200, 0, 1}, {200, 0, 1}, 1);
    EXPECT_DOUBLE_EQ(balance.ProductsInLayer(), 0.01);
    EXPECT_FALSE(std::isnan(balance.ProductsGoneOut()));
}

TEST(CompositionTest, MassAndVolumeFractionsOfOneKilogramInAHundred) {
    // 1 kg of a 20 MJ/kg fuel in 100 kg of layer gas, 100 m³: hand values,
    // volume fractions by molar masses 28.97 (air), 28.01, 27.03, 44.01, 32.
    const FuelYields yields{20000, 0.1, 0.05, 0.01, 2.0};
    const LayerComposition layer = CompositionOf(yields, 1, 100, 100);
    const struct {
        double Actual, Expected;
    } rows[] = {
        {layer.SootMassFraction, 0.001},
        {layer.SootConcentration, 0.001},
        {layer.CarbonMonoxideMassFraction, 0.0005},
        {layer.CarbonMonoxideVolumeFraction, 5.1713674e-4},
        {layer.HydrogenCyanideVolumeFraction, 1.0717721e-4},
        {layer.CarbonDioxideVolumeFraction, 0.013165190},
        // 20000 / 13100 kg of oxygen per kg of fuel taken from 23.141 %.
        {layer.OxygenMassFraction, 0.21614463},
        {layer.OxygenVolumeFraction, 0.19567844},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(row.Actual, row.Expected, 1e-7 * row.Expected);
    }
}

TEST(CompositionTest, OxygenStopsAtNoneAndAnEmptyLayerHoldsNothing) {
    const FuelYields yields{40000, 0.1, 0.05, 0, 2.0};
    EXPECT_EQ(CompositionOf(yields, 10, 100, 80).OxygenMassFraction, 0);
    const LayerComposition empty = CompositionOf(yields, 1, 0, 0);
    EXPECT_EQ(empty.SootConcentration, 0);
    EXPECT_NEAR(empty.OxygenVolumeFraction, 0.2095, 1e-15);
    EXPECT_EQ(kAmbientAir.CarbonMonoxideVolumeFraction, 0);
}

} // namespace
} // namespace vorla::tenability

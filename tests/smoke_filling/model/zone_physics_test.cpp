#include "smoke_filling/model/zone_physics.h"
#include "test_room.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::smoke {
namespace {

using testing::Room;
using testing::SteadyFire;

TEST(SmokeFillPlume, EntrainsWithTheFiveThirdsPowerOfTheHeightAboveTheFuel) {
    const struct {
        float fireHeight;
        double z;
        double expected;
    } cases[] = {
        {0.0f, 2.0, 2.090105}, // 1000 kW, 2 m of plume
        {1.0f, 3.0, 2.090105}, // the height counts from the fuel surface
        {1.0f, 1.0, 0.0},      // interface at the fuel surface
        {1.0f, 0.5, 0.0},      // interface below it
    };
    for (const auto& c : cases) {
        const RunInputs inputs = Room(20, 4, c.fireHeight);
        EXPECT_NEAR(SmokeFillPlume(inputs, 1000.0f, c.z), c.expected, 5e-7) << c.z;
    }
}

TEST(SmokeFillVentFlow, WhileTheLowerLayerRemainsDependsOnTheFireAlone) {
    const FireTable fire = SteadyFire(1000);
    const RunInputs inputs = Room(50, 3, 0.0f);
    for (const State y : {State{2.99, 294.26}, State{1.5, 500.0}, State{0.01, 900.0}}) {
        EXPECT_NEAR(SmokeFillVentFlow(inputs, fire, 30, y), 1.353926, 5e-7) << y.InterfaceHeight;
    }
}

TEST(SmokeFillVentFlow, ARoomFullOfSmokePushesOutLayerGasAsItHeats) {
    // With no plume the whole room keeps (1 - λ)Q, and the gas leaving is that
    // heat over cp T: 400 kW / (1.004 * 500 K).
    const FireTable fire = SteadyFire(1000);
    const RunInputs inputs = Room(50, 3, 0.0f);
    EXPECT_NEAR(SmokeFillVentFlow(inputs, fire, 30, State{0.0, 500.0}), 400.0 / (1.004 * 500.0),
                1e-12);
}

TEST(SmokeFillDerivatives, TheLayerOnlyEverGrowsUnderABurningFire) {
    const FireTable fire = SteadyFire(500);
    const RunInputs inputs = Room(30, 3, 0.5f);
    for (const State y :
         {State{2.99, 294.26}, State{2.0, 400.0}, State{0.6, 800.0}, State{0.3, 1200.0}}) {
        const State dy = SmokeFillDerivatives(inputs, fire, 10, y);
        EXPECT_LT(dy.InterfaceHeight, 0) << y.InterfaceHeight;
        EXPECT_TRUE(std::isfinite(dy.LayerTemperature)) << y.InterfaceHeight;
    }
}

TEST(SmokeFillDerivatives, TheInterfaceStopsAtTheFloorAndNothingChangesWithoutAFire) {
    const RunInputs inputs = Room(30, 3, 0.0f);
    const State atFloor = SmokeFillDerivatives(inputs, SteadyFire(500), 10, State{0.0, 600.0});
    EXPECT_EQ(atFloor.InterfaceHeight, 0);
    EXPECT_GT(atFloor.LayerTemperature, 0);
    const State noFire = SmokeFillDerivatives(inputs, SteadyFire(0), 10, State{1.0, 600.0});
    EXPECT_EQ(noFire.InterfaceHeight, 0);
    EXPECT_EQ(noFire.LayerTemperature, 0);
}

TEST(SmokeFillDerivatives, NeverDividesByZero) {
    const FireTable fire = SteadyFire(500);
    const RunInputs inputs = Room(30, 3, 0.0f);
    // A layer of no depth (interface at the ceiling) and a layer at 0 K.
    for (const State y : {State{3.0, 400.0}, State{1.0, 0.0}}) {
        const State dy = SmokeFillDerivatives(inputs, fire, 10, y);
        EXPECT_TRUE(std::isfinite(dy.InterfaceHeight))
            << y.InterfaceHeight << " " << y.LayerTemperature;
        EXPECT_TRUE(std::isfinite(dy.LayerTemperature))
            << y.InterfaceHeight << " " << y.LayerTemperature;
    }
}

TEST(SmokeFillDerivatives, AtZeroKelvinTheVolumeBalanceTakesItsLimit) {
    // ((H - z) / T) dT/dt tends to the bracket over cp ρa Ta A as T goes to 0,
    // so a layer a hair above 0 K and one at 0 K move the interface alike.
    const FireTable fire = SteadyFire(500);
    const RunInputs inputs = Room(30, 3, 0.0f);
    const State atZero = SmokeFillDerivatives(inputs, fire, 10, State{1.0, 0.0});
    const State nearZero = SmokeFillDerivatives(inputs, fire, 10, State{1.0, 1e-9});
    EXPECT_NEAR(atZero.InterfaceHeight, nearZero.InterfaceHeight,
                1e-6 * std::fabs(nearZero.InterfaceHeight));
}

} // namespace
} // namespace vorla::smoke

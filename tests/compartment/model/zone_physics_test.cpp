#include "compartment/model/run_results.h"
#include "compartment/model/zone_physics.h"
#include "test_room.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::compartment {
namespace {

using testing::Office;

constexpr double kAmbient = 294.26;

// A fire burning at a steady rate for a long time.
FireTable SteadyFire(double rate) {
    FireTable fire;
    fire.Points[0] = {0, rate};
    fire.Points[1] = {100000, rate};
    fire.LastIndex = 1;
    return fire;
}

// The flows a result row records: the rate in double precision.
ZoneFlows<double> Flows(const RunInputs& in, const FireTable& fire, double z, double T) {
    return CompartmentFlows<double>(ZoneModel{in, fire}, 10.0, State{z, T});
}

// The flows the derivatives use: the rate in single precision.
ZoneFlows<float> SingleFlows(const RunInputs& in, const FireTable& fire, double z, double T) {
    return CompartmentFlows<float>(ZoneModel{in, fire}, 10.0, State{z, T});
}

TEST(CompartmentPlume, EntrainmentAndItsUpperBound) {
    RunInputs in = Office()->Inputs;
    in.RadiativeLossFraction = 0.3;
    // 0.076 (700 * 0.5^5)^(1/3) = 0.2126 is above the bound 55 * 0.076^1.5 * 0.7^0.5 * 0.5^2.5.
    const float capped = CompartmentPlume(in, 1000, 0.5);
    EXPECT_NEAR(capped, 0.1704, 5e-5);
    in.RadiativeLossFraction = 0.35;
    // 0.076 (0.65 * 100 * 2^5)^(1/3), below its bound.
    EXPECT_NEAR(CompartmentPlume(in, 100, 2), 0.97015, 5e-5);

    in.FireHeight = 1;
    EXPECT_EQ(CompartmentPlume(in, 1000, 1), 0);
    EXPECT_EQ(CompartmentPlume(in, 1000, 0.5), 0);
    EXPECT_GT(CompartmentPlume(in, 1000, 1.5), 0);
    // A negative rate (a table extended before its first point) gives no plume.
    EXPECT_EQ(CompartmentPlume(in, -50, 1.5), 0);
}

TEST(CompartmentFlows, InterfaceAboveTheSoffitPushesOutColdGasOnly) {
    RunInputs in = Office()->Inputs;
    in.LossFraction = 0.7;
    const FireTable fire = SteadyFire(100);
    const auto above = Flows(in, fire, 2.2, 400);
    EXPECT_EQ(above.RegimeFlag, kRegimeAboveSoffit);
    EXPECT_EQ(above.AirFlag, kNotStarvedOfAir);
    EXPECT_EQ(above.Vent.AirIn, 0);
    EXPECT_NEAR(above.Vent.LowerLayerOut, 0.1015, 5e-5); // 0.3 * 100 / (1.004 * 294.26)
    EXPECT_EQ(above.Vent.HotGasOut, 0);

    // Exactly at the soffit (compared in single precision) is still above it.
    const auto at = Flows(in, fire, in.SoffitHeight, 400);
    EXPECT_EQ(at.RegimeFlag, kRegimeAboveSoffit);
    const auto below =
        Flows(in, fire, std::nextafter(static_cast<double>(in.SoffitHeight), 0), 400);
    EXPECT_NE(below.RegimeFlag, kRegimeAboveSoffit);
}

TEST(CompartmentFlows, FireStarvedOfAirIsCutToWhatThePlumeSupports) {
    const RunInputs in = Office()->Inputs;
    const FireTable fire = SteadyFire(2000);
    const auto low = Flows(in, fire, 0.3, 600);
    EXPECT_EQ(low.AirFlag, kStarvedOfAir);
    // The plume of 0.3 m is held to its bound, 55 · 0.076^1.5 · √0.65 · 0.3^2.5
    // = 0.0457976 kg/s, which burns 3030 kW per kg/s: 138.77 kW. The product is
    // a double; it becomes single only where it is stored as one.
    EXPECT_NEAR(low.HeatReleaseRate, 138.767, 5e-4);
    const float mp = CompartmentPlume(in, 2000, 0.3);
    EXPECT_EQ(low.HeatReleaseRate, 3030 * static_cast<double>(mp));

    EXPECT_EQ(SingleFlows(in, fire, 0.3, 600).HeatReleaseRate,
              static_cast<float>(3030 * static_cast<double>(mp)));

    // At or below the fire base there is no plume, so any fire is cut to nothing.
    RunInputs raised = in;
    raised.FireHeight = 0.5;
    const auto under = Flows(raised, fire, 0.5, 600);
    EXPECT_EQ(under.AirFlag, kStarvedOfAir);
    EXPECT_EQ(under.HeatReleaseRate, 0);
}

TEST(CompartmentFlows, RowsKeepTheRateInDoubleAndTheDerivativesInSingle) {
    const RunInputs in = Office()->Inputs;
    const FireTable fire = SteadyFire(100.1);
    const auto row = Flows(in, fire, 2.2, 400);
    EXPECT_EQ(row.HeatReleaseRate, 100.1);
    const auto single = SingleFlows(in, fire, 2.2, 400);
    EXPECT_EQ(single.HeatReleaseRate, 100.1f);
    // 0.4 · 100.0999985 / (1.004 · 294.26): the single rate, where 100.1 itself
    // would give 0.1355280299.
    EXPECT_NEAR(single.Vent.LowerLayerOut, 0.1355280279, 5e-11);
}

TEST(CompartmentFlows, BelowTheSoffitTheRegimeFollowsTheExpansion) {
    const RunInputs in = Office()->Inputs;
    // A layer that heats fast drives gas out below the interface (regime 2);
    // a hot, deep layer draws air in above it (regime 3).
    const auto expanding = Flows(in, SteadyFire(300), 1.95, 320);
    EXPECT_EQ(expanding.RegimeFlag, kRegimeOutflowBelowInterface);
    EXPECT_EQ(expanding.Vent.AirIn, 0);
    EXPECT_GT(expanding.Vent.LowerLayerOut, 0);
    EXPECT_GT(expanding.Vent.HotGasOut, 0);

    const auto buoyant = Flows(in, SteadyFire(300), 1.2, 600);
    EXPECT_EQ(buoyant.RegimeFlag, kRegimeInflowAboveInterface);
    EXPECT_GT(buoyant.Vent.AirIn, 0);
    EXPECT_EQ(buoyant.Vent.LowerLayerOut, 0);
    EXPECT_GT(buoyant.Vent.HotGasOut, buoyant.Vent.AirIn * kAmbient / 600);
}

TEST(CompartmentFlows, InflowBeyondTheVentFactorIsCappedAsRegimeFour) {
    RunInputs in = Office()->Inputs;
    const FireTable fire = SteadyFire(300);
    const double T = 600;
    in.VentFactor = 1e9;
    const auto free = Flows(in, fire, 1.2, T);
    ASSERT_EQ(free.RegimeFlag, kRegimeInflowAboveInterface);
    // Regime 3 takes the inflow from the balance: flow1 = (T / 294.26)(mup - E).
    const double e = free.Vent.HotGasOut - free.Vent.AirIn * kAmbient / T;

    in.VentFactor = free.Vent.AirIn / 2;
    const auto capped = Flows(in, fire, 1.2, T);
    EXPECT_EQ(capped.RegimeFlag, kRegimeVentLimited);
    EXPECT_EQ(capped.Vent.AirIn, in.VentFactor);
    EXPECT_EQ(capped.Vent.LowerLayerOut, 0);
    EXPECT_NEAR(capped.Vent.HotGasOut, e + kAmbient / T * in.VentFactor, 1e-12);
}

TEST(CompartmentFlows, InterfaceAtTheSillHasNoRegime) {
    RunInputs in = Office()->Inputs;
    in.SillHeight = 1;
    const auto atSill = Flows(in, SteadyFire(300), 1.0, 600);
    EXPECT_EQ(atSill.RegimeFlag, kRegimeNone);
    EXPECT_EQ(atSill.Vent.AirIn, 0);
    EXPECT_EQ(atSill.Vent.LowerLayerOut, 0);
    EXPECT_GT(atSill.Vent.HotGasOut, 0);
}

TEST(CompartmentFlows, LayerAtAmbientTemperatureHasNoBuoyancyButFiniteFlows) {
    // A soffit 5 mm below the ceiling: the starting layer is below it while
    // still at ambient temperature, so g1 = g2 = 0.
    RunInputs in = Office()->Inputs;
    in.RoomHeight = 3;
    in.SoffitHeight = 2.995f;
    const auto noFire = Flows(in, SteadyFire(0), 2.99, kAmbient);
    EXPECT_EQ(noFire.RegimeFlag, kRegimeTransition);
    EXPECT_EQ(noFire.Vent.HotGasOut, 0);

    const auto expanding = Flows(in, SteadyFire(100), 2.99, kAmbient);
    EXPECT_EQ(expanding.RegimeFlag, kRegimeOutflowBelowInterface);
    const auto nearly = Flows(in, SteadyFire(100), 2.99, kAmbient + 1e-6);
    EXPECT_EQ(nearly.RegimeFlag, kRegimeOutflowBelowInterface);
    const double VentFlows::*flows[] = {&VentFlows::AirIn, &VentFlows::LowerLayerOut,
                                        &VentFlows::HotGasOut};
    for (const auto flow : flows) {
        const double atAmbient = expanding.Vent.*flow;
        const double justAbove = nearly.Vent.*flow;
        EXPECT_TRUE(std::isfinite(atAmbient));
        EXPECT_NEAR(atAmbient, justAbove, 1e-3 * std::fabs(justAbove) + 1e-9)
            << "the flows at ambient are the limit of the flows just above it";
    }

    // A contracting layer at ambient temperature (a negative rate) draws air in.
    FireTable cooling;
    cooling.Points[0] = {0, -50};
    cooling.Points[1] = {100, -50};
    cooling.LastIndex = 1;
    const auto contracting = Flows(in, cooling, 2.99, kAmbient);
    EXPECT_EQ(contracting.RegimeFlag, kRegimeInflowAboveInterface);
    EXPECT_GT(contracting.Vent.AirIn, 0);
    EXPECT_TRUE(std::isfinite(contracting.Vent.HotGasOut));
}

TEST(CompartmentFlows, EveryStateGivesFiniteFlowsAndEndsItsBisection) {
    RunInputs in = Office()->Inputs;
    in.SillHeight = 0.3;
    const double temperatures[] = {150,   250,   293.0,  kAmbient, kAmbient + 1e-9,
                                   300.0, 450.0, 873.15, 1500.0,   3000.0};
    const double rates[] = {-100, 0, 0.001, 1, 100, 1000, 10000, 1e6};
    for (const double rate : rates) {
        const FireTable fire = SteadyFire(rate);
        for (double z = 0.31; z < in.RoomHeight; z += 0.137) {
            for (const double T : temperatures) {
                const auto result = Flows(in, fire, z, T);
                const State derivatives =
                    CompartmentDerivatives(ZoneModel{in, fire}, 10.0, State{z, T});
                EXPECT_TRUE(std::isfinite(result.HeatReleaseRate) &&
                            std::isfinite(result.Vent.AirIn) &&
                            std::isfinite(result.Vent.LowerLayerOut) &&
                            std::isfinite(result.Vent.HotGasOut) &&
                            std::isfinite(derivatives.InterfaceHeight) &&
                            std::isfinite(derivatives.LayerTemperature))
                    << "rate " << rate << ", z " << z << ", T " << T;
            }
        }
    }
}

TEST(CompartmentDerivatives, LayerFillsDownwardsAndHeats) {
    const RunInputs in = Office()->Inputs;
    const FireTable fire = SteadyFire(100);
    const State filling = CompartmentDerivatives(ZoneModel{in, fire}, 10.0, State{2.39, kAmbient});
    EXPECT_LT(filling.InterfaceHeight, 0);
    EXPECT_GT(filling.LayerTemperature, 0);

    // A layer of no depth (the interface at the ceiling) has nothing to heat.
    const State noDepth = CompartmentDerivatives(ZoneModel{in, fire}, 10.0, State{2.4, 400});
    EXPECT_EQ(noDepth.LayerTemperature, 0);
    EXPECT_TRUE(std::isfinite(noDepth.InterfaceHeight));
}

} // namespace
} // namespace vorla::compartment

// Alpert's correlations against values worked by hand from the published
// forms, their continuity where the near and far fields meet, and the layer
// correction's properties.
#include "life_safety/detection/ceiling_jet.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::detection {
namespace {

constexpr double kAmbient = 293.15;

TEST(CeilingJet, AlpertAgainstHandCalculations) {
    struct Row {
        double Q, H, r, Rise, Velocity;
    };
    // Worked by hand (calculator) from ΔT = 16.9 Q^(2/3)/H^(5/3) or
    // 5.38 (Q/r)^(2/3)/H and u = 0.96 (Q/H)^(1/3) or 0.195 Q^(1/3) H^(1/2)/r^(5/6).
    const Row rows[] = {
        {1500, 3.96, 3.06, 84.4631, 1.74909}, // NUREG-1805 chapter 11's input case, r/H = 0.77
        {1000, 3.0, 0.0, 270.822, 6.65627},   // on the axis
        {1000, 3.0, 0.45, 270.822, 6.65627},  // r/H = 0.15: both near field
        {1000, 3.0, 0.50, 270.822, 6.01802},  // near-field temperature, far-field velocity
        {1000, 3.0, 0.54, 270.822, 5.64417}, // r/H = 0.18 exactly: still the near-field temperature
        {500, 2.4, 2.0, 88.9606, 1.34567},    {2000, 6.0, 4.0, 56.4865, 1.89556},
    };
    for (const Row& row : rows) {
        const JetExcess jet = AlpertCeilingJet(row.Q, row.H, row.r);
        EXPECT_NEAR(jet.TemperatureRise, row.Rise, 1e-5 * row.Rise) << row.Q << " " << row.r;
        EXPECT_NEAR(jet.Velocity, row.Velocity, 1e-5 * row.Velocity) << row.Q << " " << row.r;
    }
}

TEST(CeilingJet, NearAndFarFieldsMeetWithinAlpertsRounding) {
    // Alpert's constants are rounded: at r/H = 0.18 the far-field temperature
    // is 5.38 × 0.18^(−2/3) = 16.876 against 16.9 (0.15 %), at r/H = 0.15 the
    // far-field velocity 0.195 × 0.15^(−5/6) = 0.9476 against 0.96 (1.3 %).
    const double h = 4.0;
    const double q = 800;
    const double t = kNearFieldTemperatureRatio * h;
    const double v = kNearFieldVelocityRatio * h;
    EXPECT_NEAR(AlpertCeilingJet(q, h, t * (1 - 1e-9)).TemperatureRise,
                AlpertCeilingJet(q, h, t * (1 + 1e-9)).TemperatureRise,
                0.002 * AlpertCeilingJet(q, h, t).TemperatureRise);
    EXPECT_NEAR(AlpertCeilingJet(q, h, v * (1 - 1e-9)).Velocity,
                AlpertCeilingJet(q, h, v * (1 + 1e-9)).Velocity,
                0.014 * AlpertCeilingJet(q, h, v).Velocity);
}

TEST(CeilingJet, NoFireOrNoCeilingGivesNoJet) {
    const struct {
        double Q, H;
    } rows[] = {{0, 3}, {-5, 3}, {1000, 0}, {1000, -1}, {std::nan(""), 3}};
    for (const auto& row : rows) {
        const JetExcess jet = AlpertCeilingJet(row.Q, row.H, 1.0);
        EXPECT_EQ(jet.TemperatureRise, 0);
        EXPECT_EQ(jet.Velocity, 0);
    }
}

TEST(CeilingJet, ThicknessFollowsMotevalliAndMarks) {
    // 0.112 H (1 − e^(−2.24 r/H)), held at its r/H = 0.26 value nearer the axis.
    EXPECT_NEAR(CeilingJetThickness(3, 3), 3 * 0.112 * (1 - std::exp(-2.24)), 1e-12);
    EXPECT_NEAR(CeilingJetThickness(3, 0), 3 * 0.112 * (1 - std::exp(-2.24 * 0.26)), 1e-12);
    EXPECT_EQ(CeilingJetThickness(0, 1), 0);
}

TEST(CeilingJet, GasAroundTheDevice) {
    struct Row {
        const char* Case;
        double Depth, Layer, Below;
        double Temperature; // K, worked by hand
        bool InLayer;
    };
    const double q = 1000, h = 3, r = 2;
    const double rise = 5.38 * std::cbrt(500.0 * 500.0) / 3; // (Q/r)^(2/3)/H with Q/r = 500
    // A layer 1 m deep at twice the ambient over a fire 3 m below the
    // ceiling: the interface is 2 m above the fire and the substitute source
    // 2^0.6 × 2 m below it, so H′ = 1 + 2^0.6 × 2 = 4.031433 m, and the jet's
    // rise over the layer is 5.38·500^(2/3)/H′ × 2.
    const double substitute = 1 + std::pow(2.0, 0.6) * 2;
    const Row rows[] = {
        {"no layer", 0, kAmbient, 0.1, kAmbient + rise, false},
        {"layer above the device", 0.05, 2 * kAmbient, 0.1, kAmbient + rise, false},
        {"layer as warm as the room", 1, kAmbient, 0.1, kAmbient + rise, false},
        {"device in the layer", 1, 2 * kAmbient, 0.1,
         2 * kAmbient + 5.38 * std::cbrt(500.0 * 500.0) / substitute * 2, true},
        {"fire in the layer", 3.5, 2 * kAmbient, 0.1, 2 * kAmbient + rise * 2, true},
    };
    for (const Row& row : rows) {
        const DeviceGas gas = GasAtDevice({q, h, row.Depth, row.Layer, kAmbient}, r, row.Below);
        EXPECT_NEAR(gas.Temperature, row.Temperature, 1e-9) << row.Case;
        EXPECT_EQ(gas.InLayer, row.InLayer) << row.Case;
    }
    // The velocity does not depend on the ambient temperature: in the layer
    // it is Alpert's for the substitute height.
    const DeviceGas deep = GasAtDevice({q, h, 1, 2 * kAmbient, kAmbient}, r, 0.1);
    EXPECT_NEAR(deep.Velocity, 0.195 * std::cbrt(q) * std::sqrt(substitute) / std::pow(r, 5.0 / 6),
                1e-12);
}

TEST(CeilingJet, LimitsTheDeviceIsBeyond) {
    struct Row {
        double H, r, Below;
        JetLimit Expected;
    };
    const Row rows[] = {
        {3, 2, 0.05, JetLimit::None},
        {3, 6.5, 0.05, JetLimit::BeyondMeasuredRadius},
        {3, 2, 0.5, JetLimit::BelowJetThickness},
        {3, 7, 0.9, JetLimit::BeyondMeasuredRadius | JetLimit::BelowJetThickness},
        {0, 2, 0.05, JetLimit::NoCeilingAboveFire},
    };
    for (const Row& row : rows) {
        const DeviceGas gas = GasAtDevice({500, row.H, 0, kAmbient, kAmbient}, row.r, row.Below);
        EXPECT_EQ(static_cast<int>(gas.Limits), static_cast<int>(row.Expected))
            << row.H << " " << row.r << " " << row.Below;
    }
}

} // namespace
} // namespace vorla::detection

// The link equation against its closed forms: a steady jet (with and without
// conduction to the mount) and a gas temperature rising linearly.
#include "life_safety/detection/link_response.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::detection {
namespace {

constexpr double kLinkAmbient = 293.15;

TEST(LinkResponse, SteadyJetClosedForm) {
    struct Row {
        double Rti, C, Velocity, Rise, Operating, Expected;
    };
    // t = RTI/(√u + C)·ln((T_e − T∞)/(T_e − T_op)), worked by hand:
    // C = 0: 100/√2 · ln 2 = 49.0129 s; C = 0.5: T_e − T∞ = √2·100/(√2 + 0.5)
    // = 73.8796 K, t = 100/1.91421·ln(73.8796/23.8796) = 59.0014 s.
    const Row rows[] = {
        {100, 0, 2, 100, 50, 49.0129072},
        {100, 0.5, 2, 100, 50, 59.0013503},
    };
    for (const Row& row : rows) {
        const auto t = SteadyJetResponseTime({row.Rti, row.C}, kLinkAmbient + row.Rise, row.Velocity,
                                             kLinkAmbient, kLinkAmbient + row.Operating);
        ASSERT_TRUE(t);
        EXPECT_NEAR(*t, row.Expected, 1e-6);
    }
    // An element whose equilibrium stays below its operating temperature
    // never operates: conduction of 2 (m/s)^½ holds it at √2/(√2+2) of the rise.
    EXPECT_FALSE(SteadyJetResponseTime({100, 2}, kLinkAmbient + 100, 2, kLinkAmbient, kLinkAmbient + 50));
    EXPECT_FALSE(SteadyJetResponseTime({100, 0}, kLinkAmbient + 100, 0, kLinkAmbient, kLinkAmbient + 50));
}

TEST(LinkResponse, SteppingASteadyJetReachesTheClosedFormTime) {
    for (double c : {0.0, 0.5}) {
        for (double stepLength : {1.0, 0.25, 2.5}) {
            double temperature = kLinkAmbient;
            std::optional<double> reached;
            const LinkGas gas{kLinkAmbient + 100, 2};
            for (int n = 0; n < 1000 && !reached; ++n) {
                const LinkStep step = AdvanceLink({100, c}, temperature, gas, gas, kLinkAmbient,
                                                  stepLength, kLinkAmbient + 50);
                if (step.ReachedAt) {
                    reached = n * stepLength + *step.ReachedAt;
                }
                temperature = step.EndTemperature;
            }
            ASSERT_TRUE(reached);
            const double expected = c == 0 ? 49.0129072 : 59.0013503;
            // Whatever the step: the crossing is found on the exact curve.
            EXPECT_NEAR(*reached, expected, 1e-6) << c << " " << stepLength;
        }
    }
}

TEST(LinkResponse, LinearlyRisingGasHasTheExactLag) {
    // T_g = T∞ + s·t, C = 0, τ = RTI/√u: T_L = T∞ + s·(t − τ(1 − e^(−t/τ))).
    const double rti = 50, u = 4, s = 0.5;
    const double tau = rti / std::sqrt(u);
    double temperature = kLinkAmbient;
    for (int second = 0; second < 120; ++second) {
        const LinkGas from{kLinkAmbient + s * second, u};
        const LinkGas to{kLinkAmbient + s * (second + 1), u};
        temperature = LinkTemperatureAfter({rti, 0}, temperature, from, to, kLinkAmbient, 1.0);
    }
    EXPECT_NEAR(temperature - kLinkAmbient, s * (120 - tau * (1 - std::exp(-120 / tau))), 1e-9);
}

TEST(LinkResponse, StillAirLeavesTheElementAsItIs) {
    const LinkGas still{kLinkAmbient + 200, 0};
    EXPECT_EQ(LinkTemperatureAfter({50, 0}, kLinkAmbient + 3, still, still, kLinkAmbient, 1.0),
              kLinkAmbient + 3);
    // With conduction only, the element cools towards the mount.
    const double cooled = LinkTemperatureAfter({50, 1}, kLinkAmbient + 10, still, still, kLinkAmbient, 5);
    EXPECT_NEAR(cooled - kLinkAmbient, 10 * std::exp(-5.0 / 50), 1e-12);
}

TEST(LinkResponse, AnElementAlreadyAtItsThresholdOperatesAtOnce) {
    const LinkGas gas{kLinkAmbient + 100, 2};
    const LinkStep step =
        AdvanceLink({100, 0}, kLinkAmbient + 60, gas, gas, kLinkAmbient, 1.0, kLinkAmbient + 50);
    ASSERT_TRUE(step.ReachedAt);
    EXPECT_EQ(*step.ReachedAt, 0);
}

} // namespace
} // namespace vorla::detection

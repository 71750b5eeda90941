// The closed forms against values worked out by hand from their sources, and
// against the properties that tie each to its inverse.
#include "verification/closed_forms.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::verification {
namespace {

TEST(ClosedForms, HandCalculations) {
    const struct {
        const char* name;
        double value;
        double expected;
    } cases[] = {
        // k = 0.076/1.2 = 0.063333; 2k·1000^(1/3)/(3·100) = 0.0042222 per s;
        // z(100 s) = (0.42222 + 10^(-2/3))^(-1.5) = (0.42222 + 0.21544)^(-1.5) = 1.9639 m.
        {"closed form z", ClosedFormInterface(1000, 100, 10, 100), 1.9639},
        // NFPA 92 steady, Q = 1000 kW, H = 10 m, A = 500 m², t = 60 s:
        // 60·10 / 21.544 = 27.85, / (500/100) = 5.570, ln = 1.7174; 1.11 − 0.48088 = 0.62912.
        {"NFPA 92 steady z", Nfpa92SteadyInterface(1000, 10, 500, 60), 6.2912},
        // MQH: Q = 500 kW, A0 = 1.8 m², H0 = 2 m, hk·AT = 1 kW/K:
        // 250000 / 2.5456 = 98209, cube root 46.137, × 6.85 = 316.0 K.
        {"MQH rise", MqhTemperatureRise(500, 1.8, 2, 1), 316.04},
        {"Babrauskas", BabrauskasFlashoverRate(1.8, 2), 750 * 1.8 * 1.41421},
        {"Thomas", ThomasFlashoverRate(1.8, 2, 80), 624 + 378 * 1.8 * 1.41421},
        // 610·√(0.8·2.5456) = 610·1.42706 = 870.5 kW.
        {"MQH flashover", MqhFlashoverRate(1.8, 2, 0.8), 870.5},
        {"Kawagoe air", KawagoeAirInflow(1.8, 2), 1.27279},
        {"Kawagoe heat", KawagoeHeatRelease(1.8, 2), 3818.4},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.value, c.expected, 1e-3 * c.expected) << c.name;
    }
}

TEST(ClosedForms, FillingTimesInvertTheInterfaceHeights) {
    for (const double share : {0.9, 0.5, 0.25}) {
        const double t = ClosedFormFillingTime(2000, 400, 6, share * 6);
        EXPECT_NEAR(ClosedFormInterface(2000, 400, 6, t), share * 6, 1e-9);
        const double steady = Nfpa92SteadyFillingTime(2000, 6, 100, share);
        EXPECT_NEAR(Nfpa92SteadyInterface(2000, 6, 100, steady), share * 6, 1e-9);
        const double growing = Nfpa92TSquaredFillingTime(150, 6, 100, share);
        EXPECT_NEAR(Nfpa92TSquaredInterface(150, 6, 100, growing), share * 6, 1e-9);
    }
}

TEST(ClosedForms, LayerStartsAtTheCeilingAndNeverRisesAboveIt) {
    EXPECT_DOUBLE_EQ(ClosedFormInterface(500, 100, 3, 0), 3);
    EXPECT_DOUBLE_EQ(Nfpa92SteadyInterface(500, 3, 20, 0), 3);
    EXPECT_DOUBLE_EQ(Nfpa92SteadyInterface(500, 3, 20, 0.001), 3); // the fit passes 1 early on
    EXPECT_DOUBLE_EQ(Nfpa92TSquaredInterface(150, 3, 20, 1), 3);
}

} // namespace
} // namespace vorla::verification

namespace vorla::verification {
namespace {

// With χ = 1 the layer keeps no heat and the quadrature is the closed form of
// Yamana & Tanaka; keeping heat only speeds the descent, and the descent rate
// at the start is the two volume terms over the area (by hand: 0.4·2000 /
// (1.004·1.2·294.26) = 2.2565 m³/s of expansion, 0.076·10.9139·19.8116/1.2
// = 13.6941 m³/s of entrained gas, over 400 m²).
TEST(ClosedForms, HeatedFillingByQuadrature) {
    for (const double share : {0.8, 0.5, 0.2}) {
        EXPECT_NEAR(HeatedFillingTime(2000, 1300, 1.0, 400, 6, share * 6),
                    ClosedFormFillingTime(1300, 400, 6, share * 6), 1e-6)
            << share;
        EXPECT_LT(HeatedFillingTime(2000, 1300, 0.6, 400, 6, share * 6),
                  HeatedFillingTime(2000, 1300, 1.0, 400, 6, share * 6));
    }
    EXPECT_NEAR(HeatedDescentRate(2000, 1300, 0.6, 400, 6), (2.2565 + 13.6941) / 400, 1e-6);
    EXPECT_EQ(HeatedFillingTime(2000, 1300, 0.6, 400, 6, 6), 0);
}

} // namespace
} // namespace vorla::verification

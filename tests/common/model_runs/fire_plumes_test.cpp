#include "common/model_runs/fire_plumes.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla {
namespace {

// Hand calculations of NFPA 92's forms (5.5.1.1) at points chosen on either
// side of the limiting elevation.
TEST(HeskestadPlume, MassFlowAboveAndWithinTheFlames) {
    struct Row {
        double ConvectiveRate; // kW
        double Height;         // m above the fuel surface
        double Expected;       // kg/s, by hand
    };
    const Row rows[] = {
        // z_l = 0.166·1000^0.4 = 2.631 m: 0.071·10·10^(5/3) + 1.8
        {1000, 10, 34.7553},
        // within the flames: 0.032·1000^0.6·1
        {1000, 1, 2.01906},
        // z_l = 0.166·100^0.4 = 1.048 m: 0.071·4.6416·3.1748 + 0.18
        {100, 2, 1.22626},
        {1000, 0, 0},
        {1000, -1, 0},
        {0, 5, 0},
        {-50, 5, 0},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(HeskestadPlumeFlow(row.ConvectiveRate, row.Height), row.Expected,
                    1e-4 * std::max(1.0, row.Expected))
            << row.ConvectiveRate << " kW at " << row.Height << " m";
    }
}

// The two forms meet at the limiting elevation within the correlation's
// rounding (0.005312·Qc below, 0.005359·Qc above: under 1 %).
TEST(HeskestadPlume, FormsMeetAtTheLimitingElevation) {
    for (const double rate : {10.0, 300.0, 5000.0}) {
        const double zl = HeskestadLimitingElevation(rate);
        const double below = HeskestadPlumeFlow(rate, zl);
        const double above = HeskestadPlumeFlow(rate, zl * (1 + 1e-9));
        EXPECT_NEAR(above / below, 1.0, 0.01) << rate << " kW";
    }
}

TEST(HeskestadFlame, MeanHeightOfAPointSource) {
    EXPECT_NEAR(HeskestadFlameHeight(1000), 0.235 * 15.8489, 1e-3);
    EXPECT_NEAR(HeskestadFlameHeight(100), 0.235 * 6.30957, 1e-4);
    EXPECT_EQ(HeskestadFlameHeight(0), 0);
}

// The mirror method: a wall halves the plume of a fire twice the size, a
// corner quarters that of a fire four times the size.
TEST(MirrorMethod, ImagesAndTheirPlume) {
    const auto cubeRoot = [](double q) { return std::cbrt(q); };
    struct Row {
        FirePosition Place;
        int Images;
        double Expected; // cbrt(n·100)/n by hand
    };
    const Row rows[] = {
        {FirePosition::Centre, 1, 4.64159},
        {FirePosition::AgainstWall, 2, 2.92402},
        {FirePosition::InCorner, 4, 1.84202},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MirrorImageCount(row.Place), row.Images);
        EXPECT_NEAR(MirroredPlume(row.Place, 100, cubeRoot), row.Expected, 1e-4);
    }
}

} // namespace
} // namespace vorla

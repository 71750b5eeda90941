#include "common/text/units.h"
#include "life_safety/tenability/radiation.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace vorla::tenability {
namespace {

// The configuration factor by its definition, cos θ1 cos θ2 / (π S²) summed
// over the square in small cells (midpoint rule, n² cells).
double ViewFactorByIntegration(double side, double distance, int n) {
    const double cell = side / n;
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const double x = -side / 2 + (i + 0.5) * cell;
            const double y = -side / 2 + (j + 0.5) * cell;
            const double s2 = x * x + y * y + distance * distance;
            sum += distance * distance / (std::numbers::pi * s2 * s2) * cell * cell;
        }
    }
    return sum;
}

TEST(RadiationTest, ViewFactorAgreesWithItsDefinition) {
    const struct {
        double Side, Distance;
    } rows[] = {{1, 1}, {4.47, 0.6}, {10, 0.2}, {3, 5}, {30, 1}};
    for (const auto& row : rows) {
        EXPECT_NEAR(ViewFactorToSquareAbove(row.Side, row.Distance),
                    ViewFactorByIntegration(row.Side, row.Distance, 1200), 2e-4)
            << row.Side << " " << row.Distance;
    }
}

TEST(RadiationTest, ViewFactorLimits) {
    EXPECT_EQ(ViewFactorToSquareAbove(5, 0), 1);
    // A far square looks like a small area: A / (π c²), to within the next term
    // of the expansion, of order (a / c)².
    EXPECT_NEAR(ViewFactorToSquareAbove(1, 100), 1 / (std::numbers::pi * 1e4),
                1e-4 / (std::numbers::pi * 1e4));
    // A square as large as the sky is the whole view.
    EXPECT_NEAR(ViewFactorToSquareAbove(1e6, 1), 1, 1e-5);
}

TEST(RadiationTest, MeanBeamLengths) {
    // Hottel: a cube of side a radiating to its faces, 0.6 a; a thin slab, 1.8
    // times its thickness.
    EXPECT_NEAR(MeanBeamLength(4, 2), 1.2, 1e-12);
    EXPECT_NEAR(MeanBeamLength(1e8, 0.5), 0.9, 1e-3);
    EXPECT_EQ(MeanBeamLength(20, 0), 0);
}

TEST(RadiationTest, SootEmissivity) {
    // 1 g/m³ of soot at 600 K: a = 1195.5 * (0.001 / 1800) * 600 = 0.3985 /m,
    // over 1 m an emissivity of 1 - e^-0.3985 = 0.32867.
    const double a = SootAbsorptionCoefficient(0.001, 600);
    EXPECT_NEAR(a, 0.3985, 1e-12);
    EXPECT_NEAR(GreyEmissivity(a, 1), 0.32867372, 1e-8);
    EXPECT_EQ(GreyEmissivity(0, 1), 0);
}

TEST(RadiationTest, ABlackLayerAt200CJustAboveTheHeadGivesTheTolerableFlux) {
    // The rule of the design guides: a layer of about 200 °C radiates 2.5
    // kW/m². sigma (473.15^4 - 294.26^4) = 2.4167 kW/m² from a black layer.
    const RadiatingLayer thick{400, 3, 1.8, 473.15, 1.0};
    EXPECT_NEAR(RadiantFluxAtHead(thick, 1.8), 2.4167444, 1e-4);
    // Farther from the layer, less of the view and less flux; in the layer, all
    // of it.
    EXPECT_LT(RadiantFluxAtHead(thick, 1.0), RadiantFluxAtHead(thick, 1.8));
    EXPECT_NEAR(RadiantFluxAtHead(thick, 2.0), 2.4167444, 1e-4);
}

TEST(RadiationTest, NoFluxFromACoolOrClearLayer) {
    EXPECT_EQ(RadiantFluxAtHead({20, 2.4, 2.0, kAmbientTemperature, 0.01}, 1.8), 0);
    EXPECT_EQ(RadiantFluxAtHead({20, 2.4, 2.0, 600, 0}, 1.8), 0);
    EXPECT_EQ(RadiantFluxAtHead({20, 2.4, 2.4, 600, 0.01}, 1.8), 0); // no layer yet
}

TEST(RadiationTest, FluxNeverExceedsABlackBodys) {
    for (const double soot : {1e-4, 1e-3, 1e-2, 1.0}) {
        for (const double z : {0.5, 1.5, 2.0}) {
            const double q = RadiantFluxAtHead({20, 2.4, z, 800, soot}, 1.8);
            EXPECT_GT(q, 0);
            EXPECT_LE(q, 5.670374419e-11 * (std::pow(800.0, 4) - std::pow(294.26, 4)));
        }
    }
}

} // namespace
} // namespace vorla::tenability

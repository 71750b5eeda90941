#include "life_safety/tenability/visibility.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::tenability {
namespace {

TEST(VisibilityTest, SmokeOfUnitOpticalDensity) {
    // Optical density 1 /m is an extinction coefficient of ln 10 = 2.302585 /m,
    // which 8700 m²/kg reach at 2.302585 / 8700 = 2.6466e-4 kg/m³; a reflecting
    // sign is then seen 3 / 2.302585 = 1.3029 m away, a lit one 3.4744 m.
    const double soot = 2.302585093 / 8700;
    EXPECT_NEAR(OpticalDensityPerMetre(soot), 1.0, 1e-9);
    EXPECT_NEAR(Visibility(soot, SignKind::Reflecting), 1.302883, 1e-6);
    EXPECT_NEAR(Visibility(soot, SignKind::Lit), 3.474355, 1e-6);
    EXPECT_NEAR(ObscurationPerMetre(1.0), 90.0, 1e-9);
}

TEST(VisibilityTest, TheSmokeDetectorsDefaultObscuration) {
    // 24 %/m obscuration (8 %/ft) is log10(1 / 0.76) = 0.119186 /m.
    EXPECT_NEAR(ObscurationPerMetre(0.1191864077), 24.0, 1e-7);
}

TEST(VisibilityTest, TheCriterionConcentrationIsWhereTheSignIsJustSeen) {
    for (const SignKind sign : {SignKind::Reflecting, SignKind::Lit}) {
        for (const double metres : {0.5, 5.0, 10.0, 30.0}) {
            const double soot = SootConcentrationForVisibility(metres, sign);
            EXPECT_NEAR(Visibility(soot, sign), metres, 1e-12 * metres);
            // Thicker smoke, shorter sight.
            EXPECT_LT(Visibility(soot * 1.01, sign), metres);
        }
    }
}

TEST(VisibilityTest, ClearAirHidesNothing) {
    EXPECT_TRUE(std::isinf(Visibility(0, SignKind::Lit)));
    EXPECT_EQ(OpticalDensityPerMetre(0), 0);
    EXPECT_EQ(ObscurationPerMetre(0), 0);
}

TEST(VisibilityTest, SignNamesReadBack) {
    for (const SignKind sign : {SignKind::Reflecting, SignKind::Lit}) {
        EXPECT_EQ(SignKindByName(SignKindName(sign)), sign);
    }
    EXPECT_FALSE(SignKindByName("Lit"));
    EXPECT_FALSE(SignKindByName("emitting"));
}

} // namespace
} // namespace vorla::tenability

#include "compartment/model/plume_options.h"
#include "compartment/model/zone_physics.h"
#include "test_room.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vorla::compartment {
namespace {

using testing::Office;

RunInputs WithOptions(FirePosition place, PlumeCorrelation plume) {
    RunInputs in = Office()->Inputs;
    in.RadiativeLossFraction = 0.35;
    in.FireHeight = 0;
    in.FirePlace = place;
    in.Plume = plume;
    return in;
}

// The cap by hand: √3030 written as 55, 55·0.076^1.5·√0.65 = 0.92905 kg/s at
// 1 m, times h^2.5; the mirror method divides it by the images.
TEST(PlumeEntrainmentCap, ZukoskiCapAndItsImages) {
    struct Row {
        FirePosition Place;
        double Height;
        double Expected;
    };
    const Row rows[] = {
        {FirePosition::Centre, 1, 0.92905},
        {FirePosition::Centre, 2, 0.92905 * 5.65685},
        {FirePosition::AgainstWall, 1, 0.46453},
        {FirePosition::InCorner, 1, 0.23226},
        {FirePosition::Centre, 0, 0},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(
            PlumeEntrainmentCap(WithOptions(row.Place, PlumeCorrelation::Zukoski), row.Height),
            row.Expected, 1e-4);
    }
}

// Heskestad's cap is the fixed point m = 0.032·(0.65·3030·m)^(3/5)·h: checked
// by putting it back into the relation.
TEST(PlumeEntrainmentCap, HeskestadCapIsTheFireItsAirBurns) {
    const RunInputs in = WithOptions(FirePosition::Centre, PlumeCorrelation::Heskestad);
    for (const double h : {0.5, 1.0, 2.0}) {
        const double cap = PlumeEntrainmentCap(in, h);
        EXPECT_NEAR(0.032 * std::pow(0.65 * 3030 * cap, 0.6) * h / cap, 1.0, 1e-9) << h;
    }
}

// The option of a fire standing free with Zukoski's plume is the default
// plume: the same relation, only the cube root taken differently.
TEST(OptionPlume, FreeStandingZukoskiIsTheDefaultPlume) {
    const RunInputs free = WithOptions(FirePosition::Centre, PlumeCorrelation::Zukoski);
    for (const double q : {10.0, 300.0, 3000.0}) {
        for (const double h : {0.3, 1.0, 2.0}) {
            EXPECT_FLOAT_EQ(OptionPlume(free, q, h), CompartmentPlume(free, q, h))
                << q << " kW at " << h << " m";
        }
    }
}

// Against a wall, a small fire far below its cap: 0.076·(0.65·2·100)^(1/3)·1/2.
TEST(OptionPlume, WallFireByHand) {
    const RunInputs wall = WithOptions(FirePosition::AgainstWall, PlumeCorrelation::Zukoski);
    EXPECT_NEAR(OptionPlume(wall, 100, 1), 0.076 * 5.06580 / 2, 1e-5);
    EXPECT_NEAR(CompartmentPlume(wall, 100, 1), 0.076 * 5.06580 / 2, 1e-5);
    EXPECT_EQ(OptionPlume(wall, 100, 0), 0);
    // A very large fire is held at the wall's cap.
    EXPECT_NEAR(OptionPlume(wall, 1e6, 1), 0.46453, 1e-4);
}

} // namespace
} // namespace vorla::compartment

#include "smoke_filling/model/zone_physics.h"
#include "test_room.h"

#include <gtest/gtest.h>

namespace vorla::smoke {
namespace {

using testing::Room;

// 1000 kW, the model's convective share 0.65, heights above the fuel; values by
// hand from NFPA 92's Heskestad form and the mirror method on Zukoski's plume.
TEST(SmokeFillOptionPlume, PositionsAndCorrelationsByHand) {
    const struct {
        FirePosition Place;
        PlumeCorrelation Plume;
        double Height;
        double Expected;
    } rows[] = {
        // 0.071·650^(1/3)·10^(5/3) + 0.0018·650 (above z_l = 2.21 m)
        {FirePosition::Centre, PlumeCorrelation::Heskestad, 10, 29.7172},
        // 0.076·1300^(1/3)·2^(5/3) / 2
        {FirePosition::AgainstWall, PlumeCorrelation::Zukoski, 2, 1.31668},
        // 0.076·2600^(1/3)·2^(5/3) / 4
        {FirePosition::InCorner, PlumeCorrelation::Zukoski, 2, 0.829459},
        // the default: 0.076·650^(1/3)·2^(5/3)
        {FirePosition::Centre, PlumeCorrelation::Zukoski, 2, 2.090105},
    };
    for (const auto& row : rows) {
        RunInputs inputs = Room(400, 20, 0.0f);
        inputs.FirePlace = row.Place;
        inputs.Plume = row.Plume;
        EXPECT_NEAR(SmokeFillPlume(inputs, 1000.0f, row.Height), row.Expected, 1e-4) << row.Height;
        EXPECT_EQ(HasDefaultPlume(inputs),
                  row.Place == FirePosition::Centre && row.Plume == PlumeCorrelation::Zukoski);
    }
}

// The run's fast evaluator takes the option too: a fire against a wall
// entrains less, so the interface falls more slowly.
TEST(SmokeFillOptionPlume, TheDerivativesFollowTheOption) {
    const FireTable fire = testing::SteadyFire(1000);
    RunInputs free = Room(400, 20, 0.0f);
    free.LossFraction = 0.6;
    RunInputs wall = free;
    wall.FirePlace = FirePosition::AgainstWall;
    const State y{10, 320};
    const double freeRate = SmokeFillDerivatives(free, fire, 30, y).InterfaceHeight;
    const double wallRate = SmokeFillDerivatives(wall, fire, 30, y).InterfaceHeight;
    EXPECT_LT(freeRate, wallRate);
    EXPECT_LT(wallRate, 0);
}

} // namespace
} // namespace vorla::smoke

#include "common/fire_files/fire_file_reader.h"
#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/zone_physics.h"
#include "test_room.h"
#include "tests/support/test_files.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>

namespace vorla::smoke {
namespace {

// A program state with the room given and the fire read from `fireText`.
std::unique_ptr<Calculations> ClosedRoom(double area, double height, float fireHeight,
                                         std::int16_t runTime, const std::string& fireText) {
    RunInputs inputs = testing::Room(area, height, fireHeight);
    inputs.RunTime = runTime;
    return testing::RunState(inputs, fireText);
}

constexpr const char* kLongSmallFire = "0 0 0\r\n60 50 0\r\n20000 50 0\r\n-9 -9 -9\r\n";

TEST(RunModel, RowZeroIsTheRoomBeforeTheFireWhateverTheFireDoesAtZero) {
    auto calc = ClosedRoom(100, 4, 0.0f, 10, "0 800 0\r\n600 800 0\r\n-9 -9 -9\r\n");
    // Rows above the new last row are left from an earlier run; row 0 is rewritten.
    calc->Results.VentFlow[0] = 99;
    const auto outcome = RunModel(calc->Inputs, calc->Fire, calc->Results);
    ASSERT_GE(outcome.LastRow, 1);
    EXPECT_EQ(calc->Results.Time[0], 0);
    EXPECT_NEAR(calc->Results.LayerTemperature[0], 21.11, 1e-12);
    EXPECT_EQ(calc->Results.InterfaceHeight[0], 4.0f);
    EXPECT_EQ(calc->Results.VentFlow[0], 0);
}

// Where each kind of run ends: its last row, that row's time and the end
// message. The rows before the last are on the 5 s grid.
TEST(RunModel, EndsOnItsLastRowWithItsMessage) {
    const struct {
        const char* what;
        double area;
        double height;
        float fireHeight;
        std::int16_t runTime;
        const char* fire;
        int lastRow;
        int lastTime;
        RunEnd end;
        std::string_view message;
    } cases[] = {
        // A run time off the grid gets a row of its own: 0, 5, 10 and 12.
        {"run time 12 s", 500, 10, 0.0f, 12, kLongSmallFire, 3, 12, RunEnd::Complete,
         kRunCompleteMessage},
        {"fire ending at the run time", 500, 10, 0.0f, 600,
         "0 0 0\r\n60 50 0\r\n600 50 0\r\n-9 -9 -9\r\n", 120, 600, RunEnd::FireEnded,
         kEndOfFireMessage},
        // A hand-made file with commas ending at 603.5 s: 601 to 603 are
        // integrated, but none of them is a row.
        {"fire ending between seconds", 500, 10, 0.0f, 9000,
         "0,0,0\r\n60,50,0\r\n603.5,50,0\r\n-9,-1,-9\r\n", 120, 600, RunEnd::FireEnded,
         kEndOfFireMessage},
        // 2.1 m typed for both: the fire base is the float nearest 2.1, a hair
        // below the room height, so the form lets it run and the layer is at
        // once below it.
        {"fire base a hair below the ceiling", 20, 2.1, 2.1f, 600, kLongSmallFire, 1, 1,
         RunEnd::LayerAtFuelSurface, kFuelSurfaceMessage},
        {"9000 s: every row of the table", 1000, 30, 0.0f, 9000, kLongSmallFire, 1800, 9000,
         RunEnd::Complete, kRunCompleteMessage},
        // Driven directly, past the checks: the table's last row (5 s × 1800)
        // ends the run before the 9005 s asked for.
        {"run time past the table", 1000, 30, 0.0f, 9005, kLongSmallFire, 1800, 9000,
         RunEnd::Complete, kRunCompleteMessage},
        // Two ends in the same second: the layer at the fire base wins over the
        // run time of 1 s, the shortest, and over the fire's end at 1 s.
        {"fire base reached in the run time's only second", 20, 2.1, 2.1f, 1, kLongSmallFire, 1, 1,
         RunEnd::LayerAtFuelSurface, kFuelSurfaceMessage},
        {"fire base reached as the fire ends", 20, 2.1, 2.1f, 600,
         "0 0 0\r\n1 50 0\r\n-9 -9 -9\r\n", 1, 1, RunEnd::LayerAtFuelSurface, kFuelSurfaceMessage},
        // The first point at 10 s: before it the fire extends its first segment
        // to negative rates, which the plume cannot take a cube root of. The run
        // ends at once with its message and row 0.
        {"a state no room can be in", 30, 3, 0.0f, 600,
         "10 0 0\r\n20 1000 0\r\n600 1000 0\r\n-9 -9 -9\r\n", 0, 0, RunEnd::Unstable,
         kUnstableMessage},
    };
    for (const auto& c : cases) {
        auto calc = ClosedRoom(c.area, c.height, c.fireHeight, c.runTime, c.fire);
        const auto outcome = RunModel(calc->Inputs, calc->Fire, calc->Results);
        ASSERT_EQ(outcome.LastRow, c.lastRow) << c.what;
        EXPECT_EQ(calc->Results.LastRow, c.lastRow) << c.what;
        EXPECT_EQ(calc->Results.Time[c.lastRow], c.lastTime) << c.what;
        EXPECT_EQ(outcome.End, c.end) << c.what;
        EXPECT_EQ(outcome.EndMessage, c.message) << c.what;
        for (int i = 0; i < c.lastRow; ++i) {
            ASSERT_EQ(calc->Results.Time[i], 5 * i) << c.what << ", row " << i;
        }
    }
}

TEST(RunModel, AFloorFireFillsTheRoomAndTheLastRowPushesOutLayerGas) {
    auto calc = ClosedRoom(30, 3, 0.0f, 600, "0 0 0\r\n60 1500 0\r\n600 1500 0\r\n-9 -9 -9\r\n");
    const auto outcome = RunModel(calc->Inputs, calc->Fire, calc->Results);
    EXPECT_EQ(outcome.EndMessage, kFuelSurfaceMessage);
    const int last = outcome.LastRow;
    EXPECT_EQ(calc->Results.InterfaceHeight[last], 0.0f);
    // The row before shows the expansion of ambient air, 0.4 · 1375 kW /
    // (1.004 · 294.26) at 55 s; the last row, at 56 s, the full-room outflow
    // instead of the 1.895497 kg/s that 1400 kW would give the same way.
    ASSERT_EQ(calc->Results.Time[last - 1], 55);
    EXPECT_NEAR(calc->Results.VentFlow[last - 1], 1.8616488, 5e-8);
    ASSERT_EQ(calc->Results.Time[last], 56);
    EXPECT_GT(std::fabs(calc->Results.VentFlow[last] - 1.895497), 0.01);
    EXPECT_GT(calc->Results.VentFlow[last], 0);
}

TEST(RunModel, ARaisedFireEndsOnTheFirstSecondTheLayerReachesTheFuel) {
    auto calc = ClosedRoom(40, 4, 1.3f, 600, "0 0 0\r\n30 900 0\r\n600 900 0\r\n-9 -9 -9\r\n");
    const auto outcome = RunModel(calc->Inputs, calc->Fire, calc->Results);
    EXPECT_EQ(outcome.EndMessage, kFuelSurfaceMessage);
    const int last = outcome.LastRow;
    EXPECT_LE(calc->Results.InterfaceHeight[last], 1.3f);
    EXPECT_GT(calc->Results.InterfaceHeight[last - 1], 1.3f);
    // Rows before the last are on the 5 s grid; the last is whatever second it was.
    for (int i = 0; i < last; ++i) {
        EXPECT_EQ(calc->Results.Time[i], 5 * i);
    }
    EXPECT_GT(calc->Results.Time[last], calc->Results.Time[last - 1]);
    EXPECT_LE(calc->Results.Time[last], calc->Results.Time[last - 1] + 5);
}

TEST(RunModel, AHugeFireInATinyRoomNeverLeavesANonFiniteRow) {
    // Inputs the form accepts: the first two heat a sliver of gas so fast that
    // one step leaves the physical range; the third is violent but computable.
    const struct {
        double area;
        double height;
        const char* fire;
        std::string_view message;
    } cases[] = {
        {0.01, 30, "0 50000 0\r\n9000 50000 0\r\n-9 -9 -9\r\n", kUnstableMessage},
        {0.001, 0.05, "0 100000 0\r\n9000 100000 0\r\n-9 -9 -9\r\n", kUnstableMessage},
        {1000, 30, "0 0 0\r\n1 100000 0\r\n9000 100000 0\r\n-9 -9 -9\r\n", kFuelSurfaceMessage},
    };
    for (const auto& c : cases) {
        auto calc = ClosedRoom(c.area, c.height, 0.0f, 9000, c.fire);
        const auto outcome = RunModel(calc->Inputs, calc->Fire, calc->Results);
        EXPECT_EQ(outcome.EndMessage, c.message) << c.area;
        for (int i = 0; i <= outcome.LastRow; ++i) {
            EXPECT_TRUE(std::isfinite(calc->Results.LayerTemperature[i])) << c.area << " " << i;
            EXPECT_GT(calc->Results.LayerTemperature[i], -273.15) << c.area << " " << i;
            EXPECT_TRUE(std::isfinite(calc->Results.InterfaceHeight[i])) << c.area << " " << i;
            EXPECT_TRUE(std::isfinite(calc->Results.VentFlow[i])) << c.area << " " << i;
        }
    }
}

TEST(RunCalculations, ReportsAFireFileThatCannotBeUsedAndWritesNoRow) {
    const test_support::TemporaryFolder folder;
    const auto shortFire = folder / "short.fir";
    test_support::WriteFile(shortFire, "0 100 0\r\n-9 -9 -9\r\n");

    const struct {
        std::string path;
        FireFileError::Kind kind;
    } cases[] = {
        {(folder / "missing.fir").string(), FireFileError::Kind::CannotOpen},
        {shortFire.string(), FireFileError::Kind::TooFewPoints},
    };
    for (const auto& c : cases) {
        auto calc = ClosedRoom(30, 3, 0.0f, 600, kLongSmallFire);
        calc->Inputs.FireFile = c.path;
        calc->Results.Time[0] = 77;
        const auto outcome = RunCalculations(*calc);
        const auto* problem = std::get_if<FireFileError>(&outcome);
        ASSERT_TRUE(problem) << c.path;
        EXPECT_EQ(problem->kind, c.kind);
        EXPECT_EQ(problem->path, c.path);
        EXPECT_EQ(calc->Results.Time[0], 77);
    }
}

TEST(RunCalculations, ChecksTheInputsBeforeReadingTheFireFile) {
    auto calc = ClosedRoom(30, 3, 0.0f, 9001, kLongSmallFire);
    calc->Inputs.FireFile = "no such file.fir";
    const auto outcome = RunCalculations(*calc);
    const auto* rejected = std::get_if<RejectedInput>(&outcome);
    ASSERT_TRUE(rejected);
    EXPECT_EQ(rejected->Message, "The run time must be between 0 and 9000 s.");
    EXPECT_EQ(rejected->Focus, "txtRunTime");
    EXPECT_EQ(rejected->Title, "SKEVA-XW: Input Data Error");
}

TEST(RunModel, EachRowKeepsTheFiresRateAtItsTime) {
    // 50 kW at 60 s, then steady: a ramp of 5/6 kW per second before.
    auto calc = ClosedRoom(500, 10, 0.0f, 100, kLongSmallFire);
    const auto outcome = RunModel(calc->Inputs, calc->Fire, calc->Results);
    ASSERT_EQ(outcome.LastRow, 20);
    EXPECT_EQ(calc->Results.HeatReleaseRate[0], 0);
    EXPECT_NEAR(calc->Results.HeatReleaseRate[6], 25, 1e-12); // 30 s
    EXPECT_EQ(calc->Results.HeatReleaseRate[20], 50);         // 100 s
}

} // namespace
} // namespace vorla::smoke

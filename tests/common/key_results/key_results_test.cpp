#include "common/key_results/key_results.h"

#include <gtest/gtest.h>
#include <vector>

namespace vorla {
namespace {

FireTable TableOf(std::initializer_list<FirePoint> points) {
    FireTable table;
    int k = 0;
    for (const auto& p : points) {
        table.Points[k++] = p;
    }
    table.LastIndex = static_cast<std::int16_t>(k - 1);
    return table;
}

// A compartment run with a flashover row off the 5-second grid (12 s), where
// the fire is first starved of air.
const std::vector<RunRow> kRoomRows = {
    //  t     T °C   H m   Q kW  vent  starved
    {0, 20, 2.4, 0, 0, false},      {5, 50, 2.0, 100, 0.1, false},  {10, 110, 1.5, 300, 0.4, false},
    {12, 620, 1.2, 900, 0.9, true}, {15, 700, 1.0, 800, 0.8, true}, {20, 650, 1.1, 800, 1.2, false},
};

KeyResults RoomKeys(KeyCriteria criteria) {
    RunView run;
    run.Model = ModelKind::Compartment;
    run.Rows = kRoomRows;
    run.End = RunEnd::Complete;
    run.FlashoverRow = 3;
    return ComputeKeyResults(run, TableOf({{0, 0}, {20, 400}}), criteria);
}

TEST(ComputeKeyResults, CrossingTimesInterpolateBetweenTheStraddlingRows) {
    KeyCriteria criteria;
    criteria.InterfaceHeightsM = {1.8, 1.5, 0.5, 2.4};
    criteria.LayerTemperaturesC = {60, 200, 600, 800, 20, 53};
    const KeyResults keys = RoomKeys(criteria);

    struct Case {
        const char* what;
        std::optional<double> got;
        std::optional<double> expected;
    };
    const Case cases[] = {
        // 5 + (1.8 - 2.0) * 5 / (1.5 - 2.0) = 7
        {"1.8 m between rows", keys.InterfaceReachesS[0].TimeS, 7.0},
        {"1.5 m exactly on a row", keys.InterfaceReachesS[1].TimeS, 10.0},
        {"0.5 m never", keys.InterfaceReachesS[2].TimeS, std::nullopt},
        {"2.4 m at time 0", keys.InterfaceReachesS[3].TimeS, 0.0},
        // 5 + 10 * 5 / 60 = 5.833
        {"60 °C rounded down", keys.LayerTemperatureReachesS[0].TimeS, 5.8},
        // 10 + 90 * 2 / 510 = 10.353
        {"200 °C rounded up", keys.LayerTemperatureReachesS[1].TimeS, 10.4},
        // 10 + 490 * 2 / 510 = 11.922
        {"600 °C before the off-grid row", keys.LayerTemperatureReachesS[2].TimeS, 11.9},
        {"800 °C never", keys.LayerTemperatureReachesS[3].TimeS, std::nullopt},
        {"20 °C at time 0", keys.LayerTemperatureReachesS[4].TimeS, 0.0},
        // 5 + 3 * 5 / 60 = 5.25 exactly: a half goes up, never to the even 5.2
        {"53 °C on a half", keys.LayerTemperatureReachesS[5].TimeS, 5.3},
        {"flashover row off the grid", keys.FlashoverTimeS, 12.0},
        {"first starved row", keys.OxygenLimitedTimeS, 12.0},
        {"peak vent flow", keys.PeakVentFlowKgS, 1.2},
        {"no smoke key in a compartment", keys.LayerAtFireBaseTimeS, std::nullopt},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.got.has_value(), c.expected.has_value()) << c.what;
        if (c.expected) {
            EXPECT_DOUBLE_EQ(*c.got, *c.expected) << c.what;
        }
    }
    EXPECT_EQ(keys.InterfaceReachesS[1].Criterion, 1.5);
    EXPECT_EQ(keys.LayerTemperatureReachesS[2].Criterion, 600);
}

TEST(ComputeKeyResults, PeaksLowestAndEnd) {
    const KeyResults keys = RoomKeys(KeyCriteria{});
    EXPECT_EQ(keys.Model, ModelKind::Compartment);
    EXPECT_EQ(keys.End, RunEnd::Complete);
    EXPECT_EQ(keys.EndTimeS, 20);
    EXPECT_EQ(keys.PeakLayerTemperatureC, 700);
    EXPECT_EQ(keys.PeakLayerTemperatureTimeS, 15);
    EXPECT_EQ(keys.LowestInterfaceHeightM, 1.0);
    EXPECT_EQ(keys.LowestInterfaceHeightTimeS, 15);
    EXPECT_EQ(keys.PeakHeatReleaseRateKw, 900);
    // 20 s of a fire growing at 20 kW/s: 20 * 400 / 2 = 4000 kJ.
    EXPECT_DOUBLE_EQ(keys.HeatReleasedMj, 4.0);
    ASSERT_EQ(keys.InterfaceReachesS.size(), 2u);
    ASSERT_EQ(keys.LayerTemperatureReachesS.size(), 3u);
}

TEST(ComputeKeyResults, EqualPeaksTakeTheFirstRowAndNoFlashoverRowLeavesItEmpty) {
    const std::vector<RunRow> rows = {
        {0, 20, 2.0, 50, 0, false},
        {5, 90, 1.6, 50, 0, false},
        {10, 90, 1.6, 50, 0, false},
    };
    RunView run;
    run.Rows = rows;
    run.End = RunEnd::FireEnded;
    const KeyResults keys = ComputeKeyResults(run, TableOf({{0, 50}, {10, 50}}), KeyCriteria{});
    EXPECT_EQ(keys.PeakLayerTemperatureTimeS, 5);
    EXPECT_EQ(keys.LowestInterfaceHeightTimeS, 5);
    EXPECT_FALSE(keys.FlashoverTimeS);
    EXPECT_FALSE(keys.OxygenLimitedTimeS);
    EXPECT_EQ(keys.End, RunEnd::FireEnded);
}

TEST(ComputeKeyResults, SmokeRunsReportTheLayerAtTheFireBaseOnly) {
    const std::vector<RunRow> rows = {
        {0, 20, 3.0, 0, 0}, {5, 40, 1.0, 100, 0.02}, {7, 45, 0.49, 140, 0.03}};
    RunView run;
    run.Model = ModelKind::Smoke;
    run.Rows = rows;
    run.End = RunEnd::LayerAtFuelSurface;
    const KeyResults atBase = ComputeKeyResults(run, TableOf({{0, 0}, {10, 200}}), KeyCriteria{});
    ASSERT_TRUE(atBase.LayerAtFireBaseTimeS);
    EXPECT_EQ(*atBase.LayerAtFireBaseTimeS, 7);
    EXPECT_FALSE(atBase.FlashoverTimeS);
    EXPECT_FALSE(atBase.PeakVentFlowKgS);
    // 7 s of a fire growing at 20 kW/s: 20 * 49 / 2 = 490 kJ.
    EXPECT_DOUBLE_EQ(atBase.HeatReleasedMj, 0.49);

    run.End = RunEnd::Complete;
    EXPECT_FALSE(
        ComputeKeyResults(run, TableOf({{0, 0}, {10, 200}}), KeyCriteria{}).LayerAtFireBaseTimeS);
}

TEST(FireEnergyKj, ExactIntegralOfTheSegmentsAsFireRateAtReadsThem) {
    struct Case {
        const char* what;
        FireTable fire;
        double endS;
        double expectedKj; // by hand
    };
    const Case cases[] = {
        {"growth then steady, extended flat", TableOf({{0, 0}, {100, 1000}, {200, 1000}}), 300,
         50000 + 200000},
        {"ends inside a segment", TableOf({{0, 0}, {100, 1000}}), 50, 12500},
        {"extended before the first point below zero", TableOf({{10, 100}, {20, 300}}), 30,
         10 * 900 - 3000},
        {"last segment extended with its slope", TableOf({{0, 0}, {10, 100}, {20, 300}}), 30,
         500 + 2000 + 4000},
        {"a step in the middle", TableOf({{0, 0}, {10, 0}, {10, 50}, {20, 50}}), 20, 500},
        {"a step at the start", TableOf({{5, 0}, {5, 80}, {10, 80}}), 10, 400},
        {"a step at the end", TableOf({{0, 0}, {1, 673.8}, {1, 673.8}}), 3, 336.9 + 2 * 673.8},
        {"nothing at time 0", TableOf({{0, 0}, {10, 100}}), 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(FireEnergyKj(c.fire, c.endS), c.expectedKj, 1e-9 * (1 + c.expectedKj))
            << c.what;
    }
}

TEST(FireEnergyKj, AgreesWithAFineTrapezoidSumOfFireRateAt) {
    const FireTable fire =
        TableOf({{3, 10}, {17, 250}, {17, 400}, {40, 410}, {95, 120}, {95, 0}, {130, 30}});
    const double endS = 150;
    const int steps = 300000;
    double sum = 0;
    for (int i = 0; i < steps; ++i) {
        const double a = endS * i / steps;
        const double b = endS * (i + 1) / steps;
        sum += (b - a) * (FireRateAt(fire, a) + FireRateAt(fire, b)) / 2;
    }
    // Each step in the table costs the trapezoid sum at most one interval.
    EXPECT_NEAR(FireEnergyKj(fire, endS), sum, 2 * 400 * endS / steps);
}

} // namespace
} // namespace vorla

#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/results_csv.h"
#include "smoke_filling/model/run_key_results.h"
#include "tests/smoke_filling/model/test_room.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace vorla::smoke {
namespace {

using testing::Fire;
using testing::Room;
using testing::RunState;

TEST(RunKeyResults, HandFiguresOfAThreeRowRunThatEndsAtTheFireBase) {
    auto results = std::make_unique<RunResults>();
    const std::int16_t times[] = {0, 5, 8};
    const double temperatures[] = {20, 45, 95};
    const float heights[] = {3.0f, 2.0f, 0.5f};
    const double rates[] = {0, 250, 400};
    for (int i = 0; i < 3; ++i) {
        results->Time[i] = times[i];
        results->LayerTemperature[i] = temperatures[i];
        results->InterfaceHeight[i] = heights[i];
        results->HeatReleaseRate[i] = rates[i];
        results->VentFlow[i] = 0.05 * i;
    }
    results->LastRow = 2;
    KeyCriteria criteria;
    criteria.InterfaceHeightsM = {2.5, 1.0};
    criteria.LayerTemperaturesC = {60, 200};
    const CompletedRun run{RunEnd::LayerAtFuelSurface, kFuelSurfaceMessage, 2};
    // 50 kW/s for 8 s: 1600 kJ.
    const FireTable fire = Fire("0 0 0\r\n10 500 0\r\n-9 -9 -9\r\n");

    const KeyResults keys = RunKeyResults(*results, run, fire, criteria);

    EXPECT_EQ(keys.Model, ModelKind::Smoke);
    EXPECT_EQ(keys.End, RunEnd::LayerAtFuelSurface);
    EXPECT_EQ(keys.EndTimeS, 8);
    EXPECT_EQ(keys.LayerAtFireBaseTimeS, 8);
    EXPECT_FALSE(keys.FlashoverTimeS);
    EXPECT_FALSE(keys.PeakVentFlowKgS);
    EXPECT_FALSE(keys.OxygenLimitedTimeS);
    EXPECT_EQ(keys.PeakLayerTemperatureC, 95);
    EXPECT_EQ(keys.LowestInterfaceHeightM, 0.5);
    EXPECT_EQ(keys.PeakHeatReleaseRateKw, 400);
    EXPECT_DOUBLE_EQ(keys.HeatReleasedMj, 1.6);
    // 2.5 m half way from 3 to 2 m: 2.5 s; 1.0 m: 5 s + 1/1.5 of 3 s = 7 s.
    EXPECT_EQ(keys.InterfaceReachesS[0].TimeS, 2.5);
    EXPECT_EQ(keys.InterfaceReachesS[1].TimeS, 7);
    // 60 °C: 5 s + 15/50 of 3 s = 5.9 s; 200 °C never.
    EXPECT_EQ(keys.LayerTemperatureReachesS[0].TimeS, 5.9);
    EXPECT_FALSE(keys.LayerTemperatureReachesS[1].TimeS);
}

TEST(RunKeyResults, ARunThatEndsElsewhereNeverReachedTheFireBase) {
    for (const RunEnd end : {RunEnd::Complete, RunEnd::FireEnded, RunEnd::Unstable}) {
        auto calc = RunState(Room(200, 6, 0.0f), "0 100 0\r\n10000 100 0\r\n-9 -9 -9\r\n");
        calc->Inputs.RunTime = 60;
        CompletedRun run = RunModel(calc->Inputs, calc->Fire, calc->Results);
        run.End = end;
        const KeyResults keys = RunKeyResults(calc->Results, run, calc->Fire, KeyCriteria{});
        EXPECT_FALSE(keys.LayerAtFireBaseTimeS);
        EXPECT_EQ(keys.End, end);
    }
}

struct CsvRow {
    double time, temperature, height, rate;
};

// The rows of the --csv text, read with nothing of the key results' code.
std::vector<CsvRow> RowsOfCsv(const std::string& csv) {
    std::vector<CsvRow> rows;
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::replace(line.begin(), line.end(), ',', ' ');
        std::istringstream fields(line);
        CsvRow row{};
        // The interface column is the model's float, written as the float's
        // shortest text: read back as a float, it is the key results' value.
        float height = 0;
        fields >> row.time >> row.temperature >> height >> row.rate;
        row.height = height;
        rows.push_back(row);
    }
    return rows;
}

std::optional<double> FirstTime(const std::vector<CsvRow>& rows, double criterion, bool height) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double v = height ? rows[i].height : rows[i].temperature;
        if (height ? v > criterion : v < criterion) {
            continue;
        }
        if (i == 0) {
            return rows[0].time;
        }
        const double before = height ? rows[i - 1].height : rows[i - 1].temperature;
        const double share = (before - criterion) / (before - v);
        return std::round((rows[i - 1].time + share * (rows[i].time - rows[i - 1].time)) * 10) / 10;
    }
    return std::nullopt;
}

TEST(RunKeyResults, AgreeWithARecomputationFromTheCsvOfRealRuns) {
    struct Case {
        const char* name;
        RunInputs inputs;
        const char* fire;
    };
    const Case cases[] = {
        {"floor fire fills the room", Room(30, 3, 0.0f),
         "0 0 0\r\n60 1500 0\r\n600 1500 0\r\n-9 -9 -9\r\n"},
        {"raised fire", Room(40, 4, 1.3f), "0 0 0\r\n30 900 0\r\n600 900 0\r\n-9 -9 -9\r\n"},
        {"large hall, run complete", Room(900, 12, 0.0f),
         "0 0 0\r\n120 500 0\r\n900 500 0\r\n-9 -9 -9\r\n"},
        {"fire ends first", Room(300, 8, 0.0f), "0 0 0\r\n100 800 0\r\n200 0 0\r\n-9 -9 -9\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto calc = RunState(c.inputs, c.fire);
        const CompletedRun run = RunModel(calc->Inputs, calc->Fire, calc->Results);
        const KeyResults keys = RunKeyResults(calc->Results, run, calc->Fire, KeyCriteria{});

        const auto rows = RowsOfCsv(ResultsCsv(calc->Results));
        ASSERT_GE(rows.size(), 2u);
        EXPECT_EQ(keys.EndTimeS, rows.back().time);
        double peakTemperature = rows[0].temperature, lowest = rows[0].height, peakRate = 0;
        for (const auto& row : rows) {
            peakTemperature = std::max(peakTemperature, row.temperature);
            lowest = std::min(lowest, row.height);
            peakRate = std::max(peakRate, row.rate);
        }
        EXPECT_EQ(keys.PeakLayerTemperatureC, peakTemperature);
        EXPECT_EQ(keys.LowestInterfaceHeightM, lowest);
        EXPECT_EQ(keys.PeakHeatReleaseRateKw, peakRate);
        // The layer at the fire base is the last row's time when the run ended there.
        if (run.EndMessage == kFuelSurfaceMessage) {
            EXPECT_EQ(keys.LayerAtFireBaseTimeS, rows.back().time);
        } else {
            EXPECT_FALSE(keys.LayerAtFireBaseTimeS);
        }
        for (const auto& reach : keys.InterfaceReachesS) {
            EXPECT_EQ(reach.TimeS, FirstTime(rows, reach.Criterion, true)) << reach.Criterion;
        }
        for (const auto& reach : keys.LayerTemperatureReachesS) {
            EXPECT_EQ(reach.TimeS, FirstTime(rows, reach.Criterion, false)) << reach.Criterion;
        }
    }
}

} // namespace
} // namespace vorla::smoke

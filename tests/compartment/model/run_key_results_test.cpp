#include "compartment/model/model_run.h"
#include "compartment/model/results_csv.h"
#include "compartment/model/run_key_results.h"
#include "tests/compartment/model/test_room.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace vorla::compartment {
namespace {

using testing::LoadFire;
using testing::LoadFireFile;
using testing::Office;

const std::string kExamples = VORLA_EXAMPLES_DIR;

struct Row {
    std::int16_t time;
    double temperature;
    float height;
    double rate;
    double flow;
    std::string_view starved;
};

// Results columns holding exactly `rows`, as a run would leave them.
std::unique_ptr<RunResults> ResultsOf(const std::vector<Row>& rows) {
    auto results = std::make_unique<RunResults>();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        results->Time[i] = rows[i].time;
        results->LayerTemperature[i] = rows[i].temperature;
        results->InterfaceHeight[i] = rows[i].height;
        results->HeatReleaseRate[i] = rows[i].rate;
        results->VentFlow[i] = rows[i].flow;
        results->FRFlag[i] = kRegimeAboveSoffit;
        results->OSFlag[i] = rows[i].starved;
    }
    results->LastRow = static_cast<int>(rows.size()) - 1;
    return results;
}

FireTable RampTo400At10s() {
    FireTable fire;
    EXPECT_FALSE(ParseFireFile("0 0 0\r\n10 400 0\r\n-9 -9 -9\r\n", "ramp.fir", fire));
    return fire;
}

TEST(RunKeyResults, HandFiguresOfAFourRowRunWithAFlashoverRowOffTheGrid) {
    // Heights are exact in single precision, so the crossings are exact too.
    const auto results = ResultsOf({
        {0, 20, 2.5f, 0, 0, kNotStarvedOfAir},
        {5, 70, 2.0f, 100, 0.1, kNotStarvedOfAir},
        {7, 610, 1.5f, 300, 0.3, kStarvedOfAir},
        {10, 500, 1.25f, 200, 0.2, kStarvedOfAir},
    });
    results->FlashoverRow = 2;
    KeyCriteria criteria;
    criteria.InterfaceHeightsM = {1.8, 1.25, 1.0};
    criteria.LayerTemperaturesC = {20, 60, 600, 800};
    const CompletedRun run{RunEnd::FireEnded, kEndOfFireMessage, 3};

    const KeyResults keys = RunKeyResults(*results, run, RampTo400At10s(), criteria);

    EXPECT_EQ(keys.Model, ModelKind::Compartment);
    EXPECT_EQ(keys.End, RunEnd::FireEnded);
    EXPECT_EQ(keys.EndTimeS, 10);
    EXPECT_EQ(keys.FlashoverTimeS, 7);
    EXPECT_EQ(keys.PeakLayerTemperatureC, 610);
    EXPECT_EQ(keys.PeakLayerTemperatureTimeS, 7);
    EXPECT_EQ(keys.LowestInterfaceHeightM, 1.25);
    EXPECT_EQ(keys.LowestInterfaceHeightTimeS, 10);
    EXPECT_EQ(keys.PeakHeatReleaseRateKw, 300);
    EXPECT_EQ(keys.PeakVentFlowKgS, 0.3);
    EXPECT_EQ(keys.OxygenLimitedTimeS, 7);
    EXPECT_FALSE(keys.LayerAtFireBaseTimeS);
    // 400 kW reached linearly over 10 s: 2000 kJ.
    EXPECT_DOUBLE_EQ(keys.HeatReleasedMj, 2.0);

    // 1.8 m: 5 s + (2.0 - 1.8) / (2.0 - 1.5) of 2 s; 1.25 m on row 3; 1.0 m never.
    ASSERT_EQ(keys.InterfaceReachesS.size(), 3u);
    EXPECT_EQ(keys.InterfaceReachesS[0].TimeS, 5.8);
    EXPECT_EQ(keys.InterfaceReachesS[1].TimeS, 10);
    EXPECT_FALSE(keys.InterfaceReachesS[2].TimeS);
    // 20 °C at row 0; 60 °C: 40/50 of 5 s; 600 °C: 5 s + 530/540 of 2 s = 6.963 s.
    ASSERT_EQ(keys.LayerTemperatureReachesS.size(), 4u);
    EXPECT_EQ(keys.LayerTemperatureReachesS[0].TimeS, 0);
    EXPECT_EQ(keys.LayerTemperatureReachesS[1].TimeS, 4);
    EXPECT_EQ(keys.LayerTemperatureReachesS[2].TimeS, 7);
    EXPECT_FALSE(keys.LayerTemperatureReachesS[3].TimeS);
}

TEST(RunKeyResults, AFlashoverRowOfAnEarlierLongerRunAndUnstarvedRowsGiveNothing) {
    const auto results = ResultsOf({
        {0, 20, 2.4f, 0, 0, kNotStarvedOfAir},
        {5, 30, 2.3f, 50, 0.01, kNotStarvedOfAir},
    });
    results->FlashoverRow = 40; // stale: beyond this run's rows
    const CompletedRun run{RunEnd::Complete, kRunCompleteMessage, 1};

    const KeyResults keys = RunKeyResults(*results, run, RampTo400At10s(), KeyCriteria{});

    EXPECT_FALSE(keys.FlashoverTimeS);
    EXPECT_FALSE(keys.OxygenLimitedTimeS);
    EXPECT_EQ(keys.PeakVentFlowKgS, 0.01);
    EXPECT_EQ(keys.EndTimeS, 5);
    // 5 s of the ramp: 0 to 200 kW, 500 kJ.
    EXPECT_DOUBLE_EQ(keys.HeatReleasedMj, 0.5);
}

// The key results recomputed from the --csv text of a run, by a plain reading
// of the definitions: no code of the key results is used.
struct CsvRow {
    double time, temperature, height, rate, flow;
    bool starved;
};

std::vector<CsvRow> RowsOfCsv(const std::string& csv) {
    std::vector<CsvRow> rows;
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line); // header
    while (std::getline(lines, line)) {
        std::replace(line.begin(), line.end(), ',', ' ');
        std::istringstream fields(line);
        CsvRow row{};
        std::string regime, starved;
        // The interface column is the model's float, written as the float's
        // shortest text: read back as a float, it is the key results' value.
        float height = 0;
        fields >> row.time >> row.temperature >> height >> row.rate >> row.flow;
        row.height = height;
        // The regime is blank below the sill: the flags are the last words.
        std::vector<std::string> flags;
        for (std::string word; fields >> word;) {
            flags.push_back(word);
        }
        row.starved = !flags.empty() && flags.back() == "Y";
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
        double ventWidth;
        const char* fire;
        Answer answer;
    };
    const Case cases[] = {
        {"office, flashover answered No", 0.9, "office-sofa-tsquared.fir", Answer::No},
        {"office, flashover answered Yes", 0.9, "office-sofa-tsquared.fir", Answer::Yes},
        {"narrow vent, starved of air", 0.3, "tsquared-fast-1mw.fir", Answer::No},
        {"slow fire", 0.9, "tsquared-slow-1mw-delay-60s.fir", Answer::No},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto calc = Office();
        calc->Inputs.VentWidth = c.ventWidth;
        calc->Inputs.VentFactor = VentFactorOf(calc->Inputs);
        LoadFireFile(*calc, kExamples + "/" + c.fire);
        const FlashoverQuestion ask = [&](const std::string&, std::string_view) {
            return c.answer;
        };
        const CompletedRun run = RunModel(calc->Inputs, calc->Fire, ask, calc->Results);
        const KeyResults keys = RunKeyResults(calc->Results, run, calc->Fire, KeyCriteria{});

        const auto rows = RowsOfCsv(ResultsCsv(calc->Results));
        ASSERT_GE(rows.size(), 2u);
        EXPECT_EQ(keys.EndTimeS, rows.back().time);
        const auto hottest = std::max_element(rows.begin(), rows.end(), [](auto& a, auto& b) {
            return a.temperature < b.temperature;
        });
        EXPECT_EQ(keys.PeakLayerTemperatureC, hottest->temperature);
        EXPECT_EQ(keys.PeakLayerTemperatureTimeS, hottest->time);
        const auto lowest = std::min_element(rows.begin(), rows.end(),
                                             [](auto& a, auto& b) { return a.height < b.height; });
        EXPECT_EQ(keys.LowestInterfaceHeightM, lowest->height);
        EXPECT_EQ(keys.LowestInterfaceHeightTimeS, lowest->time);
        double peakRate = 0, peakFlow = 0;
        std::optional<double> starved, flashover;
        for (const auto& row : rows) {
            peakRate = std::max(peakRate, row.rate);
            peakFlow = std::max(peakFlow, row.flow);
            if (row.starved && !starved) {
                starved = row.time;
            }
            // The run records flashover on the first row above 600 °C.
            if (row.temperature > 600 && !flashover) {
                flashover = row.time;
            }
        }
        EXPECT_EQ(keys.PeakHeatReleaseRateKw, peakRate);
        EXPECT_EQ(keys.PeakVentFlowKgS, peakFlow);
        EXPECT_EQ(keys.OxygenLimitedTimeS, starved);
        EXPECT_EQ(keys.FlashoverTimeS, flashover);
        for (const auto& reach : keys.InterfaceReachesS) {
            EXPECT_EQ(reach.TimeS, FirstTime(rows, reach.Criterion, true)) << reach.Criterion;
        }
        for (const auto& reach : keys.LayerTemperatureReachesS) {
            EXPECT_EQ(reach.TimeS, FirstTime(rows, reach.Criterion, false)) << reach.Criterion;
        }
        // The heat released: a fine midpoint sum of the fire table's rate.
        double energy = 0;
        const double step = 0.01;
        for (double t = step / 2; t < keys.EndTimeS; t += step) {
            energy += FireRateAt(calc->Fire, t) * step;
        }
        EXPECT_NEAR(keys.HeatReleasedMj, energy / 1000, 1e-3);
    }
}

// A steady fire whose layer rises 3 K a second above the ambient (21.11 °C),
// the run's flashover row off the grid at 193 s (rise 579 K, 600.11 °C). The
// model's error scales the rise, and the flashover follows it: the first time
// the scaled layer reaches 600 °C (a rise of 578.89 K), linear between rows,
// by hand 578.89 / (3 · factor) where the crossing falls in a row interval.
TEST(RunKeyResults, TheFlashoverTimeFollowsTheModelErrorsRise) {
    const double ambient = 294.26 - 273.15;
    const auto results = ResultsOf({
        {0, ambient, 2.5f, 500, 0.1, kNotStarvedOfAir},
        {100, ambient + 300, 1.5f, 500, 0.5, kNotStarvedOfAir},
        {193, ambient + 579, 1.0f, 500, 0.6, kNotStarvedOfAir},
        {200, ambient + 600, 1.0f, 500, 0.6, kNotStarvedOfAir},
    });
    results->FlashoverRow = 2;
    const CompletedRun run{RunEnd::Complete, "", 3};
    struct Case {
        double factor;
        std::optional<double> flashover;
    };
    const Case cases[] = {
        {1.0, 193},   // the model's own flashover row
        {1.5, 128.6}, // 578.89 / 4.5 = 128.64, within 100 to 193 s
        {1.05, 183.8}, // 100 + (578.89 − 315) · 93 / (607.95 − 315) = 183.78
        {0.5, std::nullopt}, // a rise of 300 K at most: no flashover
    };
    for (const Case& c : cases) {
        const KeyResults keys = RunKeyResults(*results, run, RampTo400At10s(), KeyCriteria{},
                                              ModelError{{c.factor, 1.0}, 3.0});
        EXPECT_EQ(keys.FlashoverTimeS, c.flashover) << c.factor;
    }
    // Without the model's error the run's own time stands.
    EXPECT_EQ(RunKeyResults(*results, run, RampTo400At10s(), KeyCriteria{}).FlashoverTimeS, 193);
}

TEST(SummaryInputs, TheInputsAsTheRunUsedThemInSiUnits) {
    auto calc = Office();
    calc->Inputs.SoffitHeight = 2.1f;
    const auto inputs = SummaryInputs(calc->Inputs);
    const auto number = [&](std::string_view name) {
        for (const auto& input : inputs) {
            if (input.Name == name) {
                return std::get<double>(input.Value);
            }
        }
        ADD_FAILURE() << name;
        return 0.0;
    };
    EXPECT_EQ(number("floor_area_m2"), 20);
    EXPECT_EQ(number("room_height_m"), 2.4);
    // The single-precision soffit as the user typed it, not 2.0999999046...
    EXPECT_EQ(number("soffit_height_m"), 2.1);
    EXPECT_EQ(number("loss_fraction"), 0.6);
    EXPECT_EQ(number("run_time_s"), 600);
    EXPECT_EQ(std::get<std::string>(inputs[2].Value), "SOFA.FIR");
}

} // namespace
} // namespace vorla::compartment

#include "study/study_plots.h"
#include "cli/study_progress.h"

#include <gtest/gtest.h>
#include <numeric>
#include <sstream>

namespace vorla::cli {
namespace {

using Points = std::vector<plot::PlotPoint>;

void ExpectPoints(const Points& actual, const Points& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_DOUBLE_EQ(actual[i].X, expected[i].X) << i;
        EXPECT_DOUBLE_EQ(actual[i].Y, expected[i].Y) << i;
    }
}

TEST(CumulativeSteps, TheShareOfAllRunsThatReachedTheEventByEachTime) {
    struct Case {
        std::vector<double> times;
        std::size_t count;
        double end;
        Points expected;
    };
    const Case cases[] = {
        // Ties make one step; runs that never reach it keep the curve below 1.
        {{3, 1, 3}, 4, 10, {{0, 0}, {1, 0.25}, {3, 0.75}, {10, 0.75}}},
        // Reached at time 0: the curve starts above 0.
        {{0, 2}, 2, 5, {{0, 0.5}, {2, 1}, {5, 1}}},
        // Never reached: flat at 0 to the end of the runs.
        {{}, 3, 10, {{0, 0}, {10, 0}}},
        // The last time is the end itself.
        {{4}, 1, 4, {{0, 0}, {4, 1}, {4, 1}}},
    };
    for (const auto& c : cases) {
        ExpectPoints(CumulativeSteps(c.times, c.count, c.end), c.expected);
    }
}

TEST(HistogramBars, SturgesBinsFromTheSmallestToTheLargestValue) {
    struct Case {
        std::vector<double> values;
        double width;
        Points expected;
    };
    const Case cases[] = {
        // 8 values: 4 bins of 7/4.
        {{0, 1, 2, 3, 4, 5, 6, 7}, 1.75, {{0.875, 2}, {2.625, 2}, {4.375, 2}, {6.125, 2}}},
        // 5 values: 4 bins of 1; 1, 2 and 3 lie on inner edges and count above;
        // the largest value closes the last bin.
        {{0, 1, 2, 3, 4}, 1, {{0.5, 1}, {1.5, 1}, {2.5, 1}, {3.5, 2}}},
        // One value repeated: one bar a twentieth of it wide.
        {{500, 500}, 25, {{500, 2}}},
        {{}, 0, {}},
    };
    for (const auto& c : cases) {
        double width = -1;
        ExpectPoints(HistogramBars(c.values, width), c.expected);
        EXPECT_DOUBLE_EQ(width, c.width);
    }
}

TEST(HistogramBars, EveryValueIsCountedOnce) {
    std::vector<double> values;
    for (int i = 0; i < 1000; ++i) {
        values.push_back(300 + (i * 7919 % 1000) * 0.731);
    }
    double width = 0;
    const auto bars = HistogramBars(values, width);
    EXPECT_EQ(bars.size(), 11u); // ceil(log2 1000) + 1
    EXPECT_DOUBLE_EQ(
        std::accumulate(bars.begin(), bars.end(), 0.0,
                        [](double sum, const plot::PlotPoint& bar) { return sum + bar.Y; }),
        1000);
}

study::RunsTable TwoGridPoints() {
    study::RunsTable table;
    table.Header = {"run",
                    "grid_point",
                    "soffit-height",
                    "status",
                    "message",
                    "end_time_s",
                    "end",
                    "flashover_time_s",
                    "peak_layer_temperature_c",
                    "interface_reaches_s@1.8",
                    "layer_temperature_reaches_s@600"};
    table.Lines = {
        "1,1,1.8,ok,,600,complete,300,700,60,299.5",
        "2,1,1.8,ok,,600,complete,,400,90,",
        "3,2,2.2,rejected,The sill must be below the soffit.,,,,,,",
        "4,2,2.2,ok,,540,flashover_stop,540,650,120,539",
    };
    return table;
}

TEST(StudyPlots, OneCurvePerGridPointOfItsOkRunsAndAHistogram) {
    const auto gridPoints =
        nlohmann::ordered_json::parse(R"([{"soffit-height": 1.8}, {"soffit-height": 2.2}])");
    nlohmann::ordered_json points = nlohmann::ordered_json::array();
    for (const auto& inputs : gridPoints) {
        points.push_back({{"inputs", inputs}});
    }
    const auto plots = StudyPlots(TwoGridPoints(), points);
    ASSERT_EQ(plots.size(), 4u);
    EXPECT_EQ(plots[0].Name, "cdf-flashover-time");
    EXPECT_EQ(plots[1].Name, "cdf-interface-reaches-1.8-m");
    EXPECT_EQ(plots[2].Name, "cdf-layer-temperature-reaches-600-c");
    EXPECT_EQ(plots[3].Name, "histogram-peak-layer-temperature");

    const auto& flashover = plots[0].Plot;
    EXPECT_NE(flashover.Title.find("Flashover"), std::string::npos);
    EXPECT_EQ(flashover.X.Title, "Time (min)");
    EXPECT_EQ(flashover.Y.Title, "Share of Runs (-)");
    ASSERT_EQ(flashover.Series.size(), 2u);
    EXPECT_EQ(flashover.Series[0].Name, "soffit-height 1.8");
    EXPECT_EQ(flashover.Series[1].Name, "soffit-height 2.2");
    EXPECT_NE(flashover.Series[0].Colour, flashover.Series[1].Colour);
    // Point 1: one of two runs at 5 min, runs to 10 min; point 2: its one ok
    // run at 9 min, the rejected run not counted.
    ExpectPoints(flashover.Series[0].Points, {{0, 0}, {5, 0.5}, {10, 0.5}});
    ExpectPoints(flashover.Series[1].Points, {{0, 0}, {9, 1}, {9, 1}});

    const auto& histogram = plots[3].Plot;
    EXPECT_EQ(histogram.X.Title, "Peak Layer Temperature (°C)");
    ASSERT_EQ(histogram.Series.size(), 1u);
    double runs = 0;
    for (const auto& bar : histogram.Series[0].Points) {
        runs += bar.Y;
    }
    EXPECT_EQ(runs, 3);
}

TEST(StudyPlots, ASingleGridPointIsAllRuns) {
    const auto plots = StudyPlots(TwoGridPoints(), nlohmann::ordered_json::array());
    ASSERT_FALSE(plots.empty());
    ASSERT_EQ(plots[0].Plot.Series.size(), 1u);
    EXPECT_EQ(plots[0].Plot.Series[0].Name, "all runs");
}

TEST(ProgressLine, RunsDoneRateAndTimeLeft) {
    struct Case {
        study::StudyProgress progress;
        std::string expected;
    };
    const Case cases[] = {
        {{0, 1000, 0, std::nullopt}, "[----------] 0/1000 runs"},
        {{500, 1000, 812.4, 0.6}, "[#####-----] 500/1000 runs  812 runs/s  1 s left"},
        {{999, 1000, 2, 200}, "[#########-] 999/1000 runs  2 runs/s  3 min 20 s left"},
        {{1, 10000, 1, 9999}, "[----------] 1/10000 runs  1 runs/s  2 h 46 min left"},
        {{1000, 1000, 900, 0}, "[##########] 1000/1000 runs  900 runs/s  0 s left"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProgressLine(c.progress, 10), c.expected);
    }
}

TEST(ProgressBar, RedrawsInPlaceAndEndsTheLineOnce) {
    std::ostringstream err;
    ProgressBar bar(err);
    bar.Show({5, 10, 10, 0.5});
    bar.Show({10, 10, 10, 0});
    bar.Show({10, 10, 10, 0});
    const std::string text = err.str();
    EXPECT_EQ(text.front(), '\r');
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 2);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
    EXPECT_EQ(text.back(), '\n');
}

} // namespace
} // namespace vorla::cli

namespace vorla::cli {
namespace {

// One row a runs.csv line or a summary.json the plotting program cannot draw
// from: refused with the file and the line or field, never converted out of range.
TEST(CheckStudyPlotData, RefusesWhatNoStudyWrites) {
    const std::vector<std::string> header = {"run",
                                             "grid_point",
                                             "status",
                                             "message",
                                             "end_time_s",
                                             "flashover_time_s",
                                             "peak_layer_temperature_c"};
    const auto two = nlohmann::ordered_json::parse(
        R"({"grid_points": [{"inputs": {"fire": "a.fir"}}, {"inputs": {"fire": "b.fir"}}]})");
    const std::string grid = "summary.json";
    struct Case {
        std::string line;
        std::string summary;  // empty: `two`
        std::string expected; // empty: drawn
    };
    const Case cases[] = {
        {"1,1,ok,,600,300,700", "", ""},
        {"2,2,ok,,600,,1e299", "", ""},
        {"3,7,rejected,too big,,,", "", ""},
        {"1,3,ok,,600,300,700", "",
         "runs.csv:2: the grid point \"3\" is not a whole number from 1 to 2 (the grid points of "
         "summary.json)."},
        {"1,1e300,ok,,600,300,700", "",
         "runs.csv:2: the grid point \"1e300\" is not a whole number from 1 to 2 (the grid points "
         "of summary.json)."},
        {"1,1.5,ok,,600,300,700", "",
         "runs.csv:2: the grid point \"1.5\" is not a whole number from 1 to 2 (the grid points of "
         "summary.json)."},
        {"1,1,ok,,600,300,1.7976931348623157e+308", "",
         "runs.csv:2: peak_layer_temperature_c \"1.7976931348623157e+308\" is not a number a run "
         "gives."},
        {"1,1,ok,,600,300,-1.7976931348623157e+308", "",
         "runs.csv:2: peak_layer_temperature_c \"-1.7976931348623157e+308\" is not a number a run "
         "gives."},
        {"1,1,ok,,600,soon,700", "",
         "runs.csv:2: flashover_time_s \"soon\" is not a number a run gives."},
        {"1,1,ok,,inf,300,700", "", "runs.csv:2: end_time_s \"inf\" is not a number a run gives."},
        {"1,1,ok,,600,300,700", R"({"grid_points": 2})",
         "The file summary.json is not the summary.json of a study: its grid_points is not a list "
         "of grid points with their inputs."},
        {"1,1,ok,,600,300,700", R"({"grid_points": [{"inputs": 1}]})",
         "The file summary.json is not the summary.json of a study: its grid_points is not a list "
         "of grid points with their inputs."},
        {"1,1,ok,,600,300,700", R"({"grid_points": [3, 4]})",
         "The file summary.json is not the summary.json of a study: its grid_points is not a list "
         "of grid points with their inputs."},
    };
    for (const auto& c : cases) {
        const study::RunsTable table{header, {c.line}};
        const auto summary = c.summary.empty() ? two : nlohmann::ordered_json::parse(c.summary);
        const auto problem = CheckStudyPlotData(table, summary, "runs.csv", grid);
        EXPECT_EQ(problem.value_or(""), c.expected) << c.line << " " << c.summary;
        if (!problem) {
            // What passes the check is drawn: one curve per grid point with runs.
            const auto plots = StudyPlots(table, summary["grid_points"]);
            EXPECT_EQ(plots.size(), 2u) << c.line;
        }
    }
}

} // namespace
} // namespace vorla::cli

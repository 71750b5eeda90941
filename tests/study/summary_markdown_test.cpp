// summary.md as people read it: statistics cut to four significant digits,
// while the inputs that name a grid point keep every digit.
#include "study/study_summary.h"

#include <gtest/gtest.h>
#include <string>

namespace vorla::study {
namespace {

// A one-run summary whose flashover time has `mean`, on a grid point of `input`.
Json SummaryWithMean(const Json& mean, double input) {
    Json figures = {{"count", 1},  {"mean", mean}, {"sd", nullptr}, {"min", mean}, {"p5", mean},
                    {"p25", mean}, {"p50", mean},  {"p75", mean},   {"p95", mean}, {"max", mean}};
    const Json stats = {
        {"flashover_time_s", figures},
        {"probabilities", {{"flashover", {{"p", 1.0}, {"low", 0.2065432}, {"high", 1.0}}}}},
        {"sensitivity", {{"flashover_time_s", Json::array()}}}};
    const Json status = {{"ok", 1}, {"rejected", 0}, {"fire_file_error", 0}};
    Json summary = {{"study",
                     {{"file", "a.toml"},
                      {"model", "compartment"},
                      {"runs", 1},
                      {"seed", 1},
                      {"sampling", "random"},
                      {"units", "si"}}},
                    {"runs", 2},
                    {"status", status},
                    {"overall", stats}};
    summary["grid_points"] = Json::array();
    for (const double value : {input, 2.0}) {
        summary["grid_points"].push_back({{"grid_point", summary["grid_points"].size() + 1},
                                          {"inputs", {{"soffit-height", value}}},
                                          {"runs", 1},
                                          {"status", status},
                                          {"stats", stats}});
    }
    return summary;
}

TEST(SummaryMarkdown, StatisticsShowFourSignificantDigitsAndInputsEveryDigit) {
    const struct {
        Json mean;
        std::string cell;
    } cases[] = {
        {318.30068337129840, "318.3"},
        {1501.5042957782493, "1502"},
        {12345.6, "12346"},
        {0.99617324151444, "0.9962"},
        {0.000123456, "0.0001235"},
        {-0.81234, "-0.8123"},
        {600.0, "600"},
        {39.17990000000001, "39.18"},
        {nullptr, ""},
    };
    for (const auto& c : cases) {
        const std::string page = SummaryMarkdown(SummaryWithMean(c.mean, 1.23456789));
        const std::string cell = " " + c.cell + " ";
        EXPECT_NE(page.find("| flashover_time_s | 1 |" + cell + "|  |" + cell + "|"),
                  std::string::npos)
            << c.cell << "\n"
            << page;
        EXPECT_NE(page.find("| flashover | 1 | 0.2065 | 1 |"), std::string::npos) << page;
        EXPECT_NE(page.find("## Grid point 1: soffit-height = 1.23456789\n"), std::string::npos)
            << page;
    }
}

} // namespace
} // namespace vorla::study

#include "cli/vorla_command.h"
#include "tests/support/batch_run.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace vorla::cli {
namespace {

using Json = nlohmann::json;
using test_support::ReadFile;
using test_support::RunBatch;

const std::string kExamples = VORLA_EXAMPLES_DIR;

std::vector<std::string> Office(std::vector<std::string> more) {
    std::vector<std::string> words = {"compartment",
                                      "--fire",
                                      kExamples + "/office-sofa-tsquared.fir",
                                      "--floor-area",
                                      "20",
                                      "--room-height",
                                      "2.4",
                                      "--vent-width",
                                      "0.9",
                                      "--sill-height",
                                      "0",
                                      "--soffit-height",
                                      "2",
                                      "--fire-height",
                                      "0",
                                      "--run-time",
                                      "600",
                                      "-o",
                                      "/dev/null"};
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

std::vector<std::string> Shop(std::vector<std::string> more) {
    std::vector<std::string> words = {"smoke",
                                      "--fire",
                                      kExamples + "/medium-tsquared-1mw.fir",
                                      "--floor-area",
                                      "100",
                                      "--room-height",
                                      "4",
                                      "--run-time",
                                      "600",
                                      "-o",
                                      "/dev/null"};
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

TEST(SummaryOption, TheJsonHoldsTheInputsTheCriteriaAndEveryKeyByName) {
    const auto run = RunBatch(Office({"--flashover", "continue", "--summary", "-"}));
    ASSERT_EQ(run.Status, 0) << run.Err;
    const Json summary = Json::parse(run.Out);
    EXPECT_EQ(summary["model"], "compartment");
    EXPECT_EQ(summary["inputs"]["floor_area_m2"], 20.0);
    EXPECT_EQ(summary["inputs"]["flashover"], "continue");
    EXPECT_EQ(summary["criteria"]["interface_height_m"], Json::parse("[1.8, 1.5]"));
    EXPECT_EQ(summary["criteria"]["layer_temperature_c"], Json::parse("[60, 200, 600]"));
    for (const char* key : {"end_time_s", "end", "flashover_time_s", "peak_layer_temperature_c",
                            "peak_layer_temperature_time_s", "lowest_interface_height_m",
                            "lowest_interface_height_time_s", "interface_reaches_s",
                            "layer_temperature_reaches_s", "peak_heat_release_rate_kw",
                            "heat_released_mj", "peak_vent_flow_kg_s", "oxygen_limited_time_s"}) {
        EXPECT_TRUE(summary.contains(key)) << key;
    }
    EXPECT_FALSE(summary.contains("layer_at_fire_base_time_s"));
    EXPECT_EQ(summary["end"], "complete");
    // The report's flashover question came at 326 s, the run went on to 600 s.
    EXPECT_EQ(summary["flashover_time_s"], 326.0);
    EXPECT_EQ(summary["end_time_s"], 600.0);
    EXPECT_TRUE(summary["interface_reaches_s"].contains("1.8"));
    EXPECT_TRUE(summary["layer_temperature_reaches_s"].contains("600"));
    EXPECT_TRUE(summary["oxygen_limited_time_s"].is_null());
}

TEST(SummaryOption, UsCriteriaAndInputsAreWrittenInSiUnits) {
    // 20 m² is 215.278 ft²; 6 ft is 1.8288 m; 140 °F and 392 °F are 60 and 200 °C.
    const auto run = RunBatch({"compartment",
                               "--units",
                               "us",
                               "--fire",
                               kExamples + "/office-sofa-tsquared.fir",
                               "--floor-area",
                               "215.278",
                               "--room-height",
                               "8",
                               "--vent-width",
                               "3",
                               "--sill-height",
                               "0",
                               "--soffit-height",
                               "6.5",
                               "--fire-height",
                               "0",
                               "--run-time",
                               "300",
                               "-o",
                               "/dev/null",
                               "--criteria-height",
                               "6",
                               "--criteria-temperature",
                               "140,392",
                               "--summary",
                               "-"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const Json summary = Json::parse(run.Out);
    EXPECT_NEAR(summary["inputs"]["floor_area_m2"].get<double>(), 20, 1e-3);
    EXPECT_NEAR(summary["inputs"]["room_height_m"].get<double>(), 2.4384, 1e-6);
    EXPECT_EQ(summary["criteria"]["interface_height_m"], Json::parse("[1.8288]"));
    EXPECT_EQ(summary["criteria"]["layer_temperature_c"], Json::parse("[60, 200]"));
    EXPECT_TRUE(summary["interface_reaches_s"].contains("1.8288"));
    EXPECT_TRUE(summary["layer_temperature_reaches_s"].contains("200"));
}

TEST(SummaryOption, TheCsvHasTheJsonsKeysAndValues) {
    test_support::TemporaryFolder folder;
    const std::string json = folder.PathOf("keys.json");
    const std::string csv = folder.PathOf("keys.csv");
    for (const auto& args : {Office({"--summary", json, "--summary-csv", csv}),
                             Shop({"--summary", json, "--summary-csv", csv})}) {
        SCOPED_TRACE(args[0]);
        const auto run = RunBatch(args);
        ASSERT_EQ(run.Status, 0) << run.Err;
        const Json summary = Json::parse(ReadFile(json));
        std::istringstream lines(ReadFile(csv));
        std::string header, data, extra;
        std::getline(lines, header);
        std::getline(lines, data);
        EXPECT_FALSE(std::getline(lines, extra));
        ASSERT_EQ(header.back(), '\r');
        header.pop_back();
        data.pop_back();
        std::vector<std::string> names, cells;
        for (std::istringstream in(header); std::getline(in, names.emplace_back(), ',');) {
        }
        for (std::istringstream in(data); std::getline(in, cells.emplace_back(), ',');) {
        }
        names.pop_back();
        cells.pop_back();
        if (data.back() == ',') {
            cells.emplace_back();
        }
        ASSERT_EQ(names.size(), cells.size()) << data;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const auto at = names[i].find('@');
            const Json value = at == std::string::npos
                                   ? summary[names[i]]
                                   : summary[names[i].substr(0, at)][names[i].substr(at + 1)];
            if (value.is_null()) {
                EXPECT_EQ(cells[i], "") << names[i];
            } else if (value.is_string()) {
                EXPECT_EQ(cells[i], value.get<std::string>()) << names[i];
            } else {
                EXPECT_EQ(std::stod(cells[i]), value.get<double>()) << names[i];
            }
        }
    }
}

TEST(SummaryOption, TheReportIsTheSameWithOrWithoutTheKeyResults) {
    test_support::TemporaryFolder folder;
    auto plain = Office({});
    plain.erase(plain.end() - 2, plain.end());
    auto keyed = plain;
    keyed.insert(keyed.end(), {"--summary", folder.PathOf("k.json")});
    EXPECT_EQ(RunBatch(plain).Out, RunBatch(keyed).Out);
}

TEST(SummaryOption, BadCriteriaAndPathsAreRefusedNamingTheOption) {
    struct Case {
        std::vector<std::string> more;
        std::string message;
    };
    const Case cases[] = {
        {{"--criteria-height", "1.8,x"},
         "The value of --criteria-height is not a list of numbers: \"1.8,x\"."},
        {{"--criteria-height", "0"}, "The value of --criteria-height must be heights above 0"},
        {{"--criteria-height", "1.5,1.5"}, "The value of --criteria-height lists 1.5 twice."},
        {{"--criteria-height", ""}, "--criteria-height"},
        {{"--criteria-temperature", "-300"},
         "The value of --criteria-temperature must be temperatures above ambient (21.11 °C), "
         "not -300."},
        {{"--units", "us", "--criteria-temperature", "-460"},
         "The value of --criteria-temperature must be temperatures above ambient (70 °F), "
         "not -460."},
        // A decimal comma: 60,5 is 60 °C and 5 °C, below the room's own 21.11 °C.
        {{"--criteria-temperature", "60,5"},
         "The value of --criteria-temperature must be temperatures above ambient (21.11 °C), "
         "not 5."},
        {{"--units", "us", "--criteria-temperature", "140,70"},
         "The value of --criteria-temperature must be temperatures above ambient (70 °F), "
         "not 70."},
        // 1,8 for 1.8: 8 m is above both rooms' ceilings (2.4 m, 4 m).
        {{"--criteria-height", "1,8"},
         "must be heights inside the room, up to its ceiling height of "},
        {{"--criteria-temperature", "60,,200"}, "--criteria-temperature"},
        {{"--summary", ""}, "--summary needs a file name, or - for standard output."},
        {{"--summary-csv", ""}, "--summary-csv needs a file name, or - for standard output."},
    };
    for (const auto& c : cases) {
        for (auto args : {Office(c.more), Shop(c.more)}) {
            SCOPED_TRACE(args[0] + " " + c.more.back());
            const auto run = RunBatch(args);
            EXPECT_EQ(run.Status, 2);
            EXPECT_NE(run.Err.find(c.message), std::string::npos) << run.Err;
            EXPECT_EQ(run.Err.find("vorla " + args[0] + ": "), 0u) << run.Err;
        }
    }
}

TEST(SummaryOption, HeightsAreJudgedByTheRoomTheyAreFor) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    auto lowOffice = [](std::vector<std::string> more) {
        auto args = Office(more);
        args[6] = "1.5";  // --room-height
        args[12] = "1.2"; // --soffit-height, below it
        return args;
    };
    const Case cases[] = {
        {Office({"--criteria-height", "2.4", "--summary", "-"}), 0, ""}, // at the ceiling
        {Office({"--criteria-height", "1.8,2.5", "--summary", "-"}), 2,
         "vorla compartment: The value of --criteria-height must be heights inside the room, up "
         "to its ceiling height of 2.4 m, not 2.5.\n"},
        {Shop({"--criteria-height", "4.5", "--summary", "-"}), 2,
         "vorla smoke: The value of --criteria-height must be heights inside the room, up to its "
         "ceiling height of 4 m, not 4.5.\n"},
        // The default 1.8 m is the program's, not the user's: a low room still runs.
        {lowOffice({"--summary", "-"}), 0, ""},
        {lowOffice({"--criteria-height", "1.8", "--summary", "-"}), 2,
         "vorla compartment: The value of --criteria-height must be heights inside the room, up "
         "to its ceiling height of 1.5 m, not 1.8.\n"},
    };
    for (const auto& c : cases) {
        const auto run = RunBatch(c.args);
        EXPECT_EQ(run.Status, c.status) << run.Err;
        if (c.status != 0) {
            EXPECT_EQ(run.Err, c.err);
        }
    }
}

TEST(SummaryOption, AnUnwritableSummaryIsAFileProblem) {
    const auto run = RunBatch(Office({"--summary", "/nonexistent-folder/keys.json"}));
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("/nonexistent-folder/keys.json"), std::string::npos) << run.Err;
}

TEST(SummaryOption, TheHelpTextsExplainTheOptions) {
    for (const char* command : {"compartment", "smoke"}) {
        const auto help = RunBatch({command, "--help"});
        for (const char* option :
             {"--summary FILE", "--summary-csv FILE", "--criteria-height H[,H...]",
              "--criteria-temperature T[,T...]", "°F"}) {
            EXPECT_NE(help.Out.find(option), std::string::npos) << command << " " << option;
        }
    }
}

} // namespace
} // namespace vorla::cli

// The detection options of `vorla compartment` and `vorla smoke`, run in
// process: every option wrong once, the devices in the summary, and a
// suppressed fire against Evans' curve computed here.
#include "cli/vorla_command.h"
#include "tests/support/batch_run.h"
#include "tests/support/test_files.h"

#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace vorla::cli {
namespace {

using Json = nlohmann::json;
using test_support::BatchOutcome;
using test_support::ReadFile;

const std::string kExamples = VORLA_EXAMPLES_DIR;

BatchOutcome Vorla(std::vector<std::string> args, const std::vector<std::string>& more = {}) {
    args.insert(args.end(), more.begin(), more.end());
    return test_support::RunBatch(args);
}

// The office of the examples (20 m², 2.4 m high, a door) under its t² sofa fire.
const std::vector<std::string> kOffice = {"compartment",
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
                                          "--flashover",
                                          "continue",
                                          "-o",
                                          "/dev/null"};

const std::string kSprinkler = "kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,"
                               "temperature=68";

TEST(DetectionOptions, EachWrongOptionIsRefusedNamingIt) {
    struct Case {
        std::vector<std::string> options;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {{"--device", "kind=laser,radius=1,below-ceiling=0.1,rti=50,temperature=68"},
         2,
         "vorla compartment: --device: "},
        {{"--device", "kind=heat,radius=1,below-ceiling=3,rti=50,temperature=68"},
         2,
         "below-ceiling"},
        {{"--devices", "/nonexistent/devices.toml"}, 1, "vorla compartment: --devices: "},
        {{"--suppression", "drown"},
         2,
         "--suppression must be unchanged, held or decaying, not \"drown\"."},
        {{"--suppression", "held"}, 2, "--suppression held needs a sprinkler"},
        {{"--spray-density", "0.07"}, 2, "--spray-density is for a decaying fire"},
        {{"--device", kSprinkler, "--suppression", "decaying"},
         2,
         "--suppression: The spray density must be"},
        {{"--device", kSprinkler, "--suppression", "decaying", "--spray-density", "x"},
         2,
         "The value of --spray-density is not a number: \"x\"."},
        {{"--device", kSprinkler, "--device", kSprinkler}, 2, "S1"},
    };
    for (const Case& c : cases) {
        const BatchOutcome result = Vorla(kOffice, c.options);
        EXPECT_EQ(result.Status, c.status) << c.options[1] << "\n" << result.Err;
        EXPECT_NE(result.Err.find(c.message), std::string::npos) << result.Err;
    }
}

TEST(DetectionOptions, EveryDeviceIsInTheSummaryAndTheFirstsAreTheirMinima) {
    const BatchOutcome result =
        Vorla(kOffice, {"--summary", "-", "--device", kSprinkler, "--device",
                        "kind=heat,radius=1,below-ceiling=0.05,rti=100,temperature=57", "--device",
                        "kind=smoke,name=SD,radius=3,below-ceiling=0.02", "--device",
                        "kind=heat,name=never,radius=4,below-ceiling=0.05,rti=400,temperature=400",
                        "--run-time", "200"});
    ASSERT_EQ(result.Status, 0) << result.Err;
    const Json keys = Json::parse(result.Out);
    const Json& devices = keys["devices"];
    ASSERT_EQ(devices.size(), 4u);
    const char* names[] = {"S1", "device 2", "SD", "never"};
    const char* kinds[] = {"sprinkler", "heat", "smoke", "heat"};
    double first = INFINITY;
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(devices[i]["name"], names[i]);
        EXPECT_EQ(devices[i]["kind"], kinds[i]);
        if (devices[i]["activation_time_s"].is_number()) {
            first = std::min(first, devices[i]["activation_time_s"].get<double>());
        }
    }
    EXPECT_TRUE(devices[3]["activation_time_s"].is_null());
    EXPECT_EQ(keys["first_detection_s"].get<double>(), first);
    EXPECT_EQ(keys["first_sprinkler_s"], devices[0]["activation_time_s"]);
    EXPECT_FALSE(keys.contains("suppression"));

    const BatchOutcome none = Vorla(kOffice, {"--summary", "-"});
    EXPECT_FALSE(Json::parse(none.Out).contains("devices"));
}

// A steady 500 kW fire in a corner of a 900 m² hall 6 m high, a 75 °C heat
// detector (RTI 50) 3 m from the plume axis: the jet of the fire and its
// three mirror images is Alpert's far-field jet of 2000 kW, ΔT = 5.38·
// (2000/3)^(2/3)/6 = 68.4 K and u = 0.195·2000^(1/3)·6^(1/2)/3^(5/6) =
// 2.41 m/s, in which the link reaches its 53.9 K rise from 21.11 °C after
// (50/√2.41)·ln(68.4/(68.4 − 53.9)) = 49.9 s. The hot layer only adds to the
// jet, so the detector operates by then. In the open the 500 kW jet, 27.2 K,
// never reaches it: only the layer can, much later.
TEST(DetectionOptions, ACornerFireDrivesTheJetOfItsMirrorImages) {
    const test_support::TemporaryFolder folder;
    const std::string fire = folder.Write(
        "steady.fir", "    0        500.0        0.000\r\n  900        500.0        0.000\r\n"
                      "   -9           -9           -9\r\n");
    const auto first = [&fire](const char* place) {
        const BatchOutcome result = Vorla(
            {"compartment", "--fire", fire, "--floor-area", "900", "--room-height", "6",
             "--vent-width", "2", "--sill-height", "0", "--soffit-height", "5", "--fire-height",
             "0", "--run-time", "900", "--flashover", "continue", "-o", "/dev/null", "--summary",
             "-", "--fire-position", place, "--device",
             "kind=heat,name=H,radius=3,below-ceiling=0.05,rti=50,temperature=75"});
        EXPECT_EQ(result.Status, 0) << result.Err;
        const Json keys = Json::parse(result.Out);
        return keys["first_detection_s"].is_number() ? keys["first_detection_s"].get<double>()
                                                     : INFINITY;
    };
    EXPECT_LE(first("corner"), 49.9);
    EXPECT_GT(first("centre"), 49.9);
}

// A steady 500 kW fire: once the sprinkler operates at t_act the rows' heat
// release rate must be 500 exp(-(t - t_act) / tau), tau = 3 w^-1.85 (Evans).
// t_act comes from the summary rounded to 0.1 s, which puts at most
// 0.05 / tau = 1.2e-4 of relative error into the expected rate.
TEST(DetectionOptions, ADecayingFireFollowsEvansCurveAfterTheFirstSprinkler) {
    test_support::TemporaryFolder folder;
    const std::string fire = folder.PathOf("steady.fir");
    test_support::WriteFile(fire, "    0        500.0       25.000\r\n"
                                  "  600        500.0       25.000\r\n"
                                  "   -9           -9           -9\r\n"
                                  "steady.fir           12/08/2026\r\n"
                                  "Steady 500 kW\r\n");
    const std::string csv = folder.PathOf("rows.csv");
    const BatchOutcome result = Vorla(
        {"smoke",     "--fire",        fire,       "--floor-area",    "100",      "--room-height",
         "4",         "--run-time",    "600",      "--output-name",   "ROOM.SOF", "-o",
         "/dev/null", "--csv",         csv,        "--summary",       "-",        "--device",
         kSprinkler,  "--suppression", "decaying", "--spray-density", "0.07"});
    ASSERT_EQ(result.Status, 0) << result.Err;
    const Json keys = Json::parse(result.Out);
    const double activation = keys["first_sprinkler_s"].get<double>();
    EXPECT_EQ(keys["suppressed_from_s"].get<double>(), activation);
    EXPECT_EQ(keys["suppression"], "decaying");
    const double tau = 3 * std::pow(0.07, -1.85);
    std::istringstream lines(ReadFile(csv));
    std::string line;
    std::getline(lines, line); // the header
    int after = 0;
    while (std::getline(lines, line)) {
        const double t = std::stod(line);
        const double rate =
            std::stod(line.substr(line.find(',', line.find(',', line.find(',') + 1) + 1) + 1));
        const double expected = t < activation ? 500 : 500 * std::exp(-(t - activation) / tau);
        EXPECT_NEAR(rate / expected, 1, 1.5e-4) << "at " << t << " s";
        after += t > activation;
    }
    EXPECT_GT(after, 10);
}

// The report -o writes carries the devices after its last line; --from it
// follows them again (the same summary), unless --device replaces them; a
// damaged device line is refused naming the report and the line.
TEST(DetectionOptions, TheReportCarriesItsDevicesToFrom) {
    test_support::TemporaryFolder folder;
    const std::string report = folder.PathOf("sprinklers.vof");
    std::vector<std::string> run = kOffice;
    run.back() = report; // -o
    const BatchOutcome first =
        Vorla(run, {"--summary", "-", "--device", kSprinkler, "--run-time", "200"});
    ASSERT_EQ(first.Status, 0) << first.Err;
    const std::string saved = ReadFile(report);
    const std::string line = "Device: kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,"
                             "c=0,temperature=68\r\n";
    ASSERT_GE(saved.size(), line.size());
    EXPECT_EQ(saved.substr(saved.size() - line.size()), line);

    const BatchOutcome again = Vorla({"compartment", "--from", report, "-o", "/dev/null",
                                      "--flashover", "continue", "--summary", "-"});
    ASSERT_EQ(again.Status, 0) << again.Err;
    EXPECT_EQ(Json::parse(again.Out)["devices"], Json::parse(first.Out)["devices"]);

    const BatchOutcome replaced = Vorla(
        {"compartment", "--from", report, "-o", "/dev/null", "--flashover", "continue", "--summary",
         "-", "--device", "kind=heat,name=H,radius=1,below-ceiling=0.05,rti=100,temperature=57"});
    ASSERT_EQ(replaced.Status, 0) << replaced.Err;
    ASSERT_EQ(Json::parse(replaced.Out)["devices"].size(), 1u);
    EXPECT_EQ(Json::parse(replaced.Out)["devices"][0]["name"], "H");

    std::string damaged = saved;
    damaged.replace(damaged.find("rti=50"), 6, "rti=fast");
    const std::string damagedPath = folder.Write("damaged.vof", damaged);
    const BatchOutcome refused = Vorla({"compartment", "--from", damagedPath, "-o", "/dev/null"});
    EXPECT_EQ(refused.Status, 2);
    EXPECT_NE(refused.Err.find("--from: " + damagedPath + ": Line "), std::string::npos)
        << refused.Err;
}

// A suppressed run's report carries its rule on the line before the devices;
// --from follows both (the same summary, suppression included) unless a rule
// is given; a report without the rule, or with "unchanged", has no such line
// and is the report without suppression byte for byte.
TEST(DetectionOptions, TheReportCarriesItsSuppressionToFrom) {
    test_support::TemporaryFolder folder;
    const std::string report = folder.PathOf("suppressed.vof");
    std::vector<std::string> run = kOffice;
    run.back() = report; // -o
    const BatchOutcome first = Vorla(run, {"--summary", "-", "--device", kSprinkler,
                                           "--suppression", "decaying", "--spray-density", "0.07"});
    ASSERT_EQ(first.Status, 0) << first.Err;
    const Json firstKeys = Json::parse(first.Out);
    ASSERT_EQ(firstKeys["suppression"], "decaying"); // what the case stands on
    const std::string saved = ReadFile(report);
    const std::string lines =
        "Suppression: --suppression decaying --spray-density 0.07 --suppression-constant 3 "
        "--suppression-exponent 1.85\r\n"
        "Device: kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,c=0,temperature=68\r\n";
    ASSERT_GE(saved.size(), lines.size());
    EXPECT_EQ(saved.substr(saved.size() - lines.size()), lines);

    const BatchOutcome again = Vorla({"compartment", "--from", report, "-o", "/dev/null",
                                      "--flashover", "continue", "--summary", "-"});
    ASSERT_EQ(again.Status, 0) << again.Err;
    const Json againKeys = Json::parse(again.Out);
    for (const char* key : {"devices", "suppression", "suppressed_from_s",
                            "peak_layer_temperature_c", "heat_released_mj"}) {
        EXPECT_EQ(againKeys[key], firstKeys[key]) << key;
    }
    // A rule given replaces the saved one.
    const BatchOutcome unchanged =
        Vorla({"compartment", "--from", report, "-o", "/dev/null", "--flashover", "continue",
               "--summary", "-", "--suppression", "unchanged"});
    ASSERT_EQ(unchanged.Status, 0) << unchanged.Err;
    EXPECT_FALSE(Json::parse(unchanged.Out).contains("suppression"));

    // Unchanged writes no line: the report is the one of the devices alone
    // (both written to one name, which the header shows).
    const std::string plain = folder.PathOf("plain.vof");
    run.back() = plain;
    ASSERT_EQ(Vorla(run, {"--device", kSprinkler}).Status, 0);
    const std::string devicesAlone = ReadFile(plain);
    ASSERT_EQ(Vorla(run, {"--device", kSprinkler, "--suppression", "unchanged"}).Status, 0);
    EXPECT_EQ(ReadFile(plain), devicesAlone);
    EXPECT_EQ(devicesAlone.find("Suppression: "), std::string::npos);

    std::string damaged = saved;
    damaged.replace(damaged.find("--spray-density 0.07"), 20, "--spray-density wet");
    const std::string damagedPath = folder.Write("damaged.vof", damaged);
    const BatchOutcome refused = Vorla({"compartment", "--from", damagedPath, "-o", "/dev/null"});
    EXPECT_EQ(refused.Status, 2);
    EXPECT_NE(refused.Err.find("--from: " + damagedPath + ": Line "), std::string::npos)
        << refused.Err;
}

} // namespace
} // namespace vorla::cli

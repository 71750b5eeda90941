// The tenability options of `vorla compartment` and `vorla smoke`, run in
// process: every input wrong once, the columns they add, and the answers
// against a hand calculation and against the key results' own crossing times.
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
using test_support::RunBatch;

const std::string kExamples = VORLA_EXAMPLES_DIR;

// The office of the examples: 20 m², 2.4 m high, a door 0.9 m by 2 m.
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
                                      "--flashover",
                                      "continue",
                                      "-o",
                                      "/dev/null"};
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 2;
    }
    return lines;
}

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream stream(line);
    std::string cell;
    while (std::getline(stream, cell, ',')) {
        cells.push_back(cell);
    }
    if (!line.empty() && line.back() == ',') {
        cells.emplace_back();
    }
    return cells;
}

TEST(TenabilityOptions, EachWrongInputIsRefusedNamingItsOption) {
    struct Case {
        std::vector<std::string> options;
        const char* message;
    };
    const Case cases[] = {
        {{"--fuel", "wood"},
         "--fuel must be one of red-oak, propane, heptane, pmma, polystyrene, not \"wood\"."},
        {{"--sign", "neon"}, "--sign must be reflecting or lit, not \"neon\"."},
        {{"--soot-yield", "0,1"}, "The value of --soot-yield is not a number: \"0,1\"."},
        {{"--soot-yield", "-0.1"}, "--soot-yield: The soot yield must be a number from 0 to 1"},
        {{"--co-yield", "3"}, "--co-yield: The CO yield must be a number from 0 to"},
        {{"--heat-of-combustion", "0"}, "--heat-of-combustion: The heat of combustion must be"},
        {{"--head-height", "0"}, "--head-height: The head height must be above the floor"},
        {{"--head-height", "2.4"}, "--head-height: The head height must be above the floor"},
        // 8 ft is 2.44 m, above the 2.4 m ceiling.
        {{"--units", "us", "--floor-area", "215", "--room-height", "7.874", "--vent-width", "2.953",
          "--soffit-height", "6.562", "--head-height", "8"},
         "--head-height: The head height must be above the floor"},
        {{"--visibility-limit", "0"}, "--visibility-limit: The visibility criterion must be"},
        {{"--fed-toxic-limit", "0"}, "--fed-toxic-limit: The toxic FED criterion must be"},
        {{"--fed-heat-limit", "-1"}, "--fed-heat-limit: The heat FED criterion must be"},
        {{"--radiant-flux-limit", "0"}, "--radiant-flux-limit: The radiant flux criterion must be"},
        {{"--tenability-layer-height", "3"},
         "--tenability-layer-height: The layer height criterion must be above the floor"},
        {{"--tenability-temperature", "20"},
         "--tenability-temperature: The temperature criterion must be"},
    };
    for (const Case& c : cases) {
        const BatchOutcome result = RunBatch(Office(c.options));
        EXPECT_EQ(result.Status, 2) << c.options[0];
        EXPECT_NE(result.Err.find(std::string("vorla compartment: ") + c.message),
                  std::string::npos)
            << result.Err;
    }
}

TEST(TenabilityOptions, ColumnsJoinTheResultsCsvOnlyWhenAnInputIsGiven) {
    test_support::TemporaryFolder folder;
    const std::string plain = folder.PathOf("plain.csv");
    const std::string withColumns = folder.PathOf("tenability.csv");
    ASSERT_EQ(RunBatch(Office({"--csv", plain})).Status, 0);
    ASSERT_EQ(RunBatch(Office({"--csv", withColumns, "--sign", "lit"})).Status, 0);
    const std::vector<std::string> before = Lines(ReadFile(plain));
    const std::vector<std::string> after = Lines(ReadFile(withColumns));
    ASSERT_EQ(before.size(), after.size());
    EXPECT_EQ(after[0], before[0] + ",visibility_m,fed_toxic,fed_heat,radiant_flux_kW_m2");
    for (std::size_t i = 1; i < after.size(); ++i) {
        // Each line is the line it was, with four cells more.
        ASSERT_EQ(after[i].substr(0, before[i].size()), before[i]) << "line " << i;
        EXPECT_EQ(Cells(after[i]).size(), Cells(before[i]).size() + 4) << after[i];
    }
}

TEST(TenabilityOptions, AsetIsTheFirstCriterionAndAgreesWithTheKeyResults) {
    const BatchOutcome result = RunBatch(Office({"--summary", "-"}));
    ASSERT_EQ(result.Status, 0) << result.Err;
    const Json keys = Json::parse(result.Out);
    const Json& reached = keys["tenability_reached_s"];
    ASSERT_EQ(reached.size(), 6u);
    double first = INFINITY;
    std::string governing;
    // At a tie the first in this order governs.
    for (const char* criterion :
         {"visibility", "fed_toxic", "fed_heat", "radiant_flux", "layer_height", "temperature"}) {
        const Json& time = reached[criterion];
        if (time.is_number() && time.get<double>() < first) {
            first = time.get<double>();
            governing = criterion;
        }
    }
    EXPECT_EQ(keys["aset_s"].get<double>(), first);
    EXPECT_EQ(keys["aset_criterion"].get<std::string>(), governing);
    // The key results find their crossings between 5 s rows, tenability within
    // 1 s steps: the two agree to within one row interval.
    EXPECT_NEAR(reached["layer_height"].get<double>(),
                keys["interface_reaches_s"]["1.8"].get<double>(), 5);
    EXPECT_NEAR(reached["temperature"].get<double>(),
                keys["layer_temperature_reaches_s"]["60"].get<double>(), 5);
    EXPECT_EQ(keys["inputs"]["head_height_m"].get<double>(), 1.8);
    EXPECT_EQ(keys["inputs"]["visibility_limit_m"].get<double>(), 5); // 20 m² is a small room
}

TEST(TenabilityOptions, ARoomLowerThanTheDefaultHeadRunsAsBefore) {
    const auto low = [](std::vector<std::string> more) {
        std::vector<std::string> words = {
            "smoke",         "--fire",     kExamples + "/medium-tsquared-1mw.fir",
            "--floor-area",  "10",         "--room-height",
            "1.5",           "--run-time", "120",
            "--output-name", "LOW.SOF",    "-o",
            "/dev/null",     "--summary",  "-"};
        words.insert(words.end(), more.begin(), more.end());
        return words;
    };
    const BatchOutcome plain = RunBatch(low({}));
    ASSERT_EQ(plain.Status, 0) << plain.Err;
    EXPECT_FALSE(Json::parse(plain.Out).contains("aset_s"));
    const BatchOutcome kneeling = RunBatch(low({"--head-height", "1.0"}));
    ASSERT_EQ(kneeling.Status, 0) << kneeling.Err;
    EXPECT_TRUE(Json::parse(kneeling.Out).contains("aset_s"));
    EXPECT_EQ(RunBatch(low({"--sign", "lit"})).Status, 2);
}

// A closed room and a steady fire: every kilogram of fuel burned stays in the
// layer, so the soot density is y_s Q t / (dHc A (H - z)) and the visibility
// 3 / (8700 m²/kg x that) with reflecting signs, by hand from each row's time
// and interface height.
TEST(TenabilityOptions, ClosedRoomVisibilityMatchesTheHandCalculation) {
    test_support::TemporaryFolder folder;
    const std::string fire = folder.PathOf("steady.fir");
    test_support::WriteFile(fire, "    0        500.0       25.000\r\n"
                                  "  600        500.0       25.000\r\n"
                                  "   -9           -9           -9\r\n"
                                  "steady.fir           12/08/2026\r\n"
                                  "Steady 500 kW\r\n");
    const std::string csv = folder.PathOf("rows.csv");
    const BatchOutcome result = RunBatch(
        {"smoke",     "--fire",        fire,  "--floor-area",  "200",      "--room-height",
         "6",         "--run-time",    "300", "--output-name", "HALL.SOF", "-o",
         "/dev/null", "--csv",         csv,   "--soot-yield",  "0.05",     "--heat-of-combustion",
         "20000",     "--head-height", "5.5"});
    ASSERT_EQ(result.Status, 0) << result.Err;
    const std::vector<std::string> lines = Lines(ReadFile(csv));
    int checked = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> cells = Cells(lines[i]);
        const double t = std::stod(cells[0]);
        const double z = std::stod(cells[2]);
        if (z > 5.5) {
            EXPECT_EQ(cells[5], "") << "clear air below the layer at " << t << " s";
            continue;
        }
        const double soot = 0.05 * 500 * t / 20000 / (200 * (6 - z));
        const double visibility = 3 / (8700 * soot);
        // The rows keep the interface in single precision.
        EXPECT_NEAR(std::stod(cells[5]) / visibility, 1, 1e-6) << "at " << t << " s";
        ++checked;
    }
    EXPECT_GT(checked, 10);
}

// The report -o writes carries the tenability options given, in S.I. units,
// after its last line; --from it follows them again (the same summary),
// unless a tenability option replaces them; a damaged or unusable line is
// refused naming the report and the line. Without a tenability option the report is what it
// always was.
TEST(TenabilityOptions, TheReportCarriesItsTenabilityToFrom) {
    test_support::TemporaryFolder folder;
    const std::string plain = folder.PathOf("plain.vof");
    std::vector<std::string> plainRun = Office({});
    plainRun[plainRun.size() - 1] = plain;
    ASSERT_EQ(RunBatch(plainRun).Status, 0);
    EXPECT_EQ(ReadFile(plain).find("Tenability:"), std::string::npos);

    const std::string report = folder.PathOf("lit.vof");
    std::vector<std::string> run =
        Office({"--summary", "-", "--sign", "lit", "--soot-yield", "0.2", "--head-height", "1.5"});
    for (std::size_t k = 0; k + 1 < run.size(); ++k) {
        if (run[k] == "-o") {
            run[k + 1] = report;
        }
    }
    const BatchOutcome first = RunBatch(run);
    ASSERT_EQ(first.Status, 0) << first.Err;
    const std::vector<std::string> lines = Lines(ReadFile(report));
    EXPECT_EQ(lines.back(),
              // The office's fire file was written with 20 MJ/kg: the run burned that.
              "Tenability: --fuel polystyrene --heat-of-combustion 20000 --soot-yield 0.2 "
              "--co-yield 0.06 --hcn-yield 0 --co2-yield 2.33 --head-height 1.5 --sign lit "
              "--fed-toxic-limit 0.3 --fed-heat-limit 0.3 --radiant-flux-limit 2.5 "
              "--tenability-temperature 60");

    const BatchOutcome again = RunBatch({"compartment", "--from", report, "-o", "/dev/null",
                                         "--flashover", "continue", "--summary", "-"});
    ASSERT_EQ(again.Status, 0) << again.Err;
    const Json firstKeys = Json::parse(first.Out);
    const Json againKeys = Json::parse(again.Out);
    EXPECT_EQ(againKeys["aset_s"], firstKeys["aset_s"]);
    EXPECT_EQ(againKeys["tenability_reached_s"], firstKeys["tenability_reached_s"]);
    EXPECT_EQ(againKeys["inputs"]["soot_yield"], 0.2);
    EXPECT_EQ(againKeys["inputs"]["sign"], "lit");
    EXPECT_EQ(againKeys["inputs"]["heat_of_combustion_source"], "input"); // the report's line

    const BatchOutcome replaced =
        RunBatch({"compartment", "--from", report, "-o", "/dev/null", "--flashover", "continue",
                  "--summary", "-", "--co-yield", "0.01"});
    ASSERT_EQ(replaced.Status, 0) << replaced.Err;
    const Json replacedKeys = Json::parse(replaced.Out);
    EXPECT_EQ(replacedKeys["inputs"]["co_yield"], 0.01);
    EXPECT_EQ(replacedKeys["inputs"]["soot_yield"], 0.164); // the default, not the report's
    EXPECT_EQ(replacedKeys["inputs"]["sign"], "reflecting");

    const std::string text = ReadFile(report);
    const std::string lineNumber = std::to_string(lines.size());
    std::string damaged = text;
    damaged.replace(damaged.find("--soot-yield 0.2"), 16, "--soot-yield x");
    const std::string damagedPath = folder.Write("damaged.vof", damaged);
    const BatchOutcome refused =
        RunBatch({"compartment", "--from", damagedPath, "-o", "/dev/null"});
    EXPECT_EQ(refused.Status, 2);
    EXPECT_NE(refused.Err.find("--from: " + damagedPath + ": Line " + lineNumber +
                               ": The value of --soot-yield is not a number: \"x\"."),
              std::string::npos)
        << refused.Err;

    std::string high = text;
    high.replace(high.find("--head-height 1.5"), 17, "--head-height 3");
    const std::string highPath = folder.Write("high.vof", high);
    const BatchOutcome tooHigh = RunBatch({"compartment", "--from", highPath, "-o", "/dev/null"});
    EXPECT_EQ(tooHigh.Status, 2);
    EXPECT_NE(tooHigh.Err.find("--from: " + highPath + ": Line " + lineNumber +
                               ": --head-height: The head height must be above the floor and "
                               "below the ceiling"),
              std::string::npos)
        << tooHigh.Err;
}

// A fire file written by `vorla fire` with 20 MJ/kg carries it in its
// burning-rate column: a run given no heat of combustion burns that, and
// follows the very tenability of a run given 20000 kJ/kg. The fuel's own
// 27000 kJ/kg burns less fuel for the same heat: the run is the same, the
// soot in the layer 20/27 of it, so wherever the head is in the layer the
// visibility S = K / (K_m m_s) is 27/20 of the file's. A file typed by hand
// without burning rates falls back on the fuel's with a note.
TEST(TenabilityOptions, TheFireFilesHeatOfCombustionIsTheDefault) {
    test_support::TemporaryFolder folder;
    const std::string fire = folder.PathOf("fast.fir");
    const BatchOutcome written =
        RunBatch({"fire", "tsquared", "--alpha", "0.04689", "--t-max", "150", "--t-end", "600",
                  "--heat-of-combustion", "20000", "--date", "D", "-o", fire});
    ASSERT_EQ(written.Status, 0) << written.Err;
    const auto run = [&](const std::string& file, std::vector<std::string> more) {
        std::vector<std::string> words = Office({"--summary", "-"});
        words[2] = file;
        words.insert(words.end(), more.begin(), more.end());
        return RunBatch(words);
    };
    const std::string csvFile = folder.PathOf("file.csv");
    const std::string csvFuel = folder.PathOf("fuel.csv");
    const BatchOutcome fromFile = run(fire, {"--sign", "reflecting", "--csv", csvFile});
    const BatchOutcome given = run(fire, {"--sign", "reflecting", "--heat-of-combustion", "20000"});
    const BatchOutcome fuels =
        run(fire, {"--sign", "reflecting", "--heat-of-combustion", "27000", "--csv", csvFuel});
    for (const BatchOutcome* o : {&fromFile, &given, &fuels}) {
        ASSERT_EQ(o->Status, 0) << o->Err;
        EXPECT_EQ(o->Err, "");
    }
    const Json a = Json::parse(fromFile.Out);
    const Json b = Json::parse(given.Out);
    EXPECT_EQ(a["inputs"]["heat_of_combustion_kj_kg"], 20000);
    EXPECT_EQ(a["inputs"]["heat_of_combustion_source"], "fire file");
    EXPECT_EQ(b["inputs"]["heat_of_combustion_source"], "input");
    EXPECT_EQ(a["aset_s"], b["aset_s"]);
    EXPECT_EQ(a["tenability_reached_s"], b["tenability_reached_s"]);
    const std::vector<std::string> fileRows = Lines(ReadFile(csvFile));
    const std::vector<std::string> fuelRows = Lines(ReadFile(csvFuel));
    ASSERT_EQ(fileRows.size(), fuelRows.size());
    int compared = 0;
    for (std::size_t i = 1; i < fileRows.size(); ++i) {
        const std::string s20 = Cells(fileRows[i])[Cells(fileRows[0]).size() - 4];
        const std::string s27 = Cells(fuelRows[i])[Cells(fuelRows[0]).size() - 4];
        if (s20.empty() || s27.empty()) {
            EXPECT_EQ(s20, s27) << "row " << i;
            continue;
        }
        EXPECT_NEAR(std::stod(s27) / std::stod(s20), 27.0 / 20.0, 1e-9) << "row " << i;
        ++compared;
    }
    EXPECT_GT(compared, 10);

    const std::string typed = folder.Write("typed.fir", "0 0 0\n60 500 0\n600 500 0\n-9 -9 -9\n");
    const BatchOutcome plain = run(typed, {});
    ASSERT_EQ(plain.Status, 0) << plain.Err;
    EXPECT_EQ(plain.Err, ""); // no tenability asked for: nothing to say
    EXPECT_EQ(Json::parse(plain.Out)["inputs"]["heat_of_combustion_source"], "default");
    const BatchOutcome asked = run(typed, {"--soot-yield", "0.1"});
    ASSERT_EQ(asked.Status, 0) << asked.Err;
    EXPECT_EQ(asked.Err, "vorla compartment: The fire file " + typed +
                             " has no burning rate where the fire burns: the tenability uses the "
                             "default heat of combustion, 27000 kJ/kg.\n");
    EXPECT_EQ(Json::parse(asked.Out)["inputs"]["heat_of_combustion_kj_kg"], 27000);
}

} // namespace
} // namespace vorla::cli

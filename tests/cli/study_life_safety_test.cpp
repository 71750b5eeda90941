// `vorla study` with devices, suppression, tenability and [rset], through the
// built program: each run followed as `vorla compartment|smoke --summary`
// follows it, the probabilities against counts and a closed form, and the
// device inputs the study file cannot vary refused by name.
#include "cli/vorla_command.h"
#include "study/runs_table.h"
#include "tests/support/test_files.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace vorla::cli {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using test_support::ReadFile;

const std::string kExamples = VORLA_EXAMPLES_DIR;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// The lines of a CSV text without their CR LF.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 2;
    }
    return lines;
}

struct Table {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;

    std::size_t Column(const std::string& name) const {
        const auto found = std::find(header.begin(), header.end(), name);
        EXPECT_NE(found, header.end()) << name;
        return static_cast<std::size_t>(found - header.begin());
    }
    bool Has(const std::string& name) const {
        return std::find(header.begin(), header.end(), name) != header.end();
    }
};

Table ReadRuns(const std::string& path) {
    Table table;
    const auto lines = Lines(ReadFile(path));
    table.header = study::CsvFields(lines.at(0));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        table.rows.push_back(study::CsvFields(lines[i]));
    }
    return table;
}

class StudyLifeSafety : public ::testing::Test {
  protected:
    StudyLifeSafety() {
        for (const char* fire : {"office-sofa-tsquared.fir", "pool-1m-674kw.fir"}) {
            fs::copy_file(kExamples + "/" + fire, folder_ / fire);
        }
    }

    std::string In(const std::string& name) const { return folder_.PathOf(name); }

    Outcome Study(const std::string& name, const std::string& text) const {
        const std::string study = folder_.Write(name + ".toml", text);
        const std::string out = In("stdout.txt");
        const std::string err = In("stderr.txt");
        const std::string command = std::string("'") + VORLA_EXECUTABLE + "' study '" + study +
                                    "' --no-progress >'" + out + "' 2>'" + err + "' </dev/null";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    }

    static Outcome InProcess(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        const int status = RunVorla(args, out, err);
        return {status, out.str(), err.str()};
    }

    test_support::TemporaryFolder folder_;
};

// A compartment study: `top` (runs, seed) then this [base] and `base`.
std::string SprinklerRoom(const std::string& top, const std::string& base) {
    return "model = \"compartment\"\n" + top +
           "[base]\nfire = \"office-sofa-tsquared.fir\"\nroom-height = 2.4\nsill-height = 0\n"
           "soffit-height = 2\nvent-width = 0.9\nfire-height = 0\nrun-time = 600\n"
           "flashover = \"continue\"\nfloor-area = 20\n" +
           base;
}

// The fire in a corner: its plume and the devices' ceiling jet both follow
// the position, in the study's runs as in the batch command's.
TEST_F(StudyLifeSafety, EachRunsKeyResultsAreTheBatchCommandsSummary) {
    const auto run =
        Study("followed",
              SprinklerRoom("runs = 3\nseed = 5\n",
                            "fire-position = \"corner\"\n"
                            "soot-yield = 0.05\nsuppression = \"decaying\"\nspray-density = 0.07\n"
                            "device = [\"kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,"
                            "temperature=68\", { kind = \"smoke\", name = \"SD\", radius = 3, "
                            "below-ceiling = 0.02 }]\n") +
                  "[vary]\nco-yield = { uniform = [0.01, 0.1] }\n"
                  "\"device.S1.rti\" = { uniform = [50, 200] }\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const Table runs = ReadRuns(In("followed-results/runs.csv"));
    ASSERT_EQ(runs.rows.size(), 3u);
    for (const auto& row : runs.rows) {
        ASSERT_EQ(row[runs.Column("status")], "ok") << row[runs.Column("message")];
        const std::string rti = row[runs.Column("device.S1.rti")];
        const auto single = InProcess(
            {"compartment",
             "--fire",
             In("office-sofa-tsquared.fir"),
             "--room-height",
             "2.4",
             "--sill-height",
             "0",
             "--soffit-height",
             "2",
             "--vent-width",
             "0.9",
             "--fire-height",
             "0",
             "--run-time",
             "600",
             "--flashover",
             "continue",
             "--floor-area",
             "20",
             "--fire-position",
             "corner",
             "--soot-yield",
             "0.05",
             "--co-yield",
             row[runs.Column("co-yield")],
             "--suppression",
             "decaying",
             "--spray-density",
             "0.07",
             "--device",
             "kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=" + rti + ",temperature=68",
             "--device",
             "kind=smoke,name=SD,radius=3,below-ceiling=0.02",
             "-o",
             In("single.vof"),
             "--summary-csv",
             "-"});
        ASSERT_EQ(single.status, 0) << single.err;
        const auto csv = Lines(single.out);
        ASSERT_EQ(csv.size(), 2u);
        const auto columns = study::CsvFields(csv[0]);
        const auto cells = study::CsvFields(csv[1]);
        // The followed columns are there, and the suppression changed the fire.
        for (const char* name : {"aset_s", "first_sprinkler_s", "device_activation_s@SD",
                                 "suppressed_from_s", "tenability_reached_s@fed_toxic"}) {
            EXPECT_TRUE(runs.Has(name)) << name;
        }
        EXPECT_EQ(row[runs.Column("suppression")], "decaying");
        std::size_t compared = 0;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (runs.Has(columns[c])) {
                EXPECT_EQ(row[runs.Column(columns[c])], cells[c]) << columns[c] << " rti " << rti;
                ++compared;
            }
        }
        EXPECT_GE(compared, 30u);
    }
}

TEST_F(StudyLifeSafety, RiskOfASteadyFireAgainstAUniformRsetIsTheClosedForm) {
    // Nothing varies but the RSET: every run has the same ASET, so
    // P(ASET < RSET) = (b - ASET) / (b - a) for RSET uniform on [a, b]. The
    // band is three binomial standard errors of 2000 runs, sqrt(P(1-P)/n).
    const std::string room = "model = \"smoke\"\nruns = 2000\nseed = 11\n"
                             "[base]\nfire = \"pool-1m-674kw.fir\"\nfloor-area = 100\n"
                             "room-height = 6\nrun-time = 600\n";
    const double a = 0;
    const double b = 600;
    const auto run = Study("steady", room + "[rset]\nuniform = [0, 600]\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const Table runs = ReadRuns(In("steady-results/runs.csv"));
    ASSERT_EQ(runs.rows.size(), 2000u);
    const double aset = std::stod(runs.rows[0][runs.Column("aset_s")]);
    std::size_t later = 0;
    for (const auto& row : runs.rows) {
        ASSERT_EQ(std::stod(row[runs.Column("aset_s")]), aset);
        later += std::stod(row[runs.Column("rset_s")]) > aset ? 1 : 0;
    }
    const double expected = (b - aset) / (b - a);
    const Json summary = Json::parse(ReadFile(In("steady-results/summary.json")));
    const Json& risk = summary["aset_risk"];
    EXPECT_EQ(risk["failures"], later);
    EXPECT_EQ(risk["trials"], 2000);
    EXPECT_EQ(risk["undecided"], 0);
    EXPECT_NEAR(risk["p"].get<double>(), expected, 3 * std::sqrt(expected * (1 - expected) / 2000));
    EXPECT_LE(risk["low"].get<double>(), risk["p"].get<double>());
    EXPECT_GE(risk["high"].get<double>(), risk["p"].get<double>());
    EXPECT_EQ(summary["grid_points"][0]["aset_risk"], risk);
    EXPECT_TRUE(fs::exists(In("steady-results/plots/aset-risk-convergence.svg")));

    // A fixed RSET either side of the ASET (91.6 s): never, always untenable
    // before the occupants are out.
    ASSERT_GT(aset, 60);
    ASSERT_LT(aset, 200);
    for (const auto& [rset, p] : {std::pair{std::string("rset = 60\n"), 0.0},
                                  std::pair{std::string("rset = 200\n"), 1.0}}) {
        const auto fixed = Study("fixed", rset + room);
        ASSERT_EQ(fixed.status, 0) << fixed.err;
        const Json s = Json::parse(ReadFile(In("fixed-results/summary.json")));
        EXPECT_EQ(s["aset_risk"]["p"].get<double>(), p) << rset;
    }
}

TEST_F(StudyLifeSafety, RsetFromDetectionAndItsOwnRandomStream) {
    const std::string devices =
        "device = [\"kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,temperature=68\"]\n";
    const std::string vary = "[vary]\nloss-fraction = { uniform = [0.5, 0.9] }\n";
    const auto without = Study("plain", SprinklerRoom("runs = 20\n", devices) + vary);
    ASSERT_EQ(without.status, 0) << without.err;
    const auto with = Study("egress", SprinklerRoom("runs = 20\n", devices) + vary +
                                          "[rset]\nfrom = \"detection\"\npre-movement = 30\n"
                                          "movement = { uniform = [10, 20] }\n");
    ASSERT_EQ(with.status, 0) << with.err;
    const Table plain = ReadRuns(In("plain-results/runs.csv"));
    const Table egress = ReadRuns(In("egress-results/runs.csv"));
    ASSERT_EQ(plain.rows.size(), egress.rows.size());
    std::size_t undecided = 0;
    for (std::size_t i = 0; i < plain.rows.size(); ++i) {
        EXPECT_EQ(plain.rows[i][plain.Column("loss-fraction")],
                  egress.rows[i][egress.Column("loss-fraction")]);
        const std::string detection = egress.rows[i][egress.Column("first_detection_s")];
        const std::string rset = egress.rows[i][egress.Column("rset_s")];
        if (detection.empty()) {
            EXPECT_EQ(rset, "");
            ++undecided;
            continue;
        }
        const double movement = std::stod(rset) - std::stod(detection) - 30;
        EXPECT_GE(movement, 10);
        EXPECT_LE(movement, 20);
    }
    const Json summary = Json::parse(ReadFile(In("egress-results/summary.json")));
    EXPECT_GE(summary["aset_risk"]["undecided"].get<std::size_t>(), undecided);
}

// A fire file typed by hand (a burning-rate column of zeros) gives no heat of
// combustion: every run's tenability falls back on the fuel's, and the study
// says so once, in the sentence `vorla compartment` prints for one such run.
// The office's file, written with 20 MJ/kg, gives no note.
TEST_F(StudyLifeSafety, AFireFileWithoutAHeatOfCombustionIsNotedOnce) {
    const std::string typed = folder_.Write("typed.fir", "    0        100.0        0.000\r\n"
                                                         "  600        100.0        0.000\r\n"
                                                         "   -9           -9           -9\r\n");
    const Outcome single = InProcess({"compartment", "--fire",        typed, "--floor-area",
                                      "20",          "--room-height", "2.4", "--vent-width",
                                      "0.9",         "--sill-height", "0",   "--soffit-height",
                                      "2",           "--fire-height", "0",   "--run-time",
                                      "600",         "--sign",        "lit", "-o",
                                      "/dev/null"});
    ASSERT_EQ(single.status, 0) << single.err;
    const std::string prefix = "vorla compartment: ";
    ASSERT_EQ(single.err.rfind(prefix, 0), 0u) << single.err;
    const std::string note = single.err.substr(prefix.size());
    ASSERT_NE(note.find("typed.fir"), std::string::npos) << note;

    struct Case {
        const char* name;
        std::string fire;
        std::size_t notes;
    };
    for (const Case& c :
         {Case{"typed", typed, 1}, Case{"written", "office-sofa-tsquared.fir", 0}}) {
        const std::string study =
            "model = \"compartment\"\nruns = 6\nseed = 3\n[base]\nfire = \"" + c.fire +
            "\"\nroom-height = 2.4\nsill-height = 0\nsoffit-height = 2\nvent-width = 0.9\n"
            "fire-height = 0\nrun-time = 600\nflashover = \"continue\"\nsign = \"lit\"\n"
            "[vary]\nfloor-area = { uniform = [15, 30] }\n";
        const auto run = Study(c.name, study);
        ASSERT_EQ(run.status, 0) << run.err;
        std::size_t found = 0;
        for (std::size_t at = run.err.find("The fire file "); at != std::string::npos;
             at = run.err.find("The fire file ", at + 1)) {
            ++found;
        }
        EXPECT_EQ(found, c.notes) << c.name << ": " << run.err;
        if (c.notes > 0) {
            EXPECT_NE(run.err.find("vorla study: " + note), std::string::npos) << run.err;
        }
    }
}

TEST_F(StudyLifeSafety, SprinklerProbabilitiesAreTheShareOfRunsCounted) {
    const auto run = Study(
        "sprinkler",
        SprinklerRoom("runs = 60\nseed = 3\n",
                      "device = [\"kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=300,"
                      "temperature=68\"]\n") +
            "[vary]\n\"device.S1.temperature\" = { uniform = [150, 400] }\n"
            "loss-fraction = { uniform = [0.8, 0.95] }\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const Table runs = ReadRuns(In("sprinkler-results/runs.csv"));
    std::size_t operated = 0, beforeFlashover = 0, beforeLayer = 0, ok = 0;
    for (const auto& row : runs.rows) {
        if (row[runs.Column("status")] != "ok") {
            continue;
        }
        ++ok;
        const std::string s = row[runs.Column("first_sprinkler_s")];
        const std::string f = row[runs.Column("flashover_time_s")];
        const std::string l = row[runs.Column("tenability_reached_s@layer_height")];
        EXPECT_EQ(s, row[runs.Column("device_activation_s@S1")]);
        if (s.empty()) {
            continue;
        }
        ++operated;
        beforeFlashover += f.empty() || std::stod(s) < std::stod(f) ? 1 : 0;
        beforeLayer += l.empty() || std::stod(s) < std::stod(l) ? 1 : 0;
    }
    ASSERT_GT(operated, 0u);
    ASSERT_LT(operated, ok); // the hotter links never operate
    const Json p =
        Json::parse(ReadFile(In("sprinkler-results/summary.json")))["overall"]["probabilities"];
    const double n = static_cast<double>(ok);
    EXPECT_DOUBLE_EQ(p["sprinkler_operates"]["p"].get<double>(), operated / n);
    EXPECT_DOUBLE_EQ(p["sprinkler_before_flashover"]["p"].get<double>(), beforeFlashover / n);
    EXPECT_DOUBLE_EQ(p["sprinkler_before_layer_at_head_height"]["p"].get<double>(),
                     beforeLayer / n);
    // The ASET is ranked against the varied inputs.
    const Json summary = Json::parse(ReadFile(In("sprinkler-results/summary.json")));
    EXPECT_TRUE(summary["overall"]["sensitivity"].contains("aset_s"));
    EXPECT_TRUE(summary["overall"].contains("device_activation_s@S1"));
}

TEST_F(StudyLifeSafety, DeviceInputsThatCannotBeVariedAreRefusedByName) {
    const std::string base =
        "model = \"smoke\"\n[base]\nfire = \"pool-1m-674kw.fir\"\n"
        "device = [\"kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,temperature=68\","
        "\"kind=smoke,name=SD,radius=3,below-ceiling=0.02\"]\n";
    struct Case {
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {base + "[vary]\n\"device.S9.rti\" = { uniform = [50, 100] }\n",
         ":6: vary.device.S9.rti: the study has no device \"S9\"; its devices are \"S1\", \"SD\"."},
        {base + "[vary]\n\"device.SD.temperature\" = { uniform = [50, 100] }\n",
         ":6: vary.device.SD.temperature: \"SD\" is a smoke detector, which has no operating "
         "temperature; vary its rise instead."},
        {base + "[vary]\n\"device.S1.rise\" = { uniform = [5, 10] }\n",
         ":6: vary.device.S1.rise: \"S1\" is a sprinkler; only a smoke detector has a rise; vary "
         "its temperature instead."},
        {base + "[vary]\n\"device.SD.rti\" = { uniform = [1, 5] }\n",
         ":6: vary.device.SD.rti: \"SD\" is a smoke detector without an rti (it reads the gas "
         "itself); give it one in [base] to vary it."},
        {base + "[vary]\n\"device.S1.colour\" = { uniform = [1, 5] }\n",
         ":6: vary.device.S1.colour: \"colour\" is not a field a study varies; a device varies by "
         "rti, temperature, rise, radius, below-ceiling and c."},
        {base + "[vary]\ndevice.S1.rti = { uniform = [50, 100] }\n",
         ":6: vary.device: a device's field is varied as \"device.NAME.FIELD\" = { ... }, the key "
         "in quotes, FIELD one of rti, temperature, rise, radius, below-ceiling and c."},
        {"model = \"smoke\"\n[base]\ndevice = [\"kind=sprinkler,name=S1,radius=2\"]\n",
         ":3: base.device: "},
        {"model = \"smoke\"\n[rset]\nfrom = \"detection\"\npre-movement = 1\nmovement = 2\n",
         ":3: rset.from: \"detection\" needs a detector or sprinkler: give one in [base] (device "
         "or devices)."},
        {"model = \"smoke\"\n[rset]\nvalues = [100, 200]\n",
         ":2: rset: is drawn for every run: give a distribution or a choice, not a grid of "
         "values."},
        {"model = \"smoke\"\n[rset]\npre-movement = { uniform = [2, 1] }\nmovement = 2\n",
         ":3: rset.pre-movement.uniform: needs two numbers [low, high], low below high."},
        {"model = \"smoke\"\nrset = -5\n", ":2: rset: must be 0 s or more."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto run = Study("refused", c.text);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("refused.toml" + c.message), std::string::npos) << run.err;
    }
}

// An RSET is a time from ignition or detection: a distribution that can draw
// below 0 s is refused naming [rset]'s field, one a line below; those bounded
// at 0 s or above run, and every run's rset_s is 0 s or more.
TEST_F(StudyLifeSafety, RsetDistributionsThatCanDrawBelowZeroAreRefused) {
    struct Case {
        std::string rset;
        std::string message;
    };
    const std::string unbounded =
        "can draw times below 0 s (a normal has no lower bound): an egress time is 0 s or more; "
        "give min = 0 or more, a truncated-normal or a lognormal.";
    const std::string below = " s: an egress time is 0 s or more; give a distribution that "
                              "cannot draw below 0 s.";
    const std::vector<Case> refused = {
        {"[rset]\nnormal = [60, 40]\n", ":2: rset: " + unbounded},
        {"[rset]\nnormal = [300, 10]\n", ":2: rset: " + unbounded},
        {"[rset]\nnormal = [60, 40]\nmin = -5\n", ":2: rset: can draw -5" + below},
        {"[rset]\ntruncated-normal = [60, 40, -20, 200]\n", ":2: rset: can draw -20" + below},
        {"[rset]\nuniform = [-10, 20]\n", ":2: rset: can draw -10" + below},
        {"[rset]\ntriangular = [-1, 10, 20]\n", ":2: rset: can draw -1" + below},
        {"[rset]\nchoice = [30, -0.5, 60]\n", ":2: rset: can draw -0.5" + below},
        {"[rset]\npre-movement = { uniform = [-30, 30] }\nmovement = 60\n",
         ":3: rset.pre-movement: can draw -30" + below},
        {"[rset]\npre-movement = 30\nmovement = { normal = [60, 20] }\n",
         ":4: rset.movement: " + unbounded},
    };
    const std::string room = "model = \"smoke\"\nruns = 20\nseed = 5\n"
                             "[base]\nfire = \"pool-1m-674kw.fir\"\nfloor-area = 100\n"
                             "room-height = 6\nrun-time = 60\n";
    for (const auto& c : refused) {
        SCOPED_TRACE(c.rset);
        const auto run = Study("negative", "model = \"smoke\"\n" + c.rset);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("negative.toml" + c.message), std::string::npos) << run.err;
    }
    const std::vector<std::string> accepted = {
        "[rset]\nnormal = [60, 40]\nmin = 0\n",
        "[rset]\ntruncated-normal = [60, 40, 0, 200]\n",
        "[rset]\nlognormal = [4, 0.5]\n",
        "[rset]\nuniform = [0, 20]\n",
        "[rset]\npre-movement = { triangular = [0, 10, 20] }\nmovement = { choice = [0, 30] }\n",
    };
    for (const auto& rset : accepted) {
        SCOPED_TRACE(rset);
        const auto run = Study("bounded", room + rset);
        ASSERT_EQ(run.status, 0) << run.err;
        const Table runs = ReadRuns(In("bounded-results/runs.csv"));
        ASSERT_EQ(runs.rows.size(), 20u);
        for (const auto& row : runs.rows) {
            EXPECT_GE(std::stod(row[runs.Column("rset_s")]), 0.0);
        }
    }
}

} // namespace
} // namespace vorla::cli

#include "cli/vorla_command.h"
#include "tests/support/test_files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace vorla::cli {
namespace {

namespace fs = std::filesystem;

const std::string kExamples = VORLA_EXAMPLES_DIR;
const std::string kGolden = VORLA_GOLDEN_DIR;

using test_support::ReadFile;
using test_support::WriteFile;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Vorla(std::vector<std::string> args) {
    args.insert(args.begin(), "compartment");
    std::ostringstream out, err;
    const int status = RunVorla(args, out, err);
    return {status, out.str(), err.str()};
}

// The report names the fire file as typed; the goldens name it briefly.
std::string WithFireName(std::string report, const std::string& typed, const std::string& shown) {
    const std::string label = "HEAT RELEASE RATE DATA FILE : ";
    const auto at = report.find(label + typed + "\r\n");
    if (at != std::string::npos) {
        report.replace(at + label.size(), typed.size(), shown);
    }
    return report;
}

class CompartmentCommand : public ::testing::Test {
  protected:
    std::string In(const std::string& name) const { return folder_.PathOf(name); }

    test_support::TemporaryFolder folder_;
};

const std::vector<std::string> kOffice = {"--title",         "Office, sofa fire",
                                          "--output-name",   "OFFICE.VOF",
                                          "--floor-area",    "20",
                                          "--room-height",   "2.4",
                                          "--vent-width",    "0.9",
                                          "--sill-height",   "0",
                                          "--soffit-height", "2",
                                          "--fire-height",   "0",
                                          "--run-time",      "600"};

std::vector<std::string> Plus(std::vector<std::string> words,
                              const std::vector<std::string>& more) {
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

struct Scenario {
    std::string golden;
    std::string fire;
    std::string shown;
    std::vector<std::string> options;
};

// The scenarios of the golden reports, shared with the reference implementation
// that made them: name, fire file, the fire name the golden shows, options.
std::vector<Scenario> GoldenScenarios() {
    std::vector<Scenario> scenarios;
    std::istringstream lines(ReadFile(kGolden + "/scenarios.tsv"));
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) {
            fields.push_back(field);
        }
        scenarios.push_back({fields[0], std::string(VORLA_SOURCE_DIR) + "/" + fields[1], fields[2],
                             std::vector<std::string>(fields.begin() + 3, fields.end())});
    }
    return scenarios;
}

TEST_F(CompartmentCommand, ReportsMatchTheReferenceByteForByte) {
    const auto scenarios = GoldenScenarios();
    ASSERT_EQ(scenarios.size(), 10u);
    for (const auto& s : scenarios) {
        const auto result = Vorla(Plus({"--fire", s.fire}, s.options));
        EXPECT_EQ(result.status, kExitSuccess) << s.golden << ": " << result.err;
        EXPECT_EQ(WithFireName(result.out, s.fire, s.shown),
                  ReadFile(kGolden + "/" + s.golden + ".vof"))
            << s.golden;
    }
}

TEST_F(CompartmentCommand, WritesTheReportAtomicallyAndNamesItAfterThePath) {
    const std::string fire = kExamples + "/pool-1m-674kw.fir";
    const std::string report = In("pool.vof");
    WriteFile(report, "an older report");
    const auto result =
        Vorla({"--fire", fire, "--floor-area", "40", "--room-height", "3", "--vent-width", "2",
               "--soffit-height", "2.2", "--run-time", "60", "-o", report});
    ASSERT_EQ(result.status, kExitSuccess) << result.err;
    EXPECT_EQ(result.out, "");
    const std::string text = ReadFile(report);
    EXPECT_EQ(text.substr(0, 35), "VORLA-XW VERSION 1.00 - JULY 1999\r\n");
    EXPECT_NE(text.find("SIMULATION OUTPUT DATA FILE : " + report + "\r\n"), std::string::npos);
    EXPECT_NE(text.find("RADIATIVE FRACTION          :   0.350\r\n"), std::string::npos);
    EXPECT_NE(text.find("HEAT LOSS FRACTION          :   0.600\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 14), "RUN COMPLETE\r\n");
    EXPECT_EQ(fs::directory_iterator(folder_.Path())->path().filename(), "pool.vof");

    const auto unwritable =
        Vorla({"--fire", fire, "--floor-area", "40", "--room-height", "3", "--vent-width", "2",
               "--soffit-height", "2.2", "--run-time", "60", "-o", In("missing-folder/pool.vof")});
    EXPECT_EQ(unwritable.status, kExitFileProblem);
    EXPECT_NE(unwritable.err.find("missing-folder/pool.vof"), std::string::npos);
}

TEST_F(CompartmentCommand, FromASavedReportWithOptionsBesideIt) {
    const std::string golden = kGolden + "/office-flashover-stop.vof";
    const std::string fire = kExamples + "/office-sofa-tsquared.fir";
    // The saved report names SOFA.FIR; the real file is given beside it.
    const auto same = Vorla({"--from", golden, "--fire", fire});
    ASSERT_EQ(same.status, kExitSuccess) << same.err;
    EXPECT_EQ(WithFireName(same.out, fire, "SOFA.FIR"), ReadFile(golden));

    const auto shorter = Vorla({"--from", golden, "--fire", fire, "--run-time", "100", "--title",
                                "Shorter", "-o", In("short.vof")});
    ASSERT_EQ(shorter.status, kExitSuccess) << shorter.err;
    const std::string text = ReadFile(In("short.vof"));
    EXPECT_NE(text.find("\r\nShorter\r\nSIMULATION OUTPUT DATA FILE : " + In("short.vof")),
              std::string::npos);
    EXPECT_NE(text.find("MAXIMUM RUN TIME            :     100 s  \r\n"), std::string::npos);
    EXPECT_NE(text.find("ROOM HEIGHT                 :    2.40 m   (  7.87 ft)"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 84),
              " 100    152     66   3.92   1.19   111.1   117.2  1.033  0.468  3  N\r\n"
              "RUN COMPLETE\r\n");

    // In U.S. units the options are typed in ft; the report's other values stay
    // as saved.
    const auto us = Vorla({"--from", golden, "--fire", fire, "--units", "us", "--room-height", "9",
                           "--run-time", "5"});
    ASSERT_EQ(us.status, kExitSuccess) << us.err;
    EXPECT_NE(us.out.find("ROOM HEIGHT                 :    2.74 m   (  9.00 ft)"),
              std::string::npos);
    EXPECT_NE(us.out.find("ROOM AREA                   :   20.00 m^2 (  215.29 ft^2)"),
              std::string::npos);
}

// --units concerns the values typed: a run from a saved report is the S.I. run
// whatever it says, every result to the last bit (peak layer 758.244 °C, not
// the 758.145 °C of the report's values rounded to ft and back).
TEST_F(CompartmentCommand, FromASavedReportTheUnitsChangeNoResult) {
    const std::string report = kExamples + "/office-sofa-fire.vof";
    const std::string fire = kExamples + "/office-sofa-tsquared.fir";
    std::string reportText[2], csv[2], summary[2];
    const char* systems[] = {"si", "us"};
    for (int k = 0; k < 2; ++k) {
        const std::string csvPath = In(std::string(systems[k]) + ".csv");
        const std::string summaryPath = In(std::string(systems[k]) + ".json");
        const auto result = Vorla({"--from", report, "--fire", fire, "--flashover", "continue",
                                   "--units", systems[k], "--output-name", "OFFICE.VOF", "--csv",
                                   csvPath, "--summary", summaryPath});
        ASSERT_EQ(result.status, kExitSuccess) << systems[k] << ": " << result.err;
        reportText[k] = result.out;
        csv[k] = ReadFile(csvPath);
        summary[k] = ReadFile(summaryPath);
    }
    EXPECT_EQ(reportText[1], reportText[0]);
    EXPECT_EQ(csv[1], csv[0]);
    EXPECT_EQ(summary[1], summary[0]);
    const std::string key = "\"peak_layer_temperature_c\": ";
    const auto at = summary[1].find(key);
    ASSERT_NE(at, std::string::npos);
    EXPECT_NEAR(std::stod(summary[1].substr(at + key.size())), 758.244, 5e-4);
}

TEST_F(CompartmentCommand, ReportFilesThatCannotBeUsed) {
    const auto missing = Vorla({"--from", In("missing.vof")});
    EXPECT_EQ(missing.status, kExitFileProblem);
    EXPECT_NE(missing.err.find(In("missing.vof")), std::string::npos);

    WriteFile(In("five.vof"), "1\r\n2\r\n3\r\n4\r\n5\r\n");
    const auto five = Vorla({"--from", In("five.vof")});
    EXPECT_EQ(five.status, kExitFileProblem);
    EXPECT_EQ(five.err, "vorla compartment: " + In("five.vof") + ": Wrong file format.\n");

    // SKEVA-XW's report has the lines, but not VORLA-XW's: its numbers would
    // land in the wrong boxes.
    const std::string other = kExamples + "/shop-sofa-fire.sof";
    const auto smoke = Vorla({"--from", other, "-o", In("out.vof")});
    EXPECT_EQ(smoke.status, kExitFileProblem);
    EXPECT_EQ(smoke.err, "vorla compartment: " + other + ": Wrong file format.\n");
    EXPECT_FALSE(fs::exists(In("out.vof")));
}

// The checks themselves, each boundary and their order, are the form's
// (input_checks_test.cpp); here the command's side: the first failure's
// message on stderr, status 2, nothing on stdout, values in --units.
TEST_F(CompartmentCommand, AFailedCheckPrintsTheFormsMessageAndExitsWithTwo) {
    const std::string fire = kExamples + "/pool-1m-674kw.fir";
    const struct {
        std::vector<std::string> options;
        std::string message;
    } cases[] = {
        {{"--fire", fire, "--floor-area", "20", "--room-height", "2.4", "--vent-width", "0.9",
          "--soffit-height", "2", "--run-time", "600"},
         "An output data file name must be specified.\n"},
        {Plus(kOffice, {"--room-height", "31", "--fire", fire}), "The ceiling is too high.\n"},
        // 100 ft is 30.48 m.
        {Plus(kOffice, {"--units", "us", "--room-height", "100", "--fire", fire}),
         "The ceiling is too high.\n"},
        {kOffice, "A fire file name must be specified.\n"},
    };
    for (const auto& c : cases) {
        const auto result = Vorla(c.options);
        EXPECT_EQ(result.status, kExitInputRejected) << c.message;
        EXPECT_EQ(result.err, c.message);
        EXPECT_EQ(result.out, "");
    }
}

TEST_F(CompartmentCommand, OptionsThatAreNotUnderstood) {
    const struct {
        std::vector<std::string> options;
        std::string inMessage;
    } cases[] = {
        {{"--floor-area", "20m"}, "--floor-area"},
        {{"--run-time", "ten"}, "--run-time"},
        {{"--loss-fraction", ""}, "--loss-fraction"},
        {{"--flashover", "maybe"}, "--flashover"},
        {{"--colour", "red"}, "--colour"},
        {{"extra"}, "extra"},
    };
    for (const auto& c : cases) {
        const auto result = Vorla(c.options);
        EXPECT_EQ(result.status, kExitInputRejected) << c.inMessage;
        EXPECT_NE(result.err.find(c.inMessage), std::string::npos) << result.err;
    }
}

TEST_F(CompartmentCommand, FireFileProblemsNameTheFile) {
    const auto missing = Vorla(Plus(kOffice, {"--fire", In("missing.fir")}));
    EXPECT_EQ(missing.status, kExitFileProblem);
    EXPECT_NE(missing.err.find("The fire file " + In("missing.fir") + " cannot be opened"),
              std::string::npos)
        << missing.err;

    WriteFile(In("bad.fir"), "0 0 0\r\n10 abc 0\r\n-9 -9 -9\r\n");
    const auto bad = Vorla(Plus(kOffice, {"--fire", In("bad.fir")}));
    EXPECT_EQ(bad.status, kExitFileProblem);
    EXPECT_EQ(bad.err, "vorla compartment: The fire file " + In("bad.fir") +
                           " is not valid: line 2 is not three numbers.\n");
    EXPECT_EQ(bad.out, "");
}

TEST_F(CompartmentCommand, FlashoverQuestionGoesToStandardErrorWithItsAnswer) {
    const std::string fire = kExamples + "/office-sofa-tsquared.fir";
    const auto stop = Vorla(Plus(kOffice, {"--fire", fire}));
    EXPECT_EQ(stop.err, "Flashover occurred at 326 seconds.  Terminate simulation? Yes\n");
    EXPECT_NE(stop.out.find("FLASHOVER OCCURRED - RUN TERMINATED BY USER\r\n"), std::string::npos);

    const auto go = Vorla(Plus(kOffice, {"--fire", fire, "--flashover", "continue"}));
    EXPECT_EQ(go.err, "Flashover occurred at 326 seconds.  Terminate simulation? No\n");
    EXPECT_NE(go.out.find("\r\nRUN COMPLETE\r\n"), std::string::npos);
}

TEST_F(CompartmentCommand, CsvHoldsEveryRowAtFullPrecision) {
    const std::string fire = kExamples + "/office-sofa-tsquared.fir";
    const auto result = Vorla(Plus(kOffice, {"--fire", fire, "--csv", In("rows.csv")}));
    ASSERT_EQ(result.status, kExitSuccess) << result.err;
    const std::string csv = ReadFile(In("rows.csv"));
    std::size_t lines = 0;
    for (std::size_t at = csv.find("\r\n"); at != std::string::npos;
         at = csv.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 1u + 67u);
    // Each number the shortest text that reads back: the interface is the
    // model's float 2.4f, not the double 2.4000000953674316 it widens to.
    EXPECT_NE(csv.find("\r\n0,21.110000000000014,2.4,0,0,1,N\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n326,"), std::string::npos);

    const auto unwritable = Vorla(Plus(kOffice, {"--fire", fire, "--csv", In("no/rows.csv")}));
    EXPECT_EQ(unwritable.status, kExitFileProblem);
}

TEST_F(CompartmentCommand, HelpExplainsEveryOption) {
    const auto help = Vorla({"--help"});
    EXPECT_EQ(help.status, kExitSuccess);
    for (const char* option : {"--from",          "--units",
                               "--title",         "--output-name",
                               "--fire",          "--floor-area",
                               "--room-height",   "--vent-width",
                               "--sill-height",   "--soffit-height",
                               "--fire-height",   "--radiative-fraction",
                               "--loss-fraction", "--run-time",
                               "--flashover",     "-o",
                               "--csv",           "m\u00b2 or ft\u00b2",
                               "m or ft",         "kg/s"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    std::ostringstream out, err;
    const std::vector<std::string> top = {"--help"};
    RunVorla(top, out, err);
    EXPECT_NE(out.str().find("compartment"), std::string::npos);
}

// The built program, run as a user runs it.
int RunProgram(const std::string& arguments, const std::string& output) {
    const std::string command =
        std::string("'") + VORLA_EXECUTABLE + "' " + arguments + " >'" + output + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(CompartmentCommand, TheBuiltProgramWritesTheSameBytes) {
    const std::string fire = kExamples + "/office-sofa-tsquared.fir";
    std::string arguments = "compartment --fire '" + fire + "'";
    for (const auto& word : kOffice) {
        arguments += " '" + word + "'";
    }
    ASSERT_EQ(RunProgram(arguments, In("stdout.vof")), 0);
    EXPECT_EQ(WithFireName(ReadFile(In("stdout.vof")), fire, "SOFA.FIR"),
              ReadFile(kGolden + "/office-flashover-stop.vof"));

    EXPECT_EQ(RunProgram("compartment --floor-area twenty", In("rejected.txt")), 2);
    EXPECT_EQ(RunProgram("compartment --from '" + In("none.vof") + "'", In("missing.txt")), 1);
    EXPECT_EQ(RunProgram("compartment --help", In("help.txt")), 0);
    EXPECT_NE(ReadFile(In("help.txt")).find("Usage: vorla compartment"), std::string::npos);
}

TEST_F(CompartmentCommand, TheBundledExampleReportRunsAgainAsSaved) {
    // What `make run` does, from the top of the project where the example's
    // fire file path starts.
    const std::string command =
        std::string("cd '") + VORLA_SOURCE_DIR + "' && '" + VORLA_EXECUTABLE +
        "' compartment --from examples/office-sofa-fire.vof >'" + In("again.vof") + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadFile(In("again.vof")),
              ReadFile(std::string(VORLA_SOURCE_DIR) + "/examples/office-sofa-fire.vof"));
}

} // namespace
} // namespace vorla::cli

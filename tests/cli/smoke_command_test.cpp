#include "cli/smoke_command.h"
#include "cli/vorla_command.h"
#include "common/text/number_text.h"
#include "common/text/text_columns.h"
#include "tests/support/test_files.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace vorla::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kData = SMOKE_TEST_DATA_DIR;
const fs::path kGolden = SMOKE_GOLDEN_DIR;

using test_support::ReadFile;

// Runs `vorla smoke ...` in the test data folder, so fire files are named as a
// user in that folder would type them, with a fresh temporary folder at hand.
class SmokeCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = fs::current_path();
        fs::current_path(kData);
    }
    void TearDown() override { fs::current_path(previous_); }

    int Run(std::vector<std::string> args) {
        args.insert(args.begin(), "smoke");
        out_.str("");
        err_.str("");
        return RunVorla(args, out_, err_);
    }
    std::string Temp(const std::string& name) const { return temp_.PathOf(name); }

    std::ostringstream out_;
    std::ostringstream err_;
    test_support::TemporaryFolder temp_;

  private:
    fs::path previous_;
};

// Inputs of a run the checks accept, S.I.
std::vector<std::string> GoodRun() {
    return {"--fire",        "fast_t_squared_2mw.fir",
            "--floor-area",  "30",
            "--room-height", "3",
            "--run-time",    "600",
            "--output-name", "GOOD.SOF"};
}

struct GoldenCase {
    const char* golden;
    std::vector<std::string> args;
};

TEST_F(SmokeCommand, WritesTheResultsFilesOfTheReferenceComputationByteForByte) {
    const GoldenCase cases[] = {
        {"floor_fire.sof",
         {"--title", "Office, floor fire", "--fire", "fast_t_squared_2mw.fir", "--floor-area", "30",
          "--room-height", "3", "--fire-height", "0", "--run-time", "600", "--output-name",
          "FLOOR.SOF"}},
        {"raised_fire.sof",
         {"--title", "Store, raised fire", "--fire", "medium_t_squared_1500kw.fir", "--floor-area",
          "200", "--room-height", "5", "--fire-height", "1.5", "--loss-fraction", "0.7",
          "--run-time", "900", "--output-name", "RAISED.SOF"}},
        {"us_units.sof",
         {"--units", "us", "--title", "Warehouse in U.S. units", "--fire", "ramp_1mw_ends_600s.fir",
          "--floor-area", "1000", "--room-height", "12", "--fire-height", "2", "--run-time", "600",
          "--output-name", "USUNITS.SOF"}},
        {"hall_9000s.sof",
         {"--title", "Hall, 9000 s", "--fire", "steady_100kw_10000s.fir", "--floor-area", "1000",
          "--room-height", "30", "--run-time", "9000", "--output-name", "HALL.SOF"}},
        {"fire_ends_600s.sof",
         {"--title", "Fire ends at the run time", "--fire", "ramp_1mw_ends_600s.fir",
          "--floor-area", "1000", "--room-height", "20", "--run-time", "600", "--output-name",
          "END600.SOF"}},
    };
    for (const auto& c : cases) {
        auto args = c.args;
        args.insert(args.end(), {"-o", Temp("out.sof")});
        ASSERT_EQ(Run(args), kExitSuccess) << c.golden << ": " << err_.str();
        EXPECT_EQ(ReadFile(Temp("out.sof")), ReadFile(kGolden / c.golden)) << c.golden;
        EXPECT_EQ(out_.str(), "");
    }
}

TEST_F(SmokeCommand, WritesToStandardOutputWithoutO) {
    ASSERT_EQ(Run(GoodRun()), kExitSuccess) << err_.str();
    const std::string text = out_.str();
    const auto lines = SplitLines(text);
    EXPECT_EQ(lines[0], "SKEVA-XW VERSION 1.00 - JULY 1999");
    EXPECT_EQ(lines[2], "SIMULATION OUTPUT DATA FILE : GOOD.SOF");
    EXPECT_EQ(lines.back(), "LAYER INTERFACE DROPPED BELOW FUEL SURFACE - RUN TERMINATED");
}

TEST_F(SmokeCommand, TheOutputNameDefaultsToTheOPath) {
    const std::string path = Temp("NAMED.SOF");
    ASSERT_EQ(Run({"--fire", "fast_t_squared_2mw.fir", "--floor-area", "30", "--room-height", "3",
                   "--run-time", "60", "-o", path}),
              kExitSuccess)
        << err_.str();
    const std::string text = ReadFile(path);
    EXPECT_EQ(SplitLines(text)[2], "SIMULATION OUTPUT DATA FILE : " + path);
}

// Each check's boundaries and their order are the form's
// (smoke_filling/model/input_form_test.cpp); here the command's side.
TEST_F(SmokeCommand, AFailedCheckPrintsTheFormsMessageAndExitsWithTwo) {
    const struct {
        std::vector<std::string> change;
        const char* message;
    } cases[] = {
        {{"--output-name", ""}, "An output data file name must be specified."},
        {{"--floor-area", "0"}, "The floor area must be greater than zero."},
        // 99 ft is 30.18 m.
        {{"--units", "us", "--floor-area", "300", "--room-height", "99"},
         "The ceiling is too high."},
    };
    for (const auto& c : cases) {
        auto args = GoodRun();
        args.insert(args.end(), c.change.begin(), c.change.end());
        EXPECT_EQ(Run(args), kExitInputRejected) << c.message;
        EXPECT_EQ(err_.str(), std::string(c.message) + "\n");
        EXPECT_EQ(out_.str(), "");
    }
}

TEST_F(SmokeCommand, NoOutputNameAndNoFileIsTheFormsFirstCheck) {
    EXPECT_EQ(Run({"--fire", "fast_t_squared_2mw.fir", "--floor-area", "30", "--room-height", "3",
                   "--run-time", "600"}),
              kExitInputRejected);
    EXPECT_EQ(err_.str(), "An output data file name must be specified.\n");
}

TEST_F(SmokeCommand, AValueThatIsNotANumberNamesItsOption) {
    for (const char* option :
         {"--floor-area", "--room-height", "--fire-height", "--loss-fraction", "--run-time"}) {
        auto args = GoodRun();
        args.insert(args.end(), {option, "12,5"});
        EXPECT_EQ(Run(args), kExitInputRejected) << option;
        EXPECT_NE(err_.str().find(option), std::string::npos) << err_.str();
    }
}

TEST_F(SmokeCommand, BadOptionsAreRefused) {
    // A missing value and --units are the option parser's, tested in
    // option_parser_test; these are the command's own.
    const std::vector<std::string> cases[] = {{"--vent-width", "2"},
                                              {"stray"},
                                              {"--title", "two\nlines"},
                                              {"--output-name", "A.SOF\r\n"}};
    for (const auto& extra : cases) {
        auto args = GoodRun();
        args.insert(args.end(), extra.begin(), extra.end());
        EXPECT_EQ(Run(args), kExitInputRejected) << extra[0];
        EXPECT_FALSE(err_.str().empty());
    }
}

TEST_F(SmokeCommand, AFireFileProblemIsNamedAndExitsWithOne) {
    std::ofstream(Temp("bad.fir"), std::ios::binary) << "0 0 0\r\n10 abc 0\r\n-9 -9 -9\r\n";
    std::ofstream(Temp("nomarker.fir"), std::ios::binary) << "0 0 0\r\n10 100 0\r\n";
    const struct {
        std::string path;
        const char* words;
    } cases[] = {
        {Temp("missing.fir"), "cannot be opened"},
        {Temp("bad.fir"), "line 2 is not three numbers"},
        {Temp("nomarker.fir"), "end marker"},
    };
    for (const auto& c : cases) {
        auto args = GoodRun();
        args.insert(args.end(), {"--fire", c.path, "-o", Temp("out.sof")});
        EXPECT_EQ(Run(args), kExitFileProblem) << c.path;
        EXPECT_NE(err_.str().find(c.path), std::string::npos) << err_.str();
        EXPECT_NE(err_.str().find(c.words), std::string::npos) << err_.str();
        EXPECT_FALSE(fs::exists(Temp("out.sof")));
    }
}

// A saved file read back as File Open does runs again to the same file: the
// floor fire's inputs and the bundled example's are whole to two decimals.
TEST_F(SmokeCommand, FromASavedFileRunsAgainToTheSameFile) {
    const fs::path examples = VORLA_EXAMPLES_DIR;
    const struct {
        fs::path file;
        fs::path folder; // where its fire file's name starts from
    } cases[] = {{kGolden / "floor_fire.sof", kData}, {examples / "shop-sofa-fire.sof", examples}};
    for (const auto& [file, folder] : cases) {
        fs::current_path(folder);
        ASSERT_EQ(Run({"--from", file.string()}), kExitSuccess) << err_.str();
        EXPECT_EQ(out_.str(), ReadFile(file)) << file;
    }
}

TEST_F(SmokeCommand, OptionsBesideFromReplaceItsValues) {
    ASSERT_EQ(Run({"--from", (kGolden / "floor_fire.sof").string(), "--run-time", "12", "--title",
                   "Shorter"}),
              kExitSuccess)
        << err_.str();
    const std::string text = out_.str();
    const auto lines = SplitLines(text);
    EXPECT_EQ(lines[1], "Shorter");
    EXPECT_EQ(lines[2], "SIMULATION OUTPUT DATA FILE : FLOOR.SOF");
    EXPECT_EQ(lines[7], "MAXIMUM RUN TIME            :      12 s  ");
    ASSERT_EQ(lines.size(), 13u + 4u + 1u);
    EXPECT_EQ(lines[16].substr(0, 4), "  12");
    EXPECT_EQ(lines.back(), "RUN COMPLETE");
}

TEST_F(SmokeCommand, FromInUSUnitsConvertsOnlyTheTypedValues) {
    const std::string file = (kGolden / "floor_fire.sof").string();
    // The room height is typed in ft; the file's 30.00 m² stays as saved.
    ASSERT_EQ(Run({"--from", file, "--units", "us", "--room-height", "10"}), kExitSuccess)
        << err_.str();
    const std::string text = out_.str();
    const auto lines = SplitLines(text);
    EXPECT_EQ(lines[3], "FLOOR AREA                  :   30.00 m^2 (  322.93 ft^2)");
    EXPECT_EQ(lines[4], "ROOM HEIGHT                 :    3.05 m   (   10.00 ft  )");

    // With nothing typed the run is the S.I. run, every row, not one from the
    // file's values rounded to ft and back (the example shop's 150.00 m² would
    // come back as 149.99996 m²).
    const std::string examples = VORLA_EXAMPLES_DIR;
    const std::vector<std::string> shop = {"--from", examples + "/shop-sofa-fire.sof", "--fire",
                                           examples + "/medium-tsquared-1mw.fir"};
    ASSERT_EQ(Run(shop), kExitSuccess) << err_.str();
    const std::string si = out_.str();
    std::vector<std::string> shopInUSUnits = shop;
    shopInUSUnits.insert(shopInUSUnits.end(), {"--units", "us"});
    ASSERT_EQ(Run(shopInUSUnits), kExitSuccess) << err_.str();
    EXPECT_EQ(out_.str(), si);
}

TEST_F(SmokeCommand, FromAShortOrMissingFileExitsWithOne) {
    std::ofstream(Temp("short.sof"), std::ios::binary)
        << "SKEVA-XW VERSION 1.00 - JULY 1999\r\nT\r\n";
    EXPECT_EQ(Run({"--from", Temp("short.sof")}), kExitFileProblem);
    EXPECT_NE(err_.str().find("Wrong file format."), std::string::npos);
    EXPECT_NE(err_.str().find(Temp("short.sof")), std::string::npos);
    EXPECT_EQ(Run({"--from", Temp("none.sof")}), kExitFileProblem);
    EXPECT_NE(err_.str().find(Temp("none.sof")), std::string::npos);
}

// Anything but SKEVA-XW's own results, however many lines it has, would put
// its numbers in the wrong boxes: VORLA-XW's report gave its vent width as the
// fire height.
TEST_F(SmokeCommand, FromAFileThatIsNotSkevaResultsIsTheWrongFormat) {
    std::string notes;
    for (int line = 1; line <= 12; ++line) {
        notes += "this is not a results file at all, line " + std::to_string(line) + "\r\n";
    }
    std::ofstream(Temp("notes.sof"), std::ios::binary) << notes;
    const std::string others[] = {Temp("notes.sof"),
                                  std::string(VORLA_EXAMPLES_DIR) + "/office-sofa-fire.vof"};
    for (const auto& other : others) {
        err_.str("");
        EXPECT_EQ(Run({"--from", other, "-o", Temp("out.sof")}), kExitFileProblem) << other;
        EXPECT_EQ(err_.str(), "vorla smoke: " + other + ": Wrong file format.\n");
        EXPECT_FALSE(fs::exists(Temp("out.sof")));
    }
}

TEST_F(SmokeCommand, AnOutputThatCannotBeWrittenExitsWithOne) {
    auto args = GoodRun();
    args.insert(args.end(), {"-o", Temp("no/such/folder/out.sof")});
    EXPECT_EQ(Run(args), kExitFileProblem);
    EXPECT_NE(err_.str().find("out.sof"), std::string::npos);
}

TEST_F(SmokeCommand, CsvHoldsEveryRowInFullPrecision) {
    auto args = GoodRun();
    args.insert(args.end(), {"-o", Temp("out.sof"), "--csv", Temp("out.csv")});
    ASSERT_EQ(Run(args), kExitSuccess) << err_.str();
    const std::string csv = ReadFile(Temp("out.csv"));
    const auto lines = SplitLines(csv);
    const std::string reportText = ReadFile(Temp("out.sof"));
    const auto report = SplitLines(reportText);
    ASSERT_EQ(lines.size(), report.size() - 13u);
    // The header of VORLA-XW's CSV, name_unit.
    EXPECT_EQ(lines[0], "time_s,layer_temperature_C,interface_height_m,heat_release_rate_kW,"
                        "vent_flow_kg_s");
    EXPECT_EQ(lines[1], "0,21.110000000000014,3,0,0");
    EXPECT_NE(csv.find("\r\n"), std::string::npos);
    // The last row: each value agrees with the report's rounded columns.
    std::vector<double> values;
    std::string_view last = lines.back();
    for (std::size_t comma; (comma = last.find(',')) != std::string_view::npos;
         last.remove_prefix(comma + 1)) {
        values.push_back(NumberOfText(last.substr(0, comma)));
    }
    values.push_back(NumberOfText(last));
    ASSERT_EQ(values.size(), 5u);
    // The interface is a float: nine significant digits always read it back,
    // so its text is never the 17 of the double it widens to.
    const std::string_view lastRow = lines.back();
    const auto second = lastRow.find(',', lastRow.find(',') + 1);
    const std::string_view interface =
        lastRow.substr(second + 1, lastRow.find(',', second + 1) - second - 1);
    EXPECT_LE(interface.size(), 11u) << interface;
    EXPECT_EQ(static_cast<double>(static_cast<float>(values[2])), values[2]) << interface;
    const std::string_view row = report[report.size() - 2];
    EXPECT_EQ(NumberOfText(row.substr(0, 4)), values[0]);
    EXPECT_NEAR(NumberOfText(row.substr(12, 8)), values[1], 0.5);
    EXPECT_NEAR(NumberOfText(row.substr(60, 8)), values[4], 0.0005);
}

TEST_F(SmokeCommand, HelpExplainsEveryOptionWithItsUnit) {
    EXPECT_EQ(Run({"--help"}), kExitSuccess);
    const std::string help = out_.str();
    for (const char* word : {"--from", "--units", "--title", "--output-name", "--fire",
                             "--floor-area", "--room-height", "--fire-height", "--loss-fraction",
                             "--run-time", "-o RESULTS", "--csv", "m²", "ft²", ", s"}) {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunVorla(std::vector<std::string>{"--help"}, out, err), kExitSuccess);
    EXPECT_NE(out.str().find("smoke"), std::string::npos);
}

} // namespace
} // namespace vorla::cli

#include "cli/vorla_command.h"
#include "common/fire_files/fire_file_reader.h"
#include "fire_generator/curves/fire_file_writer.h"
#include "tests/support/test_files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace vorla::cli {
namespace {

namespace fs = std::filesystem;

struct Run {
    int status;
    std::string out;
    std::string err;
};

Run Vorla(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunVorla(args, out, err);
    return {status, out.str(), err.str()};
}

std::string Contents(const fs::path& path) {
    return test_support::ReadFile(path);
}

class FireCommand : public ::testing::Test {
  protected:
    std::string PathOf(const std::string& name) const { return folder_.PathOf(name); }
    std::string WriteText(const std::string& name, const std::string& text) const {
        return folder_.Write(name, text);
    }

    test_support::TemporaryFolder folder_;
};

const std::vector<std::string> kHeptanePool = {"fire",
                                               "pool",
                                               "--mass-loss-rate",
                                               "0.039",
                                               "--k-beta",
                                               "0.7",
                                               "--diameter",
                                               "1",
                                               "--t-end",
                                               "600",
                                               "--heat-of-combustion",
                                               "43700",
                                               "--description",
                                               "Heptane pool, 1 m",
                                               "--date",
                                               "12/06/1999"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST_F(FireCommand, WritesThePoolFileQdotXwSaves) {
    const auto run = Vorla(With(kHeptanePool, {"-o", PathOf("POOL1.FIR")}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Contents(folder_ / "POOL1.FIR"), "    0          0.0        0.000\r\n"
                                               "    1        673.8       15.420\r\n"
                                               "  600        673.8       15.420\r\n"
                                               "   -9           -9           -9\r\n"
                                               "POOL1.FIR     12/06/1999\r\n"
                                               "Heptane pool, 1 m\r\n");
}

TEST_F(FireCommand, WritesToStandardOutputWithADashAndDatesTodayByDefault) {
    const auto run = Vorla({"fire", "universal", "--t-end", "5", "--description", "u", "-o", "-"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "    0         10.0        0.833\r\n"
                       "    5         11.3        0.944\r\n"
                       "   -9           -9           -9\r\n"
                       "              " +
                           TodayShortDate() +
                           "\r\n"
                           "u\r\n");
}

TEST_F(FireCommand, ReadsValuesInUSUnitsThroughTheFormsConversions) {
    // 20 lb of furniture; the heat of combustion box shows 5159 Btu/lb, read
    // back as 11999.3 kJ/kg, which the burning rate column shows.
    auto run =
        Vorla({"fire", "furniture", "--units", "us", "--mass", "20", "--date", "D", "-o", "-"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 99), "    0          0.0        0.000\r\n"
                                     "   21       4743.7      395.335\r\n"
                                     "   41          0.0        0.000\r\n");

    // A custom rate of 100 Btu/s is 105.5 kW.
    const std::string points = WriteText("us.txt", "0 0\n10 100\n");
    run = Vorla({"fire", "custom", "--units", "us", "--points", points, "--date", "D", "-o", "-"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("   10        105.5"), std::string::npos) << run.out;
}

// The main form's and the curve forms' checks, each boundary and their order,
// are tested with the curve builders (tests/fire_generator/curves); here the
// command's side: options reach their boxes, a missing option is an empty
// box, and the first failure is printed with status 2.
TEST_F(FireCommand, PrintsTheFirstFailingChecksMessageAndExitsWith2) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        // The main form's checks come first: no -o is no file name.
        {{"fire", "tsquared", "--heat-of-combustion", "0"},
         "A valid fire file name must be specified."},
        {{"fire", "tsquared", "--heat-of-combustion", "0", "--alpha", "9", "-o", "-"},
         "The heat of combustion must be greater than zero."},
        // 51593 Btu/lb is above 120000 kJ/kg.
        {{"fire", "tsquared", "--units", "us", "--heat-of-combustion", "51593", "-o", "-"},
         "The heat of combustion is too high."},
        {{"fire", "universal", "--delay", "-1", "--t-end", "601", "-o", "-"},
         "The delay time must not be negative."},
        // Then the curve form's; an option not given is an empty box.
        {{"fire", "tsquared", "--t-max", "10", "--t-end", "10", "-o", "-"},
         "The fire growth factor must be a positive number"},
        {{"fire", "universal", "--t-end", "601", "-o", "-"},
         "The time to the end of the curve must not exceed 600 s"},
        {{"fire", "pool", "--k-beta", "1", "--diameter", "1", "--t-end", "1", "-o", "-"},
         "The infinite size pool mass loss rate must be greater than 0"},
        {{"fire", "furniture", "-o", "-"}, "The combustible mass must be greater than 0"},
        // A table the models could not read is not written.
        {{"fire", "tsquared", "--alpha", "1", "--t-max", "9", "--t-end", "3", "-o", "-"},
         "The fire curve has fewer than two points. VORLA-XW and SKEVA-XW can not read such a "
         "fire file, so it was not saved."},
        // Nor one whose values would widen the file's columns.
        {{"fire", "pool", "--mass-loss-rate", "0.039", "--k-beta", "0.7", "--diameter", "1e10",
          "--t-end", "600", "--heat-of-combustion", "43700", "-o", "-"},
         "The fire curve was not saved: the heat release rate at 1 s is too large for a fire "
         "file, which holds at most 999999.9 kW."},
        // 2 kW/s^2: 994050 kW at 705 s fits, 1008200 kW at 710 s does not (at 120000
        // kJ/kg the burning rate, 8401.7 g/s, would).
        {{"fire", "tsquared", "--alpha", "2", "--t-max", "1000", "--t-end", "1000",
          "--heat-of-combustion", "120000", "-o", "-"},
         "The fire curve was not saved: the heat release rate at 710 s is too large for a fire "
         "file, which holds at most 999999.9 kW."},
        // 1 kW/s^2 at 12000 kJ/kg: 119025 kW at 345 s burns 9918.750 g/s, 122500 kW at
        // 350 s would burn 10208.333 g/s; the rate itself fits.
        {{"fire", "tsquared", "--alpha", "1", "--t-max", "1000", "--t-end", "1000", "-o", "-"},
         "The fire curve was not saved: the burning rate at 350 s (heat release rate / heat of "
         "combustion) is too large for a fire file, which holds at most 9999.999 g/s."},
    };
    for (const auto& c : cases) {
        const auto run = Vorla(c.args);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_EQ(run.err, std::string(c.message) + "\n");
        EXPECT_TRUE(run.out.empty()) << c.message;
    }
}

TEST_F(FireCommand, ARejectedInputLeavesAnExistingFileAlone) {
    const std::string path = WriteText("KEEP.FIR", "old contents");
    const auto run = Vorla({"fire", "universal", "--t-end", "0", "-o", path});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(Contents(path), "old contents");
}

TEST_F(FireCommand, RefusesBadOptionsWithAMessageNamingThem) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"fire", "tsquared", "--alpha", "0,1", "-o", "-"},
         "vorla fire tsquared: The value of --alpha is not a number: \"0,1\".\n"},
        {{"fire", "pool", "--delay", "ten", "-o", "-"},
         "vorla fire pool: The value of --delay is not a number: \"ten\".\n"},
        {{"fire", "universal", "--heat-of-combustion", "", "-o", "-"},
         "vorla fire universal: The value of --heat-of-combustion is not a number: \"\".\n"},
        {{"fire", "universal", "--alpha", "1"}, "vorla fire universal: Unknown option --alpha.\n"},
        {{"fire", "universal", "--t-end"},
         "vorla fire universal: The option --t-end needs a value.\n"},
        {{"fire", "universal", "600"}, "vorla fire universal: unexpected argument \"600\".\n"},
        {{"fire", "universal", "--units", "metric"},
         "vorla: --units must be si or us, not \"metric\".\n"},
        {{"fire", "sofa"}, "vorla fire: unknown kind of fire \"sofa\". Try 'vorla fire --help'.\n"},
        {{"fire", "furniture", "--style", "baroque"},
         "vorla fire furniture: --style must be ornate, high, low or plain, not \"baroque\".\n"},
        {{"fire", "custom", "-o", "-"}, "vorla fire custom: --points FILE is required.\n"},
    };
    for (const auto& c : cases) {
        const auto run = Vorla(c.args);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_EQ(run.err, c.message);
    }
}

TEST_F(FireCommand, ExplainsItselfOnEveryLevel) {
    auto run = Vorla({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("  fire "), std::string::npos);

    run = Vorla({"fire", "--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* word : {"tsquared", "universal", "pool", "furniture", "custom", "--units",
                             "--heat-of-combustion", "--delay", "--description", "--date", "-o"}) {
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
    }
    run = Vorla({"fire"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Usage: vorla fire"), std::string::npos);

    const struct {
        const char* kind;
        std::vector<const char*> options;
    } kinds[] = {
        {"tsquared", {"--alpha", "kW/s²", "--t-max", "--t-end"}},
        {"universal", {"--t-end", "600"}},
        {"pool", {"--mass-loss-rate", "kg/m²-s", "--k-beta", "--diameter", "--t-end"}},
        {"furniture",
         {"--mass", "--fabric", "--padding", "--style", "--frame-combustibility",
          "--frame-material"}},
        {"custom", {"--points"}},
    };
    for (const auto& k : kinds) {
        run = Vorla({"fire", k.kind, "--help"});
        EXPECT_EQ(run.status, 0) << k.kind;
        EXPECT_NE(run.out.find(std::string("vorla fire ") + k.kind), std::string::npos);
        for (const char* option : k.options) {
            EXPECT_NE(run.out.find(option), std::string::npos) << k.kind << " " << option;
        }
        EXPECT_NE(run.out.find("--heat-of-combustion"), std::string::npos) << k.kind;
    }
}

TEST_F(FireCommand, SaysSoAndExitsWith1WhenTheFileCannotBeWritten) {
    const auto run = Vorla(With(kHeptanePool, {"-o", PathOf("missing/POOL1.FIR")}));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("could not be written"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(folder_ / "missing"));
}

TEST_F(FireCommand, TypesCustomPointsPageByPage) {
    // 25 points: two pages turned with Next, the last five entered with OK.
    std::string text = "# time  rate\n\n";
    for (int i = 0; i < 25; ++i) {
        text += std::to_string(10 * i) + (i % 2 ? ", " : "\t") + std::to_string(i * 3.5) + "\n";
    }
    const std::string points = WriteText("points.txt", text);
    auto run = Vorla({"fire", "custom", "--points", points, "-o", PathOf("C.FIR")});
    ASSERT_EQ(run.status, 0) << run.err;
    FireTable table;
    ASSERT_FALSE(ReadFireFile(PathOf("C.FIR"), table));
    ASSERT_EQ(table.LastIndex, 24);
    EXPECT_EQ(table.Points[24].Time, 240);
    EXPECT_EQ(table.Points[24].Rate, 84);

    // With a delay the form fills in (0, 0) and (delay, 0) before the file's points.
    const std::string delayed = WriteText("delayed.txt", "40 100\n50 200\n");
    run = Vorla({"fire", "custom", "--delay", "30", "--points", delayed, "--date", "D", "-o", "-"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 4 * 33), "    0          0.0        0.000\r\n"
                                         "   30          0.0        0.000\r\n"
                                         "   40        100.0        8.333\r\n"
                                         "   50        200.0       16.667\r\n");
}

TEST_F(FireCommand, RefusesCustomPointsTheFormWouldRejectOrDrop) {
    const struct {
        const char* points;
        const char* delay;
        const char* message;
    } cases[] = {
        {"0 5\n", "0", "At least two data points must be entered.\n"},
        {"", "0", "At least two data points must be entered.\n"},
        {"0 5\n10 6\n10 7\n", "0", "Data points are not entered in ascending order.\n(line 3 of "},
        {"0 5\n10 -6\n", "0", "Heat release rate values can not be negative.\n(line 2 of "},
        {"20 5\n", "30", "Data points are not entered in ascending order.\n(line 1 of "},
        // On a page turned with Next, and on the last page, where OK would
        // otherwise end the table there and drop the points after it.
        {"0 1\n1 1\n2 1\n3 1\n4 1\n5 1\n6 1\n7 1\n8 1\n0 1\n10 1\n11 1\n", "0",
         "There are empty time fields on the present screen.\n(line 10 of "},
        {"0 1\n1 1\n0 1\n3 1\n", "0",
         "There are empty time fields on the present screen.\n(line 3 of "},
        // Only the very last point would be dropped.
        {"0 1\n1 1\n2 1\n0 1\n", "0",
         "There are empty time fields on the present screen.\n(line 4 of "},
    };
    for (const auto& c : cases) {
        const std::string points = WriteText("p.txt", c.points);
        const auto run =
            Vorla({"fire", "custom", "--delay", c.delay, "--points", points, "-o", "-"});
        EXPECT_EQ(run.status, 2) << c.points;
        EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(FireCommand, TakesAtMost1800CustomPoints) {
    std::string text;
    for (int i = 0; i < 1800; ++i) {
        text += std::to_string(i) + " 1\n";
    }
    std::string points = WriteText("full.txt", text);
    auto run = Vorla({"fire", "custom", "--points", points, "-o", PathOf("FULL.FIR")});
    ASSERT_EQ(run.status, 0) << run.err;
    FireTable table;
    ASSERT_FALSE(ReadFireFile(PathOf("FULL.FIR"), table));
    EXPECT_EQ(table.LastIndex, 1799);

    points = WriteText("over.txt", text + "1800 1\n");
    run = Vorla({"fire", "custom", "--points", points, "-o", "-"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("A custom fire can not have more than 1800 data points.\n(line 1801 "
                            "of ",
                            0),
              0u)
        << run.err;
}

TEST_F(FireCommand, ACustomRateTooLargeForTheFileIsRefusedAndNothingWritten) {
    const std::string points = WriteText("huge.txt", "0 0\n60 1e30\n");
    const auto run = Vorla({"fire", "custom", "--points", points, "-o", PathOf("HUGE.FIR")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "The fire curve was not saved: the heat release rate at 60 s is too large "
                       "for a fire file, which holds at most 999999.9 kW.\n");
    EXPECT_FALSE(fs::exists(PathOf("HUGE.FIR")));
}

TEST_F(FireCommand, NamesAPointsFileItCannotUse) {
    auto run = Vorla({"fire", "custom", "--points", PathOf("none.txt"), "-o", "-"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vorla: The points file " + PathOf("none.txt") +
                           " cannot be opened (No such file or directory).\n");

    const std::string bad = WriteText("bad.txt", "0 0\n10 100 5\n");
    run = Vorla({"fire", "custom", "--points", bad, "-o", "-"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vorla: The points file " + bad +
                           " is not valid: line 2 is not two numbers (a time and a rate).\n");
}

// The bundled examples are exactly what the command writes today, date aside.
TEST_F(FireCommand, TheExamplesAreWhatTheCommandWrites) {
    const fs::path examples = VORLA_EXAMPLES_DIR;
    const struct {
        const char* file;
        std::vector<std::string> args;
    } cases[] = {
        {"tsquared-fast-1mw.fir",
         {"tsquared", "--alpha", "0.0469", "--t-max", "146", "--t-end", "600", "--description",
          "T-squared fast fire growing to 1 MW"}},
        {"tsquared-slow-1mw-delay-60s.fir",
         {"tsquared", "--alpha", "0.00293", "--t-max", "600", "--t-end", "900", "--delay", "60",
          "--description", "T-squared slow fire to 1 MW after 60 s delay"}},
        {"semi-universal-600s.fir",
         {"universal", "--t-end", "600", "--description", "Semi-universal fire, 600 s"}},
        {"heptane-pool-1m.fir",
         {"pool", "--mass-loss-rate", "0.101", "--k-beta", "1.1", "--diameter", "1", "--t-end",
          "600", "--heat-of-combustion", "44600", "--description",
          "Heptane pool, 1 m diameter, 10 min"}},
        {"armchair-wood-frame-30kg.fir",
         {"furniture", "--mass", "30", "--fabric", "cellulosic", "--padding", "cotton", "--style",
          "plain", "--frame-combustibility", "wood", "--frame-material", "wood", "--delay", "10",
          "--description", "Wood-frame armchair, cotton padding, 30 kg"}},
        {"plastic-chair-foam-15kg.fir",
         {"furniture", "--mass", "15", "--style", "low", "--frame-combustibility", "melting",
          "--frame-material", "metal", "--description",
          "Moulded plastic chair, foam padding, 15 kg"}},
        {"office-workstation.fir",
         {"custom", "--points", (examples / "office-workstation.points").string(), "--description",
          "Office workstation"}},
    };
    for (const auto& c : cases) {
        const std::string example = Contents(examples / c.file);
        ASSERT_FALSE(example.empty()) << c.file;
        // The date is what follows the name and its padding on the name line.
        const std::size_t nameLine = example.find(std::string("\r\n") + c.file) + 2;
        const std::size_t lineEnd = example.find("\r\n", nameLine);
        const std::string nameAndDate = example.substr(nameLine, lineEnd - nameLine);
        const std::string date =
            nameAndDate.substr(nameAndDate.find_first_not_of(' ', std::string(c.file).size()));

        std::vector<std::string> args = {"fire"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.insert(args.end(), {"--date", date, "-o", PathOf(c.file)});
        const auto run = Vorla(args);
        ASSERT_EQ(run.status, 0) << c.file << ": " << run.err;
        EXPECT_EQ(Contents(folder_ / c.file), example) << c.file;
        FireTable table;
        EXPECT_FALSE(ReadFireFile((examples / c.file).string(), table)) << c.file;
    }
}

// The built executable, as scripts run it.
std::string Shell(const std::string& command, int& status) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        status = -1;
        return output;
    }
    char buffer[4096];
    std::size_t read;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.append(buffer, read);
    }
    const int raw = ::pclose(pipe);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return output;
}

TEST_F(FireCommand, TheExecutableWritesFilesAndReportsItsStatus) {
    const std::string vorla = VORLA_EXECUTABLE;
    int status = 0;
    Shell(vorla + " fire furniture --mass 20 --date D -o '" + PathOf("SOFA.FIR") + "'", status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Contents(folder_ / "SOFA.FIR"), "    0          0.0        0.000\r\n"
                                              "   21      10458.0      871.500\r\n"
                                              "   41          0.0        0.000\r\n"
                                              "   -9           -9           -9\r\n"
                                              "SOFA.FIR      D\r\n"
                                              "\r\n");

    const std::string out = Shell(vorla + " fire universal --t-end 601 -o - 2>&1", status);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(out, "The time to the end of the curve must not exceed 600 s\n");

    Shell(vorla + " fire universal --t-end 600 -o /nonexistent-folder/U.FIR 2>/dev/null", status);
    EXPECT_EQ(status, 1);

    const std::string text = Shell(vorla + " fire universal --t-end 10 --date D -o -", status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(text.substr(0, 33), "    0         10.0        0.833\r\n");
}

} // namespace
} // namespace vorla::cli

// The file options of every `vorla` command: outputs that would destroy an
// input or another output, standard output, empty names and line breaks.
#include "cli/vorla_command.h"
#include "tests/support/batch_run.h"
#include "tests/support/test_files.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace vorla::cli {
namespace {

namespace fs = std::filesystem;
using test_support::ReadFile;
using test_support::RunBatch;

std::vector<std::string> Plus(std::vector<std::string> words,
                              const std::vector<std::string>& more) {
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

// The files of one folder by name with their bytes, to tell that nothing was written.
std::vector<std::pair<std::string, std::string>> Snapshot(const fs::path& folder) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        files.emplace_back(entry.path().filename().string(),
                           entry.is_regular_file() ? ReadFile(entry.path()) : "");
    }
    std::sort(files.begin(), files.end());
    return files;
}

class FileOptions : public ::testing::Test {
  protected:
    FileOptions() {
        fire_ = folder_.Write("sofa.fir", ReadFile(VORLA_EXAMPLES_DIR "/office-sofa-tsquared.fir"));
        points_ = folder_.Write("points.txt", "0 0\n60 500\n120 0\n");
        fs::create_symlink(fire_, folder_ / "fire-link.fir");
        fs::create_hard_link(fire_, folder_ / "fire-twin.fir");
        fs::create_symlink(points_, folder_ / "points-link.txt");
        fs::create_directory(folder_ / "sub");
        // A saved report that names the fire file, as a user keeps one.
        report_ = folder_.PathOf("office.vof");
        const auto saved = RunBatch(Plus(Compartment(), {"--fire", fire_, "-o", report_}));
        EXPECT_EQ(saved.Status, kExitSuccess) << saved.Err;
    }

    std::string In(const std::string& name) const { return folder_.PathOf(name); }

    // A short office run without its fire file and output.
    static std::vector<std::string> Compartment() {
        return {"compartment", "--title",      "Office", "--output-name",
                "OFFICE.VOF",  "--floor-area", "20",     "--room-height",
                "2.4",         "--vent-width", "0.9",    "--soffit-height",
                "2",           "--run-time",   "20"};
    }
    static std::vector<std::string> Smoke() {
        return {"smoke", "--output-name", "SHOP.SOF", "--floor-area", "20", "--room-height",
                "3",     "--run-time",    "20"};
    }

    test_support::TemporaryFolder folder_;
    std::string fire_, points_, report_;
};

TEST_F(FileOptions, AnOutputThatIsAnInputOrAnotherOutputIsRefusedBeforeAnythingIsWritten) {
    const std::string P = "vorla compartment: ";
    const std::string S = "vorla smoke: ";
    const std::string F = "vorla fire custom: ";
    const std::string nothing = " Nothing was written.\n";
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {Plus(Compartment(), {"--fire", fire_, "-o", fire_}),
         P + "--fire " + fire_ + " and -o " + fire_ +
             " are the same file: writing the report would destroy the fire file." + nothing},
        {Plus(Compartment(), {"--fire", fire_, "-o", In("sub/../sofa.fir")}),
         P + "--fire " + fire_ + " and -o " + In("sub/../sofa.fir") +
             " are the same file: writing the report would destroy the fire file." + nothing},
        {Plus(Compartment(), {"--fire", fire_, "-o", In("fire-link.fir")}),
         P + "--fire " + fire_ + " and -o " + In("fire-link.fir") +
             " are the same file: writing the report would destroy the fire file." + nothing},
        {Plus(Compartment(), {"--fire", fire_, "-o", In("r.vof"), "--csv", In("fire-twin.fir")}),
         P + "--fire " + fire_ + " and --csv " + In("fire-twin.fir") +
             " are the same file: writing the CSV would destroy the fire file." + nothing},
        {Plus(Compartment(), {"--fire", fire_, "-o", In("new.vof"), "--csv", In("./new.vof")}),
         P + "-o " + In("new.vof") + " and --csv " + In("./new.vof") +
             " are the same file: the report and the CSV cannot both be written to it." + nothing},
        {{"compartment", "--from", report_, "-o", report_},
         P + "--from " + report_ + " and -o " + report_ +
             " are the same file: writing the report would destroy the saved report." + nothing},
        {{"compartment", "--from", report_, "-o", In("r.vof"), "--csv", report_},
         P + "--from " + report_ + " and --csv " + report_ +
             " are the same file: writing the CSV would destroy the saved report." + nothing},
        // The fire file only the saved report names is read as much as --fire.
        {{"compartment", "--from", report_, "-o", In("fire-link.fir")},
         P + "-o " + In("fire-link.fir") + " and --from's fire file " + fire_ +
             " are the same file: writing the report would destroy the fire file." + nothing},
        {Plus(Smoke(), {"--fire", fire_, "--csv", fire_}),
         S + "--fire " + fire_ + " and --csv " + fire_ +
             " are the same file: writing the CSV would destroy the fire file." + nothing},
        {Plus(Smoke(), {"--fire", fire_, "-o", In("s.sof"), "--csv", In("s.sof")}),
         S + "-o " + In("s.sof") + " and --csv " + In("s.sof") +
             " are the same file: the results file and the CSV cannot both be written to it." +
             nothing},
        {Plus(Compartment(), {"--fire", fire_, "-o", In("k.vof"), "--summary", fire_}),
         P + "--fire " + fire_ + " and --summary " + fire_ +
             " are the same file: writing the key results would destroy the fire file." + nothing},
        {Plus(Smoke(), {"--fire", fire_, "-o", In("k.sof"), "--summary-csv", In("./k.sof")}),
         S + "-o " + In("k.sof") + " and --summary-csv " + In("./k.sof") +
             " are the same file: the results file and the key results CSV cannot both be "
             "written to it." +
             nothing},
        {{"fire", "custom", "--points", points_, "-o", points_},
         F + "--points " + points_ + " and -o " + points_ +
             " are the same file: writing the fire file would destroy the points file." + nothing},
        {{"fire", "custom", "--points", points_, "-o", In("points-link.txt")},
         F + "--points " + points_ + " and -o " + In("points-link.txt") +
             " are the same file: writing the fire file would destroy the points file." + nothing},
    };
    const auto before = Snapshot(folder_.Path());
    for (const auto& c : cases) {
        const auto result = RunBatch(c.args);
        EXPECT_EQ(result.Status, kExitInputRejected) << c.message;
        EXPECT_EQ(result.Err, c.message);
        EXPECT_EQ(result.Out, "") << c.message;
        EXPECT_EQ(Snapshot(folder_.Path()), before) << c.message;
    }
}

TEST_F(FileOptions, NamesOfDifferentFilesAndTheNullDeviceAreNoCollision) {
    const struct {
        std::vector<std::string> args;
    } cases[] = {
        {Plus(Compartment(), {"--fire", fire_, "-o", In("a.vof"), "--csv", In("a.csv")})},
        {Plus(Compartment(), {"--fire", fire_, "-o", "/dev/null", "--csv", "/dev/null"})},
        {{"compartment", "--from", report_, "--fire", fire_, "-o", In("b.vof")}},
        {{"fire", "custom", "--points", points_, "-o", In("c.fir")}},
    };
    for (const auto& c : cases) {
        const auto result = RunBatch(c.args);
        EXPECT_EQ(result.Status, kExitSuccess) << c.args.back() << ": " << result.Err;
    }
    EXPECT_TRUE(fs::exists(In("a.csv")));
    EXPECT_TRUE(fs::exists(In("c.fir")));
}

TEST_F(FileOptions, TheCsvGoesToStandardOutputWhenTheReportGoesToAFile) {
    for (const auto& command : {Compartment(), Smoke()}) {
        // The same run with both in files gives the bytes to expect.
        const std::string report = In(command[0] + ".txt");
        const std::string csv = In(command[0] + ".csv");
        const auto files = RunBatch(Plus(command, {"--fire", fire_, "-o", report, "--csv", csv}));
        ASSERT_EQ(files.Status, kExitSuccess) << files.Err;
        const std::string expectedReport = ReadFile(report);
        fs::remove(report);

        const auto result = RunBatch(Plus(command, {"--fire", fire_, "-o", report, "--csv", "-"}));
        ASSERT_EQ(result.Status, kExitSuccess) << result.Err;
        EXPECT_EQ(result.Out, ReadFile(csv)) << command[0];
        EXPECT_EQ(ReadFile(report), expectedReport) << command[0];
        EXPECT_NE(expectedReport.find("VERSION 1.00 - JULY 1999\r\n"), std::string::npos);
        EXPECT_FALSE(fs::exists("-"));
    }
}

// Standard output itself may be an input: the shell opened it before the run.
TEST_F(FileOptions, StandardOutputAppendedToTheFireFileIsRefused) {
    std::string arguments;
    for (const auto& word : Plus(Compartment(), {"--fire", fire_})) {
        arguments += " '" + word + "'";
    }
    const std::string before = ReadFile(fire_);
    const std::string command = std::string("'") + VORLA_EXECUTABLE + "'" + arguments + " >>'" +
                                fire_ + "' 2>'" + In("err.txt") + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kExitInputRejected);
    EXPECT_EQ(ReadFile(In("err.txt")),
              "vorla compartment: --fire " + fire_ +
                  " and standard output (no -o) are the same file: writing the report would "
                  "destroy the fire file. Nothing was written.\n");
    EXPECT_EQ(ReadFile(fire_), before);
}

TEST_F(FileOptions, TwoOutputsBoundForStandardOutputAreRefused) {
    const std::string tail = " would both go to standard output; give one of them a file name. "
                             "Nothing was written.\n";
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {Plus(Compartment(), {"--fire", fire_, "--csv", "-"}),
         "vorla compartment: the report (no -o) and the CSV (--csv -)" + tail},
        {Plus(Compartment(), {"--fire", fire_, "-o", "-", "--csv", "-"}),
         "vorla compartment: the report (-o -) and the CSV (--csv -)" + tail},
        {Plus(Smoke(), {"--fire", fire_, "--csv", "-"}),
         "vorla smoke: the results file (no -o) and the CSV (--csv -)" + tail},
        {Plus(Compartment(), {"--fire", fire_, "--summary", "-"}),
         "vorla compartment: the report (no -o) and the key results (--summary -)" + tail},
        {Plus(Smoke(),
              {"--fire", fire_, "-o", In("x.sof"), "--summary", "-", "--summary-csv", "-"}),
         "vorla smoke: the key results (--summary -) and the key results CSV (--summary-csv -)" +
             tail},
        // The same stream under another name.
        {Plus(Compartment(), {"--fire", fire_, "-o", "/dev/stdout", "--csv", "-"}),
         "vorla compartment: -o /dev/stdout and --csv - are the same file: the report and the "
         "CSV cannot both be written to it. Nothing was written.\n"},
    };
    for (const auto& c : cases) {
        const auto result = RunBatch(c.args);
        EXPECT_EQ(result.Status, kExitInputRejected) << c.message;
        EXPECT_EQ(result.Err, c.message);
        EXPECT_EQ(result.Out, "");
    }
}

TEST_F(FileOptions, AnEmptyFileNameIsRefusedTheSameWayEverywhere) {
    const std::string output = " needs a file name, or - for standard output.\n";
    const std::string input = " needs a file name.\n";
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {Plus(Compartment(), {"--fire", fire_, "-o", ""}), "vorla compartment: -o" + output},
        {Plus(Compartment(), {"--fire", fire_, "--csv", ""}), "vorla compartment: --csv" + output},
        {Plus(Compartment(), {"--fire", ""}), "vorla compartment: --fire" + input},
        {Plus(Compartment(), {"--fire", fire_, "--from", ""}), "vorla compartment: --from" + input},
        {Plus(Smoke(), {"--fire", fire_, "-o", ""}), "vorla smoke: -o" + output},
        {Plus(Smoke(), {"--fire", fire_, "--csv", ""}), "vorla smoke: --csv" + output},
        {Plus(Smoke(), {"--fire", ""}), "vorla smoke: --fire" + input},
        {Plus(Smoke(), {"--fire", fire_, "--from", ""}), "vorla smoke: --from" + input},
        {{"fire", "universal", "--t-end", "60", "-o", ""}, "vorla fire universal: -o" + output},
        {{"fire", "custom", "--points", "", "-o", "-"}, "vorla fire custom: --points" + input},
    };
    for (const auto& c : cases) {
        const auto result = RunBatch(c.args);
        EXPECT_EQ(result.Status, kExitInputRejected) << c.message;
        EXPECT_EQ(result.Err, c.message);
        EXPECT_EQ(result.Out, "") << c.message;
    }
}

// One row an output that cannot be written: the command stops before its first
// output, with the sentence the write itself would give.
TEST_F(FileOptions, AnOutputThatCannotBeWrittenStopsTheCommandBeforeAnyOutput) {
    const std::string report = In("run.vof");
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {Plus(Compartment(), {"--fire", fire_, "-o", report, "--summary", In("sub")}),
         "vorla: The file " + In("sub") + " could not be written (Is a directory).\n"},
        {Plus(Compartment(), {"--fire", fire_, "-o", report, "--csv", In("none/run.csv")}),
         "vorla compartment: The file " + In("none/run.csv") +
             " could not be written (No such file or directory).\n"},
        {Plus(Compartment(), {"--fire", fire_, "-o", In("sub")}),
         "vorla: The file " + In("sub") + " could not be written (Is a directory).\n"},
        {Plus(Smoke(), {"--fire", fire_, "-o", In("shop.sof"), "--summary-csv", In("sub")}),
         "vorla: The file " + In("sub") + " could not be written (Is a directory).\n"},
    };
    for (const auto& c : cases) {
        const auto before = Snapshot(folder_.Path());
        const auto result = RunBatch(c.args);
        EXPECT_EQ(result.Status, kExitFileProblem) << c.message;
        EXPECT_EQ(result.Err, c.message);
        EXPECT_EQ(Snapshot(folder_.Path()), before) << c.message;
    }
}

// Criteria change only the key results files: given without one, they are
// named as unused and the run goes on.
TEST_F(FileOptions, CriteriaWithoutAKeyResultsFileAreNamedAsUnused) {
    const auto note = [](const std::string& command, const std::string& option) {
        return "vorla " + command + ": " + option +
               " only changes the key results of --summary and --summary-csv, and neither was "
               "given; it is not used.\n";
    };
    const auto room = RunBatch(
        Plus(Compartment(), {"--fire", fire_, "-o", In("a.vof"), "--criteria-height", "1.5"}));
    EXPECT_EQ(room.Status, kExitSuccess);
    EXPECT_EQ(room.Err, note("compartment", "--criteria-height"));
    const auto shop = RunBatch(
        Plus(Smoke(), {"--fire", fire_, "-o", In("b.sof"), "--criteria-temperature", "100"}));
    EXPECT_EQ(shop.Status, kExitSuccess);
    EXPECT_EQ(shop.Err, note("smoke", "--criteria-temperature"));
    const auto used = RunBatch(Plus(Smoke(), {"--fire", fire_, "-o", In("c.sof"), "--summary",
                                              In("c.json"), "--criteria-temperature", "100"}));
    EXPECT_EQ(used.Err, "");
}

TEST_F(FileOptions, TextsWrittenAsOneLineRefuseLineBreaks) {
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {Plus(Compartment(), {"--fire", fire_, "--title", "Office\nsofa"}),
         "vorla compartment: the value of --title must be one line.\n"},
        {Plus(Compartment(), {"--fire", fire_, "--output-name", "A\r\nB.VOF"}),
         "vorla compartment: the value of --output-name must be one line.\n"},
        {Plus(Compartment(), {"--fire", fire_ + "\rx"}),
         "vorla compartment: the value of --fire must be one line.\n"},
        {Plus(Compartment(), {"--fire", fire_, "-o", In("a\nb.vof")}),
         "vorla compartment: the value of -o must be one line.\n"},
        {Plus(Smoke(), {"--fire", fire_, "--title", "Shop\r"}),
         "vorla smoke: the value of --title must be one line.\n"},
        {Plus(Smoke(), {"--fire", "a\nb.fir"}),
         "vorla smoke: the value of --fire must be one line.\n"},
        {{"fire", "universal", "--t-end", "60", "-o", In("a\nb.fir")},
         "vorla fire universal: the value of -o must be one line.\n"},
        {{"fire", "universal", "--t-end", "60", "--description", "two\nlines", "-o", "-"},
         "vorla fire universal: the value of --description must be one line.\n"},
        {{"fire", "universal", "--t-end", "60", "--date", "12/06\r/1999", "-o", "-"},
         "vorla fire universal: the value of --date must be one line.\n"},
    };
    const auto before = Snapshot(folder_.Path());
    for (const auto& c : cases) {
        const auto result = RunBatch(c.args);
        EXPECT_EQ(result.Status, kExitInputRejected) << c.message;
        EXPECT_EQ(result.Err, c.message);
        EXPECT_EQ(result.Out, "") << c.message;
    }
    EXPECT_EQ(Snapshot(folder_.Path()), before);
}

// The help's lines are wrapped; what it says is read with the breaks as blanks.
std::string HelpOf(const std::vector<std::string>& args) {
    std::string text = RunBatch(args).Out;
    std::string flat;
    for (const char c : text) {
        if (c == '\n' || c == ' ') {
            if (!flat.empty() && flat.back() != ' ') {
                flat += ' ';
            }
        } else {
            flat += c;
        }
    }
    return flat;
}

TEST(FileOptionsHelp, SaysWhenTheReportGoesToStandardOutputAndWhatTheOutputNameIsFor) {
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> says;
    } cases[] = {
        {{"compartment", "--help"},
         {"without -o, or with \"-o -\", the report goes to standard output",
          "needed when the report goes to standard output unless --from gives one",
          "\"--csv -\" writes them to standard output, and the report then needs -o REPORT"}},
        {{"smoke", "--help"},
         {"without -o, or with \"-o -\", it goes to standard output",
          "needed when the results go to standard output unless --from gives one",
          "\"--csv -\" writes them to standard output, and the results file then needs -o"}},
        {{"fire", "--help"}, {"\"-o -\" writes it to standard output"}},
        {{"fire", "custom", "--help"}, {"may not be the points file of a custom fire"}},
    };
    for (const auto& c : cases) {
        const std::string help = HelpOf(c.args);
        for (const auto& phrase : c.says) {
            EXPECT_NE(help.find(phrase), std::string::npos) << c.args[0] << ": " << phrase;
        }
    }
}

} // namespace
} // namespace vorla::cli

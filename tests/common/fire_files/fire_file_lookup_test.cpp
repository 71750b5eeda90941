#include "common/fire_files/fire_file_lookup.h"
#include "zone_models/saved_report_names.h"
#include "tests/support/test_files.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace vorla {
namespace {

namespace fs = std::filesystem;
using test_support::TemporaryFolder;

// Two fires that tell apart which file was read: 100 kW and 200 kW at 60 s.
constexpr const char* kFire100 = "0 0 0\r\n60 100 0\r\n-9 -9 -9\r\n";
constexpr const char* kFire200 = "0 0 0\r\n60 200 0\r\n-9 -9 -9\r\n";
constexpr const char* kNotAFire = "0 0 0\r\nsixty 100 0\r\n-9 -9 -9\r\n";

// Runs the test from its own "work" folder, the report sitting in "reports".
class FireFileLookup : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(folder.Path() / "work");
        fs::create_directories(folder.Path() / "reports");
        before = fs::current_path();
        fs::current_path(folder.Path() / "work");
    }
    void TearDown() override { fs::current_path(before); }

    std::string Work(const std::string& name) const { return (folder / "work" / name).string(); }
    std::string Reports(const std::string& name) const {
        return (folder / "reports" / name).string();
    }

    TemporaryFolder folder;
    fs::path before;
};

TEST_F(FireFileLookup, LooksNextToTheReportThenInTheCurrentFolder) {
    struct Case {
        const char* what;
        const char* inWork;    // the fire in the current folder, if any
        const char* inReports; // the fire next to the report, if any
        double rateAt60;       // which one was read
        const char* readFrom;  // "work" or "reports"
    };
    const Case cases[] = {
        {"only in the current folder", kFire100, nullptr, 100, "work"},
        {"only next to the report", nullptr, kFire200, 200, "reports"},
        {"in both: the report's folder first", kFire100, kFire200, 200, "reports"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(Work("fire.fir"));
        fs::remove(Reports("fire.fir"));
        if (c.inWork != nullptr) {
            test_support::WriteFile(Work("fire.fir"), c.inWork);
        }
        if (c.inReports != nullptr) {
            test_support::WriteFile(Reports("fire.fir"), c.inReports);
        }
        FireTable table;
        std::string readFrom;
        const auto error = ReadFireFileOfReport("fire.fir", Reports("run.vof"), table, readFrom);
        ASSERT_FALSE(error) << DescribeFireFileError(*error);
        EXPECT_EQ(table.LastIndex, 1);
        EXPECT_DOUBLE_EQ(table.Points[1].Rate, c.rateAt60);
        EXPECT_EQ(readFrom, (folder.Path() / c.readFrom / "fire.fir").string());
    }
}

TEST_F(FireFileLookup, AFileFoundButNotValidIsThatFilesErrorWithItsFullPath) {
    test_support::WriteFile(Reports("fire.fir"), kNotAFire);
    test_support::WriteFile(Work("fire.fir"), kFire200);
    FireTable table;
    std::string readFrom = "stale";
    const auto error = ReadFireFileOfReport("fire.fir", Reports("run.vof"), table, readFrom);
    ASSERT_TRUE(error);
    EXPECT_EQ(DescribeFireFileError(*error), "The fire file " + Reports("fire.fir") +
                                                 " is not valid: line 2 is not three numbers.");
    EXPECT_EQ(readFrom, "");
}

TEST_F(FireFileLookup, AFireFoundNowhereNamesEveryFullPathTried) {
    FireTable table;
    const auto error = ReadFireFileOfReport("fire.fir", Reports("run.vof"), table);
    ASSERT_TRUE(error);
    EXPECT_EQ(DescribeFireFileError(*error),
              "The fire file fire.fir cannot be opened (" + Reports("fire.fir") +
                  ": No such file or directory; " + Work("fire.fir") +
                  ": No such file or directory).");
}

TEST_F(FireFileLookup, PlacesOfEachKindOfName) {
    const std::string absolute = Reports("abs.fir");
    struct Case {
        std::string name;
        std::string report;
        std::vector<std::string> places;
    };
    const Case cases[] = {
        // Without a report (a name typed or chosen), only the name itself.
        {"fire.fir", "", {"fire.fir"}},
        // An absolute name is where it says.
        {absolute, Reports("run.vof"), {absolute}},
        // A relative name with a folder is taken from both places too.
        {"sub/fire.fir", Reports("run.vof"), {Reports("sub/fire.fir"), Work("sub/fire.fir")}},
        // A report in the current folder: one place, not the same one twice.
        {"fire.fir", Work("run.vof"), {Work("fire.fir")}},
        {"./fire.fir", "run.vof", {Work("fire.fir")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + " in " + c.report);
        EXPECT_EQ(FireFilePlaces(c.name, c.report), c.places);
    }
}

TEST_F(FireFileLookup, WithoutAReportTheMessageIsTheReadersOwn) {
    FireTable viaLookup;
    FireTable viaReader;
    const auto lookup = ReadFireFileOfReport("gone.fir", "", viaLookup);
    const auto reader = ReadFireFile("gone.fir", viaReader);
    ASSERT_TRUE(lookup && reader);
    EXPECT_EQ(DescribeFireFileError(*lookup), DescribeFireFileError(*reader));
}

// A report saved from the "work" folder names itself as saved and its fire
// file from its own folder; where nothing moved, the names stay as typed.
TEST_F(FireFileLookup, ASavedReportNamesItselfAndItsFireFileFromItsFolder) {
    fs::create_directories(folder.Path() / "reports" / "deep");
    const std::string fire = Work("fire.fir");
    struct Case {
        const char* what;
        std::string named, readFrom, savedAs, expected;
    };
    const Case cases[] = {
        {"saved beside the fire file", "fire.fir", fire, Work("run.vof"), "fire.fir"},
        {"saved in another folder", "fire.fir", fire, Reports("run.vof"), "../work/fire.fir"},
        {"saved two folders down", "fire.fir", fire, Reports("deep/run.vof"),
         "../../work/fire.fir"},
        {"already from the report's folder", "../work/fire.fir", fire, Reports("run.vof"),
         "../work/fire.fir"},
        {"read from the report's folder", "sub/../fire.fir", fire, Work("run.vof"),
         "sub/../fire.fir"},
        {"an absolute name", fire, fire, Reports("run.vof"), fire},
        {"nothing read", "fire.fir", "", Reports("run.vof"), "fire.fir"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FireFileNameFor(c.named, c.readFrom, c.savedAs), c.expected);
    }

    struct Name {
        std::string named, savedAs, expected;
    };
    const Name names[] = {
        {"run.vof", Work("run.vof"), "run.vof"},               // the form's own name
        {"./x/../run.vof", Work("run.vof"), "./x/../run.vof"}, // the same file, as typed
        {"run.vof", Work("other.vof"), Work("other.vof")},     // Save As another name
        {"run.vof", Reports("run.vof"), Reports("run.vof")},   // another folder
        {"", Reports("run.vof"), Reports("run.vof")},
    };
    for (const auto& n : names) {
        SCOPED_TRACE(n.named + " saved as " + n.savedAs);
        EXPECT_EQ(SavedUnderName(n.named, n.savedAs), n.expected);
    }
}

} // namespace
} // namespace vorla

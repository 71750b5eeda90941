#include "common/suite_version.h"
#include "fake_room.h"
#include "study/runs_table.h"
#include "study/study_runner.h"
#include "study_test_files.h"

#include <cfloat>
#include <functional>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace vorla::study {
namespace {

namespace fs = std::filesystem;

// The office study run as shards 1/2 and 2/2 into part-1 and part-2, reports kept.
std::vector<std::string> RunShards(const TestFolder& folder, const Study& study,
                                   const std::string& prefix = "part-") {
    std::vector<std::string> parts;
    for (std::size_t k = 1; k <= 2; ++k) {
        RunnerOptions options;
        options.Part = {k, 2};
        options.KeepReports = true;
        parts.push_back(folder.Path(prefix + std::to_string(k)));
        const auto problem = RunStudy(study, FakeRoom, options, parts.back());
        if (problem) {
            throw std::runtime_error(*problem);
        }
    }
    return parts;
}

std::string Joined(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        line += (i == 0 ? "" : ",") + cells[i];
    }
    return line;
}

// runs.csv with the cells of line `number` (counted from 1, the header is 1)
// changed by `edit`; no cell of the office study holds a comma or a quote.
void EditLine(const std::string& path, std::size_t number,
              const std::function<void(std::vector<std::string>&)>& edit) {
    std::string text = TestFolder::Read(path);
    std::size_t start = 0;
    for (std::size_t line = 1; line < number; ++line) {
        start = text.find("\r\n", start) + 2;
    }
    const std::size_t end = text.find("\r\n", start);
    auto cells = CsvFields(text.substr(start, end - start));
    edit(cells);
    text.replace(start, end - start, Joined(cells));
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

void EditJson(const std::string& path, const std::function<void(nlohmann::ordered_json&)>& edit) {
    auto json = nlohmann::ordered_json::parse(TestFolder::Read(path));
    edit(json);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << json.dump(2);
}

void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::size_t Column(const std::string& csvPath, const std::string& name) {
    const auto table = std::get<RunsTable>(ParseRunsCsv(TestFolder::Read(csvPath), csvPath));
    return static_cast<std::size_t>(std::find(table.Header.begin(), table.Header.end(), name) -
                                    table.Header.begin());
}

// One row a way a shard folder can hold what its study did not write: the
// edit made to a copy of shard 2 of 2, and the merge's sentence ("P" stands for
// that folder, "Q" for shard 1's).
TEST(MergeStudyShards, RefusesWhatItCannotShowToBeTheStudys) {
    TestFolder folder;
    const Study study = OfficeStudy(folder);
    const auto parts = RunShards(folder, study);
    const std::size_t lossColumn = Column(parts[1] + "/runs.csv", "loss-fraction");
    const std::size_t statusColumn = Column(parts[1] + "/runs.csv", "status");
    const std::size_t peakColumn = Column(parts[1] + "/runs.csv", "peak_layer_temperature_c");
    const auto cell = [](std::size_t column, std::string text) {
        return [column, text](std::vector<std::string>& cells) { cells[column] = text; };
    };
    const std::string notShard = "The file P/shard.json is not the shard.json of a study shard";
    const std::string edited = "P/runs.csv is not the runs.csv its shard.json describes (its "
                               "SHA-256 differs): it was edited or replaced after the shard ran; "
                               "run the shard again.";
    const std::string notReport =
        " is not a report of one of its shard's runs (its shard.json and runs.csv list no such "
        "report); was the folder used by another study, or a run stopped? Run the shard again "
        "into an empty folder.";

    struct Case {
        const char* what;
        std::function<void(const std::string&)> edit;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"a run number with decimals",
         [&](auto& p) { EditLine(p + "/runs.csv", 2, cell(0, "2.9")); },
         "P/runs.csv:2: the run \"2.9\" is not a whole number from 1 to 80."},
        {"a negative run number", [&](auto& p) { EditLine(p + "/runs.csv", 2, cell(0, "-1")); },
         "P/runs.csv:2: the run \"-1\" is not a whole number from 1 to 80."},
        {"a huge run number", [&](auto& p) { EditLine(p + "/runs.csv", 3, cell(0, "1e300")); },
         "P/runs.csv:3: the run \"1e300\" is not a whole number from 1 to 80."},
        {"a run beyond the study", [&](auto& p) { EditLine(p + "/runs.csv", 3, cell(0, "82")); },
         "P/runs.csv:3: the run \"82\" is not a whole number from 1 to 80."},
        {"another shard's run", [&](auto& p) { EditLine(p + "/runs.csv", 2, cell(0, "3")); },
         "P/runs.csv:2: run 3 is not the run shard 2 of 2 writes on this line (run 2)."},
        {"a line moved", [&](auto& p) { EditLine(p + "/runs.csv", 2, cell(0, "4")); },
         "P/runs.csv:2: run 4 is not the run shard 2 of 2 writes on this line (run 2)."},
        {"a grid point moved", [&](auto& p) { EditLine(p + "/runs.csv", 2, cell(1, "2")); },
         "P/runs.csv:2: the grid point \"2\" is not run 2's (1)."},
        {"the last run's grid point", [&](auto& p) { EditLine(p + "/runs.csv", 41, cell(1, "1")); },
         "P/runs.csv:41: the grid point \"1\" is not run 80's (2)."},
        {"an unknown status",
         [&](auto& p) { EditLine(p + "/runs.csv", 4, cell(statusColumn, "done")); },
         "P/runs.csv:4: the status \"done\" is not ok, rejected or fire_file_error."},
        {"an edited input", [&](auto& p) { EditLine(p + "/runs.csv", 5, cell(lossColumn, "0.7")); },
         edited},
        {"DBL_MAX as a result",
         [&](auto& p) {
             EditLine(p + "/runs.csv", 5, cell(peakColumn, "1.7976931348623157e+308"));
         },
         edited},
        {"no shard count",
         [&](auto& p) { EditJson(p + "/shard.json", [](auto& j) { j["shards"] = 0; }); },
         notShard + ": its field shards must be a whole number from 1 to 80."},
        {"more shards than runs",
         [&](auto& p) { EditJson(p + "/shard.json", [](auto& j) { j["shards"] = 81; }); },
         notShard + ": its field shards must be a whole number from 1 to 80."},
        {"a shard beyond the count",
         [&](auto& p) { EditJson(p + "/shard.json", [](auto& j) { j["shard"] = 3; }); },
         notShard + ": its field shard must be a whole number from 1 to 2."},
        {"a billion runs",
         [&](auto& p) { EditJson(p + "/shard.json", [](auto& j) { j["runs"] = 1000000000; }); },
         notShard + ": its field runs must be a whole number from 80 to 80."},
        {"an empty study",
         [&](auto& p) {
             EditJson(p + "/shard.json",
                      [](auto& j) { j["study"] = nlohmann::ordered_json::object(); });
         },
         notShard + ": its field study.file is missing."},
        {"no grid points",
         [&](auto& p) {
             EditJson(p + "/shard.json",
                      [](auto& j) { j["grid_points"] = nlohmann::ordered_json::array(); });
         },
         notShard + ": its field grid_points must be a list of 1 to 1000 objects."},
        {"a negative seed",
         [&](auto& p) { EditJson(p + "/shard.json", [](auto& j) { j["study"]["seed"] = -1; }); },
         notShard + ": its field study.seed must be a whole number from 0 to 9223372036854775807."},
        {"a shard of an earlier version (no digests)",
         [&](auto& p) { EditJson(p + "/shard.json", [](auto& j) { j.erase("runs_csv_sha256"); }); },
         notShard + ": its field runs_csv_sha256 is missing."},
        {"not JSON", [&](auto& p) { Write(p + "/shard.json", "{\"shard\": 2,"); },
         notShard + " (it is not JSON)."},
        {"another version of the suite",
         [&](auto& p) { EditJson(p + "/shard.json", [](auto& j) { j["version"] = "0.0.1"; }); },
         "The shard in P was run by version 0.0.1 of the suite, and this is version " +
             std::string(kSuiteVersion) + "; run every shard and the merge with one version."},
        {"another study file",
         [&](auto& p) {
             EditJson(p + "/shard.json",
                      [](auto& j) { j["study_file_sha256"] = std::string(64, 'a'); });
         },
         "The folders Q and P hold shards of different study files (their SHA-256 differ): was "
         "office.toml edited between the shards?"},
        {"another fire file",
         [&](auto& p) {
             EditJson(p + "/shard.json",
                      [](auto& j) { j["input_sha256"]["fast.fir"] = std::string(64, '0'); });
         },
         "The folders Q and P hold shards run with different contents of fast.fir (their SHA-256 "
         "differ); run every shard with the same files."},
        {"a temporary file left by a stopped run",
         [&](auto& p) { Write(p + "/reports/.vorla-Ab12Cd34", "half a report"); },
         "The file P/reports/.vorla-Ab12Cd34" + notReport},
        {"a report of a larger study", [&](auto& p) { Write(p + "/reports/run-82.vof", "x"); },
         "The file P/reports/run-82.vof" + notReport},
        {"a report of another shard", [&](auto& p) { Write(p + "/reports/run-01.vof", "x"); },
         "The file P/reports/run-01.vof" + notReport},
        {"runs.csv a FIFO",
         [&](auto& p) {
             fs::remove(p + "/runs.csv");
             ::mkfifo((p + "/runs.csv").c_str(), 0600);
         },
         "The file P/runs.csv cannot be read (it is not a regular file); is its folder a shard of "
         "a study?"},
        {"shard.json a FIFO",
         [&](auto& p) {
             fs::remove(p + "/shard.json");
             ::mkfifo((p + "/shard.json").c_str(), 0600);
         },
         "The file P/shard.json cannot be read (it is not a regular file); is its folder a shard "
         "of a study?"},
        {"runs.csv a link to /dev/zero",
         [&](auto& p) {
             fs::remove(p + "/runs.csv");
             fs::create_symlink("/dev/zero", p + "/runs.csv");
         },
         "The file P/runs.csv cannot be read (it is not a regular file); is its folder a shard of "
         "a study?"},
    };
    for (const auto& row : cases) {
        const std::string copy = folder.Path("copy");
        fs::remove_all(copy);
        fs::copy(parts[1], copy, fs::copy_options::recursive);
        row.edit(copy);
        const std::vector<std::string> dirs = {parts[0], copy};
        std::string expected = row.expected;
        for (std::size_t at; (at = expected.find("P/")) != std::string::npos ||
                             (at = expected.find("P ")) != std::string::npos ||
                             (at = expected.find("Q ")) != std::string::npos;) {
            expected.replace(at, 1, expected[at] == 'Q' ? parts[0] : copy);
        }
        EXPECT_EQ(MergeStudyShards(dirs, folder.Path("merged")).value_or("merged"), expected)
            << row.what;
        EXPECT_FALSE(fs::exists(folder.Path("merged/summary.json"))) << row.what;
    }
}

// A run stopped part way: the callback fails at run 30, as a killed process
// stops.
StudyRunOutcome StopsAtRun30(const RunRequest& request) {
    if (request.Run + 1 == 30) {
        throw std::runtime_error("stopped");
    }
    return FakeRoom(request);
}

std::set<std::string> ReportsIn(const std::string& directory) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory + "/reports")) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// One row a state an output folder can be in before a run; the run leaves
// nothing of what was there that its own outputs do not replace.
TEST(RunStudy, LeavesNothingOfAnEarlierStudyInItsFolder) {
    TestFolder folder;
    const Study study = OfficeStudy(folder);
    std::string smallText = kStudy;
    smallText.replace(smallText.find("runs = 40"), 9, "runs = 10");
    const Study small = std::get<Study>(ReadStudyFile(folder.Write("small.toml", smallText)));

    // A shard folder reused from an earlier, larger study: the merge holds one
    // report per run of the small study that ran ok, and not 80.
    const auto large = RunShards(folder, study, "reused-");
    const auto reused = RunShards(folder, small, "reused-");
    ASSERT_EQ(MergeStudyShards(reused, folder.Path("merged")), std::nullopt);
    std::size_t ok = 0;
    const std::string csv = TestFolder::Read(folder.Path("merged/runs.csv"));
    for (std::size_t at = 0; (at = csv.find(",ok,", at)) != std::string::npos; ++at) {
        ++ok;
    }
    EXPECT_EQ(ReportsIn(folder.Path("merged")).size(), ok);
    EXPECT_LT(ok, 21u);
    for (const auto& name : ReportsIn(reused[1])) {
        EXPECT_EQ((std::stoi(name.substr(4)) - 1) % 2, 1) << name;
        EXPECT_LE(std::stoi(name.substr(4)), 20) << name;
    }

    // A run stopped in the finished shard folder of another study leaves a
    // folder no merge takes.
    const auto other = RunShards(folder, small, "stopped-");
    RunnerOptions options;
    options.Part = {2, 2};
    options.KeepReports = true;
    options.Threads = 1;
    EXPECT_EQ(RunStudy(study, StopsAtRun30, options, other[1]),
              "Run 30 of the study failed: stopped");
    EXPECT_FALSE(fs::exists(other[1] + "/shard.json"));
    EXPECT_FALSE(fs::exists(other[1] + "/runs.csv"));
    for (const auto& name : ReportsIn(other[1])) {
        EXPECT_LT(std::stoi(name.substr(4)), 30) << name << " is not of the stopped run";
    }
    EXPECT_EQ(MergeStudyShards(other, folder.Path("merged-stopped")),
              "The file " + other[1] +
                  "/shard.json cannot be opened; is its folder a shard of a "
                  "study?");

    // A temporary file a stopped run left goes with the run that follows.
    Write(other[1] + "/reports/.vorla-Ab12Cd34", "half");
    Write(other[1] + "/.vorla-Zz99Yy88", "half");
    ASSERT_EQ(RunStudy(small, FakeRoom, options, other[1]), std::nullopt);
    EXPECT_FALSE(fs::exists(other[1] + "/reports/.vorla-Ab12Cd34"));
    EXPECT_FALSE(fs::exists(other[1] + "/.vorla-Zz99Yy88"));
    EXPECT_EQ(MergeStudyShards(other, folder.Path("merged-again")), std::nullopt);

    // A whole run over a merged study's folder writes the same files as into
    // an empty one.
    ASSERT_EQ(RunStudy(small, FakeRoom, RunnerOptions{}, folder.Path("merged-again")),
              std::nullopt);
    ASSERT_EQ(RunStudy(small, FakeRoom, RunnerOptions{}, folder.Path("fresh")), std::nullopt);
    EXPECT_EQ(FilesIn(folder.Path("merged-again")), FilesIn(folder.Path("fresh")));

    // A file of the user's among the reports is not removed: the run is refused.
    Write(large[0] + "/reports/notes.txt", "mine");
    EXPECT_EQ(RunStudy(small, FakeRoom, options, large[0]),
              "The folder " + large[0] +
                  "/reports holds notes.txt, which a study does not "
                  "write; move it or choose another output folder.");
    EXPECT_EQ(TestFolder::Read(large[0] + "/reports/notes.txt"), "mine");
}

TEST(MergeStudyShards, RefusesShardsRunWithAFireFileEditedBetweenThem) {
    TestFolder folder;
    const Study before = OfficeStudy(folder);
    RunnerOptions options;
    options.Part = {1, 2};
    ASSERT_EQ(RunStudy(before, FakeRoom, options, folder.Path("part-1")), std::nullopt);
    folder.Write("fast.fir", "0 0 0\r\n75 4000 0\r\n900 4000 0\r\n-9 -9 -9\r\n");
    const Study after = OfficeStudy(folder);
    options.Part = {2, 2};
    ASSERT_EQ(RunStudy(after, FakeRoom, options, folder.Path("part-2")), std::nullopt);
    const std::vector<std::string> parts = {folder.Path("part-1"), folder.Path("part-2")};
    EXPECT_EQ(MergeStudyShards(parts, folder.Path("merged")),
              "The folders " + parts[0] + " and " + parts[1] +
                  " hold shards run with different contents of fast.fir (their SHA-256 differ); "
                  "run every shard with the same files.");
}

} // namespace
} // namespace vorla::study

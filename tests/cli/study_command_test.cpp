// `vorla study` through the built program, as a script or a scheduler runs it,
// and its single runs compared with `vorla compartment|smoke`.
#include "cli/vorla_command.h"
#include "study/runs_table.h"
#include "tests/support/test_files.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <set>
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

class StudyCommand : public ::testing::Test {
  protected:
    StudyCommand() {
        for (const char* fire :
             {"office-sofa-tsquared.fir", "medium-tsquared-1mw.fir", "tsquared-fast-1mw.fir"}) {
            fs::copy_file(kExamples + "/" + fire, folder_ / fire);
        }
    }

    std::string In(const std::string& name) const { return folder_.PathOf(name); }
    std::string Write(const std::string& name, const std::string& text) const {
        return folder_.Write(name, text);
    }

    // The built program with `arguments` (already quoted where needed).
    Outcome Program(const std::string& arguments) const {
        const std::string out = In("stdout.txt");
        const std::string err = In("stderr.txt");
        const std::string command = std::string("'") + VORLA_EXECUTABLE + "' " + arguments + " >'" +
                                    out + "' 2>'" + err + "' </dev/null";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    }

    // A command run in this process, as the study's single runs are compared with.
    static Outcome InProcess(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        const int status = RunVorla(args, out, err);
        return {status, out.str(), err.str()};
    }

    test_support::TemporaryFolder folder_;
};

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

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

std::size_t Column(const std::vector<std::string>& header, const std::string& name) {
    const auto found = std::find(header.begin(), header.end(), name);
    EXPECT_NE(found, header.end()) << name;
    return static_cast<std::size_t>(found - header.begin());
}

// The fields of a runs.csv line from `first` on, joined again.
std::string FieldsFrom(const std::string& line, std::size_t first) {
    const auto fields = study::CsvFields(line);
    std::string joined;
    for (std::size_t i = first; i < fields.size(); ++i) {
        joined += (i == first ? "" : ",") + fields[i];
    }
    return joined;
}

// Every file under `folder` by its relative path, with its bytes.
std::map<std::string, std::string> FilesUnder(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), folder).string()] = ReadFile(entry.path());
        }
    }
    return files;
}

struct GridCase {
    std::string model;
    std::string study;
    // The options of the single run of each grid point, besides the varied ones.
    std::vector<std::string> base;
    std::vector<std::string> varied; // the varied inputs' names, in the file's order
};

TEST_F(StudyCommand, APureGridsRowsAreTheSingleRunsOfTheCommand) {
    const std::vector<GridCase> cases = {
        {"compartment",
         "model = \"compartment\"\n"
         "[base]\nfire = \"office-sofa-tsquared.fir\"\nroom-height = 2.4\nsill-height = 0\n"
         "fire-height = 0\nrun-time = 600\nflashover = \"continue\"\nfloor-area = 20\n"
         "[vary]\nvent-width = { values = [0.6, 0.9, 1.2] }\n"
         "soffit-height = { values = [1.8, 2.1] }\n"
         "fire = { values = [\"office-sofa-tsquared.fir\", \"tsquared-fast-1mw.fir\"] }\n"
         "[criteria]\ninterface-height = [1.8, 1.2]\nlayer-temperature = [100, 500]\n",
         {"--room-height", "2.4", "--sill-height", "0", "--fire-height", "0", "--run-time", "600",
          "--flashover", "continue", "--floor-area", "20", "--criteria-height", "1.8,1.2",
          "--criteria-temperature", "100,500"},
         {"vent-width", "soffit-height", "fire"}},
        {"smoke",
         "model = \"smoke\"\n"
         "[base]\nunits = \"us\"\nroom-height = 13\nrun-time = 900\n"
         "[vary]\nfloor-area = { values = [500, 1500] }\n"
         "fire-height = { values = [0, 2.5] }\n"
         "fire = { values = [\"medium-tsquared-1mw.fir\", \"tsquared-fast-1mw.fir\"] }\n"
         "[criteria]\ninterface-height = [6]\nlayer-temperature = [140]\n",
         {"--units", "us", "--room-height", "13", "--run-time", "900", "--criteria-height", "6",
          "--criteria-temperature", "140"},
         {"floor-area", "fire-height", "fire"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        const std::string study = Write(c.model + "-grid.toml", c.study);
        const std::string results = In(c.model + "-grid-results");
        const auto run = Program("study " + Quoted(study) + " --keep-reports --no-progress");
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");

        const auto lines = Lines(ReadFile(results + "/runs.csv"));
        ASSERT_EQ(lines.size(), 1u + 12 - (c.model == "smoke" ? 4 : 0));
        const auto header = study::CsvFields(lines[0]);
        const std::size_t firstKey = Column(header, "message") + 1;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const auto fields = study::CsvFields(lines[i]);
            std::vector<std::string> args = {c.model};
            args.insert(args.end(), c.base.begin(), c.base.end());
            for (const auto& name : c.varied) {
                const std::string value = fields[Column(header, name)];
                args.push_back("--" + name);
                args.push_back(name == "fire" ? In(value) : value);
            }
            const std::string report = In("single-report");
            args.insert(args.end(), {"-o", report, "--summary-csv", "-"});
            const auto single = InProcess(args);
            ASSERT_EQ(single.status, 0) << single.err;
            EXPECT_EQ(fields[Column(header, "status")], "ok");
            const auto csv = Lines(single.out);
            ASSERT_EQ(csv.size(), 2u);
            // The single run's summary goes on with its tenability columns,
            // which the study's rows do not hold yet.
            const std::string keyColumns = FieldsFrom(lines[0], firstKey);
            const std::string keyCells = FieldsFrom(lines[i], firstKey);
            EXPECT_EQ(csv[0].substr(0, keyColumns.size() + 7), keyColumns + ",aset_s");
            EXPECT_EQ(csv[1].substr(0, keyCells.size() + 1), keyCells + ",") << "run " << i;

            // The kept report is the command's report but for the names the
            // study resolves against its folder.
            const std::string extension = c.model == "smoke" ? ".sof" : ".vof";
            const std::string number = (lines.size() > 10 && i < 10 ? "0" : "") + std::to_string(i);
            const std::string kept = ReadFile(results + "/reports/run-" + number + extension);
            const std::string typed = ReadFile(report);
            ASSERT_FALSE(kept.empty()) << number;
            EXPECT_EQ(Lines(kept).size(), Lines(typed).size());
            EXPECT_EQ(Lines(kept).back(), Lines(typed).back());
        }
        for (const char* plot :
             {"cdf-interface-reaches-1.8-m.svg", "cdf-interface-reaches-1.8-m.png",
              "histogram-peak-layer-temperature.svg"}) {
            if (c.model == "compartment") {
                EXPECT_TRUE(fs::exists(results + "/plots/" + plot)) << plot;
            }
        }
    }
}

TEST_F(StudyCommand, ThreadsAndShardsWriteTheSameBytes) {
    const std::string study =
        Write("office.toml",
              "model = \"compartment\"\nruns = 25\nseed = 7\nsampling = \"latin-hypercube\"\n"
              "[base]\nfire = \"office-sofa-tsquared.fir\"\nfloor-area = 20\nroom-height = 2.4\n"
              "sill-height = 0\nfire-height = 0\nrun-time = 600\nflashover = \"continue\"\n"
              "[vary]\nloss-fraction = { uniform = [0.5, 0.9] }\n"
              "vent-width = { lognormal = [-0.1, 0.2], max = 1.5 }\n"
              "soffit-height = { values = [1.8, 2.2] }\n"
              "fire = { choice = [\"office-sofa-tsquared.fir\", \"tsquared-fast-1mw.fir\"], "
              "weights = [0.7, 0.3] }\n");
    ASSERT_EQ(
        Program("study " + Quoted(study) + " -j 1 --no-progress -o " + Quoted(In("one"))).status,
        0);
    ASSERT_EQ(
        Program("study " + Quoted(study) + " -j 2 --no-progress -o " + Quoted(In("two"))).status,
        0);
    std::string shards;
    for (int k = 1; k <= 3; ++k) {
        const std::string part = In("part" + std::to_string(k));
        const auto run = Program("study " + Quoted(study) + " --shard " + std::to_string(k) +
                                 "/3 -j 2 --no-progress -o " + Quoted(part));
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_FALSE(fs::exists(part + "/plots")) << "a shard draws no plots of part of a study";
        shards += " " + Quoted(part);
    }
    const auto merged = Program("study merge" + shards + " -o " + Quoted(In("merged")));
    ASSERT_EQ(merged.status, 0) << merged.err;

    const auto one = FilesUnder(In("one"));
    EXPECT_EQ(one.size(), 3u + 2 * (2 + 3 + 1) + 2);
    EXPECT_TRUE(one.count("plots/cdf-flashover-time.png"));
    EXPECT_EQ(one, FilesUnder(In("two")));
    EXPECT_EQ(one, FilesUnder(In("merged")));
    EXPECT_EQ(Lines(one.at("runs.csv")).size(), 1u + 50);
}

// A vorla copied without its plotting program still writes the whole study,
// then says which program it could not run.
TEST_F(StudyCommand, WithoutThePlottingProgramTheResultsStayAndTheProgramIsNamed) {
    fs::create_directories(In("bin"));
    fs::copy_file(VORLA_EXECUTABLE, In("bin/vorla"));
    const std::string study =
        Write("office.toml",
              "model = \"compartment\"\nruns = 3\n[base]\nfire = \"office-sofa-tsquared.fir\"\n"
              "floor-area = 20\nroom-height = 2.4\nsill-height = 0\nfire-height = 0\n"
              "soffit-height = 2\nvent-width = 0.9\nrun-time = 300\n"
              "[vary]\nloss-fraction = { uniform = [0.5, 0.9] }\n");
    const std::string command = Quoted(In("bin/vorla")) + " study " + Quoted(study) +
                                " --no-progress -o " + Quoted(In("results")) + " 2>" +
                                Quoted(In("stderr.txt")) + " >/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadFile(In("stderr.txt")),
              "vorla study: the plots cannot be drawn: the plotting program " +
                  fs::weakly_canonical(In("libexec/vorla/vorla-study-plots")).string() +
                  " cannot be run (No such file or directory).\n");
    EXPECT_EQ(Lines(ReadFile(In("results/runs.csv"))).size(), 1u + 3);
    EXPECT_TRUE(fs::exists(In("results/summary.json")));
    EXPECT_FALSE(fs::exists(In("results/plots")));
}

TEST_F(StudyCommand, MalformedStudyFilesAreRefusedNamingFileLineAndKey) {
    struct Case {
        std::string text;
        std::string line; // ":3"
        std::string key;
    };
    const std::string head =
        "model = \"compartment\"\n[base]\nfire = \"office-sofa-tsquared.fir\"\n";
    const Case cases[] = {
        {"model = \"compartment\"\nrunz = 10\n", ":2", "runz"},
        {"model = \"garden\"\n", ":1", "model"},
        {head + "floor-space = 20\n", ":4", "base.floor-space"},
        {head + "[vary]\nwall-colour = { uniform = [1, 2] }\n", ":5", "vary.wall-colour"},
        {head + "[vary]\nloss-fraction = { uniform = [0.9, 0.5] }\n", ":5",
         "vary.loss-fraction.uniform"},
        {head + "[vary]\nfloor-area = { normal = [20, -2] }\n", ":5", "vary.floor-area.normal"},
        {head + "[vary]\nfire = { choice = [\"office-sofa-tsquared.fir\", \"gone.fir\"] }\n", ":5",
         "vary.fire.choice"},
        {head + "[criteria]\ninterface-height = [1.8, -1]\n", ":5", "criteria.interface-height"},
        {head + "runs = \"many\"\n", ":4", "base.runs"},
        {"model = \"compartment\"\nruns = 0\n", ":2", "runs"},
        {"model = \"compartment\"\n[vary\n", ":2", ""},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string name = "bad" + std::to_string(++n) + ".toml";
        const std::string path = Write(name, c.text);
        const auto run = Program("study " + Quoted(path) + " --no-progress");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind("vorla study: " + path + c.line + ": " + c.key, 0), 0u) << run.err;
        EXPECT_FALSE(fs::exists(In("bad" + std::to_string(n) + "-results")))
            << "nothing runs and nothing is written";
    }
}

TEST_F(StudyCommand, WrongOptionsAndUnreadableFilesHaveTheUsualExitStatus) {
    const std::string study = Write("ok.toml", "model = \"smoke\"\n[base]\nfire = "
                                               "\"medium-tsquared-1mw.fir\"\nfloor-area = 100\n"
                                               "room-height = 4\nrun-time = 60\n");
    struct Case {
        std::string arguments;
        int status;
        std::string message;
    };
    fs::create_symlink(In("nowhere/folder"), In("dangling"));
    const Case cases[] = {
        {"study", 2, "vorla study: name the study file."},
        {"study " + Quoted(study) + " -j 0", 2, "the value of -j must be a whole number"},
        {"study " + Quoted(study) + " -j many", 2, "the value of -j must be a whole number"},
        {"study " + Quoted(study) + " --shard 4/3", 2, "--shard must be K/N"},
        {"study " + Quoted(study) + " --shard 1", 2, "--shard must be K/N"},
        {"study " + Quoted(study) + " --shard 5/18446744073709551615", 2,
         "vorla study: The study has 1 runs, so the N of --shard K/N must be at most 1, not "
         "18446744073709551615."},
        {"study " + Quoted(study) + " --shard 1/2", 2, "must be at most 1, not 2."},
        {"study " + Quoted(study) + " --progress --no-progress", 2, "cannot be given together"},
        {"study " + Quoted(study) + " -o a -o b", 2,
         "vorla study: the option -o is given more than once; give it once."},
        {"study " + Quoted(study) + " -j 2 -j 3", 2, "the option -j is given more than once"},
        {"study " + Quoted(study) + " --shard=1/1 --shard 1/1", 2,
         "the option --shard is given more than once"},
        {"study merge a b -o " + Quoted(In("m")) + " -o " + Quoted(In("n")), 2,
         "vorla study: the option -o is given more than once; give it once."},
        {"study " + Quoted(study) + " -o " + Quoted(In("dangling")), 1,
         "vorla study: The folder " + In("dangling") + " could not be created (it is a link to " +
             In("nowhere/folder") + ", which does not exist; create that folder or name another)."},
        {"study " + Quoted(study) + " --seed 3", 2, "Unknown option --seed."},
        {"study " + Quoted(study) + " other.toml", 2, "unexpected argument \"other.toml\""},
        {"study " + Quoted(In("none.toml")), 1, "the study file cannot be opened"},
        {"study /dev/zero", 1, "the study file cannot be opened"},
        {"study merge " + Quoted(In("nowhere")) + " -o " + Quoted(In("m")), 1, "nowhere"},
        {"study merge -o " + Quoted(In("m")), 2, "name the folders of the shards"},
        {"study merge " + Quoted(In("nowhere")), 2, "-o DIR"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const auto run = Program(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    const auto help = Program("study --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: vorla study FILE.toml", 0), 0u);
    EXPECT_NE(Program("study merge --help").out.find("Usage: vorla study merge DIR... -o DIR"),
              std::string::npos);
    EXPECT_NE(Program("--help").out.find("  study "), std::string::npos);
}

// One row a `from` that is not a report of the study's model: refused when the
// study is read, exit 2, naming the study file's line and the key.
TEST_F(StudyCommand, AFromThatIsNotAReportOfTheModelIsRefusedWhenTheStudyIsRead) {
    fs::copy_file(kExamples + "/shop-sofa-fire.sof", In("shop.sof"));
    fs::copy_file(kExamples + "/office-sofa-fire.vof", In("office.vof"));
    const struct {
        std::string model;
        std::string from;
        std::string message;
    } cases[] = {
        {"compartment", "/etc/passwd",
         ":3: base.from: /etc/passwd is not a report saved by VORLA-XW or vorla compartment"},
        {"compartment", In("shop.sof"),
         ":3: base.from: " + In("shop.sof") +
             " is not a report saved by VORLA-XW or vorla compartment"},
        {"smoke", In("office.vof"),
         ":3: base.from: " + In("office.vof") +
             " is not a report saved by SKEVA-XW or vorla smoke"},
        {"smoke", "/tmp", ":3: base.from: the file /tmp cannot be opened (it is a folder)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        const std::string study =
            Write("from.toml", "model = \"" + c.model + "\"\n[base]\nfrom = \"" + c.from + "\"\n");
        const auto run = Program("study " + Quoted(study) + " --no-progress");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind("vorla study: " + study + c.message, 0), 0u) << run.err;
        EXPECT_FALSE(fs::exists(In("from-results")));
    }
}

// A study gives the same runs from whatever folder it is run: the fire file a
// `from` report names is looked for beside the report.
TEST_F(StudyCommand, AStudyRunsTheSameFromAnyFolder) {
    fs::create_directories(In("project/reports"));
    fs::create_directories(In("elsewhere"));
    fs::copy_file(In("medium-tsquared-1mw.fir"), In("project/reports/medium-tsquared-1mw.fir"));
    fs::copy_file(kExamples + "/shop-sofa-fire.sof", In("project/reports/shop.sof"));
    fs::remove(In("medium-tsquared-1mw.fir"));
    const std::string study =
        Write("project/shop.toml", "model = \"smoke\"\nruns = 2\n[base]\nfrom = "
                                   "\"reports/shop.sof\"\n[vary]\nloss-fraction = { uniform = "
                                   "[0.5, 0.7] }\n");
    std::vector<std::string> csvs;
    for (const std::string& folder : {In("project"), In("elsewhere"), In(".")}) {
        const std::string out = In("out-" + std::to_string(csvs.size()));
        const std::string command = "cd " + Quoted(folder) + " && '" + VORLA_EXECUTABLE +
                                    "' study " + Quoted(study) + " --no-progress -o " +
                                    Quoted(out) + " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << folder;
        csvs.push_back(ReadFile(out + "/runs.csv"));
        EXPECT_NE(csvs.back().find(",ok,"), std::string::npos) << csvs.back();
        EXPECT_EQ(csvs.back(), csvs.front()) << folder;
    }
}

TEST_F(StudyCommand, RejectedSamplesAreCountedAndListedWithTheChecksMessage) {
    const std::string study = Write(
        "sills.toml", "model = \"compartment\"\n"
                      "[base]\nfire = \"office-sofa-tsquared.fir\"\nfloor-area = 20\n"
                      "room-height = 2.4\nvent-width = 0.9\nsoffit-height = 2\nfire-height = 0\n"
                      "run-time = 300\n"
                      "[vary]\nsill-height = { values = [0, 0.5, 2.2, 3] }\n");
    const auto run = Program("study " + Quoted(study) + " --no-progress");
    ASSERT_EQ(run.status, 0) << run.err;

    const auto lines = Lines(ReadFile(In("sills-results/runs.csv")));
    ASSERT_EQ(lines.size(), 5u);
    const auto header = study::CsvFields(lines[0]);
    std::map<std::string, int> listed;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto fields = study::CsvFields(lines[i]);
        const std::string sill = fields[Column(header, "sill-height")];
        const auto single = InProcess(
            {"compartment", "--fire", In("office-sofa-tsquared.fir"), "--floor-area", "20",
             "--room-height", "2.4", "--vent-width", "0.9", "--soffit-height", "2", "--fire-height",
             "0", "--run-time", "300", "--sill-height", sill, "-o", "/dev/null"});
        if (single.status == 2) {
            EXPECT_EQ(fields[Column(header, "status")], "rejected") << sill;
            ASSERT_EQ(single.err.back(), '\n');
            const std::string message = single.err.substr(0, single.err.size() - 1);
            EXPECT_EQ(fields[Column(header, "message")], message) << sill;
            EXPECT_EQ(fields[Column(header, "end_time_s")], "") << sill;
            ++listed[message];
        } else {
            EXPECT_EQ(single.status, 0) << single.err;
            EXPECT_EQ(fields[Column(header, "status")], "ok") << sill;
        }
    }
    // A sill above the soffit and one above the ceiling: two checks, one run each.
    ASSERT_EQ(listed.size(), 2u);

    const Json summary = Json::parse(ReadFile(In("sills-results/summary.json")));
    EXPECT_EQ(summary["status"]["ok"], 2);
    EXPECT_EQ(summary["status"]["rejected"], 2);
    EXPECT_EQ(summary["status"]["fire_file_error"], 0);
    EXPECT_NE(run.out.find("4 runs in"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2 ok, 2 rejected"), std::string::npos) << run.out;
    for (const auto& [message, count] : listed) {
        EXPECT_EQ(count, 1) << message;
        EXPECT_NE(run.out.find("  1 x " + message + "\n"), std::string::npos) << run.out;
    }
}

TEST_F(StudyCommand, AFireFileOfAReportThatCannotBeReadIsAFireFileErrorOfEachRun) {
    // The report names its fire file as typed, relative to where it is run.
    std::string saved = ReadFile(kExamples + "/shop-sofa-fire.sof");
    const std::string named = "medium-tsquared-1mw.fir";
    saved.replace(saved.find(named), named.size(), "no-such-fire.fir");
    test_support::WriteFile(In("room.sof"), saved);
    const std::string study =
        Write("from.toml", "model = \"smoke\"\nruns = 3\n[base]\nfrom = \"room.sof\"\n"
                           "[vary]\nloss-fraction = { uniform = [0.5, 0.7] }\n");
    const auto run = Program("study " + Quoted(study) + " --no-progress -j 2");
    // No run ran: the outputs are written and the exit status says so.
    ASSERT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err, "vorla study: no run of the study ran; the messages of the runs are in " +
                           In("from-results") + "/runs.csv.\n");
    const auto lines = Lines(ReadFile(In("from-results/runs.csv")));
    ASSERT_EQ(lines.size(), 4u);
    const auto header = study::CsvFields(lines[0]);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto fields = study::CsvFields(lines[i]);
        EXPECT_EQ(fields[Column(header, "status")], "fire_file_error");
        EXPECT_NE(fields[Column(header, "message")].find("no-such-fire.fir"), std::string::npos);
    }
    EXPECT_NE(run.out.find("3 with a fire file error"), std::string::npos) << run.out;

    // A shard is a part: it succeeds, and the merge of the whole study says none ran.
    for (const char* shard : {"1", "2"}) {
        const auto part = Program("study " + Quoted(study) + " --no-progress --shard " + shard +
                                  "/2 -o " + Quoted(In(std::string("s") + shard)));
        EXPECT_EQ(part.status, 0) << part.err;
    }
    const auto merged = Program("study merge " + Quoted(In("s1")) + " " + Quoted(In("s2")) +
                                " -o " + Quoted(In("merged")));
    EXPECT_EQ(merged.status, 1) << merged.err;
    EXPECT_EQ(merged.err, "vorla study: no run of the study ran; the messages of the runs are in " +
                              In("merged") + "/runs.csv.\n");
}

TEST_F(StudyCommand, AnOutputThatWouldReplaceAnInputIsRefusedBeforeAnyRun) {
    fs::create_directories(In("prev/reports"));
    fs::copy_file(kExamples + "/shop-sofa-fire.sof", In("prev/reports/run-2.sof"));
    fs::create_directories(In("out"));
    fs::copy_file(In("medium-tsquared-1mw.fir"), In("out/runs.csv"));
    // Two runs, so that the study has two shards.
    const std::string smoke =
        "model = \"smoke\"\nruns = 2\n[base]\nfloor-area = 100\nroom-height = "
        "4\nrun-time = 60\n";
    const std::string plain = Write("plain.toml", smoke + "fire = \"medium-tsquared-1mw.fir\"\n");
    const std::string kept = Write("kept.toml", "model = \"smoke\"\nruns = 3\n[base]\n"
                                                "from = \"prev/reports/run-2.sof\"\n[vary]\n"
                                                "loss-fraction = { uniform = [0.5, 0.7] }\n");
    const std::string table = Write("table.toml", smoke + "fire = \"out/runs.csv\"\n");
    const std::string nothing = " Nothing was written.\n";
    const std::string removes = "the study's outputs (a run first removes an earlier study's)";
    fs::create_directories(In("dir/plots"));
    fs::copy_file(In("plain.toml"), In("dir/summary.json"));
    fs::copy_file(In("plain.toml"), In("dir/shard.json"));
    fs::copy_file(In("medium-tsquared-1mw.fir"), In("dir/plots/fire.png"));
    fs::copy_file(In("medium-tsquared-1mw.fir"), In("dir/medium-tsquared-1mw.fir"));
    const std::string fireInPlots =
        Write("plots-fire.toml", smoke + "fire = \"dir/plots/fire.png\"\n");
    const struct {
        std::string arguments;
        std::string message;
    } cases[] = {
        {"study " + Quoted(plain) + " -o " + Quoted(plain),
         "the study file " + plain + " and -o " + plain +
             " are the same file: writing the study's outputs would destroy the study file." +
             nothing},
        {"study " + Quoted(kept) + " --keep-reports -o " + Quoted(In("prev")),
         kept + "'s from " + In("prev/reports/run-2.sof") + " and -o " +
             In("prev/reports/run-2.sof") +
             " are the same file: writing a run's report would destroy a saved report the study "
             "starts from." +
             nothing},
        {"study " + Quoted(table) + " -o " + Quoted(In("out")),
         table + "'s fire " + In("out/runs.csv") + " and -o " + In("out/runs.csv") +
             " are the same file: writing the runs table would destroy a fire file of the study." +
             nothing},
        // A shard run removes summary.json and summary.md, a whole run shard.json,
        // a run the reports and temporary files of an earlier study.
        {"study " + Quoted(In("dir/summary.json")) + " --shard 1/2 -o " + Quoted(In("dir")),
         "the study file " + In("dir/summary.json") + " and -o " + In("dir/summary.json") +
             " are the same file: writing " + removes + " would destroy the study file." + nothing},
        {"study " + Quoted(In("dir/shard.json")) + " -o " + Quoted(In("dir")),
         "the study file " + In("dir/shard.json") + " and -o " + In("dir/shard.json") +
             " are the same file: writing " + removes + " would destroy the study file." + nothing},
        {"study " + Quoted(fireInPlots) + " -o " + Quoted(In("dir")),
         fireInPlots + "'s fire " + In("dir/plots/fire.png") + " and -o " +
             In("dir/plots/fire.png") + " are the same file: writing " + removes +
             " would destroy a fire file of the study." + nothing},
        {"study " + Quoted(kept) + " -o " + Quoted(In("prev")),
         kept + "'s from " + In("prev/reports/run-2.sof") + " and -o " +
             In("prev/reports/run-2.sof") + " are the same file: writing " + removes +
             " would destroy a saved report the study starts from." + nothing},
        {"study merge " + Quoted(In("p1")) + " " + Quoted(In("p2")) + " -o " + Quoted(In("p2")),
         "the shard " + In("p2/runs.csv") + " and -o " + In("p2/runs.csv") +
             " are the same file: writing the runs table would destroy a shard's runs table." +
             nothing},
    };
    for (const char* shard : {"1", "2"}) {
        const auto part = Program("study " + Quoted(plain) + " --no-progress --shard " + shard +
                                  "/2 -o " + Quoted(In(std::string("p") + shard)));
        ASSERT_EQ(part.status, 0) << part.err;
    }
    const auto before = FilesUnder(folder_.Path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const auto run = Program(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "vorla study: " + c.message);
        auto after = FilesUnder(folder_.Path());
        after.erase("stdout.txt");
        after.erase("stderr.txt");
        auto expected = before;
        expected.erase("stdout.txt");
        expected.erase("stderr.txt");
        EXPECT_EQ(after, expected);
    }
    // Reports that replace nothing the study reads are no collision.
    const auto apart = Program("study " + Quoted(kept) + " --no-progress --keep-reports -o " +
                               Quoted(In("elsewhere")));
    EXPECT_EQ(apart.status, 0) << apart.err;
}

TEST_F(StudyCommand, TheProgressBarIsShownWhenAskedAndNeverIntoAFile) {
    const std::string study = Write(
        "bar.toml", "model = \"smoke\"\nruns = 20\n[base]\nfire = \"medium-tsquared-1mw.fir\"\n"
                    "floor-area = 100\nroom-height = 4\nrun-time = 60\n[vary]\n"
                    "loss-fraction = { uniform = [0.5, 0.7] }\n");
    const auto asked = Program("study " + Quoted(study) + " --progress -j 2 -o " + Quoted(In("a")));
    ASSERT_EQ(asked.status, 0) << asked.err;
    EXPECT_EQ(asked.err.rfind("\r[", 0), 0u) << asked.err;
    const auto last = asked.err.rfind('\r');
    // The last line is the full bar.
    EXPECT_EQ(asked.err.substr(last).rfind("\r[" + std::string(30, '#') + "] 20/20 runs", 0), 0u)
        << asked.err;
    EXPECT_EQ(asked.err.back(), '\n');
    EXPECT_NE(asked.out.find("20 runs in"), std::string::npos);

    // Standard error is a file here, not a terminal.
    const auto quiet = Program("study " + Quoted(study) + " -j 2 -o " + Quoted(In("b")));
    ASSERT_EQ(quiet.status, 0) << quiet.err;
    EXPECT_EQ(quiet.err, "");
    EXPECT_EQ(ReadFile(In("a/runs.csv")), ReadFile(In("b/runs.csv")));
}

// The estimate and the plume as a study sets them: each row is the single run
// of `vorla compartment` with the same words.
TEST_F(StudyCommand, TheEstimateAndThePlumeOptionsAreTheCommandsOwn) {
    const std::string base =
        "[base]\nfire = \"office-sofa-tsquared.fir\"\nfloor-area = 20\nroom-height = 2.4\n"
        "vent-width = 0.9\nsill-height = 0\nsoffit-height = 2\nfire-height = 0\nrun-time = 300\n";
    const std::string study = Write(
        "plumes.toml", "model = \"compartment\"\n" + base +
                           "loss-fraction = \"estimate\"\nceiling = \"moderately-rough\"\n"
                           "[vary]\nplume = { values = [\"zukoski\", \"heskestad\"] }\n"
                           "fire-position = { values = [\"centre\", \"corner\"] }\n");
    const auto run = Program("study " + Quoted(study) + " --no-progress");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(ReadFile(In("plumes-results/runs.csv")));
    ASSERT_EQ(lines.size(), 5u);
    const auto header = study::CsvFields(lines[0]);
    const std::size_t firstKey = Column(header, "message") + 1;
    std::set<std::string> peaks;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto fields = study::CsvFields(lines[i]);
        EXPECT_EQ(fields[Column(header, "status")], "ok") << fields[Column(header, "message")];
        const auto single = InProcess(
            {"compartment", "--fire", In("office-sofa-tsquared.fir"), "--floor-area", "20",
             "--room-height", "2.4", "--vent-width", "0.9", "--sill-height", "0",
             "--soffit-height", "2", "--fire-height", "0", "--run-time", "300", "--loss-fraction",
             "estimate", "--ceiling", "moderately-rough", "--plume",
             fields[Column(header, "plume")], "--fire-position",
             fields[Column(header, "fire-position")], "-o", "/dev/null", "--summary-csv", "-"});
        ASSERT_EQ(single.status, 0) << single.err;
        const std::string keyCells = FieldsFrom(lines[i], firstKey);
        EXPECT_EQ(Lines(single.out)[1].substr(0, keyCells.size() + 1), keyCells + ",");
        peaks.insert(fields[Column(header, "peak_layer_temperature_c")]);
    }
    EXPECT_EQ(peaks.size(), 4u); // each option changes the run
}

// A study from a report whose heat loss fraction the estimator gave estimates
// it again, as `vorla compartment --loss-fraction estimate` on the same room
// does, and draws the estimator's model error (a typed 0.571, the line taken
// away, has none); the fraction typed over in the file is the typed number's
// run; a damaged line stops the study, naming it.
TEST_F(StudyCommand, AFromReportsEstimatedFractionIsEstimatedAgain) {
    const auto office = [this](const std::vector<std::string>& extra) {
        std::vector<std::string> args = {"compartment", "--fire", In("office-sofa-tsquared.fir")};
        args.insert(args.end(), {"--floor-area", "20", "--room-height", "2.4", "--vent-width",
                                 "0.9", "--sill-height", "0", "--soffit-height", "2",
                                 "--fire-height", "0", "--run-time", "300"});
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    };
    const std::vector<std::string> estimate = {"--loss-fraction", "estimate", "--aspect-ratio",
                                               "1.25"};
    std::vector<std::string> save = estimate;
    save.insert(save.end(), {"-o", In("estimate.vof")});
    ASSERT_EQ(InProcess(office(save)).status, 0);
    const std::string text = ReadFile(In("estimate.vof"));
    const std::string line =
        "Loss fraction: --loss-fraction estimate --aspect-ratio 1.25 --ceiling smooth\r\n";
    const auto at = text.find(line);
    ASSERT_NE(at, std::string::npos);
    const std::string kTyped = "HEAT LOSS FRACTION          :   0.";
    const auto fraction = text.find(kTyped);
    ASSERT_EQ(text.substr(fraction + kTyped.size(), 3), "571");
    Write("edited.vof", std::string(text).replace(fraction + kTyped.size(), 3, "600"));
    Write("no-line.vof", std::string(text).erase(at, line.size()));
    const auto lineNumber =
        static_cast<std::size_t>(std::count(text.begin(), text.begin() + at, '\n')) + 1;
    Write("damaged.vof", std::string(text).replace(text.find("smooth", at), 6, "bumpy"));

    const struct {
        std::string From;
        std::vector<std::string> Single; // the run it is
        std::string DrawnStatus;         // with [model-uncertainty]
    } cases[] = {
        {"estimate.vof", estimate, "ok"},
        {"edited.vof", {"--loss-fraction", "0.6"}, "ok"},
        {"no-line.vof", {"--loss-fraction", "0.571"}, "rejected"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.From);
        for (const bool drawn : {false, true}) {
            const std::string study =
                Write("from.toml", "model = \"compartment\"\nruns = 1\n[base]\nfrom = \"" +
                                       c.From + "\"\n" + (drawn ? "[model-uncertainty]\n" : ""));
            fs::remove_all(In("from-results"));
            const auto run = Program("study " + Quoted(study) + " --no-progress");
            // A study none of whose runs ran says so in its status.
            ASSERT_EQ(run.status == 0, !drawn || c.DrawnStatus == "ok") << run.err;
            const auto lines = Lines(ReadFile(In("from-results/runs.csv")));
            ASSERT_EQ(lines.size(), 2u);
            const auto header = study::CsvFields(lines[0]);
            const auto fields = study::CsvFields(lines[1]);
            if (drawn) {
                EXPECT_EQ(fields[Column(header, "status")], c.DrawnStatus)
                    << fields[Column(header, "message")];
                continue;
            }
            EXPECT_EQ(fields[Column(header, "status")], "ok") << fields[Column(header, "message")];
            std::vector<std::string> single = c.Single;
            single.insert(single.end(), {"-o", "/dev/null", "--summary-csv", "-"});
            const auto alone = InProcess(office(single));
            ASSERT_EQ(alone.status, 0) << alone.err;
            const std::string keyCells = FieldsFrom(lines[1], Column(header, "message") + 1);
            EXPECT_EQ(Lines(alone.out)[1].substr(0, keyCells.size() + 1), keyCells + ",");
        }
    }

    const std::string study =
        Write("damaged.toml", "model = \"compartment\"\nruns = 1\n[base]\nfrom = "
                              "\"damaged.vof\"\n");
    const auto damaged = Program("study " + Quoted(study) + " --no-progress");
    EXPECT_NE(damaged.status, 0);
    EXPECT_NE(damaged.err.find(In("damaged.vof") + ": Line " + std::to_string(lineNumber) +
                               ": --ceiling must be smooth, moderately-rough or irregular, not "
                               "\"bumpy\"."),
              std::string::npos)
        << damaged.err;
}

// [model-uncertainty] moves each run's key results by its drawn model error,
// and refuses the runs whose heat loss fraction the validation did not measure.
TEST_F(StudyCommand, TheModelUncertaintyMovesEachRunAndNamesWhatItCannotDo) {
    const std::string base =
        "[base]\nfire = \"office-sofa-tsquared.fir\"\nfloor-area = 20\nroom-height = 2.4\n"
        "vent-width = 0.9\nsill-height = 0\nsoffit-height = 2\nfire-height = 0\nrun-time = 300\n"
        "[vary]\nloss-fraction = { values = [0.6, 0.7] }\nvent-width = { uniform = [0.8, 1.0] }\n";
    const std::string plain =
        Write("plain.toml", "model = \"compartment\"\nruns = 5\n" + base);
    const std::string drawn = Write("drawn.toml", "model = \"compartment\"\nruns = 5\n" + base +
                                                      "[model-uncertainty]\n");
    for (const auto& file : {plain, drawn}) {
        const auto run = Program("study " + Quoted(file) + " --no-progress");
        ASSERT_EQ(run.status, 0) << run.err;
    }
    const auto plainLines = Lines(ReadFile(In("plain-results/runs.csv")));
    const auto drawnLines = Lines(ReadFile(In("drawn-results/runs.csv")));
    ASSERT_EQ(plainLines.size(), 11u);
    ASSERT_EQ(drawnLines.size(), 11u);
    // The drawn study's runs.csv is the plain one's with the two draws after
    // the key results, on every line.
    const auto header = study::CsvFields(drawnLines[0]);
    auto plainHeader = study::CsvFields(plainLines[0]);
    plainHeader.push_back("model_error_rise_normal");
    plainHeader.push_back("model_error_depth_normal");
    EXPECT_EQ(header, plainHeader);
    for (std::size_t i = 1; i < drawnLines.size(); ++i) {
        const auto before = study::CsvFields(plainLines[i]);
        const auto after = study::CsvFields(drawnLines[i]);
        ASSERT_EQ(after.size(), before.size() + 2) << i;
        for (const char* draw : {"model_error_rise_normal", "model_error_depth_normal"}) {
            const double z = std::stod(after[Column(header, draw)]);
            EXPECT_TRUE(std::isfinite(z) && std::abs(z) < 8) << i << " " << draw;
        }
        const std::size_t peak = Column(header, "peak_layer_temperature_c");
        if (after[Column(header, "loss-fraction")] == "0.6") {
            EXPECT_EQ(after[Column(header, "status")], "ok");
            // The same run (the same inputs), its rise scaled by its draw.
            EXPECT_EQ(after[Column(header, "vent-width")], before[Column(header, "vent-width")]);
            EXPECT_NE(after[peak], before[peak]) << i;
            // The heat released is the fire's and stays.
            EXPECT_EQ(after[Column(header, "heat_released_mj")],
                      before[Column(header, "heat_released_mj")]);
        } else {
            EXPECT_EQ(after[Column(header, "status")], "rejected");
            EXPECT_EQ(after[Column(header, "message")].rfind("model-uncertainty: ", 0), 0u)
                << after[Column(header, "message")];
        }
    }
    const Json summary = Json::parse(ReadFile(In("drawn-results/summary.json")));
    EXPECT_EQ(summary["study"]["model-uncertainty"], true);
}

} // namespace
} // namespace vorla::cli

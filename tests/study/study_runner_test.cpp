#include "common/key_results/key_results.h"
#include "common/key_results/key_results_files.h"
#include "common/text/round_trip_text.h"
#include "fake_room.h"
#include "study/runs_table.h"
#include "study/study_runner.h"
#include "study_test_files.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <thread>

namespace vorla::study {
namespace {

TEST(RunStudy, TheSameBytesWithAnyNumberOfThreads) {
    TestFolder folder;
    const Study study = OfficeStudy(folder);
    std::map<std::string, std::string> first;
    for (const unsigned threads : {1u, 2u, 4u}) {
        RunnerOptions options;
        options.Threads = threads;
        const std::string out = folder.Path("out-" + std::to_string(threads));
        ASSERT_EQ(RunStudy(study, FakeRoom, options, out), std::nullopt);
        const auto files = FilesIn(out);
        if (threads == 1) {
            first = files;
            EXPECT_EQ(files.size(), 3u);
            EXPECT_EQ(files.count("runs.csv"), 1u);
            EXPECT_EQ(files.count("summary.json"), 1u);
            EXPECT_EQ(files.count("summary.md"), 1u);
        } else {
            EXPECT_EQ(files, first) << threads << " threads";
        }
    }
}

TEST(RunStudy, ShardsMergeIntoTheUnshardedOutputs) {
    TestFolder folder;
    const Study study = OfficeStudy(folder);
    RunnerOptions whole;
    whole.KeepReports = true;
    ASSERT_EQ(RunStudy(study, FakeRoom, whole, folder.Path("whole")), std::nullopt);

    std::vector<std::string> parts;
    for (std::size_t k = 3; k >= 1; --k) {
        RunnerOptions options;
        options.Threads = 2;
        options.Part = {k, 3};
        options.KeepReports = true;
        parts.push_back(folder.Path("part-" + std::to_string(k)));
        ASSERT_EQ(RunStudy(study, FakeRoom, options, parts.back()), std::nullopt);
        EXPECT_TRUE(std::filesystem::exists(parts.back() + "/shard.json"));
        EXPECT_FALSE(std::filesystem::exists(parts.back() + "/summary.json"));
    }
    ASSERT_EQ(MergeStudyShards(parts, folder.Path("merged")), std::nullopt);
    const auto merged = FilesIn(folder.Path("merged"));
    EXPECT_EQ(merged, FilesIn(folder.Path("whole")));
    EXPECT_EQ(merged.at("reports/run-07.vof"), "report of run 7\r\n");
}

TEST(MergeStudyShards, RefusesIncompleteOrForeignShards) {
    TestFolder folder;
    const Study study = OfficeStudy(folder);
    std::vector<std::string> parts;
    for (std::size_t k = 1; k <= 2; ++k) {
        RunnerOptions options;
        options.Part = {k, 2};
        parts.push_back(folder.Path("part-" + std::to_string(k)));
        ASSERT_EQ(RunStudy(study, FakeRoom, options, parts.back()), std::nullopt);
    }
    RunnerOptions otherOptions;
    otherOptions.Part = {2, 2};
    std::string otherText = kStudy;
    otherText.replace(otherText.find("seed = 2026"), 11, "seed = 2027");
    const auto other = std::get<Study>(ReadStudyFile(folder.Write("other.toml", otherText)));
    ASSERT_EQ(RunStudy(other, FakeRoom, otherOptions, folder.Path("other-2")), std::nullopt);

    const auto merge = [&](std::vector<std::string> dirs) {
        return MergeStudyShards(dirs, folder.Path("merged")).value_or("merged");
    };
    EXPECT_EQ(merge({parts[0]}), "Shard 2 of 2 is missing: name the folder of every shard.");
    EXPECT_EQ(merge({parts[0], parts[0]}),
              "The folders " + parts[0] + " and " + parts[0] + " both hold shard 1.");
    EXPECT_EQ(merge({parts[0], folder.Path("other-2")}), "The folders " + parts[0] + " and " +
                                                             folder.Path("other-2") +
                                                             " hold shards of different studies.");
    EXPECT_EQ(merge({parts[0], folder.Path("nowhere")}),
              "The file " + folder.Path("nowhere") +
                  "/shard.json cannot be opened; is its folder a shard of a study?");

    // A shard cut short loses runs: the merge says which is missing.
    const std::string csv = TestFolder::Read(parts[1] + "/runs.csv");
    const auto lastLine = csv.rfind("\r\n", csv.size() - 3);
    folder.Write("part-2/runs.csv", csv.substr(0, lastLine + 2));
    EXPECT_EQ(merge(parts), "Run 80 is missing from the shards; was one of them stopped before "
                            "its end?");
    EXPECT_FALSE(std::filesystem::exists(folder.Path("merged")));
}

// runs.csv read back as cells, by the header's names.
std::vector<std::map<std::string, std::string>> RunsOf(const std::string& path) {
    const auto table = std::get<RunsTable>(ParseRunsCsv(TestFolder::Read(path), path));
    std::vector<std::map<std::string, std::string>> runs;
    for (const auto& line : table.Lines) {
        const auto cells = CsvFields(line);
        std::map<std::string, std::string> run;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            run[table.Header[i]] = cells[i];
        }
        runs.push_back(run);
    }
    return runs;
}

TEST(RunStudy, NewDistributionsSampleTheirMeansAndAreEchoedAsWritten) {
    // 400 random runs: the sample means lie within 4 standard errors of the
    // distributions' means (a false failure about once in 16 000 seeds).
    TestFolder folder;
    const auto read = ReadStudyFile(folder.Write("new.toml", R"(model = "compartment"
runs = 400
seed = 11
[base]
run-time = 600
fire = "medium.fir"
[vary]
loss-fraction = { beta = [2, 5, 0.5, 0.9] }
floor-area = { truncated-normal = [18, 3, 12, 24] }
room-height = { empirical = { values = [3, 2.4, 2.7] } }
fire-height = { empirical = { cdf = [[0, 0], [0.2, 0.5], [1, 1]] } }
)"));
    ASSERT_TRUE(std::holds_alternative<Study>(read)) << std::get<std::string>(read);
    ASSERT_EQ(RunStudy(std::get<Study>(read), FakeRoom, RunnerOptions{}, folder.Path("out")),
              std::nullopt);
    const auto runs = RunsOf(folder.Path("out/runs.csv"));
    ASSERT_EQ(runs.size(), 400u);
    struct Input {
        const char* name;
        double mean; // from the distribution's formula
        double sd;
    };
    // Beta(2, 5) scaled to [0.5, 0.9]: 0.5 + 0.4 * 2/7, sd 0.4 * sqrt(10 / 392).
    // N(18, 3) on [12, 24] (+-2 sd): mean 18 by symmetry, the sd shrinks by
    // sqrt(1 - 2 a phi(a) / (Phi(a) - Phi(-a))) = 0.8796 at a = 2.
    // Three equal values: mean 2.7, sd sqrt(0.06) (population).
    // F linear through (0, 0), (0.2, 0.5), (1, 1): halves uniform on [0, 0.2] and
    // [0.2, 1], mean 0.5 (0.1 + 0.6) = 0.35, E[x^2] = 0.5 (0.04 / 3 + 1.24 / 3).
    const Input inputs[] = {
        {"loss-fraction", 0.5 + 0.4 * 2 / 7.0, 0.4 * std::sqrt(10 / 392.0)},
        {"floor-area", 18, 3 * 0.8796},
        {"room-height", 2.7, std::sqrt(0.06)},
        {"fire-height", 0.35, std::sqrt(0.5 * (0.04 + 1.24) / 3 - 0.35 * 0.35)},
    };
    for (const auto& input : inputs) {
        double sum = 0;
        for (const auto& run : runs) {
            sum += std::stod(run.at(input.name));
        }
        EXPECT_NEAR(sum / 400, input.mean, 4 * input.sd / std::sqrt(400.0)) << input.name;
    }
    const auto summary = nlohmann::json::parse(TestFolder::Read(folder.Path("out/summary.json")));
    const auto& vary = summary["study"]["vary"];
    EXPECT_EQ(vary["loss-fraction"].dump(), R"({"beta":[2.0,5.0,0.5,0.9]})");
    EXPECT_EQ(vary["floor-area"].dump(), R"({"truncated-normal":[18.0,3.0,12.0,24.0]})");
    EXPECT_EQ(vary["room-height"].dump(), R"({"empirical":{"values":[3.0,2.4,2.7]}})");
    EXPECT_EQ(vary["fire-height"].dump(),
              R"({"empirical":{"cdf":[[0.0,0.0],[0.2,0.5],[1.0,1.0]]}})");
}

// The fake room whose small rooms (floor area below 18 m²) have flames at the
// ceiling, and whose fast fire's rooms are also outside the tested range.
StudyRunOutcome RoomPastItsLimits(const RunRequest& request) {
    StudyRunOutcome outcome = FakeRoom(request);
    if (outcome.Status != RunStatus::Ok) {
        return outcome;
    }
    if (std::stod(OptionText(request, "floor-area")) < 18) {
        outcome.Keys.ValidityLimits.push_back({"flames_reach_ceiling", 60, 0, 0, 0});
    }
    if (OptionText(request, "fire").ends_with("fast.fir")) {
        outcome.Keys.ValidityLimits.push_back({"outside_tested_range", 30, 0.05, 0.004, 0.038});
    }
    return outcome;
}

TEST(RunStudy, SummaryCountsTheRunsPastEachValidityLimitPerGridPoint) {
    TestFolder folder;
    const Study study = OfficeStudy(folder);
    ASSERT_EQ(RunStudy(study, RoomPastItsLimits, RunnerOptions{}, folder.Path("whole")),
              std::nullopt);
    // The counts from runs.csv by their inputs, independently of the runner.
    std::size_t small[2] = {};
    std::size_t ok[2] = {};
    for (const auto& run : RunsOf(folder.Path("whole/runs.csv"))) {
        const std::size_t point = run.at("grid_point") == "1" ? 0 : 1;
        if (run.at("status") == "ok") {
            ++ok[point];
            small[point] += std::stod(run.at("floor-area")) < 18;
        }
    }
    ASSERT_GT(small[0] + small[1], 0u);
    const auto summary = nlohmann::json::parse(TestFolder::Read(folder.Path("whole/summary.json")));
    ASSERT_TRUE(summary.contains("validity_limit_runs")) << summary.dump().substr(0, 3000);
    EXPECT_EQ(summary["validity_limit_runs"]["flames_reach_ceiling"], small[0] + small[1]);
    EXPECT_EQ(summary["validity_limit_runs"]["outside_tested_range"], ok[1]);
    const auto& points = summary["grid_points"];
    EXPECT_EQ(points[0]["validity_limit_runs"]["flames_reach_ceiling"], small[0]);
    EXPECT_EQ(points[1]["validity_limit_runs"]["flames_reach_ceiling"], small[1]);
    EXPECT_EQ(points[0]["validity_limit_runs"]["outside_tested_range"], 0);
    EXPECT_EQ(points[1]["validity_limit_runs"]["outside_tested_range"], ok[1]);
    const std::string page = TestFolder::Read(folder.Path("whole/summary.md"));
    EXPECT_NE(page.find("## Runs outside the validity limits\n\nRuns whose key results name the "
                        "limit, of 80 runs (per grid point, of its runs).\n\n| Limit | Whole study "
                        "| Grid point 1 | Grid point 2 |\n|---|---:|---:|---:|\n"
                        "| flames_reach_ceiling | " +
                        std::to_string(small[0] + small[1]) + " | " + std::to_string(small[0]) +
                        " | " + std::to_string(small[1]) + " |\n| outside_tested_range | " +
                        std::to_string(ok[1]) + " | 0 | " + std::to_string(ok[1]) + " |\n"),
              std::string::npos)
        << page;

    // Shards count their own runs and the merge adds them up: the same bytes.
    std::vector<std::string> parts;
    for (std::size_t k = 1; k <= 3; ++k) {
        RunnerOptions options;
        options.Part = {k, 3};
        parts.push_back(folder.Path("part-" + std::to_string(k)));
        ASSERT_EQ(RunStudy(study, RoomPastItsLimits, options, parts.back()), std::nullopt);
    }
    ASSERT_EQ(MergeStudyShards(parts, folder.Path("merged")), std::nullopt);
    EXPECT_EQ(FilesIn(folder.Path("merged")), FilesIn(folder.Path("whole")));

    // A study no run of which crossed a limit has neither the key nor the table.
    ASSERT_EQ(RunStudy(study, FakeRoom, RunnerOptions{}, folder.Path("within")), std::nullopt);
    EXPECT_EQ(TestFolder::Read(folder.Path("within/summary.json")).find("validity_limit_runs"),
              std::string::npos);
    EXPECT_EQ(TestFolder::Read(folder.Path("within/summary.md")).find("validity limits"),
              std::string::npos);
}

TEST(RunStudy, RunsCsvAndSummaryAgreeWithAnIndependentCount) {
    TestFolder folder;
    const Study study = OfficeStudy(folder);
    ASSERT_EQ(RunStudy(study, FakeRoom, RunnerOptions{}, folder.Path("out")), std::nullopt);
    const auto runs = RunsOf(folder.Path("out/runs.csv"));
    ASSERT_EQ(runs.size(), 80u);

    std::size_t ok = 0;
    std::size_t rejected = 0;
    std::size_t flashovers = 0;
    std::vector<double> peaks;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const auto& run = runs[i];
        EXPECT_EQ(run.at("run"), std::to_string(i + 1));
        EXPECT_EQ(run.at("grid_point"), i < 40 ? "1" : "2");
        EXPECT_EQ(run.at("fire"), i < 40 ? "slow.fir" : "fast.fir");
        const double area = std::stod(run.at("floor-area"));
        EXPECT_GE(area, 12);
        if (area > 24) {
            ++rejected;
            EXPECT_EQ(run.at("status"), "rejected");
            EXPECT_EQ(run.at("message"), "The floor area must be at most 24 m\xc2\xb2.");
            EXPECT_EQ(run.at("peak_layer_temperature_c"), "");
            continue;
        }
        ++ok;
        EXPECT_EQ(run.at("status"), "ok");
        EXPECT_EQ(run.at("end_time_s"), "600");
        flashovers += !run.at("flashover_time_s").empty();
        peaks.push_back(std::stod(run.at("peak_layer_temperature_c")));
    }
    ASSERT_GT(rejected, 0u) << "the sample should reach the refused rooms";
    ASSERT_GT(flashovers, 0u);

    const auto summary = nlohmann::json::parse(TestFolder::Read(folder.Path("out/summary.json")));
    EXPECT_EQ(summary["runs"], 80);
    EXPECT_EQ(summary["status"]["ok"], ok);
    EXPECT_EQ(summary["status"]["rejected"], rejected);
    EXPECT_EQ(summary["status"]["fire_file_error"], 0);
    EXPECT_EQ(summary["study"]["seed"], 2026);
    EXPECT_EQ(summary["study"]["vary"]["floor-area"]["min"], 12.0);

    const auto& overall = summary["overall"];
    double sum = 0;
    for (const double p : peaks) {
        sum += p;
    }
    std::sort(peaks.begin(), peaks.end());
    const auto& peak = overall["peak_layer_temperature_c"];
    EXPECT_EQ(peak["count"], ok);
    EXPECT_NEAR(peak["mean"].get<double>(), sum / ok, 1e-9);
    EXPECT_EQ(peak["min"].get<double>(), peaks.front());
    EXPECT_EQ(peak["max"].get<double>(), peaks.back());
    const double h = (peaks.size() - 1) * 0.5;
    const auto lo = static_cast<std::size_t>(h);
    EXPECT_NEAR(peak["p50"].get<double>(), peaks[lo] + (h - lo) * (peaks[lo + 1] - peaks[lo]),
                1e-9);
    EXPECT_DOUBLE_EQ(overall["probabilities"]["flashover"]["p"].get<double>(),
                     static_cast<double>(flashovers) / ok);
    // The fake room heats more with less loss: with the fast fire, loss-fraction
    // leads the ranking of the time to 200 °C, and slows it down.
    const auto& ranking =
        summary["grid_points"][1]["stats"]["sensitivity"]["layer_temperature_reaches_s@200"];
    ASSERT_FALSE(ranking.empty());
    EXPECT_EQ(ranking[0][0], "loss-fraction");
    EXPECT_GT(ranking[0][1].get<double>(), 0.5);

    ASSERT_EQ(summary["grid_points"].size(), 2u);
    EXPECT_EQ(summary["grid_points"][1]["inputs"]["fire"], "fast.fir");
    EXPECT_EQ(summary["grid_points"][0]["grid_point"], 1);

    const std::string page = TestFolder::Read(folder.Path("out/summary.md"));
    EXPECT_NE(page.find("## Grid point 2: fire = fast.fir"), std::string::npos);
    EXPECT_NE(page.find("| flashover |"), std::string::npos);
}

TEST(RunStudy, TheRunIsAskedWithTheStudysOptions) {
    TestFolder folder;
    const Study study = OfficeStudy(folder);
    std::mutex mutex;
    std::vector<RunRequest> requests;
    const RunCallback record = [&](const RunRequest& request) {
        {
            std::lock_guard lock(mutex);
            requests.push_back(request);
        }
        return FakeRoom(request);
    };
    RunnerOptions options;
    options.Part = {2, 40};
    ASSERT_EQ(RunStudy(study, record, options, folder.Path("out")), std::nullopt);
    ASSERT_EQ(requests.size(), 2u);
    std::sort(requests.begin(), requests.end(),
              [](const auto& a, const auto& b) { return a.Run < b.Run; });
    EXPECT_EQ(requests[0].Run, 1u);
    EXPECT_EQ(requests[1].Run, 41u);
    EXPECT_EQ(requests[1].GridPoint, 1u);
    const auto& asked = requests[1].Options;
    ASSERT_EQ(asked.size(), 6u);
    EXPECT_EQ(asked[0], (std::pair<std::string, std::string>("units", "si")));
    EXPECT_EQ(asked[1], (std::pair<std::string, std::string>("run-time", "600")));
    EXPECT_EQ(asked[2], (std::pair<std::string, std::string>("flashover", "continue")));
    // The varied fire replaces the base one, resolved beside the study file.
    EXPECT_EQ(asked[3], (std::pair<std::string, std::string>("fire", folder.Path("fast.fir"))));
    EXPECT_EQ(asked[4].first, "loss-fraction");
    EXPECT_EQ(asked[5].first, "floor-area");
    EXPECT_EQ(requests[1].Fire.get(), study.Fires.at(folder.Path("fast.fir")).get());
    EXPECT_EQ(requests[1].Criteria, &study.Criteria);

    const auto runs = RunsOf(folder.Path("out/runs.csv"));
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].at("loss-fraction"), asked[4].second);
    EXPECT_EQ(runs[1].at("floor-area"), asked[5].second);

    // The key result columns are those of a single run's --summary-csv, with the
    // same texts.
    const std::string csv = TestFolder::Read(folder.Path("out/runs.csv"));
    const std::string single = KeyResultsCsv(FakeRoom(requests[1]).Keys);
    const std::string singleHeader = single.substr(0, single.find("\r\n"));
    const std::string singleData =
        single.substr(singleHeader.size() + 2, single.size() - singleHeader.size() - 4);
    EXPECT_TRUE(csv.substr(0, csv.find("\r\n")).ends_with(",message," + singleHeader));
    EXPECT_NE(csv.find(",ok,," + singleData + "\r\n"), std::string::npos) << csv;
}

TEST(RunStudy, ReportsProgressAndFailures) {
    TestFolder folder;
    const Study study = OfficeStudy(folder);
    std::vector<StudyProgress> seen;
    RunnerOptions options;
    options.Threads = 2;
    options.OnProgress = [&](const StudyProgress& progress) { seen.push_back(progress); };
    ASSERT_EQ(RunStudy(study, FakeRoom, options, folder.Path("out")), std::nullopt);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().Done, 80u);
    EXPECT_EQ(seen.back().Total, 80u);
    EXPECT_EQ(*seen.back().SecondsLeft, 0);
    EXPECT_GT(seen.back().RunsPerSecond, 0);

    const RunCallback failing = [](const RunRequest& request) -> StudyRunOutcome {
        if (request.Run == 9) {
            throw std::runtime_error("out of memory");
        }
        return FakeRoom(request);
    };
    EXPECT_EQ(RunStudy(study, failing, RunnerOptions{}, folder.Path("failed")),
              "Run 10 of the study failed: out of memory");
    EXPECT_FALSE(std::filesystem::exists(folder.Path("failed/runs.csv")));

    // Two runs fail: the lower is reported however the threads finish, even
    // when the higher fails long before it.
    const RunCallback twoFail = [](const RunRequest& request) -> StudyRunOutcome {
        if (request.Run == 2) {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            throw std::runtime_error("third");
        }
        if (request.Run == 59) {
            throw std::runtime_error("sixtieth");
        }
        return FakeRoom(request);
    };
    RunnerOptions four;
    four.Threads = 4;
    EXPECT_EQ(RunStudy(study, twoFail, four, folder.Path("two-failed")),
              "Run 3 of the study failed: third");

    folder.Write("file", "");
    EXPECT_EQ(RunStudy(study, FakeRoom, RunnerOptions{}, folder.Path("file")),
              "The folder " + folder.Path("file") + " could not be created (Not a directory).");
}

TEST(ParseShard, KOfN) {
    EXPECT_EQ(std::get<Shard>(ParseShard("2/3")).Index, 2u);
    EXPECT_EQ(std::get<Shard>(ParseShard("2/3")).Count, 3u);
    for (const char* bad : {"0/3", "4/3", "3", "a/b", "1/", "/2", "-1/2", "1/2/3"}) {
        EXPECT_EQ(std::get<std::string>(ParseShard(bad)),
                  "The value of --shard must be K/N with 1 <= K <= N, not \"" + std::string(bad) +
                      "\".");
    }
}

// [model-uncertainty] gives every run two standard normal draws, from the seed
// and the run's number alone: the same in any shard, and distributed as a
// standard normal (over 400 runs the mean lies within 4/√400 = 0.2 of 0 and
// the standard deviation within 0.15 of 1).
TEST(RunStudy, TheModelErrorIsDrawnPerRun) {
    TestFolder folder;
    Study study = OfficeStudy(folder);
    study.SamplesPerGridPoint = 250;
    const auto normalsOf = [&](const Study& s, RunnerOptions options) {
        std::mutex mutex;
        std::map<std::size_t, std::optional<std::pair<double, double>>> drawn;
        const RunCallback record = [&](const RunRequest& request) {
            std::lock_guard lock(mutex);
            drawn[request.Run] = request.ModelErrorNormals;
            return FakeRoom(request);
        };
        EXPECT_EQ(RunStudy(s, record, options, folder.Path("out")), std::nullopt);
        return drawn;
    };
    for (const auto& [run, normals] : normalsOf(study, {})) {
        EXPECT_FALSE(normals) << run;
    }
    study.ModelUncertainty = true;
    const auto all = normalsOf(study, {});
    RunnerOptions shard;
    shard.Part = {2, 3};
    const auto part = normalsOf(study, shard);
    ASSERT_FALSE(part.empty());
    for (const auto& [run, normals] : part) {
        ASSERT_TRUE(normals);
        EXPECT_EQ(*normals, *all.at(run)) << run;
    }
    double sum[2] = {0, 0}, squares[2] = {0, 0};
    std::size_t count = 0;
    for (const auto& [run, normals] : all) {
        ASSERT_TRUE(normals);
        EXPECT_NE(normals->first, normals->second);
        for (int k = 0; k < 2; ++k) {
            const double z = k == 0 ? normals->first : normals->second;
            sum[k] += z;
            squares[k] += z * z;
        }
        ++count;
    }
    ASSERT_GE(count, 400u);
    for (int k = 0; k < 2; ++k) {
        const double mean = sum[k] / count;
        EXPECT_NEAR(mean, 0, 4 / std::sqrt(double(count))) << k;
        EXPECT_NEAR(std::sqrt(squares[k] / count - mean * mean), 1, 0.15) << k;
    }
}

// runs.csv carries each run's draw in two columns after the key results when
// the study draws the model's error, every run's line alike (a rejected run's
// too), and has no such columns when it does not; the summary takes no
// statistics of the draws.
TEST(RunStudy, RunsCsvCarriesTheModelErrorDrawOnlyWhenDrawn) {
    TestFolder folder;
    Study study = OfficeStudy(folder);
    std::mutex mutex;
    std::map<std::size_t, std::pair<double, double>> drawn;
    const RunCallback record = [&](const RunRequest& request) {
        std::lock_guard lock(mutex);
        if (request.ModelErrorNormals) {
            drawn[request.Run] = *request.ModelErrorNormals;
        }
        return FakeRoom(request);
    };
    ASSERT_EQ(RunStudy(study, record, RunnerOptions{}, folder.Path("plain")), std::nullopt);
    for (const auto& run : RunsOf(folder.Path("plain/runs.csv"))) {
        EXPECT_EQ(run.count("model_error_rise_normal"), 0u);
        EXPECT_EQ(run.count("model_error_depth_normal"), 0u);
    }
    EXPECT_TRUE(drawn.empty());

    study.ModelUncertainty = true;
    ASSERT_EQ(RunStudy(study, record, RunnerOptions{}, folder.Path("drawn")), std::nullopt);
    const std::string csv = TestFolder::Read(folder.Path("drawn/runs.csv"));
    const std::string header = csv.substr(0, csv.find("\r\n"));
    EXPECT_EQ(header.substr(header.size() - 49),
              ",model_error_rise_normal,model_error_depth_normal");
    const auto runs = RunsOf(folder.Path("drawn/runs.csv"));
    ASSERT_EQ(runs.size(), drawn.size());
    std::size_t rejected = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(std::stod(runs[i].at("model_error_rise_normal")), drawn.at(i).first) << i;
        EXPECT_EQ(std::stod(runs[i].at("model_error_depth_normal")), drawn.at(i).second) << i;
        rejected += runs[i].at("status") == "ok" ? 0 : 1;
    }
    EXPECT_GT(rejected, 0u); // the office study rejects some runs: their draws are kept too
    const auto summary = nlohmann::json::parse(TestFolder::Read(folder.Path("drawn/summary.json")));
    EXPECT_FALSE(summary.dump().find("model_error_") != std::string::npos);
}

} // namespace
} // namespace vorla::study

// Speed of design studies: the engine itself (sampling, the worker threads,
// runs.csv and the summaries of a 10 000-run study, with a stand-in for the
// model that only computes the key results of 121 rows), and the example
// office study (examples/study/office.toml, 600 s runs, five varied inputs)
// made 10 000 runs long with the real compartment model, on one and two
// threads. Run `vorla study` under /usr/bin/time -v for its memory.
#include "cli/study_runs.h"
#include "common/key_results/key_results.h"
#include "common/files/text_file.h"
#include "study/study_runner.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace vorla::study {
namespace {

double Option(const RunRequest& request, const char* name) {
    for (const auto& [option, text] : request.Options) {
        if (option == name) {
            return std::stod(text);
        }
    }
    return 0;
}

StudyRunOutcome KeyResultsOnly(const RunRequest& request) {
    const double loss = Option(request, "loss-fraction");
    const double area = Option(request, "floor-area");
    std::vector<RunRow> rows;
    rows.reserve(121);
    for (int t = 0; t <= 600; t += 5) {
        const double rate = FireRateAt(*request.Fire, t);
        rows.push_back({static_cast<double>(t), 20 + (1 - loss) * rate / area * t / 30,
                        2.4 - t * 0.001 * (1 - loss), rate, 0.1, false});
    }
    RunView view;
    view.Rows = rows;
    StudyRunOutcome outcome;
    outcome.Keys = ComputeKeyResults(view, *request.Fire, *request.Criteria);
    return outcome;
}

struct BenchFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("vorla-study-bench-" + std::to_string(::getpid()));
    BenchFolder() {
        std::filesystem::create_directories(path);
        std::ofstream(path / "fire.fir") << "0 0 0\n300 1000 0\n900 1000 0\n-9 -9 -9\n";
        std::ofstream(path / "study.toml")
            << "model = \"compartment\"\nruns = 10000\nsampling = \"latin-hypercube\"\n"
               "[base]\nfire = \"fire.fir\"\nrun-time = 600\n[vary]\n"
               "loss-fraction = { uniform = [0.5, 0.9] }\n"
               "radiative-fraction = { triangular = [0.25, 0.35, 0.45] }\n"
               "floor-area = { normal = [20, 2], min = 15, max = 25 }\n"
               "vent-width = { lognormal = [-0.1, 0.2] }\n"
               "soffit-height = { uniform = [1.8, 2.2] }\n";
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }
};

void TenThousandRunStudy(benchmark::State& state) {
    const BenchFolder folder;
    auto read = ReadStudyFile((folder.path / "study.toml").string());
    if (auto* problem = std::get_if<std::string>(&read)) {
        state.SkipWithError(problem->c_str());
        return;
    }
    const Study& study = std::get<Study>(read);
    RunnerOptions options;
    options.Threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        if (const auto problem =
                RunStudy(study, KeyResultsOnly, options, (folder.path / "out").string())) {
            state.SkipWithError(problem->c_str());
            return;
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * study.TotalRuns()));
}
BENCHMARK(TenThousandRunStudy)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The example office study with 5000 samples at each of its two grid points.
void OfficeStudyOfTenThousandRuns(benchmark::State& state) {
    const std::string path = std::string(VORLA_EXAMPLES_DIR) + "/study/office.toml";
    std::string text = ReadWholeFile(path).text;
    const std::string runs = "runs = 500 ";
    const auto at = text.find(runs);
    if (at == std::string::npos) {
        state.SkipWithError("examples/study/office.toml no longer has runs = 500");
        return;
    }
    text.replace(at, runs.size(), "runs = 5000 ");
    auto read = ParseStudy(text, path);
    if (auto* problem = std::get_if<std::string>(&read)) {
        state.SkipWithError(problem->c_str());
        return;
    }
    const Study& study = std::get<Study>(read);
    const BenchFolder folder;
    RunnerOptions options;
    options.Threads = static_cast<unsigned>(state.range(0));
    const RunCallback run = cli::StudyRunCallback(study.Model.Model);
    for (auto _ : state) {
        if (const auto problem = RunStudy(study, run, options, (folder.path / "out").string())) {
            state.SkipWithError(problem->c_str());
            return;
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * study.TotalRuns()));
}
BENCHMARK(OfficeStudyOfTenThousandRuns)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(1);

// The office study, 10 000 runs, each followed by 16 devices (the last a
// sprinkler), tenability and an RSET from the first detection.
void OfficeStudyWithDevicesAndAset(benchmark::State& state) {
    const std::string path = std::string(VORLA_EXAMPLES_DIR) + "/study/office.toml";
    std::string text = ReadWholeFile(path).text;
    const std::string runs = "runs = 500 ";
    const auto at = text.find(runs);
    const auto base = text.find("[base]");
    if (at == std::string::npos || base == std::string::npos) {
        state.SkipWithError("examples/study/office.toml no longer has runs = 500 and [base]");
        return;
    }
    text.replace(at, runs.size(), "runs = 5000 ");
    std::string devices = "device = [";
    for (int k = 1; k <= 16; ++k) {
        devices += std::string(k == 1 ? "" : ", ") + "\"kind=" + (k == 16 ? "sprinkler" : "heat") +
                   ",name=D" + std::to_string(k) + ",radius=" + std::to_string(0.5 + 0.2 * k) +
                   ",below-ceiling=0.05,rti=50,temperature=68\"";
    }
    devices += "]\nsoot-yield = 0.05\n";
    // After the longer runs line: [base] has moved on by one character.
    text.insert(text.find('\n', text.find("[base]")) + 1, devices);
    text +=
        "\n[rset]\nfrom = \"detection\"\npre-movement = { uniform = [30, 90] }\nmovement = 30\n";
    auto read = ParseStudy(text, path);
    if (auto* problem = std::get_if<std::string>(&read)) {
        state.SkipWithError(problem->c_str());
        return;
    }
    const Study& study = std::get<Study>(read);
    const BenchFolder folder;
    RunnerOptions options;
    options.Threads = static_cast<unsigned>(state.range(0));
    const RunCallback run = cli::StudyRunCallback(study.Model.Model, path);
    for (auto _ : state) {
        if (const auto problem = RunStudy(study, run, options, (folder.path / "out").string())) {
            state.SkipWithError(problem->c_str());
            return;
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * study.TotalRuns()));
}
BENCHMARK(OfficeStudyWithDevicesAndAset)
    ->Arg(2)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(1);

} // namespace
} // namespace vorla::study

BENCHMARK_MAIN();

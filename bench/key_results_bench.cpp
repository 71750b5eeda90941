// Speed of the key results of a full-length run: 1801 rows, a fire table of
// 301 points, the default criteria.
#include "common/key_results/key_results.h"
#include "common/key_results/key_results_files.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace vorla {
namespace {

struct LongRun {
    std::vector<RunRow> rows;
    FireTable fire;
};

LongRun OfficeLikeRun() {
    LongRun run;
    for (int i = 0; i <= 1800; ++i) {
        const double t = 5.0 * i;
        const double rate = t < 358 ? 0.01172 * t * t : 1500;
        run.rows.push_back({t, 20 + 700 * (1 - std::exp(-t / 400)), 2.4 * std::exp(-t / 300), rate,
                            0.002 * std::sqrt(rate), t > 600});
    }
    for (int k = 0; k <= 300; ++k) {
        const double t = 30.0 * k;
        run.fire.Points[k] = {t, t < 358 ? 0.01172 * t * t : 1500};
    }
    run.fire.LastIndex = 300;
    return run;
}

void KeyResultsOfALongRun(benchmark::State& state) {
    const LongRun run = OfficeLikeRun();
    RunView view;
    view.Rows = run.rows;
    view.FlashoverRow = 120;
    const KeyCriteria criteria;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeKeyResults(view, run.fire, criteria));
    }
}
BENCHMARK(KeyResultsOfALongRun)->Unit(benchmark::kMicrosecond);

void KeyResultsWithTheirCsvLine(benchmark::State& state) {
    const LongRun run = OfficeLikeRun();
    RunView view;
    view.Rows = run.rows;
    const KeyCriteria criteria;
    for (auto _ : state) {
        benchmark::DoNotOptimize(KeyResultCells(ComputeKeyResults(view, run.fire, criteria)));
    }
}
BENCHMARK(KeyResultsWithTheirCsvLine)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorla

BENCHMARK_MAIN();

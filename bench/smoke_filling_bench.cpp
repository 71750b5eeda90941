// How long SKEVA-XW keeps the user waiting: a run of 600 s, a run of the
// longest 9000 s (1801 rows), each next to the literal calculation it must
// agree with bit for bit, and building the report text of such a run.
#include "common/fire_files/fire_file_reader.h"
#include "literal/smoke_filling_literal.h"
#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/report_text.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <iostream>
#include <memory>

namespace {

using namespace vorla::smoke;
using vorla::CompletedRun;

// A medium t-squared fire (0.01172 kW/s²) in 5 s points, capped at 100 kW and
// burning for 10000 s, in a hall large enough for the layer to stay above the
// floor for the whole 9000 s.
std::unique_ptr<Calculations> Hall(std::int16_t runTime) {
    auto calc = std::make_unique<Calculations>();
    std::string fire;
    for (int t = 0; t <= 90; t += 5) {
        const double q = 0.01172 * t * t;
        fire += std::to_string(t) + " " + std::to_string(q < 100 ? q : 100) + " 0\r\n";
    }
    fire += "10000 100 0\r\n-9 -9 -9\r\n";
    if (vorla::ParseFireFile(fire, "bench.fir", calc->Fire)) {
        std::cerr << "the benchmark's fire is not valid\n";
        std::abort();
    }
    calc->Inputs.FloorArea = 1000;
    calc->Inputs.RoomHeight = 30;
    calc->Inputs.FireHeight = 0;
    calc->Inputs.LossFraction = 0.6;
    calc->Inputs.RunTime = runTime;
    calc->Inputs.RunTitle = "Benchmark hall";
    calc->Inputs.OutputFile = "HALL.SOF";
    calc->Inputs.FireFile = "HALL.FIR";
    return calc;
}

using Simulation = CompletedRun (*)(const RunInputs&, const vorla::FireTable&, RunResults&);

void RunFor(
    benchmark::State& state, std::int16_t runTime, int expectedLastRow,
    Simulation simulate = [](const RunInputs& in, const vorla::FireTable& fire,
                             RunResults& results) { return RunModel(in, fire, results); }) {
    auto calc = Hall(runTime);
    for (auto _ : state) {
        const CompletedRun outcome = simulate(calc->Inputs, calc->Fire, calc->Results);
        benchmark::DoNotOptimize(outcome.LastRow);
        if (outcome.LastRow != expectedLastRow) {
            state.SkipWithError("the run did not reach its run time");
            break;
        }
    }
}

void BM_SmokeFillRun600s(benchmark::State& state) {
    RunFor(state, 600, 120);
}
BENCHMARK(BM_SmokeFillRun600s)->Unit(benchmark::kMillisecond);

void BM_SmokeFillRun9000s(benchmark::State& state) {
    RunFor(state, 9000, 1800);
}
BENCHMARK(BM_SmokeFillRun9000s)->Unit(benchmark::kMillisecond);

void BM_SmokeFillRun600sLiteral(benchmark::State& state) {
    RunFor(state, 600, 120, &literal::RunModel);
}
BENCHMARK(BM_SmokeFillRun600sLiteral)->Unit(benchmark::kMillisecond);

void BM_SmokeFillRun9000sLiteral(benchmark::State& state) {
    RunFor(state, 9000, 1800, &literal::RunModel);
}
BENCHMARK(BM_SmokeFillRun9000sLiteral)->Unit(benchmark::kMillisecond);

void BM_SmokeFillReport1801Rows(benchmark::State& state) {
    auto calc = Hall(9000);
    const CompletedRun outcome = RunModel(calc->Inputs, calc->Fire, calc->Results);
    if (outcome.LastRow != 1800) {
        state.SkipWithError("the run did not give 1801 rows");
        return;
    }
    for (auto _ : state) {
        const std::string text =
            SavedReportText(ReportHeader(calc->Inputs), ReportRows(calc->Inputs, calc->Results),
                            outcome.EndMessage);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_SmokeFillReport1801Rows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// Speed of a compartment run, next to the literal calculation it must agree
// with bit for bit (the same run, the same machine, one program), and of
// building its report.
#include "bench/office_run.h"
#include "common/fire_files/fire_file_reader.h"
#include "common/text/format.h"
#include "common/key_results/key_results_text.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/model_run.h"
#include "compartment/model/report_table_cells.h"
#include "compartment/model/report_text.h"
#include "compartment/model/run_key_results.h"
#include "literal/compartment_literal.h"
#include "literal/format_literal.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>

namespace vorla::compartment {
namespace {

const FlashoverQuestion kContinue = [](const std::string&, std::string_view) { return Answer::No; };

using Simulation = CompletedRun (*)(const RunInputs&, const FireTable&, const FlashoverQuestion&,
                                    RunResults&);

void RunOfficeWith(benchmark::State& state, Simulation simulate) {
    auto calc = OfficeWithSofaFire(static_cast<std::int16_t>(state.range(0)));
    for (auto _ : state) {
        simulate(calc->Inputs, calc->Fire, kContinue, calc->Results);
        benchmark::DoNotOptimize(calc->Results.LayerTemperature[calc->Results.LastRow]);
    }
    state.counters["rows"] = calc->Results.LastRow + 1;
}

void RunOffice(benchmark::State& state) {
    RunOfficeWith(state,
                  [](const RunInputs& in, const FireTable& fire, const FlashoverQuestion& ask,
                     RunResults& results) { return RunModel(in, fire, ask, results); });
}
BENCHMARK(RunOffice)->Arg(600)->Arg(9000)->Unit(benchmark::kMillisecond);

void RunOfficeLiteral(benchmark::State& state) {
    RunOfficeWith(state, &literal::RunModel);
}
BENCHMARK(RunOfficeLiteral)->Arg(600)->Arg(9000)->Unit(benchmark::kMillisecond);

void BuildReportOf1801Rows(benchmark::State& state) {
    auto calc = OfficeWithSofaFire(9000);
    const CompletedRun run = RunModel(calc->Inputs, calc->Fire, kContinue, calc->Results);
    for (auto _ : state) {
        const std::string text = SavedReportText(
            ReportHeader(calc->Inputs), ReportRows(calc->Inputs, calc->Results), run.EndMessage);
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["rows"] = calc->Results.LastRow + 1;
}
BENCHMARK(BuildReportOf1801Rows)->Unit(benchmark::kMillisecond);

// The nine right-aligned numbers of each of 1801 report rows, with today's
// formatting and with the literal one it must match character for character.
template <std::string (*Align)(double, std::string_view)>
void FormatReportNumbersOf1801Rows(benchmark::State& state) {
    auto calc = OfficeWithSofaFire(9000);
    RunModel(calc->Inputs, calc->Fire, kContinue, calc->Results);
    const RunResults& results = calc->Results;
    for (auto _ : state) {
        std::size_t characters = 0;
        for (int r = 0; r <= results.LastRow; ++r) {
            const double celsius = results.LayerTemperature[r];
            const double z = results.InterfaceHeight[r];
            const double rate = results.HeatReleaseRate[r];
            const double flow = results.VentFlow[r];
            characters += Align(results.Time[r], "###0").size() +
                          Align(celsius * 9 / 5 + 32, "###0").size() +
                          Align(celsius, "###0").size() + Align(z / 0.3048, "#0.00").size() +
                          Align(z, "#0.00").size() + Align(rate / 1.055, "####0.0").size() +
                          Align(rate, "####0.0").size() + Align(flow * 2.2046, "#0.000").size() +
                          Align(flow, "#0.000").size();
        }
        benchmark::DoNotOptimize(characters);
    }
    state.SetItemsProcessed(state.iterations() * (results.LastRow + 1) * 9);
}
BENCHMARK(FormatReportNumbersOf1801Rows<&vorla::RightAlign>)
    ->Name("FormatReportNumbersOf1801Rows")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FormatReportNumbersOf1801Rows<&vorla::literal::RightAlign>)
    ->Name("FormatReportNumbersOf1801RowsLiteral")
    ->Unit(benchmark::kMillisecond);

// What the report window adds once a run is over, and again each time the
// criteria change: the key results of 1801 rows in words.
void KeyResultsPanelOf1801Rows(benchmark::State& state) {
    auto calc = OfficeWithSofaFire(9000);
    const CompletedRun run = RunModel(calc->Inputs, calc->Fire, kContinue, calc->Results);
    const KeyCriteria criteria;
    for (auto _ : state) {
        const std::string text =
            KeyResultsText(RunKeyResults(calc->Results, run, calc->Fire, criteria), UnitSystem::SI);
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["rows"] = calc->Results.LastRow + 1;
}
BENCHMARK(KeyResultsPanelOf1801Rows)->Unit(benchmark::kMicrosecond);

// Copy: the 901 rows the screen shows of 1801, as cells.
void ScreenTableCellsOf1801Rows(benchmark::State& state) {
    auto calc = OfficeWithSofaFire(9000);
    RunModel(calc->Inputs, calc->Fire, kContinue, calc->Results);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ScreenTableCells(calc->Inputs, calc->Results));
    }
}
BENCHMARK(ScreenTableCellsOf1801Rows)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vorla::compartment

BENCHMARK_MAIN();

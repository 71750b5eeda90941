// Speed of a compartment run, next to the literal calculation it must agree
// with bit for bit (the same run, the same machine, one program), and of
// building its report.
#include "common/fire_file_reader.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/model_run.h"
#include "compartment/model/report_text.h"
#include "literal/compartment_literal.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>

namespace vorla::compartment {
namespace {

// The office of the examples: while the sofa fire grows, the layer passes
// below the door's soffit and the vent goes from regime 1 through 2 to 3.
std::unique_ptr<Calculations> OfficeWithSofaFire(std::int16_t runTime) {
    auto calc = std::make_unique<Calculations>();
    RunInputs& in = calc->Inputs;
    in.RunTitle = "Office, sofa fire";
    in.OutputFile = "OFFICE.VOF";
    in.FireFile = "office-sofa-tsquared.fir";
    in.FloorArea = 20;
    in.RoomHeight = 2.4;
    in.VentWidth = 0.9;
    in.SoffitHeight = 2.0f;
    in.RadiativeLossFraction = 0.35;
    in.TotalLossFraction = 0.6;
    in.RunTime = runTime;
    in.VentFactor = VentFactorOf(in);
    // A long fire: the example's growth and steady burning stretched to 9000 s.
    std::string fire;
    for (int t = 0; t <= 9000; t += 30) {
        const double rate = t < 358 ? 0.01172 * t * t : 1500;
        fire += std::to_string(t) + " " + std::to_string(rate) + " 0\r\n";
    }
    fire += "-9 -9 -9\r\n";
    if (const auto error = ParseFireFile(fire, "bench.fir", calc->Fire)) {
        std::fprintf(stderr, "%s\n", DescribeFireFileError(*error).c_str());
        std::abort();
    }
    return calc;
}

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
    RunOfficeWith(state, &RunModel);
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

} // namespace
} // namespace vorla::compartment

BENCHMARK_MAIN();

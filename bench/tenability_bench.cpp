// What tenability adds to a compartment run: the observer fed the states of
// every second of a real 600 s and 9000 s run, next to the run itself, and the
// run with the observer attached. The target is at most 20 % of the run.
#include "bench/office_run.h"
#include "common/fire_files/fire_file_reader.h"
#include "common/text/integrator.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/model_run.h"
#include "compartment/model/zone_evaluator.h"
#include "life_safety/tenability/tenability_run.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace vorla::compartment {
namespace {

// The room at every second of the run, stepped as the run steps it: the
// states the model will hand the observer.
std::vector<tenability::ZoneMoment> StatesOf(const RunInputs& in, const FireTable& fire) {
    ZoneEvaluator zones(ZoneModel{in, fire});
    auto derivatives = [&zones](double t, const State& y) { return zones.Derivatives(t, y); };
    const auto moment = [&zones](int t, const State& y) {
        const ZoneFlows<double> flows = zones.Flows<double>(t, y);
        return tenability::ZoneMoment{static_cast<double>(t), flows.HeatReleaseRate,
                                      y.LayerTemperature, y.InterfaceHeight, flows.Vent.HotGasOut};
    };
    State y = {in.RoomHeight - 0.01, kAmbientTemperature};
    std::vector<tenability::ZoneMoment> states{moment(0, y)};
    float previous = 0;
    for (int t = 1; t <= in.RunTime && t <= fire.LastTime(); ++t) {
        y = IntegrateInterval(derivatives, State{0.001, 0.3}, previous, t, y);
        y.InterfaceHeight = std::max(0.0, y.InterfaceHeight);
        states.push_back(moment(t, y));
        previous = static_cast<float>(t);
        if (y.InterfaceHeight <= in.FireHeight || y.InterfaceHeight <= in.SillHeight) {
            break;
        }
    }
    return states;
}

const FlashoverQuestion kContinue = [](const std::string&, std::string_view) { return Answer::No; };

void RunOffice(benchmark::State& state) {
    auto calc = OfficeWithSofaFire(static_cast<std::int16_t>(state.range(0)));
    for (auto _ : state) {
        RunModel(calc->Inputs, calc->Fire, kContinue, calc->Results);
        benchmark::DoNotOptimize(calc->Results.LayerTemperature[calc->Results.LastRow]);
    }
    state.counters["rows"] = calc->Results.LastRow + 1;
}
BENCHMARK(RunOffice)->Arg(600)->Arg(9000)->Unit(benchmark::kMillisecond);

// Start, one Advance a second and a row every 5 s, as the run will call them.
void TenabilityOfOffice(benchmark::State& state) {
    auto calc = OfficeWithSofaFire(static_cast<std::int16_t>(state.range(0)));
    const std::vector<tenability::ZoneMoment> states = StatesOf(calc->Inputs, calc->Fire);
    const tenability::TenabilityInputs inputs;
    auto run = std::make_unique<tenability::TenabilityRun>(
        inputs, tenability::RoomGeometry{calc->Inputs.FloorArea, calc->Inputs.RoomHeight});
    for (auto _ : state) {
        run->Start(states[0]);
        run->RecordRow(0);
        for (std::size_t i = 1; i < states.size(); ++i) {
            run->Advance(states[i - 1], states[i]);
            if (i % 5 == 0) {
                run->RecordRow(static_cast<int>(i / 5));
            }
        }
        benchmark::DoNotOptimize(run->State().FedToxic);
    }
    state.counters["steps"] = static_cast<double>(states.size() - 1);
    if (run->Outcome().Aset) {
        state.counters["aset_s"] = *run->Outcome().Aset;
    }
}
BENCHMARK(TenabilityOfOffice)->Arg(600)->Arg(9000)->Unit(benchmark::kMillisecond);

// The whole cost as a user meets it: the run with the tenability observer
// attached, its flows worked out by an evaluator of its own each second.
void RunOfficeWithTenability(benchmark::State& state) {
    auto calc = OfficeWithSofaFire(static_cast<std::int16_t>(state.range(0)));
    auto run = std::make_unique<tenability::TenabilityRun>(
        tenability::TenabilityInputs{},
        tenability::RoomGeometry{calc->Inputs.FloorArea, calc->Inputs.RoomHeight});
    for (auto _ : state) {
        RunModel(calc->Inputs, calc->Fire, kContinue, calc->Results, run.get());
        benchmark::DoNotOptimize(run->State().FedToxic);
    }
    state.counters["rows"] = calc->Results.LastRow + 1;
}
BENCHMARK(RunOfficeWithTenability)->Arg(600)->Arg(9000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vorla::compartment

BENCHMARK_MAIN();

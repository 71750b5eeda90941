// What detection adds to a compartment run: the observer with 16 devices fed
// the states of every second of a real 600 s and 9000 s run, next to the run
// itself, and the whole run watched by the 16 devices through its step
// observer (the observer's own evaluator of the moments included), as the
// batch command and the windows run it. The target is at most 20 % of the run.
#include "bench/office_run.h"
#include "common/fire_files/fire_file_reader.h"
#include "common/text/integrator.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/model_run.h"
#include "compartment/model/zone_evaluator.h"
#include "life_safety/detection/detection_observer.h"
#include "life_safety/detection/detection_run.h"

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
std::vector<detection::ZoneMoment> StatesOf(const RunInputs& in, const FireTable& fire) {
    ZoneEvaluator zones(ZoneModel{in, fire});
    auto derivatives = [&zones](double t, const State& y) { return zones.Derivatives(t, y); };
    const double ceilingAboveFire = in.RoomHeight - in.FireHeight;
    const auto moment = [&zones, ceilingAboveFire](int t, const State& y) {
        const ZoneFlows<double> flows = zones.Flows<double>(t, y);
        return detection::ZoneMoment{
            static_cast<double>(t), flows.HeatReleaseRate, y.LayerTemperature, y.InterfaceHeight,
            ceilingAboveFire,       kAmbientTemperature,   std::nullopt};
    };
    State y = {in.RoomHeight - 0.01, kAmbientTemperature};
    std::vector<detection::ZoneMoment> states{moment(0, y)};
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

// Sixteen devices of every kind, at radii from 0.5 to 4 m; one sprinkler set
// so high it never operates, so that every step advances at least one link.
std::vector<detection::Device> SixteenDevices() {
    std::vector<detection::Device> devices;
    for (int i = 0; i < 16; ++i) {
        detection::Device d;
        d.Name = "device " + std::to_string(i + 1);
        d.Kind = static_cast<detection::DeviceKind>(i % 3);
        d.Radius = 0.5 + 0.25 * i;
        d.BelowCeiling = 0.02 + 0.01 * (i % 4);
        d.Rti = d.Kind == detection::DeviceKind::SmokeDetector ? (i % 2 ? 5 : 0) : 25 + 10 * i;
        d.Conduction = i % 2 ? 0.5 : 0;
        d.OperatingTemperature = kAmbientTemperature + (i == 15 ? 1000 : 40 + 3 * i);
        devices.push_back(d);
    }
    return devices;
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

// Start and one Advance a second, as the run will call them.
void DetectionOfOffice(benchmark::State& state) {
    auto calc = OfficeWithSofaFire(static_cast<std::int16_t>(state.range(0)));
    const std::vector<detection::ZoneMoment> states = StatesOf(calc->Inputs, calc->Fire);
    detection::DetectionRun run(SixteenDevices(), calc->Inputs.RoomHeight);
    for (auto _ : state) {
        run.Start(states[0]);
        for (std::size_t i = 1; i < states.size(); ++i) {
            run.Advance(states[i - 1], states[i]);
        }
        benchmark::DoNotOptimize(run.States()[15].LinkTemperature);
    }
    state.counters["steps"] = static_cast<double>(states.size() - 1);
    if (run.FirstSprinkler()) {
        state.counters["first_sprinkler_s"] = run.FirstSprinkler()->Time;
    }
    if (run.FirstDetection()) {
        state.counters["first_detection_s"] = run.FirstDetection()->Time;
    }
}
BENCHMARK(DetectionOfOffice)->Arg(600)->Arg(9000)->Unit(benchmark::kMillisecond);

// The run itself with the 16 devices watching it: RunOffice's time plus
// what the devices cost, end to end.
void RunOfficeWithSixteenDevices(benchmark::State& state) {
    auto calc = OfficeWithSofaFire(static_cast<std::int16_t>(state.range(0)));
    detection::DetectionRun run(SixteenDevices(), calc->Inputs.RoomHeight);
    detection::DetectionObserver observer(run, calc->Inputs.RoomHeight - calc->Inputs.FireHeight,
                                          kAmbientTemperature);
    for (auto _ : state) {
        RunModel(calc->Inputs, calc->Fire, kContinue, calc->Results, &observer);
        benchmark::DoNotOptimize(run.States()[15].LinkTemperature);
    }
    state.counters["rows"] = calc->Results.LastRow + 1;
}
BENCHMARK(RunOfficeWithSixteenDevices)->Arg(600)->Arg(9000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vorla::compartment

BENCHMARK_MAIN();

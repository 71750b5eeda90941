#include "smoke_filling/model/model_run.h"

#include "common/fire_files/fire_file_lookup.h"
#include "common/fire_files/fire_file_reader.h"
#include "common/text/integrator.h"
#include "common/text/precision.h"
#include "common/text/units.h"
#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/zone_evaluator.h"
#include "smoke_filling/model/zone_physics.h"

#include <cmath>
#include <optional>

namespace vorla::smoke {
namespace {

constexpr State kTolerance = {0.001, 0.3}; // m, K
constexpr int kRowEvery = 5;               // s

bool IsPhysical(const State& y) {
    return std::isfinite(y.InterfaceHeight) && std::isfinite(y.LayerTemperature) &&
           y.LayerTemperature > 0;
}

void WriteRow(RunResults& results, const FireTable& fire, int i, int t, double temperature,
              double z, double ventFlow) {
    results.Time[i] = static_cast<std::int16_t>(t);
    results.LayerTemperature[i] = temperature - kKelvinAtZeroCelsius;
    results.InterfaceHeight[i] = RoundToSingle(z);
    results.HeatReleaseRate[i] = FireRateAt(fire, t);
    results.VentFlow[i] = ventFlow;
}

} // namespace

CompletedRun RunModel(const RunInputs& inputs, const FireTable& fire, RunResults& results,
                      ZoneStepObserver* observer) {
    const double fireEnd = fire.LastTime();
    ZoneEvaluator physics(inputs, fire);
    // The observer's leak flow comes from an evaluator of its own, so that the
    // run's evaluator sees exactly the calls it sees without an observer.
    std::optional<ZoneEvaluator> observed;
    ZoneMoment moment;
    const auto momentAt = [&](int time, const State& state) {
        // While the interface is above the floor the leaks push out air from
        // below it; the layer's own gas leaves once the room is full of smoke.
        const double layerGasOut = state.InterfaceHeight > 0 ? 0 : observed->VentFlow(time, state);
        return ZoneMoment{static_cast<double>(time), FireRateAt(fire, time), state.LayerTemperature,
                          state.InterfaceHeight, layerGasOut};
    };
    auto derivatives = [&physics](double t, const State& y) { return physics.Derivatives(t, y); };
    int i = 0;
    const auto ended = [&](RunEnd end, std::string_view message) {
        results.LastRow = i;
        return CompletedRun{end, message, i};
    };

    State y = {inputs.RoomHeight - kInitialLayerDepth, kAmbientTemperature};
    float tPrevious = 0;
    int t = 1;
    WriteRow(results, fire, 0, 0, kAmbientTemperature, inputs.RoomHeight, 0);
    if (observer) {
        observed.emplace(inputs, fire);
        moment = momentAt(0, y);
        observer->Start(moment);
        observer->RecordRow(0);
    }

    // Checked inputs end the loop by 9000 s at the latest. The row bound only
    // keeps unchecked ones (a run time above 9000) inside the result table.
    for (;;) {
        y = IntegrateInterval(derivatives, kTolerance, tPrevious, t, y);
        if (y.InterfaceHeight < 0) {
            y.InterfaceHeight = 0;
        }
        if (!IsPhysical(y)) {
            return ended(RunEnd::Unstable, kUnstableMessage);
        }
        if (observer) {
            const ZoneMoment end = momentAt(t, y);
            observer->Advance(moment, end);
            moment = end;
        }
        const bool belowFuel = y.InterfaceHeight <= inputs.FireHeight;
        if (t % kRowEvery == 0 || belowFuel || t >= inputs.RunTime || t >= fireEnd) {
            const double ventFlow = physics.VentFlow(t, y);
            if (!std::isfinite(ventFlow)) {
                return ended(RunEnd::Unstable, kUnstableMessage);
            }
            ++i;
            WriteRow(results, fire, i, t, y.LayerTemperature, y.InterfaceHeight, ventFlow);
            if (observer) {
                observer->RecordRow(i);
            }
        }
        tPrevious = static_cast<float>(t);
        ++t;
        if (belowFuel) {
            return ended(RunEnd::LayerAtFuelSurface, kFuelSurfaceMessage);
        }
        if (t > fireEnd) {
            return ended(RunEnd::FireEnded, kEndOfFireMessage);
        }
        if (t > inputs.RunTime || i == kResultRowCapacity - 1) {
            return ended(RunEnd::Complete, kRunCompleteMessage);
        }
    }
}

RunOutcome RunCalculations(Calculations& calc, ZoneStepObserver* observer) {
    if (auto rejected = CheckRunInputs(calc.Inputs)) {
        return std::move(*rejected);
    }
    if (auto problem = ReadFireFileOfReport(calc.Inputs.FireFile, calc.OpenedReport, calc.Fire,
                                            calc.FireFileRead)) {
        return std::move(*problem);
    }
    return RunModel(calc.Inputs, calc.Fire, calc.Results, observer);
}

} // namespace vorla::smoke

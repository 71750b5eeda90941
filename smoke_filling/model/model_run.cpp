#include "smoke_filling/model/model_run.h"

#include "common/fire_file_reader.h"
#include "common/integrator.h"
#include "common/precision.h"
#include "common/units.h"
#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/zone_evaluator.h"
#include "smoke_filling/model/zone_physics.h"

#include <cmath>

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

CompletedRun RunModel(const RunInputs& inputs, const FireTable& fire, RunResults& results) {
    const double fireEnd = fire.LastTime();
    ZoneEvaluator physics(inputs, fire);
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
        const bool belowFuel = y.InterfaceHeight <= inputs.FireHeight;
        if (t % kRowEvery == 0 || belowFuel || t >= inputs.RunTime || t >= fireEnd) {
            const double ventFlow = physics.VentFlow(t, y);
            if (!std::isfinite(ventFlow)) {
                return ended(RunEnd::Unstable, kUnstableMessage);
            }
            ++i;
            WriteRow(results, fire, i, t, y.LayerTemperature, y.InterfaceHeight, ventFlow);
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

RunOutcome RunCalculations(Calculations& calc) {
    if (auto rejected = CheckRunInputs(calc.Inputs)) {
        return std::move(*rejected);
    }
    if (auto problem = ReadFireFile(calc.Inputs.FireFile, calc.Fire)) {
        return std::move(*problem);
    }
    return RunModel(calc.Inputs, calc.Fire, calc.Results);
}

} // namespace vorla::smoke

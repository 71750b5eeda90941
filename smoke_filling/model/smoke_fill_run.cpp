#include "smoke_filling/model/smoke_fill_run.h"

#include "common/integrator.h"
#include "common/precision.h"
#include "smoke_filling/model/smoke_fill_physics.h"

#include <cmath>

namespace vorla::smoke {
namespace {

constexpr State kTolerance = {0.001, 0.3}; // m, K
constexpr int kRowEvery = 5;               // s

bool IsPhysical(const State& y) {
    return std::isfinite(y.InterfaceHeight) && std::isfinite(y.LayerTemperature) &&
           y.LayerTemperature > 0;
}

void WriteRow(SmokeFillResults& results, int i, int t, double temperature, double z,
              double ventFlow) {
    results.Time[i] = static_cast<std::int16_t>(t);
    results.LayerTemperature[i] = temperature - kKelvinOffset;
    results.InterfaceHeight[i] = RoundToSingle(z);
    results.VentFlow[i] = ventFlow;
}

} // namespace

SmokeFillOutcome SmokeFillRun(Calculations& calc) {
    if (auto error = ReadFireFile(calc.Inputs.FireFile, calc.Fire)) {
        return SmokeFillOutcome{0, {}, std::move(error)};
    }
    return SmokeFillRunWithFire(calc);
}

SmokeFillOutcome SmokeFillRunWithFire(Calculations& calc) {
    const SmokeFillInputs& inputs = calc.Inputs;
    const FireTable& fire = calc.Fire;
    SmokeFillResults& results = calc.Results;
    const double fireEnd = fire.LastTime();
    auto derivatives = [&](double t, const State& y) {
        return SmokeFillDerivatives(inputs, fire, t, y);
    };

    State y = {inputs.RoomHeight - kInitialLayerDepth, kAmbientTemperature};
    float tPrevious = 0;
    int t = 1;
    int i = 0;
    WriteRow(results, 0, 0, kAmbientTemperature, inputs.RoomHeight, 0);

    // Checked inputs end the loop by 9000 s at the latest. The row bound only
    // keeps unchecked ones (a run time above 9000) inside the result table.
    for (;;) {
        y = IntegrateInterval(derivatives, kTolerance, tPrevious, t, y);
        if (y.InterfaceHeight < 0) {
            y.InterfaceHeight = 0;
        }
        if (!IsPhysical(y)) {
            return {i, kUnstableMessage, std::nullopt};
        }
        const bool belowFuel = y.InterfaceHeight <= inputs.FireHeight;
        if (t % kRowEvery == 0 || belowFuel || t >= inputs.RunTime || t >= fireEnd) {
            const double ventFlow = SmokeFillVentFlow(inputs, fire, t, y);
            if (!std::isfinite(ventFlow)) {
                return {i, kUnstableMessage, std::nullopt};
            }
            ++i;
            WriteRow(results, i, t, y.LayerTemperature, y.InterfaceHeight, ventFlow);
        }
        tPrevious = static_cast<float>(t);
        ++t;
        if (belowFuel) {
            return {i, kLayerBelowFuelMessage, std::nullopt};
        }
        if (t > fireEnd) {
            return {i, kEndOfFireMessage, std::nullopt};
        }
        if (t > inputs.RunTime || i == kSmokeFillRows - 1) {
            return {i, kRunCompleteMessage, std::nullopt};
        }
    }
}

} // namespace vorla::smoke

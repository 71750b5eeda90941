#include "literal/smoke_filling_literal.h"

#include "common/text/precision.h"
#include "common/text/units.h"
#include "literal/fire_table_literal.h"
#include "literal/integrator_literal.h"

#include <cmath>

namespace vorla::smoke::literal {

namespace {

constexpr double kAmbientDensity = 1.2;                     // kg/m³
constexpr double kAirHeatCapacity = 1.004;                  // kJ/(kg K)
constexpr double kAmbientDensityTimesTemperature = 353.112; // kg K/m³
constexpr double kEntrainmentCoefficient = 0.076;
constexpr double kConvectiveFraction = 0.65;
constexpr double kInitialLayerDepth = 0.01; // m below the ceiling

// The heat release rate is taken in single precision, as the fire generator
// produced it.
float HeatReleaseRate(const FireTable& fire, double t) {
    return RoundToSingle(vorla::literal::FireRateAt(fire, t));
}

// The energy balance of the layer: dT/dt. Divided one constant at a time, in
// the order the balance is written, because the last digits of the report
// follow from it.
double LayerHeating(const RunInputs& inputs, double bracket, double z, double temperature) {
    const double depth = inputs.RoomHeight - z;
    if (depth == 0) {
        // A layer of no depth holds no gas to heat. Only a trial state exactly at
        // the ceiling gets here; any other depth divides as written.
        return 0;
    }
    return temperature * bracket / kAirHeatCapacity / kAmbientDensity / kAmbientTemperature /
           inputs.FloorArea / depth;
}

} // namespace

double SmokeFillPlume(const RunInputs& inputs, float q, double z) {
    if (!(z > inputs.FireHeight)) {
        return 0;
    }
    const double height = z - inputs.FireHeight;
    return kEntrainmentCoefficient *
           std::pow(kConvectiveFraction * q * std::pow(height, 5), 1.0 / 3.0);
}

State SmokeFillDerivatives(const RunInputs& inputs, const FireTable& fire, double t,
                           const State& y) {
    const double z = y.InterfaceHeight;
    const double temperature = y.LayerTemperature;
    const float q = HeatReleaseRate(fire, t);
    const double plume = literal::SmokeFillPlume(inputs, q, z);
    const double bracket = (1 - inputs.LossFraction) * q -
                           kAirHeatCapacity * plume * (temperature - kAmbientTemperature);
    const double heating = LayerHeating(inputs, bracket, z, temperature);
    State rates;
    rates.LayerTemperature = heating;

    if (!(z > 0)) {
        rates.InterfaceHeight = 0;
        return rates;
    }
    const double inflow =
        (-temperature * plume) / kAmbientDensity / kAmbientTemperature / inputs.FloorArea;
    if (temperature == 0) {
        // ((H - z) / T) * dT/dt with dT/dt = T * bracket / (...): its limit at
        // T = 0 is the bracket over the constants, which avoids 0 / 0.
        rates.InterfaceHeight = inflow - bracket / kAirHeatCapacity / kAmbientDensity /
                                             kAmbientTemperature / inputs.FloorArea;
        return rates;
    }
    rates.InterfaceHeight = inflow - ((inputs.RoomHeight - z) / temperature) * heating;
    return rates;
}

double SmokeFillVentFlow(const RunInputs& inputs, const FireTable& fire, double t, const State& y) {
    const double heating = literal::SmokeFillDerivatives(inputs, fire, t, y).LayerTemperature;
    const float q = HeatReleaseRate(fire, t);
    if (y.InterfaceHeight > 0) {
        // Ambient air pushed out by the expansion of the heated gas.
        return ((1 - inputs.LossFraction) * q) / kAirHeatCapacity / kAmbientTemperature;
    }
    // The room is full of smoke: layer gas leaves as the whole volume heats.
    return kAmbientDensityTimesTemperature * inputs.FloorArea * inputs.RoomHeight /
           std::pow(y.LayerTemperature, 2) * heating;
}

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
    results.HeatReleaseRate[i] = vorla::literal::FireRateAt(fire, t);
    results.VentFlow[i] = ventFlow;
}

} // namespace

CompletedRun RunModel(const RunInputs& inputs, const FireTable& fire, RunResults& results) {
    const double fireEnd = fire.LastTime();
    auto derivatives = [&](double t, const State& y) {
        return literal::SmokeFillDerivatives(inputs, fire, t, y);
    };
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
        y = vorla::literal::IntegrateInterval(derivatives, kTolerance, tPrevious, t, y);
        if (y.InterfaceHeight < 0) {
            y.InterfaceHeight = 0;
        }
        if (!IsPhysical(y)) {
            return ended(RunEnd::Unstable, kUnstableMessage);
        }
        const bool belowFuel = y.InterfaceHeight <= inputs.FireHeight;
        if (t % kRowEvery == 0 || belowFuel || t >= inputs.RunTime || t >= fireEnd) {
            const double ventFlow = literal::SmokeFillVentFlow(inputs, fire, t, y);
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

} // namespace vorla::smoke::literal

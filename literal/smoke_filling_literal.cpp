#include "literal/smoke_filling_literal.h"

#include "common/precision.h"
#include "literal/fire_table_literal.h"
#include "literal/integrator_literal.h"

#include <cmath>

namespace vorla::smoke::literal {

namespace {

constexpr double kAmbientTemperature = 294.26;              // K (70 °F), also the layer at start
constexpr double kAmbientDensity = 1.2;                     // kg/m³
constexpr double kSpecificHeat = 1.004;                     // kJ/(kg K)
constexpr double kAmbientDensityTimesTemperature = 353.112; // kg K/m³
constexpr double kKelvinOffset = 273.15;
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
double LayerHeating(const SmokeFillInputs& inputs, double bracket, double z, double temperature) {
    const double depth = inputs.RoomHeight - z;
    if (depth == 0) {
        // A layer of no depth holds no gas to heat. Only a trial state exactly at
        // the ceiling gets here; any other depth divides as written.
        return 0;
    }
    return temperature * bracket / kSpecificHeat / kAmbientDensity / kAmbientTemperature /
           inputs.FloorArea / depth;
}

} // namespace

double SmokeFillPlume(const SmokeFillInputs& inputs, float q, double z) {
    if (!(z > inputs.FireHeight)) {
        return 0;
    }
    const double height = z - inputs.FireHeight;
    return kEntrainmentCoefficient *
           std::pow(kConvectiveFraction * q * std::pow(height, 5), 1.0 / 3.0);
}

void SmokeFillDerivatives(const SmokeFillInputs& inputs, const FireTable& fire, double t,
                          const State& y, State& dy) {
    const double z = y[0];
    const double temperature = y[1];
    const float q = HeatReleaseRate(fire, t);
    const double plume = literal::SmokeFillPlume(inputs, q, z);
    const double bracket =
        (1 - inputs.LossFraction) * q - kSpecificHeat * plume * (temperature - kAmbientTemperature);
    const double heating = LayerHeating(inputs, bracket, z, temperature);
    dy[1] = heating;

    if (!(z > 0)) {
        dy[0] = 0;
        return;
    }
    const double inflow =
        (-temperature * plume) / kAmbientDensity / kAmbientTemperature / inputs.FloorArea;
    if (temperature == 0) {
        // ((H - z) / T) * dT/dt with dT/dt = T * bracket / (...): its limit at
        // T = 0 is the bracket over the constants, which avoids 0 / 0.
        dy[0] = inflow -
                bracket / kSpecificHeat / kAmbientDensity / kAmbientTemperature / inputs.FloorArea;
        return;
    }
    dy[0] = inflow - ((inputs.RoomHeight - z) / temperature) * heating;
}

double SmokeFillVentFlow(const SmokeFillInputs& inputs, const FireTable& fire, double t,
                         const State& y) {
    State dy;
    literal::SmokeFillDerivatives(inputs, fire, t, y, dy);
    const double heating = dy[1];
    const float q = HeatReleaseRate(fire, t);
    if (y[0] > 0) {
        // Ambient air pushed out by the expansion of the heated gas.
        return ((1 - inputs.LossFraction) * q) / kSpecificHeat / kAmbientTemperature;
    }
    // The room is full of smoke: layer gas leaves as the whole volume heats.
    return kAmbientDensityTimesTemperature * inputs.FloorArea * inputs.RoomHeight /
           std::pow(y[1], 2) * heating;
}

namespace {

constexpr State kTolerance = {0.001, 0.3}; // m, K
constexpr int kRowEvery = 5;               // s

bool IsPhysical(const State& y) {
    return std::isfinite(y[0]) && std::isfinite(y[1]) && y[1] > 0;
}

void WriteRow(SmokeFillResults& results, int i, int t, double temperature, double z,
              double ventFlow) {
    results.Time[i] = static_cast<std::int16_t>(t);
    results.LayerTemperature[i] = temperature - kKelvinOffset;
    results.InterfaceHeight[i] = RoundToSingle(z);
    results.VentFlow[i] = ventFlow;
}

} // namespace

SmokeFillOutcome SmokeFillRunWithFire(Calculations& calc) {
    const SmokeFillInputs& inputs = calc.Inputs;
    const FireTable& fire = calc.Fire;
    SmokeFillResults& results = calc.Results;
    const double fireEnd = fire.LastTime();
    auto derivatives = [&](double t, const State& y, State& dy) {
        literal::SmokeFillDerivatives(inputs, fire, t, y, dy);
    };

    State y = {inputs.RoomHeight - kInitialLayerDepth, kAmbientTemperature};
    float tPrevious = 0;
    int t = 1;
    int i = 0;
    WriteRow(results, 0, 0, kAmbientTemperature, inputs.RoomHeight, 0);

    // Checked inputs end the loop by 9000 s at the latest. The row bound only
    // keeps unchecked ones (a run time above 9000) inside the result table.
    for (;;) {
        vorla::literal::IntegrateInterval(derivatives, kTolerance, 1, t, tPrevious, y);
        if (y[0] < 0) {
            y[0] = 0;
        }
        if (!IsPhysical(y)) {
            return {i, kUnstableMessage, std::nullopt};
        }
        const bool belowFuel = y[0] <= inputs.FireHeight;
        if (t % kRowEvery == 0 || belowFuel || t >= inputs.RunTime || t >= fireEnd) {
            const double ventFlow = literal::SmokeFillVentFlow(inputs, fire, t, y);
            if (!std::isfinite(ventFlow)) {
                return {i, kUnstableMessage, std::nullopt};
            }
            ++i;
            WriteRow(results, i, t, y[1], y[0], ventFlow);
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

} // namespace vorla::smoke::literal

#include "smoke_filling/model/zone_physics.h"

#include "common/precision.h"

#include <cmath>

namespace vorla::smoke {
namespace {

// The heat release rate is taken in single precision, as the fire generator
// produced it.
float HeatReleaseRate(const FireTable& fire, double t) {
    return RoundToSingle(FireRateAt(fire, t));
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
    return temperature * bracket / kSpecificHeat / kAmbientDensity / kAmbientTemperature /
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
    const double plume = SmokeFillPlume(inputs, q, z);
    const double bracket =
        (1 - inputs.LossFraction) * q - kSpecificHeat * plume * (temperature - kAmbientTemperature);
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
        rates.InterfaceHeight = inflow - bracket / kSpecificHeat / kAmbientDensity /
                                             kAmbientTemperature / inputs.FloorArea;
        return rates;
    }
    rates.InterfaceHeight = inflow - ((inputs.RoomHeight - z) / temperature) * heating;
    return rates;
}

double SmokeFillVentFlow(const RunInputs& inputs, const FireTable& fire, double t, const State& y) {
    const double heating = SmokeFillDerivatives(inputs, fire, t, y).LayerTemperature;
    const float q = HeatReleaseRate(fire, t);
    if (y.InterfaceHeight > 0) {
        // Ambient air pushed out by the expansion of the heated gas.
        return ((1 - inputs.LossFraction) * q) / kSpecificHeat / kAmbientTemperature;
    }
    // The room is full of smoke: layer gas leaves as the whole volume heats.
    return kAmbientDensityTimesTemperature * inputs.FloorArea * inputs.RoomHeight /
           std::pow(y.LayerTemperature, 2) * heating;
}

} // namespace vorla::smoke

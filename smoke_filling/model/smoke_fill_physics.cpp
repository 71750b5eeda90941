#include "smoke_filling/model/smoke_fill_physics.h"

#include "common/exact_powers.h"
#include "common/precision.h"

#include <cmath>

namespace vorla::smoke {
namespace {

// The heat release rate is taken in single precision, as the fire generator
// produced it.
float HeatReleaseRate(FireRateCursor& fire, double t) {
    return RoundToSingle(fire.RateAt(t));
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
           std::pow(kConvectiveFraction * q * PowerFive(height), 1.0 / 3.0);
}

void SmokeFillDerivatives(const SmokeFillInputs& inputs, const FireTable& fire, double t,
                          const State& y, State& dy) {
    FireRateCursor cursor(fire);
    SmokeFillDerivatives(inputs, cursor, t, y, dy);
}

void SmokeFillDerivatives(const SmokeFillInputs& inputs, FireRateCursor& fire, double t,
                          const State& y, State& dy) {
    const double z = y[0];
    const double temperature = y[1];
    const float q = HeatReleaseRate(fire, t);
    const double plume = SmokeFillPlume(inputs, q, z);
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
    FireRateCursor cursor(fire);
    return SmokeFillVentFlow(inputs, cursor, t, y);
}

double SmokeFillVentFlow(const SmokeFillInputs& inputs, FireRateCursor& fire, double t,
                         const State& y) {
    State dy;
    SmokeFillDerivatives(inputs, fire, t, y, dy);
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

} // namespace vorla::smoke

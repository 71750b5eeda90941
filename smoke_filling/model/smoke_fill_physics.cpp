#include "smoke_filling/model/smoke_fill_physics.h"

#include "common/exact_powers.h"
#include "common/precision.h"

#include <cmath>
#include <cstring>

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
           std::pow(kConvectiveFraction * q * std::pow(height, 5), 1.0 / 3.0);
}

void SmokeFillDerivatives(const SmokeFillInputs& inputs, const FireTable& fire, double t,
                          const State& y, State& dy) {
    SmokeFillEvaluator(inputs, fire).Derivatives(t, y, dy);
}

double SmokeFillVentFlow(const SmokeFillInputs& inputs, const FireTable& fire, double t,
                         const State& y) {
    return SmokeFillEvaluator(inputs, fire).VentFlow(t, y);
}

SmokeFillEvaluator::SmokeFillEvaluator(const SmokeFillInputs& inputs, const FireTable& fire)
    : inputs_(inputs), fire_(fire) {}

// SmokeFillPlume with both powers from their fast exact forms.
double SmokeFillEvaluator::Plume(float q, double z) {
    if (!(z > inputs_.FireHeight)) {
        return 0;
    }
    const double height = z - inputs_.FireHeight;
    return kEntrainmentCoefficient * cubeRoots_.Of(kConvectiveFraction * q * PowerFive(height));
}

void SmokeFillEvaluator::Derivatives(double t, const State& y, State& dy) {
    // Compared bit for bit: a zero of the other sign may give other bits.
    if (std::memcmp(&t, &lastTime_, sizeof t) == 0 &&
        std::memcmp(y.data(), lastState_.data(), sizeof y) == 0) {
        dy = lastDerivatives_;
        return;
    }
    Evaluate(t, y, dy);
    lastTime_ = t;
    lastState_ = y;
    lastDerivatives_ = dy;
}

void SmokeFillEvaluator::Evaluate(double t, const State& y, State& dy) {
    const SmokeFillInputs& inputs = inputs_;
    const double z = y[0];
    const double temperature = y[1];
    const float q = HeatReleaseRate(fire_, t);
    const double plume = Plume(q, z);
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

double SmokeFillEvaluator::VentFlow(double t, const State& y) {
    const SmokeFillInputs& inputs = inputs_;
    State dy;
    Derivatives(t, y, dy);
    const double heating = dy[1];
    const float q = HeatReleaseRate(fire_, t);
    if (y[0] > 0) {
        // Ambient air pushed out by the expansion of the heated gas.
        return ((1 - inputs.LossFraction) * q) / kSpecificHeat / kAmbientTemperature;
    }
    // The room is full of smoke: layer gas leaves as the whole volume heats.
    return kAmbientDensityTimesTemperature * inputs.FloorArea * inputs.RoomHeight /
           std::pow(y[1], 2) * heating;
}

} // namespace vorla::smoke

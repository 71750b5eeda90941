#include "smoke_filling/model/zone_evaluator.h"

#include "common/text/exact_powers.h"
#include "common/text/precision.h"
#include "common/text/units.h"
#include "smoke_filling/model/zone_physics.h"

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

ZoneEvaluator::ZoneEvaluator(const RunInputs& inputs, const FireTable& fire)
    : inputs_(inputs), fire_(fire), defaultPlume_(HasDefaultPlume(inputs)) {}

// SmokeFillPlume with both powers from their fast exact forms.
double ZoneEvaluator::Plume(float q, double z) {
    if (!(z > inputs_.FireHeight)) {
        return 0;
    }
    const double height = z - inputs_.FireHeight;
    if (!defaultPlume_) {
        return SmokeFillOptionPlume(inputs_, q, height);
    }
    return kEntrainmentCoefficient * cubeRoots_.Of(kConvectiveFraction * q * PowerFive(height));
}

State ZoneEvaluator::Derivatives(double t, const State& y) {
    // Compared bit for bit: a zero of the other sign may give other bits.
    if (std::memcmp(&t, &lastTime_, sizeof t) == 0 && std::memcmp(&y, &lastState_, sizeof y) == 0) {
        return lastRates_;
    }
    lastTime_ = t;
    lastState_ = y;
    lastRates_ = Evaluate(t, y);
    return lastRates_;
}

State ZoneEvaluator::Evaluate(double t, const State& y) {
    const RunInputs& inputs = inputs_;
    const double z = y.InterfaceHeight;
    const double temperature = y.LayerTemperature;
    const float q = HeatReleaseRate(fire_, t);
    const double plume = Plume(q, z);
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

double ZoneEvaluator::VentFlow(double t, const State& y) {
    const RunInputs& inputs = inputs_;
    const double heating = Derivatives(t, y).LayerTemperature;
    const float q = HeatReleaseRate(fire_, t);
    if (y.InterfaceHeight > 0) {
        // Ambient air pushed out by the expansion of the heated gas.
        return ((1 - inputs.LossFraction) * q) / kAirHeatCapacity / kAmbientTemperature;
    }
    // The room is full of smoke: layer gas leaves as the whole volume heats.
    return kAmbientDensityTimesTemperature * inputs.FloorArea * inputs.RoomHeight /
           std::pow(y.LayerTemperature, 2) * heating;
}

} // namespace vorla::smoke

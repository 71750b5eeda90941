#include "compartment/model/zone_evaluator.h"

#include "common/text/precision.h"
#include "compartment/model/plume_options.h"
#include "compartment/model/run_results.h"
#include "compartment/model/zone_constants.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace vorla::compartment {
namespace {

constexpr double kRounding = std::numeric_limits<double>::epsilon() / 2;

// dT/dt of the upper layer in K/s, dividing by one factor at a time. A layer
// with no depth left (z exactly at the ceiling) holds no gas to heat; its
// temperature stays put rather than dividing by zero.
double LayerHeatingRate(const RunInputs& in, double T, double q, float mp, double z) {
    const double depth = in.RoomHeight - z;
    if (depth == 0) {
        return 0;
    }
    return T * ((1 - in.LossFraction) * q - mp * kAirHeatCapacity * (T - kAmbientTemperature)) /
           kAirHeatCapacity / kAmbientDensity / kAmbientTemperature / in.FloorArea / depth;
}

template <class Rate> void StoreRate(Rate& rate, double value) {
    if constexpr (std::is_same_v<Rate, float>) {
        rate = RoundToSingle(value);
    } else {
        rate = value;
    }
}

// The largest expansion the vent carries out above the interface without
// outflow below it, in single precision: coefficient * depth^1.5 rounded to
// single. x * sqrt(x) is within two roundings of x^1.5 and std::pow within
// one, so the two products differ by at most five roundings; unless that
// straddles a single-precision rounding boundary, both round to the same float.
float VentCapacity(double coefficient, double depth) {
    const double estimate = coefficient * (depth * std::sqrt(depth));
    const double slack = 16 * kRounding * std::fabs(estimate);
    const float low = RoundToSingle(estimate - slack);
    if (low == RoundToSingle(estimate + slack)) {
        return low;
    }
    return RoundToSingle(coefficient * std::pow(depth, 1.5));
}

// About x^(1/3), for a positive normal x: the exponent divided by three in the
// bits of x, good to 3.2 %, then two steps of Halley's iteration, which
// triples the number of correct digits each time. Nothing relies on its
// accuracy: the caller checks the result by its cube.
double CubeRootEstimate(double x) {
    double y = std::bit_cast<double>(std::bit_cast<std::uint64_t>(x) / 3 + 0x2A9F7893782DA1CEULL);
    for (int step = 0; step < 2; ++step) {
        const double cube = y * y * y;
        y = y * (cube + 2 * x) / (2 * cube + x);
    }
    return y;
}

// The entrainment kEntrainment (cq h^5)^(1/3) in single precision, where cq
// is the convective part of the heat release rate.
//
// Only single precision is kept, so the two powers are estimated and std::pow
// is used only where the estimate is too close to a single-precision rounding
// boundary. h^5 by products is within four roundings of std::pow's, so the
// entrainment from it is within about three; y ~ x^(1/3) is checked by its
// cube, |y^3 - x| / x = r putting x^(1/3) within r / 2 of y; std::pow's
// exponent 1.0 / 3.0 is below a third by 1.9e-17, worth 1.4e-14 of the result
// at most over the whole range of doubles. 2e-14 covers that and the
// roundings.
float Entrainment(double convectiveRate, double height) {
    const double squared = height * height;
    const double fifth = squared * squared * height;
    const double x = convectiveRate * fifth;
    if (fifth > 1e-250 && x > 1e-250 && x < 1e250) {
        const double inverse = 1 / x;
        const double y = CubeRootEstimate(x);
        const double spread = 0.5 * std::fabs(y * y * y - x) * inverse + 2e-14;
        const double m = kEntrainment * y;
        const float low = RoundToSingle(m - m * spread);
        if (low == RoundToSingle(m + m * spread)) {
            return low;
        }
    }
    return RoundToSingle(kEntrainment * std::pow(convectiveRate * std::pow(height, 5), 1.0 / 3.0));
}

} // namespace

ZoneEvaluator::ZoneEvaluator(const ZoneModel& model)
    : inputs_(model.Inputs), fire_(model.Fire), vent_(VentCoefficientsOf(model.Inputs)),
      convectiveFraction_(1 - model.Inputs.RadiativeLossFraction),
      plumeBoundFactor_(kPlumeBoundCoefficient * std::pow(kEntrainment, 1.5) *
                        std::pow(1 - model.Inputs.RadiativeLossFraction, 0.5)),
      defaultPlume_(HasDefaultPlume(model.Inputs)) {}

// CompartmentPlume with the run's constant factors worked out once.
float ZoneEvaluator::Plume(double q, double z) const {
    const double zf = inputs_.FireHeight;
    if (z <= zf) {
        return 0;
    }
    const double height = z - zf;
    if (!defaultPlume_) {
        return OptionPlume(inputs_, q, height);
    }
    // A negative rate (a fire table extended before its first point) gives no
    // plume, unless h^5 is too small for a double.
    const double convectiveRate = convectiveFraction_ * q;
    if (convectiveRate < 0 && convectiveRate * std::pow(height, 5) < 0) {
        return 0;
    }
    float m = Entrainment(convectiveRate, height);
    // The bound needs std::pow only where the plume may reach it: the estimate
    // with x^2 sqrt(x) is within a few roundings of the exact bound.
    const double boundEstimate = plumeBoundFactor_ * (height * height * std::sqrt(height));
    if (m < boundEstimate * (1 - 32 * kRounding)) {
        return m;
    }
    const double mmax = plumeBoundFactor_ * std::pow(height, 2.5);
    if (m > mmax) {
        m = RoundToSingle(mmax);
    }
    return m;
}

template <class Rate>
ZoneFlows<Rate> ZoneEvaluator::FlowsAndIntermediates(double t, const State& y,
                                                     Intermediates& work) {
    const RunInputs& in = inputs_;
    const double z = y.InterfaceHeight;
    const double T = y.LayerTemperature;
    ZoneFlows<Rate> out;

    StoreRate(out.HeatReleaseRate, fire_.RateAt(t));
    double q = out.HeatReleaseRate;
    const float mp = z > in.FireHeight ? Plume(q, z) : 0.0f;
    work.PlumeRate = q;
    work.Plume = mp;
    if (q > kHeatPerKgAir * mp) {
        StoreRate(out.HeatReleaseRate, kHeatPerKgAir * mp);
        q = out.HeatReleaseRate;
        out.AirFlag = kStarvedOfAir;
    } else {
        out.AirFlag = kNotStarvedOfAir;
    }

    const float hs = in.SoffitHeight;
    if (z >= hs) {
        out.RegimeFlag = kRegimeAboveSoffit;
        out.Vent = {0, (1 - in.LossFraction) * q / (kAirHeatCapacity * kAmbientTemperature), 0};
        return out;
    }

    const double tdot = LayerHeatingRate(in, T, q, mp, z);
    work.HasHeating = true;
    work.Heating = tdot;
    const double e = mp * (T - kAmbientTemperature) / T + kDensityTimesTemperature * in.FloorArea *
                                                              (in.RoomHeight - z) * tdot /
                                                              std::pow(T, 2);
    if (z <= in.SillHeight) {
        out.RegimeFlag = kRegimeNone;
        out.Vent = {0, 0, e};
        return out;
    }

    const double g1 = kDensityTimesGravity * (1 / kAmbientTemperature - 1 / T);
    const double g2 = (kAmbientTemperature / T) * g1;
    const float emax = VentCapacity(vent_.Linear * std::sqrt(std::fabs(g2)), std::fabs(hs - z));
    if (e > emax) {
        out.RegimeFlag = kRegimeOutflowBelowInterface;
        const double mup =
            OutflowBelowInterface(vent_, z, T, e, g2, guesses_.OutflowBelowInterface);
        out.Vent = {0, (T / kAmbientTemperature) * (e - mup), mup};
    } else if (e < emax) {
        out.RegimeFlag = kRegimeInflowAboveInterface;
        const double mup =
            InflowAboveInterface(vent_, z, T, e, g1, g2, guesses_.InflowAboveInterface);
        out.Vent = {(T / kAmbientTemperature) * (mup - e), 0, mup};
    } else {
        out.RegimeFlag = kRegimeTransition;
        out.Vent = {0, 0, e};
    }

    if (out.Vent.AirIn > in.VentFactor) {
        out.RegimeFlag = kRegimeVentLimited;
        out.Vent = {in.VentFactor, 0, e + (kAmbientTemperature / T) * in.VentFactor};
    }
    return out;
}

template <class Rate> ZoneFlows<Rate> ZoneEvaluator::Flows(double t, const State& y) {
    Intermediates work;
    return FlowsAndIntermediates<Rate>(t, y, work);
}

template ZoneFlows<double> ZoneEvaluator::Flows<double>(double, const State&);
template ZoneFlows<float> ZoneEvaluator::Flows<float>(double, const State&);

// The first steps of FlowsAndIntermediates<double>, the same operations on the
// same values.
double ZoneEvaluator::HeatReleaseRate(double t, const State& y) {
    const double q = fire_.RateAt(t);
    const double z = y.InterfaceHeight;
    const float mp = z > inputs_.FireHeight ? Plume(q, z) : 0.0f;
    return q > kHeatPerKgAir * mp ? kHeatPerKgAir * mp : q;
}

State ZoneEvaluator::Derivatives(double t, const State& y) {
    const RunInputs& in = inputs_;
    Intermediates work;
    const ZoneFlows<float> flows = FlowsAndIntermediates<float>(t, y, work);
    const float q = flows.HeatReleaseRate;

    const double z = y.InterfaceHeight;
    const double T = y.LayerTemperature;
    // Unless the air limit cut the rate, the plume and the heating are the ones
    // the flows worked out.
    const bool sameRate = static_cast<double>(q) == work.PlumeRate;
    float mp = 0.0f;
    if (z > in.FireHeight) {
        mp = sameRate ? work.Plume : Plume(q, z);
    }
    State rates;
    rates.LayerTemperature =
        sameRate && work.HasHeating ? work.Heating : LayerHeatingRate(in, T, q, mp, z);
    rates.InterfaceHeight =
        (flows.Vent.AirIn - flows.Vent.LowerLayerOut - mp) / kAmbientDensity / in.FloorArea;
    return rates;
}

} // namespace vorla::compartment

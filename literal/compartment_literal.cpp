#include "literal/compartment_literal.h"

#include "common/text/precision.h"
#include "common/text/units.h"
#include "compartment/model/run_results.h"
#include "literal/fire_table_literal.h"
#include "literal/integrator_literal.h"

#include <cmath>
#include <type_traits>

namespace vorla::compartment::literal {

namespace {

constexpr double kAirHeatCapacity = 1.004;           // kJ/(kg K)
constexpr double kAmbientDensity = 1.2;              // kg/m³
constexpr double kDensityTimesTemperature = 353.112; // 1.2 * 294.26
constexpr double kDensityTimesGravity = 11.772;      // 1.2 * 9.81
constexpr int kDensityGravityTemperature = 3461;     // 1.2 * 9.81 * 294.26, as an integer
constexpr double kFlowCoefficient = 0.68;
constexpr double kLinearProfileCoefficient = 17.7;  // vent part with a linear pressure profile
constexpr double kUniformProfileCoefficient = 26.6; // vent part with a uniform pressure difference
constexpr double kHeatPerKgAir = 3030;              // kJ per kg of entrained air
constexpr double kEntrainment = 0.076;
constexpr double kPlumeBoundCoefficient = 55;
constexpr double kBalanceTolerance = 0.1; // kg K/s

// The flow balances are solved by bisection on the pressure difference. A
// bracket that holds no root would otherwise halve forever: the search stops
// when the midpoint can no longer move (the bracket is down to neighbouring
// doubles) or is not a number, or after this many halvings, far more than a
// bracket of doubles can take.
constexpr int kMostBisections = 4096;

// The state at which to evaluate one bisection.
struct Bisection {
    double lo = 0;
    double hi = 0;
    int count = 0;

    double Midpoint() const { return (lo + hi) / 2; }
    // After evaluating `mid` with residual r: true when the search ends.
    bool Done(double mid, double r) {
        ++count;
        return std::fabs(r) <= kBalanceTolerance || mid == lo || mid == hi || !std::isfinite(mid) ||
               count >= kMostBisections;
    }
};

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

// Regime 2: the room is above ambient pressure at the interface by dp, and
// lower-layer gas leaves below the interface as well as hot gas above it.
// Returns the hot-gas outflow that balances the expansion.
double OutflowBelowInterface(const RunInputs& in, double z, double T, double e, double g2) {
    const double hs = in.SoffitHeight;
    const double uniform = kUniformProfileCoefficient * in.VentWidth * kFlowCoefficient;
    const double linear = kLinearProfileCoefficient * in.VentWidth * kFlowCoefficient;
    const double belowInterface = z - in.SillHeight;
    const double aboveInterface = hs - z;

    Bisection search;
    search.hi =
        kAmbientTemperature * std::pow(e * T / (uniform * belowInterface * kAmbientTemperature), 2);
    for (;;) {
        const double dp = search.Midpoint();
        const double mlow =
            uniform * std::sqrt(std::fabs(dp / kAmbientTemperature)) * belowInterface;
        const double a = dp / T;
        double mup;
        if (g2 != 0) {
            mup =
                linear *
                (std::pow(std::fabs(a + g2 * aboveInterface), 1.5) - std::pow(std::fabs(a), 1.5)) /
                g2;
        } else {
            // A layer at exactly ambient temperature has no buoyancy: the limit
            // of the expression above as g2 goes to zero.
            mup = linear * (1.5 * std::sqrt(std::fabs(a)) * aboveInterface);
        }
        const double r = T * mup + kAmbientTemperature * mlow - T * e;
        if (search.Done(dp, r)) {
            return mup;
        }
        if (r > 0) {
            search.hi = dp;
        } else {
            search.lo = dp;
        }
    }
}

// Regime 3: the room is below ambient pressure at the interface by dp; air
// enters below a neutral plane above the interface and hot gas leaves above it.
// Returns the hot-gas outflow that balances the inflow and the expansion.
double InflowAboveInterface(const RunInputs& in, double z, double T, double e, double g1,
                            double g2) {
    const float hs = in.SoffitHeight;
    const double uniform = kUniformProfileCoefficient * in.VentWidth * kFlowCoefficient;
    const double linear = kLinearProfileCoefficient * in.VentWidth * kFlowCoefficient;
    const double belowInterface = z - in.SillHeight;
    const double inverseDifference = 1 / kAmbientTemperature - 1 / T;

    Bisection search;
    search.hi = kDensityGravityTemperature * (hs - z) * inverseDifference;
    for (;;) {
        const double dp = search.Midpoint();
        // At exactly ambient temperature the bracket is [0, 0] and the plane
        // stays at the interface rather than dividing zero by zero.
        const double planeAboveInterface =
            inverseDifference != 0 ? (dp / kDensityGravityTemperature) / inverseDifference : 0;
        const float neutralPlane = RoundToSingle(z + planeAboveInterface);
        const double min =
            uniform * std::sqrt(std::fabs(dp / kAmbientTemperature)) * belowInterface +
            linear * std::sqrt(std::fabs(g1)) * std::pow(std::fabs(neutralPlane - z), 1.5);
        const double ventTop = static_cast<double>(hs) - static_cast<double>(neutralPlane);
        const double mup = linear * std::sqrt(std::fabs(g2)) * std::pow(std::fabs(ventTop), 1.5);
        const double r = T * mup - kAmbientTemperature * min - T * e;
        if (search.Done(dp, r)) {
            return mup;
        }
        if (r < 0) {
            search.hi = dp;
        } else {
            search.lo = dp;
        }
    }
}

} // namespace

float CompartmentPlume(const RunInputs& in, double q, double z) {
    const double zf = in.FireHeight;
    if (z <= zf) {
        return 0;
    }
    const double height = z - zf;
    const double convectiveTerm = (1 - in.RadiativeLossFraction) * q * std::pow(height, 5);
    if (convectiveTerm < 0) {
        return 0;
    }
    float m = RoundToSingle(kEntrainment * std::pow(convectiveTerm, 1.0 / 3.0));
    const double mmax = kPlumeBoundCoefficient * std::pow(kEntrainment, 1.5) *
                        std::pow(1 - in.RadiativeLossFraction, 0.5) * std::pow(height, 2.5);
    if (m > mmax) {
        m = RoundToSingle(mmax);
    }
    return m;
}

template <class Rate>
ZoneFlows<Rate> CompartmentFlows(const ZoneModel& model, double t, const State& y) {
    const RunInputs& in = model.Inputs;
    const double z = y.InterfaceHeight;
    const double T = y.LayerTemperature;
    ZoneFlows<Rate> out;

    StoreRate(out.HeatReleaseRate, vorla::literal::FireRateAt(model.Fire, t));
    double q = out.HeatReleaseRate;
    const float mp = z > in.FireHeight ? literal::CompartmentPlume(in, q, z) : 0.0f;
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
    const float emax = RoundToSingle(kLinearProfileCoefficient * in.VentWidth * kFlowCoefficient *
                                     std::sqrt(std::fabs(g2)) * std::pow(std::fabs(hs - z), 1.5));
    if (e > emax) {
        out.RegimeFlag = kRegimeOutflowBelowInterface;
        const double mup = OutflowBelowInterface(in, z, T, e, g2);
        out.Vent = {0, (T / kAmbientTemperature) * (e - mup), mup};
    } else if (e < emax) {
        out.RegimeFlag = kRegimeInflowAboveInterface;
        const double mup = InflowAboveInterface(in, z, T, e, g1, g2);
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

template ZoneFlows<double> literal::CompartmentFlows<double>(const ZoneModel&, double,
                                                             const State&);
template ZoneFlows<float> literal::CompartmentFlows<float>(const ZoneModel&, double, const State&);

State CompartmentDerivatives(const ZoneModel& model, double t, const State& y) {
    const RunInputs& in = model.Inputs;
    const ZoneFlows<float> flows = literal::CompartmentFlows<float>(model, t, y);
    const float q = flows.HeatReleaseRate;

    const double z = y.InterfaceHeight;
    const double T = y.LayerTemperature;
    const float mp = z > in.FireHeight ? literal::CompartmentPlume(in, q, z) : 0.0f;
    State rates;
    rates.LayerTemperature = LayerHeatingRate(in, T, q, mp, z);
    rates.InterfaceHeight =
        (flows.Vent.AirIn - flows.Vent.LowerLayerOut - mp) / kAmbientDensity / in.FloorArea;
    return rates;
}

namespace {

constexpr double kInitialLayerDepth = 0.01; // m below the ceiling
constexpr double kInitialTemperature = kAmbientTemperature;
constexpr int kRowInterval = 5;            // s between regular rows
constexpr State kTolerance = {0.001, 0.3}; // m, K

bool IsPhysical(const State& y) {
    return std::isfinite(y.InterfaceHeight) && std::isfinite(y.LayerTemperature) &&
           y.LayerTemperature > 0;
}

} // namespace

CompletedRun RunModel(const RunInputs& in, const FireTable& fire, const FlashoverQuestion& ask,
                      RunResults& out) {
    const ZoneModel model{in, fire};
    const double lastFireTime = fire.LastTime();
    auto derivatives = [&model](double time, const State& state) {
        return literal::CompartmentDerivatives(model, time, state);
    };

    float tprev = 0;
    int t = 1;
    State y = {in.RoomHeight - kInitialLayerDepth, kInitialTemperature};
    bool flashoverSeen = false;
    bool stopRequested = false;
    bool unstable = false;
    int i = 0;

    out.FlashoverRow.reset();
    out.Time[0] = static_cast<std::int16_t>(tprev);
    out.LayerTemperature[0] = kInitialTemperature - kKelvinAtZeroCelsius;
    out.InterfaceHeight[0] = RoundToSingle(in.RoomHeight);
    out.HeatReleaseRate[0] = vorla::literal::FireRateAt(fire, 0);
    out.VentFlow[0] = 0;
    out.FRFlag[0] = kRegimeAboveSoffit;
    out.OSFlag[0] = kNotStarvedOfAir;

    double& z = y.InterfaceHeight;
    const double& T = y.LayerTemperature;
    for (;;) {
        y = vorla::literal::IntegrateInterval(derivatives, kTolerance, tprev, t, y);
        if (!IsPhysical(y)) {
            unstable = true;
            break;
        }
        if (z < 0) {
            z = 0;
        }

        const bool flashoverNow = T > kFlashoverTemperature && !flashoverSeen;
        if (t % kRowInterval == 0 || z <= in.FireHeight || z <= in.SillHeight || flashoverNow ||
            t >= in.RunTime || t >= lastFireTime) {
            // Rows: row 0, at most 1800 on the 5 s grid up to 9000 s, the one
            // flashover row and one final row off the grid; the columns hold
            // all of them.
            const int row = i + 1;
            const ZoneFlows<double> flows = literal::CompartmentFlows<double>(model, t, y);
            if (!std::isfinite(flows.HeatReleaseRate) || !std::isfinite(flows.Vent.HotGasOut)) {
                unstable = true;
                break;
            }
            i = row;
            out.HeatReleaseRate[i] = flows.HeatReleaseRate;
            out.OSFlag[i] = flows.AirFlag;
            out.FRFlag[i] = flows.RegimeFlag;
            out.Time[i] = static_cast<std::int16_t>(t);
            out.LayerTemperature[i] = T - kKelvinAtZeroCelsius;
            out.InterfaceHeight[i] = RoundToSingle(z);
            out.VentFlow[i] = flows.Vent.HotGasOut;
            if (flashoverNow) {
                out.FlashoverRow = i;
            }
        }

        if (flashoverNow) {
            stopRequested = ask(FlashoverQuestionText(t), kFlashoverTitle) == Answer::Yes;
        }
        if (T > kFlashoverTemperature) {
            flashoverSeen = true;
        }
        tprev = static_cast<float>(t);
        t = t + 1;
        if (stopRequested || z <= in.FireHeight || z <= in.SillHeight || t > in.RunTime ||
            t > lastFireTime) {
            break;
        }
    }

    out.LastRow = i;
    if (unstable) {
        return {RunEnd::Unstable, kUnstableMessage, i};
    }
    if (stopRequested) {
        return {RunEnd::FlashoverStop, kFlashoverStopMessage, i};
    }
    if (z <= in.FireHeight) {
        return {RunEnd::LayerAtFuelSurface, kFuelSurfaceMessage, i};
    }
    if (z <= in.SillHeight) {
        return {RunEnd::LayerAtSill, kVentSillMessage, i};
    }
    if (t > lastFireTime) {
        return {RunEnd::FireEnded, kEndOfFireMessage, i};
    }
    return {RunEnd::Complete, kRunCompleteMessage, i};
}

} // namespace vorla::compartment::literal

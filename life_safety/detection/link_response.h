// The temperature of a detector's or sprinkler's sensing element in the gas
// around it, after Heskestad and Bill ("Quantification of thermal responsiveness
// of automatic sprinklers including conduction effects", Fire Safety Journal
// 14 (1988) 113–125):
//
//   dT_L/dt = (√u / RTI)·(T_g − T_L) − (C / RTI)·(T_L − T_∞)
//
// Over an interval in which u is taken constant and T_g varies linearly, the
// equation is linear with constant coefficients and has an exact solution:
// with a = (√u + C)/RTI and the equilibrium T_e = (√u·T_g + C·T_∞)/(√u + C),
//
//   T_L(t) = T_e(t) − s/a + (T_L(0) − T_e(0) + s/a)·e^(−a·t),  s = dT_e/dt.
//
// Each one-second model step is solved that way, the gas temperature linear
// between the step's ends and √u at its mean, so the answer does not depend
// on how often the report prints, nor on the step being short compared with
// the element's time constant; the time within the step at which the element
// reaches its operating temperature is found on that same exact curve.
#pragma once

#include <optional>

namespace vorla::detection {

struct LinkResponse {
    double Rti = 0;        // (m·s)^½
    double Conduction = 0; // C, (m/s)^½
};

// The gas around the element at one end of an interval.
struct LinkGas {
    double Temperature = 0; // K
    double Velocity = 0;    // m/s
};

// The element's temperature after `seconds` from `start`, with the gas going
// linearly in temperature from `from` to `to` and its velocity taken as their
// mean. `ambient` is the temperature the mount conducts to.
double LinkTemperatureAfter(const LinkResponse& link, double start, const LinkGas& from,
                            const LinkGas& to, double ambient, double seconds);

// The element through one interval, with the time within the interval at
// which it first reached `threshold`, if it did.
struct LinkStep {
    double EndTemperature = 0;       // K
    std::optional<double> ReachedAt; // s after the interval's start
};
LinkStep AdvanceLink(const LinkResponse& link, double start, const LinkGas& from, const LinkGas& to,
                     double ambient, double seconds, double threshold);

// The same with √u at the interval's ends given, as the run's observer has
// them from the ceiling jet (no square roots per device and step).
LinkStep AdvanceLinkWithRoots(const LinkResponse& link, double start, double fromTemperature,
                              double fromRootVelocity, double toTemperature, double toRootVelocity,
                              double ambient, double seconds, double threshold);

// The time the element takes from `ambient` to `threshold` in a steady jet of
// temperature `gas` and velocity `velocity`: the closed form
// t = RTI/(√u + C)·ln((T_e − T_∞)/(T_e − T_op)); nothing when the element
// never gets there (T_e ≤ T_op).
std::optional<double> SteadyJetResponseTime(const LinkResponse& link, double gas, double velocity,
                                            double ambient, double threshold);

} // namespace vorla::detection

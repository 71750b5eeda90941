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

#include <algorithm>
#include <cmath>
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
// them from the ceiling jet (no square roots per device and step). Inline, so
// that the observer's loop over its devices keeps it in the loop.
inline LinkStep AdvanceLinkWithRoots(const LinkResponse& link, double start, double fromTemperature,
                                     double fromRootVelocity, double toTemperature,
                                     double toRootVelocity, double ambient, double seconds,
                                     double threshold);

// The time the element takes from `ambient` to `threshold` in a steady jet of
// temperature `gas` and velocity `velocity`: the closed form
// t = RTI/(√u + C)·ln((T_e − T_∞)/(T_e − T_op)); nothing when the element
// never gets there (T_e ≤ T_op).
std::optional<double> SteadyJetResponseTime(const LinkResponse& link, double gas, double velocity,
                                            double ambient, double threshold);

namespace detail {

// The equation over one interval: T_L' = a·(T_e(t) − T_L), T_e linear.
struct LinkLine {
    double Rate = 0;        // a, 1/s
    double Equilibrium = 0; // T_e at the interval's start, K
    double Slope = 0;       // dT_e/dt, K/s
};

inline LinkLine LineOf(const LinkResponse& link, double fromTemperature, double fromRoot,
                       double toTemperature, double toRoot, double ambient, double seconds) {
    const double root = 0.5 * (fromRoot + toRoot);
    const double conduction = std::max(0.0, link.Conduction);
    LinkLine c;
    const double weight = root + conduction;
    if (!(weight > 0) || !(link.Rti > 0)) {
        return c; // still air and no mount: the element keeps its temperature
    }
    c.Rate = weight / link.Rti;
    const double share = root / weight;
    c.Equilibrium = ambient + share * (fromTemperature - ambient);
    // The models' steps are one second long, and x / 1 is x.
    const double rise = share * (toTemperature - fromTemperature);
    c.Slope = seconds == 1 ? rise : seconds > 0 ? rise / seconds : 0;
    return c;
}

// T_L at `t` s into the interval, from `start` at 0.
inline double LinkAt(const LinkLine& c, double start, double t) {
    if (!(c.Rate > 0)) {
        return start;
    }
    const double lag = c.Slope / c.Rate;
    return c.Equilibrium + c.Slope * t - lag +
           (start - c.Equilibrium + lag) * std::exp(-c.Rate * t);
}

// The first time in [0, seconds] at which the curve reaches `threshold`,
// given it is below at 0 and at or above at `seconds`.
double LinkCrossing(const LinkLine& c, double start, double seconds, double threshold);

inline LinkStep StepOn(const LinkLine& c, double start, double seconds, double threshold) {
    LinkStep step;
    step.EndTemperature = LinkAt(c, start, seconds);
    if (start >= threshold) {
        step.ReachedAt = 0.0;
    } else if (step.EndTemperature >= threshold) {
        step.ReachedAt = LinkCrossing(c, start, seconds, threshold);
    }
    return step;
}

} // namespace detail

inline LinkStep AdvanceLinkWithRoots(const LinkResponse& link, double start, double fromTemperature,
                                     double fromRootVelocity, double toTemperature,
                                     double toRootVelocity, double ambient, double seconds,
                                     double threshold) {
    return detail::StepOn(detail::LineOf(link, fromTemperature, fromRootVelocity, toTemperature,
                                         toRootVelocity, ambient, seconds),
                          start, seconds, threshold);
}

} // namespace vorla::detection

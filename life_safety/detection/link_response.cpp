#include "life_safety/detection/link_response.h"

#include <algorithm>
#include <cmath>

namespace vorla::detection {
namespace {

struct Linear {
    double Rate = 0;        // a, 1/s
    double Equilibrium = 0; // T_e at the interval's start, K
    double Slope = 0;       // dT_e/dt, K/s
};

Linear Coefficients(const LinkResponse& link, double fromTemperature, double fromRoot,
                    double toTemperature, double toRoot, double ambient, double seconds) {
    const double root = 0.5 * (fromRoot + toRoot);
    const double conduction = std::max(0.0, link.Conduction);
    Linear c;
    const double weight = root + conduction;
    if (!(weight > 0) || !(link.Rti > 0)) {
        return c; // still air and no mount: the element keeps its temperature
    }
    c.Rate = weight / link.Rti;
    const double share = root / weight;
    c.Equilibrium = ambient + share * (fromTemperature - ambient);
    c.Slope = seconds > 0 ? share * (toTemperature - fromTemperature) / seconds : 0;
    return c;
}

Linear Coefficients(const LinkResponse& link, const LinkGas& from, const LinkGas& to,
                    double ambient, double seconds) {
    return Coefficients(link, from.Temperature, std::sqrt(std::max(0.0, from.Velocity)),
                        to.Temperature, std::sqrt(std::max(0.0, to.Velocity)), ambient, seconds);
}

LinkStep StepOn(const Linear& c, double start, double seconds, double threshold);

double Solve(const Linear& c, double start, double t) {
    if (!(c.Rate > 0)) {
        return start;
    }
    const double lag = c.Slope / c.Rate;
    return c.Equilibrium + c.Slope * t - lag +
           (start - c.Equilibrium + lag) * std::exp(-c.Rate * t);
}

// dT_L/dt on the exact curve.
double SolveRate(const Linear& c, double start, double t) {
    if (!(c.Rate > 0)) {
        return 0;
    }
    const double lag = c.Slope / c.Rate;
    return c.Slope - c.Rate * (start - c.Equilibrium + lag) * std::exp(-c.Rate * t);
}

// The first time in [0, seconds] at which the exact curve reaches
// `threshold`, given it is below at 0 and at or above at `seconds`: Newton's
// method kept inside a shrinking bracket, to well under a microsecond.
double Crossing(const Linear& c, double start, double seconds, double threshold) {
    double low = 0;
    double high = seconds;
    double t = seconds * (threshold - start) / (Solve(c, start, seconds) - start);
    for (int i = 0; i < 60 && high - low > 1e-9; ++i) {
        const double value = Solve(c, start, t) - threshold;
        if (value < 0) {
            low = t;
        } else {
            high = t;
        }
        const double slope = SolveRate(c, start, t);
        double next = slope > 0 ? t - value / slope : 0.5 * (low + high);
        if (!(next > low && next < high)) {
            next = 0.5 * (low + high);
        }
        if (std::abs(next - t) < 1e-12) {
            break;
        }
        t = next;
    }
    return std::clamp(t, low, high);
}

} // namespace

double LinkTemperatureAfter(const LinkResponse& link, double start, const LinkGas& from,
                            const LinkGas& to, double ambient, double seconds) {
    return Solve(Coefficients(link, from, to, ambient, seconds), start, seconds);
}

LinkStep AdvanceLink(const LinkResponse& link, double start, const LinkGas& from, const LinkGas& to,
                     double ambient, double seconds, double threshold) {
    return StepOn(Coefficients(link, from, to, ambient, seconds), start, seconds, threshold);
}

LinkStep AdvanceLinkWithRoots(const LinkResponse& link, double start, double fromTemperature,
                              double fromRootVelocity, double toTemperature, double toRootVelocity,
                              double ambient, double seconds, double threshold) {
    return StepOn(Coefficients(link, fromTemperature, fromRootVelocity, toTemperature,
                               toRootVelocity, ambient, seconds),
                  start, seconds, threshold);
}

namespace {

LinkStep StepOn(const Linear& c, double start, double seconds, double threshold) {
    LinkStep step;
    step.EndTemperature = Solve(c, start, seconds);
    if (start >= threshold) {
        step.ReachedAt = 0.0;
    } else if (step.EndTemperature >= threshold) {
        step.ReachedAt = Crossing(c, start, seconds, threshold);
    }
    return step;
}

} // namespace

std::optional<double> SteadyJetResponseTime(const LinkResponse& link, double gas, double velocity,
                                            double ambient, double threshold) {
    if (threshold <= ambient) {
        return 0.0;
    }
    const double root = std::sqrt(std::max(0.0, velocity));
    const double conduction = std::max(0.0, link.Conduction);
    if (!(root > 0) || !(link.Rti > 0)) {
        return std::nullopt;
    }
    const double equilibrium = (root * gas + conduction * ambient) / (root + conduction);
    if (!(equilibrium > threshold)) {
        return std::nullopt;
    }
    return link.Rti / (root + conduction) *
           std::log((equilibrium - ambient) / (equilibrium - threshold));
}

} // namespace vorla::detection

#include "life_safety/detection/link_response.h"

#include <algorithm>
#include <cmath>

namespace vorla::detection {
namespace {

detail::LinkLine Coefficients(const LinkResponse& link, const LinkGas& from, const LinkGas& to,
                              double ambient, double seconds) {
    return detail::LineOf(link, from.Temperature, std::sqrt(std::max(0.0, from.Velocity)),
                          to.Temperature, std::sqrt(std::max(0.0, to.Velocity)), ambient, seconds);
}

// dT_L/dt on the exact curve.
double SolveRate(const detail::LinkLine& c, double start, double t) {
    if (!(c.Rate > 0)) {
        return 0;
    }
    const double lag = c.Slope / c.Rate;
    return c.Slope - c.Rate * (start - c.Equilibrium + lag) * std::exp(-c.Rate * t);
}

} // namespace

// Newton's method kept inside a shrinking bracket, to well under a
// microsecond.
double detail::LinkCrossing(const LinkLine& c, double start, double seconds, double threshold) {
    double low = 0;
    double high = seconds;
    double t = seconds * (threshold - start) / (LinkAt(c, start, seconds) - start);
    for (int i = 0; i < 60 && high - low > 1e-9; ++i) {
        const double value = LinkAt(c, start, t) - threshold;
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

double LinkTemperatureAfter(const LinkResponse& link, double start, const LinkGas& from,
                            const LinkGas& to, double ambient, double seconds) {
    return detail::LinkAt(Coefficients(link, from, to, ambient, seconds), start, seconds);
}

LinkStep AdvanceLink(const LinkResponse& link, double start, const LinkGas& from, const LinkGas& to,
                     double ambient, double seconds, double threshold) {
    return detail::StepOn(Coefficients(link, from, to, ambient, seconds), start, seconds,
                          threshold);
}

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

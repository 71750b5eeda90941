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

Linear Coefficients(const LinkResponse& link, const LinkGas& from, const LinkGas& to,
                    double ambient, double seconds) {
    const double root = std::sqrt(std::max(0.0, 0.5 * (from.Velocity + to.Velocity)));
    const double conduction = std::max(0.0, link.Conduction);
    Linear c;
    const double weight = root + conduction;
    if (!(weight > 0) || !(link.Rti > 0)) {
        return c; // still air and no mount: the element keeps its temperature
    }
    c.Rate = weight / link.Rti;
    const double equilibriumFrom = (root * from.Temperature + conduction * ambient) / weight;
    const double equilibriumTo = (root * to.Temperature + conduction * ambient) / weight;
    c.Equilibrium = equilibriumFrom;
    c.Slope = seconds > 0 ? (equilibriumTo - equilibriumFrom) / seconds : 0;
    return c;
}

double Solve(const Linear& c, double start, double t) {
    if (!(c.Rate > 0)) {
        return start;
    }
    const double lag = c.Slope / c.Rate;
    return c.Equilibrium + c.Slope * t - lag +
           (start - c.Equilibrium + lag) * std::exp(-c.Rate * t);
}

} // namespace

double LinkTemperatureAfter(const LinkResponse& link, double start, const LinkGas& from,
                            const LinkGas& to, double ambient, double seconds) {
    return Solve(Coefficients(link, from, to, ambient, seconds), start, seconds);
}

LinkStep AdvanceLink(const LinkResponse& link, double start, const LinkGas& from, const LinkGas& to,
                     double ambient, double seconds, double threshold, int subSteps) {
    const int parts = std::max(1, subSteps);
    const double h = seconds / parts;
    LinkStep step;
    double temperature = start;
    LinkGas a = from;
    for (int i = 1; i <= parts; ++i) {
        const double share = static_cast<double>(i) / parts;
        const LinkGas b{from.Temperature + share * (to.Temperature - from.Temperature),
                        from.Velocity + share * (to.Velocity - from.Velocity)};
        const double next = LinkTemperatureAfter(link, temperature, a, b, ambient, h);
        if (!step.ReachedAt && temperature < threshold && next >= threshold) {
            step.ReachedAt = (i - 1) * h + h * (threshold - temperature) / (next - temperature);
        }
        temperature = next;
        a = b;
    }
    if (!step.ReachedAt && start >= threshold) {
        step.ReachedAt = 0.0;
    }
    step.EndTemperature = temperature;
    return step;
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

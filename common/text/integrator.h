// Fourth-order Runge-Kutta with step doubling, used by both models to advance
// their state (interface height, layer temperature) one second at a time.
//
// A base step is taken once whole and once as two halves; the difference
// between the two, over 15 and over each component's tolerance, decides whether
// the base step is redone in 4, 8, 16 or 32 substeps. The two-half-step (or
// substep) result is accepted as it is: the difference is never added back as
// a correction and a step is never rejected.
#pragma once

#include "common/text/precision.h"

#include <cmath>

namespace vorla {

// What both models follow through a run. The same shape carries the rates of
// change (m/s, K/s) that a model's derivatives return, and the integrator's
// tolerance on each quantity (m, K).
struct State {
    double InterfaceHeight = 0;  // z, m above the floor
    double LayerTemperature = 0; // T, K

    bool operator==(const State&) const = default;
};

namespace integrator_detail {

// `op` applied to each quantity of `a` and `b` in turn.
template <class Op> State EachQuantity(const State& a, const State& b, Op op) {
    return {op(a.InterfaceHeight, b.InterfaceHeight), op(a.LayerTemperature, b.LayerTemperature)};
}

inline State Times(double h, const State& rate) {
    return {h * rate.InterfaceHeight, h * rate.LayerTemperature};
}

inline double PlusHalf(double a, double k) {
    return a + k / 2;
}

inline double Plus(double a, double k) {
    return a + k;
}

// y + k1 / 6 + k2 / 3 + k3 / 3 + k4 / 6, quantity by quantity.
inline State Advanced(const State& y, const State& k1, const State& k2, const State& k3,
                      const State& k4) {
    const auto advance = [](double a, double b1, double b2, double b3, double b4) {
        return a + b1 / 6 + b2 / 3 + b3 / 3 + b4 / 6;
    };
    return {advance(y.InterfaceHeight, k1.InterfaceHeight, k2.InterfaceHeight, k3.InterfaceHeight,
                    k4.InterfaceHeight),
            advance(y.LayerTemperature, k1.LayerTemperature, k2.LayerTemperature,
                    k3.LayerTemperature, k4.LayerTemperature)};
}

} // namespace integrator_detail

// One classic step of length h from (x, y), where `slope` = f(x, y) is already
// known. f(t, y) returns the rates of change of the state y at time t.
template <class Derivatives>
State RungeKuttaStep(Derivatives& f, double x, double h, const State& y, const State& slope) {
    using namespace integrator_detail;
    const State k1 = Times(h, slope);
    const State k2 = Times(h, f(x + h / 2, EachQuantity(y, k1, PlusHalf)));
    const State k3 = Times(h, f(x + h / 2, EachQuantity(y, k2, PlusHalf)));
    const State k4 = Times(h, f(x + h, EachQuantity(y, k3, Plus)));
    return Advanced(y, k1, k2, k3, k4);
}

// The ends of two steps that do not depend on each other.
struct StepPair {
    State First;
    State Second;
};

// Two independent steps taken side by side, stage by stage: each gives the
// very values RungeKuttaStep gives, but the two chains of derivative calls are
// interleaved so that the processor works on both at once.
template <class Derivatives>
StepPair RungeKuttaStepPair(Derivatives& f, double x1, double h1, const State& y1,
                            const State& slope1, double x2, double h2, const State& y2,
                            const State& slope2) {
    using namespace integrator_detail;
    const State k1First = Times(h1, slope1);
    const State k1Second = Times(h2, slope2);
    const State k2First = Times(h1, f(x1 + h1 / 2, EachQuantity(y1, k1First, PlusHalf)));
    const State k2Second = Times(h2, f(x2 + h2 / 2, EachQuantity(y2, k1Second, PlusHalf)));
    const State k3First = Times(h1, f(x1 + h1 / 2, EachQuantity(y1, k2First, PlusHalf)));
    const State k3Second = Times(h2, f(x2 + h2 / 2, EachQuantity(y2, k2Second, PlusHalf)));
    const State k4First = Times(h1, f(x1 + h1, EachQuantity(y1, k3First, Plus)));
    const State k4Second = Times(h2, f(x2 + h2, EachQuantity(y2, k3Second, Plus)));
    return {Advanced(y1, k1First, k2First, k3First, k4First),
            Advanced(y2, k1Second, k2Second, k3Second, k4Second)};
}

// The state y at tStart advanced to tEnd (one base step; the models step one
// second at a time, with tStart the previous second kept in single precision).
template <class Derivatives>
State IntegrateInterval(Derivatives& f, const State& tolerance, float tStart, double tEnd,
                        State y) {
    constexpr double kErrorDivisor = 15;
    constexpr double kSubdivisionExponent = 0.2;
    constexpr int kMostSubsteps = 32;

    const double h = tEnd - tStart;
    const double hh = h / 2;
    double x = tStart;
    State yfull = y;
    State yhalf = y;

    // The clock reaches tEnd after the base step; the bound only keeps an
    // interval that is not a number from looping forever.
    for (int step = 0; step < 4; ++step) {
        // The whole step and the first half step, side by side.
        const State slope = f(x, yfull);
        const StepPair steps = RungeKuttaStepPair(f, x, h, yfull, slope, x, hh, yhalf, slope);
        yfull = steps.First;
        yhalf = steps.Second;
        const double xm = RoundToSingle(x + hh);
        yhalf = RungeKuttaStep(f, xm, hh, yhalf, f(xm, yhalf));

        // The larger of the two scaled differences; one that is not a number
        // is passed over.
        double e = 0;
        const State scaled = integrator_detail::EachQuantity(
            yhalf, yfull, [](double a, double b) { return std::fabs(a - b) / kErrorDivisor; });
        for (const double ei : {scaled.InterfaceHeight / tolerance.InterfaceHeight,
                                scaled.LayerTemperature / tolerance.LayerTemperature}) {
            if (ei > e) {
                e = ei;
            }
        }
        if (e > 1) {
            int m = 2;
            double hs;
            do {
                m = 2 * m;
                hs = h / m;
            } while (!(hs <= hh / std::pow(e, kSubdivisionExponent) || m == kMostSubsteps));
            double xs = RoundToSingle(x);
            yhalf = RungeKuttaStep(f, xs, hs, y, slope);
            for (int j = 1; j < m; ++j) {
                xs = RoundToSingle(xs + hs);
                yhalf = RungeKuttaStep(f, xs, hs, yhalf, f(xs, yhalf));
            }
        }
        y = yhalf;
        yfull = yhalf;
        x = x + h;
        if (x >= tEnd) {
            break;
        }
    }
    return y;
}

} // namespace vorla

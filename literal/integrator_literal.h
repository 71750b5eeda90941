// The integrator of both models as it was first written, kept for the literal
// calculations: fourth-order Runge-Kutta with step doubling.
//
// A base step is taken once whole and once as two halves; the difference
// between the two, over 15 and over each component's tolerance, decides whether
// the base step is redone in 4, 8, 16 or 32 substeps. The two-half-step (or
// substep) result is accepted as it is: the difference is never added back as
// a correction and a step is never rejected.
#pragma once

#include "common/text/integrator.h"
#include "common/text/precision.h"

#include <cmath>

namespace vorla::literal {

namespace integrator_detail {

// `op` applied to each quantity of `a` and `b` in turn.
template <class Op> State EachQuantity(const State& a, const State& b, Op op) {
    return {op(a.InterfaceHeight, b.InterfaceHeight), op(a.LayerTemperature, b.LayerTemperature)};
}

inline State Times(double h, const State& rate) {
    return {h * rate.InterfaceHeight, h * rate.LayerTemperature};
}

} // namespace integrator_detail

// One classic step of length h from (x, y), where `slope` = f(x, y) is already
// known. f(t, y) returns the rates of change of the state y at time t.
template <class Derivatives>
State RungeKuttaStep(Derivatives& f, double x, double h, const State& y, const State& slope) {
    using integrator_detail::EachQuantity;
    using integrator_detail::Times;
    const auto plusHalf = [](double a, double k) { return a + k / 2; };
    const auto plus = [](double a, double k) { return a + k; };

    const State k1 = Times(h, slope);
    const State k2 = Times(h, f(x + h / 2, EachQuantity(y, k1, plusHalf)));
    const State k3 = Times(h, f(x + h / 2, EachQuantity(y, k2, plusHalf)));
    const State k4 = Times(h, f(x + h, EachQuantity(y, k3, plus)));
    const auto advance = [](double a, double b1, double b2, double b3, double b4) {
        return a + b1 / 6 + b2 / 3 + b3 / 3 + b4 / 6;
    };
    return {advance(y.InterfaceHeight, k1.InterfaceHeight, k2.InterfaceHeight, k3.InterfaceHeight,
                    k4.InterfaceHeight),
            advance(y.LayerTemperature, k1.LayerTemperature, k2.LayerTemperature,
                    k3.LayerTemperature, k4.LayerTemperature)};
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
        const State slope = f(x, yfull);
        yfull = literal::RungeKuttaStep(f, x, h, yfull, slope);
        yhalf = literal::RungeKuttaStep(f, x, hh, yhalf, slope);
        const double xm = RoundToSingle(x + hh);
        yhalf = literal::RungeKuttaStep(f, xm, hh, yhalf, f(xm, yhalf));

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
            yhalf = literal::RungeKuttaStep(f, xs, hs, y, slope);
            for (int j = 1; j < m; ++j) {
                xs = RoundToSingle(xs + hs);
                yhalf = literal::RungeKuttaStep(f, xs, hs, yhalf, f(xs, yhalf));
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

} // namespace vorla::literal

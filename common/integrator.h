// Fourth-order Runge-Kutta with step doubling, used by both models to advance
// their state (interface height, layer temperature) one second at a time.
//
// A base step is taken once whole and once as two halves; the difference
// between the two, over 15 and over each component's tolerance, decides whether
// the base step is redone in 4, 8, 16 or 32 substeps. The two-half-step (or
// substep) result is accepted as it is: the difference is never added back as
// a correction and a step is never rejected.
#pragma once

#include "common/precision.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace vorla {

// Element 0 is the interface height z in m, element 1 the layer temperature T in K.
using State = std::array<double, 2>;

// f(t, y, dydt) sets dydt for time t and state y.
template <class Derivatives>
void RungeKuttaStep(Derivatives& f, const State& d, double h, double x, State& y) {
    State trial;
    State slope;
    State k1, k2, k3, k4;
    for (int i = 0; i < 2; ++i) {
        k1[i] = h * d[i];
        trial[i] = y[i] + k1[i] / 2;
    }
    f(x + h / 2, trial, slope);
    for (int i = 0; i < 2; ++i) {
        k2[i] = h * slope[i];
        trial[i] = y[i] + k2[i] / 2;
    }
    f(x + h / 2, trial, slope);
    for (int i = 0; i < 2; ++i) {
        k3[i] = h * slope[i];
        trial[i] = y[i] + k3[i];
    }
    f(x + h, trial, slope);
    for (int i = 0; i < 2; ++i) {
        k4[i] = h * slope[i];
        y[i] = y[i] + k1[i] / 6 + k2[i] / 3 + k3[i] / 3 + k4[i] / 6;
    }
}

// Two independent Runge-Kutta steps side by side (slopes dA from xA with step
// hA on yA, slopes dB likewise), stage by stage: each step's values are
// exactly those RungeKuttaStep gives, but the two chains of derivative calls
// are interleaved so that the processor works on both at once.
template <class Derivatives>
void RungeKuttaStepPair(Derivatives& f, const State& dA, double hA, double xA, State& yA,
                        const State& dB, double hB, double xB, State& yB) {
    State trialA, trialB;
    State slopeA, slopeB;
    State k1A, k2A, k3A, k4A, k1B, k2B, k3B, k4B;
    for (int i = 0; i < 2; ++i) {
        k1A[i] = hA * dA[i];
        trialA[i] = yA[i] + k1A[i] / 2;
        k1B[i] = hB * dB[i];
        trialB[i] = yB[i] + k1B[i] / 2;
    }
    f(xA + hA / 2, trialA, slopeA);
    f(xB + hB / 2, trialB, slopeB);
    for (int i = 0; i < 2; ++i) {
        k2A[i] = hA * slopeA[i];
        trialA[i] = yA[i] + k2A[i] / 2;
        k2B[i] = hB * slopeB[i];
        trialB[i] = yB[i] + k2B[i] / 2;
    }
    f(xA + hA / 2, trialA, slopeA);
    f(xB + hB / 2, trialB, slopeB);
    for (int i = 0; i < 2; ++i) {
        k3A[i] = hA * slopeA[i];
        trialA[i] = yA[i] + k3A[i];
        k3B[i] = hB * slopeB[i];
        trialB[i] = yB[i] + k3B[i];
    }
    f(xA + hA, trialA, slopeA);
    f(xB + hB, trialB, slopeB);
    for (int i = 0; i < 2; ++i) {
        k4A[i] = hA * slopeA[i];
        yA[i] = yA[i] + k1A[i] / 6 + k2A[i] / 3 + k3A[i] / 3 + k4A[i] / 6;
        k4B[i] = hB * slopeB[i];
        yB[i] = yB[i] + k1B[i] / 6 + k2B[i] / 3 + k3B[i] / 3 + k4B[i] / 6;
    }
}

// Advances y from tStart to tEnd in `baseSteps` equal steps (both models pass 1).
template <class Derivatives>
void IntegrateInterval(Derivatives& f, const State& tolerance, std::int16_t baseSteps, double tEnd,
                       float tStart, State& y) {
    constexpr double kErrorDivisor = 15;
    constexpr double kSubdivisionExponent = 0.2;
    constexpr int kMostSubsteps = 32;

    const int n = baseSteps < 1 ? 1 : baseSteps;
    const double h = (tEnd - tStart) / n;
    const double hh = h / 2;
    double x = tStart;
    State yfull = y;
    State yhalf = y;
    State d;
    State d2;

    // The clock reaches tEnd after n base steps; the bound only keeps an interval
    // that is not a number from looping forever.
    for (int step = 0; step < 2 * n + 2; ++step) {
        f(x, yfull, d);
        RungeKuttaStepPair(f, d, h, x, yfull, d, hh, x, yhalf);
        const double xm = RoundToSingle(x + hh);
        f(xm, yhalf, d2);
        RungeKuttaStep(f, d2, hh, xm, yhalf);

        double e = 0;
        for (int i = 0; i < 2; ++i) {
            const double ei = std::fabs(yhalf[i] - yfull[i]) / kErrorDivisor / tolerance[i];
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
            yhalf = y;
            RungeKuttaStep(f, d, hs, xs, yhalf);
            for (int j = 1; j < m; ++j) {
                xs = RoundToSingle(xs + hs);
                f(xs, yhalf, d2);
                RungeKuttaStep(f, d2, hs, xs, yhalf);
            }
        }
        y = yhalf;
        yfull = yhalf;
        x = x + h;
        if (x >= tEnd) {
            break;
        }
    }
}

} // namespace vorla

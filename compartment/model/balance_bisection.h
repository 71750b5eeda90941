// The bisection that solves a vent flow balance, and the bookkeeping that lets
// it skip evaluations whose outcome is already proven.
//
// The bisection on the pressure difference dp halves [0, top] until the
// residual at the midpoint is within the tolerance (or the midpoint can no
// longer move). Every printed digit depends on which midpoint ends the search,
// so the path of midpoints must be exactly the one a plain evaluation of the
// residual at every midpoint takes. Two facts make most evaluations
// unnecessary without changing that path:
//
// - A fast estimate of the residual (x * sqrt(x) for pow(x, 1.5)) comes with
//   a proven bound on its distance from the exact residual. When the bound
//   keeps the estimate clear of -tolerance, 0 and +tolerance, the exact
//   residual makes the same decision; otherwise the exact residual is computed.
// - The residual grows monotonically with dp (up to rounding, which the bound
//   covers). An estimate at a point therefore proves a decision for every
//   midpoint beyond it on one side. Probing once on either side of where the
//   root is expected settles every midpoint outside the probes, so only the
//   few midpoints near the root are evaluated at all.
//
// The probes' places come from where the previous balance of the same regime
// settled (the state changes little between calls). A poor guess costs an
// evaluation or two, never a different answer. The proven steps are taken
// without waiting on a branch whose way is as good as random.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace vorla::compartment {

inline constexpr double kBalanceTolerance = 0.1; // kg K/s

// A bracket that holds no root would otherwise halve forever: the search stops
// when the midpoint can no longer move (the bracket is down to neighbouring
// doubles) or is not a number, or after this many halvings, far more than a
// bracket of doubles can take.
inline constexpr int kMostBisections = 4096;

// What a fast evaluation of a residual at one dp proves. The residual is
// oriented to grow with dp: above the tolerance the bracket's top moves down
// to dp, below it the bracket's bottom moves up.
struct ResidualEstimate {
    double Value = 0; // the fast residual
    double Error = 0; // the exact residual is within Value ± Error
    // The exact residual at every dp at or below this one is at most
    // MostBelow, and at every dp at or above it at least LeastAbove.
    double MostBelow = std::numeric_limits<double>::infinity();
    double LeastAbove = -std::numeric_limits<double>::infinity();
    double Slope = 0; // d(residual)/d(dp), for guessing where the root lies
};

struct ExactResidual {
    double Residual = 0; // oriented as above
    double Outflow = 0;  // the hot-gas outflow at that dp, kg/s
};

// Where the last balance of one regime settled.
struct BalanceGuess {
    double Root = std::numeric_limits<double>::quiet_NaN();
    double Slope = std::numeric_limits<double>::quiet_NaN(); // the residual's slope there
};

namespace detail {

enum class Move { Undecided, RaiseBottom, LowerTop, Settle };

// How far either side of the last root the first two estimates go, in
// half-widths of the band where the residual is within the tolerance; and how
// far either side of a root found from them the later probes go.
inline constexpr double kLead = 1.5;
inline constexpr double kProbeMargin = 1.25;

// The dp beyond which every midpoint's move is proven.
struct ProvenRange {
    // At and below Below the residual is under -tolerance; at and above
    // Above it is over +tolerance.
    double Below = -std::numeric_limits<double>::infinity();
    double Above = std::numeric_limits<double>::infinity();

    void Learn(const ResidualEstimate& e, double dp) {
        if (e.MostBelow < -kBalanceTolerance && dp > Below) {
            Below = dp;
        }
        if (e.LeastAbove > kBalanceTolerance && dp < Above) {
            Above = dp;
        }
    }
    bool Holds(double dp) const { return !(std::min(dp - Below, Above - dp) > 0); }
};

// A midpoint strictly inside the bracket, so one that does not end the search
// by itself (it can still move and is a number). A bracket turned upside down
// (a negative top) fails too and is left to the general steps.
inline bool MovesOn(double mid, double lo, double hi) {
    return lo < mid && mid < hi;
}

// Bisection steps whose moves the proven range decides, two at a time: the
// second midpoint is worked out for either move of the first at once, which
// halves the chain of operations that wait on each other. Stops before a step
// that ends the search or needs an evaluation; the caller takes that one.
inline void AdvanceThroughProvenSteps(double& lo, double& hi, int& count,
                                      const ProvenRange& proven) {
    while (count + 2 < kMostBisections) {
        const double mid = (lo + hi) / 2;
        const double nextIfRaised = (mid + hi) / 2;
        const double nextIfLowered = (lo + mid) / 2;
        const bool raise = mid <= proven.Below;
        const double next = raise ? nextIfRaised : nextIfLowered;
        const double loAfter = raise ? mid : lo;
        const double hiAfter = raise ? hi : mid;
        if (!(MovesOn(mid, lo, hi) && proven.Holds(mid) && MovesOn(next, loAfter, hiAfter) &&
              proven.Holds(next))) {
            return;
        }
        const bool raiseAgain = next <= proven.Below;
        lo = raiseAgain ? next : loAfter;
        hi = raiseAgain ? hiAfter : next;
        count += 2;
    }
}

inline Move MoveFor(const ResidualEstimate& e) {
    if (e.Value - e.Error > kBalanceTolerance) {
        return Move::LowerTop;
    }
    if (e.Value + e.Error < -kBalanceTolerance) {
        return Move::RaiseBottom;
    }
    if (std::fabs(e.Value) + e.Error <= kBalanceTolerance) {
        return Move::Settle;
    }
    return Move::Undecided;
}

inline Move MoveFor(const ExactResidual& e) {
    if (std::fabs(e.Residual) <= kBalanceTolerance) {
        return Move::Settle;
    }
    return e.Residual > 0 ? Move::LowerTop : Move::RaiseBottom;
}

} // namespace detail

// Bisects [0, top] for the balance and returns the outflow at the midpoint
// that ends the search. `Balance` gives Estimable() (the fast estimate's
// bound holds for this state), Estimate(dp), Exact(dp) and OutflowAt(dp).
template <class Balance>
double SolveBalance(const Balance& balance, double top, BalanceGuess& guess) {
    using detail::Move;
    double lo = 0;
    double hi = top;
    int count = 0;
    const bool estimable = balance.Estimable();
    detail::ProvenRange proven;
    double lowProbe = -std::numeric_limits<double>::infinity();
    double highProbe = std::numeric_limits<double>::infinity();

    if (estimable && guess.Slope > 0 && std::isfinite(guess.Slope)) {
        // One estimate either side of where the last balance settled, just
        // outside the band where the residual was within the tolerance: the
        // root moves little between calls, so they usually prove the move of
        // every midpoint but the last few. They do not depend on each other,
        // so the processor works on both at once.
        const double reach = detail::kLead * kBalanceTolerance / guess.Slope;
        const double low = guess.Root - reach;
        const double high = guess.Root + reach;
        if (low > 0 && high < top) {
            const ResidualEstimate atLow = balance.Estimate(low);
            const ResidualEstimate atHigh = balance.Estimate(high);
            proven.Learn(atLow, low);
            proven.Learn(atHigh, high);
            // Where the root moved out of reach, the two estimates' secant
            // tells where it is now: probe around that once needed.
            const double slope = (atHigh.Value - atLow.Value) / (high - low);
            if ((proven.Below != low || proven.Above != high) && slope > 0 &&
                std::isfinite(slope)) {
                const double root = low - atLow.Value / slope;
                const double halfWidth = detail::kProbeMargin * kBalanceTolerance / slope;
                lowProbe = root - halfWidth;
                highProbe = root + halfWidth;
            }
        }
    }

    for (;;) {
        detail::AdvanceThroughProvenSteps(lo, hi, count, proven);
        const double mid = (lo + hi) / 2;
        ++count;
        if (mid == lo || mid == hi || !std::isfinite(mid) || count >= kMostBisections) {
            guess.Root = mid;
            return balance.OutflowAt(mid);
        }
        // Outside the proven range the bracket moves without an evaluation.
        // Which way is as good as random, so it is chosen without a branch.
        bool held = proven.Holds(mid);
        if (!held && estimable) {
            // Beyond a probe the midpoint's move is proven once the probe is.
            if (mid < lowProbe && lowProbe < hi) {
                proven.Learn(balance.Estimate(lowProbe), lowProbe);
                lowProbe = -std::numeric_limits<double>::infinity();
                held = proven.Holds(mid);
            } else if (mid > highProbe && highProbe > lo) {
                proven.Learn(balance.Estimate(highProbe), highProbe);
                highProbe = std::numeric_limits<double>::infinity();
                held = proven.Holds(mid);
            }
        }
        if (held) {
            const bool raiseBottom = mid <= proven.Below;
            lo = raiseBottom ? mid : lo;
            hi = raiseBottom ? hi : mid;
            continue;
        }
        Move move = Move::Undecided;
        if (estimable) {
            const ResidualEstimate atMid = balance.Estimate(mid);
            proven.Learn(atMid, mid);
            move = detail::MoveFor(atMid);
            if (move == Move::Settle && atMid.Slope > 0 && std::isfinite(atMid.Slope)) {
                guess.Slope = atMid.Slope;
            }
        }
        if (move == Move::Undecided) {
            const ExactResidual exact = balance.Exact(mid);
            move = detail::MoveFor(exact);
            if (move == Move::Settle) {
                guess.Root = mid;
                return exact.Outflow;
            }
        }
        switch (move) {
        case Move::Settle:
            guess.Root = mid;
            return balance.OutflowAt(mid);
        case Move::LowerTop:
            hi = mid;
            break;
        default:
            lo = mid;
            break;
        }
    }
}

} // namespace vorla::compartment

// The bisection that skips proven steps ends on the very midpoint a plain
// bisection (evaluating the exact residual at every midpoint, as the vent flow
// balances were first written) ends on, whatever the guess it starts from.
#include "common/text/precision.h"
#include "compartment/model/balance_bisection.h"
#include "tests/common/random_fires.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace vorla::compartment {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// A residual that grows with dp in single-precision steps, like the balance
// of regime 3 with its neutral plane; the outflow is any function of dp.
struct SteppedBalance {
    double Slope = 1;
    double Root = 0;
    double Error = 1e-6; // the estimates' bound
    bool CanEstimate = true;

    double ExactResidual(double dp) const {
        return Slope * (static_cast<double>(RoundToSingle(dp)) - Root);
    }
    bool Estimable() const { return CanEstimate; }
    compartment::ExactResidual Exact(double dp) const { return {ExactResidual(dp), OutflowAt(dp)}; }
    double OutflowAt(double dp) const { return 3 * dp + 1; }
    ResidualEstimate Estimate(double dp) const {
        // Off the exact residual by up to half the bound, in a pattern that
        // depends on the bits of dp.
        std::uint64_t bits;
        std::memcpy(&bits, &dp, sizeof bits);
        bits = (bits ^ (bits >> 29)) * 0xbf58476d1ce4e5b9ULL;
        bits ^= bits >> 32;
        const double offset = (static_cast<double>(bits % 1001) / 1000 - 0.5) * Error;
        ResidualEstimate e;
        e.Value = ExactResidual(dp) + offset;
        e.Error = Error;
        e.MostBelow = e.Value + Error;
        e.LeastAbove = e.Value - Error;
        e.Slope = Slope;
        return e;
    }
};

// The bisection as first written: the exact residual at every midpoint.
double PlainBisection(const SteppedBalance& balance, double top) {
    double lo = 0;
    double hi = top;
    for (int count = 1;; ++count) {
        const double mid = (lo + hi) / 2;
        const double r = balance.ExactResidual(mid);
        if (std::fabs(r) <= 0.1 || mid == lo || mid == hi || !std::isfinite(mid) || count >= 4096) {
            return balance.OutflowAt(mid);
        }
        if (r > 0) {
            hi = mid;
        } else {
            lo = mid;
        }
    }
}

TEST(SolveBalance, EndsWhereThePlainBisectionEnds) {
    const struct {
        const char* what;
        double slope;
        double root;
        double top;
        double error;
    } balances[] = {
        {"a root inside", 40, 2.7, 10, 1e-9},
        {"a steep residual, a band narrower than single precision steps", 1e9, 1.234567, 10, 1e-3},
        {"a shallow residual, a wide band", 0.001, 55, 100, 1e-9},
        {"the root at the bottom", 5, 0, 3, 1e-9},
        {"no root: the residual is above the tolerance everywhere", 5, -7, 3, 1e-9},
        {"no root: the residual is below the tolerance everywhere", 5, 70, 3, 1e-9},
        {"bounds too wide to prove anything", 40, 2.7, 10, 0.5},
        {"a huge bracket", 1e-3, 1e250, 1e300, 1e-9},
        {"a tiny bracket", 1e30, 3e-200, 1e-199, 1e-9},
        {"an empty bracket", 40, 2.7, 0, 1e-9},
        {"a bracket that is not a number", 40, 2.7, kNaN, 1e-9},
        {"an infinite bracket", 40, 2.7, kInf, 1e-9},
    };
    const std::vector<double> guesses = {kNaN, 0, 1e-300, 0.5, 2.69, 2.7, 2.71, 9.9, 55, 1e250};
    const std::vector<double> guessSlopes = {kNaN, -1, 0.001, 1, 40, 1e9, kInf};
    for (const auto& b : balances) {
        for (const bool canEstimate : {true, false}) {
            const SteppedBalance balance{b.slope, b.root, b.error, canEstimate};
            const double expected = PlainBisection(balance, b.top);
            for (const double root : guesses) {
                for (const double slope : guessSlopes) {
                    BalanceGuess guess{root, slope};
                    const double outflow = SolveBalance(balance, b.top, guess);
                    EXPECT_EQ(std::memcmp(&outflow, &expected, sizeof outflow), 0)
                        << b.what << (canEstimate ? "" : ", no estimates") << ", guess " << root
                        << " with slope " << slope << ": " << outflow << " instead of " << expected;
                }
            }
        }
    }
}

// Random balances whose estimates are off by up to half their bounds, from
// bounds far below the tolerance to bounds wider than it: every decision the
// estimates prove must be the exact residual's.
TEST(SolveBalance, EndsWhereThePlainBisectionEndsForRandomBalances) {
    testing::RandomSource random(17);
    for (int trial = 0; trial < 3000; ++trial) {
        const double top = random.LogUniform(1e-3, 1e4);
        const SteppedBalance balance{random.LogUniform(1e-2, 1e6), random.Uniform(-0.1, 1.1) * top,
                                     random.Chance(0.5) ? 1e-9 : random.Uniform(0.01, 0.4), true};
        BalanceGuess guess{random.Chance(0.8) ? balance.Root * random.Uniform(0.9, 1.1) : kNaN,
                           balance.Slope * random.LogUniform(0.3, 3)};
        const double expected = PlainBisection(balance, top);
        const double outflow = SolveBalance(balance, top, guess);
        ASSERT_EQ(std::memcmp(&outflow, &expected, sizeof outflow), 0)
            << "trial " << trial << ": " << outflow << " instead of " << expected;
    }
}

// A run of balances whose root drifts, as the integrator's calls do: each
// starts from where the last settled.
TEST(SolveBalance, FollowsADriftingRootFromItsLastGuess) {
    BalanceGuess guess;
    for (int call = 0; call < 2000; ++call) {
        const double root = 3 + std::sin(call / 50.0) + (call % 7) * 1e-4;
        const SteppedBalance balance{30.0 + call % 13, root, 1e-9, true};
        const double top = 8 + (call % 5) * 0.01;
        const double expected = PlainBisection(balance, top);
        const double outflow = SolveBalance(balance, top, guess);
        ASSERT_EQ(std::memcmp(&outflow, &expected, sizeof outflow), 0) << "call " << call;
    }
}

} // namespace
} // namespace vorla::compartment

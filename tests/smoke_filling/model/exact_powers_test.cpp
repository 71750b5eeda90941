// The fast powers against std::pow itself, bit for bit: special values, the
// edges of the fast ranges, and a million random arguments each (a soak of a
// thousand million each found no difference either).
#include "common/text/exact_powers.h"
#include "smoke_filling/model/nearby_cube_roots.h"
#include "tests/common/random_fires.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace vorla {
namespace {

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::vector<double> SpecialArguments() {
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> values = {0.0,
                                  -0.0,
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::min(),
                                  1e-300,
                                  1e300,
                                  std::numeric_limits<double>::max(),
                                  inf,
                                  -inf,
                                  std::numeric_limits<double>::quiet_NaN(),
                                  -1.0,
                                  -8.0,
                                  1.0,
                                  2.0,
                                  3.0,
                                  0.1,
                                  1.5};
    // Powers of two (whose powers may be exact or sit on a binade's edge) and
    // the edges of the fast ranges, 2^-43 to 2^43 and 2^-144 to 2^144.
    for (int k = -160; k <= 160; ++k) {
        const double p = std::ldexp(1.0, k);
        values.insert(values.end(), {p, std::nextafter(p, 0.0), std::nextafter(p, inf)});
    }
    return values;
}

TEST(ExactPowers, SpecialArgumentsGiveStdPowsBits) {
    for (const double x : SpecialArguments()) {
        EXPECT_TRUE(SameBits(PowerFive(x), std::pow(x, 5))) << "x^5 for x = " << x;
        EXPECT_TRUE(SameBits(PowerOneAndAHalf(x), std::pow(x, 1.5))) << "x^1.5 for x = " << x;
        NearbyCubeRoots roots;
        EXPECT_TRUE(SameBits(roots.Of(x), std::pow(x, 1.0 / 3.0))) << "x^(1/3) for x = " << x;
    }
}

TEST(ExactPowers, RandomArgumentsGiveStdPowsBits) {
    testing::RandomSource random(11);
    int differences = 0;
    for (int i = 0; i < 1000000 && differences < 10; ++i) {
        // Across the fast ranges and a little beyond them.
        const double x = std::exp(random.Uniform(-32, 32));
        if (!SameBits(PowerFive(x), std::pow(x, 5))) {
            ++differences;
            ADD_FAILURE() << "x^5 for x = " << x;
        }
        const double y = std::exp(random.Uniform(-105, 105));
        if (!SameBits(PowerOneAndAHalf(y), std::pow(y, 1.5))) {
            ++differences;
            ADD_FAILURE() << "x^1.5 for x = " << y;
        }
    }
}

// Walks of arguments with relative steps from a millionth to a hundredth
// (most within the anchor's reach of 1/256, some beyond), jumps and a few
// special values in between: the cube root never depends on what came before.
TEST(NearbyCubeRoots, AnyRunOfArgumentsGivesStdPowsBits) {
    testing::RandomSource random(13);
    const std::vector<double> specials = SpecialArguments();
    int differences = 0;
    for (int walk = 0; walk < 500 && differences < 10; ++walk) {
        NearbyCubeRoots roots;
        double x = std::exp(random.Uniform(-300, 300));
        const double step = random.LogUniform(1e-6, 0.01);
        for (int i = 0; i < 2000 && differences < 10; ++i) {
            x *= 1 + random.Uniform(-step, step);
            double argument = x;
            if (random.Chance(0.002)) {
                argument = specials[random.Next() % specials.size()];
            } else if (random.Chance(0.002)) {
                x = std::exp(random.Uniform(-300, 300));
                argument = x;
            }
            if (!SameBits(roots.Of(argument), std::pow(argument, 1.0 / 3.0))) {
                ++differences;
                ADD_FAILURE() << "x^(1/3) for x = " << argument << " in walk " << walk;
            }
        }
    }
}

// Arguments that keep drifting one way take the anchor along hundreds of
// times, each new anchor's logarithm carried over from the last: across the
// whole range the roots stay std::pow's.
TEST(NearbyCubeRoots, LongDriftsOneWayGiveStdPowsBits) {
    struct Drift {
        double First;
        double Step; // relative change per call
        int Calls;
    };
    const std::vector<Drift> drifts = {
        {std::exp(-200.0), 0.003, 100000}, // e^-200 to e^100, a new anchor every second call
        {std::exp(200.0), -0.003, 100000}, // e^200 down to e^-100
        {1e-3, 0.0001, 200000},            // many calls between anchors
        {1e3, -0.0001, 200000},
        {0.5, 0x1p-9, 50000}, // just at the distance that re-anchors
        {2.0, -0x1p-9 * 1.0001, 50000},
        {7.0, 1e-7, 100000}, // barely moving: one anchor for all
    };
    for (const Drift& d : drifts) {
        NearbyCubeRoots roots;
        double x = d.First;
        int differences = 0;
        for (int i = 0; i < d.Calls && differences < 5; ++i) {
            x *= 1 + d.Step;
            if (!SameBits(roots.Of(x), std::pow(x, 1.0 / 3.0))) {
                ++differences;
                ADD_FAILURE() << "x^(1/3) for x = " << x << " after " << i << " calls from "
                              << d.First << " by " << d.Step;
            }
        }
    }
}

} // namespace
} // namespace vorla

// Random numbers and fires for the tests that compare a model's run with its
// literal calculation: the same cases from a seed on every platform.
#pragma once

#include "common/fire_files/fire_table.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace vorla::testing {

// splitmix64: the same numbers from a seed on every platform and library.
class RandomSource {
  public:
    explicit RandomSource(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // In [0, 1), 53 random bits.
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    double Uniform(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    double LogUniform(double lo, double hi) { return lo * std::pow(hi / lo, Unit()); }
    bool Chance(double p) { return Unit() < p; }
    int Integer(int lo, int hi) { return lo + static_cast<int>(Next() % (hi - lo + 1)); }

  private:
    std::uint64_t state_;
};

// A number from the environment, or `fallback` when it is not set: lets a
// long soak outside CI run the very same tests with other seeds and counts.
inline std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 0) : fallback;
}

// A fire of a few shapes: t-squared growth to a peak, steady burning, decay;
// sometimes a period of no fire first, a first point after time 0 (the table
// is then extended backwards, to negative rates), steps and an early end.
inline void RandomFire(RandomSource& random, int runTime, FireTable& fire) {
    fire = FireTable{};
    const double peak = random.LogUniform(5, 20000);
    const double alpha = random.LogUniform(0.002, 0.5);
    const double growthEnd = std::sqrt(peak / alpha);
    const double steadyEnd = growthEnd + random.Uniform(0, 1.5 * runTime);
    const double decayEnd = steadyEnd + random.Uniform(10, 2000);
    const double delay = random.Chance(0.15) ? random.Uniform(1, 100) : 0;
    const double spacing = random.Chance(0.3) ? random.Uniform(0.3, 5) : random.Uniform(5, 120);
    double t = random.Chance(0.1) ? random.Uniform(-50, 60) : 0;
    // Ends before the run time now and then, and never holds more than 400 points.
    const double end = random.Chance(0.2) ? random.Uniform(1, runTime) : 1.2 * runTime + 200;
    int n = 0;
    while (n < 400) {
        double rate = 0;
        const double sinceStart = t - delay;
        if (sinceStart <= 0) {
            rate = 0;
        } else if (sinceStart < growthEnd) {
            rate = alpha * sinceStart * sinceStart;
        } else if (sinceStart < steadyEnd) {
            rate = peak;
        } else if (sinceStart < decayEnd) {
            rate = peak * (decayEnd - sinceStart) / (decayEnd - steadyEnd);
        }
        if (random.Chance(0.05)) {
            rate *= random.Uniform(0.2, 3); // a flare-up or a lull
        }
        fire.Points[n] = {t, rate};
        if (t >= end) {
            break;
        }
        // Now and then a step: the next point at the same time.
        if (!random.Chance(0.03)) {
            t += spacing * random.Uniform(0.5, 1.5);
        }
        ++n;
    }
    fire.LastIndex = static_cast<std::int16_t>(std::max(n, 1));
}

} // namespace vorla::testing

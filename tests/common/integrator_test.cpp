#include "common/integrator.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace vorla {
namespace {

const State kTolerance = {0.001, 0.3};

TEST(IntegrateInterval, ConstantSlopeNeedsNoSubdivision) {
    int calls = 0;
    auto f = [&](double, const State&, State& dydt) {
        ++calls;
        dydt = {-0.02, 1.5};
    };
    State y = {2.39, 294.26};
    IntegrateInterval(f, kTolerance, 1, 6, 5.0f, y);
    EXPECT_NEAR(y[0], 2.37, 1e-12);
    EXPECT_NEAR(y[1], 295.76, 1e-12);
    EXPECT_EQ(calls, 11);
}

TEST(IntegrateInterval, AcceptsTheTwoHalfStepResult) {
    auto f = [](double, const State& y, State& dydt) { dydt = {y[0], 0}; };
    State y = {1, 300};
    IntegrateInterval(f, kTolerance, 1, 1, 0.0f, y);
    EXPECT_NEAR(y[0], 2.717346191, 1e-9);
    EXPECT_EQ(y[1], 300);

    State full = {1, 300};
    State slope;
    f(0, full, slope);
    RungeKuttaStep(f, slope, 1.0, 0.0, full);
    EXPECT_NEAR(full[0], 2.708333333, 1e-9);
    // (2.717346 - 2.708333) / 15 / 0.001 is about 0.60: below 1, no subdivision.
    EXPECT_NEAR((y[0] - full[0]) / 15 / 0.001, 0.60, 0.01);
}

TEST(IntegrateInterval, SubdividesByTheErrorMeasure) {
    // Tolerances small enough to make the error measure about 100 give 8
    // substeps: 11 calls for the doubled step, then 4 * 8 - 1 for the substeps.
    const State tight = {0.6e-5, 0.3};
    int calls = 0;
    auto f = [&](double, const State& y, State& dydt) {
        ++calls;
        dydt = {y[0], 0};
    };
    State y = {1, 300};
    IntegrateInterval(f, tight, 1, 1, 0.0f, y);
    EXPECT_EQ(calls, 11 + 31);

    // Eight classic steps of 1/8 s cover exactly the one-second base step.
    State expected = {1, 300};
    for (int j = 0; j < 8; ++j) {
        State slope;
        f(j / 8.0, expected, slope);
        RungeKuttaStep(f, slope, 0.125, j / 8.0, expected);
    }
    EXPECT_NEAR(y[0], expected[0], 1e-12);
    EXPECT_NEAR(y[0], 2.718281828, 1e-5);
}

TEST(IntegrateInterval, LargerErrorsUseMoreSubsteps) {
    const struct {
        double tolerance;
        int calls;
    } cases[] = {
        {1e-3, 11},
        {2e-5, 11 + 15},   // e about 30: 4 substeps
        {1e-7, 11 + 63},   // e about 6000: 16 substeps
        {1e-12, 11 + 127}, // e far above 32768: 32 substeps at most
    };
    for (const auto& c : cases) {
        int calls = 0;
        auto f = [&](double, const State& y, State& dydt) {
            ++calls;
            dydt = {y[0], 0};
        };
        State y = {1, 300};
        IntegrateInterval(f, State{c.tolerance, 0.3}, 1, 1, 0.0f, y);
        EXPECT_EQ(calls, c.calls) << c.tolerance;
    }
}

TEST(IntegrateInterval, PassesTheHalfStepTimesInSinglePrecision) {
    std::vector<double> times;
    auto f = [&](double t, const State&, State& dydt) {
        times.push_back(t);
        dydt = {0, 0};
    };
    State y = {1, 300};
    IntegrateInterval(f, kTolerance, 1, 8001, 8000.0f, y);
    // The whole step and the first half step are taken side by side, a stage
    // of one and then the same stage of the other.
    EXPECT_EQ(times, (std::vector<double>{8000, 8000.5, 8000.25, 8000.5, 8000.25, 8001, 8000.5,
                                          8000.5, 8000.75, 8000.75, 8001}));
}

// Taken side by side, two steps give the very bits they give one after the
// other: only the order of the derivative calls changes.
TEST(RungeKuttaStepPair, GivesTheBitsOfTwoSeparateSteps) {
    auto f = [](double t, const State& y, State& dydt) {
        dydt = {std::sin(t) * y[1] / 1000 - y[0] * y[0] / 7, std::sqrt(y[1]) * std::cos(y[0]) / 3};
    };
    const struct {
        double hA, xA, hB, xB;
        State yA, yB;
    } cases[] = {
        {1.0, 8000.0, 0.5, 8000.0, {2.39, 294.26}, {2.39, 294.26}},
        {0.25, 3.0, 0.125, 3.75, {1.1, 700.0}, {0.9, 650.5}},
        {1.0 / 3, 0.1, 1e-3, 17.0, {-0.5, 1.0e-3}, {30.0, 5000.0}},
    };
    for (const auto& c : cases) {
        State dA, dB;
        f(c.xA, c.yA, dA);
        f(c.xB, c.yB, dB);
        State separateA = c.yA, separateB = c.yB;
        RungeKuttaStep(f, dA, c.hA, c.xA, separateA);
        RungeKuttaStep(f, dB, c.hB, c.xB, separateB);
        State pairedA = c.yA, pairedB = c.yB;
        RungeKuttaStepPair(f, dA, c.hA, c.xA, pairedA, dB, c.hB, c.xB, pairedB);
        EXPECT_EQ(std::memcmp(&pairedA, &separateA, sizeof(State)), 0) << c.xA;
        EXPECT_EQ(std::memcmp(&pairedB, &separateB, sizeof(State)), 0) << c.xB;
    }
}

} // namespace
} // namespace vorla

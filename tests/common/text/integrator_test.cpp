#include "common/text/integrator.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace vorla {
namespace {

const State kTolerance = {0.001, 0.3};

TEST(IntegrateInterval, ConstantSlopeNeedsNoSubdivision) {
    int calls = 0;
    auto f = [&](double, const State&) {
        ++calls;
        return State{-0.02, 1.5};
    };
    State y = {2.39, 294.26};
    y = IntegrateInterval(f, kTolerance, 5.0f, 6, y);
    EXPECT_NEAR(y.InterfaceHeight, 2.37, 1e-12);
    EXPECT_NEAR(y.LayerTemperature, 295.76, 1e-12);
    EXPECT_EQ(calls, 11);
}

TEST(IntegrateInterval, AcceptsTheTwoHalfStepResult) {
    auto f = [](double, const State& y) { return State{y.InterfaceHeight, 0}; };
    State y = {1, 300};
    y = IntegrateInterval(f, kTolerance, 0.0f, 1, y);
    EXPECT_NEAR(y.InterfaceHeight, 2.717346191, 1e-9);
    EXPECT_EQ(y.LayerTemperature, 300);

    const State start = {1, 300};
    const State full = RungeKuttaStep(f, 0.0, 1.0, start, f(0, start));
    EXPECT_NEAR(full.InterfaceHeight, 2.708333333, 1e-9);
    // (2.717346 - 2.708333) / 15 / 0.001 is about 0.60: below 1, no subdivision.
    EXPECT_NEAR((y.InterfaceHeight - full.InterfaceHeight) / 15 / 0.001, 0.60, 0.01);
}

TEST(IntegrateInterval, SubdividesByTheErrorMeasure) {
    // Tolerances small enough to make the error measure about 100 give 8
    // substeps: 11 calls for the doubled step, then 4 * 8 - 1 for the substeps.
    const State tight = {0.6e-5, 0.3};
    int calls = 0;
    auto f = [&](double, const State& y) {
        ++calls;
        return State{y.InterfaceHeight, 0};
    };
    State y = {1, 300};
    y = IntegrateInterval(f, tight, 0.0f, 1, y);
    EXPECT_EQ(calls, 11 + 31);

    // Eight classic steps of 1/8 s cover exactly the one-second base step.
    State expected = {1, 300};
    for (int j = 0; j < 8; ++j) {
        expected = RungeKuttaStep(f, j / 8.0, 0.125, expected, f(j / 8.0, expected));
    }
    EXPECT_NEAR(y.InterfaceHeight, expected.InterfaceHeight, 1e-12);
    EXPECT_NEAR(y.InterfaceHeight, 2.718281828, 1e-5);
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
        auto f = [&](double, const State& y) {
            ++calls;
            return State{y.InterfaceHeight, 0};
        };
        State y = {1, 300};
        y = IntegrateInterval(f, State{c.tolerance, 0.3}, 0.0f, 1, y);
        EXPECT_EQ(calls, c.calls) << c.tolerance;
    }
}

TEST(IntegrateInterval, PassesTheHalfStepTimesInSinglePrecision) {
    std::vector<double> times;
    auto f = [&](double t, const State&) {
        times.push_back(t);
        return State{0, 0};
    };
    State y = {1, 300};
    y = IntegrateInterval(f, kTolerance, 8000.0f, 8001, y);
    // The whole step and the first half step are taken side by side, a stage
    // of one and then the same stage of the other.
    EXPECT_EQ(times, (std::vector<double>{8000, 8000.5, 8000.25, 8000.5, 8000.25, 8001, 8000.5,
                                          8000.5, 8000.75, 8000.75, 8001}));
}

// Taken side by side, two steps give the very bits they give one after the
// other: only the order of the derivative calls changes.
TEST(RungeKuttaStepPair, GivesTheBitsOfTwoSeparateSteps) {
    auto f = [](double t, const State& y) {
        return State{std::sin(t) * y.LayerTemperature / 1000 -
                         y.InterfaceHeight * y.InterfaceHeight / 7,
                     std::sqrt(y.LayerTemperature) * std::cos(y.InterfaceHeight) / 3};
    };
    const struct {
        double h1, x1, h2, x2;
        State y1, y2;
    } cases[] = {
        {1.0, 8000.0, 0.5, 8000.0, {2.39, 294.26}, {2.39, 294.26}},
        {0.25, 3.0, 0.125, 3.75, {1.1, 700.0}, {0.9, 650.5}},
        {1.0 / 3, 0.1, 1e-3, 17.0, {-0.5, 1.0e-3}, {30.0, 5000.0}},
    };
    for (const auto& c : cases) {
        const State separate1 = RungeKuttaStep(f, c.x1, c.h1, c.y1, f(c.x1, c.y1));
        const State separate2 = RungeKuttaStep(f, c.x2, c.h2, c.y2, f(c.x2, c.y2));
        const StepPair paired =
            RungeKuttaStepPair(f, c.x1, c.h1, c.y1, f(c.x1, c.y1), c.x2, c.h2, c.y2, f(c.x2, c.y2));
        EXPECT_EQ(std::memcmp(&paired.First, &separate1, sizeof(State)), 0) << c.x1;
        EXPECT_EQ(std::memcmp(&paired.Second, &separate2, sizeof(State)), 0) << c.x2;
    }
}

} // namespace
} // namespace vorla

#include "common/integrator.h"

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
    ASSERT_EQ(times.size(), 11u);
    EXPECT_EQ(times[0], 8000);
    EXPECT_EQ(times[3], 8001);   // end of the full step
    EXPECT_EQ(times[7], 8000.5); // the midpoint the second half step starts from
    EXPECT_EQ(times[10], 8001);
}

} // namespace
} // namespace vorla

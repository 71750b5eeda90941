// Vettori's smooth-ceiling tests as VORLA-XW takes them: the one room, wall
// vent, t² fire and sprinklers the sprinkler validation case runs for a test,
// so that its tests can run the same and work the activation time out
// independently.
#pragma once

#include "common/fire_files/fire_table.h"
#include "life_safety/detection/device.h"
#include "verification/model_runs.h"
#include "verification/vettori_tests.h"

#include <vector>

namespace vorla::verification {

// The wall vent's soffit below the ceiling: the form refuses a soffit at the
// ceiling, and the opening of NIST's file lies above it.
inline constexpr double kVettoriSoffitBelowCeiling = 0.01; // m
// How long each test runs: every smooth-ceiling sprinkler was timed before
// 140 s; the t² fire grows all the way.
inline constexpr int kVettoriRunTime = 300; // s

struct VettoriRun {
    Room ModelRoom;
    FireTable Fire;
    // One device per measured sprinkler of the test, in the order of
    // VettoriTest::Measured.
    std::vector<detection::Device> Sprinklers;
};

// The test in VORLA-XW. `lossFraction` below 0 takes the estimator's χ for
// the room's aspect ratio and a smooth ceiling.
VettoriRun RepresentVettoriTest(const VettoriSeries& series, const VettoriTest& test,
                                double lossFraction);

} // namespace vorla::verification

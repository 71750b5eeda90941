// Random rooms and vents for the tests that compare the run with the literal
// calculation: reproducible from a seed, and spread so that every regime, the
// air limit, flashover and every way a run ends turn up.
#pragma once

#include "common/fire_files/fire_table.h"
#include "compartment/model/calculations.h"
#include "compartment/model/model_run.h"
#include "compartment/model/input_checks.h"
#include "tests/common/random_fires.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace vorla::compartment::testing {

using vorla::testing::FromEnvironment;
using vorla::testing::RandomFire;
using vorla::testing::RandomSource;

// Checked inputs (as Run leaves them after its checks) for a random room.
inline RunInputs RandomRoom(RandomSource& random, int runTime) {
    RunInputs in;
    in.RunTitle = "random room";
    in.OutputFile = "RANDOM.VOF";
    in.FireFile = "RANDOM.FIR";
    for (;;) {
        in.FloorArea = random.LogUniform(1, 1000);
        in.RoomHeight = random.Chance(0.8) ? random.Uniform(2, 6) : random.LogUniform(0.5, 30);
        in.VentWidth = random.LogUniform(0.05, 30);
        in.SillHeight = random.Chance(0.5) ? 0 : random.Uniform(0, 0.7) * in.RoomHeight;
        const double opening = in.RoomHeight - in.SillHeight;
        // Now and then the soffit is within the first centimetre below the
        // ceiling, so the layer starts below it before it has warmed.
        const double soffit = random.Chance(0.1)
                                  ? in.RoomHeight - random.Uniform(0.0005, 0.0095)
                                  : in.SillHeight + random.Uniform(0.05, 0.98) * opening;
        in.SoffitHeight = static_cast<float>(soffit);
        // Now and then the fire base is within 2 cm of the ceiling, where the
        // layer soon reaches it.
        in.FireHeight = random.Chance(0.5)   ? 0
                        : random.Chance(0.1) ? in.RoomHeight - random.Uniform(0.0001, 0.02)
                                             : random.Uniform(0, 0.8) * in.RoomHeight;
        in.RadiativeLossFraction = random.Uniform(0.05, 0.6);
        in.LossFraction = random.Uniform(0.3, 0.95);
        in.RunTime = static_cast<std::int16_t>(runTime);
        if (in.SoffitHeight > in.SillHeight && in.SoffitHeight < in.RoomHeight) {
            break;
        }
    }
    in.VentFactor = VentFactorOf(in);
    return in;
}

struct RandomCase {
    std::uint64_t Seed = 0;
    Answer FlashoverAnswer = Answer::No;
};

// Fills `calc` with the room and fire of one case. Most runs are short so that
// thousands fit in a test; one in twenty runs up to the longest 9000 s.
inline RandomCase LoadRandomCase(std::uint64_t seed, Calculations& calc) {
    RandomSource random(seed);
    const int runTime = random.Chance(0.05)  ? random.Integer(1, 9000)
                        : random.Chance(0.3) ? random.Integer(1, 60)
                                             : random.Integer(60, 400);
    calc.Inputs = RandomRoom(random, runTime);
    RandomFire(random, runTime, calc.Fire);
    return {seed, random.Chance(0.5) ? Answer::Yes : Answer::No};
}

inline std::string Describe(const RunInputs& in, const FireTable& fire) {
    std::ostringstream text;
    text.precision(17);
    text << "area " << in.FloorArea << ", height " << in.RoomHeight << ", vent " << in.VentWidth
         << " from " << in.SillHeight << " to " << in.SoffitHeight << ", fire at " << in.FireHeight
         << ", fractions " << in.RadiativeLossFraction << " / " << in.LossFraction
         << ", run time " << in.RunTime << ", fire points " << fire.LastIndex + 1;
    return text.str();
}

} // namespace vorla::compartment::testing

// The smoke filling run and its physics against the literal calculation
// (literal/smoke_filling_literal.cpp), compared bit for bit: every column of
// every row, the last row and the end message, and the derivatives and vent
// flows of states anywhere a run can go.
//
// The environment chooses the cases, so a long soak outside CI runs the same
// tests on other seeds:
//   VORLA_DIFFERENTIAL_SEED    the first seed (default 1)
//   VORLA_DIFFERENTIAL_RUNS    random runs to compare (default 10000)
//   VORLA_DIFFERENTIAL_WALKS   random walks of states to compare (default 1000)
#include "literal/smoke_filling_literal.h"
#include "smoke_filling/model/calculations.h"
#include "smoke_filling/model/model_run.h"
#include "smoke_filling/model/zone_evaluator.h"
#include "tests/common/random_fires.h"
#include "tests/support/zone_step_recorder.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sstream>
#include <string>

namespace vorla::smoke {
namespace {

using vorla::testing::FromEnvironment;
using vorla::testing::RandomFire;
using vorla::testing::RandomSource;

template <class T> bool SameBits(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// Inputs as the form's checks let them through, for a random closed room.
RunInputs RandomRoom(RandomSource& random, int runTime) {
    RunInputs in;
    in.RunTitle = "random room";
    in.OutputFile = "RANDOM.SOF";
    in.FireFile = "RANDOM.FIR";
    in.FloorArea = random.LogUniform(1, 1000);
    in.RoomHeight = random.Chance(0.7) ? random.Uniform(2, 8) : random.LogUniform(0.3, 30);
    for (;;) {
        // Mostly on the floor; now and then within 2 cm of the ceiling, where
        // the layer reaches it at once.
        in.FireHeight =
            static_cast<float>(random.Chance(0.6)   ? 0
                               : random.Chance(0.1) ? in.RoomHeight - random.Uniform(0, 0.02)
                                                    : random.Uniform(0, 0.9) * in.RoomHeight);
        if (in.FireHeight < in.RoomHeight) {
            break;
        }
    }
    in.LossFraction = random.Uniform(0.05, 0.95);
    in.RunTime = static_cast<std::int16_t>(runTime);
    return in;
}

// Mostly short runs so that thousands fit in a test; one in twenty goes up to
// the longest 9000 s.
void LoadRandomCase(std::uint64_t seed, Calculations& calc) {
    RandomSource random(seed);
    const int runTime = random.Chance(0.05)  ? random.Integer(1, 9000)
                        : random.Chance(0.3) ? random.Integer(1, 60)
                                             : random.Integer(60, 400);
    calc.Inputs = RandomRoom(random, runTime);
    RandomFire(random, runTime, calc.Fire);
}

std::string Describe(const RunInputs& in, const FireTable& fire) {
    std::ostringstream text;
    text.precision(17);
    text << "area " << in.FloorArea << ", height " << in.RoomHeight << ", fire at " << in.FireHeight
         << ", loss fraction " << in.LossFraction << ", run time " << in.RunTime << ", fire points "
         << fire.LastIndex + 1;
    return text.str();
}

// The first difference between two runs, or an empty string.
std::string FirstDifference(const CompletedRun& fast, const RunResults& a,
                            const CompletedRun& literal, const RunResults& b) {
    if (fast.EndMessage != literal.EndMessage || fast.End != literal.End) {
        return "end message \"" + std::string(fast.EndMessage) + "\" instead of \"" +
               std::string(literal.EndMessage) + "\"";
    }
    if (fast.LastRow != literal.LastRow || a.LastRow != b.LastRow) {
        return "last row " + std::to_string(fast.LastRow) + " instead of " +
               std::to_string(literal.LastRow);
    }
    for (int r = 0; r <= fast.LastRow; ++r) {
        const std::array<bool, 4> same = {SameBits(a.Time[r], b.Time[r]),
                                          SameBits(a.LayerTemperature[r], b.LayerTemperature[r]),
                                          SameBits(a.InterfaceHeight[r], b.InterfaceHeight[r]),
                                          SameBits(a.VentFlow[r], b.VentFlow[r])};
        static constexpr std::array<const char*, 4> kColumns = {"time", "temperature", "interface",
                                                                "vent flow"};
        for (std::size_t c = 0; c < same.size(); ++c) {
            if (!same[c]) {
                return std::string(kColumns[c]) + " of row " + std::to_string(r) + " (" +
                       std::to_string(a.Time[r]) + " s)";
            }
        }
    }
    return {};
}

TEST(LiteralAgreement, EveryRowOfRandomRunsIsBitIdentical) {
    const std::uint64_t firstSeed = FromEnvironment("VORLA_DIFFERENTIAL_SEED", 1);
    const std::uint64_t runs = FromEnvironment("VORLA_DIFFERENTIAL_RUNS", 10000);
    std::map<std::string_view, int> endings;
    int fullRooms = 0;
    int failures = 0;
    auto fast = std::make_unique<Calculations>();
    auto literal = std::make_unique<Calculations>();
    for (std::uint64_t i = 0; i < runs && failures < 5; ++i) {
        const std::uint64_t seed = firstSeed * 1000003 + i;
        LoadRandomCase(seed, *fast);
        *literal = *fast;
        // Every other run is watched by an observer, which must change nothing.
        test_support::ZoneStepRecorder recorder;
        const bool observed = i % 2 == 1;
        const CompletedRun fastOutcome =
            RunModel(fast->Inputs, fast->Fire, fast->Results, observed ? &recorder : nullptr);
        if (observed) {
            EXPECT_EQ(recorder.Problem(), "") << "seed " << seed;
            ASSERT_EQ(recorder.Rows().size(), static_cast<std::size_t>(fast->Results.LastRow) + 1)
                << "seed " << seed;
            for (std::size_t r = 1; r < recorder.Rows().size(); ++r) {
                const ZoneMoment& row = recorder.Rows()[r];
                EXPECT_EQ(row.Time, fast->Results.Time[r]) << "seed " << seed << " row " << r;
                EXPECT_EQ(static_cast<float>(row.InterfaceHeight), fast->Results.InterfaceHeight[r])
                    << "seed " << seed << " row " << r;
                EXPECT_EQ(row.HeatReleaseRate, fast->Results.HeatReleaseRate[r])
                    << "seed " << seed << " row " << r;
            }
        }
        const CompletedRun literalOutcome =
            literal::RunModel(literal->Inputs, literal->Fire, literal->Results);
        const std::string difference =
            FirstDifference(fastOutcome, fast->Results, literalOutcome, literal->Results);
        if (!difference.empty()) {
            ++failures;
            ADD_FAILURE() << "seed " << seed << ": " << difference << "\n  "
                          << Describe(fast->Inputs, fast->Fire);
        }
        ++endings[literalOutcome.EndMessage];
        fullRooms += literal->Results.InterfaceHeight[literalOutcome.LastRow] == 0;
    }
    std::printf("[ compared ] %llu runs from seed %llu\n", static_cast<unsigned long long>(runs),
                static_cast<unsigned long long>(firstSeed));
    for (const auto& [ending, count] : endings) {
        std::printf("[ coverage ] %d runs ended %s\n", count, std::string(ending).c_str());
    }
    std::printf("[ coverage ] %d runs ended with the room full of smoke\n", fullRooms);

    // A generator that stops reaching an ending fails here instead of proving less.
    for (const std::string_view ending :
         {kFuelSurfaceMessage, kEndOfFireMessage, kRunCompleteMessage, kUnstableMessage}) {
        EXPECT_GE(endings[ending], 1) << "no run ended \"" << ending << "\"";
    }
    EXPECT_GE(fullRooms, 1);
}

TEST(LiteralAgreement, DerivativesAndVentFlowsOfRandomStatesAreBitIdentical) {
    const std::uint64_t firstSeed = FromEnvironment("VORLA_DIFFERENTIAL_SEED", 1);
    const std::uint64_t walks = FromEnvironment("VORLA_DIFFERENTIAL_WALKS", 1000);
    constexpr int kStatesPerWalk = 200;
    constexpr double kAmbient = 294.26;
    int failures = 0;
    auto calc = std::make_unique<Calculations>();
    for (std::uint64_t w = 0; w < walks && failures < 5; ++w) {
        const std::uint64_t seed = firstSeed * 1000033 + w;
        RandomSource random(seed);
        const int runTime = random.Integer(1, 3000);
        calc->Inputs = RandomRoom(random, runTime);
        RandomFire(random, runTime, calc->Fire);
        const RunInputs& in = calc->Inputs;
        ZoneEvaluator physics(in, calc->Fire);
        State y = {in.RoomHeight - 0.01, kAmbient};
        double t = 0;
        for (int s = 0; s < kStatesPerWalk && failures < 5; ++s) {
            // Near the last state (as the integrator's trial states are) or,
            // now and then, anywhere: the floor, the fuel surface, the ceiling,
            // at, around or below ambient temperature, or very hot.
            if (random.Chance(0.8)) {
                y = {y.InterfaceHeight + random.Uniform(-0.01, 0.01),
                     y.LayerTemperature + random.Uniform(-2, 2)};
            } else {
                const std::array<double, 6> heights = {
                    0,
                    in.FireHeight,
                    in.RoomHeight,
                    in.RoomHeight - 0.01,
                    random.Uniform(-0.1, in.RoomHeight),
                    random.Uniform(in.FireHeight, in.RoomHeight)};
                const std::array<double, 5> temperatures = {
                    kAmbient, random.Uniform(1, kAmbient), random.Uniform(kAmbient, 400),
                    random.Uniform(400, 1500), random.Uniform(1500, 5000)};
                y = {heights[random.Next() % heights.size()],
                     temperatures[random.Next() % temperatures.size()]};
            }
            t = random.Chance(0.9) ? t + random.Uniform(0, 0.6) : random.Uniform(-10, runTime);

            const bool derivativesAgree = SameBits(
                physics.Derivatives(t, y), literal::SmokeFillDerivatives(in, calc->Fire, t, y));
            bool ventFlowsAgree = true;
            if (y.LayerTemperature > 0) {
                ventFlowsAgree = SameBits(physics.VentFlow(t, y),
                                          literal::SmokeFillVentFlow(in, calc->Fire, t, y));
            }
            if (!(derivativesAgree && ventFlowsAgree)) {
                ++failures;
                ADD_FAILURE() << "seed " << seed << ", state " << s << " (t " << t << ", z "
                              << y.InterfaceHeight << ", T " << y.LayerTemperature
                              << "): " << (derivativesAgree ? "vent flows" : "derivatives")
                              << " differ\n  " << Describe(in, calc->Fire);
            }
            if (!(y.LayerTemperature > 1 && y.LayerTemperature < 6000) ||
                !(y.InterfaceHeight > -1 && y.InterfaceHeight < in.RoomHeight + 1)) {
                y = {in.RoomHeight - 0.01, kAmbient};
            }
        }
    }
}

} // namespace
} // namespace vorla::smoke

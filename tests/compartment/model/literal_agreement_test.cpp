// The compartment run and its zone physics against the literal calculation
// (literal/compartment_literal.cpp), compared bit for bit: every column of
// every row, the flashover question, the end message, and the flows and
// derivatives of states anywhere a run can go.
//
// The environment chooses the cases, so a long soak outside CI runs the same
// tests on other seeds:
//   VORLA_DIFFERENTIAL_SEED    the first seed (default 1)
//   VORLA_DIFFERENTIAL_RUNS    random runs to compare (default 2500)
//   VORLA_DIFFERENTIAL_WALKS   random walks of states to compare (default 300)
#include "compartment/model/model_run.h"
#include "compartment/model/run_results.h"
#include "compartment/model/zone_evaluator.h"
#include "literal/compartment_literal.h"
#include "random_rooms.h"
#include "tests/support/zone_step_recorder.h"

#include <array>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vorla::compartment {
namespace {

using testing::FromEnvironment;
using testing::RandomSource;

template <class T> bool SameBits(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

template <class Rate> bool SameFlows(const ZoneFlows<Rate>& a, const ZoneFlows<Rate>& b) {
    return SameBits(a.HeatReleaseRate, b.HeatReleaseRate) && SameBits(a.Vent.AirIn, b.Vent.AirIn) &&
           SameBits(a.Vent.LowerLayerOut, b.Vent.LowerLayerOut) &&
           SameBits(a.Vent.HotGasOut, b.Vent.HotGasOut) && a.AirFlag == b.AirFlag &&
           a.RegimeFlag == b.RegimeFlag;
}

struct RunRecord {
    std::unique_ptr<RunResults> Results;
    CompletedRun Run;
    std::vector<std::string> Questions;
};

using Simulation = CompletedRun (*)(const RunInputs&, const FireTable&, const FlashoverQuestion&,
                                    RunResults&);

CompletedRun Unobserved(const RunInputs& in, const FireTable& fire, const FlashoverQuestion& ask,
                        RunResults& results) {
    return RunModel(in, fire, ask, results);
}

// The run watched by an observer: its rows must be the unwatched run's, and
// the observer must see each row's state as the row holds it (the gas leaving
// the room only when it reads it: the moments are then made without the
// vent's balance).
CompletedRun ObservedBy(test_support::ZoneStepRecorder& recorder, const RunInputs& in,
                        const FireTable& fire, const FlashoverQuestion& ask, RunResults& results) {
    const CompletedRun run = RunModel(in, fire, ask, results, &recorder);
    EXPECT_EQ(recorder.Problem(), "");
    EXPECT_EQ(recorder.Rows().size(), static_cast<std::size_t>(results.LastRow) + 1);
    for (std::size_t r = 0; r < recorder.Rows().size(); ++r) {
        const ZoneMoment& row = recorder.Rows()[r];
        EXPECT_EQ(row.Time, results.Time[r]) << "row " << r;
        if (r > 0) {
            EXPECT_EQ(row.LayerTemperature - kKelvinAtZeroCelsius, results.LayerTemperature[r])
                << "row " << r;
            EXPECT_EQ(static_cast<float>(row.InterfaceHeight), results.InterfaceHeight[r])
                << "row " << r;
            EXPECT_EQ(row.HeatReleaseRate, results.HeatReleaseRate[r]) << "row " << r;
            if (recorder.ReadsLayerGasOut()) {
                EXPECT_EQ(row.LayerGasOut, results.VentFlow[r]) << "row " << r;
            }
        }
    }
    return run;
}

CompletedRun Observed(const RunInputs& in, const FireTable& fire, const FlashoverQuestion& ask,
                      RunResults& results) {
    test_support::ZoneStepRecorder recorder;
    return ObservedBy(recorder, in, fire, ask, results);
}

CompletedRun ObservedWithoutGasOut(const RunInputs& in, const FireTable& fire,
                                   const FlashoverQuestion& ask, RunResults& results) {
    test_support::ZoneStepRecorder recorder(false);
    return ObservedBy(recorder, in, fire, ask, results);
}

RunRecord Record(Simulation simulate, const Calculations& start, Answer answer) {
    RunRecord record{std::make_unique<RunResults>(), {}, {}};
    const FlashoverQuestion ask = [&](const std::string& text, std::string_view) {
        record.Questions.push_back(text);
        return answer;
    };
    record.Run = simulate(start.Inputs, start.Fire, ask, *record.Results);
    return record;
}

// The first difference between two runs, or an empty string.
std::string FirstDifference(const RunRecord& fast, const RunRecord& literal) {
    if (fast.Run.EndMessage != literal.Run.EndMessage || fast.Run.End != literal.Run.End) {
        return "end message \"" + std::string(fast.Run.EndMessage) + "\" instead of \"" +
               std::string(literal.Run.EndMessage) + "\"";
    }
    if (fast.Questions != literal.Questions) {
        return "the flashover questions differ";
    }
    const RunResults& a = *fast.Results;
    const RunResults& b = *literal.Results;
    if (a.LastRow != b.LastRow || fast.Run.LastRow != literal.Run.LastRow) {
        return "last row " + std::to_string(a.LastRow) + " instead of " + std::to_string(b.LastRow);
    }
    if (a.FlashoverRow != b.FlashoverRow) {
        return "the flashover row differs";
    }
    for (int r = 0; r <= a.LastRow; ++r) {
        const std::array<bool, 7> same = {SameBits(a.Time[r], b.Time[r]),
                                          SameBits(a.LayerTemperature[r], b.LayerTemperature[r]),
                                          SameBits(a.InterfaceHeight[r], b.InterfaceHeight[r]),
                                          SameBits(a.HeatReleaseRate[r], b.HeatReleaseRate[r]),
                                          SameBits(a.VentFlow[r], b.VentFlow[r]),
                                          a.FRFlag[r] == b.FRFlag[r],
                                          a.OSFlag[r] == b.OSFlag[r]};
        static constexpr std::array<const char*, 7> kColumns = {
            "time", "temperature", "interface", "rate", "vent flow", "regime", "air flag"};
        for (std::size_t c = 0; c < same.size(); ++c) {
            if (!same[c]) {
                return std::string(kColumns[c]) + " of row " + std::to_string(r) + " (" +
                       std::to_string(a.Time[r]) + " s)";
            }
        }
    }
    return {};
}

// What the random runs went through, so that a generator that stops reaching
// a regime or an ending fails the test instead of proving less.
struct Coverage {
    std::map<std::string_view, int> Regimes;
    std::map<std::string, int> Endings;
    int StarvedRows = 0;
    int StoppedAtFlashover = 0;
    int ContinuedAfterFlashover = 0;

    void Count(const RunRecord& run) {
        const RunResults& out = *run.Results;
        for (int r = 1; r <= out.LastRow; ++r) {
            ++Regimes[out.FRFlag[r]];
            StarvedRows += out.OSFlag[r] == kStarvedOfAir;
        }
        ++Endings[std::string(run.Run.EndMessage)];
        if (!run.Questions.empty()) {
            ++(run.Run.End == RunEnd::FlashoverStop ? StoppedAtFlashover : ContinuedAfterFlashover);
        }
    }

    void Print() const {
        for (const auto& [regime, rows] : Regimes) {
            std::printf("[ coverage ] %d rows in regime \"%s\"\n", rows,
                        std::string(regime).c_str());
        }
        std::printf("[ coverage ] %d rows starved of air\n", StarvedRows);
        for (const auto& [ending, count] : Endings) {
            std::printf("[ coverage ] %d runs ended %s\n", count, ending.c_str());
        }
        std::printf("[ coverage ] flashover: %d runs stopped, %d went on\n", StoppedAtFlashover,
                    ContinuedAfterFlashover);
    }
};

TEST(LiteralAgreement, EveryRowOfRandomRunsIsBitIdentical) {
    const std::uint64_t firstSeed = FromEnvironment("VORLA_DIFFERENTIAL_SEED", 1);
    const std::uint64_t runs = FromEnvironment("VORLA_DIFFERENTIAL_RUNS", 2500);
    Coverage coverage;
    int failures = 0;
    auto start = std::make_unique<Calculations>();
    for (std::uint64_t i = 0; i < runs && failures < 5; ++i) {
        const std::uint64_t seed = firstSeed * 1000003 + i;
        const testing::RandomCase c = testing::LoadRandomCase(seed, *start);
        const std::array<Simulation, 4> simulations = {&Unobserved, &Observed, &Unobserved,
                                                       &ObservedWithoutGasOut};
        const RunRecord fast = Record(simulations[i % 4], *start, c.FlashoverAnswer);
        const RunRecord literal = Record(&literal::RunModel, *start, c.FlashoverAnswer);
        const std::string difference = FirstDifference(fast, literal);
        if (!difference.empty()) {
            ++failures;
            ADD_FAILURE() << "seed " << seed << ": " << difference << "\n  "
                          << testing::Describe(start->Inputs, start->Fire);
        }
        coverage.Count(literal);
    }
    std::printf("[ compared ] %llu runs from seed %llu\n", static_cast<unsigned long long>(runs),
                static_cast<unsigned long long>(firstSeed));
    coverage.Print();

    for (const std::string_view regime :
         {kRegimeAboveSoffit, kRegimeOutflowBelowInterface, kRegimeInflowAboveInterface,
          kRegimeTransition, kRegimeVentLimited, kRegimeNone}) {
        EXPECT_GE(coverage.Regimes[regime], 1) << "no row in regime \"" << regime << "\"";
    }
    EXPECT_GE(coverage.StarvedRows, 1);
    for (const std::string_view ending : {kFuelSurfaceMessage, kVentSillMessage, kEndOfFireMessage,
                                          kRunCompleteMessage, kUnstableMessage}) {
        EXPECT_GE(coverage.Endings[std::string(ending)], 1) << "no run ended \"" << ending << "\"";
    }
    EXPECT_GE(coverage.StoppedAtFlashover, 1);
    EXPECT_GE(coverage.ContinuedAfterFlashover, 1);
}

// A state near the last one (as the integrator's trial states are) or, now and
// then, anywhere: at the sill, the soffit, the fire base or the ceiling, at or
// just around ambient temperature, below it, or far above flashover.
State NextState(RandomSource& random, const RunInputs& in, const State& last) {
    const double ambient = 294.26;
    if (random.Chance(0.8)) {
        return {last.InterfaceHeight + random.Uniform(-0.01, 0.01),
                last.LayerTemperature + random.Uniform(-2, 2)};
    }
    const double soffit = in.SoffitHeight;
    const std::array<double, 9> heights = {in.SillHeight,
                                           soffit,
                                           std::nextafter(soffit, 0.0),
                                           std::nextafter(soffit, 100.0),
                                           in.FireHeight,
                                           in.RoomHeight,
                                           in.RoomHeight - 0.01,
                                           random.Uniform(0, in.RoomHeight),
                                           random.Uniform(in.SillHeight, soffit)};
    const std::array<double, 8> temperatures = {ambient,
                                                std::nextafter(ambient, 1000.0),
                                                ambient + random.Uniform(0, 1e-6),
                                                random.Uniform(200, ambient),
                                                random.Uniform(ambient, 400),
                                                random.Uniform(400, 1200),
                                                random.Uniform(1200, 3000),
                                                random.Uniform(ambient, 1500)};
    return {heights[random.Next() % heights.size()],
            temperatures[random.Next() % temperatures.size()]};
}

TEST(LiteralAgreement, FlowsAndDerivativesOfRandomStatesAreBitIdentical) {
    const std::uint64_t firstSeed = FromEnvironment("VORLA_DIFFERENTIAL_SEED", 1);
    const std::uint64_t walks = FromEnvironment("VORLA_DIFFERENTIAL_WALKS", 300);
    constexpr int kStatesPerWalk = 200;
    int failures = 0;
    auto calc = std::make_unique<Calculations>();
    for (std::uint64_t w = 0; w < walks && failures < 5; ++w) {
        const std::uint64_t seed = firstSeed * 1000033 + w;
        RandomSource random(seed);
        const int runTime = random.Integer(1, 3000);
        calc->Inputs = testing::RandomRoom(random, runTime);
        testing::RandomFire(random, runTime, calc->Fire);
        const ZoneModel model{calc->Inputs, calc->Fire};
        ZoneEvaluator zones(model);
        State y = {calc->Inputs.RoomHeight - 0.01, 294.26};
        double t = 0;
        for (int s = 0; s < kStatesPerWalk && failures < 5; ++s) {
            y = NextState(random, calc->Inputs, y);
            t = random.Chance(0.9) ? t + random.Uniform(0, 0.6) : random.Uniform(-10, runTime);

            const ZoneFlows<double> row = zones.Flows<double>(t, y);
            const ZoneFlows<double> literalRow = literal::CompartmentFlows<double>(model, t, y);
            const bool rowsAgree = SameFlows(row, literalRow);
            const ZoneFlows<float> single = zones.Flows<float>(t, y);
            const ZoneFlows<float> literalSingle = literal::CompartmentFlows<float>(model, t, y);
            const bool singlesAgree = SameFlows(single, literalSingle);
            const bool derivativesAgree =
                SameBits(zones.Derivatives(t, y), literal::CompartmentDerivatives(model, t, y));
            const bool ratesAgree =
                SameBits(zones.HeatReleaseRate(t, y), literalRow.HeatReleaseRate);
            if (!(rowsAgree && singlesAgree && derivativesAgree && ratesAgree)) {
                ++failures;
                ADD_FAILURE() << "seed " << seed << ", state " << s << " (t " << t << ", z "
                              << y.InterfaceHeight << ", T " << y.LayerTemperature << "): "
                              << (!rowsAgree          ? "row flows"
                                  : !singlesAgree     ? "single-precision flows"
                                  : !derivativesAgree ? "derivatives"
                                                      : "heat release rates")
                              << " differ\n  " << testing::Describe(calc->Inputs, calc->Fire);
            }
            // Keep the walk where runs go.
            if (!(y.LayerTemperature > 100 && y.LayerTemperature < 5000) ||
                !(y.InterfaceHeight > -1 && y.InterfaceHeight < calc->Inputs.RoomHeight)) {
                y = {calc->Inputs.RoomHeight - 0.01, 294.26};
            }
        }
    }
}

} // namespace
} // namespace vorla::compartment

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
#include "compartment/model/compartment_run.h"
#include "compartment/model/run_results.h"
#include "compartment/model/zone_evaluator.h"
#include "literal/compartment_literal.h"
#include "random_rooms.h"

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

struct RunRecord {
    std::unique_ptr<Calculations> Calc;
    std::string EndMessage;
    std::vector<std::string> Questions;
};

using Simulation = void (*)(Calculations&, const FlashoverQuestion&, std::string&);

RunRecord Record(Simulation simulate, const Calculations& start, Answer answer) {
    RunRecord record{std::make_unique<Calculations>(start), {}, {}};
    const FlashoverQuestion ask = [&](const std::string& text, std::string_view) {
        record.Questions.push_back(text);
        return answer;
    };
    simulate(*record.Calc, ask, record.EndMessage);
    return record;
}

// The first difference between two runs, or an empty string.
std::string FirstDifference(const RunRecord& fast, const RunRecord& literal) {
    if (fast.EndMessage != literal.EndMessage) {
        return "end message \"" + fast.EndMessage + "\" instead of \"" + literal.EndMessage + "\"";
    }
    if (fast.Questions != literal.Questions) {
        return "the flashover questions differ";
    }
    const RunResults& a = fast.Calc->Results;
    const RunResults& b = literal.Calc->Results;
    if (a.LastRow != b.LastRow) {
        return "last row " + std::to_string(a.LastRow) + " instead of " + std::to_string(b.LastRow);
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
        const RunResults& out = run.Calc->Results;
        for (int r = 1; r <= out.LastRow; ++r) {
            ++Regimes[out.FRFlag[r]];
            StarvedRows += out.OSFlag[r] == kStarvedOfAir;
        }
        ++Endings[run.EndMessage];
        if (!run.Questions.empty()) {
            ++(run.EndMessage == kFlashoverStopMessage ? StoppedAtFlashover
                                                       : ContinuedAfterFlashover);
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
        const RunRecord fast = Record(&SimulateCompartment, *start, c.FlashoverAnswer);
        const RunRecord literal = Record(&literal::SimulateCompartment, *start, c.FlashoverAnswer);
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
        return {last[0] + random.Uniform(-0.01, 0.01), last[1] + random.Uniform(-2, 2)};
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

            double rowRate = 0, literalRowRate = 0;
            float rate = 0, literalRate = 0;
            VentFlows rowFlows{}, literalRowFlows{}, flows{}, literalFlows{};
            std::string_view air, regime, literalAir, literalRegime;
            State dydt{}, literalDydt{};
            zones.Flows(t, y, rowRate, rowFlows, air, regime);
            literal::CompartmentFlows(model, t, y, literalRowRate, literalRowFlows, literalAir,
                                      literalRegime);
            const bool rowsAgree = SameBits(rowRate, literalRowRate) &&
                                   SameBits(rowFlows, literalRowFlows) && air == literalAir &&
                                   regime == literalRegime;
            zones.Flows(t, y, rate, flows, air, regime);
            literal::CompartmentFlows(model, t, y, literalRate, literalFlows, literalAir,
                                      literalRegime);
            const bool singlesAgree = SameBits(rate, literalRate) &&
                                      SameBits(flows, literalFlows) && air == literalAir &&
                                      regime == literalRegime;
            zones.Derivatives(t, y, dydt);
            literal::CompartmentDerivatives(model, t, y, literalDydt);
            const bool derivativesAgree = SameBits(dydt, literalDydt);
            if (!(rowsAgree && singlesAgree && derivativesAgree)) {
                ++failures;
                ADD_FAILURE() << "seed " << seed << ", state " << s << " (t " << t << ", z " << y[0]
                              << ", T " << y[1] << "): "
                              << (!rowsAgree      ? "row flows"
                                  : !singlesAgree ? "single-precision flows"
                                                  : "derivatives")
                              << " differ\n  " << testing::Describe(calc->Inputs, calc->Fire);
            }
            // Keep the walk where runs go.
            if (!(y[1] > 100 && y[1] < 5000) || !(y[0] > -1 && y[0] < calc->Inputs.RoomHeight)) {
                y = {calc->Inputs.RoomHeight - 0.01, 294.26};
            }
        }
    }
}

} // namespace
} // namespace vorla::compartment

// The heat of combustion a fire file carries, read back from files written
// as QDOT-XW writes them (fire_generator/curves/fire_file_writer.h) with a known value, and
// from files typed by hand; and the fuel a steady fire of such a file burns.
#include "life_safety/tenability/fire_file_heat.h"

#include "fire_generator/curves/fire_file_writer.h"
#include "common/text/precision.h"
#include "life_safety/tenability/product_balance.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorla::tenability {
namespace {

// A fire file of the generator: `rates` (kW) at 0, 10, 20, ... s.
std::string Written(const std::vector<float>& rates, float heatOfCombustion) {
    std::vector<std::int16_t> times;
    for (std::size_t i = 0; i < rates.size(); ++i) {
        times.push_back(static_cast<std::int16_t>(10 * i));
    }
    return FireFileText(times, rates, static_cast<int>(rates.size()) - 1, heatOfCombustion,
                        "TEST.FIR", "12/09/2026", "test fire");
}

// A t² ramp to 1 MW over 300 s, then steady: the shape of most design fires.
std::vector<float> Ramp() {
    std::vector<float> rates;
    for (int t = 0; t <= 600; t += 10) {
        rates.push_back(RoundToSingle(std::min(1000.0, 1000.0 * t * t / (300.0 * 300.0))));
    }
    return rates;
}

TEST(FireFileHeatTest, AWrittenFileGivesBackTheValueItWasWrittenWith) {
    struct Case {
        const char* Name;
        float HeatOfCombustion; // kJ/kg, as the generator keeps it
        double Expected;
        double Band; // relative
    };
    // Whole numbers of kJ/kg come back exactly: each is the roundest value
    // the 0.1 kW and 0.001 g/s columns allow. 8600 Btu/lb (20003.6 kJ/kg)
    // is not a whole number of kJ/kg: the 1 MW point fixes it to about
    // ±(0.05/1000 + 0.0005/50) = 6e-5 of itself.
    const Case cases[] = {
        {"wood, the generator's default", 12000, 12000, 0},
        {"a round 20 MJ/kg", 20000, 20000, 0},
        {"polystyrene", 27000, 27000, 0},
        {"propane", 43700, 43700, 0},
        {"a value typed to the kJ/kg", 18765, 18765, 0},
        {"8600 Btu/lb", RoundToSingle(8600 * 2.326), 8600 * 2.326, 1e-4},
        {"the forms' highest", 120000, 120000, 0},
    };
    for (const Case& c : cases) {
        const FireFileHeat heat = HeatOfCombustionOfFireFile(Written(Ramp(), c.HeatOfCombustion));
        ASSERT_EQ(heat.Finding, FireFileHeatFinding::Found) << c.Name;
        EXPECT_NEAR(heat.HeatOfCombustion / c.Expected, 1, c.Band) << c.Name;
    }
}

TEST(FireFileHeatTest, HandTypedFilesGiveNoneAndSayWhy) {
    struct Case {
        const char* Name;
        std::string Text;
        FireFileHeatFinding Finding;
        int Line, OtherLine;
    };
    const Case cases[] = {
        {"third column all zero", "0 0 0\n60 500 0\n600 500 0\n-9 -9 -9\n",
         FireFileHeatFinding::NoBurningRate, 0, 0},
        {"no point burns", "0 0 0\n600 0 0\n-9 -9 -9\n", FireFileHeatFinding::NoBurningRate, 0, 0},
        // 500 kW at 25 g/s is 20 MJ/kg, at 41.667 g/s 12 MJ/kg.
        {"two fuels in one file", "0 0 0\n60 500.0 25.000\n120 500.0 41.667\n-9 -9 -9\n",
         FireFileHeatFinding::RowsDisagree, 2, 3},
        {"one point with no burning rate", "0 0 0\n60 500.0 25.000\n120 500.0 0\n-9 -9 -9\n",
         FireFileHeatFinding::RowsDisagree, 2, 3},
        // 1 kW at 0.050 g/s: anything from 18.8 to 21.2 MJ/kg prints so.
        {"a fire too small to tell", "0 0 0\n60 1.0 0.050\n-9 -9 -9\n",
         FireFileHeatFinding::TooFewDigits, 0, 0},
    };
    for (const Case& c : cases) {
        const FireFileHeat heat = HeatOfCombustionOfFireFile(c.Text);
        EXPECT_EQ(heat.Finding, c.Finding) << c.Name;
        EXPECT_EQ(heat.Line, c.Line) << c.Name;
        EXPECT_EQ(heat.OtherLine, c.OtherLine) << c.Name;
    }
    // What comes after the end marker is not a point.
    const FireFileHeat marked =
        HeatOfCombustionOfFireFile("0 0 0\n60 500.0 25.000\n-9 -9 -9\n120 500.0 41.667\n");
    EXPECT_EQ(marked.Finding, FireFileHeatFinding::Found);
    EXPECT_EQ(marked.HeatOfCombustion, 20000);
}

TEST(FireFileHeatTest, TheInputWinsThenTheFileThenTheDefault) {
    const FireFileHeat file = HeatOfCombustionOfFireFile(Written(Ramp(), 20000));
    const auto given = ChooseHeatOfCombustion(15000.0, file, 27000);
    EXPECT_EQ(given.HeatOfCombustion, 15000);
    EXPECT_EQ(HeatSourceWord(given.Source), "input");
    const auto fromFile = ChooseHeatOfCombustion(std::nullopt, file, 27000);
    EXPECT_EQ(fromFile.HeatOfCombustion, 20000);
    EXPECT_EQ(HeatSourceWord(fromFile.Source), "fire file");
    const auto typed = ChooseHeatOfCombustion(
        std::nullopt, HeatOfCombustionOfFireFile("0 0 0\n60 500 0\n-9 -9 -9\n"), 27000);
    EXPECT_EQ(typed.HeatOfCombustion, 27000);
    EXPECT_EQ(HeatSourceWord(typed.Source), "default");
    EXPECT_EQ(FallbackNote(typed, "typed.fir"),
              "The fire file typed.fir has no burning rate where the fire burns: the tenability "
              "uses the default heat of combustion, 27000 kJ/kg.");
    // A file that cannot be read changes nothing: the run's own reading says why.
    EXPECT_EQ(ChooseHeatOfCombustion(std::nullopt, std::nullopt, 27000).HeatOfCombustion, 27000);
}

// A steady 500 kW for 600 s written with 20 MJ/kg: by hand 500 kJ/s x 600 s
// / 20000 kJ/kg = 15 kg of fuel, which is also the file's burning-rate
// column integrated (25.000 g/s x 600 s).
TEST(FireFileHeatTest, ASteadyFireBurnsTheHandCalculatedFuel) {
    const std::vector<std::int16_t> times{0, 600};
    const std::vector<float> rates{500, 500};
    const std::string file =
        FireFileText(times, rates, 1, 20000, "STEADY.FIR", "12/09/2026", "steady");
    const auto choice = ChooseHeatOfCombustion(std::nullopt, HeatOfCombustionOfFireFile(file), 27000);
    ASSERT_EQ(choice.Source, HeatSource::FireFile);
    ProductBalance balance(choice.HeatOfCombustion);
    const LayerMoment moment{500, 50, 0};
    for (int t = 0; t < 600; ++t) {
        balance.Advance(moment, moment, 1);
    }
    EXPECT_NEAR(balance.FuelBurned(), 15.0, 1e-12);
}

} // namespace
} // namespace vorla::tenability

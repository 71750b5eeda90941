// The tenability inputs as texts: the options read in either unit system, the
// line a saved report carries them in (written, read back, beside the
// devices' lines), and every way a line can be damaged.
#include "life_safety/detection/device_options.h"
#include "life_safety/tenability/tenability_texts.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorla::tenability {
namespace {

const std::string kReport = "VORLA-XW 1.0\r\nrun title\r\n   0.0   21.1\r\nRun complete.\r\n";

TenabilityTexts Followed(const TenabilityInputs& inputs, Fuel fuel = kDefaultFuel) {
    return {inputs, fuel, true};
}

TEST(TenabilityTexts, TheDefaultsAreWrittenAsOneLineOfBatchOptions) {
    // Polystyrene's row of Tewarson's table, the default head and criteria;
    // the visibility and layer height follow the room and the head, so they
    // are not written.
    EXPECT_EQ(WithSavedTenability(kReport, Followed({})),
              kReport +
                  "Tenability: --fuel polystyrene --heat-of-combustion 27000 --soot-yield 0.164 "
                  "--co-yield 0.06 --hcn-yield 0 --co2-yield 2.33 --head-height 1.8 --sign "
                  "reflecting --fed-toxic-limit 0.3 --fed-heat-limit 0.3 --radiant-flux-limit "
                  "2.5 --tenability-temperature 60\r\n");
    // Not followed: the report as it always was.
    EXPECT_EQ(WithSavedTenability(kReport, std::nullopt), kReport);
    const auto none = ReadSavedTenability(kReport);
    ASSERT_TRUE(std::holds_alternative<std::optional<SavedTenability>>(none));
    EXPECT_FALSE(std::get<std::optional<SavedTenability>>(none));
}

// Each row: inputs the line must give back to the bit, whatever their digits.
TEST(TenabilityTexts, EveryInputComesBackExactly) {
    TenabilityInputs lit;
    lit.Sign = SignKind::Lit;
    lit.Criteria.Visibility = 0.1 + 0.2; // 0.30000000000000004
    lit.Criteria.LayerHeight = 1.8288;   // 6 ft
    TenabilityInputs oak;
    oak.Yields = DefaultsOf(Fuel::RedOak).Yields;
    oak.Yields.HydrogenCyanide = 1e-7;
    oak.HeadHeight = 5.9 * 0.3048;
    oak.Criteria.Temperature = 140.0 * 5 / 9 - 160.0 / 9; // 60 °C from 140 °F, rounded
    oak.Criteria.FedToxic = 1.0 / 3;
    const std::vector<std::pair<TenabilityInputs, Fuel>> rows = {
        {TenabilityInputs{}, kDefaultFuel},
        {lit, Fuel::Propane},
        {oak, Fuel::RedOak},
    };
    for (const auto& [inputs, fuel] : rows) {
        const std::string saved = WithSavedTenability(kReport, Followed(inputs, fuel));
        const auto read = ReadSavedTenability(saved);
        ASSERT_TRUE(std::holds_alternative<std::optional<SavedTenability>>(read))
            << std::get<std::string>(read);
        const auto& line = std::get<std::optional<SavedTenability>>(read);
        ASSERT_TRUE(line) << saved;
        EXPECT_EQ(line->Texts.Inputs, inputs) << saved;
        EXPECT_EQ(line->Texts.FuelKind, fuel);
        EXPECT_TRUE(line->Texts.Given);
        EXPECT_EQ(line->Line, 5u); // after the report's four lines
    }
}

// The tenability line comes before the devices', which stay the file's last
// lines: each reader finds its own, in a file saved with both, with one of
// them, and in one whose last line ends without a line end.
TEST(TenabilityTexts, TheLineAndTheDevicesLinesReadApart) {
    const auto devices = std::get<std::vector<detection::Device>>(
        detection::ReadSavedDevices("Device: kind=smoke,name=SD,radius=3,below-ceiling=0.02\n"));
    const std::string both =
        detection::WithSavedDevices(WithSavedTenability(kReport, Followed({})), devices);
    const auto tenabilityOfBoth =
        std::get<std::optional<SavedTenability>>(ReadSavedTenability(both));
    ASSERT_TRUE(tenabilityOfBoth);
    EXPECT_EQ(tenabilityOfBoth->Texts.Inputs, TenabilityInputs{});
    EXPECT_EQ(std::get<std::vector<detection::Device>>(detection::ReadSavedDevices(both)).size(),
              1u);

    const std::string devicesOnly = detection::WithSavedDevices(kReport, devices);
    EXPECT_FALSE(std::get<std::optional<SavedTenability>>(ReadSavedTenability(devicesOnly)));

    std::string unterminated = WithSavedTenability(kReport, Followed({}));
    unterminated.resize(unterminated.size() - 2);
    EXPECT_TRUE(std::get<std::optional<SavedTenability>>(ReadSavedTenability(unterminated)));
    // A run title of that text is line 2, never the line before the devices.
    const std::string titled = "VORLA-XW 1.0\r\nTenability: --fuel wood\r\nRun complete.\r\n";
    EXPECT_FALSE(std::get<std::optional<SavedTenability>>(ReadSavedTenability(titled)));
}

// Each row: the line after the report's four, and the sentence it gets.
TEST(TenabilityTexts, ADamagedLineIsNamed) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"--soot-yield abc", "Line 5: The value of --soot-yield is not a number: \"abc\"."},
        {"--fuel wood",
         "Line 5: --fuel must be one of red-oak, propane, heptane, pmma, polystyrene, not "
         "\"wood\"."},
        {"--sign bright", "Line 5: --sign must be reflecting or lit, not \"bright\"."},
        {"--soot 0.1", "Line 5: \"--soot\" is not a tenability option."},
        {"soot-yield 0.1", "Line 5: \"soot-yield\" is not a tenability option."},
        {"--head-height 1.8 --sign", "Line 5: --sign has no value."},
    };
    for (const auto& [line, sentence] : rows) {
        const auto read = ReadSavedTenability(kReport + "Tenability: " + line + "\r\n");
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << line;
        EXPECT_EQ(std::get<std::string>(read), sentence);
    }
}

// Lengths typed in feet and the temperature in °F are converted; the yields,
// the doses and the flux are the same in both systems.
TEST(TenabilityTexts, UsUnitsAreConverted) {
    const OptionValues values = {{"head-height", "6"},        {"tenability-temperature", "212"},
                                 {"visibility-limit", "10"},  {"soot-yield", "0.1"},
                                 {"radiant-flux-limit", "2"}, {"units", "us"}};
    const auto read = std::get<TenabilityTexts>(ReadTenabilityTexts(values, UnitSystem::US));
    EXPECT_DOUBLE_EQ(read.Inputs.HeadHeight, 1.8288);
    EXPECT_DOUBLE_EQ(read.Inputs.Criteria.Temperature, 100);
    EXPECT_DOUBLE_EQ(*read.Inputs.Criteria.Visibility, 3.048);
    EXPECT_EQ(read.Inputs.Yields.Soot, 0.1);
    EXPECT_EQ(read.Inputs.Criteria.RadiantFlux, 2);
    EXPECT_TRUE(read.Given);
    // Nothing given: the defaults, and not given.
    const auto none = std::get<TenabilityTexts>(ReadTenabilityTexts({}, UnitSystem::SI));
    EXPECT_FALSE(none.Given);
    EXPECT_EQ(none.Inputs, TenabilityInputs{});
}

// The sentence names the option as the batch command does; the room bounds
// the heights.
TEST(TenabilityTexts, AProblemNamesItsOption) {
    TenabilityInputs high;
    high.HeadHeight = 2.5;
    EXPECT_EQ(TenabilityProblem(high, 2.4),
              "--head-height: The head height must be above the floor and below the ceiling "
              "(2.4 m); 2.5 was given.");
    EXPECT_FALSE(TenabilityProblem(high, 3));
    TenabilityInputs sooty;
    sooty.Yields.Soot = 1.5;
    EXPECT_EQ(TenabilityProblem(sooty, 3),
              "--soot-yield: The soot yield must be a number from 0 to 1 kg/kg; 1.5 was given.");
}

} // namespace
} // namespace vorla::tenability

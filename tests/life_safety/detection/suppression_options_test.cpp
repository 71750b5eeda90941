// The suppression rule as the batch command's option texts: each wrong value
// refused with the option's sentence, the saved report's line written and
// read back to the same numbers, and a report without the line (every older
// one) read as "unchanged".
#include "common/text/units.h"
#include "life_safety/detection/device_options.h"
#include "life_safety/detection/suppression_options.h"

#include <gtest/gtest.h>

namespace vorla::detection {
namespace {

using Texts = SuppressionTexts;
using std::nullopt;

TEST(SuppressionOptions, EachTextIsReadOrRefusedNamingTheOption) {
    struct Row {
        Texts Given;
        std::string Option; // the option refused, empty when read
        std::string Starts; // its sentence begins so
        Suppression Read{}; // when read
    };
    const Row rows[] = {
        {{}, "", "", {}},
        {{"unchanged", nullopt, nullopt, nullopt}, "", "", {}},
        {{"held", nullopt, nullopt, nullopt},
         "",
         "",
         {SuppressionRule::HeldAtActivation, 0, 3, 1.85}},
        {{"decaying", "0.07", nullopt, nullopt},
         "",
         "",
         {SuppressionRule::Decaying, 0.07, 3, 1.85}},
        {{"decaying", "0.1", "2", "1"}, "", "", {SuppressionRule::Decaying, 0.1, 2, 1}},
        {{"drown", nullopt, nullopt, nullopt},
         "suppression",
         "--suppression must be unchanged, held or decaying, not \"drown\"."},
        {{"decaying", nullopt, nullopt, nullopt},
         "spray-density",
         "--suppression: The spray density must be a number above 0 and up to 10 mm/s; 0 "},
        {{"decaying", "", nullopt, nullopt},
         "spray-density",
         "The value of --spray-density is not a number: \"\"."},
        {{"decaying", "0.07x", nullopt, nullopt},
         "spray-density",
         "The value of --spray-density is not a number: \"0.07x\"."},
        {{"decaying", "11", nullopt, nullopt}, "spray-density", "--suppression: The spray density"},
        {{"decaying", "0.07", "0", nullopt},
         "suppression-constant",
         "--suppression: The suppression constant A must be"},
        {{"decaying", "0.07", "3", "-1.85"},
         "suppression-exponent",
         "--suppression: The suppression exponent B must be a number from 0 to 10; -1.85 "},
        {{"decaying", "0.07", "3", "B"},
         "suppression-exponent",
         "The value of --suppression-exponent is not a number: \"B\"."},
        {{"held", "0.07", nullopt, nullopt},
         "spray-density",
         "--spray-density is for a decaying fire: give --suppression decaying too."},
    };
    for (const Row& row : rows) {
        const auto read = ReadSuppressionTexts(row.Given);
        const std::string what =
            row.Given.Rule.value_or("(none)") + " " + row.Given.SprayDensity.value_or("(none)");
        if (row.Option.empty()) {
            ASSERT_TRUE(std::holds_alternative<Suppression>(read)) << what;
            const Suppression& s = std::get<Suppression>(read);
            EXPECT_EQ(s.Rule, row.Read.Rule) << what;
            if (s.Rule == SuppressionRule::Decaying) {
                EXPECT_EQ(s.SprayDensity, row.Read.SprayDensity) << what;
                EXPECT_EQ(s.Constant, row.Read.Constant) << what;
                EXPECT_EQ(s.Exponent, row.Read.Exponent) << what;
            }
        } else {
            ASSERT_TRUE(std::holds_alternative<SuppressionProblem>(read)) << what;
            const auto& problem = std::get<SuppressionProblem>(read);
            EXPECT_EQ(problem.Option, row.Option) << what;
            EXPECT_EQ(problem.Message.rfind(row.Starts, 0), 0u) << what << ": " << problem.Message;
        }
    }
}

Device SuppressingSprinkler() {
    Device d;
    d.Name = "S1";
    d.Kind = DeviceKind::Sprinkler;
    d.Radius = 2;
    d.BelowCeiling = 0.05;
    d.Rti = 50;
    d.OperatingTemperature = 68 + kKelvinAtZeroCelsius;
    return d;
}

constexpr std::string_view kReport = "VORLA-XW 2.0\r\nTitle\r\n  rows\r\nRun complete.\r\n";

TEST(SuppressionOptions, TheSavedLineGoesBeforeTheDevicesAndReadsBack) {
    const Suppression decaying{SuppressionRule::Decaying, 0.07, 2.5, 1.9};
    const std::string saved = WithSavedDetection(std::string(kReport), {SuppressingSprinkler()}, decaying);
    EXPECT_EQ(saved, std::string(kReport) +
                         "Suppression: --suppression decaying --spray-density 0.07 "
                         "--suppression-constant 2.5 --suppression-exponent 1.9\r\n"
                         "Device: kind=sprinkler,name=S1,radius=2,below-ceiling=0.05,rti=50,c=0,"
                         "temperature=68\r\n");
    const auto read = ReadSavedSuppression(saved);
    ASSERT_TRUE(std::holds_alternative<Suppression>(read));
    EXPECT_EQ(std::get<Suppression>(read).Rule, SuppressionRule::Decaying);
    EXPECT_EQ(std::get<Suppression>(read).SprayDensity, 0.07);
    EXPECT_EQ(std::get<Suppression>(read).Constant, 2.5);
    EXPECT_EQ(std::get<Suppression>(read).Exponent, 1.9);
    // The devices' reader still finds its device after the rule's line.
    const auto devices = ReadSavedDevices(saved);
    ASSERT_TRUE(std::holds_alternative<std::vector<Device>>(devices));
    EXPECT_EQ(std::get<std::vector<Device>>(devices), std::vector<Device>{SuppressingSprinkler()});

    // Held: the word alone, with the report's own line end.
    const std::string held = WithSavedDetection("A\nB\n", {SuppressingSprinkler()},
                                                {SuppressionRule::HeldAtActivation, 0, 3, 1.85});
    EXPECT_TRUE(held.starts_with("A\nB\nSuppression: --suppression held\nDevice: ")) << held;
    EXPECT_EQ(std::get<Suppression>(ReadSavedSuppression(held)).Rule,
              SuppressionRule::HeldAtActivation);
}

TEST(SuppressionOptions, UnchangedOrAbsentLeavesTheReportAsItWas) {
    EXPECT_EQ(WithSavedDetection(std::string(kReport), {}, {}), kReport);
    const std::string devicesOnly = WithSavedDetection(std::string(kReport), {SuppressingSprinkler()}, {});
    EXPECT_EQ(devicesOnly, WithSavedDevices(std::string(kReport), {SuppressingSprinkler()}));
    for (const std::string& report : {std::string(kReport), devicesOnly, std::string()}) {
        const auto read = ReadSavedSuppression(report);
        ASSERT_TRUE(std::holds_alternative<Suppression>(read));
        EXPECT_EQ(std::get<Suppression>(read).Rule, SuppressionRule::Unchanged);
    }
}

TEST(SuppressionOptions, ADamagedLineIsNamedByItsNumber) {
    const std::string good = WithSavedDetection(std::string(kReport), {SuppressingSprinkler()},
                                                {SuppressionRule::Decaying, 0.07, 3, 1.85});
    struct Row {
        std::string From, To, Expected;
    };
    // The rule's line is line 5 of the report above.
    const Row rows[] = {
        {"--spray-density 0.07", "--spray-density wet",
         "Line 5: The value of --spray-density is not a number: \"wet\"."},
        {"--spray-density 0.07", "--spray-density 0",
         "Line 5: --suppression: The spray density must be"},
        {"--suppression decaying", "--suppression soak",
         "Line 5: --suppression must be unchanged, held or decaying, not \"soak\"."},
        {"--suppression-exponent 1.85", "--suppression-exponent", "Line 5: each option"},
        {"--suppression-exponent", "--rate", "Line 5: \"--rate\" is not an option"},
    };
    for (const Row& row : rows) {
        std::string damaged = good;
        damaged.replace(damaged.find(row.From), row.From.size(), row.To);
        const auto read = ReadSavedSuppression(damaged);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << row.To;
        EXPECT_EQ(std::get<std::string>(read).rfind(row.Expected, 0), 0u)
            << std::get<std::string>(read);
    }
}

} // namespace
} // namespace vorla::detection

// The "Loss fraction: " line of a saved report: a typed fraction's report as
// it always was, the estimate read back only when it is the report's fraction
// for the report's room, and a damaged line named.
#include "compartment/model/saved_loss_fraction.h"
#include "compartment/model/saved_run.h"
#include "test_room.h"
#include "zone_models/model_options.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace vorla::compartment {
namespace {

using testing::ReadWholeFile;

// The office of the golden reports: 20 m², 2.40 m high, the fire on the floor,
// a radiative fraction of 0.350 and a typed heat loss fraction of 0.600.
const std::string kOffice =
    ReadWholeFile(std::string(VORLA_GOLDEN_DIR) + "/office-flashover-stop.vof");
constexpr std::string_view kTypedLine = "HEAT LOSS FRACTION          :   0.600";

// The office report with `fraction` in place of its heat loss fraction's
// value (three decimals, as the report prints it) and `after` after its rows.
std::string Office(std::string_view fraction, std::string_view after) {
    std::string text = kOffice;
    const auto at = text.find(kTypedLine);
    text.replace(at + kTypedLine.size() - 5, 5, fraction);
    return text + std::string(after);
}

// The line number the line after the office report's last one has.
std::size_t LineAfterOffice() {
    std::size_t lines = 0;
    for (const char c : kOffice) {
        lines += c == '\n' ? 1 : 0;
    }
    return lines + 1;
}

LossFractionEstimate Estimate(double ratio, int ceiling) {
    return {"", ratio, ceiling};
}

TEST(SavedLossFraction, ATypedFractionsReportIsWhatItWas) {
    ASSERT_NE(kOffice.find(kTypedLine), std::string::npos);
    EXPECT_EQ(WithSavedLossFraction(kOffice, std::nullopt), kOffice);
    EXPECT_EQ(std::get<std::optional<LossFractionEstimate>>(SavedLossFractionEstimate(kOffice)),
              std::nullopt);
    // Another line at the end says nothing about the fraction.
    const std::string withOptions = kOffice + "Model options: --plume heskestad\r\n";
    EXPECT_EQ(std::get<std::optional<SavedLossFractionRule>>(
                  ReadSavedLossFractionRule(withOptions)),
              std::nullopt);
}

// The line is the batch command's options; written in the report's line ends.
TEST(SavedLossFraction, TheLineIsTheBatchCommandsOptions) {
    const struct {
        LossFractionEstimate Estimate;
        std::string Line;
    } kCases[] = {
        {Estimate(1.25, 0), "--aspect-ratio 1.25 --ceiling smooth"},
        {Estimate(1, 1), "--aspect-ratio 1 --ceiling moderately-rough"},
        {Estimate(2.5, 2), "--aspect-ratio 2.5 --ceiling irregular"},
    };
    for (const auto& c : kCases) {
        const std::string line = "Loss fraction: --loss-fraction estimate " + c.Line;
        EXPECT_EQ(WithSavedLossFraction(kOffice, c.Estimate), kOffice + line + "\r\n");
        EXPECT_EQ(WithSavedLossFraction("a\nb\n", c.Estimate), "a\nb\n" + line + "\n");
    }
}

// The office's estimate by hand for a ratio of 1.25 on a smooth ceiling: the
// floor 4 m by 5 m, the heated surface 20 + 18 × 2.4 = 63.2 m², its radius
// √(63.2 / 3.14159) = 4.4853 m, so 0.35 + 0.65 × 0.47 × (1 − e^(−0.69 ×
// 4.4853 / 2.4)) = 0.35 + 0.3055 × 0.72457 = 0.57136: the box's "0.5714",
// printed 0.571. A moderately rough ceiling adds 0.05 (0.621), 30 m² gives
// 0.5858 (0.586).
TEST(SavedLossFraction, TheEstimateIsTakenOnlyWhereItIsTheReportsFraction) {
    const std::string line =
        "Loss fraction: --loss-fraction estimate --aspect-ratio 1.25 --ceiling smooth\r\n";
    const std::string rough =
        "Loss fraction: --loss-fraction estimate --aspect-ratio 1.25 --ceiling moderately-rough\r\n";
    std::string biggerRoom = Office("0.571", line);
    biggerRoom.replace(biggerRoom.find("   20.00 m^2"), 12, "   30.00 m^2");
    const struct {
        const char* Name;
        std::string Report;
        std::optional<std::string> Text; // the estimate's, nothing: typed
        int Ceiling;
    } kCases[] = {
        {"the estimate", Office("0.571", line), "0.5714", 0},
        {"before the other lines",
         Office("0.571", line + "Model options: --model-uncertainty\r\nTenability: --fuel wood\r\n"
                               "Suppression: --suppression held\r\nDevice: kind=heat,name=D1\r\n"),
         "0.5714", 0},
        {"a rough ceiling", Office("0.621", rough), "0.6214", 1},
        {"the fraction typed over", Office("0.600", line), std::nullopt, 0},
        {"the fraction one thousandth off", Office("0.572", line), std::nullopt, 0},
        {"the ceiling changed", Office("0.571", rough), std::nullopt, 0},
        {"the room changed", biggerRoom, std::nullopt, 0},
        {"not a report", "Office\r\n" + line, std::nullopt, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.Name);
        const auto read = SavedLossFractionEstimate(c.Report);
        ASSERT_TRUE(std::holds_alternative<std::optional<LossFractionEstimate>>(read))
            << std::get<std::string>(read);
        const auto& estimate = std::get<std::optional<LossFractionEstimate>>(read);
        ASSERT_EQ(estimate.has_value(), c.Text.has_value());
        if (estimate) {
            EXPECT_EQ(estimate->Text, *c.Text);
            EXPECT_EQ(estimate->LengthToWidth, 1.25);
            EXPECT_EQ(estimate->CeilingOption, c.Ceiling);
        }
    }
}

// The lines after it still read as they did, and the run's rows too.
TEST(SavedLossFraction, TheOtherLinesAndTheRowsReadAsBefore) {
    const std::string report = Office("0.571", "Loss fraction: --loss-fraction estimate "
                                               "--aspect-ratio 1.25 --ceiling smooth\r\n"
                                               "Model options: --plume heskestad\r\n");
    const auto options = ReadSavedModelOptions(report);
    ASSERT_TRUE(std::holds_alternative<ModelOptions>(options));
    EXPECT_EQ(std::get<ModelOptions>(options).Plume, PlumeCorrelation::Heskestad);
    auto results = std::make_unique<RunResults>();
    auto plain = std::make_unique<RunResults>();
    const auto run = ReadSavedRun(report, *results);
    const auto before = ReadSavedRun(kOffice, *plain);
    ASSERT_TRUE(run && before);
    EXPECT_EQ(run->End, before->End);
    EXPECT_EQ(results->LastRow, plain->LastRow);
}

// A damaged line is named by its number with the batch command's words.
TEST(SavedLossFraction, ADamagedLineIsNamed) {
    const struct {
        const char* Line;
        std::string Problem;
    } kCases[] = {
        {"--loss-fraction estimate --ceiling bumpy",
         "--ceiling must be smooth, moderately-rough or irregular, not \"bumpy\"."},
        {"--loss-fraction 0.6", "--loss-fraction must be estimate, not \"0.6\"."},
        {"--loss-fraction estimate --aspect-ratio x",
         "The value of --aspect-ratio is not a number: \"x\"."},
        {"--loss-fraction estimate --aspect-ratio 0.5",
         "The aspect ratio must be equal to or greater than 1."},
        {"--loss-fraction estimate --aspect-ratio", "--aspect-ratio needs its value."},
        {"--aspect-ratio 2 --ceiling smooth", "--loss-fraction estimate is missing."},
        {"", "--loss-fraction estimate is missing."},
        {"--loss-fraction estimate --plume heskestad",
         "\"--plume\" is not an option of the heat loss fraction estimate."},
    };
    const std::string where = "Line " + std::to_string(LineAfterOffice()) + ": ";
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.Line);
        const std::string report =
            Office("0.571", "Loss fraction: " + std::string(c.Line) +
                                "\r\nModel options: --model-uncertainty\r\n");
        const auto read = SavedLossFractionEstimate(report);
        ASSERT_TRUE(std::holds_alternative<std::string>(read));
        EXPECT_EQ(std::get<std::string>(read), where + c.Problem);
    }
}

} // namespace
} // namespace vorla::compartment

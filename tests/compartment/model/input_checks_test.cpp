#include "compartment/model/calculations.h"
#include "compartment/model/input_checks.h"
#include "compartment/model/input_entry.h"

#include <gtest/gtest.h>
#include <string>

namespace vorla::compartment {
namespace {

using enum InputBox;

constexpr std::string_view kNoOutputFile = "An output data file name must be specified.";
constexpr std::string_view kAreaNotPositive = "The floor area must be greater than zero.";
constexpr std::string_view kAreaTooLarge = "The floor area is too large.";
constexpr std::string_view kHeightNotPositive = "The room height must be greater than zero.";
constexpr std::string_view kCeilingTooHigh = "The ceiling is too high.";
constexpr std::string_view kWidthNotPositive = "The vent width must be greater than zero.";
constexpr std::string_view kVentTooWide = "The vent is too wide.";
constexpr std::string_view kSillBelowFloor = "The sill must be at or above floor level.";
constexpr std::string_view kSillAboveCeiling = "The sill can not be higher than the ceiling.";
constexpr std::string_view kSoffitBelowSill = "The soffit can not be below the sill.";
constexpr std::string_view kSoffitAboveCeiling = "The soffit can not be above the ceiling.";
constexpr std::string_view kFireBelowFloor = "The fire base must be at or above the floor.";
constexpr std::string_view kFireAtCeiling = "The fire base must be below the ceiling.";
constexpr std::string_view kRadiativeFraction =
    "The radiative heat loss fraction must be between 0 and 1.";
constexpr std::string_view kLossFraction = "The total heat loss fraction must be between 0 and 1.";
constexpr std::string_view kRunTime = "The run time must be between 0 and 9000 s.";
constexpr std::string_view kNoFireFile = "A fire file name must be specified.";

InputBoxes ValidBoxes() {
    InputBoxes boxes;
    boxes.txtRunTitle = "Office";
    boxes.txtOutputFile = "OFFICE.VOF";
    boxes.txtFireFile = "SOFA.FIR";
    boxes.txtFloorArea = "20";
    boxes.txtRoomHeight = "2.4";
    boxes.txtVentWidth = "0.9";
    boxes.txtSillHeight = "0";
    boxes.txtSoffitHeight = "2";
    boxes.txtFireHeight = "0";
    boxes.txtRunTime = "600";
    return boxes;
}

// Run up to the report: the boxes read into the inputs, then the checks.
std::optional<RejectedInput> PrepareRun(const InputBoxes& boxes, Calculations& calc) {
    calc.Inputs = ReadInputBoxes(boxes, calc.Units);
    return CheckRunInputs(calc.Inputs);
}

std::optional<RejectedInput> CheckedRun(const InputBoxes& boxes,
                                        UnitSystem units = UnitSystem::SI) {
    Calculations calc;
    calc.Units = UnitTablesFor(units);
    return PrepareRun(boxes, calc);
}

TEST(RunChecks, EachCheckFailsOnItsSideOfTheLimitAndPassesOnTheOther) {
    struct Case {
        InputBox box;
        std::string failing;
        std::string passing;
        std::string_view message;
    };
    const Case cases[] = {
        {txtOutputFile, "", " ", kNoOutputFile},
        {txtFloorArea, "0", "0.0001", kAreaNotPositive},
        {txtFloorArea, "-20", "1", kAreaNotPositive},
        {txtFloorArea, "", "20", kAreaNotPositive},
        {txtFloorArea, "1000.0001", "1000", kAreaTooLarge},
        {txtRoomHeight, "0", "2.4", kHeightNotPositive},
        {txtRoomHeight, "30.0001", "30", kCeilingTooHigh},
        {txtVentWidth, "0", "0.001", kWidthNotPositive},
        {txtVentWidth, "30.0001", "30", kVentTooWide},
        {txtSillHeight, "-0.0001", "0", kSillBelowFloor},
        {txtSillHeight, "2.4", "1.99", kSillAboveCeiling},
        {txtSoffitHeight, "0", "0.001", kSoffitBelowSill},
        {txtSoffitHeight, "-1", "2.39", kSoffitBelowSill},
        {txtSoffitHeight, "2.4", "2.3999", kSoffitAboveCeiling},
        {txtFireHeight, "-0.0001", "0", kFireBelowFloor},
        {txtFireHeight, "2.4", "2.3999", kFireAtCeiling},
        {txtRadiativeLossFraction, "0", "0.0001", kRadiativeFraction},
        {txtRadiativeLossFraction, "1", "0.9999", kRadiativeFraction},
        {txtTotalLossFraction, "0", "0.0001", kLossFraction},
        {txtTotalLossFraction, "1", "0.9999", kLossFraction},
        {txtTotalLossFraction, "abc", "0.6 (typical)", kLossFraction},
        {txtRunTime, "0.4", "0.6", kRunTime},
        {txtRunTime, "-5", "1", kRunTime},
        {txtRunTime, "9001", "9000", kRunTime},
        {txtRunTime, "9000.6", "9000.5", kRunTime},
        {txtRunTime, "1e9", "8999.5", kRunTime},
        {txtRunTime, "-1e300", "5", kRunTime},
        {txtFireFile, "", "x", kNoFireFile},
    };
    for (const auto& c : cases) {
        InputBoxes boxes = ValidBoxes();
        boxes.Text(c.box) = c.failing;
        EXPECT_EQ(CheckedRun(boxes), (Rejected(c.message, c.box)))
            << InputBoxName(c.box) << " = \"" << c.failing << "\"";
        boxes.Text(c.box) = c.passing;
        EXPECT_EQ(CheckedRun(boxes), std::nullopt)
            << InputBoxName(c.box) << " = \"" << c.passing << "\"";
    }
}

TEST(RunChecks, TheFirstFailingCheckInTableOrderIsReported) {
    // Every box wrong at once; putting each right in turn reveals the next check.
    struct Step {
        InputBox box;
        std::string wrong;
        std::string right;
        std::string_view message;
    };
    const Step steps[] = {
        {txtOutputFile, "", "OUT.VOF", kNoOutputFile},
        {txtFloorArea, "0", "20", kAreaNotPositive},
        {txtRoomHeight, "0", "2.4", kHeightNotPositive},
        {txtVentWidth, "40", "0.9", kVentTooWide},
        {txtSillHeight, "-1", "0.5", kSillBelowFloor},
        {txtSoffitHeight, "0.5", "2", kSoffitBelowSill},
        {txtFireHeight, "3", "0", kFireAtCeiling},
        {txtRadiativeLossFraction, "1.5", "0.35", kRadiativeFraction},
        {txtTotalLossFraction, "-0.6", "0.6", kLossFraction},
        {txtRunTime, "", "600", kRunTime},
        {txtFireFile, "", "SOFA.FIR", kNoFireFile},
    };
    InputBoxes boxes;
    for (const auto& step : steps) {
        boxes.Text(step.box) = step.wrong;
    }
    for (const auto& step : steps) {
        EXPECT_EQ(CheckedRun(boxes), (Rejected(step.message, step.box)));
        boxes.Text(step.box) = step.right;
    }
    EXPECT_EQ(CheckedRun(boxes), std::nullopt);
}

TEST(RunChecks, UsLimitsAreTheSiLimitsAfterConversion) {
    struct Case {
        InputBox box;
        std::string text;
        std::optional<std::string_view> message;
    };
    const Case cases[] = {
        {txtRoomHeight, "100", kCeilingTooHigh}, // 30.48 m
        {txtRoomHeight, "98.4", std::nullopt},   // 29.99 m
        {txtFloorArea, "10000", std::nullopt},   // 929 m²
        {txtFloorArea, "11000", kAreaTooLarge},  // 1021.9 m²
        {txtFloorArea, "10764", std::nullopt},   // 999.98 m²
        {txtFloorArea, "10765", kAreaTooLarge},  // 1000.07 m²
        {txtVentWidth, "100", kVentTooWide},
    };
    for (const auto& c : cases) {
        InputBoxes boxes = ValidBoxes();
        boxes.txtRoomHeight = "9";
        boxes.txtVentWidth = "3";
        boxes.txtSoffitHeight = "7";
        boxes.Text(c.box) = c.text;
        const auto result = CheckedRun(boxes, UnitSystem::US);
        if (c.message) {
            EXPECT_EQ(result, (Rejected(*c.message, c.box))) << c.text;
        } else {
            EXPECT_EQ(result, std::nullopt) << c.text;
        }
    }
}

TEST(RunReading, RunTimeRoundsHalvesToEven) {
    const struct {
        std::string text;
        std::int16_t runTime;
    } cases[] = {{"0.6", 1},       {"2.5", 2},     {"3.5", 4},     {"8999.5", 9000},
                 {"9000.5", 9000}, {"600 s", 600}, {" 6 0 0", 600}};
    for (const auto& c : cases) {
        Calculations calc;
        InputBoxes boxes = ValidBoxes();
        boxes.txtRunTime = c.text;
        ASSERT_EQ(PrepareRun(boxes, calc), std::nullopt) << c.text;
        EXPECT_EQ(calc.Inputs.RunTime, c.runTime) << c.text;
    }
}

TEST(RunReading, SoffitIsHeldInSinglePrecisionForChecksAndVentFactor) {
    Calculations calc;
    InputBoxes boxes = ValidBoxes();
    boxes.txtSoffitHeight = "2.1";
    ASSERT_EQ(PrepareRun(boxes, calc), std::nullopt);
    EXPECT_EQ(calc.Inputs.SoffitHeight, 2.1f);
    // 0.52 · 0.9 · 2.0999999046^1.5, where the double 2.1 would give 1.4242125066.
    EXPECT_NEAR(calc.Inputs.VentFactor, 1.4242124096, 5e-11);

    // The single value nearest 2.4 lies above the double 2.4, the one nearest
    // 2.1 below the double 2.1: a soffit typed level with the ceiling is
    // rejected in the first room and passes in the second.
    boxes.txtSoffitHeight = "2.4";
    EXPECT_EQ(PrepareRun(boxes, calc), (Rejected(kSoffitAboveCeiling, txtSoffitHeight)));
    boxes.txtRoomHeight = "2.1";
    boxes.txtSoffitHeight = "2.1";
    EXPECT_EQ(PrepareRun(boxes, calc), std::nullopt);
}

TEST(RunReading, VentFactorOfTheOfficeDoor) {
    Calculations calc;
    ASSERT_EQ(PrepareRun(ValidBoxes(), calc), std::nullopt);
    // 0.52 * 0.9 * 2^1.5
    EXPECT_NEAR(calc.Inputs.VentFactor, 1.32370, 1e-5);
}

} // namespace
} // namespace vorla::compartment

#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/input_form.h"

#include <gtest/gtest.h>
#include <string>

namespace vorla::smoke {
namespace {

using Box = SmokeFillBox;

// A form the checks accept, in S.I. units.
SmokeFillFormTexts GoodForm() {
    SmokeFillFormTexts texts;
    texts.txtRunTitle = "Office";
    texts.txtOutputFile = "OFFICE.SOF";
    texts.txtFloorArea = "20";
    texts.txtRoomHeight = "2.4";
    texts.txtFireHeight = "0";
    texts.txtLossFraction = "0.6";
    texts.txtRunTime = "600";
    texts.txtFireFile = "SOFA.FIR";
    return texts;
}

std::optional<InputCheckFailure> RunChecks(const SmokeFillFormTexts& texts,
                                           UnitSystem system = UnitSystem::SI) {
    SmokeFillUnits units;
    SetUnits(units, system);
    SmokeFillInputs inputs;
    ReadForm(texts, units, inputs);
    return CheckSmokeFillInputs(inputs);
}

TEST(SmokeFillUnits, USFactorsAreTheSinglesNearestTheirValues) {
    SmokeFillUnits units;
    EXPECT_EQ(units.UnitFactor[kLength], 1.0f);
    EXPECT_EQ(units.UnitLabel[kArea], "m²");
    SetUSUnits(units);
    EXPECT_EQ(units.UnitFactor[kLength], static_cast<float>(0.3048));
    EXPECT_EQ(units.UnitFactor[kArea], static_cast<float>(0.0929));
    EXPECT_NE(static_cast<double>(units.UnitFactor[kArea]), 0.0929);
    EXPECT_EQ(units.UnitLabel[kLength], "ft");
    EXPECT_EQ(units.UnitLabel[kArea], "ft²");
}

TEST(InputChecks, EachBoundaryGivesItsMessageAndFocus) {
    struct Case {
        std::string SmokeFillFormTexts::*box;
        std::string text;
        const char* message; // nullptr: accepted
        Box focus;
    };
    const Case cases[] = {
        {&SmokeFillFormTexts::txtOutputFile, "", "An output data file name must be specified.",
         Box::txtOutputFile},
        {&SmokeFillFormTexts::txtFloorArea, "0", "The floor area must be greater than zero.",
         Box::txtFloorArea},
        {&SmokeFillFormTexts::txtFloorArea, "abc", "The floor area must be greater than zero.",
         Box::txtFloorArea},
        {&SmokeFillFormTexts::txtFloorArea, "1000", nullptr, {}},
        {&SmokeFillFormTexts::txtFloorArea, "1000.001", "The floor area is too large.",
         Box::txtFloorArea},
        {&SmokeFillFormTexts::txtRoomHeight, "-1", "The room height must be greater than zero.",
         Box::txtRoomHeight},
        {&SmokeFillFormTexts::txtRoomHeight, "30", nullptr, {}},
        {&SmokeFillFormTexts::txtRoomHeight, "30.01", "The ceiling is too high.",
         Box::txtRoomHeight},
        {&SmokeFillFormTexts::txtFireHeight, "-0.01",
         "The fire base must be at or above the floor.", Box::txtFireHeight},
        {&SmokeFillFormTexts::txtFireHeight, "abc", nullptr, {}}, // not a number: the floor
        {&SmokeFillFormTexts::txtFireHeight, "2.4", "The fire base must be below the ceiling.",
         Box::txtFireHeight},
        {&SmokeFillFormTexts::txtFireHeight, "2.39", nullptr, {}},
        {&SmokeFillFormTexts::txtLossFraction, "0", "The loss fraction must be between 0 and 1.",
         Box::txtLossFraction},
        {&SmokeFillFormTexts::txtLossFraction, "1", "The loss fraction must be between 0 and 1.",
         Box::txtLossFraction},
        {&SmokeFillFormTexts::txtLossFraction, "0.999", nullptr, {}},
        {&SmokeFillFormTexts::txtRunTime, "0", "The run time must be between 0 and 9000 s.",
         Box::txtRunTime},
        {&SmokeFillFormTexts::txtRunTime, "0.5", "The run time must be between 0 and 9000 s.",
         Box::txtRunTime},
        {&SmokeFillFormTexts::txtRunTime, "1.5", nullptr, {}},
        {&SmokeFillFormTexts::txtRunTime, "9000", nullptr, {}},
        {&SmokeFillFormTexts::txtRunTime, "9000.5", nullptr, {}},
        {&SmokeFillFormTexts::txtRunTime, "9001", "The run time must be between 0 and 9000 s.",
         Box::txtRunTime},
        {&SmokeFillFormTexts::txtRunTime, "40000", "The run time must be between 0 and 9000 s.",
         Box::txtRunTime},
        {&SmokeFillFormTexts::txtRunTime, "-40000", "The run time must be between 0 and 9000 s.",
         Box::txtRunTime},
        {&SmokeFillFormTexts::txtRunTime, "1e400", "The run time must be between 0 and 9000 s.",
         Box::txtRunTime},
        {&SmokeFillFormTexts::txtFireFile, "", "A fire file name must be specified.",
         Box::txtFireFile},
    };
    for (const auto& c : cases) {
        SmokeFillFormTexts texts = GoodForm();
        texts.*c.box = c.text;
        const auto failure = RunChecks(texts);
        if (c.message == nullptr) {
            EXPECT_FALSE(failure) << c.text << ": " << failure->Message;
            continue;
        }
        ASSERT_TRUE(failure) << c.text;
        EXPECT_EQ(failure->Message, c.message) << c.text;
        EXPECT_EQ(failure->Focus, c.focus) << c.text;
    }
}

TEST(InputChecks, TheFirstFailureInTheFormsOrderIsReported) {
    // Every box wrong: each fix reveals the next check.
    SmokeFillFormTexts texts;
    texts.txtFloorArea = "5000";
    texts.txtRoomHeight = "50";
    texts.txtFireHeight = "-1";
    texts.txtLossFraction = "2";
    texts.txtRunTime = "0";
    const struct {
        std::string SmokeFillFormTexts::*fix;
        std::string text;
        Box focus;
    } steps[] = {
        {&SmokeFillFormTexts::txtOutputFile, "A.SOF", Box::txtOutputFile},
        {&SmokeFillFormTexts::txtFloorArea, "20", Box::txtFloorArea},
        {&SmokeFillFormTexts::txtRoomHeight, "3", Box::txtRoomHeight},
        {&SmokeFillFormTexts::txtFireHeight, "0", Box::txtFireHeight},
        {&SmokeFillFormTexts::txtLossFraction, "0.6", Box::txtLossFraction},
        {&SmokeFillFormTexts::txtRunTime, "60", Box::txtRunTime},
        {&SmokeFillFormTexts::txtFireFile, "F.FIR", Box::txtFireFile},
    };
    for (const auto& step : steps) {
        const auto failure = RunChecks(texts);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->Focus, step.focus);
        texts.*step.fix = step.text;
    }
    EXPECT_FALSE(RunChecks(texts));
}

TEST(InputChecks, USValuesAreCheckedInSIUnits) {
    const struct {
        std::string SmokeFillFormTexts::*box;
        std::string text;
        const char* message;
    } cases[] = {
        {&SmokeFillFormTexts::txtRoomHeight, "99", "The ceiling is too high."}, // 30.1752 m
        {&SmokeFillFormTexts::txtRoomHeight, "98.4", nullptr},
        {&SmokeFillFormTexts::txtFloorArea, "10000", nullptr}, // 929 m²
        {&SmokeFillFormTexts::txtFloorArea, "10764", nullptr},
        {&SmokeFillFormTexts::txtFloorArea, "10765", "The floor area is too large."},
    };
    for (const auto& c : cases) {
        SmokeFillFormTexts texts = GoodForm();
        texts.*c.box = c.text;
        const auto failure = RunChecks(texts, UnitSystem::US);
        if (c.message == nullptr) {
            EXPECT_FALSE(failure) << c.text;
        } else {
            ASSERT_TRUE(failure) << c.text;
            EXPECT_EQ(failure->Message, c.message);
        }
    }
}

TEST(ReadForm, ConvertsRoundsAndCutsAsRunDoes) {
    SmokeFillFormTexts texts = GoodForm();
    texts.txtRunTitle = std::string(70, 'x');
    texts.txtFloorArea = "100 ft";
    texts.txtRoomHeight = "10";
    texts.txtFireHeight = "2.1";
    texts.txtRunTime = "12.5";
    SmokeFillUnits units;
    SetUSUnits(units);
    SmokeFillInputs inputs;
    ReadForm(texts, units, inputs);
    EXPECT_EQ(inputs.RunTitle, std::string(60, 'x'));
    EXPECT_EQ(texts.txtRunTitle.size(), 70u);
    // The factors are the singles nearest 0.0929 and 0.3048.
    EXPECT_DOUBLE_EQ(inputs.FloorArea, 9.290000051259995);
    EXPECT_DOUBLE_EQ(inputs.RoomHeight, 3.0480000376701355);
    EXPECT_EQ(inputs.FireHeight, 0.64008003f);
    EXPECT_EQ(inputs.RunTime, 12);
    texts.txtRunTime = "13.5";
    ReadForm(texts, units, inputs);
    EXPECT_EQ(inputs.RunTime, 14);
    EXPECT_EQ(inputs.OutputFile, "OFFICE.SOF");
    EXPECT_EQ(inputs.FireFile, "SOFA.FIR");
}

TEST(ReadForm, ATitleIsCutByCharactersNotBytes) {
    SmokeFillFormTexts texts = GoodForm();
    std::string title;
    for (int k = 0; k < 61; ++k) {
        title += "é";
    }
    texts.txtRunTitle = title;
    SmokeFillInputs inputs;
    ReadForm(texts, SmokeFillUnits{}, inputs);
    EXPECT_EQ(inputs.RunTitle, title.substr(0, 120));
}

TEST(LeavingABox, StoresTheValueInSIAndIgnoresAnEmptyBox) {
    SmokeFillUnits units;
    SetUSUnits(units);
    SmokeFillInputs inputs;
    inputs.FloorArea = 7;
    StoreFloorArea("", units, inputs);
    EXPECT_EQ(inputs.FloorArea, 7);
    StoreFloorArea("10", units, inputs);
    EXPECT_DOUBLE_EQ(inputs.FloorArea, 0.9290000051259995);
    StoreRoomHeight("abc", units, inputs);
    EXPECT_EQ(inputs.RoomHeight, 0);
    StoreFireHeight("1", units, inputs);
    EXPECT_EQ(inputs.FireHeight, 0.3048f);
}

TEST(ChangeUnits, ShowsTheStoredValuesInTheNewUnits) {
    SmokeFillFormTexts texts;
    SmokeFillUnits units;
    SmokeFillInputs inputs;
    texts.txtFloorArea = "10";
    texts.txtRoomHeight = "0.5";
    texts.txtFireHeight = "0.5";
    StoreFloorArea(texts.txtFloorArea, units, inputs);
    StoreRoomHeight(texts.txtRoomHeight, units, inputs);
    StoreFireHeight(texts.txtFireHeight, units, inputs);

    ChangeUnits(UnitSystem::US, inputs, units, texts);
    EXPECT_EQ(texts.txtFloorArea, "107.643"); // with the single-precision 0.0929
    EXPECT_EQ(texts.txtRoomHeight, "1.64");
    EXPECT_EQ(texts.txtFireHeight, "1.64");
    EXPECT_EQ(units.UnitLabel[kLength], "ft");

    ChangeUnits(UnitSystem::SI, inputs, units, texts);
    EXPECT_EQ(texts.txtFloorArea, "10.00");
    EXPECT_EQ(texts.txtRoomHeight, ".50");
    EXPECT_EQ(texts.txtFireHeight, "0.50");
    EXPECT_EQ(inputs.FloorArea, 10);
}

TEST(ChangeUnits, LeavesEmptyBoxesAndTheOtherBoxesAlone) {
    SmokeFillFormTexts texts;
    texts.txtLossFraction = "0.75";
    texts.txtRunTime = "12.5";
    SmokeFillUnits units;
    SmokeFillInputs inputs;
    inputs.FloorArea = 10;
    ChangeUnits(UnitSystem::US, inputs, units, texts);
    EXPECT_EQ(texts.txtFloorArea, "");
    EXPECT_EQ(texts.txtLossFraction, "0.75");
    EXPECT_EQ(texts.txtRunTime, "12.5");
}

TEST(FileNew, ClearsTheFormToItsDefaults) {
    SmokeFillFormTexts texts = GoodForm();
    SmokeFillUnits units;
    SetUSUnits(units);
    SmokeFillInputs inputs;
    ReadForm(texts, units, inputs);
    texts.txtLossFraction = "0.3";
    FileNew(texts, units, inputs);
    EXPECT_EQ(texts.txtRunTitle, "");
    EXPECT_EQ(texts.txtOutputFile, "");
    EXPECT_EQ(texts.txtFloorArea, "");
    EXPECT_EQ(texts.txtRoomHeight, "");
    EXPECT_EQ(texts.txtFireHeight, "");
    EXPECT_EQ(texts.txtLossFraction, "0.6");
    EXPECT_EQ(texts.txtRunTime, "");
    EXPECT_EQ(texts.txtFireFile, "");
    EXPECT_EQ(units.System, UnitSystem::SI);
    EXPECT_EQ(units.UnitFactor[kArea], 1.0f);
    EXPECT_EQ(inputs.FloorArea, 0);
    EXPECT_EQ(inputs.RoomHeight, 0);
    EXPECT_EQ(inputs.FireHeight, 0);
}

} // namespace
} // namespace vorla::smoke

#include "smoke_filling/model/input_checks.h"
#include "smoke_filling/model/input_entry.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorla::smoke {
namespace {

using Box = InputBox;

// A form the checks accept, in S.I. units.
InputBoxes GoodForm() {
    InputBoxes texts;
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

// Leaving box `box` with `text` typed in it.
void Leave(InputBox box, const std::string& text, const UnitTables& units, RunInputs& inputs) {
    InputBoxes boxes;
    boxes.Text(box) = text;
    LeaveInputBox(box, boxes, units, inputs);
}

std::optional<RejectedInput> RunChecks(const InputBoxes& texts,
                                       UnitSystem system = UnitSystem::SI) {
    UnitTables units;
    units = UnitTablesFor(system);
    return CheckRunInputs(ReadInputBoxes(texts, units));
}

TEST(UnitTables, USFactorsAreTheSinglesNearestTheirValues) {
    UnitTables units;
    EXPECT_EQ(units.Length.ToSI, 1.0f);
    EXPECT_EQ(units.Area.Label, "m²");
    units = UnitTablesFor(UnitSystem::US);
    EXPECT_EQ(units.Length.ToSI, static_cast<float>(0.3048));
    EXPECT_EQ(units.Area.ToSI, static_cast<float>(0.0929));
    EXPECT_NE(static_cast<double>(units.Area.ToSI), 0.0929);
    EXPECT_EQ(units.Length.Label, "ft");
    EXPECT_EQ(units.Area.Label, "ft²");
}

TEST(InputChecks, EachBoundaryGivesItsMessageAndFocus) {
    struct Case {
        std::string InputBoxes::*box;
        std::string text;
        const char* message; // nullptr: accepted
        Box focus;
    };
    const Case cases[] = {
        {&InputBoxes::txtOutputFile, "", "An output data file name must be specified.",
         Box::txtOutputFile},
        {&InputBoxes::txtFloorArea, "0", "The floor area must be greater than zero.",
         Box::txtFloorArea},
        {&InputBoxes::txtFloorArea, "abc", "The floor area must be greater than zero.",
         Box::txtFloorArea},
        {&InputBoxes::txtFloorArea, "1000", nullptr, {}},
        {&InputBoxes::txtFloorArea, "1000.001", "The floor area is too large.", Box::txtFloorArea},
        {&InputBoxes::txtRoomHeight, "-1", "The room height must be greater than zero.",
         Box::txtRoomHeight},
        {&InputBoxes::txtRoomHeight, "30", nullptr, {}},
        {&InputBoxes::txtRoomHeight, "30.01", "The ceiling is too high.", Box::txtRoomHeight},
        {&InputBoxes::txtFireHeight, "-0.01", "The fire base must be at or above the floor.",
         Box::txtFireHeight},
        {&InputBoxes::txtFireHeight, "abc", nullptr, {}}, // not a number: the floor
        {&InputBoxes::txtFireHeight, "2.4", "The fire base must be below the ceiling.",
         Box::txtFireHeight},
        {&InputBoxes::txtFireHeight, "2.39", nullptr, {}},
        {&InputBoxes::txtLossFraction, "0", "The loss fraction must be between 0 and 1.",
         Box::txtLossFraction},
        {&InputBoxes::txtLossFraction, "1", "The loss fraction must be between 0 and 1.",
         Box::txtLossFraction},
        {&InputBoxes::txtLossFraction, "0.999", nullptr, {}},
        {&InputBoxes::txtRunTime, "0", "The run time must be between 0 and 9000 s.",
         Box::txtRunTime},
        {&InputBoxes::txtRunTime, "0.5", "The run time must be between 0 and 9000 s.",
         Box::txtRunTime},
        {&InputBoxes::txtRunTime, "1", nullptr, {}},
        {&InputBoxes::txtRunTime, "1.5", nullptr, {}},
        {&InputBoxes::txtRunTime, "9000", nullptr, {}},
        {&InputBoxes::txtRunTime, "9000.5", nullptr, {}},
        {&InputBoxes::txtRunTime, "9001", "The run time must be between 0 and 9000 s.",
         Box::txtRunTime},
        {&InputBoxes::txtRunTime, "40000", "The run time must be between 0 and 9000 s.",
         Box::txtRunTime},
        {&InputBoxes::txtRunTime, "-40000", "The run time must be between 0 and 9000 s.",
         Box::txtRunTime},
        {&InputBoxes::txtRunTime, "1e400", "The run time must be between 0 and 9000 s.",
         Box::txtRunTime},
        {&InputBoxes::txtFireFile, "", "A fire file name must be specified.", Box::txtFireFile},
    };
    for (const auto& c : cases) {
        InputBoxes texts = GoodForm();
        texts.*c.box = c.text;
        const auto failure = RunChecks(texts);
        if (c.message == nullptr) {
            EXPECT_FALSE(failure) << c.text << ": " << failure->Message;
            continue;
        }
        ASSERT_TRUE(failure) << c.text;
        EXPECT_EQ(failure->Message, c.message) << c.text;
        EXPECT_EQ(failure->Focus, InputBoxName(c.focus)) << c.text;
    }
}

TEST(InputChecks, TheFirstFailureInTheFormsOrderIsReported) {
    // Every box wrong: each fix reveals the next check.
    InputBoxes texts;
    texts.txtFloorArea = "5000";
    texts.txtRoomHeight = "50";
    texts.txtFireHeight = "-1";
    texts.txtLossFraction = "2";
    texts.txtRunTime = "0";
    const struct {
        std::string InputBoxes::*fix;
        std::string text;
        Box focus;
    } steps[] = {
        {&InputBoxes::txtOutputFile, "A.SOF", Box::txtOutputFile},
        {&InputBoxes::txtFloorArea, "20", Box::txtFloorArea},
        {&InputBoxes::txtRoomHeight, "3", Box::txtRoomHeight},
        {&InputBoxes::txtFireHeight, "0", Box::txtFireHeight},
        {&InputBoxes::txtLossFraction, "0.6", Box::txtLossFraction},
        {&InputBoxes::txtRunTime, "60", Box::txtRunTime},
        {&InputBoxes::txtFireFile, "F.FIR", Box::txtFireFile},
    };
    for (const auto& step : steps) {
        const auto failure = RunChecks(texts);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->Focus, InputBoxName(step.focus));
        texts.*step.fix = step.text;
    }
    EXPECT_FALSE(RunChecks(texts));
}

TEST(InputChecks, USValuesAreCheckedInSIUnits) {
    const struct {
        std::string InputBoxes::*box;
        std::string text;
        const char* message;
    } cases[] = {
        {&InputBoxes::txtRoomHeight, "99", "The ceiling is too high."}, // 30.1752 m
        {&InputBoxes::txtRoomHeight, "98.4", nullptr},
        {&InputBoxes::txtFloorArea, "10000", nullptr}, // 929 m²
        {&InputBoxes::txtFloorArea, "10764", nullptr},
        {&InputBoxes::txtFloorArea, "10765", "The floor area is too large."},
    };
    for (const auto& c : cases) {
        InputBoxes texts = GoodForm();
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

TEST(ReadInputBoxes, ConvertsAndRoundsAsRunDoes) {
    InputBoxes texts = GoodForm();
    texts.txtFloorArea = "100 ft";
    texts.txtRoomHeight = "10";
    texts.txtFireHeight = "2.1";
    texts.txtRunTime = "12.5";
    UnitTables units;
    units = UnitTablesFor(UnitSystem::US);
    RunInputs inputs;
    inputs = ReadInputBoxes(texts, units);
    // The factors are the singles nearest 0.0929 and 0.3048.
    EXPECT_DOUBLE_EQ(inputs.FloorArea, 9.290000051259995);
    EXPECT_DOUBLE_EQ(inputs.RoomHeight, 3.0480000376701355);
    EXPECT_EQ(inputs.FireHeight, 0.64008003f);
    EXPECT_EQ(inputs.RunTime, 12);
    texts.txtRunTime = "13.5";
    inputs = ReadInputBoxes(texts, units);
    EXPECT_EQ(inputs.RunTime, 14);
    EXPECT_EQ(inputs.OutputFile, "OFFICE.SOF");
    EXPECT_EQ(inputs.FireFile, "SOFA.FIR");
}

TEST(LeavingABox, StoresTheValueInSIAndIgnoresAnEmptyBox) {
    UnitTables units;
    units = UnitTablesFor(UnitSystem::US);
    RunInputs inputs;
    inputs.FloorArea = 7;
    Leave(InputBox::txtFloorArea, "", units, inputs);
    EXPECT_EQ(inputs.FloorArea, 7);
    Leave(InputBox::txtFloorArea, "10", units, inputs);
    EXPECT_DOUBLE_EQ(inputs.FloorArea, 0.9290000051259995);
    Leave(InputBox::txtRoomHeight, "abc", units, inputs);
    EXPECT_EQ(inputs.RoomHeight, 0);
    Leave(InputBox::txtFireHeight, "1", units, inputs);
    EXPECT_EQ(inputs.FireHeight, 0.3048f);
}

TEST(ChangeUnits, ShowsTheStoredValuesInTheNewUnits) {
    InputBoxes texts;
    UnitTables units;
    RunInputs inputs;
    texts.txtFloorArea = "10";
    texts.txtRoomHeight = "0.5";
    texts.txtFireHeight = "0.5";
    Leave(InputBox::txtFloorArea, texts.txtFloorArea, units, inputs);
    Leave(InputBox::txtRoomHeight, texts.txtRoomHeight, units, inputs);
    Leave(InputBox::txtFireHeight, texts.txtFireHeight, units, inputs);

    ChangeUnits(UnitSystem::US, inputs, units, texts);
    EXPECT_EQ(texts.txtFloorArea, "107.643"); // with the single-precision 0.0929
    EXPECT_EQ(texts.txtRoomHeight, "1.64");
    EXPECT_EQ(texts.txtFireHeight, "1.64");
    EXPECT_EQ(units.Length.Label, "ft");

    ChangeUnits(UnitSystem::SI, inputs, units, texts);
    EXPECT_EQ(texts.txtFloorArea, "10.00");
    EXPECT_EQ(texts.txtRoomHeight, ".50");
    EXPECT_EQ(texts.txtFireHeight, "0.50");
    EXPECT_EQ(inputs.FloorArea, 10);
}

TEST(ChangeUnits, LeavesEmptyBoxesAndTheOtherBoxesAlone) {
    InputBoxes texts;
    texts.txtLossFraction = "0.75";
    texts.txtRunTime = "12.5";
    UnitTables units;
    RunInputs inputs;
    inputs.FloorArea = 10;
    ChangeUnits(UnitSystem::US, inputs, units, texts);
    EXPECT_EQ(texts.txtFloorArea, "");
    EXPECT_EQ(texts.txtLossFraction, "0.75");
    EXPECT_EQ(texts.txtRunTime, "12.5");
}

// The form's unit change is a view change: after any switches Run reads the
// values as they were typed, to the bit, although the boxes show them rounded.
TEST(ChangeUnitsKeeping, RunReadsWhatWasTypedAfterAnySwitches) {
    using enum UnitSystem;
    struct Case {
        const char* what;
        UnitSystem typedIn;
        std::vector<UnitSystem> switches;
    };
    const Case cases[] = {
        {"S.I. to U.S.", SI, {US}},
        {"S.I. there and back", SI, {US, SI}},
        {"S.I. five switches", SI, {US, SI, US, SI, US}},
        {"U.S. to S.I.", US, {SI}},
        {"U.S. there and back twice", US, {SI, US, SI, US}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        InputBoxes boxes = GoodForm();
        boxes.txtFloorArea = "150.0004";
        boxes.txtRoomHeight = "4.0004";
        boxes.txtFireHeight = "0.5004";
        UnitTables units = UnitTablesFor(c.typedIn);
        const RunInputs typed = ReadInputBoxes(boxes, units);
        KeptDimensions kept;
        for (const UnitSystem system : c.switches) {
            ChangeUnits(system, units, boxes, kept);
        }
        EXPECT_EQ(units.System, c.switches.back());
        const RunInputs read = ReadKeptInputBoxes(boxes, units, kept);
        EXPECT_EQ(read.FloorArea, typed.FloorArea);
        EXPECT_EQ(read.RoomHeight, typed.RoomHeight);
        EXPECT_EQ(read.FireHeight, typed.FireHeight);
        // The boxes themselves are rounded: read as they show, the run changes.
        const RunInputs shown = ReadInputBoxes(boxes, units);
        EXPECT_NE(shown.FloorArea, typed.FloorArea);
        EXPECT_NE(shown.RoomHeight, typed.RoomHeight);
    }
}

TEST(ChangeUnitsKeeping, ShowsTheConversionAndTypingReplacesTheKeptValue) {
    InputBoxes texts;
    texts.txtFloorArea = "10";
    texts.txtRoomHeight = "0.5";
    texts.txtFireHeight = "1,5"; // not a number: left for Run to refuse
    UnitTables units;
    KeptDimensions kept;
    ChangeUnits(UnitSystem::US, units, texts, kept);
    EXPECT_EQ(texts.txtFloorArea, "107.643");
    EXPECT_EQ(texts.txtRoomHeight, "1.64");
    EXPECT_EQ(texts.txtFireHeight, "1,5");
    EXPECT_FALSE(kept.Of(InputBox::txtFireHeight, "1,5"));
    EXPECT_EQ(kept.Of(InputBox::txtFloorArea, "107.643"), 10);

    // 2 ft typed over the conversion is 0.6096 m; the area stays as typed.
    texts.txtRoomHeight = "2";
    RunInputs read = ReadKeptInputBoxes(texts, units, kept);
    EXPECT_NEAR(read.RoomHeight, 0.6096, 1e-7); // the foot is a float factor
    EXPECT_EQ(read.FloorArea, 10);

    ChangeUnits(UnitSystem::SI, units, texts, kept);
    EXPECT_EQ(texts.txtFloorArea, "10.00");
    EXPECT_EQ(texts.txtRoomHeight, ".61");
    read = ReadKeptInputBoxes(texts, units, kept);
    EXPECT_NEAR(read.RoomHeight, 0.6096, 1e-7);
    EXPECT_EQ(read.FloorArea, 10);
    kept.Clear();
    EXPECT_EQ(ReadKeptInputBoxes(texts, units, kept).RoomHeight, 0.61);
}

TEST(NewInputs, ClearsTheFormToItsDefaults) {
    InputBoxes texts = GoodForm();
    UnitTables units;
    units = UnitTablesFor(UnitSystem::US);
    RunInputs inputs;
    inputs = ReadInputBoxes(texts, units);
    texts.txtLossFraction = "0.3";
    NewInputs(texts, units, inputs);
    EXPECT_EQ(texts.txtRunTitle, "");
    EXPECT_EQ(texts.txtOutputFile, "");
    EXPECT_EQ(texts.txtFloorArea, "");
    EXPECT_EQ(texts.txtRoomHeight, "");
    EXPECT_EQ(texts.txtFireHeight, "");
    EXPECT_EQ(texts.txtLossFraction, "0.6");
    EXPECT_EQ(texts.txtRunTime, "");
    EXPECT_EQ(texts.txtFireFile, "");
    EXPECT_EQ(units.System, UnitSystem::SI);
    EXPECT_EQ(units.Area.ToSI, 1.0f);
    EXPECT_EQ(inputs.FloorArea, 0);
    EXPECT_EQ(inputs.RoomHeight, 0);
    EXPECT_EQ(inputs.FireHeight, 0);
}

} // namespace
} // namespace vorla::smoke

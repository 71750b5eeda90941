#include "compartment/model/calculations.h"
#include "compartment/model/input_entry.h"

#include <gtest/gtest.h>
#include <vector>

namespace vorla::compartment {
namespace {

using enum InputBox;

TEST(LeaveInputBox, StoresTheSiValueOfANonEmptyDimensionBox) {
    Calculations calc;
    InputBoxes boxes;
    calc.Units = UnitTablesFor(UnitSystem::US);
    boxes.txtFloorArea = "100";
    boxes.txtRoomHeight = "10 ft";
    boxes.txtSoffitHeight = "7";
    LeaveInputBox(txtFloorArea, boxes, calc.Units, calc.Inputs);
    LeaveInputBox(txtRoomHeight, boxes, calc.Units, calc.Inputs);
    LeaveInputBox(txtSoffitHeight, boxes, calc.Units, calc.Inputs);
    EXPECT_DOUBLE_EQ(calc.Inputs.FloorArea, 9.29);
    EXPECT_DOUBLE_EQ(calc.Inputs.RoomHeight, 3.048);
    EXPECT_EQ(calc.Inputs.SoffitHeight, 2.1336f); // 7 ft

    // An emptied box keeps the value stored before; other boxes are Run's.
    boxes.txtRoomHeight.clear();
    LeaveInputBox(txtRoomHeight, boxes, calc.Units, calc.Inputs);
    EXPECT_DOUBLE_EQ(calc.Inputs.RoomHeight, 3.048);
    boxes.txtRadiativeLossFraction = "0.2";
    LeaveInputBox(txtRadiativeLossFraction, boxes, calc.Units, calc.Inputs);
    EXPECT_EQ(calc.Inputs.RadiativeLossFraction, 0);
}

TEST(ChangeUnits, RewritesDimensionBoxesFromTheSiInputs) {
    Calculations calc;
    InputBoxes boxes;
    boxes.txtFloorArea = "20";
    boxes.txtRoomHeight = "2.4";
    boxes.txtSoffitHeight = "2.1";
    boxes.txtRunTime = "600";
    for (const InputBox box : {txtFloorArea, txtRoomHeight, txtSoffitHeight}) {
        LeaveInputBox(box, boxes, calc.Units, calc.Inputs);
    }

    ChangeUnits(UnitSystem::US, calc.Inputs, calc.Units, boxes);
    EXPECT_EQ(boxes.txtFloorArea, "215.285");
    EXPECT_EQ(boxes.txtRoomHeight, "7.874");
    EXPECT_EQ(boxes.txtSoffitHeight, "6.89");
    EXPECT_EQ(boxes.txtVentWidth, "");
    EXPECT_EQ(boxes.txtRunTime, "600");
    EXPECT_EQ(boxes.txtRadiativeLossFraction, "0.35");
    EXPECT_EQ(calc.Units.Length.Label, "ft");
    EXPECT_EQ(calc.Units.Area.Label, "ft\u00b2");
    EXPECT_DOUBLE_EQ(calc.Inputs.FloorArea, 20);

    // Back and forth adds no rounding: the display comes from the S.I. inputs.
    ChangeUnits(UnitSystem::SI, calc.Inputs, calc.Units, boxes);
    ChangeUnits(UnitSystem::US, calc.Inputs, calc.Units, boxes);
    ChangeUnits(UnitSystem::SI, calc.Inputs, calc.Units, boxes);
    EXPECT_EQ(boxes.txtFloorArea, "20.00");
    EXPECT_EQ(boxes.txtRoomHeight, "2.40");
    EXPECT_EQ(boxes.txtSoffitHeight, "2.10");
    EXPECT_EQ(calc.Units.Area.Label, "m\u00b2");
    EXPECT_DOUBLE_EQ(calc.Inputs.RoomHeight, 2.4);
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
        InputBoxes boxes;
        boxes.txtFloorArea = "20.0004";
        boxes.txtRoomHeight = "2.4";
        boxes.txtVentWidth = "0.9";
        boxes.txtSillHeight = "0.3";
        boxes.txtSoffitHeight = "2.1";
        boxes.txtFireHeight = "0.25";
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
        EXPECT_EQ(read.VentWidth, typed.VentWidth);
        EXPECT_EQ(read.SillHeight, typed.SillHeight);
        EXPECT_EQ(read.SoffitHeight, typed.SoffitHeight);
        EXPECT_EQ(read.FireHeight, typed.FireHeight);
        EXPECT_EQ(read.VentFactor, typed.VentFactor);
        // The boxes themselves are rounded: read as they show, the run changes.
        EXPECT_NE(ReadInputBoxes(boxes, units).FloorArea, typed.FloorArea);
    }
}

TEST(ChangeUnitsKeeping, ShowsTheConversionAndTypingReplacesTheKeptValue) {
    InputBoxes boxes;
    boxes.txtFloorArea = "20";
    boxes.txtRoomHeight = "2.4";
    boxes.txtVentWidth = "1,5"; // not a number: left for Run to refuse
    boxes.txtRunTime = "600";
    UnitTables units;
    KeptDimensions kept;
    ChangeUnits(UnitSystem::US, units, boxes, kept);
    EXPECT_EQ(boxes.txtFloorArea, "215.285");
    EXPECT_EQ(boxes.txtRoomHeight, "7.874");
    EXPECT_EQ(boxes.txtVentWidth, "1,5");
    EXPECT_EQ(boxes.txtSillHeight, "");
    EXPECT_EQ(boxes.txtRunTime, "600");
    EXPECT_EQ(units.Length.Label, "ft");
    EXPECT_FALSE(kept.Of(txtVentWidth, "1,5"));
    EXPECT_FALSE(kept.Of(txtSillHeight, ""));
    EXPECT_EQ(kept.Of(txtRoomHeight, "7.874"), 2.4);

    // 8 ft typed over the conversion is 2.4384 m; the area stays as typed.
    boxes.txtRoomHeight = "8";
    RunInputs read = ReadKeptInputBoxes(boxes, units, kept);
    EXPECT_DOUBLE_EQ(read.RoomHeight, 2.4384);
    EXPECT_EQ(read.FloorArea, 20);

    ChangeUnits(UnitSystem::SI, units, boxes, kept);
    EXPECT_EQ(boxes.txtFloorArea, "20.00");
    EXPECT_EQ(boxes.txtRoomHeight, "2.438");
    read = ReadKeptInputBoxes(boxes, units, kept);
    EXPECT_DOUBLE_EQ(read.RoomHeight, 2.4384);
    EXPECT_EQ(read.FloorArea, 20);

    // Typed again as shown, the text is the value; File New and File Open
    // clear what is kept: the boxes are read again.
    kept.Forget(txtFloorArea);
    EXPECT_EQ(ReadKeptInputBoxes(boxes, units, kept).FloorArea, 20);
    kept.Clear();
    EXPECT_EQ(ReadKeptInputBoxes(boxes, units, kept).RoomHeight, 2.438);
}

TEST(NewInputs, RestoresTheDefaults) {
    Calculations calc;
    InputBoxes boxes;
    boxes.txtRunTitle = "t";
    boxes.txtOutputFile = "o";
    boxes.txtFireFile = "f";
    boxes.txtFloorArea = "20";
    boxes.txtRunTime = "600";
    boxes.txtRadiativeLossFraction = "0.2";
    boxes.txtTotalLossFraction = "0.9";
    calc.Units = UnitTablesFor(UnitSystem::US);
    calc.Inputs.FloorArea = 20;
    calc.Inputs.SoffitHeight = 2;

    NewInputs(boxes, calc.Units, calc.Inputs);
    const InputBoxes defaults;
    for (int box = 0; box <= static_cast<int>(txtRunTime); ++box) {
        EXPECT_EQ(boxes.Text(InputBox(box)), defaults.Text(InputBox(box)))
            << InputBoxName(InputBox(box));
    }
    EXPECT_EQ(defaults.txtRadiativeLossFraction, "0.35");
    EXPECT_EQ(defaults.txtTotalLossFraction, "0.6");
    EXPECT_EQ(calc.Units.System, UnitSystem::SI);
    EXPECT_EQ(calc.Inputs.FloorArea, 0);
    EXPECT_EQ(calc.Inputs.SoffitHeight, 0);
    EXPECT_EQ(calc.Inputs.RadiativeLossFraction, 0.35);
    EXPECT_EQ(calc.Inputs.LossFraction, 0.6);
}

TEST(InputBoxName, IsTheControlName) {
    EXPECT_EQ(InputBoxName(txtFloorArea), "txtFloorArea");
    EXPECT_EQ(InputBoxName(txtRadiativeLossFraction), "txtRadiativeLossFraction");
    // Every box's name leads back to the box; other names to none.
    for (int box = 0; box <= static_cast<int>(txtRunTime); ++box) {
        EXPECT_EQ(InputBoxNamed(InputBoxName(InputBox(box))), InputBox(box));
    }
    EXPECT_EQ(InputBoxNamed("cmdRun"), std::nullopt);
    InputBoxes boxes;
    boxes.Text(txtFireFile) = "x";
    EXPECT_EQ(boxes.txtFireFile, "x");
}

} // namespace
} // namespace vorla::compartment

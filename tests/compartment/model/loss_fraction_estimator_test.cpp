#include "compartment/model/loss_fraction_estimator.h"
#include "test_room.h"

#include <gtest/gtest.h>

namespace vorla::compartment {
namespace {

using enum InputBox;

// The office: 20 m² (5 m by 4 m), 2.4 m high, the fire on the floor, χr 0.35.
RunInputs FiveByFourRoom() {
    return testing::Office()->Inputs;
}

TEST(EstimateLossFraction, FiveByFourRoomForEachCeiling) {
    const RunInputs room = FiveByFourRoom();
    const double smooth = EstimateLossFraction(room, 1.25, 'S');
    EXPECT_NEAR(smooth, 0.571363, 5e-7);
    EXPECT_EQ(LossFractionText(smooth), "0.5714");
    EXPECT_EQ(LossFractionText(EstimateLossFraction(room, 1.25, 'M')), "0.6214");
    EXPECT_EQ(LossFractionText(EstimateLossFraction(room, 1.25, 'R')), "0.6714");
}

TEST(EstimateLossFraction, IsCutToOne) {
    RunInputs hall = FiveByFourRoom();
    hall.FloorArea = 1000;
    hall.RoomHeight = 10;
    hall.RadiativeLossFraction = 0.9;
    const double estimate = EstimateLossFraction(hall, 1, 'R');
    EXPECT_EQ(estimate, 1);
    EXPECT_EQ(LossFractionText(estimate), "   1.0");
}

// After a unit change the estimate reads the values as typed, not the boxes'
// rounded conversions (7.874 ft is 2.39999 m, not 2.4 m).
TEST(EstimatorEntry, RefreshReadsTheValuesKeptOverAUnitChange) {
    Calculations calc;
    InputBoxes boxes;
    boxes.txtFloorArea = "20";
    boxes.txtRoomHeight = "2.4";
    boxes.txtVentWidth = "0.9";
    boxes.txtSoffitHeight = "2";
    boxes.txtFireHeight = "0.3";
    boxes.txtRadiativeLossFraction = "0.35";
    KeptDimensions kept;
    ChangeUnits(UnitSystem::US, calc.Units, boxes, kept);
    ASSERT_EQ(boxes.txtRoomHeight, "7.874");

    RefreshEstimatorInputs(boxes, calc);
    EXPECT_NE(calc.Inputs.RoomHeight, 2.4);
    RefreshEstimatorInputs(boxes, kept, calc);
    EXPECT_EQ(calc.Inputs.FloorArea, 20);
    EXPECT_EQ(calc.Inputs.RoomHeight, 2.4);
    EXPECT_EQ(calc.Inputs.VentWidth, 0.9);
    EXPECT_EQ(calc.Inputs.SoffitHeight, 2);
    EXPECT_EQ(calc.Inputs.FireHeight, 0.3);
    EXPECT_EQ(calc.Inputs.RadiativeLossFraction, 0.35);
}

TEST(EstimatorEntry, RefreshReadsOnlyWhatTheEstimateNeeds) {
    Calculations calc;
    calc.Units = UnitTablesFor(UnitSystem::US);
    calc.Inputs.SillHeight = 1;
    calc.Inputs.LossFraction = 0.6;
    InputBoxes boxes;
    boxes.txtFloorArea = "100";
    boxes.txtRoomHeight = "10";
    boxes.txtSoffitHeight = "7";
    boxes.txtSillHeight = "3";
    boxes.txtTotalLossFraction = "0.9";
    boxes.txtRadiativeLossFraction = "0";
    RefreshEstimatorInputs(boxes, calc);
    EXPECT_DOUBLE_EQ(calc.Inputs.FloorArea, 9.29);
    EXPECT_DOUBLE_EQ(calc.Inputs.RoomHeight, 3.048);
    EXPECT_EQ(calc.Inputs.SoffitHeight, 2.1336f); // 7 ft
    EXPECT_EQ(calc.Inputs.SillHeight, 1);
    EXPECT_EQ(calc.Inputs.LossFraction, 0.6);
    EXPECT_TRUE(RadiativeFractionNeedsConfirming(calc.Inputs));
    EXPECT_EQ(kZeroRadiativeFractionQuestion,
              "The radiative loss fraction is zero.  Is that correct?");
    // After Yes the estimate runs with no radiative fraction at all.
    EXPECT_EQ(CheckEstimatorInputs(calc.Inputs), std::nullopt);
    EXPECT_GT(EstimateLossFraction(calc.Inputs, 1, 'S'), 0);
}

TEST(EstimatorEntry, ChecksInOrderWithTheirMessagesAndFocus) {
    struct Case {
        void (*spoil)(RunInputs&);
        std::optional<RejectedInput> error;
    };
    const Case cases[] = {
        {[](RunInputs& in) { in.FloorArea = 0; },
         Rejected("You must first specify a valid floor area.", txtFloorArea)},
        {[](RunInputs& in) {
             in.FloorArea = -1;
             in.RoomHeight = 0;
         },
         Rejected("You must first specify a valid floor area.", txtFloorArea)},
        {[](RunInputs& in) { in.RoomHeight = 0; },
         Rejected("You must first specify a valid room height.", txtRoomHeight)},
        {[](RunInputs& in) { in.SoffitHeight = 2.4f; },
         Rejected("You must first specify a valid soffit height.", txtSoffitHeight)},
        {[](RunInputs& in) { in.FireHeight = 2.4; },
         Rejected("You must first specify a valid fire height.", txtFireHeight)},
        {[](RunInputs& in) { in.RadiativeLossFraction = 1; },
         Rejected("You must first specify a valid radiative heat loss fraction.",
                  txtRadiativeLossFraction)},
        {[](RunInputs& in) {
             in.FireHeight = 2.39;
             in.RadiativeLossFraction = 0.99;
         },
         std::nullopt},
    };
    for (const auto& c : cases) {
        RunInputs room = FiveByFourRoom();
        c.spoil(room);
        EXPECT_EQ(CheckEstimatorInputs(room), c.error);
    }
}

TEST(EstimatorWindow, EstimateReadsTheWindowsEntries) {
    const RunInputs room = FiveByFourRoom();
    EXPECT_EQ(EstimateFromEntries("", 0, room), std::nullopt);
    EXPECT_EQ(EstimateFromEntries("0.99", 2, room), std::nullopt);
    EXPECT_EQ(EstimateFromEntries("1.25", 1, room), "0.6214");
    EXPECT_EQ(EstimateFromEntries("1 .25 (5 m by 4 m)", 0, room), "0.5714");
}

TEST(EstimatorWindow, AspectRatioAndRoughness) {
    EXPECT_FALSE(AspectRatioIsValid(0)); // an empty box
    EXPECT_FALSE(AspectRatioIsValid(0.99));
    EXPECT_TRUE(AspectRatioIsValid(1));
    EXPECT_EQ(kAspectRatioMessage, "The aspect ratio must be equal to or greater than 1.");
    EXPECT_EQ(CeilingRoughnessOfOption(0), 'S');
    EXPECT_EQ(CeilingRoughnessOfOption(1), 'M');
    EXPECT_EQ(CeilingRoughnessOfOption(2), 'R');
}

} // namespace
} // namespace vorla::compartment

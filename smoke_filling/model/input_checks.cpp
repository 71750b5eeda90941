#include "smoke_filling/model/input_checks.h"

#include "smoke_filling/model/input_boxes.h"
#include "smoke_filling/model/input_table.h"

namespace vorla::smoke {
namespace {

// The fixed limits, as the input table gives them.
constexpr double kLargestFloorArea = RowOf(InputBox::txtFloorArea).Limits.Highest;   // m²
constexpr double kLargestRoomHeight = RowOf(InputBox::txtRoomHeight).Limits.Highest; // m
constexpr double kShortestRunTime = RowOf(InputBox::txtRunTime).Limits.Lowest;       // s
constexpr double kLongestRunTime = RowOf(InputBox::txtRunTime).Limits.Highest;       // s

RejectedInput Rejected(std::string_view message, InputBox box) {
    return {std::string(message), std::string(InputBoxName(box)), -1, kInputErrorTitle};
}

} // namespace

std::optional<RejectedInput> CheckRunInputs(const RunInputs& inputs) {
    using Box = InputBox;
    // The limits are written as "not within" so that a value that is not a
    // number would fail them too.
    if (inputs.OutputFile.empty()) {
        return Rejected("An output data file name must be specified.", Box::txtOutputFile);
    }
    if (!(inputs.FloorArea > 0)) {
        return Rejected("The floor area must be greater than zero.", Box::txtFloorArea);
    }
    if (!(inputs.FloorArea <= kLargestFloorArea)) {
        return Rejected("The floor area is too large.", Box::txtFloorArea);
    }
    if (!(inputs.RoomHeight > 0)) {
        return Rejected("The room height must be greater than zero.", Box::txtRoomHeight);
    }
    if (!(inputs.RoomHeight <= kLargestRoomHeight)) {
        return Rejected("The ceiling is too high.", Box::txtRoomHeight);
    }
    if (!(inputs.FireHeight >= 0)) {
        return Rejected("The fire base must be at or above the floor.", Box::txtFireHeight);
    }
    if (!(inputs.FireHeight < inputs.RoomHeight)) {
        return Rejected("The fire base must be below the ceiling.", Box::txtFireHeight);
    }
    if (!(inputs.LossFraction > 0 && inputs.LossFraction < 1)) {
        return Rejected("The loss fraction must be between 0 and 1.", Box::txtLossFraction);
    }
    if (inputs.RunTime < kShortestRunTime || inputs.RunTime > kLongestRunTime) {
        return Rejected("The run time must be between 0 and 9000 s.", Box::txtRunTime);
    }
    if (inputs.FireFile.empty()) {
        return Rejected("A fire file name must be specified.", Box::txtFireFile);
    }
    return std::nullopt;
}

} // namespace vorla::smoke

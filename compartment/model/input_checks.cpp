#include "compartment/model/input_checks.h"

#include "compartment/model/input_table.h"

#include <cmath>

namespace vorla::compartment {
namespace {

// The fixed limits, as the input table gives them.
constexpr double kLargestFloorArea = RowOf(InputBox::txtFloorArea).Limits.Highest;   // m²
constexpr double kLargestRoomHeight = RowOf(InputBox::txtRoomHeight).Limits.Highest; // m
constexpr double kLargestVentWidth = RowOf(InputBox::txtVentWidth).Limits.Highest;   // m
constexpr double kShortestRunTime = RowOf(InputBox::txtRunTime).Limits.Lowest;       // s
constexpr double kLongestRunTime = RowOf(InputBox::txtRunTime).Limits.Highest;       // s

} // namespace

RejectedInput Rejected(std::string_view message, InputBox box) {
    return {std::string(message), std::string(InputBoxName(box)), -1, kInputErrorTitle};
}

std::optional<RejectedInput> CheckRunInputs(const RunInputs& in) {
    using enum InputBox;
    const double soffit = in.SoffitHeight;
    if (in.OutputFile.empty()) {
        return Rejected("An output data file name must be specified.", txtOutputFile);
    }
    if (in.FloorArea <= 0) {
        return Rejected("The floor area must be greater than zero.", txtFloorArea);
    }
    if (in.FloorArea > kLargestFloorArea) {
        return Rejected("The floor area is too large.", txtFloorArea);
    }
    if (in.RoomHeight <= 0) {
        return Rejected("The room height must be greater than zero.", txtRoomHeight);
    }
    if (in.RoomHeight > kLargestRoomHeight) {
        return Rejected("The ceiling is too high.", txtRoomHeight);
    }
    if (in.VentWidth <= 0) {
        return Rejected("The vent width must be greater than zero.", txtVentWidth);
    }
    if (in.VentWidth > kLargestVentWidth) {
        return Rejected("The vent is too wide.", txtVentWidth);
    }
    if (in.SillHeight < 0) {
        return Rejected("The sill must be at or above floor level.", txtSillHeight);
    }
    if (in.SillHeight >= in.RoomHeight) {
        return Rejected("The sill can not be higher than the ceiling.", txtSillHeight);
    }
    if (soffit <= in.SillHeight) {
        return Rejected("The soffit can not be below the sill.", txtSoffitHeight);
    }
    if (soffit >= in.RoomHeight) {
        return Rejected("The soffit can not be above the ceiling.", txtSoffitHeight);
    }
    if (in.FireHeight < 0) {
        return Rejected("The fire base must be at or above the floor.", txtFireHeight);
    }
    if (in.FireHeight >= in.RoomHeight) {
        return Rejected("The fire base must be below the ceiling.", txtFireHeight);
    }
    if (in.RadiativeLossFraction <= 0 || in.RadiativeLossFraction >= 1) {
        return Rejected("The radiative heat loss fraction must be between 0 and 1.",
                        txtRadiativeLossFraction);
    }
    if (in.LossFraction <= 0 || in.LossFraction >= 1) {
        return Rejected("The total heat loss fraction must be between 0 and 1.",
                        txtTotalLossFraction);
    }
    if (in.RunTime < kShortestRunTime || in.RunTime > kLongestRunTime) {
        return Rejected("The run time must be between 0 and 9000 s.", txtRunTime);
    }
    if (in.FireFile.empty()) {
        return Rejected("A fire file name must be specified.", txtFireFile);
    }
    return std::nullopt;
}

double VentFactorOf(const RunInputs& in) {
    const double soffit = in.SoffitHeight;
    return (0.52 * in.VentWidth) * std::pow(soffit - in.SillHeight, 1.5);
}

} // namespace vorla::compartment

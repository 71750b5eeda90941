#include "compartment/model/input_checks.h"

#include <cmath>

namespace vorla::compartment {
namespace {

constexpr double kLargestFloorArea = 1000; // m²
constexpr double kLargestLength = 30;      // m, room height and vent width
constexpr double kLongestRunTime = 9000;   // s

} // namespace

std::optional<InputError> CheckRunInputs(const RunInputs& in, double runTimeNumber) {
    using enum InputBox;
    const double soffit = in.SoffitHeight;
    if (in.OutputFile.empty()) {
        return InputError{"An output data file name must be specified.", txtOutputFile};
    }
    if (in.FloorArea <= 0) {
        return InputError{"The floor area must be greater than zero.", txtFloorArea};
    }
    if (in.FloorArea > kLargestFloorArea) {
        return InputError{"The floor area is too large.", txtFloorArea};
    }
    if (in.RoomHeight <= 0) {
        return InputError{"The room height must be greater than zero.", txtRoomHeight};
    }
    if (in.RoomHeight > kLargestLength) {
        return InputError{"The ceiling is too high.", txtRoomHeight};
    }
    if (in.VentWidth <= 0) {
        return InputError{"The vent width must be greater than zero.", txtVentWidth};
    }
    if (in.VentWidth > kLargestLength) {
        return InputError{"The vent is too wide.", txtVentWidth};
    }
    if (in.SillHeight < 0) {
        return InputError{"The sill must be at or above floor level.", txtSillHeight};
    }
    if (in.SillHeight >= in.RoomHeight) {
        return InputError{"The sill can not be higher than the ceiling.", txtSillHeight};
    }
    if (soffit <= in.SillHeight) {
        return InputError{"The soffit can not be below the sill.", txtSoffitHeight};
    }
    if (soffit >= in.RoomHeight) {
        return InputError{"The soffit can not be above the ceiling.", txtSoffitHeight};
    }
    if (in.FireHeight < 0) {
        return InputError{"The fire base must be at or above the floor.", txtFireHeight};
    }
    if (in.FireHeight >= in.RoomHeight) {
        return InputError{"The fire base must be below the ceiling.", txtFireHeight};
    }
    if (in.RadiativeLossFraction <= 0 || in.RadiativeLossFraction >= 1) {
        return InputError{"The radiative heat loss fraction must be between 0 and 1.",
                          txtRadiativeLossFraction};
    }
    if (in.TotalLossFraction <= 0 || in.TotalLossFraction >= 1) {
        return InputError{"The total heat loss fraction must be between 0 and 1.",
                          txtTotalLossFraction};
    }
    if (runTimeNumber < 1 || runTimeNumber > kLongestRunTime) {
        return InputError{"The run time must be between 0 and 9000 s.", txtRunTime};
    }
    if (in.FireFile.empty()) {
        return InputError{"A fire file name must be specified.", txtFireFile};
    }
    return std::nullopt;
}

double VentFactorOf(const RunInputs& in) {
    const double soffit = in.SoffitHeight;
    return (0.52 * in.VentWidth) * std::pow(soffit - in.SillHeight, 1.5);
}

} // namespace vorla::compartment
